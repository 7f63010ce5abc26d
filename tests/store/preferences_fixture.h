// A plug-in record and an empty Documents folder of its own for each test of
// the preference, preset and size-table files.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/plugin_globals.h"
#include "support/file_size_limit.h"

class PreferencesFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vestamark-prefs-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    documents_ = pattern;
    setenv("VESTAMARK_DOCUMENTS", pattern, 1);
    gPlugin = static_cast<PluginGlobals*>(std::calloc(1, sizeof(PluginGlobals)));
    for (PresetRecord& preset : gPlugin->presets) preset.empty = 1;
  }

  void TearDown() override {
    std::free(gPlugin);
    gPlugin = nullptr;
    unsetenv("VESTAMARK_DOCUMENTS");
    std::filesystem::remove_all(documents_);
  }

  // A file under the Prefs folder, "/"-separated ("Vestamark.ini", "Vestamark/SizeTable/A.ini").
  std::filesystem::path PrefsFile(const std::string& relative) const {
    return documents_ / "Adobe" / "Illustrator" / "Prefs" / relative;
  }

  std::string ReadFile(const std::string& relative) const {
    std::ifstream in(PrefsFile(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void WriteFile(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(PrefsFile(relative).parent_path());
    std::ofstream(PrefsFile(relative), std::ios::binary) << bytes;
  }

  // The names in a folder under Prefs, sorted.
  std::vector<std::string> FilesIn(const std::string& relative) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PrefsFile(relative)))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  static void SetPreset(int slot, const char* name, int scaleIndex, double h, double v) {
    PresetRecord& preset = gPlugin->presets[slot];
    std::strcpy(preset.name, name);
    preset.scaleIndex = scaleIndex;
    preset.enabled = 1;
    preset.empty = 0;
    preset.output = 1;
    gPlugin->presetScale[scaleIndex] = {h, v};
  }

  std::filesystem::path documents_;
};
