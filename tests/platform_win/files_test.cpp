// Files written and found through Windows paths under a temporary Documents folder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "support/win_temp_folders.h"
#include "win_files.h"

namespace {

std::string SpecialFolder(int csidl) {
  LPITEMIDLIST list = nullptr;
  char path[MAX_PATH] = {};
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, csidl, &list), S_OK);
  EXPECT_TRUE(SHGetPathFromIDList(list, path));
  LPMALLOC shellAllocator = nullptr;
  EXPECT_EQ(SHGetMalloc(&shellAllocator), S_OK);
  shellAllocator->Free(list);
  shellAllocator->Release();
  return path;
}

bool WriteFile(const std::string& path, const std::string& text) {
  const HFILE f = _lcreat(path.c_str(), 0);
  if (f == HFILE_ERROR) return false;
  const UINT written = _lwrite(f, text.data(), static_cast<UINT>(text.size()));
  return _lclose(f) == 0 && written == text.size();
}

std::string ReadFile(const std::string& path) {
  const HFILE f = _lopen(path.c_str(), OF_READ);
  if (f == HFILE_ERROR) return "<error>";
  const LONG size = _llseek(f, 0, FILE_END);
  _llseek(f, 0, FILE_BEGIN);
  std::string text(static_cast<size_t>(size), '\0');
  const UINT got = _lread(f, text.data(), static_cast<UINT>(size));
  _lclose(f);
  return got == static_cast<UINT>(size) ? text : "<short>";
}

std::vector<std::string> Find(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATA data;
  HANDLE h = FindFirstFile(pattern.c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(std::string(data.cFileName) +
                    ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? "\\" : ""));
  } while (FindNextFile(h, &data));
  EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
  EXPECT_TRUE(FindClose(h));
  return names;
}

TEST(Files, PrefsFolderAndFileRoundTripUnderDocuments) {
  TempUserFolders user;
  const std::string docs = SpecialFolder(CSIDL_PERSONAL);
  EXPECT_EQ(docs, user.documentsWindowsPath());
  EXPECT_EQ(docs.find('/'), std::string::npos);
  EXPECT_TRUE(CreateDirectory((docs + "\\Prefs").c_str(), nullptr));
  EXPECT_FALSE(CreateDirectory((docs + "\\Prefs").c_str(), nullptr));
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  EXPECT_FALSE(CreateDirectory((docs + "\\No\\Such").c_str(), nullptr));

  // "プリセット.ini" in Shift-JIS; on disk the name is UTF-8.
  const std::string name = "\x83\x76\x83\x8A\x83\x5A\x83\x62\x83\x67.ini";
  const std::string file = docs + "\\Prefs\\" + name;
  ASSERT_TRUE(WriteFile(file, "grading_preset_00\r\nline two\n"));
  EXPECT_EQ(ReadHostFile(user.documents() + "/Prefs/プリセット.ini"), "grading_preset_00\r\nline two\n");
  EXPECT_EQ(ReadFile(file), "grading_preset_00\r\nline two\n");
  EXPECT_EQ(ReadFile(docs + "\\PREFS\\" + name), "grading_preset_00\r\nline two\n");  // any case

  EXPECT_TRUE(DeleteFile(file.c_str()));
  EXPECT_FALSE(DeleteFile(file.c_str()));
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(_lopen(file.c_str(), OF_READ), HFILE_ERROR);
}

TEST(Files, DesktopFolderComesFromItsVariable) {
  TempUserFolders user;
  const std::string desk = SpecialFolder(CSIDL_DESKTOP);
  ASSERT_TRUE(WriteFile(desk + "\\Debug.TXT", "x"));
  EXPECT_EQ(ReadHostFile(user.desktop() + "/Debug.TXT"), "x");
}

TEST(Files, SearchMatchesWithoutCaseAndReportsFolders) {
  TempUserFolders user;
  const std::string docs = user.documentsWindowsPath();
  for (const char* n : {"b.INI", "a.ini", "c.txt", "@hidden.ini", "x.ini2"})
    WriteHostFile(user.documents() + "/" + n, "");
  std::filesystem::create_directory(user.documents() + "/folder.ini");
  EXPECT_EQ(Find(docs + "\\*.ini"),
            (std::vector<std::string>{"@hidden.ini", "a.ini", "b.INI", "folder.ini\\"}));
  EXPECT_EQ(Find(docs + "\\?.txt"), (std::vector<std::string>{"c.txt"}));
  WriteHostFile(user.documents() + "/README", "");
  EXPECT_EQ(Find(docs + "\\*.*").size(), 9u);  // with "." and ".."
  WIN32_FIND_DATA data;
  EXPECT_EQ(FindFirstFile((docs + "\\*.csv").c_str(), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(FindFirstFile((docs + "\\Missing\\*.ini").c_str(), &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Files, SearchFoldsNoDoubleByteCharacterAndStepsOverThemWhole) {
  TempUserFolders user;
  const std::string docs = user.documentsWindowsPath();
  WriteHostFile(user.documents() + "/ア.ini", "");
  WriteHostFile(user.documents() + "/ヂ.ini", "");
  EXPECT_EQ(Find(docs + "\\\x83\x41.ini"), (std::vector<std::string>{"\x83\x41.ini"}));
  EXPECT_EQ(Find(docs + "\\?.ini").size(), 2u);
  EXPECT_EQ(Find(docs + "\\*\x41.ini").size(), 0u);
}

TEST(Files, HandlesAndPositions) {
  TempUserFolders user;
  const std::string file = user.documentsWindowsPath() + "\\data.bin";
  const HFILE f = _lcreat(file.c_str(), 0);
  ASSERT_NE(f, HFILE_ERROR);
  EXPECT_EQ(_lwrite(f, "0123456789", 10), 10u);
  EXPECT_EQ(_llseek(f, 4, FILE_BEGIN), 4);
  EXPECT_EQ(_lwrite(f, "", 0), 0u);  // cuts the file here
  EXPECT_EQ(_llseek(f, 0, FILE_END), 4);
  EXPECT_EQ(_llseek(f, -2, FILE_CURRENT), 2);
  char buffer[8] = {};
  EXPECT_EQ(_lread(f, buffer, 8), 2u);
  EXPECT_STREQ(buffer, "23");
  EXPECT_EQ(_lclose(f), 0);
  // Closed or foreign handles are refused, never passed on.
  EXPECT_EQ(_lclose(f), HFILE_ERROR);
  EXPECT_EQ(_lread(f, buffer, 1), static_cast<UINT>(HFILE_ERROR));
  EXPECT_EQ(_lwrite(0, "x", 1), static_cast<UINT>(HFILE_ERROR));
  // A folder is not a file.
  EXPECT_EQ(_lopen(user.documentsWindowsPath().c_str(), OF_READ), HFILE_ERROR);
  EXPECT_EQ(_lcreat(nullptr, 0), HFILE_ERROR);
}

}  // namespace
