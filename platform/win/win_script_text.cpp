// Script steps read from text, so that sessions script dialogs the way tests do.
#include <cstdlib>
#include <sstream>

#include "win_internal.h"
#include "win_paths.h"

namespace {

using namespace vmwin;

// Splits a line into words; a double-quoted word keeps its blanks.
bool Words(const std::string& line, std::vector<std::string>& out) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          word += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
          break;
        } else {
          word += line[i++];
        }
      }
      if (!closed) return false;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
    }
    out.push_back(word);
  }
  return true;
}

bool Number(const std::string& word, int* out) {
  char* end = nullptr;
  const long value = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != 0 || value < -2147483647L || value > 2147483647L) return false;
  *out = static_cast<int>(value);
  return true;
}

int Answer(const std::string& word) {
  static const std::pair<const char*, int> answers[] = {
      {"ok", IDOK},       {"cancel", IDCANCEL}, {"yes", IDYES},      {"no", IDNO},
      {"abort", IDABORT}, {"retry", IDRETRY},   {"ignore", IDIGNORE}};
  for (const auto& [name, value] : answers)
    if (UpperAscii(word) == UpperAscii(name)) return value;
  int value = 0;
  return Number(word, &value) ? value : 0;
}

}  // namespace

namespace vmwin {

bool SplitScriptWords(const std::string& line, std::vector<std::string>* words) {
  words->clear();
  return Words(line, *words);
}

bool ScriptFromText(const std::string& text, std::string* error, int tag) {
  std::istringstream lines(text);
  std::string line;
  int lineNumber = 0;
  bool inDialog = false;
  std::vector<int> dialogIds;
  std::vector<UserAction> actions;
  auto flush = [&] {
    if (inDialog) ScriptDialogOf(std::move(dialogIds), std::move(actions), tag);
    actions.clear();
    inDialog = false;
  };
  auto fail = [&](const std::string& why) {
    flush();
    if (error != nullptr) *error = "line " + std::to_string(lineNumber) + ": " + why;
    return false;
  };
  while (std::getline(lines, line)) {
    ++lineNumber;
    std::vector<std::string> w;
    if (!Words(line, w)) return fail("unclosed quote");
    if (w.empty() || w[0][0] == '#') continue;
    const std::string verb = w[0];
    int a = 0, b = 0, c = 0;
    const size_t n = w.size();
    auto numbers = [&](size_t count) {
      return n == count + 1 && (count < 1 || Number(w[1], &a)) && (count < 2 || Number(w[2], &b)) &&
             (count < 3 || Number(w[3], &c));
    };
    auto textAfterControl = [&] { return n == 3 && Number(w[1], &a); };
    auto needDialog = [&] { return inDialog ? true : (fail("\"" + verb + "\" outside a dialog"), false); };
    if (verb == "dialog") {
      std::vector<int> ids;
      bool any = n < 2;
      for (size_t i = 1; i < n; ++i) {
        if (!Number(w[i], &a)) return fail("dialog needs a template id");
        any = any || a == 0;
        ids.push_back(a);
      }
      if (n < 2) return fail("dialog needs a template id");
      if (any) ids.clear();
      flush();
      inDialog = true;
      dialogIds = std::move(ids);
    } else if (verb == "message-box") {
      if (n != 2 || Answer(w[1]) == 0) return fail("message-box needs an answer");
      flush();
      ScriptMessageBox(Answer(w[1]), tag);
    } else if (verb == "open-file") {
      if (n != 2) return fail("open-file needs a path or cancel");
      flush();
      ScriptOpenFile(w[1] == "cancel" ? std::string() : Cp932FromUtf8(w[1]), tag);
    } else if (verb == "set" || verb == "replace" || verb == "pick-text") {
      if (!textAfterControl()) return fail(verb + " needs a control and a text");
      if (!needDialog()) return false;
      const std::string t = Cp932FromUtf8(w[2]);
      actions.push_back(verb == "set"       ? SetText(a, t)
                        : verb == "replace" ? ReplaceSelection(a, t)
                                            : PickItemText(a, t));
    } else if (verb == "click" || verb == "focus") {
      if (!numbers(1)) return fail(verb + " needs a control");
      if (!needDialog()) return false;
      actions.push_back(verb == "click" ? Click(a) : Focus(a));
    } else if (verb == "check" || verb == "pick" || verb == "double-click") {
      if (!numbers(2)) return fail(verb + " needs a control and a number");
      if (!needDialog()) return false;
      actions.push_back(verb == "check"  ? Check(a, b)
                        : verb == "pick" ? PickItem(a, b)
                                         : DoubleClickItem(a, b));
    } else if (verb == "select" || verb == "click-at" || verb == "drag") {
      if (!numbers(3)) return fail(verb + " needs a control and two numbers");
      if (!needDialog()) return false;
      actions.push_back(verb == "select"     ? SelectText(a, b, c)
                        : verb == "click-at" ? ClickItemAt(a, b, c)
                                             : DragItem(a, b, c));
    } else if (verb == "enter" || verb == "escape") {
      if (n != 1) return fail(verb + " takes nothing");
      if (!needDialog()) return false;
      actions.push_back(verb == "enter" ? PressEnter() : PressEscape());
    } else {
      return fail("unknown step \"" + verb + "\"");
    }
  }
  flush();
  return true;
}

}  // namespace vmwin
