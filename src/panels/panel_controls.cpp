#include "panels/panel_controls.h"

#include <cmath>
#include <cstdio>

#include "common/module_instance.h"
#include "common/suite_pointers.h"
#include "panels/inf_flyout_commands.h"
#include "panels/panel_window_procs.h"
#include "panels/variable_commands.h"
#include "text/number_text.h"
#include "win_api.h"

namespace {

constexpr DWORD kListStyle = 0x50201151;
constexpr DWORD kButtonStyle = 0x5000000B;
constexpr int kIconSize = 32;
constexpr int kIconSlots = 10;
constexpr int32_t kThemeElement = 1;
constexpr int32_t kThemeBackground = 0;
constexpr int32_t kThemeText = 1;
constexpr char kListFontFace[] = "\203\201\203C\203\212\203I";
constexpr int kButtonIds[] = {kDeleteButtonId, kEditButtonId, kNewOrLockButtonId, kUpdateButtonId};

// Icon resources of one icon index.
struct IconIds {
  int light;
  int dark;
  int disabled;
};

const IconIds kInfIcons[] = {
    {16201, 16351, 16211}, {16202, 16352, 16212}, {16203, 16353, 16213},
    {16255, 16355, 16255}, {16256, 16356, 16256},
};
const IconIds kVarIcons[] = {
    {16201, 16351, 16211}, {16202, 16352, 16212}, {16203, 16353, 16213}, {16204, 16354, 16214}};

constexpr int kEditIcon = 0;
constexpr int kDeleteIcon = 1;
constexpr int kUpdateIcon = 2;
constexpr int kNewOrLockOffIcon = 3;
constexpr int kLockOnIcon = 4;

struct ButtonSpec {
  int id;
  int icon;
  bool enabled;
};

struct PanelBuild {
  PanelWindowState PluginGlobals::*state;
  LayoutRect PluginGlobals::*layout;
  WNDPROC proc;
  const IconIds* icons;
  int iconCount;
};

BYTE ColorByte(double component) {
  const double v = std::round(component * 255.0);
  return static_cast<BYTE>(v < 0 ? 0 : v > 255 ? 255 : v);
}

LayoutRect ClientLayout(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {0, 0, client.right - client.left, client.bottom - client.top};
}

void ReadThemeColors(PluginGlobals& g) {
  if (sAIUITheme == nullptr) return;
  sAIUITheme->GetUIThemeColor(kThemeElement, kThemeBackground, &g.themeBackground);
  sAIUITheme->GetUIThemeColor(kThemeElement, kThemeText, &g.themeText);
}

void LoadIcons(PanelWindowState& state, const PanelBuild& build) {
  for (int i = 0; i < kIconSlots; ++i) state.icons[i] = state.disabledIcons[i] = nullptr;
  for (int i = 0; i < build.iconCount; ++i) {
    const IconIds& ids = build.icons[i];
    state.icons[i] = LoadIcon(gModuleInstance, MAKEINTRESOURCE(state.darkTheme ? ids.dark : ids.light));
    state.disabledIcons[i] = LoadIcon(gModuleInstance, MAKEINTRESOURCE(ids.disabled));
  }
}

void BuildPanelControls(HWND window, const PanelBuild& build, const ButtonSpec (&buttons)[4]) {
  PluginGlobals& g = *gPlugin;
  PanelWindowState& state = g.*build.state;
  ReadThemeColors(g);

  if (state.backgroundBrush != nullptr) DeleteObject(state.backgroundBrush);
  state.backgroundBrush = CreateSolidBrush(ThemeColorRef(g.themeBackground));

  // Subclassing twice would make the panel's procedure its own saved one.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(window, GWLP_WNDPROC)) != build.proc) {
    state.savedWndProc = reinterpret_cast<WindowProcPtr>(
        SetWindowLongPtr(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(build.proc)));
  }

  if (state.font != nullptr) DeleteObject(state.font);
  HDC dc = GetDC(window);
  const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  state.font = CreateFont(-MulDiv(8, pixelsPerInch, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0,
                          0, 0, kListFontFace);

  int32_t dark = 0;
  if (sAIUITheme != nullptr) sAIUITheme->IsDarkTheme(&dark);
  state.darkTheme = static_cast<int16_t>(dark);

  LayoutRect& layout = g.*build.layout;
  layout = ClientLayout(window);
  const int16_t w = static_cast<int16_t>(layout.right);
  const int16_t h = static_cast<int16_t>(layout.bottom);
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(window, GWLP_HINSTANCE));
  HWND list = CreateWindowEx(0, "LISTBOX", "", kListStyle, 5, 5, w - 10, h - 22, window,
                             reinterpret_cast<HMENU>(intptr_t{kPanelListId}), instance, nullptr);
  SendMessage(list, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), TRUE);

  LoadIcons(state, build);
  for (const ButtonSpec& spec : buttons) {
    RECT rect{};
    PanelButtonRect(spec.id, w, h, &rect);
    HWND button = CreateOwnerDrawButton(window, &rect, spec.id, spec.icon);
    EnableWindow(button, spec.enabled ? TRUE : FALSE);
  }
}

}  // namespace

