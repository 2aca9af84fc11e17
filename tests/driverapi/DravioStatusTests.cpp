#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DravioStatus.h"

TEST(DravioStatusName, NamesTheCodesOfTheTable)
{
    const struct {
        DRAVIO_STATUS code;
        const char* name;
    } cases[] = {
        {0x00000000u, "DRAVIO_STATUS_SUCCESS"},
        {0xE0000001u, "DRAVIO_STATUS_FAILED"},
        {0xE0000009u, "DRAVIO_STATUS_NO_FIRMWARE"},
        {0xE0000013u, "DRAVIO_STATUS_NOT_OPENED"},
        {0xE0000018u, "DRAVIO_STATUS_NOT_IN_HIGH_SPEED_MODE"},
        {0xE0000044u, "DRAVIO_STATUS_CHANNEL_CONFIG_CHANGED"},
        {0xE0000090u, "DRAVIO_STATUS_SOUND_DEVICE_IN_USE"},
        {0xE0000100u, "DRAVIO_STATUS_PENDING"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.name, DravioStatusName(c.code)) << std::hex << c.code;
}

TEST(DravioStatusName, EveryCodeNamesAsItselfAndNamesAreUnique)
{
    std::set<std::string> names;
    std::set<DRAVIO_STATUS> values;
#define CHECK_STATUS(name, value)                                                                                      \
    EXPECT_STREQ(#name, DravioStatusName(value));                                                                      \
    names.insert(#name);                                                                                               \
    values.insert(value);
    DRAVIO_STATUS_TABLE(CHECK_STATUS)
#undef CHECK_STATUS
    EXPECT_EQ(58u, names.size());
    EXPECT_EQ(58u, values.size());
}

TEST(DravioStatusName, ValuesOutsideTheTableNameAsQuestionMarks)
{
    const DRAVIO_STATUS unknown[] = {
        0xE000000Au, // gap after NO_FIRMWARE
        0xE0000019u, // gap after NOT_IN_HIGH_SPEED_MODE
        0xE0000045u, // gap after CHANNEL_CONFIG_CHANGED
        0xE0000101u, // above PENDING
        2u,          // Windows errors pass through unnamed
        5u,
        997u,
        0x00000013u, // low bits of NOT_OPENED without the leading E
        0x60000013u, // other top bits
        0xF0000013u,
        0xFFFFFFFFu,
    };
    for (DRAVIO_STATUS code : unknown)
        EXPECT_STREQ("???", DravioStatusName(code)) << std::hex << code;
}
