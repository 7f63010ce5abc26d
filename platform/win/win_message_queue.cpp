// Posted messages, registered message numbers, window timers, the clock, focus and painting.
#include <algorithm>
#include <map>

#include "win_internal.h"

using namespace vmwin;

namespace {

std::deque<MSG>& Queue() {
  static auto& queue = *new std::deque<MSG>;
  return queue;
}

struct Timer {
  HWND window;
  UINT_PTR id;
  UINT period;
  DWORD due;
  TIMERPROC proc;
};

std::vector<Timer>& Timers() {
  static auto& timers = *new std::vector<Timer>;
  return timers;
}

std::map<std::string, UINT>& RegisteredMessages() {
  static auto& messages = *new std::map<std::string, UINT>;
  return messages;
}

DWORD tickCount = 0;
UINT_PTR nextThreadTimerId = 0x7FF0;
HWND focus = nullptr;
HWND active = nullptr;

bool Matches(const MSG& m, HWND window, UINT low, UINT high) {
  if (window != nullptr && m.hwnd != window) return false;
  if (low == 0 && high == 0) return true;
  return m.message >= low && m.message <= high;
}

bool AnyInvalid(HWND w) {
  if (w->needsPaint) return true;
  for (HWND c : w->children)
    if (AnyInvalid(c)) return true;
  return false;
}

void PostTimer(const Timer& t) {
  for (const MSG& m : Queue())
    if (m.message == WM_TIMER && m.hwnd == t.window && m.wParam == t.id) return;  // timers coalesce
  POINT pt;
  GetCursorPos(&pt);
  Queue().push_back({t.window, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc), tickCount, pt});
}

}  // namespace

namespace vmwin {

void ForgetTimersOf(HWND window) {
  auto& timers = Timers();
  timers.erase(
      std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window; }),
      timers.end());
}

void ForgetMessagesOf(HWND window) {
  auto& queue = Queue();
  queue.erase(std::remove_if(queue.begin(), queue.end(), [&](const MSG& m) { return m.hwnd == window; }),
              queue.end());
}

void ForgetFocusOf(HWND window) {
  if (focus == window) focus = nullptr;
  if (active == window) active = nullptr;
}

void ResetMessages() {
  Queue().clear();
  Timers().clear();
  RegisteredMessages().clear();
  tickCount = 0;
  focus = nullptr;
  active = nullptr;
}

void DeliverPostedMessagesFor(HWND dialog) {
  // Like the system's modal loop, every posted message of the thread is dispatched.
  for (int count = 0; !Queue().empty() && count < 100000; ++count) {
    const MSG m = Queue().front();
    Queue().pop_front();
    DispatchMessage(&m);
    if (!IsLive(dialog) || dialog->ended) return;
  }
}

void SetTickCount(DWORD ticks) { tickCount = ticks; }

void AdvanceTime(DWORD milliseconds) {
  tickCount += milliseconds;
  for (Timer& t : Timers()) {
    if (static_cast<int32_t>(tickCount - t.due) < 0) continue;
    PostTimer(t);
    t.due = tickCount + t.period;
  }
}

int DispatchPostedMessages() {
  int count = 0;
  while (!Queue().empty() && count < 100000) {
    const MSG m = Queue().front();
    Queue().pop_front();
    DispatchMessage(&m);
    ++count;
  }
  return count;
}

int PumpMessages() {
  int dispatched = 0;
  for (int round = 0; round < 100; ++round) {
    const int now = DispatchPostedMessages();
    dispatched += now;
    bool invalid = false;
    for (HWND w : TopLevelWindows()) invalid = invalid || AnyInvalid(w);
    if (invalid) PaintInvalidWindows();
    if (now == 0 && !invalid) break;
  }
  return dispatched;
}

size_t PostedMessageCount() { return Queue().size(); }

int TimerCount(HWND window) {
  return static_cast<int>(
      std::count_if(Timers().begin(), Timers().end(), [&](const Timer& t) { return t.window == window; }));
}

