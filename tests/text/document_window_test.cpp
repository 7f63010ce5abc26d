#include "text/document_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_api.h"
#include "win_host_windows.h"

namespace {

// Windows outlive a test unless destroyed; each scenario cleans up after itself.
class DocumentWindowLookup : public ::testing::Test {
 protected:
  void TearDown() override {
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) DestroyWindow(*it);
  }
  HWND Keep(HWND window) {
    made_.push_back(window);
    return window;
  }
  HWND Child(HWND parent, int x, int y, int width, int height, bool visible = true) {
    return CreateWindow("STATIC", "", WS_CHILD | (visible ? WS_VISIBLE : 0), x, y, width, height, parent,
                        nullptr, nullptr, nullptr);
  }
  // The host's main window and one document of 900 x 600 at (120, 80).
  HWND OpenDocument() {
    HWND main = Keep(CreateHostMainWindow("Host", 1600, 1000));
    return Keep(CreateHostDocumentWindow(main, "pattern.svg @ 100% (CMYK/Preview)", 120, 80, 900, 600));
  }

 private:
  std::vector<HWND> made_;
};

}  // namespace

TEST_F(DocumentWindowLookup, NoDocumentWindowGivesNull) {
  Keep(CreateHostMainWindow("Host", 1600, 1000));
  Keep(CreateWindow("STATIC", "Layers", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr, nullptr,
                    nullptr));
  EXPECT_EQ(FindDocumentViewWindow(), nullptr);
}

TEST_F(DocumentWindowLookup, FindsTheViewAreaOfTheDocument) {
  HWND document = OpenDocument();
  // A palette above it in the z-order is not a document.
  Keep(CreateWindow("STATIC", "Swatches", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, nullptr, nullptr,
                    nullptr, nullptr));
  EXPECT_EQ(FindDocumentViewWindow(), GetHostDocumentView(document));
}

TEST_F(DocumentWindowLookup, SmallestWindowUnderTheProbeWins) {
  HWND view = GetHostDocumentView(OpenDocument());
  // The probe is a third into the document: (420, 280) on the screen, (300, 200) in the view.
  HWND ruler = Child(view, 0, 0, 900, 20);      // not under the probe
  HWND canvas = Child(view, 10, 10, 700, 500);  // under it
  HWND tiny = Child(canvas, 280, 180, 30, 30);  // under it, smallest
  HWND aside = Child(canvas, 0, 0, 30, 30);     // small, but elsewhere
  (void)ruler;
  (void)aside;
  EXPECT_EQ(FindDocumentViewWindow(), tiny);
}

TEST_F(DocumentWindowLookup, HiddenChildrenAndTheirDescendantsAreIgnored) {
  HWND view = GetHostDocumentView(OpenDocument());
  HWND shown = Child(view, 200, 100, 300, 300);
  HWND hidden = Child(view, 250, 150, 100, 100, false);
  Child(hidden, 10, 10, 80, 80);  // visible itself, but under a hidden parent
  EXPECT_EQ(FindDocumentViewWindow(), shown);
}

TEST_F(DocumentWindowLookup, MoreThan32WindowsKeepTheLargest) {
  HWND view = GetHostDocumentView(OpenDocument());
  // 40 siblings under the probe, made in a scrambled order; sizes fall with the index.
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
  EXPECT_EQ(list[1], bySize[0]);
  EXPECT_EQ(list[31], bySize[30]);
}
