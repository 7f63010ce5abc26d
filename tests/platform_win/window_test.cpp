// Panel-style windows: subclassing, owner-drawn children, lookup by z-order, geometry and timers.
#include <string>
#include <vector>

#include "support/win_fixture.h"

namespace {

using namespace vmwin;

std::vector<UINT> subclassSaw;
WNDPROC savedProc = nullptr;
UINT measuredHeight = 0;

LRESULT PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  subclassSaw.push_back(message);
  if (message == WM_MEASUREITEM) reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = measuredHeight;
  if (message == WM_COMMAND) return 0;  // never passed on
  return CallWindowProc(savedProc, window, message, wParam, lParam);
}

class WindowTest : public WinLayerTest {
 protected:
  void SetUp() override {
    WinLayerTest::SetUp();
    subclassSaw.clear();
    main = CreateHostMainWindow("Host", 1200, 900);
  }
  HWND main = nullptr;
};

TEST_F(WindowTest, ASubclassedPanelSeesMessagesFirstAndMeasuresItsList) {
  HWND panel = CreateHostPanelWindow(main, "Vestamark Var.", 250, 210);
  ASSERT_NE(panel, nullptr);
  savedProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtr(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProc)));
  ASSERT_NE(savedProc, nullptr);
  EXPECT_EQ(GetWindowLongPtr(panel, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(PanelProc));

  measuredHeight = 20;
  HWND list = CreateWindowEx(0, "LISTBOX", "", 0x50201151, 5, 5, 240, 188, panel,
                             reinterpret_cast<HMENU>(intptr_t{1}), nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(subclassSaw.size(), 1u);
  EXPECT_EQ(subclassSaw[0], WM_MEASUREITEM);
  EXPECT_EQ(SendMessage(list, LB_GETITEMHEIGHT, 0, 0), 20);

  // Text still reaches the old procedure through the subclass.
  SetWindowText(panel, "renamed");
  char text[32];
  GetWindowText(panel, text, sizeof text);
  EXPECT_STREQ(text, "renamed");
  EXPECT_EQ(subclassSaw.back(), WM_GETTEXT);

  SetWindowLongPtr(panel, GWLP_USERDATA, 77);
  EXPECT_EQ(GetWindowLongPtr(panel, GWLP_USERDATA), 77);
  EXPECT_EQ(GetDlgItem(panel, 1), list);
  EXPECT_EQ(GetDlgCtrlID(list), 1);
}

TEST_F(WindowTest, ButtonsCarryTheirIconIndexAsText) {
  HWND panel = CreateHostPanelWindow(main, "Vestamark Inf.", 250, 210);
  HWND button = CreateWindowEx(0, "BUTTON", "3", 0x5000000B, 142, 193, 32, 18, panel,
                               reinterpret_cast<HMENU>(intptr_t{5}), nullptr, nullptr);
  char text[8];
  GetWindowText(button, text, sizeof text);
  EXPECT_STREQ(text, "3");
  EXPECT_EQ(GetWindowLongPtr(button, GWL_STYLE) & BS_TYPEMASK, static_cast<LONG_PTR>(BS_OWNERDRAW));
  EXPECT_TRUE(IsWindowEnabled(button));
  EXPECT_FALSE(EnableWindow(button, FALSE));
  EXPECT_FALSE(IsWindowEnabled(button));
  EXPECT_TRUE(EnableWindow(button, TRUE));
}

TEST_F(WindowTest, TopLevelWindowsAreWalkedInZOrderToFindTheDocument) {
  HWND document = CreateHostDocumentWindow(main, "pattern.svg @ 100% (CMYK)", 100, 50, 900, 600);
  HWND palette = CreateHostPanelWindow(main, "Vestamark Inf.", 250, 210);
  ASSERT_NE(palette, nullptr);
  HWND found = nullptr;
  char title[256];
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    GetWindowText(w, title, 255);
    if (std::string(title).find(" @ ") != std::string::npos) {
      found = w;
      break;
    }
  }
  EXPECT_EQ(found, document);
  EXPECT_EQ(GetTopWindow(nullptr), GetParent(palette));  // the last made is in front
  EXPECT_EQ(FindWindow(nullptr, "pattern.svg @ 100% (CMYK)"), document);
  EXPECT_EQ(FindWindowEx(document, nullptr, "vmhostwindow", nullptr), GetHostDocumentView(document));

  // A title longer than the buffer is cut to it.
  SetWindowText(document, std::string(300, 'x').c_str());
  EXPECT_EQ(GetWindowText(document, title, 256), 255);
}

