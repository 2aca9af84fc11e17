#include "WnString.h"

#include <cwchar>
#include <cstdio>

size_t WnStrCopy(wchar_t* destination, const wchar_t* source, size_t count)
{
    if (count == 0)
        return 0;
    size_t copied = 0;
    while (copied + 1 < count && source[copied] != L'\0') {
        destination[copied] = source[copied];
        ++copied;
    }
    destination[copied] = L'\0';
    return copied;
}

size_t WnStrAppend(wchar_t* destination, const wchar_t* source, size_t count)
{
    if (count == 0)
        return 0;
    // A destination without a terminator inside its count is cut at the last place.
    size_t length = wcsnlen(destination, count);
    if (length >= count)
        length = count - 1;
    return length + WnStrCopy(destination + length, source, count - length);
}

DWORD WnStrFormatV(wchar_t* destination, size_t count, const wchar_t* format, va_list arguments)
{
    if (destination == nullptr || count == 0 || format == nullptr)
        return ERROR_INVALID_PARAMETER;
    va_list measureArguments;
    va_copy(measureArguments, arguments);
    const int needed = _vscwprintf(format, measureArguments);
    va_end(measureArguments);
    if (needed < 0) {
        destination[0] = L'\0';
        return ERROR_INVALID_PARAMETER;
    }
    // Writes at most count - 1 characters; the terminator goes in the last place.
    _vsnwprintf(destination, count - 1, format, arguments);
    const size_t length = static_cast<size_t>(needed) < count ? static_cast<size_t>(needed) : count - 1;
    destination[length] = L'\0';
    return static_cast<size_t>(needed) < count ? ERROR_SUCCESS : ERROR_BUFFER_OVERFLOW;
}

DWORD WnStrFormat(wchar_t* destination, size_t count, const wchar_t* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const DWORD result = WnStrFormatV(destination, count, format, arguments);
    va_end(arguments);
    return result;
}
