#include "text/document_window.h"

#include "text/string_limits.h"

namespace {

int Extent(const RECT& r) { return (r.right - r.left) + (r.bottom - r.top); }

HWND FindTitledDocumentWindow() {
  for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    char title[256] = {};
    GetWindowText(w, title, 256);
    if (StrIndexOf(title, " @ ") >= 0) return w;
  }
  return nullptr;
}

}  // namespace

void CollectWindowsUnderPoint(HWND window, POINT probe, HWND* list, int* count) {
  RECT rect;
  if (!GetWindowRect(window, &rect) || !IsWindowVisible(window)) return;
  // Window rectangles are in screen coordinates, and so is the probe.
  if (!(rect.left < probe.x && probe.x < rect.right && rect.top < probe.y && probe.y < rect.bottom)) return;

  const int extent = Extent(rect);
  int place = 0;
  while (place < *count) {
    RECT other;
    if (!GetWindowRect(list[place], &other) || Extent(other) < extent) break;
    ++place;
  }
  if (place < kWindowsUnderPointMax) {
    if (*count < kWindowsUnderPointMax) ++*count;
    for (int i = *count - 1; i > place; --i) list[i] = list[i - 1];
    list[place] = window;
  }

  HWND child = GetWindow(window, GW_CHILD);
  for (HWND c = child != nullptr ? GetWindow(child, GW_HWNDFIRST) : nullptr; c != nullptr;
       c = GetWindow(c, GW_HWNDNEXT)) {
    CollectWindowsUnderPoint(c, probe, list, count);
  }
}

HWND FindDocumentViewWindow() {
  HWND document = FindTitledDocumentWindow();
  if (document == nullptr) return nullptr;
  RECT rect;
  if (!GetWindowRect(document, &rect)) return nullptr;
  const POINT probe = {rect.left + (rect.right - rect.left) / 3, rect.top + (rect.bottom - rect.top) / 3};
  HWND list[kWindowsUnderPointMax] = {};
  int count = 0;
  CollectWindowsUnderPoint(document, probe, list, &count);
  return count > 0 ? list[count - 1] : nullptr;
}
