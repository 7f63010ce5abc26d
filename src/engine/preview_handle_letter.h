// The letter that names a member path of the current piece by its index.
#pragma once

#include <cstdint>

// A to Z for 0..25, a to z for 26..51, a hyphen for any other index.
char HandleIndexToLetter(int32_t index);
