#include "module_dialogs.h"

#include <cstdlib>

#include "resources/module_resources.h"
#include "win/win_driver.h"
#include "win/win_paths.h"
#include "win_api.h"

namespace headless {

namespace {

constexpr int kEnglishOffset = 1000;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Kind(const DialogItemTemplate& item) {
  const std::string cls = item.className != nullptr ? item.className : "";
  if (cls == "EDIT") return (item.style & ES_MULTILINE) != 0 ? "text box" : "edit";
  if (cls == "LISTBOX") return "list";
  if (cls == "COMBOBOX") return (item.style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST ? "drop-down list" : "combo box";
  if (cls != "BUTTON") return "";
  switch (item.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return "check box";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return "radio button";
    case BS_GROUPBOX:
      return "";
    default:
      return "button";
  }
}

const DialogItemTemplate* Item(const DialogTemplate& dialog, int id) {
  for (int i = 0; i < dialog.itemCount; ++i)
    if (dialog.items[i].id == id) return &dialog.items[i];
  return nullptr;
}

std::string Text(const char* cp932) { return cp932 != nullptr ? Utf8FromCp932(cp932) : ""; }

std::string TextOf(const DialogTemplate& dialog, int id) {
  const DialogItemTemplate* item = Item(dialog, id);
  return item != nullptr ? Text(item->text) : "";
}

// A static's text as a name: without its closing colon.
std::string WithoutColon(std::string text) {
  for (const std::string colon : {" :", ":"})
    if (text.ends_with(colon)) return text.substr(0, text.size() - colon.size());
  return text;
}

// A button's label is its text; a field's is given by its note.
std::string EnglishLabel(const DialogTemplate& english, const DialogItemTemplate& item, const ControlNote* note) {
  if (!Text(item.text).empty()) return Text(item.text);
  if (note == nullptr) return "";
  const std::string label = note->label != nullptr ? note->label : "";
  if (!label.empty() && label[0] != '(') return label;
  const std::string beside = note->labelledBy != 0 ? WithoutColon(TextOf(english, note->labelledBy)) : "";
  return label.empty() ? beside : beside + " " + label;
}

std::string JapaneseLabel(const DialogTemplate& japanese, const DialogItemTemplate& item, const ControlNote* note) {
  if (!Text(item.text).empty()) return Text(item.text);
  return note != nullptr && note->labelledBy != 0 ? TextOf(japanese, note->labelledBy) : "";
}

ModuleDialog Read(int japaneseId, const DialogTemplate& japanese, const DialogTemplate& english) {
  ModuleDialog d;
  d.japaneseId = japaneseId;
  d.englishTitle = Text(english.title);
  d.japaneseTitle = Text(japanese.title);
  d.note = FindDialogNote(japaneseId);
  for (int i = 0; i < english.itemCount; ++i) {
    const DialogItemTemplate& item = english.items[i];
    const std::string kind = Kind(item);
    if (kind.empty()) continue;
    const DialogItemTemplate* twin = Item(japanese, item.id);
    const ControlNote* note = d.note != nullptr ? FindControlNote(*d.note, item.id) : nullptr;
    d.controls.push_back({item.id, kind, EnglishLabel(english, item, note),
                          twin != nullptr ? JapaneseLabel(japanese, *twin, note) : "", note});
  }
  return d;
}

std::vector<ModuleDialog> ReadAll() {
  // A place of their own for the tables, apart from any module a session starts.
  static char reader;
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(&reader);
  RegisterPluginResources(instance);
  std::vector<ModuleDialog> dialogs;
  for (int id : vmwin::ResourceIds(instance, RT_DIALOG)) {
    const auto* japanese = static_cast<const DialogTemplate*>(FindModuleResource(instance, RT_DIALOG, id));
    const auto* english =
        static_cast<const DialogTemplate*>(FindModuleResource(instance, RT_DIALOG, id + kEnglishOffset));
    if (japanese != nullptr && english != nullptr) dialogs.push_back(Read(id, *japanese, *english));
  }
  return dialogs;
}

// The controls a word names by label.
std::vector<const DialogControl*> Labelled(const ModuleDialog& dialog, const std::string& word) {
  std::vector<const DialogControl*> found;
  for (const DialogControl& c : dialog.controls) {
    const size_t open = c.english.rfind(" (");
    const bool qualified = open != std::string::npos && c.english.back() == ')';
    if (c.english == word || (qualified && c.english.substr(0, open) == word)) found.push_back(&c);
  }
  return found;
}

std::string Listed(const std::vector<std::string>& names) {
  std::string out;
  for (size_t i = 0; i < names.size(); ++i)
    out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return out;
}

}  // namespace

bool IsIdWord(const std::string& word, int* value) {
  char* end = nullptr;
  const long v = std::strtol(word.c_str(), &end, 10);
  if (word.empty() || *end != 0 || v < -2147483647L || v > 2147483647L) return false;
  if (value != nullptr) *value = static_cast<int>(v);
  return true;
}

const std::vector<ModuleDialog>& ModuleDialogs() {
  static const std::vector<ModuleDialog> dialogs = ReadAll();
  return dialogs;
}

const ModuleDialog* FindModuleDialog(int templateId) {
  for (const ModuleDialog& d : ModuleDialogs())
    if (d.japaneseId == templateId || d.japaneseId + kEnglishOffset == templateId) return &d;
  return nullptr;
}

std::string DialogName(int templateId) {
  const ModuleDialog* d = FindModuleDialog(templateId);
  const std::string id = "dialog " + std::to_string(templateId);
  return d != nullptr ? Quoted(d->englishTitle) + " (" + id + ")" : id;
}

std::string UnfitAnswers(const vmwin::ShownDialog& dialog) {
  using Kind = vmwin::WaitingAnswer::Kind;
  const vmwin::WaitingAnswer& w = dialog.waiting;
  if (dialog.scripted || w.kind == Kind::None) return "";
  std::string waiting = "a message box";
  if (w.kind == Kind::OpenFile) waiting = "an open-file dialog";
  if (w.kind == Kind::Dialog && !w.templateIds.empty()) {
    // A block names one dialog: by its id, or by its title for both copies.
    std::string ids;
    for (int id : w.templateIds) ids += (ids.empty() ? "" : " or ") + std::to_string(id);
    const ModuleDialog* d = FindModuleDialog(w.templateIds.front());
    waiting = (d != nullptr ? Quoted(d->englishTitle) + " " : "") + "(dialog " + ids + ")";
  }
  return DialogName(dialog.templateId) + " opened, but the answers waiting first (line " + std::to_string(w.tag) +
         ") are for " + waiting + ": answers are taken in the order the dialogs open";
}

bool DialogIdsNamed(const std::string& word, std::vector<int>* ids, std::string* why) {
  ids->clear();
  int id = 0;
  if (IsIdWord(word, &id)) {
    if (id != 0) ids->push_back(id);
    return true;
  }
  std::vector<std::string> titles, named;
  for (const ModuleDialog& d : ModuleDialogs()) {
    if (d.englishTitle == word) {
      *ids = {d.japaneseId, d.japaneseId + kEnglishOffset};
      named.push_back(std::to_string(d.japaneseId) + " and " + std::to_string(d.japaneseId + kEnglishOffset));
    }
    if (d.note != nullptr && d.note->opens != nullptr) titles.push_back(Quoted(d.englishTitle));
  }
  if (named.size() == 1) return true;
  *why = named.empty() ? "no dialog is titled " + Quoted(word) + "; the titles are " + Listed(titles)
                       : "the title " + Quoted(word) + " names the dialogs " + Listed(named) + "; name one by its id";
  return false;
}

bool ControlIdNamed(const std::vector<int>& dialogIds, const std::string& word, int* id, std::string* why) {
  if (IsIdWord(word, id)) return true;
  const ModuleDialog* dialog = dialogIds.empty() ? nullptr : FindModuleDialog(dialogIds.front());
  if (dialog == nullptr) {
    *why = "the control " + Quoted(word) + " is named by its label, so the dialog must be named by its id or title";
    return false;
  }
  const std::vector<const DialogControl*> found = Labelled(*dialog, word);
  std::vector<std::string> names;
  for (const DialogControl* c : found) names.push_back(std::to_string(c->id) + " " + Quoted(c->english));
  if (found.size() == 1) {
    *id = found.front()->id;
    return true;
  }
  if (found.empty()) {
    for (const DialogControl& c : dialog->controls) names.push_back(Quoted(c.english));
    *why = Quoted(dialog->englishTitle) + " has no control labelled " + Quoted(word) + "; its labels are " +
           Listed(names);
  } else {
    *why = "the label " + Quoted(word) + " names the controls " + Listed(names) + " of " +
           Quoted(dialog->englishTitle) + "; name one of them";
  }
  return false;
}

bool PanelControlIdNamed(const std::string& panel, const std::string& word, int* id, std::string* why) {
  if (IsIdWord(word, id)) return true;
  for (const PanelNote& p : PanelNotes()) {
    if (panel != p.id && panel != p.title) continue;
    std::vector<std::string> names;
    for (const PanelControlNote& c : p.controls) {
      if (word == c.english) {
        *id = c.control;
        return true;
      }
      names.push_back(Quoted(c.english));
    }
    *why = "panel " + Quoted(p.id) + " has no control labelled " + Quoted(word) + "; its labels are " + Listed(names);
    return false;
  }
  std::vector<std::string> ids;
  for (const PanelNote& p : PanelNotes()) ids.push_back(Quoted(p.id));
  *why = "no panel " + Quoted(panel) + "; the panels are " + Listed(ids);
  return false;
}

}  // namespace headless
