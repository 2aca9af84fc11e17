#include "DravioWin32DeviceIo.h"

// Linked into the shipped programs: they reach the driver only through Win32.
DravioDeviceIo& DravioDefaultDeviceIo()
{
    return DravioWin32DeviceIo::Instance();
}
