// Dialogs from the module's templates, run modally by the scripted user; message boxes and the
// open-file dialog answered by the same script.
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "win_internal.h"
#include "win_paths.h"
#include "win_text.h"

using namespace vmwin;

namespace {

struct ScriptStep {
  enum class Kind { Dialog, MessageBox, OpenFile } kind;
  std::vector<int> templateIds;  // a dialog step answers any of these (none: any dialog)
  int tag = 0;
  std::vector<UserAction> actions;
  size_t next = 0;
  int answer = 0;
  std::string path;
};

std::deque<ScriptStep>& Script() {
  static auto& script = *new std::deque<ScriptStep>;
  return script;
}

struct OpenDialog {
  HWND window;
  ScriptStep step;
  bool scripted;
  WaitingAnswer waiting;  // when not scripted
};

// Dialogs being run, innermost last; each holds the script step it took.
std::vector<OpenDialog>& Running() {
  static auto& running = *new std::vector<OpenDialog>;
  return running;
}

std::vector<ShownDialog>& DialogLog() {
  static auto& log = *new std::vector<ShownDialog>;
  return log;
}

std::vector<ShownMessageBox>& MessageBoxLog() {
  static auto& log = *new std::vector<ShownMessageBox>;
  return log;
}

DWORD lastDialogError = 0;
constexpr int kMaxNesting = 32;
constexpr int kMaxDeliveries = 100000;

bool Fits(const ScriptStep& step, ScriptStep::Kind kind, int templateId) {
  if (step.kind != kind) return false;
  const std::vector<int>& ids = step.templateIds;
  return kind != ScriptStep::Kind::Dialog || ids.empty() ||
         std::find(ids.begin(), ids.end(), templateId) != ids.end();
}

// What the first waiting step answers, for a dialog that found it did not fit.
WaitingAnswer Waiting() {
  WaitingAnswer w;
  if (Script().empty()) return w;
  const ScriptStep& step = Script().front();
  w.kind = step.kind == ScriptStep::Kind::Dialog       ? WaitingAnswer::Kind::Dialog
           : step.kind == ScriptStep::Kind::MessageBox ? WaitingAnswer::Kind::MessageBox
                                                       : WaitingAnswer::Kind::OpenFile;
  w.templateIds = step.templateIds;
  w.tag = step.tag;
  return w;
}

bool TakeStep(ScriptStep::Kind kind, int templateId, ScriptStep* out) {
  auto& script = Script();
  if (script.empty() || !Fits(script.front(), kind, templateId)) return false;
  *out = std::move(script.front());
  script.pop_front();
  return true;
}

UserAction Make(UserAction::Kind kind, int control, int value = 0, int value2 = 0, std::string text = {}) {
  UserAction a;
  a.kind = kind;
  a.control = control;
  a.value = value;
  a.value2 = value2;
  a.text = std::move(text);
  return a;
}

HWND FirstTabStop(HWND dialog) {
  for (HWND c : dialog->children)
    if ((c->style & WS_TABSTOP) && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) return c;
  return nullptr;
}

POINT RowCentreOnScreen(HWND list, int row) {
  RECT r{};
  SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  return p;
}

bool IsList(HWND w) { return w->classKey == "LISTBOX"; }
bool IsComboBox(HWND w) { return w->classKey == "COMBOBOX"; }

// A click on a list row: the button is down while the list tells its parent.
void ClickRow(HWND list, int row, POINT screen, bool doubleClick) {
  SetFocus(list);
  if (!IsLive(list)) return;
  if (IsSingleSelectionList(list)) {
    SendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  } else {
    SendMessage(list, LB_SETSEL, SendMessage(list, LB_GETSEL, static_cast<WPARAM>(row), 0) ? FALSE : TRUE,
                row);
  }
  SetCursorPosition(screen.x, screen.y);
  SetKeyDown(VK_LBUTTON, true);
  PlayInputTimeline({{true, screen.x, screen.y, 1}});
  if (list->style & LBS_NOTIFY) SendCommand(list, LBN_SELCHANGE);
  if (doubleClick && IsLive(list) && (list->style & LBS_NOTIFY)) SendCommand(list, LBN_DBLCLK);
  PlayInputTimeline({});
  SetKeyDown(VK_LBUTTON, false);
}

void PickRow(HWND control, int row) {
  if (IsComboBox(control)) {
    SetFocus(control);
    if (!IsLive(control)) return;
    PaintComboRows(control, row);
    SendMessage(control, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendCommand(control, CBN_SELCHANGE);
  } else if (IsList(control)) {
    ClickRow(control, row, RowCentreOnScreen(control, row), false);
  }
}

void TypeText(HWND control, const std::string& text) {
  SetFocus(control);
  if (!IsLive(control)) return;
  if (control->classKey == "EDIT") {
    SendMessage(control, EM_SETSEL, 0, -1);
    SendMessage(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  } else if (IsComboBox(control) && (control->style & 3) != CBS_DROPDOWNLIST) {
    control->text = text.substr(0, std::min(text.size(), control->limit));
    control->needsPaint = true;
    SendCommand(control, CBN_EDITUPDATE);
    SendCommand(control, CBN_EDITCHANGE);
  } else {
    SendMessage(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void DragRow(HWND list, int from, int to) {
  const POINT a = RowCentreOnScreen(list, from);
  const POINT b = RowCentreOnScreen(list, to);
  std::vector<InputStep> steps{{true, a.x, a.y, 2}};
  for (int k = 1; k <= 4; ++k)
    steps.push_back({true, a.x + (b.x - a.x) * k / 4, a.y + (b.y - a.y) * k / 4, 1});
  steps.push_back({true, b.x, b.y, 2});
  steps.push_back({false, b.x, b.y, 1});
  SetFocus(list);
  SetCursorPosition(a.x, a.y);
  SetKeyDown(VK_LBUTTON, true);
  PlayInputTimeline(steps);
  if (list->dragList && IsLive(list->parent)) {
    DRAGLISTINFO info{DL_BEGINDRAG, list, a};
    SendMessage(list->parent, RegisterWindowMessage(DRAGLISTMSGSTRING), static_cast<WPARAM>(list->id),
                reinterpret_cast<LPARAM>(&info));
  }
  PlayInputTimeline({});
  SetKeyDown(VK_LBUTTON, false);
  SetCursorPosition(b.x, b.y);
}

HWND DefaultButton(HWND dialog) {
  for (HWND c : dialog->children)
    if (c->classKey == "BUTTON" && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return c;
  return GetDlgItem(dialog, IDOK);
}

void Perform(HWND dialog, const UserAction& a) {
  HWND control = GetDlgItem(dialog, a.control);
  using K = UserAction::Kind;
  switch (a.kind) {
    case K::PressEnter: {
      HWND button = DefaultButton(dialog);
      if (button != nullptr && !IsWindowEnabled(button)) return;
      const int id = button != nullptr ? static_cast<int>(button->id) : IDOK;
      SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                  reinterpret_cast<LPARAM>(button));
      return;
    }
    case K::PressEscape:
      SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                  reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      return;
    case K::Do:
      if (a.custom) a.custom(dialog);
      return;
    default:
      break;
  }
  // A user cannot act on a control that is missing, hidden or disabled.
  if (control == nullptr || !IsWindowVisible(control) || !IsWindowEnabled(control)) return;
  switch (a.kind) {
    case K::SetText:
      TypeText(control, a.text);
      break;
    case K::SelectText:
      SetFocus(control);
      SendMessage(control, EM_SETSEL, static_cast<WPARAM>(a.value), a.value2);
      break;
    case K::ReplaceSelection:
      SetFocus(control);
      SendMessage(control, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(a.text.c_str()));
      break;
    case K::Click:
      UserClickButton(control, true);
      break;
    case K::Check:
      for (int i = 0; i < 3 && IsLive(control) && static_cast<int>(control->check) != a.value; ++i) {
        UserClickButton(control, true);
        const DWORD type = control->style & BS_TYPEMASK;
        if (type != BS_AUTOCHECKBOX && type != BS_AUTO3STATE && type != BS_AUTORADIOBUTTON) break;
      }
      break;
    case K::PickItem:
      if (a.value >= 0 && a.value < static_cast<int>(control->items.size())) PickRow(control, a.value);
      break;
    case K::PickItemText: {
      const UINT find = IsComboBox(control) ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT;
      const LRESULT row =
          SendMessage(control, find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(a.text.c_str()));
      if (row >= 0) PickRow(control, static_cast<int>(row));
      break;
    }
    case K::DoubleClickItem:
      if (IsList(control) && a.value >= 0 && a.value < static_cast<int>(control->items.size()))
        ClickRow(control, a.value, RowCentreOnScreen(control, a.value), true);
      break;
    case K::ClickItemAt: {
      if (!IsList(control)) break;
      bool outside = false;
      const int row = ListItemFromPoint(control, {a.value, a.value2}, &outside);
      POINT screen{a.value, a.value2};
      ClientToScreen(control, &screen);
      if (!outside) ClickRow(control, row, screen, false);
      break;
    }
    case K::DragItem:
      if (IsList(control)) DragRow(control, a.value, a.value2);
      break;
    case K::Focus:
      SetFocus(control);
      break;
    default:
      break;
  }
}

HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate& t, int id, HWND parent, DLGPROC proc) {
  const RECT desk = DesktopWindow()->rect;
  const int x = (Width(desk) - t.width) / 2;
  const int y = (Height(desk) - t.height) / 2;
  HWND dialog =
      CreateWindowEx(0, "#32770", t.title, (t.style | WS_POPUP) & ~WS_VISIBLE & ~WS_CHILD, x, y, t.width,
                     t.height, IsLive(parent) ? parent : nullptr, nullptr, instance, nullptr);
  if (dialog == nullptr) return nullptr;
  dialog->isDialog = true;
  dialog->dlgProc = proc;
  dialog->templateId = id;
  for (int i = 0; i < t.itemCount && IsLive(dialog); ++i) {
    const DialogItemTemplate& item = t.items[i];
    // As the resource compiler does, controls a user can tab to get the tab stop.
    const std::string cls = item.className != nullptr ? UpperAscii(item.className) : "";
    const bool tabbable = cls == "EDIT" || cls == "LISTBOX" || cls == "COMBOBOX" ||
                          (cls == "BUTTON" && (item.style & BS_TYPEMASK) != BS_GROUPBOX);
    CreateWindowEx(0, item.className, item.text,
                   item.style | WS_CHILD | WS_VISIBLE | (tabbable ? WS_TABSTOP : 0), item.x, item.y,
                   item.width, item.height, dialog, reinterpret_cast<HMENU>(static_cast<intptr_t>(item.id)),
                   instance, nullptr);
  }
  return IsLive(dialog) ? dialog : nullptr;
}

}  // namespace

namespace vmwin {

UserAction SetText(int control, std::string text) {
  return Make(UserAction::Kind::SetText, control, 0, 0, std::move(text));
}
UserAction SelectText(int control, int start, int end) {
  return Make(UserAction::Kind::SelectText, control, start, end);
}
UserAction ReplaceSelection(int control, std::string text) {
  return Make(UserAction::Kind::ReplaceSelection, control, 0, 0, std::move(text));
}
UserAction Click(int control) { return Make(UserAction::Kind::Click, control); }
UserAction Check(int control, int state) { return Make(UserAction::Kind::Check, control, state); }
UserAction PickItem(int control, int index) { return Make(UserAction::Kind::PickItem, control, index); }
UserAction PickItemText(int control, std::string text) {
  return Make(UserAction::Kind::PickItemText, control, 0, 0, std::move(text));
}
UserAction DoubleClickItem(int control, int index) {
  return Make(UserAction::Kind::DoubleClickItem, control, index);
}
UserAction ClickItemAt(int control, int x, int y) {
  return Make(UserAction::Kind::ClickItemAt, control, x, y);
}
UserAction DragItem(int control, int fromRow, int toRow) {
  return Make(UserAction::Kind::DragItem, control, fromRow, toRow);
}
UserAction Focus(int control) { return Make(UserAction::Kind::Focus, control); }
UserAction PressEnter() { return Make(UserAction::Kind::PressEnter, 0); }
UserAction PressEscape() { return Make(UserAction::Kind::PressEscape, 0); }
UserAction Do(std::function<void(HWND)> action) {
  UserAction a = Make(UserAction::Kind::Do, 0);
  a.custom = std::move(action);
  return a;
}

void ScriptDialog(int templateId, std::vector<UserAction> actions) {
  ScriptDialogOf(templateId != 0 ? std::vector<int>{templateId} : std::vector<int>{}, std::move(actions));
}

void ScriptDialogOf(std::vector<int> templateIds, std::vector<UserAction> actions, int tag) {
  ScriptStep step;
  step.kind = ScriptStep::Kind::Dialog;
  step.templateIds = std::move(templateIds);
  step.actions = std::move(actions);
  step.tag = tag;
  Script().push_back(std::move(step));
}

void ScriptMessageBox(int answer, int tag) {
  ScriptStep step;
  step.kind = ScriptStep::Kind::MessageBox;
  step.answer = answer;
  step.tag = tag;
  Script().push_back(std::move(step));
}

void ScriptOpenFile(std::string windowsPath, int tag) {
  ScriptStep step;
  step.kind = ScriptStep::Kind::OpenFile;
  step.path = std::move(windowsPath);
  step.tag = tag;
  Script().push_back(std::move(step));
}

size_t ScriptStepsLeft() { return Script().size(); }

void PerformUserAction(HWND window, const UserAction& action) {
  if (IsLive(window)) Perform(window, action);
}
void ClearScript() { Script().clear(); }
const std::vector<ShownDialog>& ShownDialogs() { return DialogLog(); }
const std::vector<ShownMessageBox>& ShownMessageBoxes() { return MessageBoxLog(); }

std::vector<HWND> OpenDialogs() {
  std::vector<HWND> out;
  for (const OpenDialog& d : Running()) out.push_back(d.window);
  return out;
}

void ResetDialogs() {
  Script().clear();
  Running().clear();
  DialogLog().clear();
  MessageBoxLog().clear();
  lastDialogError = 0;
}

bool RunNextScriptedAction(HWND dialog) {
  for (OpenDialog& d : Running()) {
    if (d.window != dialog) continue;
    if (d.step.next >= d.step.actions.size()) return false;
    const UserAction action = d.step.actions[d.step.next++];
    Perform(dialog, action);
    return true;
  }
  return false;
}

LRESULT DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsLive(window)) return 0;
  if (window->dlgProc != nullptr) {
    const INT_PTR handled = window->dlgProc(window, message, wParam, lParam);
    switch (message) {
      case WM_INITDIALOG:
      case WM_CTLCOLORDLG:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORSTATIC:
        return handled;
      default:
        if (handled) return IsLive(window) ? window->msgResult : 0;
    }
  }
  return DefDlgProc(window, message, wParam, lParam);
}

}  // namespace vmwin

LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    return 0;
  }
  return DefWindowProc(dialog, message, wParam, lParam);
}

