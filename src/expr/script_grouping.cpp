#include <cstring>
#include <string>

#include "expr/script_internal.h"

namespace {

constexpr size_t kNone = std::string::npos;

// Where the ')' of a product that starts at from goes: before the next
// operator at its own level outside quoted texts, else at the end.
size_t ProductEnd(const std::string& text, size_t from) {
  int depth = 0;
  bool inString = false;
  size_t i = from;
  while (i < text.size()) {
    int step = ScriptCharLength(text.c_str() + i);
    char c = text[i];
    if (step == 1) {
      if (c == '"') {
        inString = !inString;
      } else if (!inString) {
        if (c == '(')
          ++depth;
        else if (c == ')')
          --depth;
        else if (depth == 0 && std::strchr("+-><=&|", c) != nullptr)
          return i;
      }
    }
    i += step;
  }
  return text.size();
}

}  // namespace

// '*' and '/' bind tighter only than a '+' or '-' in front of them: the first
// product after such an operator is put in parentheses, and the scan repeats
// until nothing changes. The text before an insertion is unchanged, so a scan
// resumes there.
void GroupScriptProducts(std::string* text) {
  size_t resume = 0;
  size_t lastSign = kNone;
  for (;;) {
    int depth = 0;
    bool inString = false;
    bool inserted = false;
    size_t i = resume;
    while (i < text->size()) {
      int step = ScriptCharLength(text->c_str() + i);
      char c = (*text)[i];
      if (step == 1) {
        if (c == '"') {
          inString = !inString;
        } else if (!inString) {
          if (c == '(') {
            ++depth;
          } else if (c == ')') {
            --depth;
          } else if (depth == 0 && (c == '+' || c == '-')) {
            lastSign = i + 1;
          } else if (depth == 0 && (c == '*' || c == '/') && lastSign != kNone) {
            text->insert(ProductEnd(*text, i + 1), 1, ')');
            text->insert(lastSign, 1, '(');
            resume = lastSign;
            inserted = true;
            break;
          }
        }
      }
      i += step;
    }
    if (!inserted) return;
  }
}
