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
      "a\tb",       "cr\r\nx",
      "lf\r\nx",    "two\r\n\r\nx",
      "crlf\r\nx",  "say \"hi\", ok",
      "c:\\t\\n\\", "\x95\x5c\"\x95\x5c",
      "a=b, c d",   std::string(4095, 'z'),
  };
  const char* names[] = {"t", "n,comma", "n=eq", "n blank", "\x95\x5c", "q\"", "bs\\", "sj", "e", "long"};
  for (int row = 0; row < 10; ++row) SetVariable(row, names[row], values[row], row % 2);
  WriteVariablesCsv(path.c_str());
  const std::string file = ReadHostFile(hostPath);
  EXPECT_EQ(file.substr(0, file.find('\n') + 1), "\"Front piece\",t,0,\"a\\tb\"\r\n");
  for (int row = 0; row < 10; ++row) strcpy(globals().variables.varValues[row], "old");
  ReadVariablesCsv(path.c_str());
  for (int row = 0; row < 10; ++row) EXPECT_EQ(Value(row), values[row]) << names[row];
  EXPECT_STREQ(globals().variables.varNames[1], "n,comma");
}

// A value goes into the file as the format writes it: TAB as \t, every line
// break (CR LF, a lone CR or LF, LF CR) as \r\n, so that any reader of the
// format reads a line break, a double quote as \", a double-byte character and
// every other byte as they are. Only where the format cannot carry the value
// does one byte go as "\n" and its two hexadecimal digits, which a reader that
// does not know them reads as the bare digits. A value read back has its line
// breaks as CR LF pairs, and is written again as the same bytes.
TEST_F(VariablesCsvTest, ValuesAreWrittenInTheFormatsOwnFormAndEscapedOnlyWhereItCannotCarryThem) {
  const struct {
    std::string value;
    std::string field;  // between the double quotes of the file
    std::string readBack;  // "" when it is the value itself
  } cases[] = {
      {"a\tb", "a\\tb", ""},
      {"line 1\r\nline 2", "line 1\\r\\nline 2", ""},
      {"x\r\nAB", "x\\r\\nAB", ""},  // hexadecimal digits after a line break are only digits
      {"say \"hi\", ok = 1", "say \\\"hi\\\", ok = 1", ""},
      {"\"A\"&\"\\g8251;\"&B", "\\\"A\\\"&\\\"\\g8251;\\\"&B", ""},  // the language's own escape, untouched
      {"c:\\\\dir\\x", "c:\\\\dir\\x", ""},
      {"\\\"", "\\\\\"", ""},
      {"\x95\x5ct", "\x95\x5ct", ""},    // a trail byte 0x5C is no backslash
      {"\x81\t\x81\"", "\x81\t\x81\"", ""},  // a lead byte takes the byte after it, whatever it is
      {"a\rb", "a\\r\\nb", "a\r\nb"},
      {"a\nb", "a\\r\\nb", "a\r\nb"},
      {"a\n\rb\r\n\r", "a\\r\\nb\\r\\n\\r\\n", "a\r\nb\r\n\r\n"},
      {"\"x\"&\"\\r\"&\"y\"", "\\\"x\\\"&\\\"\\n5Cr\\\"&\\\"y\\\"", ""},  // "\r" as the language writes it
      {"\\t\\n", "\\n5Ct\\n5Cn", ""},
      {"dir\\", "dir\\n5C", ""},
      {"ab\x81", "ab\\n81", ""},
      {"\x81\nz", "\\n81\\r\\nz", "\x81\r\nz"},
      {"\x81\r\nz", "\\n81\\r\\nz", ""},
  };
  const int count = static_cast<int>(std::size(cases));
  for (int row = 0; row < count; ++row) {
    char name[16];
    std::snprintf(name, sizeof name, "v%d", row);
    SetVariable(row, name, cases[row].value);
  }
  ASSERT_EQ(WriteVariablesCsv(path.c_str()), 1);
  std::string expected;
  for (int row = 0; row < count; ++row)
    expected += "\"Front piece\",v" + std::to_string(row) + ",0,\"" + cases[row].field + "\"\r\n";
  EXPECT_EQ(ReadHostFile(hostPath), expected);
  for (int row = 0; row < count; ++row) strcpy(globals().variables.varValues[row], "");
  ReadVariablesCsv(path.c_str());
  for (int row = 0; row < count; ++row) {
    const std::string& readBack = cases[row].readBack.empty() ? cases[row].value : cases[row].readBack;
    EXPECT_EQ(Value(row), readBack) << cases[row].field;
  }
  ASSERT_EQ(WriteVariablesCsv(path.c_str()), 1);
  EXPECT_EQ(ReadHostFile(hostPath), expected) << "written again, the same bytes";
}

