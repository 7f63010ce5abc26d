#include "text/undo_texts.h"

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "text/localize.h"

void SetLocalizedUndoRedoText(int undoTextIndex) {
  if (sAIUndo == nullptr) return;
  char undo[256], redo[256];
  LocalizeUiString(gPlugin->pluginRef, kLocalizedTexts[undoTextIndex].japanese, undo, sizeof undo);
  LocalizeUiString(gPlugin->pluginRef, kLocalizedTexts[undoTextIndex + 1].japanese, redo, sizeof redo);
  HostString undoText(undo), redoText(redo);
  sAIUndo->SetUndoTextUS(undoText.get(), redoText.get());
}
