#pragma once

#include <cstdarg>
#include <cstddef>
#include <windows.h>

// Bounded helpers for zero-terminated wide strings. Counts are in characters and
// include the terminator; the destination is always terminated.

// Copies at most count - 1 characters, stopping at the source's terminator.
// Returns the number of characters copied. A count of 0 writes nothing.
size_t WnStrCopy(wchar_t* destination, const wchar_t* source, size_t count);

// Appends behind the destination's text so that the whole stays within count - 1
// characters. Returns the new length.
size_t WnStrAppend(wchar_t* destination, const wchar_t* source, size_t count);

// Formats with truncation, in the C runtime's wide conventions (%s is wide text,
// %hs narrow text). Returns 0 when the text fitted, ERROR_INVALID_PARAMETER (87)
// for a count of 0 or arguments the formatter rejects, ERROR_BUFFER_OVERFLOW (111)
// when the text was truncated to count - 1 characters.
DWORD WnStrFormat(wchar_t* destination, size_t count, const wchar_t* format, ...);
DWORD WnStrFormatV(wchar_t* destination, size_t count, const wchar_t* format, va_list arguments);
