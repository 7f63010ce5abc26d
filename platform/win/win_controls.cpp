// The built-in controls: buttons, edits, statics, list boxes, combo boxes and tooltips.
#include <algorithm>
#include <cstring>

#include "win_internal.h"
#include "win_text.h"

using namespace vmwin;

namespace {

std::string TextParam(LPARAM lParam) {
  return lParam != 0 ? std::string(reinterpret_cast<LPCSTR>(lParam)) : "";
}

bool Notifies(HWND w) { return (w->style & LBS_NOTIFY) != 0; }
bool IsCombo(HWND w) { return w->classKey == "COMBOBOX"; }
bool ComboHasEdit(HWND w) { return (w->style & 3) != CBS_DROPDOWNLIST; }
bool OwnerDrawn(HWND w) {
  return IsCombo(w) ? (w->style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0
                    : (w->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}
bool HasStrings(HWND w) {
  if (!OwnerDrawn(w)) return true;
  return (w->style & (IsCombo(w) ? CBS_HASSTRINGS : LBS_HASSTRINGS)) != 0;
}
bool Sorted(HWND w) { return (w->style & (IsCombo(w) ? CBS_SORT : LBS_SORT)) != 0; }
int Count(HWND w) { return static_cast<int>(w->items.size()); }
bool InRange(HWND w, WPARAM index) {
  return static_cast<intptr_t>(index) >= 0 && static_cast<intptr_t>(index) < Count(w);
}

// ---- items shared by lists and combo boxes ----

LRESULT InsertItem(HWND w, intptr_t index, LPARAM lParam) {
  ListItem item;
  if (HasStrings(w)) {
    item.text = TextParam(lParam);
  } else {
    item.data = static_cast<ULONG_PTR>(lParam);
  }
  if (index == -1 && Sorted(w) && HasStrings(w)) {
    const std::string key = UpperAscii(item.text);
    index = 0;
    while (index < Count(w) && UpperAscii(w->items[size_t(index)].text) <= key) ++index;
  } else if (index == -1) {
    index = Count(w);
  }
  if (index < 0 || index > Count(w)) return LB_ERR;
  w->items.insert(w->items.begin() + index, item);
  if (w->curSel >= index) ++w->curSel;
  w->needsPaint = true;
  return index;
}

LRESULT DeleteItem(HWND w, WPARAM index) {
  if (!InRange(w, index)) return LB_ERR;
  const int i = static_cast<int>(index);
  w->items.erase(w->items.begin() + i);
  if (w->curSel == i) {
    w->curSel = -1;
  } else if (w->curSel > i) {
    --w->curSel;
  }
  if (w->topIndex >= Count(w)) w->topIndex = std::max(0, Count(w) - 1);
  w->needsPaint = true;
  return Count(w);
}

void ResetItems(HWND w) {
  w->items.clear();
  w->curSel = -1;
  w->topIndex = 0;
  w->needsPaint = true;
}

LRESULT FindItem(HWND w, WPARAM start, LPARAM lParam, bool exact) {
  if (!HasStrings(w)) {
    for (int i = 0; i < Count(w); ++i)
      if (w->items[size_t(i)].data == static_cast<ULONG_PTR>(lParam)) return i;
    return LB_ERR;
  }
  const std::string key = UpperAscii(TextParam(lParam));
  const int n = Count(w);
  const int first = InRange(w, start) ? static_cast<int>(start) + 1 : 0;
  for (int k = 0; k < n; ++k) {
    const int i = (first + k) % n;
    const std::string text = UpperAscii(w->items[size_t(i)].text);
    if (exact ? text == key : text.compare(0, key.size(), key) == 0) return i;
  }
  return LB_ERR;
}

LRESULT CopyItemText(HWND w, WPARAM index, LPARAM out) {
  if (!InRange(w, index) || out == 0) return LB_ERR;
  const ListItem& item = w->items[index];
  if (!HasStrings(w)) {
    std::memcpy(reinterpret_cast<void*>(out), &item.data, sizeof item.data);
    return sizeof item.data;
  }
  std::memcpy(reinterpret_cast<char*>(out), item.text.c_str(), item.text.size() + 1);
  return static_cast<LRESULT>(item.text.size());
}

int VisibleRows(HWND w) { return std::max(1, Height(w->rect) / std::max(1, w->itemHeight)); }

void ScrollIntoView(HWND w, int index) {
  if (index < 0) return;
  if (index < w->topIndex) w->topIndex = index;
  if (index >= w->topIndex + VisibleRows(w)) w->topIndex = index - VisibleRows(w) + 1;
}

// ---- list box ----

LRESULT ListProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool single = IsSingleSelectionList(w);
  switch (message) {
    case LB_ADDSTRING:
      return InsertItem(w, -1, lParam);
    case LB_INSERTSTRING:
      return InsertItem(w, static_cast<intptr_t>(wParam) == -1 ? Count(w) : static_cast<intptr_t>(wParam),
                        lParam);
    case LB_DELETESTRING:
      return DeleteItem(w, wParam);
    case LB_RESETCONTENT:
      ResetItems(w);
      return LB_OKAY;
    case LB_GETCOUNT:
      return Count(w);
    case LB_SETSEL: {
      if (single) return LB_ERR;
      const intptr_t index = lParam;
      if (index == -1) {
        for (ListItem& item : w->items) item.selected = wParam != 0;
      } else if (InRange(w, static_cast<WPARAM>(index))) {
        w->items[size_t(index)].selected = wParam != 0;
        w->curSel = static_cast<int>(index);
      } else {
        return LB_ERR;
      }
      w->needsPaint = true;
      return LB_OKAY;
    }
    case LB_SETCURSEL:
      if (!single) return LB_ERR;
      w->needsPaint = true;
      if (!InRange(w, wParam)) {
        w->curSel = -1;
        return LB_ERR;
      }
      w->curSel = static_cast<int>(wParam);
      ScrollIntoView(w, w->curSel);
      return w->curSel;
    case LB_GETSEL:
      if (!InRange(w, wParam)) return LB_ERR;
      return single ? (w->curSel == static_cast<int>(wParam) ? 1 : 0) : (w->items[wParam].selected ? 1 : 0);
    case LB_GETCURSEL:
      return w->curSel;
    case LB_GETSELCOUNT:
      if (single) return LB_ERR;
      return std::count_if(w->items.begin(), w->items.end(), [](const ListItem& i) { return i.selected; });
    case LB_GETTEXT:
      return CopyItemText(w, wParam, lParam);
    case LB_GETTEXTLEN:
      return InRange(w, wParam)
                 ? static_cast<LRESULT>(HasStrings(w) ? w->items[wParam].text.size() : sizeof(ULONG_PTR))
                 : LB_ERR;
    case LB_GETTOPINDEX:
      return w->topIndex;
    case LB_SETTOPINDEX:
      if (!InRange(w, wParam) && !(wParam == 0 && Count(w) == 0)) return LB_ERR;
      w->topIndex = static_cast<int>(wParam);
      w->needsPaint = true;
      return LB_OKAY;
    case LB_GETITEMRECT: {
      auto* rect = reinterpret_cast<RECT*>(lParam);
      if (rect == nullptr || !InRange(w, wParam)) return LB_ERR;
      const int top = (static_cast<int>(wParam) - w->topIndex) * w->itemHeight;
      *rect = {0, top, Width(w->rect), top + w->itemHeight};
      return LB_OKAY;
    }
    case LB_GETITEMDATA:
      return InRange(w, wParam) ? static_cast<LRESULT>(w->items[wParam].data) : LB_ERR;
    case LB_SETITEMDATA:
      if (!InRange(w, wParam)) return LB_ERR;
      w->items[wParam].data = static_cast<ULONG_PTR>(lParam);
      return LB_OKAY;
    case LB_SETITEMHEIGHT:
      if (LOWORD(static_cast<uintptr_t>(lParam)) > 255) return LB_ERR;
      w->itemHeight = std::max<int>(1, LOWORD(static_cast<uintptr_t>(lParam)));
      w->needsPaint = true;
      return LB_OKAY;
    case LB_GETITEMHEIGHT:
      return w->itemHeight;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
      return FindItem(w, wParam, lParam, message == LB_FINDSTRINGEXACT);
    case LB_SELECTSTRING: {
      const LRESULT found = FindItem(w, wParam, lParam, false);
      if (found == LB_ERR || !single) return found;
      return ListProc(w, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
    }
    case LB_SETCARETINDEX:
      return InRange(w, wParam) ? LB_OKAY : LB_ERR;
    case LB_GETCARETINDEX:
      return w->curSel < 0 ? 0 : w->curSel;
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int index = ListItemFromPoint(w, p, &outside);
      return MAKELONG(static_cast<WORD>(index), outside ? 1 : 0);
    }
    case WM_SETFOCUS:
      if (Notifies(w)) SendCommand(w, LBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (Notifies(w)) SendCommand(w, LBN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProc(w, message, wParam, lParam);
  }
}

// ---- combo box ----

LRESULT ComboProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CB_ADDSTRING:
      return InsertItem(w, -1, lParam);
    case CB_INSERTSTRING:
      return InsertItem(w, static_cast<intptr_t>(wParam) == -1 ? Count(w) : static_cast<intptr_t>(wParam),
                        lParam);
    case CB_DELETESTRING:
      return DeleteItem(w, wParam);
    case CB_RESETCONTENT:
      ResetItems(w);
      w->text.clear();
      return CB_OKAY;
    case CB_GETCOUNT:
      return Count(w);
    case CB_GETCURSEL:
      return w->curSel;
    case CB_SETCURSEL:
      w->needsPaint = true;
      if (!InRange(w, wParam)) {
        w->curSel = -1;
        w->text.clear();
        return CB_ERR;
      }
      w->curSel = static_cast<int>(wParam);
      w->text = w->items[wParam].text;
      return w->curSel;
    case CB_GETLBTEXT:
      return CopyItemText(w, wParam, lParam);
    case CB_GETLBTEXTLEN:
      return InRange(w, wParam)
                 ? static_cast<LRESULT>(HasStrings(w) ? w->items[wParam].text.size() : sizeof(ULONG_PTR))
                 : CB_ERR;
    case CB_GETITEMDATA:
      return InRange(w, wParam) ? static_cast<LRESULT>(w->items[wParam].data) : CB_ERR;
    case CB_SETITEMDATA:
      if (!InRange(w, wParam)) return CB_ERR;
      w->items[wParam].data = static_cast<ULONG_PTR>(lParam);
      return CB_OKAY;
    case CB_SETITEMHEIGHT:
      if (static_cast<intptr_t>(wParam) < -1 || LOWORD(static_cast<uintptr_t>(lParam)) > 255) return CB_ERR;
      if (static_cast<intptr_t>(wParam) != -1)
        w->itemHeight = std::max<int>(1, LOWORD(static_cast<uintptr_t>(lParam)));
      w->needsPaint = true;
      return CB_OKAY;
    case CB_GETITEMHEIGHT:
      return w->itemHeight;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
      return FindItem(w, wParam, lParam, message == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
      const LRESULT found = FindItem(w, wParam, lParam, false);
      return found == CB_ERR ? CB_ERR : ComboProc(w, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    }
    case CB_LIMITTEXT:
      w->limit = wParam != 0 ? wParam : 0x7FFFFFFE;
      return TRUE;
    case CB_GETEDITSEL:
      return MAKELONG(0, static_cast<WORD>(w->text.size()));
    case CB_SETEDITSEL:
      return ComboHasEdit(w) ? TRUE : CB_ERR;
    case CB_SHOWDROPDOWN:
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return FALSE;
    case WM_SETTEXT:
      if (!ComboHasEdit(w)) {
        const LRESULT found = FindItem(w, static_cast<WPARAM>(-1), lParam, true);
        if (found == CB_ERR) return CB_ERR;
        ComboProc(w, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        return TRUE;
      }
      w->text = TextParam(lParam);
      w->needsPaint = true;
      return TRUE;
    case WM_SETFOCUS:
      SendCommand(w, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      SendCommand(w, CBN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProc(w, message, wParam, lParam);
  }
}

// ---- edit ----

void NotifyEditChanged(HWND w) {
  w->needsPaint = true;
  SendCommand(w, EN_UPDATE);
  SendCommand(w, EN_CHANGE);
}

LRESULT EditProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      w->text = TextParam(lParam);
      w->selStart = w->selEnd = 0;
      w->canUndo = false;
      NotifyEditChanged(w);
      return TRUE;
    case EM_GETSEL: {
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(w->selStart);
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(w->selEnd);
      return MAKELONG(static_cast<WORD>(std::min<size_t>(w->selStart, 0xFFFF)),
                      static_cast<WORD>(std::min<size_t>(w->selEnd, 0xFFFF)));
    }
    case EM_SETSEL: {
      const intptr_t start = static_cast<intptr_t>(wParam);
      const intptr_t end = lParam;
      const size_t length = w->text.size();
      if (start == -1) {
        w->selStart = w->selEnd;
        return 0;
      }
      size_t a = start < 0 ? length : std::min<size_t>(static_cast<size_t>(start), length);
      size_t b = end < 0 ? length : std::min<size_t>(static_cast<size_t>(end), length);
      if (a > b) std::swap(a, b);
      w->selStart = a;
      w->selEnd = b;
      return 0;
    }
    case EM_REPLACESEL: {
      std::string insert = TextParam(lParam);
      const size_t start = std::min(w->selStart, w->text.size());
      const size_t end = std::min(std::max(w->selEnd, start), w->text.size());
      const size_t room =
          w->limit > w->text.size() - (end - start) ? w->limit - (w->text.size() - (end - start)) : 0;
      insert.resize(WholeCharsWithin(insert.data(), insert.size(), room));
      if (wParam) {
        w->undoText = w->text;
        w->undoSelStart = w->selStart;
        w->undoSelEnd = w->selEnd;
        w->canUndo = true;
      } else {
        w->canUndo = false;  // an older undo would now lose this edit
      }
      w->text.replace(start, end - start, insert);
      w->selStart = w->selEnd = start + insert.size();
      NotifyEditChanged(w);
      return 0;
    }
    case WM_CHAR: {
      if (wParam < 0x20 && wParam != '\t') return 0;  // single-line edits take no control characters
      const char typed[2] = {static_cast<char>(wParam), 0};
      return EditProc(w, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed));
    }
    case EM_CANUNDO:
      return w->canUndo ? TRUE : FALSE;
    case EM_UNDO:
      if (!w->canUndo) return FALSE;
      std::swap(w->text, w->undoText);
      std::swap(w->selStart, w->undoSelStart);
      std::swap(w->selEnd, w->undoSelEnd);
      NotifyEditChanged(w);
      return TRUE;
    case EM_EMPTYUNDOBUFFER:
      w->canUndo = false;
      return 0;
    case EM_LIMITTEXT:
      w->limit = wParam != 0 ? wParam : 0x7FFFFFFE;
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(w->limit);
    case EM_SETREADONLY:
      if (wParam) {
        w->style |= ES_READONLY;
      } else {
        w->style &= ~ES_READONLY;
      }
      return TRUE;
    case WM_SETFOCUS:
      SendCommand(w, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      SendCommand(w, EN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProc(w, message, wParam, lParam);
  }
}

// ---- button ----

DWORD ButtonType(HWND w) { return w->style & BS_TYPEMASK; }

WPARAM MaxCheck(HWND w) {
  switch (ButtonType(w)) {
    case BS_3STATE:
    case BS_AUTO3STATE:
      return BST_INDETERMINATE;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return BST_CHECKED;
    default:
      return BST_UNCHECKED;
  }
}

LRESULT ButtonProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_GETCHECK:
      return static_cast<LRESULT>(w->check);
    case BM_SETCHECK:
      w->check = std::min(wParam & 3, MaxCheck(w));
      w->needsPaint = true;
      return 0;
    case BM_GETSTATE:
      return static_cast<LRESULT>(w->check | (w->pushed ? BST_PUSHED : 0) |
                                  (GetFocus() == w ? BST_FOCUS : 0));
    case BM_SETSTATE:
      w->pushed = wParam != 0;
      w->needsPaint = true;
      return 0;
    case BM_SETSTYLE:
      w->style = (w->style & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu);
      if (w->check > MaxCheck(w) && ButtonType(w) != BS_AUTOCHECKBOX && ButtonType(w) != BS_CHECKBOX)
        w->check = MaxCheck(w);
      if (LOWORD(static_cast<uintptr_t>(lParam))) w->needsPaint = true;
      return 0;
    case BM_CLICK:
      vmwin::UserClickButton(w, true);
      return 0;
    case WM_SETFOCUS:
      if (w->style & BS_NOTIFY) SendCommand(w, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (w->style & BS_NOTIFY) SendCommand(w, BN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProc(w, message, wParam, lParam);
  }
}

// ---- tooltips ----

LRESULT TooltipProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* info = reinterpret_cast<const TOOLINFO*>(lParam);
  auto& tools = w->tools;
  auto find = [&](UINT_PTR id) {
    return std::find_if(tools.begin(), tools.end(), [&](const auto& t) { return t.first == id; });
  };
  switch (message) {
    case TTM_ADDTOOL:
      if (info == nullptr) return FALSE;
      tools.emplace_back(info->uId,
                         info->lpszText != nullptr && !IS_INTRESOURCE(info->lpszText) ? info->lpszText : "");
      return TRUE;
    case TTM_DELTOOL:
      if (info != nullptr && find(info->uId) != tools.end()) tools.erase(find(info->uId));
      return 0;
    case TTM_UPDATETIPTEXT:
      if (info != nullptr && find(info->uId) != tools.end())
        find(info->uId)->second =
            info->lpszText != nullptr && !IS_INTRESOURCE(info->lpszText) ? info->lpszText : "";
      return 0;
    case TTM_GETTOOLCOUNT:
      return static_cast<LRESULT>(tools.size());
    case TTM_ACTIVATE:
      return 0;
    default:
      return DefWindowProc(w, message, wParam, lParam);
  }
}

void MeasureOwnerDrawn(HWND w, UINT type, UINT item) {
  MEASUREITEMSTRUCT measure{type,
                            static_cast<UINT>(w->id),
                            item,
                            static_cast<UINT>(Width(w->rect)),
                            static_cast<UINT>(w->itemHeight),
                            0};
  SendMessage(w->parent, WM_MEASUREITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&measure));
  if (item != static_cast<UINT>(-1) && measure.itemHeight > 0 && measure.itemHeight <= 255)
    w->itemHeight = static_cast<int>(measure.itemHeight);
}

}  // namespace

namespace vmwin {

bool IsOwnerDrawList(HWND window) {
  return IsLive(window) && (window->classKey == "LISTBOX" || IsCombo(window)) && OwnerDrawn(window);
}

bool IsSingleSelectionList(HWND window) { return !(window->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)); }

int ListItemFromPoint(HWND list, POINT p, bool* outside) {
  const int width = Width(list->rect);
  const int height = Height(list->rect);
  *outside = p.x < 0 || p.y < 0 || p.x >= width || p.y >= height;
  const int y = std::clamp(p.y, 0, std::max(0, height - 1));
  const int index = list->topIndex + y / std::max(1, list->itemHeight);
  if (index >= Count(list)) {
    *outside = true;
    return Count(list) - 1;
  }
  return index;
}

LRESULT ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    if (window->classKey == "LISTBOX" && (window->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
      MeasureOwnerDrawn(window, ODT_LISTBOX, 0);
    if (IsCombo(window) && (window->style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) {
      MeasureOwnerDrawn(window, ODT_COMBOBOX, static_cast<UINT>(-1));
      MeasureOwnerDrawn(window, ODT_COMBOBOX, 0);
    }
    window->needsPaint = true;
    return 0;
  }
  if (window->classKey == "LISTBOX") return ListProc(window, message, wParam, lParam);
  if (window->classKey == "COMBOBOX") return ComboProc(window, message, wParam, lParam);
  if (window->classKey == "EDIT") return EditProc(window, message, wParam, lParam);
  if (window->classKey == "BUTTON") return ButtonProc(window, message, wParam, lParam);
  if (window->classKey == "TOOLTIPS_CLASS32") return TooltipProc(window, message, wParam, lParam);
  return DefWindowProc(window, message, wParam, lParam);
}

void PaintWindow(HWND w) {
  w->needsPaint = false;
  if (!(w->style & WS_VISIBLE)) return;
  HDC dc = OwnDc(w);
  ResetDcState(dc);
  const bool enabled = !(w->style & WS_DISABLED);
  auto drawItem = [&](UINT type, UINT item, UINT state, RECT rect, ULONG_PTR data) {
    DRAWITEMSTRUCT dis{type, static_cast<UINT>(w->id), item, ODA_DRAWENTIRE, state, w, dc, rect, data};
    SendMessage(w->parent, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&dis));
  };
  if (w->classKey == "LISTBOX") {
    auto brush = reinterpret_cast<HBRUSH>(SendMessage(
        w->parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w)));
    RECT client{0, 0, Width(w->rect), Height(w->rect)};
    FillRect(dc, &client, brush != nullptr ? brush : reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (int i = w->topIndex; i < Count(w) && (i - w->topIndex) * w->itemHeight < Height(w->rect); ++i) {
      const int top = (i - w->topIndex) * w->itemHeight;
      const RECT rect{0, top, Width(w->rect), top + w->itemHeight};
      const bool selected = IsSingleSelectionList(w) ? w->curSel == i : w->items[size_t(i)].selected;
      UINT state = (selected ? ODS_SELECTED : 0) | (enabled ? 0 : ODS_DISABLED);
      if (GetFocus() == w && (w->curSel == i || (w->curSel < 0 && i == 0))) state |= ODS_FOCUS;
      if (OwnerDrawn(w)) {
        drawItem(ODT_LISTBOX, static_cast<UINT>(i), state, rect, w->items[size_t(i)].data);
      } else {
        TextOut(dc, rect.left + 2, rect.top, w->items[size_t(i)].text.c_str(),
                static_cast<int>(w->items[size_t(i)].text.size()));
      }
    }
  } else if (IsCombo(w)) {
    const RECT rect{0, 0, Width(w->rect), Height(w->rect)};
    UINT state =
        ODS_COMBOBOXEDIT | (enabled ? 0 : ODS_DISABLED) | (GetFocus() == w ? ODS_SELECTED | ODS_FOCUS : 0);
    if (OwnerDrawn(w)) {
      drawItem(ODT_COMBOBOX, static_cast<UINT>(w->curSel), state, rect,
               w->curSel >= 0 ? w->items[size_t(w->curSel)].data : 0);
    } else {
      TextOut(dc, 2, 0, w->text.c_str(), static_cast<int>(w->text.size()));
    }
  } else if (w->classKey == "BUTTON" && ButtonType(w) == BS_OWNERDRAW) {
    const RECT rect{0, 0, Width(w->rect), Height(w->rect)};
    UINT state =
        (w->pushed ? ODS_SELECTED : 0) | (enabled ? 0 : ODS_DISABLED) | (GetFocus() == w ? ODS_FOCUS : 0);
    drawItem(ODT_BUTTON, 0, state, rect, 0);
  } else {
    SendMessage(w, WM_PAINT, 0, 0);
  }
}

// Scripted drop-down: the rows are shown (drawn) while the user picks one.
void PaintComboRows(HWND w, int highlighted) {
  if (!OwnerDrawn(w)) return;
  HDC dc = OwnDc(w);
  for (int i = 0; i < Count(w); ++i) {
    const RECT rect{0, Height(w->rect) + i * w->itemHeight, Width(w->rect),
                    Height(w->rect) + (i + 1) * w->itemHeight};
    DRAWITEMSTRUCT dis{ODT_COMBOBOX,
                       static_cast<UINT>(w->id),
                       static_cast<UINT>(i),
                       ODA_DRAWENTIRE,
                       i == highlighted ? ODS_SELECTED | ODS_FOCUS : 0u,
                       w,
                       dc,
                       rect,
                       w->items[size_t(i)].data};
    SendMessage(w->parent, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&dis));
  }
}

void UserClickButton(HWND w, bool focus) {
  if (!IsLive(w) || (w->style & WS_DISABLED)) return;
  if (focus) SetFocus(w);
  if (!IsLive(w)) return;
  switch (ButtonType(w)) {
    case BS_AUTOCHECKBOX:
      SendMessage(w, BM_SETCHECK, (w->check & BST_CHECKED) ? BST_UNCHECKED : BST_CHECKED, 0);
      break;
    case BS_AUTO3STATE:
      SendMessage(w, BM_SETCHECK, w->check == BST_INDETERMINATE ? BST_UNCHECKED : w->check + 1, 0);
      break;
    case BS_AUTORADIOBUTTON: {
      // The other auto radio buttons of the group are cleared.
      auto& siblings = w->parent->children;
      auto at = std::find(siblings.begin(), siblings.end(), w);
      auto first = at;
      while (first != siblings.begin() && !((*first)->style & WS_GROUP)) --first;
      for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && ((*it)->style & WS_GROUP)) break;
        if ((*it)->classKey == "BUTTON" && ButtonType(*it) == BS_AUTORADIOBUTTON && *it != w)
          SendMessage(*it, BM_SETCHECK, BST_UNCHECKED, 0);
      }
      SendMessage(w, BM_SETCHECK, BST_CHECKED, 0);
      break;
    }
    default:
      break;
  }
  SendCommand(w, BN_CLICKED);
}

}  // namespace vmwin
