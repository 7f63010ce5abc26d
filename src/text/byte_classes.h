// Byte classes that every text walk uses, so that no character is split.
#pragma once

#include "text/shift_jis_chars.h"

// Continuation bytes after a UTF-8 lead byte: 0 to 3, and 4 or 5 for the old long forms.
int Utf8TrailingBytes(unsigned char byte);

// Bytes of the character at text (1 to 6), never counting past a NUL.
int Utf8CharLength(const char* text);
