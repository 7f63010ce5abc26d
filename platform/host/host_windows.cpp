// Where the host meets the Windows-shaped layer: its main window, a window
// for each document (whose title carries " @ ", as the host's do) and the
// panels' frames with the child window the module fills.
#include <cstdio>
#include <cstring>

#include "host_model.h"
#include "win_api.h"

namespace {

constexpr const char* kMainTitle = "Vestamark Host";

// A distinct address the Windows-shaped layer uses as the module's instance.
char gInstanceTag;

HWND gMainWindow = nullptr;

}  // namespace

HINSTANCE__* ModuleInstanceOf(HostPlugin*) { return reinterpret_cast<HINSTANCE__*>(&gInstanceTag); }

// Made again when the Windows-shaped layer was reset under it.
HWND__* HostMainWindow() {
  char title[32] = "";
  if (IsWindow(gMainWindow)) GetWindowText(gMainWindow, title, sizeof title);
  if (std::strcmp(title, kMainTitle) != 0) gMainWindow = CreateHostMainWindow(kMainTitle, 1280, 960);
  return gMainWindow;
}

void OpenDocumentWindow(HostDocument* doc) {
  doc->window = CreateHostDocumentWindow(HostMainWindow(), "", 0, 0, doc->view.width, doc->view.height);
  TitleDocumentWindow(doc);
}

void TitleDocumentWindow(HostDocument* doc) {
  if (!IsWindow(doc->window)) return;
  char title[300];
  std::snprintf(title, sizeof title, "%s @ %g%%", doc->name.c_str(), doc->view.zoom * 100);
  SetWindowText(doc->window, title);
}

void CloseDocumentWindow(HostDocument* doc) {
  if (IsWindow(doc->window)) DestroyWindow(doc->window);
  doc->window = nullptr;
}

void RaiseDocumentWindow(HostDocument* doc) {
  if (doc && IsWindow(doc->window))
    SetWindowPos(doc->window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void OpenPanelWindow(HostPanel* panel) {
  panel->window = CreateHostPanelWindow(HostMainWindow(), EncodeCodePage(panel->title, 932, 255).c_str(),
                                        panel->width, panel->height);
  panel->frame = panel->window ? GetParent(panel->window) : nullptr;
  ShowPanelWindow(panel);
}

// The module may have destroyed its window already; the frame goes with it.
void ClosePanelWindow(HostPanel* panel) {
  if (IsWindow(panel->frame)) DestroyWindow(panel->frame);
  panel->frame = nullptr;
  panel->window = nullptr;
}

void SizePanelWindow(HostPanel* panel) {
  for (HWND w : {panel->frame, panel->window})
    if (IsWindow(w))
      SetWindowPos(w, nullptr, 0, 0, panel->width, panel->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowPanelWindow(HostPanel* panel) {
  if (IsWindow(panel->frame)) ShowWindow(panel->frame, panel->shown ? SW_SHOW : SW_HIDE);
}
