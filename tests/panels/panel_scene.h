// The module started with its two panels in the stand-in host: their windows,
// controls and rows, and the internal action plays that panel events make.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "common/suite_table.h"
#include "host_model.h"
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

  // The host's own use of its panels, outside any call of the module.
  static const AIPanelSuite* HostPanels() {
    return AcquireSuite<AIPanelSuite>(kAIPanelSuiteName, kAIPanelSuiteVersion);
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

  static std::u16string Utf16(const char* utf8) {
    char16_t out[64] = u"";
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, reinterpret_cast<LPWSTR>(out), 64);
    return out;
  }
};

}  // namespace vmtest
