// The module's dialogs as its resources give them, each control with the label a person reads,
// and the names a session may give them: a dialog by its English title, a control by its
// English label.
#pragma once

#include <string>
#include <vector>

#include "dialog_notes.h"
#include "win/win_driver.h"

namespace headless {

struct DialogControl {
  int id;
  std::string kind;      // "button", "check box", "edit", ...
  std::string english;   // its label: the name a session may use
  std::string japanese;  // what the Japanese copy shows
  const ControlNote* note;  // null when none describes it
};

struct ModuleDialog {
  int japaneseId;  // the English copy is 1000 higher
  std::string englishTitle, japaneseTitle;
  std::vector<DialogControl> controls;  // those a person can use, in the template's order
  const DialogNote* note;               // null when none describes it
};

// Every dialog of the module that has a Japanese and an English copy, by id. The resources are
// data: they are read without starting the module.
const std::vector<ModuleDialog>& ModuleDialogs();
// The dialog of either copy's id; null for none.
const ModuleDialog* FindModuleDialog(int templateId);

// A dialog as messages name it: "Basic settings" (dialog 16152).
std::string DialogName(int templateId);
// For a dialog that opened while answers for another waited: the fault naming both, with the line
// the answers came from (the waiting step's tag). Empty when it took its answers or none waited.
std::string UnfitAnswers(const vmwin::ShownDialog& dialog);

// A word that is a number names by id.
bool IsIdWord(const std::string& word, int* value = nullptr);

// The template ids a `dialog` block answers, named by an id ("0": any dialog, no ids) or by an
// English title (both copies). False, with the reason, when the word names none or several.
bool DialogIdsNamed(const std::string& word, std::vector<int>* ids, std::string* why);
// A control of the dialog with these ids, named by its id or its English label: the label
// itself, or the label without its "(...)" ending. False, with the reason, for none or several.
bool ControlIdNamed(const std::vector<int>& dialogIds, const std::string& word, int* id, std::string* why);
// A control of a panel (its id or title), named the same way.
bool PanelControlIdNamed(const std::string& panel, const std::string& word, int* id, std::string* why);

}  // namespace headless
