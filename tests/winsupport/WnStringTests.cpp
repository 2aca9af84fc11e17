#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WnString.h"

namespace {

struct CopyCase {
    const wchar_t* source;
    size_t count;
    const wchar_t* expected;
    size_t result;
};

DWORD FormatThroughList(wchar_t* destination, size_t count, const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const DWORD result = WnStrFormatV(destination, count, format, arguments);
    va_end(arguments);
    return result;
}

} // namespace

TEST(WnStrCopy, CopiesWithinTheCountAndAlwaysTerminates)
{
    const CopyCase cases[] = {
        {L"abc", 1, L"", 0},
        {L"abc", 3, L"ab", 2},
        {L"abc", 4, L"abc", 3},
        {L"abc", 10, L"abc", 3},
        {L"", 5, L"", 0},
    };
    for (const CopyCase& c : cases) {
        wchar_t buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), L'#');
        EXPECT_EQ(c.result, WnStrCopy(buffer, c.source, c.count)) << c.source << " into " << c.count;
        EXPECT_STREQ(c.expected, buffer);
        // Nothing is written past the count.
        EXPECT_EQ(L'#', buffer[c.count]);
    }
}

TEST(WnStrCopy, CountZeroWritesNothing)
{
    wchar_t buffer[2] = {L'#', L'#'};
    EXPECT_EQ(0u, WnStrCopy(buffer, L"abc", 0));
    EXPECT_EQ(L'#', buffer[0]);
}

TEST(WnStrAppend, AppendsWithinTheCount)
{
    wchar_t buffer[8] = L"abc";
    EXPECT_EQ(5u, WnStrAppend(buffer, L"de", 8));
    EXPECT_STREQ(L"abcde", buffer);
    EXPECT_EQ(7u, WnStrAppend(buffer, L"fghij", 8));
    EXPECT_STREQ(L"abcdefg", buffer);
    EXPECT_EQ(7u, WnStrAppend(buffer, L"x", 8));
    EXPECT_STREQ(L"abcdefg", buffer);
}

TEST(WnStrAppend, DestinationWithoutTerminatorIsCutInsideTheCount)
{
    wchar_t buffer[4] = {L'a', L'b', L'c', L'd'};
    EXPECT_EQ(3u, WnStrAppend(buffer, L"xyz", 4));
    EXPECT_EQ(L'\0', buffer[3]);
    EXPECT_STREQ(L"abc", buffer);
}

TEST(WnStrFormat, ResultsForFittingTruncatedAndInvalidCalls)
{
    wchar_t buffer[8];
    EXPECT_EQ(0u, WnStrFormat(buffer, 8, L"%u-%u", 12u, 34u));
    EXPECT_STREQ(L"12-34", buffer);

    // Exactly count - 1 characters still fit.
    EXPECT_EQ(0u, WnStrFormat(buffer, 8, L"%s", L"1234567"));
    EXPECT_STREQ(L"1234567", buffer);

    // One character too many: truncated to count - 1.
    EXPECT_EQ(static_cast<DWORD>(ERROR_BUFFER_OVERFLOW), WnStrFormat(buffer, 8, L"%s", L"12345678"));
    EXPECT_STREQ(L"1234567", buffer);

    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), WnStrFormat(buffer, 0, L"%u", 1u));

    EXPECT_EQ(static_cast<DWORD>(ERROR_BUFFER_OVERFLOW), WnStrFormat(buffer, 1, L"x"));
    EXPECT_STREQ(L"", buffer);
}

TEST(WnStrFormat, WideAndNarrowStringConversions)
{
    wchar_t buffer[64];
    EXPECT_EQ(0u, WnStrFormat(buffer, 64, L"%s (Status=%hs).", L"Changing failed", "DRAVIO_STATUS_TIMEOUT"));
    EXPECT_STREQ(L"Changing failed (Status=DRAVIO_STATUS_TIMEOUT).", buffer);
    EXPECT_EQ(0u, WnStrFormat(buffer, 64, L"\\\\.\\%s", L"{A7D7FE57}"));
    EXPECT_STREQ(L"\\\\.\\{A7D7FE57}", buffer);
    EXPECT_EQ(0u, WnStrFormat(buffer, 64, L"%u.%03u kHz", 44100u / 1000, 44100u % 1000));
    EXPECT_STREQ(L"44.100 kHz", buffer);
}

TEST(WnStrFormat, PreparedArgumentListVariant)
{
    wchar_t buffer[6];
    EXPECT_EQ(0u, FormatThroughList(buffer, 6, L"%d:%s", -7, L"ab"));
    EXPECT_STREQ(L"-7:ab", buffer);
    EXPECT_EQ(static_cast<DWORD>(ERROR_BUFFER_OVERFLOW), FormatThroughList(buffer, 6, L"%d:%s", -7, L"abc"));
    EXPECT_STREQ(L"-7:ab", buffer);
}
