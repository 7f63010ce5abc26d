// Text files as a person's editor may save them. A file that starts with a
// byte-order mark holds UTF-16 (either byte order) or UTF-8 and is converted to
// the Shift-JIS the module holds text in; any other file is Shift-JIS already.
#pragma once

#include <cstdint>

// The converted text in a new NUL-terminated buffer (free with std::free) and
// its length, or null when the bytes carry no mark and need no conversion. A
// character with no Shift-JIS form, or a broken one, is replaced by a NUL
// byte, so that its line is counted as a line not understood.
char* DecodeTextFile(const char* bytes, uint32_t count, uint32_t* length);