TEST_F(WindowTest, ClientAndScreenCoordinatesFollowTheParents) {
  HWND document = CreateHostDocumentWindow(main, "a @ b", 100, 50, 900, 600);
  HWND view = GetHostDocumentView(document);
  HWND inner = CreateWindowEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 20, 100, 40, view, nullptr, nullptr,
                              nullptr);
  RECT r;
  GetWindowRect(inner, &r);
  EXPECT_EQ(r.left, 110);
  EXPECT_EQ(r.top, 70);
  EXPECT_EQ(r.right, 210);
  GetClientRect(inner, &r);
  EXPECT_EQ(r.right, 100);
  EXPECT_EQ(r.bottom, 40);
  POINT p{5, 5};
  ClientToScreen(inner, &p);
  EXPECT_EQ(p.x, 115);
  EXPECT_EQ(p.y, 75);
  ScreenToClient(document, &p);
  EXPECT_EQ(p.x, 15);
  EXPECT_EQ(p.y, 25);

  // A hidden ancestor hides its children.
  ShowWindow(view, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(inner));
  EXPECT_EQ(GetWindowLongPtr(inner, GWL_STYLE) & WS_VISIBLE, static_cast<LONG_PTR>(WS_VISIBLE));
}

TEST_F(WindowTest, SetWindowPosKeepsWhatItsFlagsProtect) {
  HWND w = CreateWindowEx(0, "VmHostWindow", "w", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100, main, nullptr,
                          nullptr, nullptr);
  SetWindowPos(w, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.right, 310);
  EXPECT_EQ(r.bottom, 210);
  SetWindowPos(w, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.bottom, 260);

  HWND other = CreateWindowEx(0, "VmHostWindow", "o", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  EXPECT_EQ(GetTopWindow(nullptr), other);
  SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetTopWindow(nullptr), w);
  HWND later = CreateWindowEx(0, "VmHostWindow", "l", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  EXPECT_EQ(GetTopWindow(nullptr), w);  // topmost stays above newer windows
  EXPECT_EQ(GetWindow(w, GW_HWNDNEXT), later);
}

TEST_F(WindowTest, WindowTimersPostTimerMessagesAsTimePasses) {
  HWND panel = CreateHostPanelWindow(main, "Vestamark Inf.", 250, 210);
  savedProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtr(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PanelProc)));
  ASSERT_NE(SetTimer(panel, 1001, 500, nullptr), 0u);
  AdvanceTime(499);
  EXPECT_EQ(DispatchPostedMessages(), 0);
  AdvanceTime(1);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, panel, WM_TIMER, WM_TIMER, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 1001u);
  EXPECT_EQ(DispatchPostedMessages(), 1);
  EXPECT_EQ(subclassSaw.back(), WM_TIMER);
  AdvanceTime(1500);  // late ticks come as one
  EXPECT_EQ(DispatchPostedMessages(), 1);
  EXPECT_EQ(GetTickCount(), 2000u);
  EXPECT_TRUE(KillTimer(panel, 1001));
  AdvanceTime(1000);
  EXPECT_EQ(DispatchPostedMessages(), 0);
}

