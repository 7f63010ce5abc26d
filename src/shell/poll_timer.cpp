#include "shell/poll_timer.h"

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "engine/preview_refresh.h"
#include "geometry/host_math.h"
#include "panels/grading_preview_refresh.h"
#include "panels/inf_flyout_commands.h"
#include "panels/panel_windows.h"
#include "panels/variable_commands.h"
#include "shell/selection_signature.h"
#include "shell/timer_tool_message.h"
#include "shell/tool_dispatch.h"
#include "store/module_layers.h"
#include "store/preset_table.h"
#include "store/presets_in_document.h"

namespace {

constexpr int kNoToolSlot = -1;
constexpr int kFirstSimpleGradingSlot = 7;

bool IsRevisionSlot(int slot) { return slot >= 1 && slot < kFirstSimpleGradingSlot; }

int SelectedToolSlot(ToolHandle* selected) {
  *selected = nullptr;
  if (sAITool == nullptr || sAITool->GetSelectedTool(selected) != kNoErr || *selected == nullptr)
    return kNoToolSlot;
  for (int slot = 0; slot < kToolSlots; ++slot) {
    if (gPlugin->toolHandles[slot] != nullptr && gPlugin->toolHandles[slot] == *selected) return slot;
  }
  return kNoToolSlot;
}

SelectionSignature CurrentSignature() {
  SelectionSignature s{};
  ComputeSelectionSignature(&s.firstPath, &s.pathCount, &s.segmentCount);
  return s;
}

bool SameSignature(const SelectionSignature& a, const SelectionSignature& b) {
  return a.firstPath == b.firstPath && a.pathCount == b.pathCount && a.segmentCount == b.segmentCount;
}

void MarkUndoSilent() {
  if (sAIUndo != nullptr) sAIUndo->SetSilent(1);
}

// Rebuilds into the preview layer the refresh found, without an undo step; an
// emptied selection empties the layer.
void RebuildExistingPreview() {
  if (gPlugin->previewLayer == nullptr) return;
  BuildGradingPreview(0, 0);
  MarkUndoSilent();
}

void WatchWithRevisionTool(DocViewHandle view) {
  PluginGlobals& g = *gPlugin;
  g.varTitlesValid = 0;
  const int32_t serial = FindGradingOriginSerial();
  const SelectionSignature signature = CurrentSignature();
  if (static_cast<uint32_t>(serial) == g.grading_serial && SameSignature(signature, g.selectionSignature)) {
    double zoom = 0.0;
    if (sAIDocumentView->GetDocumentViewZoom(view, &zoom) != kNoErr || zoom == g.lastZoom) return;
    LayerHandle named = FindModuleLayer(ModuleLayer::Preview);
    if (named == nullptr || named != g.previewLayer) return;
    g.lastZoom = zoom;
    BuildGradingPreview(0, 0);
    MarkUndoSilent();
    return;
  }
  g.selectionSignature = signature;
  RefreshGradingPreview(0);
  RebuildExistingPreview();
}

void WatchCurrentView(DocViewHandle view, int slot) {
  PluginGlobals& g = *gPlugin;
  if (IsRevisionSlot(slot)) {
    WatchWithRevisionTool(view);
    return;
  }
  const SelectionSignature signature = CurrentSignature();
  if (SameSignature(signature, g.selectionSignature)) return;
  g.selectionSignature = signature;
  g.varTitlesValid = 1;
  RefreshGradingPreview(0);
}

void TakeNewView(DocViewHandle view, int slot, ToolHandle tool, const SPMessageData& call) {
  PluginGlobals& g = *gPlugin;
  g.currentView = view;
  if (LoadPresetConfig() != 0) {
    ReseatCurrentPreset();
    UpdateInfFlyoutState();
    UpdateVarFlyoutState();
  }
  if (slot == kNoToolSlot) {
    g.selectionSignature = CurrentSignature();
    g.varTitlesValid = 1;
    RefreshGradingPreview(0);
  } else if (slot >= kFirstSimpleGradingSlot) {
    // The piece, its group and the preview layer belong to the document left
    // behind (or closed); that family gathers its own.
    ForgetGradingPiece();
    ToolMessage message = MakeTimerToolMessage(call, tool);
    DispatchToolDeselect(&message);
    DispatchToolSelect(&message);
  } else {
    g.varTitlesValid = 0;
    DeletePreviewLayer();
    RefreshGradingPreview(1);
  }
}

HWND__* ShownPanelWindow(PanelHandle panel) {
  if (panel == nullptr || sAIPanel == nullptr) return nullptr;
  int32_t shown = 0;
  HWND__* window = nullptr;
  if (sAIPanel->IsShown(panel, &shown) != kNoErr || shown == 0) return nullptr;
  if (sAIPanel->GetPlatformWindow(panel, &window) != kNoErr) return nullptr;
  return window;
}

void PollPanels() {
  const PluginGlobals& g = *gPlugin;
  if (g.varPanel == nullptr && g.infPanel == nullptr) return;
  HWND__* varWindow = ShownPanelWindow(g.varPanel);
  HWND__* infWindow = ShownPanelWindow(g.infPanel);
  UpdatePanelButtonToolTip(varWindow, infWindow);
  TrackPanelListDrag(varWindow, infWindow);
}

}  // namespace

HostErr OnTimerTick(TimerMessage* message) {
  PluginGlobals& g = *gPlugin;
  g.basicAtCallback = message->d.basic;
  if (g.timerBusy != 0 || message->timer != g.pollTimer) return kNoErr;
  g.timerBusy = 1;

  ToolHandle tool = nullptr;
  const int slot = SelectedToolSlot(&tool);
  DocViewHandle view = FirstView();
  if (view != nullptr && view == g.currentView) {
    WatchCurrentView(view, slot);
  } else if (view != g.currentView) {
    TakeNewView(view, slot, tool, message->d);
  }
  PollPanels();

  g.timerBusy = 0;
  return kNoErr;
}
