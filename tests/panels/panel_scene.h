// The module started with its two panels in the stand-in host: their windows,
// controls and rows, and the internal action plays that panel events make.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "host_model.h"
#include "shell/suite_table.h"
#include "support/host_fixture.h"
#include "support/module_fixture.h"
#include "win_api.h"
#include "win_driver.h"
#include "win_internal.h"

namespace vmtest {

class PanelScene : public ModuleTest {
 protected:
  static PanelHandle InfPanel() { return vmhost::FindPanel("Vestamark_INF_PANEL"); }
  static PanelHandle VarPanel() { return vmhost::FindPanel("Vestamark_VAR_PANEL"); }
  static HWND InfWindow() { return InfPanel()->window; }
  static HWND VarWindow() { return VarPanel()->window; }
  static HWND Control(HWND window, int id) { return GetDlgItem(window, id); }

  // The host shows, hides or resizes a panel (outside any call of the module).
  static void ShowPanel(PanelHandle panel, bool shown) {
    AcquireSuite<AIPanelSuite>(kAIPanelSuiteName, kAIPanelSuiteVersion)->Show(panel, shown);
  }
  static void ResizePanel(PanelHandle panel, int32_t width, int32_t height) {
    AcquireSuite<AIPanelSuite>(kAIPanelSuiteName, kAIPanelSuiteVersion)->SetSize(panel, width, height);
  }

  // Rows as the list code makes them: "dummy" texts carrying a table index.
  static void AddRows(HWND window, const std::vector<int>& itemData) {
    HWND list = Control(window, 1);
    for (int data : itemData) {
      const auto row =
          static_cast<WPARAM>(SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("dummy")));
      SendMessage(list, LB_SETITEMDATA, row, data);
    }
  }

  static long InternalActionPlays() {
    const auto& calls = vmhost::Calls();
    return static_cast<long>(std::count(calls.begin(), calls.end(), "Action Manager/Do Action"));
  }

  // The document goes away and the timer notices.
  void CloseTheDocument() {
    vmhost::CloseDocument(doc);
    ASSERT_EQ(TickOnce(), kNoErr);
    ASSERT_EQ(globals().currentView, nullptr);
    vmhost::ClearRecordings();
  }

  static std::u16string Utf16(const char* utf8) {
    std::u16string out(64, u'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, reinterpret_cast<LPWSTR>(out.data()), 64);
    out.resize(n > 0 ? size_t(n - 1) : 0);
    return out;
  }
};

}  // namespace vmtest
