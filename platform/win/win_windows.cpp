// Windows: classes, creation and destruction, longs, text, geometry, z-order and relations.
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "win_internal.h"
#include "win_text.h"

using namespace vmwin;

namespace {

struct ClassInfo {
  std::string name;
  WNDPROC proc;
  HINSTANCE instance;
};

std::map<std::string, ClassInfo>& Classes() {
  static auto& classes = *new std::map<std::string, ClassInfo>;
  return classes;
}

std::set<HWND>& LiveWindows() {
  static auto& live = *new std::set<HWND>;
  return live;
}

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

std::vector<HWND>& SiblingsOf(HWND window) {
  return window->parent != nullptr ? window->parent->children : TopLevelWindows();
}

void Unlink(HWND window) {
  if (window->parent != nullptr && !IsLive(window->parent)) return;
  auto& list = SiblingsOf(window);
  list.erase(std::remove(list.begin(), list.end(), window), list.end());
}

HWND Fail(DWORD error) {
  SetLastError(error);
  return nullptr;
}

LRESULT HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(window, message, wParam, lParam);
}

// Places a top-level window in front of the others, behind the topmost ones unless it is one.
void BringToFront(HWND window) {
  auto& list = TopLevelWindows();
  list.erase(std::remove(list.begin(), list.end(), window), list.end());
  auto at = list.begin();
  if (!(window->exStyle & WS_EX_TOPMOST))
    while (at != list.end() && ((*at)->exStyle & WS_EX_TOPMOST)) ++at;
  list.insert(at, window);
}

bool TextMatches(LPCSTR wanted, const std::string& actual) { return wanted == nullptr || actual == wanted; }
bool ClassMatches(LPCSTR wanted, HWND window) {
  if (wanted == nullptr) return true;
  if (IS_INTRESOURCE(wanted)) return false;
  return UpperAscii(wanted) == window->classKey;
}

int CopyTextOut(const std::string& text, LPSTR out, int size) {
  if (size <= 0) return 0;
  return static_cast<int>(CopyWholeChars(text.data(), text.size(), out, static_cast<size_t>(size)));
}

}  // namespace

namespace vmwin {

bool IsLive(HWND window) { return window != nullptr && LiveWindows().count(window) != 0; }

std::vector<HWND>& TopLevelWindows() {
  static auto& windows = *new std::vector<HWND>;
  return windows;
}

HWND DesktopWindow() {
  static HWND desktop = [] {
    auto* w = new HWND__;
    w->magic = kWindowMagic;
    w->className = "#32769";
    w->classKey = "#32769";
    w->proc = HostWindowProc;
    w->style = WS_VISIBLE;
    w->rect = {0, 0, kScreenWidth, kScreenHeight};
    LiveWindows().insert(w);
    return w;
  }();
  return desktop;
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

POINT ClientOriginOnScreen(HWND window) {
  POINT p{0, 0};
  for (HWND w = window; w != nullptr && w != DesktopWindow(); w = w->parent) {
    p.x += w->rect.left;
    p.y += w->rect.top;
  }
  return p;
}

void SendCommand(HWND control, WORD code) {
  if (!IsLive(control) || !IsLive(control->parent)) return;
  SendMessage(control->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->id), code),
              reinterpret_cast<LPARAM>(control));
}

void RegisterBuiltInClasses() {
  auto& classes = Classes();
  if (!classes.empty()) return;
  for (const char* name : {"BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX", "TOOLTIPS_CLASS32"})
    classes[name] = {name, ControlProc, nullptr};
  classes["#32770"] = {"#32770", DialogWindowProc, nullptr};
  classes["VMHOSTWINDOW"] = {"VmHostWindow", HostWindowProc, nullptr};
}

void DestroyAllWindows() {
  while (!TopLevelWindows().empty()) DestroyWindow(TopLevelWindows().front());
}

}  // namespace vmwin

