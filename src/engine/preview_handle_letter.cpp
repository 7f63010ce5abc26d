#include "engine/preview_handle_letter.h"

char HandleIndexToLetter(int32_t index) {
  if (index >= 0 && index < 26)
    return static_cast<char>('A' + index);
  if (index >= 26 && index < 52)
    return static_cast<char>('a' + index - 26);
  return '-';
}
