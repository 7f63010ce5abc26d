#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "expr/script.h"
#include "expr/script_internal.h"

namespace {

constexpr size_t kMaxLocalNameBytes = 79;

enum class BlockEnd { Closed, Unclosed, TooLong };

struct Block {
  std::string text;
  BlockEnd end = BlockEnd::Unclosed;
  size_t stop = 0;  // index at which the collection stopped
  size_t next = 0;  // where the walk goes on
};

bool AtCommentMarker(const char* p) {
  return std::strncmp(p, "-->", 3) == 0 || std::strncmp(p, "<--", 3) == 0 || std::strncmp(p, "<!--", 4) == 0;
}

// Index after the '}' that closes the block whose collection stopped at i.
size_t SkipBlockRest(const char* text, size_t i, int depth, bool inString) {
  while (text[i] != '\0') {
    int step = ScriptCharLength(text + i);
    char c = text[i];
    i += step;
    if (step != 1) continue;
    if (c == '"')
      inString = !inString;
    else if (!inString && c == '{')
      ++depth;
    else if (!inString && c == '}' && --depth == 0)
      break;
  }
  return i;
}

// The block whose '{' is at text[open]: blanks and controls outside quoted
// texts dropped, at most kScriptWorkBytes kept.
Block CollectBlock(const char* text, size_t open) {
  Block block;
  int depth = 1;
  bool inString = false;
  size_t i = open + 1;
  while (text[i] != '\0' && !AtCommentMarker(text + i)) {
    int step = ScriptCharLength(text + i);
    char c = text[i];
    if (step == 1 && c == '"') {
      inString = !inString;
    } else if (step == 1 && !inString) {
      if (c == '{') ++depth;
      if (c == '}' && --depth == 0) {
        block.end = BlockEnd::Closed;
        block.stop = i;
        block.next = i + 1;
        return block;
      }
      if (static_cast<unsigned char>(c) <= 33) {
        ++i;
        continue;
      }
    }
    block.text.append(text + i, step);
    i += step;
    if (block.text.size() >= kScriptWorkBytes) {
      block.end = BlockEnd::TooLong;
      block.stop = i;
      block.next = SkipBlockRest(text, i, depth, inString);
      return block;
    }
  }
  block.stop = i;
  block.next = i;
  return block;
}

// token is null for the formats that name none.
void ShowBlockMessage(const char* format, const char* token, const Block& block, size_t textLength) {
  std::string excerpt = ScriptSourceExcerpt(block.text.c_str(), block.text.size());
  std::string message(std::strlen(format) + (token != nullptr ? std::strlen(token) : 0) + excerpt.size() + 64,
                      '\0');
  int stop = static_cast<int>(block.stop);
  int end = static_cast<int>(block.stop + block.text.size());
  if (token != nullptr) {
    std::snprintf(message.data(), message.size(), format, token, stop, end, static_cast<int>(textLength),
                  excerpt.c_str());
  } else {
    std::snprintf(message.data(), message.size(), format, stop, end, static_cast<int>(textLength),
                  excerpt.c_str());
  }
  ShowScriptMessage(message.c_str());
}

// Evaluates one block; its value is appended to output unless it assigns a local variable.
void RunBlock(const Block& block, size_t textLength, char** output) {
  const char* body = block.text.c_str();
  size_t name = ScriptTokenLength(body, true);
  char value[kScriptValueSize];
  if (name > 0 && name <= kMaxLocalNameBytes && body[name] == ',' && !IsScriptPlainNumber(body, name)) {
    RunScript(body + name + 1, value, 0);
    SetLocalVariable(std::string(body, name).c_str(), value);
  } else {
    RunScript(body, value, 0);
    AppendToGrowingString(output, std::strlen(value), value);
  }
  ScriptErrorState& state = gPlugin->scriptError;
  if (state.code == kScriptCommandNotFound || state.code == kScriptUndefinedVariable) {
    const char* format = state.code == kScriptCommandNotFound
                             ? "Script Error!\ncommand not found(%s) [%d - %d / %d]\n%s\n"
                             : "Script Error!\nundefined variable(%s) [%d - %d / %d]\n%s\n";
    ShowBlockMessage(format, state.token, block, textLength);
    state.code = kScriptOk;
    state.token[0] = '\0';
  }
}

}  // namespace

// The expanded text, on the heap; the caller frees it.
char* ExpandTemplateText(const char* text) {
  char* output = nullptr;
  if (AppendToGrowingString(&output, 0, "") == 0) return nullptr;
  size_t length = std::strlen(text);
  size_t i = 0;
  while (text[i] != '\0') {
    int step = ScriptCharLength(text + i);
    char c = text[i];
    if (step == 2) {
      AppendToGrowingString(&output, 2, text + i);
    } else if (c == '\\' && (text[i + 1] == '{' || text[i + 1] == '\\')) {
      AppendToGrowingString(&output, 1, text + i + 1);
      step = 2;
    } else if (c == '{') {
      Block block = CollectBlock(text, i);
      if (block.end == BlockEnd::Unclosed) {
        ShowBlockMessage("Script Error!\nunclosed/unmatched parentheses [%d - %d / %d]\n%s\n", nullptr, block,
                         length);
      } else if (block.end == BlockEnd::TooLong) {
        ShowBlockMessage("Script Error!\ntoo many characters [%d - %d / %d]\n%s\n", nullptr, block, length);
      } else if (block.text.find("elif") != std::string::npos ||
                 block.text.find("ELIF") != std::string::npos) {
        ShowBlockMessage("Script Error!\ncommand not found(ELIF) [%d - %d / %d]\n%s\n", nullptr, block,
                         length);
      } else {
        RunBlock(block, length, &output);
      }
      i = block.next;
      continue;
    } else if (c != '\n') {
      AppendToGrowingString(&output, 1, text + i);
    }
    i += step;
  }
  return output;
}

void RunTemplateScript(const char* text) {
  if (text == nullptr || gPlugin == nullptr) return;
  std::free(ExpandTemplateText(text));
}

int32_t AppendToGrowingString(char** string, size_t count, const char* bytes) {
  if (string == nullptr) return 0;
  size_t old = *string != nullptr ? std::strlen(*string) : 0;
  char* grown = static_cast<char*>(std::realloc(*string, old + count + 1));
  if (grown == nullptr) return 0;
  if (count != 0) std::memcpy(grown + old, bytes, count);
  grown[old + count] = '\0';
  *string = grown;
  return 1;
}