COLORREF ThemeColorRef(const ThemeColor& color) {
  return RGB(ColorByte(color.red), ColorByte(color.green), ColorByte(color.blue));
}

void BuildInfoPanelControls(HWND window) {
  const PanelBuild build = {&PluginGlobals::infPanelState, &PluginGlobals::infLayout, InfoPanelWndProc,
                            kInfIcons, static_cast<int>(sizeof kInfIcons / sizeof kInfIcons[0])};
  const ButtonSpec buttons[4] = {
      {kDeleteButtonId, kDeleteIcon, false},
      {kEditButtonId, kEditIcon, false},
      {kNewOrLockButtonId, gPlugin->handlesLocked ? kLockOnIcon : kNewOrLockOffIcon, true},
      {kUpdateButtonId, kUpdateIcon, false},
  };
  BuildPanelControls(window, build, buttons);
  UpdateInfFlyoutState();
  SetTimer(window, kInfoWindowTimerId, 500, nullptr);
}

void BuildVariablePanelControls(HWND window) {
  const PanelBuild build = {&PluginGlobals::varPanelState, &PluginGlobals::varLayout, VariablePanelWndProc,
                            kVarIcons, static_cast<int>(sizeof kVarIcons / sizeof kVarIcons[0])};
  const ButtonSpec buttons[4] = {
      {kDeleteButtonId, kDeleteIcon, false},
      {kEditButtonId, kEditIcon, false},
      {kNewOrLockButtonId, kNewOrLockOffIcon, false},
      {kUpdateButtonId, kUpdateIcon, false},
  };
  BuildPanelControls(window, build, buttons);
  UpdateVarFlyoutState();
}

void MakeRect(RECT* rect, int32_t top, int32_t left, int32_t bottom, int32_t right) {
  rect->left = left;
  rect->top = top;
  rect->right = right;
  rect->bottom = bottom;
}

HWND CreateOwnerDrawButton(HWND parent, const RECT* rect, int controlId, int iconIndex) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", iconIndex);
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtr(parent, GWLP_HINSTANCE));
  return CreateWindowEx(0, "BUTTON", text, kButtonStyle, rect->left, rect->top, rect->right - rect->left,
                        rect->bottom - rect->top, parent, reinterpret_cast<HMENU>(intptr_t{controlId}),
                        instance, nullptr);
}

void PanelButtonRect(int controlId, int32_t w, int32_t h, RECT* rect) {
  switch (controlId) {
    case kDeleteButtonId:
      MakeRect(rect, h - 17, w - 46, h + 1, w - 14);
      break;
    case kEditButtonId:
      MakeRect(rect, h - 17, w - 77, h + 1, w - 45);
      break;
    case kNewOrLockButtonId:
      MakeRect(rect, h - 17, w - 108, h + 1, w - 76);
      break;
    default:
      MakeRect(rect, h - 17, 0, h + 1, 31);
      break;
  }
}

void RelayoutPanel(HWND window, LayoutRect* layout) {
  *layout = ClientLayout(window);
  const int16_t w = static_cast<int16_t>(layout->right);
  const int16_t h = static_cast<int16_t>(layout->bottom);
  constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
  if (HWND list = GetDlgItem(window, kPanelListId))
    SetWindowPos(list, nullptr, 0, 0, w - 10, h - 22, kKeep | SWP_NOMOVE);
  for (int id : kButtonIds) {
    RECT rect{};
    PanelButtonRect(id, w, h, &rect);
    if (HWND button = GetDlgItem(window, id))
      SetWindowPos(button, nullptr, rect.left, rect.top, 0, 0, kKeep | SWP_NOSIZE);
  }
}

bool LeftMouseButtonDown() { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }

void PaintPanelButton(const PanelWindowState& state, const DRAWITEMSTRUCT* item) {
  HDC dc = item->hDC;
  const RECT& rect = item->rcItem;
  if (item->itemState & (ODS_SELECTED | ODS_CHECKED)) {
    HBRUSH pressed = CreateSolidBrush(RGB(0x44, 0x44, 0x44));
    FillRect(dc, &rect, pressed);
    DeleteObject(pressed);
  } else {
    FillRect(dc, &rect, state.backgroundBrush);
  }
  char text[16] = "";
  GetWindowText(item->hwndItem, text, sizeof text);
  const int32_t index = TextToInteger(text);
  // The text is only ours until something else sets it.
  if (index < 0 || index >= kIconSlots) return;
  HICON icon = IsWindowEnabled(item->hwndItem) ? state.icons[index] : state.disabledIcons[index];
  if (icon == nullptr) return;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  DrawIcon(dc, rect.left - (kIconSize - width) / 2, rect.top - (kIconSize - height) / 2, icon);
}
