// The beep, key and button state, the cursor, the input timeline and the drag list.
#include <algorithm>
#include <array>

#include "win_internal.h"

using namespace vmwin;

namespace {

int beeps = 0;
std::array<bool, 256> keys{};
POINT cursor{0, 0};
HWND capture = nullptr;
std::deque<InputStep> timeline;
bool timelineRan = false;
int heldQueries = 0;
// A loop that waits for the button to go up would never end if the driver left it down with no
// timeline; after this many queries the user lets go.
constexpr int kHeldQueriesBeforeRelease = 100000;

void MoveCursorTo(POINT p) {
  if (p.x == cursor.x && p.y == cursor.y) return;
  cursor = p;
  HWND target = IsLive(capture) ? capture : WindowFromPoint(p);
  if (target == nullptr) return;
  POINT client = p;
  ScreenToClient(target, &client);
  PostMessage(target, WM_MOUSEMOVE, keys[VK_LBUTTON] ? MK_LBUTTON : 0,
              MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
}

// A query of the left button moves the timeline on.
void AdvanceTimeline() {
  if (timeline.empty()) {
    if (timelineRan) {
      keys[VK_LBUTTON] = keys[VK_RBUTTON] = keys[VK_MBUTTON] = false;
      timelineRan = false;
    }
    heldQueries = keys[VK_LBUTTON] ? heldQueries + 1 : 0;
    if (heldQueries >= kHeldQueriesBeforeRelease) {
      keys[VK_LBUTTON] = false;
      heldQueries = 0;
    }
    return;
  }
  heldQueries = 0;
  InputStep& step = timeline.front();
  keys[VK_LBUTTON] = step.leftDown;
  MoveCursorTo({step.x, step.y});
  if (--step.reads <= 0) timeline.pop_front();
}

int16_t KeyBits(int key) {
  if (key < 0 || key > 255) return 0;
  if (key == VK_SHIFT) return keys[VK_SHIFT] || keys[0xA0] || keys[0xA1] ? static_cast<int16_t>(0x8000) : 0;
  if (key == VK_CONTROL)
    return keys[VK_CONTROL] || keys[0xA2] || keys[0xA3] ? static_cast<int16_t>(0x8000) : 0;
  return keys[size_t(key)] ? static_cast<int16_t>(0x8000) : 0;
}

}  // namespace

namespace vmwin {

int BeepCount() { return beeps; }

void SetKeyDown(int virtualKey, bool down) {
  if (virtualKey >= 0 && virtualKey < 256) keys[size_t(virtualKey)] = down;
}

void SetCursorPosition(int x, int y) { cursor = {x, y}; }

void PlayInputTimeline(std::vector<InputStep> steps) {
  timeline.assign(steps.begin(), steps.end());
  timelineRan = !timeline.empty();
}

bool InputTimelineRunning() { return !timeline.empty(); }

void ResetInput() {
  beeps = 0;
  keys.fill(false);
  cursor = {0, 0};
  capture = nullptr;
  timeline.clear();
  timelineRan = false;
  heldQueries = 0;
}

}  // namespace vmwin

BOOL MessageBeep(UINT) {
  ++beeps;
  return TRUE;
}

int16_t GetAsyncKeyState(int key) {
  if (key == VK_LBUTTON) AdvanceTimeline();
  return KeyBits(key);
}

int16_t GetKeyState(int key) { return KeyBits(key); }

BOOL GetCursorPos(LPPOINT point) {
  if (point == nullptr) return FALSE;
  *point = cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  MoveCursorTo({x, y});
  return TRUE;
}

HWND SetCapture(HWND window) {
  HWND old = IsLive(capture) ? capture : nullptr;
  capture = IsLive(window) ? window : nullptr;
  return old;
}

BOOL ReleaseCapture() {
  capture = nullptr;
  return TRUE;
}

HWND GetCapture() { return IsLive(capture) ? capture : nullptr; }

void InitCommonControls() {}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) { return init != nullptr ? TRUE : FALSE; }

BOOL MakeDragList(HWND list) {
  if (!IsLive(list) || list->classKey != "LISTBOX" || !IsSingleSelectionList(list)) return FALSE;
  list->dragList = true;
  RegisterWindowMessage(DRAGLISTMSGSTRING);
  return TRUE;
}

int LBItemFromPt(HWND list, POINT screenPoint, BOOL) {
  if (!IsLive(list)) return -1;
  POINT p = screenPoint;
  ScreenToClient(list, &p);
  bool outside = false;
  const int index = ListItemFromPoint(list, p, &outside);
  return outside ? -1 : index;
}
