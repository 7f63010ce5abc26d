#include "text/notepad_trace.h"

#include "win_api.h"

namespace {

// "無題 - メモ帳" in code page 932.
constexpr const char* kUntitledNotepad = "\x96\xB3\x91\xE8 - \x83\x81\x83\x82\x92\xA0";

}  // namespace

void TraceToNotepad(const char* text) {
  if (text == nullptr) return;
  HWND notepad = FindWindow("Notepad", kUntitledNotepad);
  if (notepad == nullptr) return;
  HWND edit = FindWindowEx(notepad, nullptr, "Edit", nullptr);
  if (edit == nullptr) return;
  for (const char* p = text; *p != '\0'; ++p) {
    SendMessage(edit, WM_CHAR, static_cast<unsigned char>(*p), 0);
    Sleep(10);
  }
  SendMessage(edit, WM_CHAR, '\r', 0);
}
