#include "panels/var_flyout_commands.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/grading_edit.h"
#include "engine/piece_members.h"
#include "panels/file_save_alert.h"
#include "panels/inf_flyout_commands.h"
#include "panels/inf_panel_list.h"
#include "panels/panel_windows.h"
#include "panels/preset_flyout_items.h"
#include "panels/var_piece_tags.h"
#include "panels/variable_commands.h"
#include "store/piece_queries.h"
#include "store/variables_csv.h"
#include "text/text_conversion.h"
#include "text/undo_texts.h"
#include "win_api.h"

namespace {

constexpr uint32_t kImportItem = 1;
constexpr uint32_t kExportItem = 2;
constexpr int kPathChars = 300;
constexpr int kOpenPathChars = 260;

// A filter list: description, NUL, pattern, NUL, ending in one more NUL.
void AppendChars(std::string* text, size_t count, char character) { text->append(count, character); }

void FileDialogFilters_Add(std::string* filters, const char* description, const char* pattern) {
  if (description[0] == '\0' || pattern[0] == '\0') return;
  if (!filters->empty()) filters->pop_back();
  filters->append(description);
  AppendChars(filters, 1, '\0');
  filters->append(pattern);
  AppendChars(filters, 2, '\0');
}

// A path too long for the buffer is refused whole rather than cut into another name.
bool CopyPath300(WCHAR (&out)[kPathChars], const char* utf8Path) {
  std::memset(out, 0, sizeof out);
  return MultiByteToWideChar(CP_UTF8, 0, utf8Path, -1, out, kPathChars) > 0;
}

// Writes the imported values into the pieces they belong to; a variable a
// piece does not have is not added.
void StoreImportedValuesInPieces() {
  const VariableTable& t = gPlugin->variables;
  ArtHandle* arts = nullptr;
  int32_t count = 0;
  CollectDocumentTitledArts(&arts, &count);
  char title[kVarNameSize];
  for (int32_t row = 0; row < kMaxVariables; ++row) {
    if (t.varTitles[row][0] == '\0' && t.varNames[row][0] == '\0') break;
    for (int32_t i = 0; i < count; ++i) {
      ReadPieceTitle(arts[i], title, sizeof title);
      if (std::strcmp(title, t.varTitles[row]) != 0) continue;
      const int32_t k = FindPieceVariable(arts[i], t.varNames[row]);
      if (k >= 0) WritePieceVariableValue(arts[i], k, t.varValues[row]);
    }
  }
  std::free(arts);
}

void ImportVariables() {
  char path[kOpenPathChars] = "";
  std::string filters;
  FileDialogFilters_Add(&filters, "CSV", "*.csv");
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  if (sAIContext != nullptr) sAIContext->GetPlatformAppWindow(&ofn.hwndOwner);
  ofn.lpstrFilter = filters.c_str();
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileName(&ofn)) return;
  ReadVariablesCsv(path);
  // The values imported are edits of the variables, undone as one step.
  SetLocalizedUndoRedoText(kUndoEditVariable);
  if (gPlugin->varTitlesValid == 0) {
    if (!HasCurrentPiece()) return;
    StoreGradingEdit();
    FillVarList();
    InvalidateInfList();
  } else {
    StoreImportedValuesInPieces();
    InvalidateVarList();
  }
}

void ExportVariables() {
  if (sAIUser == nullptr) return;
  std::string filters;
  FileDialogFilters_Add(&filters, "CSV", "*.csv");
  HostString title("Export"), defaultName("export.csv");
  char chosen[4 * kPathChars] = "";
  if (sAIUser->PutFileDialog(title.get(), filters.c_str(), defaultName.get(), chosen, sizeof chosen) !=
      kNoErr)
    return;
  WCHAR wide[kPathChars];
  char path[kPathChars] = "";
  if (!CopyPath300(wide, chosen) ||
      WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, nullptr) <= 0) {
    // A path the file calls cannot take writes nothing; the user is told.
    char shown[sizeof chosen];
    Utf8ToShiftJis(chosen, shown, sizeof shown);
    ShowFileSaveFailed(shown);
    return;
  }
  // A file that could not be written leaves the old one; the user is told.
  if (!WriteVariablesCsv(path)) ShowFileSaveFailed(path);
}

}  // namespace

void RunVarFlyoutCommand(uint32_t itemId) {
  if (gPlugin == nullptr) return;
  if (itemId == kImportItem) {
    ImportVariables();
  } else if (itemId == kExportItem) {
    ExportVariables();
  } else if (itemId >= kVarFirstPresetItem) {
    ChoosePresetInFlyout(static_cast<int32_t>(itemId - kVarFirstPresetItem), gPlugin->varFlyout,
                         kVarFirstPresetItem, UpdateInfFlyoutState);
  }
}
