#include "engine/preview_refresh.h"

#include <optional>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/selection_gathering.h"
#include "geometry/host_math.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tag_mirror.h"
#include "text/localize.h"

namespace {

constexpr int kHandlesLeftOutText = 66;

// The table holds 200 handles: a piece that stores more is told about once, when it is taken up.
void TellOfHandlesLeftOut() {
  PluginGlobals& g = *gPlugin;
  if (g.handlesLeftOut <= 0 || g.handlesLeftOutToldSerial == g.grading_serial) return;
  g.handlesLeftOutToldSerial = g.grading_serial;
  char text[256];
  LocalizeUiString(g.pluginRef, kLocalizedTexts[kHandlesLeftOutText].japanese, text, sizeof text);
  ShowMessageAlert(text);
}

}  // namespace

void DeletePreviewLayer() {
  if (LayerHandle layer = FindModuleLayer(ModuleLayer::Preview)) sAILayer->DeleteLayer(layer);
  gPlugin->previewLayer = nullptr;
}

void ForgetGradingPiece() {
  gPlugin->previewLayer = nullptr;
  FreePieceLists();
  LoadGradingGroup(nullptr, 0);
}

void RefreshPreviewFromSelection(int16_t force) {
  PluginGlobals& g = *gPlugin;
  // A forced refresh loads the piece again and saves it: its tags are read once.
  std::optional<KeptTagsScope> oneRead;
  if (force != 0) oneRead.emplace();
  GatherSelectedPaths(kGatherSelected, nullptr);
  const bool hasGroup = LoadGradingGroup(g.pieceArts, g.pieceArtCount) != 0;
  TellOfHandlesLeftOut();

  if (DocViewHandle view = FirstView()) {
    double zoom = 1.0;
    if (sAIDocumentView->GetDocumentViewZoom(view, &zoom) == kNoErr) g.lastZoom = zoom;
    // A zoom the host cannot give would make the default length infinite.
    if (g.grading_length == 0.0 && g.lastZoom > 0.0) g.grading_length = 100.0 / g.lastZoom;
    g.previewLayer = FindModuleLayer(ModuleLayer::Preview);
    if (force == 0) {
      if ((g.varTitlesValid == 0 && g.previewLayer == nullptr) || (g.varTitlesValid != 0 && !hasGroup)) {
        FreePieceLists();
        LoadGradingGroup(nullptr, 0);
      }
    } else {
      if (g.previewLayer == nullptr) g.previewLayer = MakeModuleLayer(ModuleLayer::Preview);
      LoadPieceFromSelection(0);
      BuildGradingPreview(0, 0);
      if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    }
  }
}

void ClearPreviewOfPiece() {
  if (gPlugin->currentView != nullptr) {
    if (FindModuleLayer(ModuleLayer::Preview) != nullptr) {
      DeletePreviewLayer();
      if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
    }
  }
  ForgetGradingPiece();
}
