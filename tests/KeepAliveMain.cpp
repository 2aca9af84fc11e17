// Holds Wine's desktop and services for a test run: started first, with its
// streams redirected, so that the processes Wine starts on demand inherit those
// streams and not the pipes of a test runner. Runs until the prefix is shut down.
#include <cstdio>
#include <windows.h>

int wmain()
{
    HWND window = CreateWindowExW(0, L"STATIC", L"veltra4 keep-alive", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  nullptr, nullptr);
    if (window == nullptr)
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