TEST_F(VariablesCsvTest, NamesGoBareUnlessTheyWouldNotReadBackBare) {
  const struct {
    const char* name;
    const char* written;
  } cases[] = {{"w", "w"},           {"\x95\x5c", "\x95\x5c"}, {"bs\\", "bs\\"},
               {"n blank", "\"n blank\""}, {"n,comma", "\"n,comma\""}, {"q\"", "\"q\\\"\""},
               {"tab\\t", "\"tab\\n5Ct\""}, {"lead\x81", "\"lead\\n81\""}};
  int row = 0;
  for (const auto& c : cases) SetVariable(row++, c.name, "1");
  ASSERT_EQ(WriteVariablesCsv(path.c_str()), 1);
  std::string expected;
  for (const auto& c : cases) expected += std::string("\"Front piece\",") + c.written + ",0,\"1\"\r\n";
  EXPECT_EQ(ReadHostFile(hostPath), expected);
  // Every value changed in the file comes back to its own name.
  std::string edited;
  for (const auto& c : cases) edited += std::string("\"Front piece\",") + c.written + ",0,\"2\"\r\n";
  WriteHostFile(hostPath, edited);
  ReadVariablesCsv(path.c_str());
  for (row = 0; row < static_cast<int>(std::size(cases)); ++row) EXPECT_EQ(Value(row), "2") << cases[row].name;
}

TEST_F(VariablesCsvTest, DocumentModeMatchesEachRowsOwnTitle) {
  globals().varTitlesValid = 1;
  SetVariable(0, "w", "1", 0, "Front");
  SetVariable(1, "w", "2", 0, "Back");
  WriteVariablesCsv(path.c_str());
  EXPECT_EQ(ReadHostFile(hostPath), "\"Front\",w,0,\"1\"\r\n\"Back\",w,0,\"2\"\r\n");
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
                "Front,blank name,0,\"x\"\r\n"
                "Front,x,0,\"1\\r2\\n3\\g4;\\\\5\"\r\n"
                "Front,y,0,\"a\\n0Ab\\n0D\\n0Ac\"\r\n");
  SetVariable(2, "x", "0");
  SetVariable(3, "y", "0");
  ReadVariablesCsv(path.c_str());
  EXPECT_EQ(Value(0), "a\r\nb\tc\"d");
  EXPECT_EQ(Value(1), "0");  // blanks outside quotes were always dropped
  // A lone \r is a line break, a lone \n nothing, other backslashes stay as they are.
  EXPECT_EQ(Value(2), "1\r\n23\\g4;\\\\5");
  // Lone line breaks an earlier version wrote as its own escapes read as line breaks.
  EXPECT_EQ(Value(3), "a\r\nb\r\nc");
}

TEST_F(VariablesCsvTest, OverlongAndMalformedLinesNeitherCrashNorSpill) {
  SetVariable(0, "w", "0");
  SetVariable(1, "v", "0");
  SetVariable(2, "u", "keep");
  std::string file = "\"Front piece\",\"w\",0,\"" + std::string(4094, 'a') + "\x95\x5c\"\r\n";
  file += "\n,,,\n\"\"\"\n\"Front piece\",\"u\n";                             // no fields, open quotes
  file += "\"Front piece\",\"u\",0,\"" + std::string(1 << 20, 'm') + "\"\n";  // a 1 MB line
  file += std::string("Front piece,\0u,0,\"nul\"\n", 23);
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
