// The characters of a document file, as XML reads them: UTF-8, UTF-16 with or
// without a byte-order mark, or the encoding its declaration names.
#pragma once

#include <string>

// The file's bytes as UTF-8, without a byte-order mark. False, with the line (from 1) and what
// is wrong, for bytes that are not characters of the file's encoding, an encoding that is not
// known, and characters that XML does not allow (control characters, also when written as a
// reference such as "&#1;").
bool DocumentTextAsUtf8(const std::string& bytes, std::string* text, size_t* line, std::string* why);
