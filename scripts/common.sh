# Shared by the project's scripts: packages, the Wine prefix, the display and the builds.
# Source it; it defines functions and variables and starts nothing by itself.

VELTRA4_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELTRA4_BUILD=${VELTRA4_BUILD:-$VELTRA4_ROOT/build}
VELTRA4_WINE=/usr/lib/wine/wine64

# Never wine32: this machine cannot run 32-bit code, and with it installed
# /usr/bin/wine picks the 32-bit loader.
VELTRA4_PACKAGES=(cmake make g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686 googletest wine wine64 xvfb xauth procps)

veltra4_log() { printf '[veltra4] %s\n' "$*" >&2; }

veltra4_install_packages() {
    local missing=() package
    for package in "${VELTRA4_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    veltra4_log "installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The project's own Wine prefix; a missing WINEPREFIX would silently create ~/.wine.
veltra4_wine_environment() {
    export WINEPREFIX=$VELTRA4_BUILD/wineprefix
    export WINEARCH=win64
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG=${WINEDEBUG:-fixme-all}
}

veltra4_prepare_prefix() {
    veltra4_wine_environment
    mkdir -p "$VELTRA4_BUILD"
    if [ ! -f "$WINEPREFIX/.veltra4-ready" ]; then
        veltra4_log "creating the Wine prefix in $WINEPREFIX"
        # Redirected: the services that wineboot starts inherit these streams.
        "$VELTRA4_WINE" wineboot -i </dev/null >"$VELTRA4_BUILD/wineboot.log" 2>&1
        # No crash dialog (it would hang a test), no 2 s wait on hiding windows.
        "$VELTRA4_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            </dev/null >>"$VELTRA4_BUILD/wineboot.log" 2>&1
        "$VELTRA4_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
            </dev/null >>"$VELTRA4_BUILD/wineboot.log" 2>&1
        wineserver -w
        touch "$WINEPREFIX/.veltra4-ready"
    fi
}

VELTRA4_XVFB_PID=
veltra4_start_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local display
    for display in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
        Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$VELTRA4_BUILD/xvfb.log" 2>&1 &
        VELTRA4_XVFB_PID=$!
        export DISPLAY=":$display"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$display" ] && return 0
            sleep 0.1
        done
        veltra4_log "Xvfb did not start on :$display"
        return 1
    done
    return 1
}

# Starts the prefix's services and desktop from a program whose streams go to a
# file, before anything else of ours runs under Wine; waits until it is up.
veltra4_keep_wine_alive() {
    local keepalive=$VELTRA4_BUILD/x86_64/tests/veltra4keepalive.exe log=$VELTRA4_BUILD/keepalive.log
    wineserver -p
    [ -f "$keepalive" ] || return 0
    "$VELTRA4_WINE" "$keepalive" </dev/null >"$log" 2>&1 &
    local i
    for i in $(seq 1 300); do
        grep -q ready "$log" 2>/dev/null && return 0
        sleep 0.1
    done
    veltra4_log "the keep-alive program did not start; see $log"
    return 1
}

# Ends what the scripts started: the prefix's Wine processes and our Xvfb.
veltra4_stop_all() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    if [ -n "$VELTRA4_XVFB_PID" ]; then
        kill "$VELTRA4_XVFB_PID" 2>/dev/null || true
        wait "$VELTRA4_XVFB_PID" 2>/dev/null || true
        VELTRA4_XVFB_PID=
    fi
}

# Configures once, then builds what changed. $1: x86_64 or i686; $2...: cmake options.
veltra4_build() {
    local arch=$1
    shift
    local dir=$VELTRA4_BUILD/$arch
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$VELTRA4_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$VELTRA4_ROOT/cmake/toolchain-$arch-w64-mingw32.cmake" "$@" >/dev/null
    fi
    cmake --build "$dir" -j"$(nproc)" -- --no-print-directory | grep -vE '^\[ *[0-9]+%\] (Built target|Building|Linking)' || true
    return "${PIPESTATUS[0]}"
}
