#pragma once

#include <cstddef>
#include <cstdint>

// The interface version this system speaks; the minor version is shown, never compared.
constexpr uint32_t DRAVIO_INTERFACE_VERSION_MAJOR = 2;

// Bit of DRAVIO_VERSION_INFO::Flags: the driver is a debug build.
constexpr uint32_t DRAVIO_VERSION_FLAG_DEBUG = 0x1;

#pragma pack(push, 1)
// Answer of IOCTL_DRAVIO_GET_VERSION.
struct DRAVIO_VERSION_INFO {
    uint32_t InterfaceMajor;
    uint32_t InterfaceMinor;
    uint32_t DriverMajor;
    uint32_t DriverMinor;
    uint32_t DriverBuild;
    uint32_t Flags;
};
#pragma pack(pop)

static_assert(sizeof(DRAVIO_VERSION_INFO) == 24);
static_assert(offsetof(DRAVIO_VERSION_INFO, InterfaceMinor) == 4);
static_assert(offsetof(DRAVIO_VERSION_INFO, DriverMajor) == 8);
static_assert(offsetof(DRAVIO_VERSION_INFO, DriverBuild) == 16);
static_assert(offsetof(DRAVIO_VERSION_INFO, Flags) == 20);
