#include "text/document_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_api.h"
#include "win_host_windows.h"

namespace {

// The host's main window and a document of 900 x 600 at (120, 80): the probe
// is a third into it, (420, 280) on the screen, (300, 200) in its view.
class DocumentWindowLookup : public ::testing::Test {
 protected:
  void TearDown() override {
    for (HWND w : made_) DestroyWindow(w);
  }
  HWND Top(HWND window) {
    made_.insert(made_.begin(), window);
    return window;
  }
  HWND OpenDocumentView() {
    HWND main = Top(CreateHostMainWindow("Host", 1600, 1000));
    return GetHostDocumentView(Top(CreateHostDocumentWindow(main, "pattern.svg @ 100%", 120, 80, 900, 600)));
  }
  static HWND Child(HWND parent, int x, int y, int width, int height, DWORD shown = WS_VISIBLE) {
    return CreateWindow("STATIC", "", WS_CHILD | shown, x, y, width, height, parent, nullptr, nullptr,
                        nullptr);
  }

 private:
  std::vector<HWND> made_;
};

}  // namespace

TEST_F(DocumentWindowLookup, NoDocumentWindowGivesNull) {
  Top(CreateHostMainWindow("Host", 1600, 1000));
  Top(CreateWindow("STATIC", "Layers", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr, nullptr,
                   nullptr));
  EXPECT_EQ(FindDocumentViewWindow(), nullptr);
}

TEST_F(DocumentWindowLookup, SmallestVisibleWindowUnderTheProbeWins) {
  HWND view = OpenDocumentView();
  EXPECT_EQ(FindDocumentViewWindow(), view);
  HWND canvas = Child(view, 10, 10, 700, 500);
  Child(view, 0, 0, 900, 20);                   // a ruler, not under the probe
  HWND mark = Child(canvas, 280, 180, 30, 30);  // under it, smallest
  HWND hidden = Child(canvas, 285, 185, 20, 20, 0);
  Child(hidden, 2, 2, 16, 16);  // visible, but under a hidden parent
  EXPECT_EQ(FindDocumentViewWindow(), mark);
}

TEST_F(DocumentWindowLookup, MoreThan32WindowsKeepTheLargest) {
  HWND view = OpenDocumentView();
  // 40 siblings under the probe, made in a scrambled order, smaller with each index.
  std::vector<HWND> bySize(40);
  for (int k = 0; k < 40; ++k) {
    const int i = (k * 7) % 40;
    bySize[static_cast<size_t>(i)] = Child(view, 0, 0, 850 - 10 * i, 590 - 9 * i);
  }
  // The document window and its view come first; 30 siblings fill the list to 32.
  EXPECT_EQ(FindDocumentViewWindow(), bySize[29]);
  HWND list[kWindowsUnderPointMax];
  int count = 0;
  CollectWindowsUnderPoint(view, POINT{420, 280}, list, &count);
  EXPECT_EQ(count, kWindowsUnderPointMax);
  EXPECT_EQ(list[0], view);
  EXPECT_EQ(list[31], bySize[30]);
}
