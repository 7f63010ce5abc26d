// System services: the beep, time, input state, cursors, icons, strings and common controls.
#pragma once

#include "win_types.h"
#include "win_window.h"

constexpr UINT MB_BEEP_DEFAULT = 0;
BOOL MessageBeep(UINT type);
DWORD GetTickCount();
void Sleep(DWORD milliseconds);

constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_MBUTTON = 0x04;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
int16_t GetAsyncKeyState(int key);  // bit 15 set while the key is down
int16_t GetKeyState(int key);
BOOL GetCursorPos(LPPOINT point);
BOOL SetCursorPos(int x, int y);
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();

// Cursors and icons: module resources by id, or the system's with a null instance.
inline LPCSTR const IDC_ARROW = reinterpret_cast<LPCSTR>(uintptr_t{32512});
inline LPCSTR const IDC_IBEAM = reinterpret_cast<LPCSTR>(uintptr_t{32513});
inline LPCSTR const IDC_WAIT = reinterpret_cast<LPCSTR>(uintptr_t{32514});
inline LPCSTR const IDC_CROSS = reinterpret_cast<LPCSTR>(uintptr_t{32515});
inline LPCSTR const IDI_APPLICATION = reinterpret_cast<LPCSTR>(uintptr_t{32512});
inline LPCSTR const IDI_HAND = reinterpret_cast<LPCSTR>(uintptr_t{32513});
inline LPCSTR const IDI_QUESTION = reinterpret_cast<LPCSTR>(uintptr_t{32514});
inline LPCSTR const IDI_EXCLAMATION = reinterpret_cast<LPCSTR>(uintptr_t{32515});
inline LPCSTR const IDI_ASTERISK = reinterpret_cast<LPCSTR>(uintptr_t{32516});
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
inline HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) { return LoadCursor(instance, name); }
HCURSOR SetCursor(HCURSOR cursor);  // the previous cursor
HCURSOR GetCursor();
HICON LoadIcon(HINSTANCE instance, LPCSTR name);
BOOL DestroyIcon(HICON icon);

// String-table text; at most size - 1 bytes and a NUL, never half a double-byte character.
int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size);

// ---- common controls ----
struct INITCOMMONCONTROLSEX {
  DWORD dwSize;
  DWORD dwICC;
};
constexpr DWORD ICC_LISTVIEW_CLASSES = 0x00000001;
constexpr DWORD ICC_WIN95_CLASSES = 0x000000FF;
void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// The drag list: a list box that tells its parent, through the registered message DRAGLISTMSGSTRING,
// when the user starts to drag a row.
inline constexpr const char* DRAGLISTMSGSTRING = "commctrl_DragListMsg";
constexpr UINT DL_BEGINDRAG = WM_USER + 133;
constexpr UINT DL_DRAGGING = WM_USER + 134;
constexpr UINT DL_DROPPED = WM_USER + 135;
constexpr UINT DL_CANCELDRAG = WM_USER + 136;
struct DRAGLISTINFO {
  UINT uNotification;
  HWND hWnd;
  POINT ptCursor;
};
BOOL MakeDragList(HWND list);
int LBItemFromPt(HWND list, POINT screenPoint, BOOL autoScroll);

// Tooltips: a "tooltips_class32" window that keeps its tools' texts.
inline constexpr const char* TOOLTIPS_CLASS = "tooltips_class32";
constexpr UINT TTM_ACTIVATE = WM_USER + 1;
constexpr UINT TTM_ADDTOOL = WM_USER + 4;
constexpr UINT TTM_DELTOOL = WM_USER + 5;
constexpr UINT TTM_UPDATETIPTEXT = WM_USER + 12;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_SUBCLASS = 0x0010;
struct TOOLINFO {
  UINT cbSize;
  UINT uFlags;
  HWND hwnd;
  UINT_PTR uId;
  RECT rect;
  HINSTANCE hinst;
  LPSTR lpszText;
  LPARAM lParam;
};
