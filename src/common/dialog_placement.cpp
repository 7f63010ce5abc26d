#include "common/dialog_placement.h"

#include "win_api.h"

void PlaceDialogCentredOnTop(HWND dialog) {
  RECT desktop{};
  RECT box{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(dialog, &box);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const int x = desktop.left + (desktop.right - desktop.left - width) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  SetWindowPos(dialog, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
}