// Within a pixel of the desktop's middle on both axes, and kept in front.
static bool IsCentredOnTop(HWND dialog) {
  RECT desktop{}, box{};
  if (!IsLive(dialog) || !GetWindowRect(GetDesktopWindow(), &desktop) || !GetWindowRect(dialog, &box)) return false;
  const bool centred = std::abs(box.left + box.right - desktop.left - desktop.right) <= 2 &&
                       std::abs(box.top + box.bottom - desktop.top - desktop.bottom) <= 2;
  return centred && (GetWindowLongPtr(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

INT_PTR DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param) {
  if (!IS_INTRESOURCE(templateName) || proc == nullptr || Running().size() >= kMaxNesting) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  const int id = LOWORD(reinterpret_cast<uintptr_t>(templateName));
  const auto* t = static_cast<const DialogTemplate*>(FindModuleResource(instance, RT_DIALOG, id));
  if (t == nullptr) {
    SetLastError(ERROR_RESOURCE_NOT_FOUND);
    return -1;
  }
  HWND previousFocus = GetFocus();
  OpenDialog open{nullptr, {}, false, {}};
  open.scripted = TakeStep(ScriptStep::Kind::Dialog, id, &open.step);
  if (!open.scripted) open.waiting = Waiting();
  HWND dialog = CreateDialogWindow(instance, *t, id, parent, proc);
  if (dialog == nullptr) return -1;
  open.window = dialog;
  Running().push_back(std::move(open));
  const bool ownerWasEnabled = IsLive(parent) && IsWindowEnabled(parent);
  if (ownerWasEnabled) EnableWindow(parent, FALSE);

  HWND first = FirstTabStop(dialog);
  if (SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param) && IsLive(dialog) &&
      !dialog->ended) {
    first = FirstTabStop(dialog);
    if (first != nullptr) SetFocus(first);
  }
  if (IsLive(dialog) && !dialog->ended) ShowWindow(dialog, SW_SHOW);
  const bool centredOnTop = IsCentredOnTop(dialog);

  bool cancelled = false;
  int rounds = 0;
  while (IsLive(dialog) && !dialog->ended && ++rounds < kMaxDeliveries) {
    DeliverPostedMessagesFor(dialog);
    if (!IsLive(dialog) || dialog->ended) break;
    PaintInvalidWindows();
    if (!IsLive(dialog) || dialog->ended) break;
    if (RunNextScriptedAction(dialog)) continue;
    if (!cancelled) {
      // Unscripted, or the user is done: the dialog is dismissed as by Escape.
      cancelled = true;
      Perform(dialog, PressEscape());
      continue;
    }
    // A procedure that will not end on cancel cannot be left open forever.
    dialog->ended = true;
    dialog->endResult = IDCANCEL;
  }
  const INT_PTR result = IsLive(dialog) ? (dialog->ended ? dialog->endResult : IDCANCEL) : IDCANCEL;
  bool scripted = false;
  WaitingAnswer waiting;
  for (auto it = Running().begin(); it != Running().end(); ++it)
    if (it->window == dialog) {
      scripted = it->scripted;
      waiting = std::move(it->waiting);
      Running().erase(it);
      break;
    }
  if (IsLive(dialog)) DestroyWindow(dialog);
  if (ownerWasEnabled && IsLive(parent)) EnableWindow(parent, TRUE);
  if (IsLive(previousFocus)) SetFocus(previousFocus);
  DialogLog().push_back({id, result, scripted, std::move(waiting), centredOnTop});
  return result;
}

INT_PTR DialogBox(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc) {
  return DialogBoxParam(instance, templateName, parent, proc, 0);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  if (!IsLive(dialog) || !dialog->isDialog) return FALSE;
  dialog->ended = true;
  dialog->endResult = result;
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
  if (!IsLive(dialog)) return nullptr;
  for (HWND c : dialog->children)
    if (c->id == id) return c;
  SetLastError(1421);  // control id not found
  return nullptr;
}

int GetDlgCtrlID(HWND control) { return IsLive(control) ? static_cast<int>(control->id) : 0; }

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  return control != nullptr ? SendMessage(control, message, wParam, lParam) : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) { return SetWindowText(GetDlgItem(dialog, id), text); }

