#include <cstring>

#include "common/plugin_globals.h"
#include "panels/panel_controls.h"
#include "panels/panel_windows.h"
#include "text/localize.h"
#include "tools/cursor_hint.h"
#include "win_api.h"

namespace {

constexpr int kHintBelowButton = 10;

// Hints of buttons 3 to 6.
const char* const kVarHints[] = {"\215\355\217\234", "\225\322\217W", "\220V\213K", "\215X\220V"};
const char* const kInfHints[] = {"\215\355\217\234", "\225\322\217W",
                                 "\225\342\220\263\203n\203\223\203h\203\213\202\314\203\215\203b\203N",
                                 "\215X\220V"};

// The hint of the first button of the panel under the cursor.
void FindButtonHint(HWND panelWindow, const char* const (&hints)[4], POINT cursor, char* text,
                    size_t textSize, POINT* point) {
  if (panelWindow == nullptr) return;
  for (int i = 0; i < 4; ++i) {
    HWND button = GetDlgItem(panelWindow, kDeleteButtonId + i);
    if (button == nullptr) continue;
    POINT p = cursor;
    ScreenToClient(button, &p);
    RECT client{};
    GetClientRect(button, &client);
    if (!PtInRect(&client, p)) continue;
    POINT at{(client.left + client.right) / 2, client.bottom + kHintBelowButton};
    ClientToScreen(button, &at);
    *point = at;
    LocalizeUiString(gPlugin->pluginRef, hints[i], text, textSize);
    return;
  }
}

}  // namespace

void UpdatePanelButtonToolTip(HWND varWindow, HWND infWindow) {
  if (gPlugin == nullptr) return;
  PanelHintState& hint = gPlugin->panelHint;
  char text[sizeof hint.hintText] = "";
  POINT point{0, 0};
  if (!LeftMouseButtonDown()) {
    POINT cursor{};
    GetCursorPos(&cursor);
    FindButtonHint(varWindow, kVarHints, cursor, text, sizeof text, &point);
    FindButtonHint(infWindow, kInfHints, cursor, text, sizeof text, &point);
  }
  if (std::strncmp(text, hint.hintText, sizeof text) == 0 && point.x == hint.hintPoint.x &&
      point.y == hint.hintPoint.y)
    return;
  ShowCursorHint(text, point.x, point.y);
  std::memcpy(hint.hintText, text, sizeof text);
  hint.hintPoint = {point.x, point.y};
}
