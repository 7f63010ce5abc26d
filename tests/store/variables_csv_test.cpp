// Exporting the variable table to a CSV file and importing values back.
#include "store/variables_csv.h"

#include "host/host_driver.h"
#include "store_scene.h"

namespace vmtest {
namespace {

class VariablesCsvTest : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    globals().varTitlesValid = 0;  // piece mode: the timer's first tick chose document mode
    strcpy(globals().grading_title, "Front piece");
    path = folders->documentsWindowsPath() + "\\export.csv";
    hostPath = folders->documents() + "/export.csv";
  }
  std::string Value(int row) { return globals().variables.varValues[row]; }
  std::string path, hostPath;
};

TEST_F(VariablesCsvTest, EveryValueNameAndOwnerRoundTripsExactly) {
  const std::string values[] = {
      "a\tb",       "cr\rx",
      "lf\nx",      "lfcr\n\rx",
      "crlf\r\nx",  "say \"hi\", ok",
      "c:\\t\\n\\", "\x95\x5c\"\x95\x5c",
      "a=b, c d",   std::string(4095, 'z'),
  };
  const char* names[] = {"t", "n,comma", "n=eq", "n blank", "\x95\x5c", "q\"", "bs\\", "sj", "e", "long"};
  for (int row = 0; row < 10; ++row) SetVariable(row, names[row], values[row], row % 2);
  WriteVariablesCsv(path.c_str());
  const std::string file = ReadHostFile(hostPath);
  EXPECT_EQ(file.substr(0, file.find('\n') + 1), "\"Front piece\",\"t\",0,\"a\\tb\"\r\n");
  for (int row = 0; row < 10; ++row) strcpy(globals().variables.varValues[row], "old");
  ReadVariablesCsv(path.c_str());
  for (int row = 0; row < 10; ++row) EXPECT_EQ(Value(row), values[row]) << names[row];
  EXPECT_STREQ(globals().variables.varNames[1], "n,comma");
}

TEST_F(VariablesCsvTest, DocumentModeMatchesEachRowsOwnTitle) {
  globals().varTitlesValid = 1;
  SetVariable(0, "w", "1", 0, "Front");
  SetVariable(1, "w", "2", 0, "Back");
  WriteVariablesCsv(path.c_str());
  EXPECT_EQ(ReadHostFile(hostPath), "\"Front\",\"w\",0,\"1\"\r\n\"Back\",\"w\",0,\"2\"\r\n");
  WriteHostFile(hostPath, "Back,w,0,\"20\"\r\nBack,unknown,0,\"5\"\r\nSide,w,0,\"7\"\r\n");
  ReadVariablesCsv(path.c_str());
  EXPECT_EQ(Value(0), "1");
  EXPECT_EQ(Value(1), "20");
  EXPECT_STREQ(globals().variables.varNames[2], "");  // nothing added
}

TEST_F(VariablesCsvTest, FilesOfTheOlderFormatStillImport) {
  strcpy(globals().grading_title, "Front");
  SetVariable(0, "w", "0");
  SetVariable(1, "blank name", "0");
  WriteHostFile(hostPath,
                "'comment,w,0,\"9\"\n"
                "Front,w,0,\"a\\r\\nb\\tc\\\"d\"\r\n"
                "Front,blank name,0,\"x\"\r\n");
  ReadVariablesCsv(path.c_str());
  EXPECT_EQ(Value(0), "a\r\nb\tc\"d");
  EXPECT_EQ(Value(1), "0");  // blanks outside quotes were always dropped
}

TEST_F(VariablesCsvTest, OverlongAndMalformedLinesNeitherCrashNorSpill) {
  SetVariable(0, "w", "0");
  SetVariable(1, "v", "0");
  SetVariable(2, "u", "keep");
  std::string file = "\"Front piece\",\"w\",0,\"" + std::string(4094, 'a') + "\x95\x5c\"\r\n";
  file += "\n,,,\n\"\"\"\n\"Front piece\",\"u\n";                             // no fields, open quotes
  file += "\"Front piece\",\"u\",0,\"" + std::string(1 << 20, 'm') + "\"\n";  // a 1 MB line
  file += std::string("Front piece,\0u,0,\"nul\"\n", 24);
  file += "\"Front piece\",\"v\",0,\"last\"";  // no line end
  WriteHostFile(hostPath, file);
  ReadVariablesCsv(path.c_str());
  EXPECT_EQ(Value(0), std::string(4094, 'a'));  // cut before the double-byte character
  EXPECT_EQ(Value(1), "last");
  EXPECT_EQ(Value(2).size(), 4095u);
  EXPECT_EQ(Value(2), std::string(4095, 'm'));
}

TEST_F(VariablesCsvTest, AFileThatCannotBeCreatedOrOpenedChangesNothing) {
  SetVariable(0, "w", "3");
  const std::string missing = folders->documentsWindowsPath() + "\\no such folder\\x.csv";
  WriteVariablesCsv(missing.c_str());
  ReadVariablesCsv(missing.c_str());
  EXPECT_EQ(Value(0), "3");
}

}  // namespace
}  // namespace vmtest