UINT GetDlgItemText(HWND dialog, int id, LPSTR text, int size) {
  return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), text, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  const std::string text = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
  return SetDlgItemText(dialog, id, text.c_str());
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  char text[64];
  GetDlgItemText(dialog, id, text, sizeof text);
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  const bool ok = end != text && (isSigned || value >= 0) && value <= 0xFFFFFFFFll && value >= INT32_MIN;
  if (translated != nullptr) *translated = ok ? TRUE : FALSE;
  return ok ? static_cast<UINT>(value) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND button = GetDlgItem(dialog, id);
  if (button == nullptr) return FALSE;
  SendMessage(button, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  return static_cast<UINT>(SendDlgItemMessage(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
  if (!IsLive(dialog)) return FALSE;
  for (int id = firstId; id <= lastId; ++id)
    if (HWND b = GetDlgItem(dialog, id))
      SendMessage(b, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
  return TRUE;
}

int MessageBox(HWND, LPCSTR text, LPCSTR caption, UINT type) {
  int answer;
  switch (type & 0xF) {
    case MB_OK:
      answer = IDOK;
      break;
    case MB_YESNO:
      answer = IDNO;
      break;
    case MB_ABORTRETRYIGNORE:
      answer = IDABORT;
      break;
    default:
      answer = IDCANCEL;
  }
  ScriptStep step;
  if (TakeStep(ScriptStep::Kind::MessageBox, 0, &step)) answer = step.answer;
  MessageBoxLog().push_back({text != nullptr ? text : "", caption != nullptr ? caption : "", type, answer});
  return answer;
}

BOOL GetOpenFileName(LPOPENFILENAME ofn) {
  lastDialogError = 0;
  if (ofn == nullptr || ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) {
    lastDialogError = 0x0002;  // initialisation failed
    return FALSE;
  }
  ScriptStep step;
  if (!TakeStep(ScriptStep::Kind::OpenFile, 0, &step) || step.path.empty()) return FALSE;
  // The real dialog will not close on a missing file; the user gives up instead.
  struct stat st;
  const std::string host = HostPathFromWindows(step.path.c_str());
  const bool exists = stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if ((ofn->Flags & OFN_FILEMUSTEXIST) && !exists) return FALSE;
  if (step.path.size() + 1 > ofn->nMaxFile) {
    lastDialogError = FNERR_BUFFERTOOSMALL;
    if (ofn->nMaxFile >= 2) {
      const auto needed = static_cast<WORD>(std::min<size_t>(step.path.size() + 1, 0xFFFF));
      std::memcpy(ofn->lpstrFile, &needed, sizeof needed);
    }
    return FALSE;
  }
  std::memcpy(ofn->lpstrFile, step.path.c_str(), step.path.size() + 1);
  size_t nameAt = 0;
  for (size_t i = 0; i < step.path.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(step.path[i]);
    if (IsCp932Lead(b)) {
      ++i;
    } else if (b == '\\' || b == '/') {
      nameAt = i + 1;
    }
  }
  const size_t dot = step.path.rfind('.');
  ofn->nFileOffset = static_cast<WORD>(nameAt);
  ofn->nFileExtension = static_cast<WORD>(dot != std::string::npos && dot >= nameAt ? dot + 1 : 0);
  if (ofn->lpstrFileTitle != nullptr && ofn->nMaxFileTitle > 0) {
    const std::string name = step.path.substr(nameAt);
    const size_t n = std::min<size_t>(name.size(), ofn->nMaxFileTitle - 1);
    std::memcpy(ofn->lpstrFileTitle, name.data(), n);
    ofn->lpstrFileTitle[n] = 0;
  }
  return TRUE;
}

DWORD CommDlgExtendedError() { return lastDialogError; }

namespace vmwin {

void ResetWindowsLayer() {
  ResetDialogs();
  DestroyAllWindows();
  ResetMessages();
  ResetInput();
  ResetGdi();
  ResetResources();
  SetLastError(0);
}

}  // namespace vmwin
