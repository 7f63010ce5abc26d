#include <cstdlib>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "engine/grading_checkpoints.h"
#include "shell/plugin_lifecycle.h"
#include "store/preferences_file.h"
#include "win_api.h"

namespace {

void ReleaseCursorHint(CursorHintState& hint) {
  if (hint.memoryDC == nullptr) return;
  SelectObject(hint.memoryDC, hint.oldBitmap);
  DeleteObject(hint.bitmap);
  DeleteDC(hint.memoryDC);
  hint.memoryDC = nullptr;
  hint.bitmap = nullptr;
  hint.oldBitmap = nullptr;
}

void DestroyPanel(PanelHandle& panel, PanelWindowState& state) {
  if (panel == nullptr) return;
  HWND__* window = nullptr;
  sAIPanel->GetPlatformWindow(panel, &window);
  if (window != nullptr) {
    // A window that was never subclassed keeps its own procedure; a null one
    // would leave it without any for its last messages.
    if (state.savedWndProc != nullptr)
      SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.savedWndProc));
    DestroyWindow(window);
  }
  sAIPanel->Destroy(panel);
  panel = nullptr;
  if (state.backgroundBrush != nullptr) DeleteObject(state.backgroundBrush);
  if (state.font != nullptr) DeleteObject(state.font);
  state.backgroundBrush = nullptr;
  state.font = nullptr;
}

void DestroyFlyout(FlyoutMenuHandle& flyout) {
  if (flyout == nullptr) return;
  sAIPanelFlyoutMenu->Destroy(flyout);
  flyout = nullptr;
}

}  // namespace

void ShutdownPlugin() {
  PluginGlobals& g = *gPlugin;
  ReleaseCursorHint(g.cursorHint);
  DestroyPanel(g.infPanel, g.infPanelState);
  DestroyFlyout(g.infFlyout);
  DestroyPanel(g.varPanel, g.varPanelState);
  DestroyFlyout(g.varFlyout);
  if (g.defaultsSet) WritePreferencesIni(nullptr);
  FreeVariableTable(g.variables);
  // The current piece and its preview copies live on the C heap and would
  // otherwise outlive the record.
  std::free(g.pieceArts);
  std::free(g.previewArts);
  g.pieceArts = g.previewArts = nullptr;
  g.pieceArtCount = g.previewArtCount = 0;
  ForgetGradingCheckpoints();
}

HostErr OnShutdown(SPMessageData* message) {
  if (gPlugin != nullptr) {
    ShutdownPlugin();
    message->basic->FreeBlock(gPlugin);
  }
  gPlugin = nullptr;
  message->globals = nullptr;
  return kNoErr;
}

void UnloadHook() {}

HostErr ReloadHook() { return kNoErr; }

HostErr OnUnload(SPMessageData* message) {
  if (message->globals != nullptr) UnloadHook();
  message->globals = gPlugin;
  return kNoErr;
}

HostErr OnReload(SPMessageData* message) {
  HostErr result = kNoErr;
  if (message->globals != nullptr) result = ReloadHook();
  gPlugin = static_cast<PluginGlobals*>(message->globals);
  gSuiteNesting = 0;
  return result;
}
