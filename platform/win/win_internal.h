// The stand-in system's own records of windows, drawing surfaces and device contexts.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "win_api.h"
#include "win_driver.h"

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  Surface(int w, int h)
      : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(size_t(width) * height, vmwin::kBlankPixel) {}
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  COLORREF Get(int x, int y) const { return Inside(x, y) ? pixels[size_t(y) * width + x] : 0; }
  void Set(int x, int y, COLORREF c) {
    if (Inside(x, y)) pixels[size_t(y) * width + x] = c & 0xFFFFFF;
  }
};

struct ListItem {
  std::string text;
  ULONG_PTR data = 0;
  bool selected = false;
};

struct GdiState {
  int rop2 = R2_COPYPEN;
  COLORREF penColor = 0;
  int penWidth = 1;
  bool nullPen = false;
  COLORREF brushColor = 0xFFFFFF;
  bool hollowBrush = false;
  COLORREF textColor = 0;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = OPAQUE;
  UINT textAlign = 0;
  std::string fontFace = "System";
  int fontHeight = 16;
  POINT position{};
  HGDIOBJ pen = nullptr;
  HGDIOBJ brush = nullptr;
  HGDIOBJ font = nullptr;
  HGDIOBJ bitmap = nullptr;
};

struct HDC__ {
  uint32_t magic;
  HWND window;  // null for memory contexts
  std::shared_ptr<Surface> surface;
  std::vector<vmwin::DrawRecord>* records;  // the window's, or ownRecords
  std::vector<vmwin::DrawRecord> ownRecords;
  GdiState state;
  POINT origin{};  // where the window's client area lies on its surface
};

struct HWND__ {
  uint32_t magic;
  std::string className;
  std::string classKey;  // upper case
  WNDPROC proc = nullptr;
  HWND parent = nullptr;
  HWND owner = nullptr;
  std::vector<HWND> children;  // top of the z-order first
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT rect{};  // in the parent's client coordinates; the screen's for top-level windows
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  HINSTANCE instance = nullptr;
  bool destroying = false;
  // dialogs
  bool isDialog = false;
  DLGPROC dlgProc = nullptr;
  LONG_PTR msgResult = 0;
  LONG_PTR dlgUser = 0;
  bool ended = false;
  INT_PTR endResult = 0;
  int templateId = 0;
  // controls
  HFONT font = nullptr;
  WPARAM check = BST_UNCHECKED;
  bool pushed = false;
  size_t selStart = 0, selEnd = 0;
  std::string undoText;
  size_t undoSelStart = 0, undoSelEnd = 0;
  bool canUndo = false;
  size_t limit = 30000;
  std::vector<ListItem> items;
  int curSel = -1;
  int topIndex = 0;
  int itemHeight = 16;
  bool dragList = false;
  std::vector<std::pair<UINT_PTR, std::string>> tools;
  bool needsPaint = false;
  // drawing
  std::shared_ptr<Surface> surface;
  std::vector<vmwin::DrawRecord> drawing;
  HDC dc = nullptr;
};

struct HICON__ {
  int resourceId;
  const ImageResource* image;  // null for the system's own
};
struct HCURSOR__ {
  int resourceId;
  const ImageResource* image;
};

constexpr uint32_t kWindowMagic = 0x574E4457;
constexpr uint32_t kDcMagic = 0x44434443;

namespace vmwin {

bool IsLive(HWND window);
HWND DesktopWindow();
std::vector<HWND>& TopLevelWindows();
std::string UpperAscii(std::string text);
int Width(const RECT& r);
int Height(const RECT& r);
POINT ClientOriginOnScreen(HWND window);
void SendCommand(HWND control, WORD code);  // WM_COMMAND from a control to its parent
void RegisterBuiltInClasses();
LRESULT ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintWindow(HWND window);
bool IsOwnerDrawList(HWND window);
bool IsSingleSelectionList(HWND window);
int ListItemFromPoint(HWND list, POINT client, bool* outside);
HDC OwnDc(HWND window);
void ResetDcState(HDC dc);  // the defaults a fresh context has
void ForgetWindowDrawing(HWND window);
void ResetGdi();
void ResetInput();
void ResetDialogs();
void ResetMessages();
void ResetResources();
void UserClickButton(HWND button, bool moveFocus);
void PaintComboRows(HWND combo, int highlighted);
LRESULT DialogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ForgetTimersOf(HWND window);
void ForgetMessagesOf(HWND window);
void ForgetFocusOf(HWND window);
void DestroyAllWindows();
// The modal loop runs these between the user's actions.
bool RunNextScriptedAction(HWND dialog);
void DeliverPostedMessagesFor(HWND dialog);  // until the dialog ends

}  // namespace vmwin
