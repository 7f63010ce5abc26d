// Lists, combo boxes, buttons and edits as the panels and dialogs use them.
#include <algorithm>
#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "common/plugin_globals.h"
#include "support/win_fixture.h"

namespace {

using namespace vmwin;

std::vector<DRAWITEMSTRUCT> drawn;
std::vector<UINT> ctlColorFor;
HBRUSH panelBrush = nullptr;

LRESULT ParentProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DRAWITEM) {
    drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    return TRUE;
  }
  if (m == WM_CTLCOLORLISTBOX) {
    ctlColorFor.push_back(m);
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    return reinterpret_cast<LRESULT>(panelBrush);
  }
  return DefWindowProc(w, m, wp, lp);
}

class ControlsTest : public WinLayerTest {
 protected:
  void SetUp() override {
    WinLayerTest::SetUp();
    drawn.clear();
    ctlColorFor.clear();
    static bool registered = false;
    if (!registered) {
      WNDCLASS wc{};
      wc.lpfnWndProc = ParentProc;
      wc.lpszClassName = "TestParent";
      registered = RegisterClass(&wc) != 0;
    }
    parent = CreateWindowEx(0, "TestParent", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 300, nullptr, nullptr,
                            nullptr, nullptr);
    panelBrush = CreateSolidBrush(RGB(0x32, 0x32, 0x32));
  }
  HWND Make(const char* cls, DWORD style, int id, int height = 100) {
    return CreateWindowEx(0, cls, "", WS_CHILD | WS_VISIBLE | style, 5, 5, 240, height, parent,
                          reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  }
  static void Add(HWND list, int rows) {
    for (int i = 0; i < rows; ++i) {
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("dummy"));
      SendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(i), 100 + i);
    }
  }
  HWND parent = nullptr;
};

TEST_F(ControlsTest, PanelListIsSingleSelection) {
  HWND list = Make("LISTBOX", 0x50201151, 1);
  Add(list, 4);
  EXPECT_EQ(SendMessage(list, LB_SETSEL, TRUE, 1), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(SendMessage(list, LB_GETSEL, 2, 0), 1);
  EXPECT_EQ(SendMessage(list, LB_GETSEL, 1, 0), 0);
  // A row inserted above keeps the same row selected.
  SendMessage(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("dummy"));
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 3, 0), 102);
  // Deleting the current row leaves no selection.
  EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 3, 0), 4);
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 9, 0), LB_ERR);
  EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 9, 0), LB_ERR);
  char text[16];
  EXPECT_EQ(SendMessage(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, "dummy");
  EXPECT_EQ(SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0), LB_ERR);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 0);
}

// The module copies owner-draw records whole into its deferred commands.
static_assert(sizeof(DRAWITEMSTRUCT) == sizeof(OwnerDrawRecord));
static_assert(offsetof(DRAWITEMSTRUCT, hDC) == offsetof(OwnerDrawRecord, hdc));
static_assert(offsetof(DRAWITEMSTRUCT, rcItem) == offsetof(OwnerDrawRecord, rcItem));
static_assert(offsetof(DRAWITEMSTRUCT, itemData) == offsetof(OwnerDrawRecord, itemData));
static_assert(std::is_same_v<WNDPROC, WindowProcPtr>);

TEST_F(ControlsTest, ItemFromPointTellsRowsAndOutside) {
  HWND list = Make("LISTBOX", 0x50201151, 1);  // rows of 16 px, 100 px high
  Add(list, 3);
  struct {
    int x, y;
    LRESULT expected;
  } cases[] = {
      {10, 0, MAKELONG(0, 0)},   {10, 17, MAKELONG(1, 0)},
      {10, 47, MAKELONG(2, 0)},  {10, 60, MAKELONG(2, 1)},  // below the last row
      {-5, 20, MAKELONG(1, 1)},                             // left of the list
      {10, 150, MAKELONG(2, 1)},                            // below the list
  };
  for (const auto& c : cases)
    EXPECT_EQ(
        SendMessage(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(static_cast<WORD>(c.x), static_cast<WORD>(c.y))),
        c.expected)
        << c.x << "," << c.y;
  RECT r;
  ASSERT_EQ(SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), LB_OKAY);
  EXPECT_EQ(r.top, 16);
  EXPECT_EQ(r.bottom, 32);
  EXPECT_EQ(r.right, 240);
  EXPECT_EQ(SendMessage(list, LB_SETITEMHEIGHT, 0, 256), LB_ERR);
  // A row chosen below the six that show scrolls up to be the last shown; rectangles follow the scroll.
  HWND tall = Make("LISTBOX", 0x50201151, 3);
  Add(tall, 10);
  SendMessage(tall, LB_SETCURSEL, 9, 0);
  EXPECT_EQ(SendMessage(tall, LB_GETTOPINDEX, 0, 0), 4);
  ASSERT_EQ(SendMessage(tall, LB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&r)), LB_OKAY);
  EXPECT_EQ(r.top, 16);
  // With several rows chosen, -1 takes them all back and a row chosen has the caret.
  HWND many = Make("LISTBOX", 0x50201151 | LBS_EXTENDEDSEL, 4);
  Add(many, 3);
  SendMessage(many, LB_SETSEL, TRUE, 2);
  EXPECT_EQ(SendMessage(many, LB_GETCARETINDEX, 0, 0), 2);
  SendMessage(many, LB_SETSEL, FALSE, -1);
  EXPECT_EQ(SendMessage(many, LB_GETSELCOUNT, 0, 0), 0);
  Add(list, 0);
  HWND empty = Make("LISTBOX", 0x50201151, 2);
  EXPECT_EQ(HIWORD(static_cast<uintptr_t>(SendMessage(empty, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5)))), 1);
}