HWND FocusedWindow() { return focus; }

void PaintInvalidWindows() {
  // Parents before children; a paint may invalidate again, which waits for the next round.
  std::vector<HWND> order;
  std::vector<HWND> pending = TopLevelWindows();
  while (!pending.empty()) {
    HWND w = pending.front();
    pending.erase(pending.begin());
    order.push_back(w);
    pending.insert(pending.end(), w->children.begin(), w->children.end());
  }
  for (HWND w : order)
    if (IsLive(w) && w->needsPaint) PaintWindow(w);
}

}  // namespace vmwin

BOOL PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window != nullptr && !IsLive(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  POINT pt;
  GetCursorPos(&pt);
  Queue().push_back({window, message, wParam, lParam, tickCount, pt});
  return TRUE;
}

BOOL PeekMessage(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (msg == nullptr) return FALSE;
  auto& queue = Queue();
  for (auto at = queue.begin(); at != queue.end(); ++at) {
    if (!Matches(*at, window, filterMin, filterMax)) continue;
    *msg = *at;
    if (removeFlags & PM_REMOVE) queue.erase(at);
    return TRUE;
  }
  return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (msg == nullptr) return 0;
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, tickCount);
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

UINT RegisterWindowMessage(LPCSTR name) {
  if (name == nullptr || name[0] == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto& messages = RegisteredMessages();
  const std::string key = UpperAscii(name);
  const auto found = messages.find(key);
  if (found != messages.end()) return found->second;
  const UINT number = 0xC000 + static_cast<UINT>(messages.size());
  messages[key] = number;
  return number;
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT milliseconds, TIMERPROC proc) {
  if (window != nullptr && !IsLive(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const UINT period = std::max<UINT>(milliseconds, 10);
  if (window == nullptr) id = ++nextThreadTimerId;
  for (Timer& t : Timers())
    if (t.window == window && t.id == id) {
      t = {window, id, period, tickCount + period, proc};
      return window != nullptr ? (id != 0 ? id : 1) : id;
    }
  Timers().push_back({window, id, period, tickCount + period, proc});
  return window != nullptr ? (id != 0 ? id : 1) : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  auto& timers = Timers();
  const auto at = std::find_if(timers.begin(), timers.end(),
                               [&](const Timer& t) { return t.window == window && t.id == id; });
  if (at == timers.end()) return FALSE;
  timers.erase(at);
  auto& queue = Queue();
  queue.erase(std::remove_if(
                  queue.begin(), queue.end(),
                  [&](const MSG& m) { return m.message == WM_TIMER && m.hwnd == window && m.wParam == id; }),
              queue.end());
  return TRUE;
}

DWORD GetTickCount() { return tickCount; }

void Sleep(DWORD milliseconds) { AdvanceTime(milliseconds); }

HWND SetFocus(HWND window) {
  if (window != nullptr && !IsLive(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  HWND old = focus;
  if (window == old) return old;
  focus = window;
  if (IsLive(old)) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (IsLive(window) && focus == window) SendMessage(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return IsLive(old) ? old : nullptr;
}

HWND GetFocus() { return IsLive(focus) ? focus : nullptr; }

HWND SetActiveWindow(HWND window) {
  HWND old = active;
  if (window == nullptr || IsLive(window)) active = window;
  return IsLive(old) ? old : nullptr;
}

HWND GetActiveWindow() { return IsLive(active) ? active : nullptr; }

BOOL SetForegroundWindow(HWND window) {
  if (!IsLive(window)) return FALSE;
  active = window;
  return TRUE;
}

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
  if (window == nullptr) {
    for (HWND w : TopLevelWindows()) w->needsPaint = true;
    return TRUE;
  }
  if (!IsLive(window)) return FALSE;
  window->needsPaint = true;
  return TRUE;
}

BOOL UpdateWindow(HWND window) {
  if (!IsLive(window)) return FALSE;
  if (window->needsPaint) PaintWindow(window);
  return TRUE;
}
