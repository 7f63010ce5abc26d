// What a pattern maker reads about the dialogs and panels a session drives, where the module's
// resources cannot say it: how each dialog opens, the label of a field that has none of its own,
// and what each control holds, in which unit.
#pragma once

#include <vector>

namespace headless {

// The copy of a dialog shown with the Korean setting, which has no resources of its own.
enum class KoreanCopy { Japanese, English };

struct ControlNote {
  int control;
  // The static beside the control on screen (0: none; a button's own text is its label).
  int labelledBy;
  // The label a session names the control by, when the screen gives none: a whole label, or a
  // "(...)" added to the static's text where one static labels several controls.
  const char* label;
  const char* holds;
};

struct DialogNote {
  int japaneseId;  // the English copy is 1000 higher
  KoreanCopy korean;
  const char* opens;  // how a session opens it; null: no session can
  std::vector<ControlNote> controls;
};

struct PanelControlNote {
  int control;
  const char* kind;
  const char* english;   // the button's hint with the English setting, or the list's name
  const char* japanese;  // with the Japanese and the Korean setting
  const char* holds;
};

struct PanelNote {
  const char* id;
  const char* title;
  const char* opens;
  std::vector<PanelControlNote> controls;
};

// In the order the reference shows them.
const std::vector<DialogNote>& DialogNotes();
const std::vector<PanelNote>& PanelNotes();

const DialogNote* FindDialogNote(int japaneseId);
const ControlNote* FindControlNote(const DialogNote& dialog, int control);

}  // namespace headless