ATOM RegisterClass(const WNDCLASS* windowClass) {
  RegisterBuiltInClasses();
  if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
      windowClass->lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::string key = UpperAscii(windowClass->lpszClassName);
  if (Classes().count(key)) {
    SetLastError(1410);  // class already exists
    return 0;
  }
  Classes()[key] = {windowClass->lpszClassName, windowClass->lpfnWndProc, windowClass->hInstance};
  return static_cast<ATOM>(0xC000 + Classes().size());
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE) {
  if (className == nullptr || IS_INTRESOURCE(className)) return FALSE;
  return Classes().erase(UpperAscii(className)) ? TRUE : FALSE;
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID) {
  RegisterBuiltInClasses();
  if (className == nullptr || IS_INTRESOURCE(className)) return Fail(1407);
  const auto found = Classes().find(UpperAscii(className));
  if (found == Classes().end()) return Fail(1407);  // cannot find the class
  const bool child = (style & WS_CHILD) != 0;
  if (child && !IsLive(parent)) return Fail(ERROR_INVALID_WINDOW_HANDLE);
  if (!child && parent != nullptr && !IsLive(parent)) return Fail(ERROR_INVALID_WINDOW_HANDLE);

  auto* w = new HWND__;
  w->magic = kWindowMagic;
  w->className = found->second.name;
  w->classKey = found->first;
  w->proc = found->second.proc;
  w->style = style;
  w->exStyle = exStyle;
  w->text = text != nullptr && !IS_INTRESOURCE(text) ? text : "";
  w->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};
  w->instance = instance;
  if (child) {
    w->parent = parent;
    w->id = reinterpret_cast<LONG_PTR>(menuOrId);
    parent->children.push_back(w);  // creation order is tab order: new children go to the bottom
  } else {
    w->owner = parent;
    TopLevelWindows().insert(TopLevelWindows().begin(), w);
    BringToFront(w);
  }
  LiveWindows().insert(w);
  SendMessage(w, WM_CREATE, 0, 0);
  if (!IsLive(w)) return nullptr;
  return w;
}

HWND CreateWindow(LPCSTR className, LPCSTR text, DWORD style, int x, int y, int width, int height,
                  HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
  return CreateWindowEx(0, className, text, style, x, y, width, height, parent, menuOrId, instance, param);
}

BOOL DestroyWindow(HWND window) {
  if (!IsLive(window) || window == DesktopWindow()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (window->destroying) return TRUE;
  window->destroying = true;
  SendMessage(window, WM_DESTROY, 0, 0);
  for (HWND child : std::vector<HWND>(window->children))
    if (IsLive(child)) DestroyWindow(child);
  window->children.clear();
  // Owned top-level windows go with their owner.
  std::vector<HWND> owned;
  for (HWND w : TopLevelWindows())
    if (w->owner == window) owned.push_back(w);
  for (HWND w : owned)
    if (IsLive(w)) DestroyWindow(w);
  SendMessage(window, WM_NCDESTROY, 0, 0);
  Unlink(window);
  ForgetTimersOf(window);
  ForgetMessagesOf(window);
  ForgetFocusOf(window);
  ForgetWindowDrawing(window);
  LiveWindows().erase(window);
  delete window;
  return TRUE;
}

BOOL IsWindow(HWND window) { return IsLive(window) ? TRUE : FALSE; }

LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsLive(window)) return 0;
  switch (message) {
    case WM_SETTEXT:
      window->text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      return TRUE;
    case WM_GETTEXT:
      return CopyTextOut(window->text, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_SETFONT:
      window->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(static_cast<uintptr_t>(lParam))) window->needsPaint = true;
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(window->font);
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    default:
      return 0;
  }
}

LRESULT CallWindowProc(WNDPROC proc, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc != nullptr ? proc(window, message, wParam, lParam) : 0;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!IsLive(window) || window->proc == nullptr) return 0;
  return window->proc(window, message, wParam, lParam);
}

