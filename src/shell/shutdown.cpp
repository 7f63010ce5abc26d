#include <cstdio>
#include <cstdlib>

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "engine/grading_checkpoints.h"
#include "shell/plugin_lifecycle.h"
#include "resources/localized_texts.h"
#include "store/preferences_file.h"
#include "store/preferences_paths.h"
#include "text/localize.h"
#include "win_api.h"

namespace {

constexpr int kPreferencesNotSavedText = 70;

// The settings of this session are lost when they cannot be written: the user
// is told where they should have gone.
void SavePreferences(const PluginGlobals& g) {
  if (WritePreferencesIni(nullptr)) return;
  char path[MAX_PATH] = "";
  BuildPreferencesFilePath(path, sizeof path);
  char format[256];
  LocalizeUiString(g.pluginRef, kLocalizedTexts[kPreferencesNotSavedText].japanese, format, sizeof format);
  char text[sizeof format + MAX_PATH];
  std::snprintf(text, sizeof text, format, path);
  ShowMessageAlert(text);
}

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
  // A damaged file of which no copy could be kept stays as it was.
  if (g.defaultsSet && !g.preferencesHeld) SavePreferences(g);
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