TEST_F(WindowTest, DestroyingAParentTakesItsChildrenAndTimersAndMessages) {
  HWND panel = CreateHostPanelWindow(main, "p", 250, 210);
  HWND list = CreateWindowEx(0, "LISTBOX", "", WS_CHILD, 0, 0, 10, 10, panel, nullptr, nullptr, nullptr);
  SetTimer(panel, 1001, 500, nullptr);
  PostMessage(list, WM_LBUTTONUP, 0, 0);
  SetFocus(list);
  EXPECT_TRUE(DestroyWindow(GetParent(panel)));
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(PostedMessageCount(), 0u);
  // Stale handles are refused, never followed.
  EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 0);
  EXPECT_FALSE(DestroyWindow(list));
  EXPECT_FALSE(PostMessage(panel, WM_TIMER, 1001, 0));
  EXPECT_EQ(GetWindowLongPtr(panel, GWLP_WNDPROC), 0);
}

TEST_F(WindowTest, FocusChangesSendKillFocusNotices) {
  std::vector<std::pair<int, int>> notices;
  static std::vector<std::pair<int, int>>* sink;
  sink = &notices;
  HWND panel = CreateHostPanelWindow(main, "p", 250, 210);
  savedProc = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
      panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_COMMAND) sink->push_back({LOWORD(wp), HIWORD(wp)});
        return CallWindowProc(savedProc, w, m, wp, lp);
      })));
  auto make = [&](const char* cls, DWORD style, int id) {
    return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, panel,
                          reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  };
  HWND edit = make("EDIT", 0, 4);
  HWND list = make("LISTBOX", LBS_NOTIFY, 3);
  HWND combo = make("COMBOBOX", CBS_DROPDOWNLIST, 8);
  HWND button = make("BUTTON", BS_PUSHBUTTON, 6);
  for (HWND w : {edit, list, combo, button, edit}) SetFocus(w);
  const std::vector<std::pair<int, int>> expected{{4, EN_SETFOCUS},   {4, EN_KILLFOCUS}, {3, LBN_SETFOCUS},
                                                  {3, LBN_KILLFOCUS}, {8, CBN_SETFOCUS}, {8, CBN_KILLFOCUS},
                                                  {4, EN_SETFOCUS}};
  EXPECT_EQ(notices, expected);  // a plain button tells nothing
}

TEST_F(WindowTest, RegisteredMessagesAreStablePerName) {
  const UINT drag = RegisterWindowMessage(DRAGLISTMSGSTRING);
  EXPECT_GE(drag, 0xC000u);
  EXPECT_EQ(RegisterWindowMessage("commctrl_DragListMsg"), drag);
  EXPECT_NE(RegisterWindowMessage("other"), drag);
  EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST_F(WindowTest, MenusAreBuiltFromTheirResourceLevels) {
  static const MenuItemTemplate items[] = {{"File", 0, 0},      {"Import...", 1, 1}, {nullptr, 0, 1},
                                           {"Export...", 2, 1}, {"Help", 0, 0},      {"About", 9, 1}};
  static const MenuTemplate bar{items, 6};
  RegisterTestResource(RT_MENU, 16500, &bar);
  HMENU menu = LoadMenu(TestInstance(), MAKEINTRESOURCE(16500));
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 2);
  HMENU file = GetSubMenu(menu, 0);
  EXPECT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(GetMenuItemID(file, 2), 2u);
  EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(file, 1, MF_BYPOSITION), MF_SEPARATOR);
  char text[6];
  EXPECT_EQ(GetMenuString(menu, 9, text, sizeof text, MF_BYCOMMAND), 5);
  EXPECT_STREQ(text, "About");
  EXPECT_EQ(EnableMenuItem(menu, 1, MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(menu, 1, MF_BYCOMMAND), MF_GRAYED);
  EXPECT_TRUE(DestroyMenu(menu));
  EXPECT_EQ(GetMenuItemCount(file), -1);
}

}  // namespace