TEST_F(ControlsTest, OwnerDrawnListReportsItsRowsWhenPainted) {
  HWND list = Make("LISTBOX", 0x50201151, 1, 50);
  SendMessage(list, LB_SETITEMHEIGHT, 0, 20);
  Add(list, 4);
  SendMessage(list, LB_SETCURSEL, 1, 0);
  drawn.clear();
  PaintInvalidWindows();
  // Only the rows that show (50 px of 20-px rows) are drawn.
  ASSERT_EQ(drawn.size(), 3u);
  for (UINT i = 0; i < 3; ++i) {
    EXPECT_EQ(drawn[i].CtlType, ODT_LISTBOX);
    EXPECT_EQ(drawn[i].CtlID, 1u);
    EXPECT_EQ(drawn[i].itemID, i);
    EXPECT_EQ(drawn[i].itemData, 100u + i);
    EXPECT_EQ(drawn[i].hwndItem, list);
    EXPECT_EQ(drawn[i].rcItem.top, static_cast<LONG>(20 * i));
    EXPECT_EQ((drawn[i].itemState & ODS_SELECTED) != 0, i == 1);
  }
  EXPECT_EQ(ctlColorFor.size(), 1u);
  const auto& records = DrawingOf(list);
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records[0].op, DrawRecord::Op::FillRect);
  EXPECT_EQ(records[0].brushColor, RGB(0x32, 0x32, 0x32));
  // The context stays usable after the paint, for a painter that runs later.
  EXPECT_TRUE(MoveToEx(drawn[0].hDC, 0, 0, nullptr));
  EXPECT_TRUE(LineTo(drawn[0].hDC, 10, 0));
  drawn.clear();
  PaintInvalidWindows();
  EXPECT_TRUE(drawn.empty());  // nothing changed, nothing repainted
  InvalidateRect(list, nullptr, FALSE);
  UpdateWindow(list);
  EXPECT_EQ(drawn.size(), 3u);
  SendMessage(list, LB_DELETESTRING, 0, 0);  // when idle, the change is painted
  SendMessage(list, LB_DELETESTRING, 0, 0);
  drawn.clear();
  PumpMessages();
  EXPECT_EQ(drawn.size(), 2u);
}

TEST_F(ControlsTest, ComboBoxKeepsItsEntriesAndText) {
  HWND combo = Make("COMBOBOX", CBS_DROPDOWNLIST, 24);
  for (const char* t : {"mm", "cm", "in"}) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
  EXPECT_EQ(SendMessage(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("pt")), 0);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 2, 0), 2);
  char text[8];
  GetWindowText(combo, text, sizeof text);
  EXPECT_STREQ(text, "cm");
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXTLEN, 3, 0), 2);
  SendMessage(combo, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "in");
  EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, 4, reinterpret_cast<LPARAM>(text)), CB_ERR);
  EXPECT_EQ(SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("IN")),
            3);
  SendMessage(combo, CB_DELETESTRING, 2, 0);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  SendMessage(combo, CB_SETCURSEL, 0, 0);
  SendMessage(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 0);
  GetWindowText(combo, text, sizeof text);
  EXPECT_STREQ(text, "");

  // An editable combo keeps typed text.
  HWND editable = Make("COMBOBOX", CBS_DROPDOWN, 19);
  SetWindowText(editable, "75");
  GetWindowText(editable, text, sizeof text);
  EXPECT_STREQ(text, "75");
}

