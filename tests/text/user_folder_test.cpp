#include "text/user_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/win_temp_folders.h"
#include "win_api.h"

namespace fs = std::filesystem;

TEST(UserFolder, CreatesAdobeIllustratorUnderTheDocumentsFolder) {
  TempUserFolders user;
  char folder[MAX_PATH];
  EXPECT_EQ(GetIllustratorUserFolder(folder), 1);
  EXPECT_EQ(std::string(folder), user.documentsWindowsPath() + "\\Adobe\\Illustrator");
  EXPECT_TRUE(fs::is_directory(user.documents() + "/Adobe/Illustrator"));

  // A second call finds the folders there and gives the same path.
  char again[MAX_PATH];
  EXPECT_EQ(GetIllustratorUserFolder(again), 1);
  EXPECT_STREQ(again, folder);
}

TEST(UserFolder, FilesMadeUnderTheFolderLandInTheDocuments) {
  TempUserFolders user;
  char folder[MAX_PATH];
  ASSERT_EQ(GetIllustratorUserFolder(folder), 1);
  const std::string prefs = std::string(folder) + "\\Prefs";
  CreateDirectory(prefs.c_str(), nullptr);
  HFILE file = _lcreat((prefs + "\\probe.ini").c_str(), 0);
  ASSERT_NE(file, HFILE_ERROR);
  _lwrite(file, "x", 1);
  _lclose(file);
  EXPECT_EQ(ReadHostFile(user.documents() + "/Adobe/Illustrator/Prefs/probe.ini"), "x");
}

TEST(UserFolder, ADocumentsPathTooLongForTheOutputGivesNothing) {
  TempUserFolders user;
  // Documents at 250 bytes: readable, but no room left for the two folders.
  const size_t room = 250 - user.documentsWindowsPath().size() - 1;
  const std::string deep = user.documents() + "/" + std::string(room, 'd');
  fs::create_directories(deep);
  setenv("VESTAMARK_DOCUMENTS", deep.c_str(), 1);
  ASSERT_EQ(user.documentsWindowsPath().size(), 250u);
  char folder[MAX_PATH + 8];
  std::fill(std::begin(folder), std::end(folder), '#');
  EXPECT_EQ(GetIllustratorUserFolder(folder), 0);
  EXPECT_EQ(folder[0], '\0');
  EXPECT_EQ(folder[MAX_PATH], '#');
}

TEST(UserFolder, DebugTextIsAppendedToTheDesktopFile) {
  TempUserFolders user;
  AppendDebugText("first ");
  AppendDebugText("second");
  EXPECT_EQ(ReadHostFile(user.desktop() + "/Moravine_Debug.TXT"), "first second");
}
