// The module started in the stand-in host with one new document; for the
// benchmark's direct calls, its suites held and an empty piece group.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "common/suite_table.h"
#include "host/host_driver.h"
#include "host_suite_tables.h"
#include "win_driver.h"

// Preferences and presets go to a folder of the run's own, never the user's.
inline void UseBenchUserFolders() {
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("vm-bench-" + std::to_string(::getpid()));
  std::error_code ignored;
  std::filesystem::create_directories(root / "Documents", ignored);
  std::filesystem::create_directories(root / "Desktop", ignored);
  setenv("VESTAMARK_DOCUMENTS", (root / "Documents").c_str(), 1);
  setenv("VESTAMARK_DESKTOP", (root / "Desktop").c_str(), 1);
}

// A fresh host and windows. A module still running is shut down first: its
// panels' windows must not outlive it.
inline void ResetBenchHost() {
  if (vmhost::ModulePlugin() != nullptr && gPlugin != nullptr) vmhost::Shutdown(vmhost::ModulePlugin());
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
}

// The module started, its panels made when asked, and a new document that
// the polling timer has seen.
inline TimerHandle StartBenchModule(bool withPanels) {
  UseBenchUserFolders();
  ResetBenchHost();
  PluginRef module = vmhost::LoadModule();
  vmhost::Startup(module);
  if (withPanels) vmhost::NotifyAppStarted();
  vmhost::NewDocument("Bench");
  TimerHandle timer = vmhost::FindTimer("Vestamark_TIMER");
  vmhost::FireTimer(timer);
  return timer;
}

inline ArtHandle StartBenchDocument() {
  StartBenchModule(false);
  sSPBasic = &gBasicSuite;
  AcquireSuites(&gBasicSuite);
  return vmhost::AddGroup(nullptr);
}

// Makes the arts the current piece, in a heap list the module owns and frees.
inline void SetBenchPiece(const std::vector<ArtHandle>& arts) {
  PluginGlobals& g = *gPlugin;
  std::free(g.pieceArts);
  g.pieceArts = static_cast<ArtHandle*>(std::malloc(arts.size() * sizeof(ArtHandle)));
  std::copy(arts.begin(), arts.end(), g.pieceArts);
  g.pieceArtCount = static_cast<int32_t>(arts.size());
}
