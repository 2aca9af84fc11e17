#pragma once

#include <windows.h>
#include <winioctl.h>

// Request codes: device type 0x8088, buffered transfer, any access.
constexpr DWORD DravioIoctlCode(DWORD function)
{
    return 0x80880000u + function * 4u;
}

// The function number of a request code, for whoever answers requests.
constexpr DWORD DravioIoctlFunction(DWORD code)
{
    return (code - 0x80880000u) / 4u;
}

static_assert(DravioIoctlCode(0x801) == static_cast<DWORD>(CTL_CODE(0x8088, 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS)));
static_assert(DravioIoctlCode(0x801) == 0x80882004u);

// Driver-level requests.
constexpr DWORD IOCTL_DRAVIO_GET_VERSION = DravioIoctlCode(0x801);
constexpr DWORD IOCTL_DRAVIO_POST_MESSAGE = DravioIoctlCode(0x810);
constexpr DWORD IOCTL_DRAVIO_GET_MESSAGE = DravioIoctlCode(0x811);
constexpr DWORD IOCTL_DRAVIO_GET_NOTIFICATION = DravioIoctlCode(0x812);
constexpr DWORD IOCTL_DRAVIO_SET_EVENTS = DravioIoctlCode(0x816);
constexpr DWORD IOCTL_DRAVIO_SET_ROLE = DravioIoctlCode(0x819);
constexpr DWORD IOCTL_DRAVIO_GET_DEVICE_LIST = DravioIoctlCode(0x820);
constexpr DWORD IOCTL_DRAVIO_SELECT_DEVICE = DravioIoctlCode(0x821);
constexpr DWORD IOCTL_DRAVIO_GET_INPUT_CHANNELS = DravioIoctlCode(0x824);
constexpr DWORD IOCTL_DRAVIO_GET_OUTPUT_CHANNELS = DravioIoctlCode(0x825);
constexpr DWORD IOCTL_DRAVIO_GET_CHANNEL_INFO = DravioIoctlCode(0x826);
constexpr DWORD IOCTL_DRAVIO_GET_SAMPLE_RATES = DravioIoctlCode(0x830);
constexpr DWORD IOCTL_DRAVIO_GET_BUFFER_SIZES = DravioIoctlCode(0x831);
constexpr DWORD IOCTL_DRAVIO_GET_STREAMING_STATE = DravioIoctlCode(0x834);
constexpr DWORD IOCTL_DRAVIO_GET_ERROR_COUNTERS = DravioIoctlCode(0x835);
constexpr DWORD IOCTL_DRAVIO_GET_POLICY = DravioIoctlCode(0x904);

// Server-only requests, accepted from the connection in the server role.
constexpr DWORD IOCTL_DRAVIO_STREAMING_COMMAND = DravioIoctlCode(0x840);
constexpr DWORD IOCTL_DRAVIO_SET_SAMPLE_RATE = DravioIoctlCode(0x900);
constexpr DWORD IOCTL_DRAVIO_SET_BUFFER_SIZES = DravioIoctlCode(0x901);
constexpr DWORD IOCTL_DRAVIO_ANNOUNCE_SAMPLE_RATE = DravioIoctlCode(0x902);
constexpr DWORD IOCTL_DRAVIO_SET_POLICY = DravioIoctlCode(0x903);
constexpr DWORD IOCTL_DRAVIO_SELECT_STREAMING_DEVICE = DravioIoctlCode(0x910);

// Device-level requests, on a connection bound to one device.
constexpr DWORD IOCTL_DRAVIO_GET_CHANNEL_FORMATS = DravioIoctlCode(0xb00);
constexpr DWORD IOCTL_DRAVIO_SETUP_VIRTUAL_INPUT = DravioIoctlCode(0xb08);
constexpr DWORD IOCTL_DRAVIO_SET_WDM_CHANNEL_NAMES = DravioIoctlCode(0xb10);
constexpr DWORD IOCTL_DRAVIO_SET_WDM_ENDPOINTS = DravioIoctlCode(0xb11);
constexpr DWORD IOCTL_DRAVIO_GET_SPDIF_STATUS = DravioIoctlCode(0xb20);
constexpr DWORD IOCTL_DRAVIO_SET_SPDIF_PASSTHROUGH = DravioIoctlCode(0xb21);
constexpr DWORD IOCTL_DRAVIO_GET_SPDIF_PASSTHROUGH = DravioIoctlCode(0xb22);
constexpr DWORD IOCTL_DRAVIO_GET_INPUT_LEVELS = DravioIoctlCode(0xb30);
constexpr DWORD IOCTL_DRAVIO_GET_OUTPUT_LEVELS = DravioIoctlCode(0xb31);
constexpr DWORD IOCTL_DRAVIO_GET_MIXER_PINS = DravioIoctlCode(0xb38);
constexpr DWORD IOCTL_DRAVIO_GET_OUTPUT_GAINS = DravioIoctlCode(0xb40);
constexpr DWORD IOCTL_DRAVIO_GET_MIXER_WEIGHTS = DravioIoctlCode(0xb41);
constexpr DWORD IOCTL_DRAVIO_SET_OUTPUT_GAINS = DravioIoctlCode(0xb44);
constexpr DWORD IOCTL_DRAVIO_SET_MIXER_WEIGHTS = DravioIoctlCode(0xb45);
constexpr DWORD IOCTL_DRAVIO_SET_BYPASS_VOLUME = DravioIoctlCode(0xb46);
constexpr DWORD IOCTL_DRAVIO_GET_BYPASS_VOLUME = DravioIoctlCode(0xb47);
constexpr DWORD IOCTL_DRAVIO_SET_BYPASS_MUTE = DravioIoctlCode(0xb48);
constexpr DWORD IOCTL_DRAVIO_GET_BYPASS_MUTE = DravioIoctlCode(0xb49);
constexpr DWORD IOCTL_DRAVIO_GET_ENDPOINT_LEVELS = DravioIoctlCode(0xb70);
constexpr DWORD IOCTL_DRAVIO_SET_ENDPOINT_LEVELS = DravioIoctlCode(0xb71);
constexpr DWORD IOCTL_DRAVIO_SET_EFFECT_PARAMS = DravioIoctlCode(0xb90);
constexpr DWORD IOCTL_DRAVIO_GET_EFFECT_PARAMS = DravioIoctlCode(0xb91);
constexpr DWORD IOCTL_DRAVIO_SET_SOUND_DEVICE_STATE = DravioIoctlCode(0xc20);
constexpr DWORD IOCTL_DRAVIO_SWITCH_SOUND_DEVICE = DravioIoctlCode(0xc22);

static_assert(IOCTL_DRAVIO_GET_POLICY == 0x80882410u);
static_assert(IOCTL_DRAVIO_SET_EFFECT_PARAMS == 0x80882E40u);
static_assert(IOCTL_DRAVIO_SWITCH_SOUND_DEVICE == 0x80883088u);
