#include <cstdio>
#include <cstring>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/tag_mirror.h"
#include "store/text_fields.h"
#include "text/shift_jis_chars.h"
#include "text/string_limits.h"
#include "tools/tool_utilities.h"

namespace {

constexpr int kToolNameSize = 256;
constexpr const char* kJapaneseToolWord = "\203\143\201\133\203\213";  // "tool"
constexpr const char* kJapaneseUndo = "%s\202\314\216\346\202\350\217\301\202\265";
constexpr const char* kJapaneseRedo = "%s\202\314\202\342\202\350\222\274\202\265";

// Ends the text at its first underscore that is a character of its own.
void CutAtUnderscore(char* text) {
  for (int i = 0; text[i] != '\0'; i += ShiftJisCharLength(text + i, ShiftJisTrail::kAny)) {
    if (text[i] == '_') {
      text[i] = '\0';
      return;
    }
  }
}

}  // namespace

void SetToolUndoRedoText(ToolHandle tool) {
  if (sAIUndo == nullptr || sAITool == nullptr) return;
  sAIUndo->UndoChanges();
  ForgetAllKeptTags();
  const char* name = nullptr;
  if (sAITool->GetToolName(tool, &name) != kNoErr || name == nullptr) name = "";

  char base[kToolNameSize];
  CopyTextCutValidTrail(base, sizeof base, name);
  const bool japanese = gPlugin->language == 0;
  StrRemoveSubstring(base, japanese ? kJapaneseToolWord : "tool");
  CutAtUnderscore(base);

  char undo[kToolNameSize + 32];
  char redo[kToolNameSize + 32];
  std::snprintf(undo, sizeof undo, japanese ? kJapaneseUndo : "Undo %s", base);
  std::snprintf(redo, sizeof redo, japanese ? kJapaneseRedo : "Redo %s", base);
  HostString undoText(undo);
  HostString redoText(redo);
  sAIUndo->SetUndoTextUS(undoText.get(), redoText.get());
}
