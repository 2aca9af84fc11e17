#pragma once

#include <cstddef>
#include <cwchar>

// A string inside a fixed field of a driver record: its length stops at the
// terminator or at the end of the field, whichever comes first.
inline size_t DravioFieldLength(const wchar_t* field, size_t fieldChars)
{
    return wcsnlen(field, fieldChars);
}

template <size_t N>
size_t DravioFieldLength(const wchar_t (&field)[N])
{
    return wcsnlen(field, N);
}

// Copies a field's string into a buffer of count characters, always terminated.
template <size_t N>
size_t DravioFieldCopy(wchar_t* destination, size_t count, const wchar_t (&field)[N])
{
    if (count == 0)
        return 0;
    size_t length = wcsnlen(field, N);
    if (length > count - 1)
        length = count - 1;
    wmemcpy(destination, field, length);
    destination[length] = L'\0';
    return length;
}

// Two fields compare equal when their strings, each read within its field, are
// identical (exact, case-sensitive).
template <size_t N>
bool DravioFieldEqual(const wchar_t (&a)[N], const wchar_t (&b)[N])
{
    const size_t length = wcsnlen(a, N);
    return length == wcsnlen(b, N) && wmemcmp(a, b, length) == 0;
}
