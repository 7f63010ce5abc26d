#include "text/user_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/win_temp_folders.h"
#include "win_api.h"

TEST(UserFolder, CreatesAdobeIllustratorUnderTheDocumentsFolder) {
  TempUserFolders user;
  char folder[MAX_PATH];
  EXPECT_EQ(GetIllustratorUserFolder(folder), 1);
  EXPECT_EQ(std::string(folder), user.documentsWindowsPath() + "\\Adobe\\Illustrator");
  EXPECT_TRUE(std::filesystem::is_directory(user.documents() + "/Adobe/Illustrator"));
  char again[MAX_PATH];
  EXPECT_EQ(GetIllustratorUserFolder(again), 1);  // finds the folders there
  EXPECT_STREQ(again, folder);

  AppendDebugText("first ");
  AppendDebugText("second");
  EXPECT_EQ(ReadHostFile(user.desktop() + "/Moravine_Debug.TXT"), "first second");
}

TEST(UserFolder, ADocumentsPathTooLongForTheOutputGivesNothing) {
  TempUserFolders user;
  // Documents at 250 bytes: readable, but no room left for the two folders.
  const std::string deep =
      user.documents() + "/" + std::string(250 - user.documentsWindowsPath().size() - 1, 'd');
  std::filesystem::create_directories(deep);
  setenv("VESTAMARK_DOCUMENTS", deep.c_str(), 1);
  ASSERT_EQ(user.documentsWindowsPath().size(), 250u);
  char folder[MAX_PATH + 8];
  std::fill(std::begin(folder), std::end(folder), '#');
  EXPECT_EQ(GetIllustratorUserFolder(folder), 0);
  EXPECT_EQ(folder[0], '\0');
  EXPECT_EQ(folder[MAX_PATH], '#');
}
