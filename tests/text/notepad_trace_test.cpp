#include "text/notepad_trace.h"

#include <gtest/gtest.h>

#include "win_api.h"

namespace {

LRESULT PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(window, message, wParam, lParam);
}

struct Notepad {
  explicit Notepad(const char* title) {
    WNDCLASS windowClass = {};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.lpszClassName = "Notepad";
    RegisterClass(&windowClass);
    frame = CreateWindow("Notepad", title, WS_OVERLAPPED | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                         nullptr, nullptr);
    edit = CreateWindow("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, frame, nullptr, nullptr, nullptr);
  }
  ~Notepad() { DestroyWindow(frame); }
  std::string Text() const {
    char text[256] = {};
    GetWindowText(edit, text, sizeof text);
    return text;
  }
  HWND frame;
  HWND edit;
};

}  // namespace

TEST(TraceToNotepad, TypesIntoTheUntitledNotepad) {
  Notepad notepad("\x96\xB3\x91\xE8 - \x83\x81\x83\x82\x92\xA0");  // "無題 - メモ帳"
  TraceToNotepad("slot 3 = 12.5");
  EXPECT_EQ(notepad.Text(), "slot 3 = 12.5");
}

TEST(TraceToNotepad, OtherWindowsAreLeftAlone) {
  Notepad notepad("pattern.txt - \x83\x81\x83\x82\x92\xA0");
  TraceToNotepad("x");
  EXPECT_EQ(notepad.Text(), "");
  DestroyWindow(notepad.frame);
  notepad.frame = nullptr;
  TraceToNotepad("x");  // no window at all
}
