#include "panels/grading_preview_refresh.h"

#include "engine/preview_refresh.h"
#include "panels/inf_panel_list.h"
#include "panels/variable_commands.h"

namespace {

void RefreshPanelLists() {
  RebuildInfList();
  FillVarList();
}

}  // namespace

void RefreshGradingPreview(int16_t force) {
  RefreshPreviewFromSelection(force);
  RefreshPanelLists();
}

void ClearGradingPreview() {
  ClearPreviewOfPiece();
  RefreshPanelLists();
}