LONG_PTR GetWindowLongPtr(HWND window, int index) {
  if (!IsLive(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(window->parent != nullptr ? window->parent : window->owner);
    case GWLP_USERDATA:
      return window->userData;
    case GWLP_ID:
      return window->id;
    case GWL_STYLE:
      return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(window->exStyle);
    case DWLP_MSGRESULT:
      return window->isDialog ? window->msgResult : 0;
    case DWLP_DLGPROC:
      return window->isDialog ? reinterpret_cast<LONG_PTR>(window->dlgProc) : 0;
    case DWLP_USER:
      return window->isDialog ? window->dlgUser : 0;
    default:
      SetLastError(1413);  // invalid index
      return 0;
  }
}

LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value) {
  if (!IsLive(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const LONG_PTR old = GetWindowLongPtr(window, index);
  switch (index) {
    case GWLP_WNDPROC:
      window->proc = reinterpret_cast<WNDPROC>(value);
      break;
    case GWLP_HINSTANCE:
      window->instance = reinterpret_cast<HINSTANCE>(value);
      break;
    case GWLP_USERDATA:
      window->userData = value;
      break;
    case GWLP_ID:
      window->id = value;
      break;
    case GWL_STYLE:
      window->style = static_cast<DWORD>(value);
      break;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(value);
      break;
    case DWLP_MSGRESULT:
      if (window->isDialog) window->msgResult = value;
      break;
    case DWLP_DLGPROC:
      if (window->isDialog) window->dlgProc = reinterpret_cast<DLGPROC>(value);
      break;
    case DWLP_USER:
      if (window->isDialog) window->dlgUser = value;
      break;
    default:
      break;
  }
  return old;
}

LONG GetWindowLong(HWND window, int index) { return static_cast<LONG>(GetWindowLongPtr(window, index)); }
LONG SetWindowLong(HWND window, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtr(window, index, value));
}

BOOL SetWindowText(HWND window, LPCSTR text) {
  if (!IsLive(window)) return FALSE;
  return SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowText(HWND window, LPSTR text, int size) {
  if (text != nullptr && size > 0) text[0] = 0;
  if (!IsLive(window) || text == nullptr || size <= 0) return 0;
  return static_cast<int>(
      SendMessage(window, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLength(HWND window) { return static_cast<int>(SendMessage(window, WM_GETTEXTLENGTH, 0, 0)); }

int GetClassName(HWND window, LPSTR name, int size) {
  if (!IsLive(window)) return 0;
  return CopyTextOut(window->className, name, size);
}

BOOL EnableWindow(HWND window, BOOL enable) {
  if (!IsLive(window)) return FALSE;
  const BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
  }
  if (wasDisabled != (enable ? FALSE : TRUE)) {
    window->needsPaint = true;
    SendMessage(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) { return IsLive(window) && !(window->style & WS_DISABLED) ? TRUE : FALSE; }

BOOL ShowWindow(HWND window, int command) {
  if (!IsLive(window)) return FALSE;
  const BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
  const bool show = command != SW_HIDE;
  if (show) {
    window->style |= WS_VISIBLE;
  } else {
    window->style &= ~WS_VISIBLE;
  }
  if (wasVisible != (show ? TRUE : FALSE)) SendMessage(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  return wasVisible;
}

BOOL IsWindowVisible(HWND window) {
  if (!IsLive(window)) return FALSE;
  for (HWND w = window; w != nullptr; w = w->parent)
    if (!(w->style & WS_VISIBLE)) return FALSE;
  return TRUE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
  if (!IsLive(window) || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const POINT origin = ClientOriginOnScreen(window);
  *rect = {origin.x, origin.y, origin.x + Width(window->rect), origin.y + Height(window->rect)};
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
  if (!IsLive(window) || rect == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *rect = {0, 0, Width(window->rect), Height(window->rect)};
  return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
  if (!IsLive(window) || point == nullptr) return FALSE;
  const POINT origin = ClientOriginOnScreen(window);
  point->x += origin.x;
  point->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
  if (!IsLive(window) || point == nullptr) return FALSE;
  const POINT origin = ClientOriginOnScreen(window);
  point->x -= origin.x;
  point->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  const POINT a = from != nullptr && IsLive(from) ? ClientOriginOnScreen(from) : POINT{0, 0};
  const POINT b = to != nullptr && IsLive(to) ? ClientOriginOnScreen(to) : POINT{0, 0};
  for (UINT i = 0; points != nullptr && i < count; ++i) {
    points[i].x += a.x - b.x;
    points[i].y += a.y - b.y;
  }
  return MAKELONG(static_cast<WORD>(a.x - b.x), static_cast<WORD>(a.y - b.y));
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  if (!IsLive(window) || window == DesktopWindow()) return FALSE;
  if (!(flags & SWP_NOZORDER)) {
    if (window->parent == nullptr) {
      if (insertAfter == HWND_TOPMOST) window->exStyle |= WS_EX_TOPMOST;
      if (insertAfter == HWND_NOTOPMOST) window->exStyle &= ~WS_EX_TOPMOST;
      if (insertAfter == HWND_BOTTOM) {
        Unlink(window);
        TopLevelWindows().push_back(window);
      } else {
        BringToFront(window);
      }
    } else if (insertAfter == HWND_BOTTOM || insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
      auto& list = window->parent->children;
      Unlink(window);
      if (insertAfter == HWND_BOTTOM) {
        list.push_back(window);
      } else {
        list.insert(list.begin(), window);
      }
    }
  }
  const RECT old = window->rect;
  if (!(flags & SWP_NOMOVE)) {
    window->rect.right = x + Width(old);
    window->rect.bottom = y + Height(old);
    window->rect.left = x;
    window->rect.top = y;
  }
  if (!(flags & SWP_NOSIZE)) {
    window->rect.right = window->rect.left + std::max(width, 0);
    window->rect.bottom = window->rect.top + std::max(height, 0);
  }
  if (flags & SWP_SHOWWINDOW) window->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) window->style &= ~WS_VISIBLE;
  SendMessage(window, WM_WINDOWPOSCHANGED, 0, 0);
  if (Width(old) != Width(window->rect) || Height(old) != Height(window->rect)) {
    window->needsPaint = true;
    SendMessage(window, WM_SIZE, 0,
                MAKELPARAM(static_cast<WORD>(Width(window->rect)), static_cast<WORD>(Height(window->rect))));
  }
  if (old.left != window->rect.left || old.top != window->rect.top)
    SendMessage(window, WM_MOVE, 0,
                MAKELPARAM(static_cast<WORD>(window->rect.left), static_cast<WORD>(window->rect.top)));
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

HWND GetDesktopWindow() { return DesktopWindow(); }

HWND GetParent(HWND window) {
  if (!IsLive(window)) return nullptr;
  return window->parent != nullptr ? window->parent : window->owner;
}

HWND GetTopWindow(HWND parent) {
  if (parent == nullptr || parent == DesktopWindow())
    return TopLevelWindows().empty() ? nullptr : TopLevelWindows().front();
  if (!IsLive(parent) || parent->children.empty()) return nullptr;
  return parent->children.front();
}

HWND GetWindow(HWND window, UINT relation) {
  if (!IsLive(window)) return nullptr;
  if (relation == GW_CHILD) return window == DesktopWindow() ? GetTopWindow(nullptr) : GetTopWindow(window);
  if (relation == GW_OWNER) return window->owner;
  if (window == DesktopWindow()) return nullptr;
  const auto& list = SiblingsOf(window);
  const auto at = std::find(list.begin(), list.end(), window);
  if (at == list.end()) return nullptr;
  switch (relation) {
    case GW_HWNDFIRST:
      return list.front();
    case GW_HWNDLAST:
      return list.back();
    case GW_HWNDNEXT:
      return at + 1 != list.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
      return at != list.begin() ? *(at - 1) : nullptr;
    default:
      return nullptr;
  }
}

HWND FindWindowEx(HWND parent, HWND childAfter, LPCSTR className, LPCSTR title) {
  const auto& list = parent == nullptr || parent == DesktopWindow() ? TopLevelWindows()
                     : IsLive(parent)                               ? parent->children
                                                                    : TopLevelWindows();
  if (parent != nullptr && parent != DesktopWindow() && !IsLive(parent)) return nullptr;
  auto at = list.begin();
  if (childAfter != nullptr) {
    at = std::find(list.begin(), list.end(), childAfter);
    if (at == list.end()) return nullptr;
    ++at;
  }
  for (; at != list.end(); ++at)
    if (ClassMatches(className, *at) && TextMatches(title, (*at)->text)) return *at;
  return nullptr;
}

HWND FindWindow(LPCSTR className, LPCSTR title) { return FindWindowEx(nullptr, nullptr, className, title); }

BOOL IsChild(HWND parent, HWND window) {
  if (!IsLive(parent) || !IsLive(window)) return FALSE;
  for (HWND w = window->parent; w != nullptr; w = w->parent)
    if (w == parent) return TRUE;
  return FALSE;
}

namespace {
HWND DeepestAt(const std::vector<HWND>& list, POINT screen) {
  for (HWND w : list) {
    if (!(w->style & WS_VISIBLE)) continue;
    RECT r;
    GetWindowRect(w, &r);
    if (PtInRect(&r, screen)) {
      HWND inner = DeepestAt(w->children, screen);
      return inner != nullptr ? inner : w;
    }
  }
  return nullptr;
}
}  // namespace

HWND WindowFromPoint(POINT point) { return DeepestAt(TopLevelWindows(), point); }

BOOL EnumWindows(WNDENUMPROC callback, LPARAM param) {
  const std::vector<HWND> snapshot = TopLevelWindows();
  for (HWND w : snapshot)
    if (IsLive(w) && !callback(w, param)) return FALSE;
  return TRUE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM param) {
  if (!IsLive(parent)) return FALSE;
  const std::vector<HWND> snapshot = parent->children;
  for (HWND w : snapshot) {
    if (!IsLive(w)) continue;
    if (!callback(w, param)) return FALSE;
    if (!EnumChildWindows(w, callback, param) && IsLive(w) && !w->children.empty()) return FALSE;
  }
  return TRUE;
}

// ---- windows the host owns ----

HWND CreateHostMainWindow(LPCSTR title, int width, int height) {
  return CreateWindowEx(0, "VmHostWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height,
                        nullptr, nullptr, nullptr, nullptr);
}

HWND CreateHostDocumentWindow(HWND mainWindow, LPCSTR title, int x, int y, int width, int height) {
  HWND document = CreateWindowEx(0, "VmHostWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                                 height, mainWindow, nullptr, nullptr, nullptr);
  if (document != nullptr)
    CreateWindowEx(0, "VmHostWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, document,
                   reinterpret_cast<HMENU>(intptr_t{1}), nullptr, nullptr);
  return document;
}

HWND GetHostDocumentView(HWND documentWindow) { return GetTopWindow(documentWindow); }

HWND CreateHostPanelWindow(HWND mainWindow, LPCSTR title, int width, int height) {
  HWND frame = CreateWindowEx(0, "VmHostWindow", title, WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                              mainWindow, nullptr, nullptr, nullptr);
  if (frame == nullptr) return nullptr;
  return CreateWindowEx(0, "VmHostWindow", "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, frame,
                        reinterpret_cast<HMENU>(intptr_t{1}), nullptr, nullptr);
}
