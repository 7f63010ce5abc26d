#include "store/size_table_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "preferences_fixture.h"

namespace {

using SizeTableFileTest = PreferencesFilesTest;

void FillTable(double seed) {
  for (int r = 0; r < kSizeTableRows; ++r) {
    double* values = &gPlugin->sizeTable[r].pitch;
    for (int i = 0; i < 9; ++i) values[i] = seed * (r + 1) / (i + 3) + 1e-9 * i;
  }
}

TEST_F(SizeTableFileTest, ATableComesBackAtFullPrecision) {
  FillTable(95.2);
  gPlugin->sizeTable[9].cuffsHeight = 1.0 / 3.0;
  gPlugin->sizeTable[8].pitch = 95.2;
  SizeTableRow written[kSizeTableRows];
  std::memcpy(written, gPlugin->sizeTable, sizeof(written));
  ASSERT_EQ(WriteSizeTableFile("Ladies"), 1);
  EXPECT_NE(ReadFile("Vestamark/SizeTable/Ladies.ini").find("grading_size_table_09 = 95.2,"),
            std::string::npos);

  std::memset(gPlugin->sizeTable, 0, sizeof(gPlugin->sizeTable));
  ReadSizeTableFile("Ladies");
  EXPECT_EQ(std::memcmp(written, gPlugin->sizeTable, sizeof(written)), 0);
}

TEST_F(SizeTableFileTest, OnlyTheRowsInTheFileChange) {
  FillTable(1);
  SizeTableRow before[kSizeTableRows];
  std::memcpy(before, gPlugin->sizeTable, sizeof(before));
  WriteFile("Vestamark/SizeTable/Part.ini",
            "grading_size_table_00 = 5,5,5,5,5,5,5,5,5\n"
            "grading_size_table_01 = 1,2,3,4,5,6,7,8,9\n"
            "grading_size_table_04 = 7\n"
            "grading_size_table_11 = 5,5,5,5,5,5,5,5,5\n"
            "grading_size_table_1 = 5,5,5,5,5,5,5,5,5\n");
  ReadSizeTableFile("Part");
  EXPECT_DOUBLE_EQ(gPlugin->sizeTable[0].pitch, 1);
  EXPECT_DOUBLE_EQ(gPlugin->sizeTable[0].cuffsHeight, 9);
  EXPECT_DOUBLE_EQ(gPlugin->sizeTable[3].pitch, 7);
  EXPECT_DOUBLE_EQ(gPlugin->sizeTable[3].cuffsHeight, 0);  // a missing field reads as 0
  for (int r : {1, 2, 4, 5, 6, 7, 8, 9}) {
    EXPECT_EQ(std::memcmp(&before[r], &gPlugin->sizeTable[r], sizeof(SizeTableRow)), 0) << "row " << r;
  }
}

TEST_F(SizeTableFileTest, MissingOrDamagedFilesLeaveTheTable) {
  FillTable(2);
  SizeTableRow before[kSizeTableRows];
  std::memcpy(before, gPlugin->sizeTable, sizeof(before));
  EXPECT_EQ(WriteSizeTableFile("..\\Vestamark"), 0);
  ReadSizeTableFile("Missing");
  WriteFile("Vestamark/SizeTable/Junk.ini", std::string(1 << 20, '\xFC'));
  ReadSizeTableFile("Junk");
  EXPECT_EQ(std::memcmp(before, gPlugin->sizeTable, sizeof(before)), 0);
}

}  // namespace
