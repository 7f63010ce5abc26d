#include "support/win_temp_folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "win_files.h"

TempUserFolders::TempUserFolders() {
  std::string templ = (std::filesystem::temp_directory_path() / "vm-user-XXXXXX").string();
  root_ = mkdtemp(templ.data()) != nullptr ? templ : std::string();
  std::filesystem::create_directories(documents());
  std::filesystem::create_directories(desktop());
  setenv("VESTAMARK_DOCUMENTS", documents().c_str(), 1);
  setenv("VESTAMARK_DESKTOP", desktop().c_str(), 1);
}

TempUserFolders::~TempUserFolders() {
  unsetenv("VESTAMARK_DOCUMENTS");
  unsetenv("VESTAMARK_DESKTOP");
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempUserFolders::documentsWindowsPath() const {
  LPITEMIDLIST list = nullptr;
  char path[MAX_PATH] = {};
  if (SHGetSpecialFolderLocation(nullptr, CSIDL_PERSONAL, &list) == S_OK) {
    SHGetPathFromIDList(list, path);
    CoTaskMemFree(list);
  }
  return path;
}

std::string ReadHostFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void WriteHostFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}