TEST_F(ControlsTest, CheckBoxesFollowTheirStyles) {
  struct {
    DWORD style;
    std::vector<int> afterClicks;
  } cases[] = {
      {BS_AUTOCHECKBOX, {1, 0, 1}},
      {BS_AUTO3STATE, {1, 2, 0, 1}},
      {BS_CHECKBOX, {0, 0}},  // the procedure decides
  };
  int id = 30;
  for (const auto& c : cases) {
    HWND box = Make("BUTTON", c.style, ++id);
    for (size_t i = 0; i < c.afterClicks.size(); ++i) {
      SendMessage(box, BM_CLICK, 0, 0);
      EXPECT_EQ(SendMessage(box, BM_GETCHECK, 0, 0), c.afterClicks[i])
          << "style " << c.style << " click " << i;
    }
  }
  // A three-state box made two-state leaves indeterminate on the next click as checked.
  HWND balance = Make("BUTTON", BS_AUTO3STATE, 22);
  SendMessage(balance, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessage(balance, BM_SETSTYLE, BS_AUTOCHECKBOX, TRUE);
  SendMessage(balance, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessage(balance, BM_GETCHECK, 0, 0), BST_CHECKED);
  // A two-state box shows "indeterminate" as checked.
  HWND plain = Make("BUTTON", BS_AUTOCHECKBOX, 23);
  SendMessage(plain, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(SendMessage(plain, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ControlsTest, AutoRadioButtonsClearTheirGroup) {
  HWND a = Make("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 41);
  HWND b = Make("BUTTON", BS_AUTORADIOBUTTON, 42);
  HWND c = Make("BUTTON", BS_AUTORADIOBUTTON, 43);
  HWND other = Make("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 44);
  SendMessage(other, BM_SETCHECK, BST_CHECKED, 0);
  SendMessage(a, BM_CLICK, 0, 0);
  SendMessage(c, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessage(a, BM_GETCHECK, 0, 0), 0);
  EXPECT_EQ(SendMessage(b, BM_GETCHECK, 0, 0), 0);
  EXPECT_EQ(SendMessage(c, BM_GETCHECK, 0, 0), 1);
  EXPECT_EQ(SendMessage(other, BM_GETCHECK, 0, 0), 1);
  CheckRadioButton(parent, 41, 43, 42);
  EXPECT_EQ(IsDlgButtonChecked(parent, 42), 1u);
  EXPECT_EQ(IsDlgButtonChecked(parent, 43), 0u);
}

TEST_F(ControlsTest, AReplacementThatCannotBeUndoneAlsoEndsTheEarlierUndo) {
  HWND edit = Make("EDIT", 0, 4);
  SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("ab"));
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO, 0, 0), TRUE);
  SendMessage(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("cd"));
  EXPECT_EQ(SendMessage(edit, EM_CANUNDO, 0, 0), FALSE);
  EXPECT_EQ(SendMessage(edit, EM_UNDO, 0, 0), FALSE);
  char text[16];
  GetWindowText(edit, text, sizeof text);
  EXPECT_STREQ(text, "abcd");
}

TEST_F(ControlsTest, EditLimitsNeverSplitACharacter) {
  HWND edit = Make("EDIT", 0, 4);
  SendMessage(edit, EM_LIMITTEXT, 5, 0);
  SendMessage(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("ab\x93\xFA\x96\x7B"));  // "ab日本"
  char text[16];
  GetWindowText(edit, text, sizeof text);
  EXPECT_STREQ(text, "ab\x93\xFA");
  DWORD start = 9, end = 9;
  SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 4u);
  EXPECT_EQ(end, 4u);
  SendMessage(edit, EM_SETSEL, 0, -1);
  SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 4u);
  // Typed characters go in at the caret.
  SendMessage(edit, EM_SETSEL, 0, 0);
  SendMessage(edit, EM_LIMITTEXT, 0, 0);
  SendMessage(edit, WM_CHAR, 'x', 0);
  SendMessage(edit, WM_CHAR, '\r', 0);
  GetWindowText(edit, text, sizeof text);
  EXPECT_STREQ(text, "xab\x93\xFA");
  SetWindowText(edit, "ab\x93\xFA");
  // A dialog reading into a small field gets whole characters only.
  char small[4];
  EXPECT_EQ(GetWindowText(edit, small, sizeof small), 2);
  EXPECT_STREQ(small, "ab");
}

TEST_F(ControlsTest, PickingFromAnOwnerDrawnComboShowsItsRowsThenTellsTheDialog) {
  static const DialogItemTemplate items[] = {
      {8, "COMBOBOX", "", CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10, 10, 150, 120}};
  static const DialogTemplate files{"Preset config", WS_CAPTION, 200, 150, items, 1};
  RegisterTestResource(RT_DIALOG, 16162, &files);
  static std::vector<int> selections;
  selections.clear();
  ScriptDialog(16162, {PickItem(8, 2), PressEscape()});
  DialogBoxParam(
      TestInstance(), MAKEINTRESOURCE(16162), nullptr,
      [](HWND d, UINT m, WPARAM wp, LPARAM lp) -> INT_PTR {
        if (m == WM_INITDIALOG)
          for (const char* t : {"Untitled", "-", "Save", "Save As...", "Delete"})
            SendDlgItemMessage(d, 8, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
        if (m == WM_DRAWITEM) drawn.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        if (m == WM_COMMAND && HIWORD(wp) == CBN_SELCHANGE)
          selections.push_back(static_cast<int>(SendDlgItemMessage(d, 8, CB_GETCURSEL, 0, 0)));
        if (m == WM_COMMAND && LOWORD(wp) == IDCANCEL) EndDialog(d, 2);
        return m == WM_INITDIALOG || m == WM_COMMAND;
      },
      0);
  EXPECT_EQ(selections, std::vector<int>{2});
  std::vector<UINT> rows;
  for (const DRAWITEMSTRUCT& d : drawn)
    if (d.CtlType == ODT_COMBOBOX && !(d.itemState & ODS_COMBOBOXEDIT)) rows.push_back(d.itemID);
  EXPECT_EQ(rows, (std::vector<UINT>{0, 1, 2, 3, 4}));
  const auto highlighted = std::find_if(drawn.begin(), drawn.end(), [](const DRAWITEMSTRUCT& d) {
    return !(d.itemState & ODS_COMBOBOXEDIT) && (d.itemState & ODS_SELECTED);
  });
  ASSERT_NE(highlighted, drawn.end());
  EXPECT_EQ(highlighted->itemID, 2u);
}

// The preset dialog's drag: a begin-drag notice, then a loop on the button state.
struct DragSeen {
  UINT message = 0;
  UINT notification = 0;
  int sourceRow = -1;
  int targetRow = -1;
  int polls = 0;
  size_t movesLeft = 0;
} dragSeen;
UINT dragMessage = 0;

LRESULT DragParentProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == dragMessage && m != 0) {
    const auto* info = reinterpret_cast<const DRAGLISTINFO*>(lp);
    dragSeen.message = m;
    dragSeen.notification = info->uNotification;
    dragSeen.sourceRow = LBItemFromPt(info->hWnd, info->ptCursor, FALSE);
    while (GetAsyncKeyState(VK_LBUTTON) & 0x8000) {
      ++dragSeen.polls;
      POINT p;
      GetCursorPos(&p);
      dragSeen.targetRow = LBItemFromPt(info->hWnd, p, FALSE);
      MSG msg;
      while (PeekMessage(&msg, info->hWnd, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
      }
      if (dragSeen.polls > 1000) break;
    }
    MSG msg;
    while (PeekMessage(&msg, info->hWnd, WM_MOUSEMOVE, WM_MOUSELAST, PM_REMOVE)) {
    }
    dragSeen.movesLeft = PostedMessageCount();
    return TRUE;
  }
  return DefWindowProc(w, m, wp, lp);
}

TEST_F(ControlsTest, DragListTellsItsParentAndTheDragEndsWithTheButton) {
  static const DialogItemTemplate items[] = {
      {3, "LISTBOX", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL, 10, 10, 200, 100}};
  static const DialogTemplate presets{"Preset config", WS_CAPTION, 240, 140, items, 1};
  RegisterTestResource(RT_DIALOG, 16161, &presets);
  InitCommonControls();
  dragSeen = DragSeen{};
  dragMessage = 0;
  ScriptDialog(16161, {Do([](HWND d) {
                         HWND list = GetDlgItem(d, 3);
                         for (int i = 0; i < 4; ++i)
                           SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("row"));
                         SendMessage(list, LB_SETITEMHEIGHT, 0, 20);
                         ASSERT_TRUE(MakeDragList(list));
                         dragMessage = RegisterWindowMessage(DRAGLISTMSGSTRING);
                         SetWindowLongPtr(d, DWLP_DLGPROC, 0);
                         SetWindowLongPtr(d, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DragParentProc));
                       }),
                       DragItem(3, 0, 2), PressEscape()});
  DialogBoxParam(
      TestInstance(), MAKEINTRESOURCE(16161), nullptr,
      [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; }, 0);
  EXPECT_EQ(dragSeen.notification, 1157u);
  EXPECT_EQ(dragSeen.sourceRow, 0);
  EXPECT_EQ(dragSeen.targetRow, 2);
  EXPECT_GT(dragSeen.polls, 3);
  EXPECT_LT(dragSeen.polls, 1000);
  EXPECT_EQ(dragSeen.movesLeft, 0u);
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

}  // namespace
