// The driver's side of the stand-in system, for tests and the headless host: the scripted user,
// the input timeline, time, timers, posted messages, and what was drawn, beeped and shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win_api.h"

namespace vmwin {

// ---- the scripted user ----
struct UserAction {
  enum class Kind {
    SetText,           // focus the control and type `text` over its content (edit, editable combo)
    SelectText,        // focus an edit and select [value, value2)
    ReplaceSelection,  // focus an edit and type `text` over its selection
    Click,             // click a button, check box or radio button
    Check,             // click a check box or radio button until it shows `value`
    PickItem,          // choose row `value` of a combo box or list box
    PickItemText,      // choose the row reading `text`
    DoubleClickItem,   // double-click row `value` of a list box
    ClickItemAt,       // click a list box at client point (value, value2)
    DragItem,          // drag row `value` of a drag list onto row `value2`
    Focus,             // move the focus to the control
    PressEnter,        // the default button, without moving the focus
    PressEscape,       // cancel
    Do,                // run `custom` with the dialog
  };
  Kind kind;
  int control = 0;
  int value = 0;
  int value2 = 0;
  std::string text;  // code page 932
  std::function<void(HWND dialog)> custom;
};

UserAction SetText(int control, std::string text);
UserAction SelectText(int control, int start, int end);
UserAction ReplaceSelection(int control, std::string text);
UserAction Click(int control);
UserAction Check(int control, int state);
UserAction PickItem(int control, int index);
UserAction PickItemText(int control, std::string text);
UserAction DoubleClickItem(int control, int index);
UserAction ClickItemAt(int control, int x, int y);
UserAction DragItem(int control, int fromRow, int toRow);
UserAction Focus(int control);
UserAction PressEnter();
UserAction PressEscape();
UserAction Do(std::function<void(HWND dialog)> action);

// The next dialog, message box or open-file dialog to appear takes the first step of the script.
// A dialog step names its template id (0: whichever dialog opens). A dialog whose actions are spent
// and that is still open is cancelled; a dialog that opens with no step waiting is cancelled too.
void ScriptDialog(int templateId, std::vector<UserAction> actions);
// A dialog step for whichever of these templates opens (a dialog has a copy per language; none:
// any dialog). A step's tag comes back with a dialog that opened while it waited and did not fit.
void ScriptDialogOf(std::vector<int> templateIds, std::vector<UserAction> actions, int tag = 0);
void ScriptMessageBox(int answer, int tag = 0);             // IDOK, IDCANCEL, IDYES, ...
void ScriptOpenFile(std::string windowsPath, int tag = 0);  // empty: the user cancels
size_t ScriptStepsLeft();
// The user acts at once on a control of any window (a panel, say), as a dialog script would.
void PerformUserAction(HWND window, const UserAction& action);
void ClearScript();

// The first script step that was waiting when a dialog opened that it did not fit.
struct WaitingAnswer {
  enum class Kind { None, Dialog, MessageBox, OpenFile } kind = Kind::None;
  std::vector<int> templateIds;  // of a dialog step
  int tag = 0;
};
struct ShownDialog {
  int templateId;
  INT_PTR result;
  bool scripted;
  WaitingAnswer waiting;  // unscripted dialogs only; kind None when nothing was waiting
  bool centredOnTop;      // once its procedure had seen WM_INITDIALOG: centred on the desktop and topmost
};
struct ShownMessageBox {
  std::string text;
  std::string caption;
  UINT type;
  int answer;
};
const std::vector<ShownDialog>& ShownDialogs();
const std::vector<ShownMessageBox>& ShownMessageBoxes();

// ---- input ----
void SetKeyDown(int virtualKey, bool down);
void SetCursorPosition(int x, int y);
// Button state and cursor over time: each query of the left button's state takes the next step
// (a step lasts `reads` queries); when the steps run out every button is up.
struct InputStep {
  bool leftDown;
  int x, y;
  int reads = 1;
};
void PlayInputTimeline(std::vector<InputStep> steps);
bool InputTimelineRunning();

// ---- time, timers and messages ----
void SetTickCount(DWORD ticks);
// Moves the clock on; each window timer that fell due posts one WM_TIMER (or calls its procedure).
void AdvanceTime(DWORD milliseconds);
// Delivers every posted message (and those posted meanwhile); returns how many.
int DispatchPostedMessages();
size_t PostedMessageCount();
// What the system does while the application is idle: posted messages are dispatched and invalid
// windows painted, until neither is left (or a bound is reached). Returns the messages dispatched.
int PumpMessages();
// Paints the windows that were invalidated: owner-drawn lists, combo boxes and buttons send
// WM_DRAWITEM for their rows to their parents.
void PaintInvalidWindows();

// ---- what the user sees ----
int BeepCount();
// Files FlushFileBuffers has written to the disk since the program started.
int FlushedFiles();

struct DrawRecord {
  enum class Op { Line, Rectangle, Ellipse, FillRect, FrameRect, FocusRect, Text, Icon, BitBlt, Pixel };
  Op op;
  int rop2 = R2_COPYPEN;
  POINT from{}, to{};  // lines
  RECT rect{};         // shapes, fills, blits (destination), icons (32 x 32)
  COLORREF penColor = 0;
  int penWidth = 0;
  COLORREF brushColor = 0;
  bool hollowBrush = false;
  COLORREF textColor = 0;
  int bkMode = OPAQUE;
  UINT textAlign = 0;
  std::string text;
  std::string fontFace;
  int fontHeight = 0;
  int resourceId = 0;  // icons
};
// What was drawn on a window (the screen for the desktop window), in order.
const std::vector<DrawRecord>& DrawingOf(HWND window);
const std::vector<DrawRecord>& DrawingOf(HDC dc);
void ClearDrawing(HWND window);
COLORREF PixelAt(HWND window, int x, int y);
constexpr COLORREF kBlankPixel = 0xFFFFFF;

int CurrentCursorId();  // resource id of the cursor set last (system cursors: their ids), 0 none
HWND FocusedWindow();
std::vector<HWND> OpenDialogs();  // innermost last
int TimerCount(HWND window);

// ---- the module's resources ----
// The ids of every resource of one type that an instance registered, ascending.
std::vector<int> ResourceIds(HINSTANCE instance, int type);

// Destroys every window and forgets all state (script, timers, queue, counters, input, drawing);
// registered resources stay.
void ResetWindowsLayer();

}  // namespace vmwin

namespace vmwin {

// Adds script steps written as text (a session file's lines, UTF-8; texts become code page 932):
//   dialog <template id>...   the actions below go to the first of these dialogs to open (0: any)
//   set <control> <text>      select <control> <start> <end>     replace <control> <text>
//   click <control>           check <control> <0|1|2>             focus <control>
//   pick <control> <row>      pick-text <control> <text>          double-click <control> <row>
//   click-at <control> <x> <y>                                    drag <control> <from row> <to row>
//   enter                     escape
//   message-box <ok|cancel|yes|no|abort|retry|ignore>             open-file <path> | open-file cancel
// Texts may be double-quoted (\" and \\ inside). Blank lines and lines starting with "#" are skipped.
// Returns false, with the line and the reason in `error`, at the first line it cannot read; the steps
// before that line stay added. Every step gets `tag`.
bool ScriptFromText(const std::string& text, std::string* error, int tag = 0);
// The words of one such line, quotes undone; false for an unclosed quote.
bool SplitScriptWords(const std::string& line, std::vector<std::string>* words);

}  // namespace vmwin
