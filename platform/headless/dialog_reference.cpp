#include "dialog_reference.h"

#include <string>

#include "module_dialogs.h"

namespace headless {

namespace {

constexpr int kEnglishOffset = 1000;

constexpr const char* kIntroduction =
    "# Dialogs and panels a session drives\n"
    "\n"
    "Every dialog of Vestamark with its template ids and the way a session opens it, each control a\n"
    "person uses with its id, its label in English and in Japanese and what it holds; then the two\n"
    "panels. `vestamark-host --dialogs` prints this file, and a test keeps the two equal.\n"
    "\n"
    "A session names a dialog by its id or by its English title: `dialog \"Basic settings\"` answers\n"
    "the copy of either language. It names a control by its id or by its English label, written as\n"
    "here, capitals and blanks included: `set \"Standard scale (horizontal)\" 100`. A label may leave\n"
    "out its part in brackets when that names one control only; a label that names several controls\n"
    "is a fault that lists them (`Standard scale` names both 9 and 10). Panel buttons are named by\n"
    "their hints: `panel Vestamark_INF_PANEL click Update`.\n"
    "\n"
    "With `language english` the English copies open (17xxx), with `japanese`, the default, the\n"
    "Japanese ones (16xxx); with `korean` the copy each dialog names below. Lengths are in the unit\n"
    "chosen in \"Basic settings\" (mm to begin with).\n";

std::string Cell(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '|' ? std::string("\\|") : std::string(1, c);
  return out.empty() ? "-" : out;
}

void TableHead(std::ostream& out) {
  out << "| id | control | English label | Japanese label | holds |\n"
      << "| --- | --- | --- | --- | --- |\n";
}

void Row(std::ostream& out, int id, const std::string& kind, const std::string& english, const std::string& japanese,
         const std::string& holds) {
  out << "| " << id << " | " << kind << " | " << Cell(english) << " | " << Cell(japanese) << " | " << Cell(holds)
      << " |\n";
}

class Printer {
 public:
  Printer(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  int Print() {
    out_ << kIntroduction;
    for (const DialogNote& note : DialogNotes()) {
      const ModuleDialog* dialog = FindModuleDialog(note.japaneseId);
      if (dialog != nullptr && note.opens != nullptr) Dialog(*dialog);
    }
    Unopened();
    for (const ModuleDialog& d : ModuleDialogs())
      if (d.note == nullptr) Fault("dialog " + std::to_string(d.japaneseId) + " (" + d.englishTitle + ") has no note");
    for (const PanelNote& panel : PanelNotes()) Panel(panel);
    return faults_ == 0 ? 0 : 1;
  }

 private:
  void Fault(const std::string& what) {
    err_ << "vestamark-host: " << what << "\n";
    ++faults_;
  }

  void Dialog(const ModuleDialog& d) {
    const DialogNote& note = *d.note;
    const int english = d.japaneseId + kEnglishOffset;
    out_ << "\n## " << d.englishTitle << "\n\n"
         << "Dialog " << english << " in English, " << d.japaneseId << " \"" << d.japaneseTitle
         << "\" in Japanese; the Korean setting shows "
         << (note.korean == KoreanCopy::English ? english : d.japaneseId) << ".\n\n"
         << "Opens: " << note.opens << ".\n\n";
    TableHead(out_);
    for (const DialogControl& c : d.controls) {
      const std::string where = "control " + std::to_string(c.id) + " of dialog " + std::to_string(d.japaneseId);
      if (c.note == nullptr) Fault(where + " has no note");
      if (c.english.empty()) Fault(where + " has no label");
      Row(out_, c.id, c.kind, c.english, c.japanese, c.note != nullptr ? c.note->holds : "");
    }
  }

  void Unopened() {
    std::string names;
    for (const ModuleDialog& d : ModuleDialogs()) {
      if (d.note == nullptr || d.note->opens != nullptr) continue;
      names += std::string(names.empty() ? "" : ", ") + "\"" + d.englishTitle + "\" (" +
               std::to_string(d.japaneseId) + ", " + std::to_string(d.japaneseId + kEnglishOffset) + ")";
    }
    if (names.empty()) return;
    out_ << "\n## Dialogs no session opens\n\n"
         << names << ": the simple-grading tools that open them are not registered with the host.\n";
  }

  void Panel(const PanelNote& panel) {
    out_ << "\n## Panel \"" << panel.title << "\"\n\n"
         << "Panel " << panel.id << ", " << panel.opens
         << ". Its button hints are English with the English setting, Japanese otherwise.\n\n";
    TableHead(out_);
    for (const PanelControlNote& c : panel.controls) Row(out_, c.control, c.kind, c.english, c.japanese, c.holds);
  }

  std::ostream& out_;
  std::ostream& err_;
  int faults_ = 0;
};

}  // namespace

int PrintDialogReference(std::ostream& out, std::ostream& err) { return Printer(out, err).Print(); }

}  // namespace headless
