#include "DravioStatus.h"

namespace {

struct StatusName {
    DRAVIO_STATUS value;
    const char* name;
};

#define DRAVIO_STATUS_ENTRY(name, value) {value, #name},
constexpr StatusName statusNames[] = {DRAVIO_STATUS_TABLE(DRAVIO_STATUS_ENTRY)};
#undef DRAVIO_STATUS_ENTRY

static_assert(sizeof(statusNames) / sizeof(statusNames[0]) == 58, "57 error codes and the success code");

} // namespace

const char* DravioStatusName(DRAVIO_STATUS status)
{
    // Exact equality only: the top bits are part of the code, so no masking.
    for (const StatusName& entry : statusNames) {
        if (entry.value == status)
            return entry.name;
    }
    return "???";
}
