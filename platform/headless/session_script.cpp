#include "session_script.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "host_types.h"
#include "module_dialogs.h"
#include "win/win_driver.h"

namespace headless {

namespace {

constexpr double kPointsPerMillimetre = 2.834645669291339;

struct Failure {
  std::string why;
};

[[noreturn]] void Fail(std::string why) { throw Failure{std::move(why)}; }

bool ParseDouble(const std::string& word, double* out) {
  char* end = nullptr;
  const double v = std::strtod(word.c_str(), &end);
  if (word.empty() || end == word.c_str() || *end != 0 || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

// A document coordinate in points; "12.5mm" is in millimetres.
double Coordinate(const std::string& word) {
  double v = 0;
  const bool mm = word.size() > 2 && word.compare(word.size() - 2, 2, "mm") == 0;
  if (!ParseDouble(mm ? word.substr(0, word.size() - 2) : word, &v) || std::fabs(v) > 1e7)
    Fail("\"" + word + "\" is not a coordinate (points, or millimetres with \"mm\")");
  return mm ? v * kPointsPerMillimetre : v;
}

int WholeNumber(const std::string& word, const char* what, int low, int high) {
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != 0 || v < low || v > high)
    Fail(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
         std::to_string(high) + ", not \"" + word + "\"");
  return static_cast<int>(v);
}

std::string Join(const std::vector<std::string>& words, size_t from) {
  std::string out;
  for (size_t i = from; i < words.size(); ++i) out += (out.empty() ? "" : " ") + words[i];
  return out;
}

std::string Quoted(const std::string& word) {
  std::string out = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

uint32_t Modifiers(const std::vector<std::string>& words, size_t from, bool down) {
  uint32_t bits = 0;
  for (size_t i = from; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w == "shift") {
      bits |= kModShift;
    } else if (w == "alt") {
      bits |= kModOption;
    } else if (w == "ctrl") {
      bits |= kModCommand;
    } else if (w == "double" && down) {
      bits |= kModDoubleClick;
    } else if (w == "double") {
      Fail("only a mouse-down can be a double-click");
    } else {
      Fail("\"" + w + "\" is not a key (shift, alt, ctrl" + std::string(down ? ", double)" : ")"));
    }
  }
  return bits;
}

// A failure whose line is not the one being read.
struct Located {
  int line;
  std::string why;
};

// Checks answers for dialogs with the win layer's own reader; `first` is the block's first line.
void CheckAnswers(const std::string& script, int first) {
  std::string why;
  const bool ok = vmwin::ScriptFromText(script, &why);
  vmwin::ClearScript();
  if (ok) return;
  // The reader says "line K: reason", K counted within the block.
  int k = std::atoi(why.c_str() + (why.rfind("line ", 0) == 0 ? 5 : 0));
  const size_t colon = why.find(": ");
  throw Located{first + (k > 0 ? k - 1 : 0), colon == std::string::npos ? why : why.substr(colon + 2)};
}

bool IsDialogAction(const std::string& verb) {
  for (const char* a : {"set", "replace", "click", "check", "pick", "pick-text", "double-click", "click-at",
                        "focus", "enter", "escape"})
    if (verb == a) return true;
  return false;
}

class Reader {
 public:
  explicit Reader(Session* session) : session_(session) {}

  void Take(int line, const std::string& source, std::vector<std::string> w) {
    const std::string verb = w[0];
    const size_t n = w.size();
    if (block_) {
      if (verb == "end") {
        if (n != 1) Fail("\"end\" takes nothing");
        CloseBlock();
        return;
      }
      if (!IsDialogAction(verb) && verb != "select" && verb != "drag")
        Fail("\"" + verb + "\" does not answer a dialog: the dialog from line " + std::to_string(blockStep_.line) +
             " needs its \"end\" first");
      if (n >= 2 && verb != "enter" && verb != "escape" && !IsIdWord(w[1])) w[1] = NamedControl(blockIds_, w[1]);
      blockStep_.script += ScriptLine(w);
      return;
    }
    if (verb == "language" || verb == "documents" || verb == "px-per-inch") {
      if (!session_->steps.empty()) Fail("\"" + verb + "\" is a start-up option and comes before every step");
      if (n != 2) Fail(verb + " needs one word");
      if (verb == "documents") {
        session_->documents = w[1];
        return;
      }
      if (verb == "px-per-inch") {
        if (w[1] != "96" && w[1] != "72") Fail("px-per-inch is 96 or 72, not \"" + w[1] + "\"");
        session_->pixelsPerInch = std::stod(w[1]);
        return;
      }
      const char* names[] = {"japanese", "english", "korean"};
      for (int i = 0; i < 3; ++i) {
        if (w[1] != names[i]) continue;
        session_->language = i;
        return;
      }
      Fail("the language is japanese, english or korean, not \"" + w[1] + "\"");
    }
    Step s;
    s.line = line;
    s.source = source;
    s.words.assign(w.begin() + 1, w.end());
    if (verb == "select" || verb == "deselect") {
      if (verb == "select" && n < 2) Fail("select needs the ids of the arts");
      s.kind = verb == "select" ? StepKind::Select : StepKind::Deselect;
    } else if (verb == "tool") {
      if (n < 2) Fail("tool needs a title");
      s.kind = StepKind::Tool;
      s.words = {Join(w, 1)};
    } else if (verb == "tool-options" || verb == "undo" || verb == "redo") {
      if (n != 1) Fail(verb + " takes nothing");
      s.kind = verb == "undo" ? StepKind::Undo : verb == "redo" ? StepKind::Redo : StepKind::ToolOptions;
    } else if (verb == "track" || verb == "down" || verb == "drag" || verb == "up") {
      if (n < 3) Fail(verb + " needs x and y");
      s.kind = verb == "track"  ? StepKind::Track
               : verb == "down" ? StepKind::Down
               : verb == "drag" ? StepKind::Drag
                                : StepKind::Up;
      s.x = Coordinate(w[1]);
      s.y = Coordinate(w[2]);
      s.modifiers = Modifiers(w, 3, verb == "down");
    } else if (verb == "tick") {
      if (n > 2) Fail("tick takes at most a count");
      s.kind = StepKind::Tick;
      s.number = n == 2 ? WholeNumber(w[1], "the count", 1, 100000) : 1;
    } else if (verb == "zoom") {
      if (n != 2 || !ParseDouble(w[1], &s.number) || !(s.number >= 0.03125 && s.number <= 64))
        Fail("zoom needs a factor from 0.03125 to 64");
      s.kind = StepKind::Zoom;
    } else if (verb == "menu") {
      if (n < 2) Fail("menu needs the item's text");
      s.kind = StepKind::Menu;
      s.words = {Join(w, 1)};
    } else if (verb == "flyout") {
      if (n < 3) Fail("flyout needs a panel and an item");
      s.kind = StepKind::Flyout;
      // "text WORD" or "number N" names an item one way only, where a word fits two items.
      const bool oneWay = n > 3 && (w[2] == "text" || w[2] == "number");
      s.words = {w[1], Join(w, oneWay ? 3 : 2), oneWay ? w[2] : ""};
    } else if (verb == "panel") {
      s.kind = StepKind::Panel;
      const bool click = n == 4 && w[2] == "click";
      const bool row = n == 5 && (w[2] == "pick" || w[2] == "double-click");
      if (!click && !row)
        Fail("panel needs: <panel> click <control>, or <panel> pick|double-click <control> <row>");
      const std::string control = IsIdWord(w[3]) ? w[3] : NamedPanelControl(w[1], w[3]);
      s.words[2] = std::to_string(WholeNumber(control, "the control", 1, 65535));
      if (row) WholeNumber(w[4], "the row", 0, 1000000);
    } else if (verb == "dialog") {
      if (n != 2) Fail("dialog needs one template id or title");
      s.kind = StepKind::Answers;
      std::string why;
      if (!DialogIdsNamed(w[1], &blockIds_, &why)) Fail(why);
      s.script = "dialog";
      for (int id : blockIds_) s.script += " " + std::to_string(id);
      s.script += blockIds_.empty() ? " 0\n" : "\n";
      blockStep_ = s;
      block_ = true;
      return;
    } else if (verb == "message-box" || verb == "open-file") {
      s.kind = StepKind::Answers;
      s.script = ScriptLine(w);
      Answers(s);
    } else if (verb == "alert") {
      s.kind = StepKind::Alert;
      if (n != 2 || (w[1] != "ok" && w[1] != "yes" && w[1] != "cancel" && w[1] != "no"))
        Fail("alert needs ok, yes, cancel or no");
      s.number = w[1] == "ok" || w[1] == "yes" ? 1 : 0;
    } else if (verb == "put-file" || verb == "save") {
      if (n > 2 || (verb == "put-file" && n != 2))
        Fail(verb + (verb == "save" ? " takes at most a path" : " needs a path or cancel"));
      s.kind = verb == "save" ? StepKind::Save : StepKind::PutFile;
    } else if (verb == "end") {
      Fail("\"end\" without a dialog");
    } else if (IsDialogAction(verb)) {
      Fail("\"" + verb + "\" answers a dialog: it goes between \"dialog ID\" and \"end\"");
    } else {
      Fail("unknown step \"" + verb + "\"");
    }
    session_->steps.push_back(std::move(s));
  }

  void Blank() {
    if (block_) blockStep_.script += "\n";
  }

  void Finish() {
    if (block_) {
      line_ = blockStep_.line;
      Fail("the dialog has no \"end\"");
    }
  }

  int line_ = 0;

 private:
  static std::string ScriptLine(const std::vector<std::string>& w) {
    std::string out;
    for (const std::string& word : w) out.append(out.empty() ? "" : " ").append(Quoted(word));
    return out + "\n";
  }

  void CloseBlock() {
    block_ = false;
    Answers(blockStep_);
    session_->steps.push_back(blockStep_);
  }

  static void Answers(const Step& s) { CheckAnswers(s.script, s.line); }

  // A control named by its label becomes its id.
  static std::string NamedControl(const std::vector<int>& dialogIds, const std::string& word) {
    int id = 0;
    std::string why;
    if (!ControlIdNamed(dialogIds, word, &id, &why)) Fail(why);
    return std::to_string(id);
  }

  static std::string NamedPanelControl(const std::string& panel, const std::string& word) {
    int id = 0;
    std::string why;
    if (!PanelControlIdNamed(panel, word, &id, &why)) Fail(why);
    return std::to_string(id);
  }

  Session* session_;
  bool block_ = false;
  Step blockStep_;
  std::vector<int> blockIds_;  // the dialog the block answers (none: any)
};

}  // namespace

bool ReadSession(const std::string& text, Session* session, int* faultLine, std::string* fault) {
  *session = Session{};
  Reader reader(session);
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  try {
    while (std::getline(lines, line)) {
      reader.line_ = ++number;
      if (line.find('\0') != std::string::npos) throw Failure{"a NUL byte in the line"};
      std::vector<std::string> words;
      if (!vmwin::SplitScriptWords(line, &words)) throw Failure{"a quote is not closed"};
      if (words.empty() || words[0][0] == '#') {
        reader.Blank();
        continue;
      }
      std::string source = line;
      while (!source.empty() && (source.back() == '\r' || source.back() == ' ' || source.back() == '\t'))
        source.pop_back();
      const size_t start = source.find_first_not_of(" \t");
      reader.Take(number, source.substr(start), std::move(words));
    }
    reader.Finish();
  } catch (const Failure& f) {
    *faultLine = reader.line_;
    *fault = f.why;
    return false;
  } catch (const Located& f) {
    *faultLine = f.line;
    *fault = f.why;
    return false;
  }
  return true;
}

}  // namespace headless
