// The user's files as they reach the module after an editor, another program
// or a crash had them: each of the module's files (preferences, a preset file,
// a size table, a variables file) with each kind of damage, and what the user
// keeps and is told. Whatever a reader takes is written back and read again
// the same.

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

#include "host/host_driver.h"
#include "store/preferences_file.h"
#include "store/size_table_file.h"
#include "store/variables_csv.h"
#include "support/file_size_limit.h"
#include "store_scene.h"

namespace vmtest {
namespace {

// A person's text as their editor saves it in UTF-16 with its mark.
std::string Utf16(const std::string& utf8) {
  std::string out = "\xFF\xFE";
  auto unit = [&](uint32_t u) { out += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}; };
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    uint32_t c = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n; ++k) c = c << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<size_t>(n);
    if (c < 0x10000) {
      unit(c);
    } else {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf16BigEndian(const std::string& ascii) {
  std::string out = "\xFE\xFF";
  for (char c : ascii) out += {'\0', c};
  return out;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// Bytes no editor writes: every value, NULs among them, in no order.
std::string Binary() {
  std::string bytes;
  uint32_t x = 2463534242u;
  for (int i = 0; i < 4096; ++i) {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    bytes.push_back(static_cast<char>(x & 0xFF));
  }
  return bytes;
}

const std::string kPresets =
    "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\r\n"
    "grading_preset_02 = \"M\",1.2,1.2,1,1,1,0\r\n"
    "grading_preset_03 = \"L\",1.3,1.3,1,2,1,0\r\n";
const std::string kPreferences = "grading_unit = 1\r\n" + kPresets + "language = ENGLISH\r\n";
const std::string kSizeTable =
    "grading_size_table_01 = 91,1,2,3,4,5,6,7,8\r\n"
    "grading_size_table_02 = 92,1,2,3,4,5,6,7,8\r\n"
    "grading_size_table_03 = 93,1,2,3,4,5,6,7,8\r\n";
const std::string kVariables =
    "\"Front piece\",A,0,\"91\"\r\n"
    "\"Front piece\",BACK,0,\"12\"\r\n"
    "\"Front piece\",C,0,\"3\"\r\n";
const std::string kMegabyte(1 << 20, 'x');

struct FileKind {
  const char* name;
  const char* relative;  // under the Prefs folder; "" for the variables file
  std::function<void()> read;
  std::function<int()> write;
  std::function<std::string()> kept;  // what the user has after reading
};

struct Damage {
  const char* kind;
  const char* what;
  std::string bytes;
  std::string kept;
  bool told;  // an alert names the file (and its copy, for the files the module writes again)
};

class DamagedFilesTest : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    globals().varTitlesValid = 0;
    std::strcpy(globals().grading_title, "Front piece");
    csvPath = folders->documentsWindowsPath() + "\\export.csv";
  }

  // The state each read starts from: defaults, and values a file must change to show.
  void Reset() {
    PluginGlobals& g = globals();
    g.language = 0;
    g.grading_unit = 0;
    g.grading_angle = 0;
    for (ScalePair& scale : g.presetScale) scale = {1, 1};
    for (SizeTableRow& row : g.sizeTable) row.pitch = 55;
    const char* names[] = {"A", "BACK", "C"};
    for (int row = 0; row < 3; ++row) SetVariable(row, names[row], "0");
    vmhost::ClearRecordings();
  }

  static std::string Presets() {
    std::string text;
    for (const PresetRecord& p : gPlugin->presets) {
      if (p.empty) break;
      char scale[32];
      std::snprintf(scale, sizeof scale, "%g", gPlugin->presetScale[p.scaleIndex].h);
      text += std::string(p.name) + "/" + std::to_string(p.scaleIndex) + "/" + scale + " ";
    }
    return text;
  }

  std::vector<FileKind> Kinds() {
    return {
        {"preferences", "Vestamark.ini", [] { ReadPreferencesIni(); }, [] { return WritePreferencesIni(); },
         [] {
           return Presets() + "unit " + std::to_string(gPlugin->grading_unit) + " language " +
                  std::to_string(gPlugin->language);
         }},
        {"preset file", "Vestamark/Winter.ini", [] { ReadPreferencesIni("Winter"); },
         [] { return WritePreferencesIni("Winter"); }, [] { return Presets(); }},
        {"size table", "Vestamark/SizeTable/T.ini", [] { ReadSizeTableFile("T"); },
         [] { return WriteSizeTableFile("T"); },
         [] {
           std::string rows;
           for (int r = 0; r < 5; ++r) rows += std::to_string(static_cast<int>(gPlugin->sizeTable[r].pitch)) + " ";
           return rows;
         }},
        {"variables", "", [this] { ReadVariablesCsv(csvPath.c_str()); },
         [this] { return WriteVariablesCsv(csvPath.c_str()); },
         [] {
           std::string values;
           for (int row = 0; row < 3; ++row) values += std::string(gPlugin->variables.varValues[row]).substr(0, 8) + " ";
           return values;
         }},
    };
  }

  std::string HostPath(const FileKind& kind) {
    return kind.relative[0] != '\0' ? PrefsFile(kind.relative) : folders->documents() + "/export.csv";
  }

  std::string csvPath;
};

TEST_F(DamagedFilesTest, EachFileWithEachDamageKeepsWhatCanBeReadAndSaysWhatCouldNot) {
  const std::string base[] = {kPreferences, kPresets, kSizeTable, kVariables};
  const std::string all[] = {"S/0/1.1 M/1/1.2 L/2/1.3 unit 1 language 1", "S/0/1.1 M/1/1.2 L/2/1.3 ",
                             "91 92 93 55 55 ", "91 12 3 "};
  const Damage damages[] = {
      // A gap in the numbering (or a blank line): every preset is kept, the later ones move up.
      {"preferences", "gap", Replace(kPreferences, "_03", "_05"), all[0], false},
      {"preset file", "gap", Replace(kPresets, "_03", "_05"), all[1], false},
      {"size table", "gap", Replace(kSizeTable, "_03", "_05"), "91 92 55 55 93 ", false},
      {"variables", "gap", Replace(kVariables, "\r\n", "\r\n\r\n"), all[3], false},
      // Lines ended by CR alone, as an older system's programs write them.
      {"preferences", "CR-only", Replace(kPreferences, "\r\n", "\r"), all[0], false},
      {"preset file", "CR-only", Replace(kPresets, "\r\n", "\r"), all[1], false},
      {"size table", "CR-only", Replace(kSizeTable, "\r\n", "\r"), all[2], false},
      {"variables", "CR-only", Replace(kVariables, "\r\n", "\r"), all[3], false},
      // Saved as UTF-16 by an editor: read as the text it holds.
      {"preferences", "UTF-16", Utf16(kPreferences), all[0], false},
      {"preset file", "UTF-16", Utf16(kPresets), all[1], false},
      {"size table", "UTF-16", Utf16(kSizeTable), all[2], false},
      {"variables", "UTF-16", Utf16(kVariables), all[3], false},
      // ... or in UTF-16 of the other byte order, or UTF-8, each with its mark.
      {"size table", "UTF-16, big-endian", Utf16BigEndian(kSizeTable), all[2], false},
      {"preferences", "UTF-8 with its mark", "\xEF\xBB\xBF" + kPreferences, all[0], false},
      // ... with a character Shift-JIS has no form for: that line alone is not read.
      {"preset file", "UTF-16 with a character beyond Shift-JIS",
       Utf16(Replace(kPresets, "\"M\"", "\"M\xF0\x9F\x91\x97\"")), "S/0/1.1 L/2/1.3 ", true},
      // One NUL byte: its line is not read, every line after it is.
      {"preferences", "NUL", Replace(kPreferences, "\"M\"", std::string("\"M\0\"", 4)),
       "S/0/1.1 L/2/1.3 unit 1 language 1", true},
      {"preset file", "NUL", Replace(kPresets, "\"M\"", std::string("\"M\0\"", 4)), "S/0/1.1 L/2/1.3 ", true},
      {"size table", "NUL", Replace(kSizeTable, "92,", std::string("9\0" "2,", 4)), "91 55 93 55 55 ", true},
      {"variables", "NUL", Replace(kVariables, "\"12\"", std::string("\"1\0" "2\"", 5)), "91 0 3 ", true},
      // Cut short by a crash, in the middle of a line.
      {"preferences", "truncated", kPreferences.substr(0, kPreferences.find("\"L\"") + 2),
       "S/0/1.1 M/1/1.2 unit 1 language 0", true},
      {"preset file", "truncated", kPresets.substr(0, kPresets.find("\"L\"") + 2), "S/0/1.1 M/1/1.2 ", true},
      {"size table", "truncated", kSizeTable.substr(0, kSizeTable.find("93,") + 3), "91 92 93 55 55 ", true},
      {"variables", "truncated", kVariables.substr(0, kVariables.find("\"3\"") + 2), "91 12 0 ", true},
      // A line of a megabyte among the others.
      {"preferences", "1 MB line", Replace(kPreferences, "grading_unit", "grading_title = \"" + kMegabyte + "\"\r\ngrading_unit"),
       all[0], true},
      {"preset file", "1 MB line", kMegabyte + "\r\n" + kPresets, all[1], true},
      {"size table", "1 MB line", kSizeTable + "grading_size_table_04 = " + kMegabyte + "\r\n", all[2], true},
      {"variables", "1 MB line", Replace(kVariables, "\"12\"", "\"" + kMegabyte + "\""), "91 xxxxxxxx 3 ", true},
      // Binary bytes where the text was.
      {"preferences", "binary", Binary(), "unit 0 language 0", true},
      {"preset file", "binary", Binary(), "", true},
      {"size table", "binary", Binary(), "55 55 55 55 55 ", true},
      {"variables", "binary", Binary(), "0 0 0 ", true},
      // A value beyond a float is a number all the same; one beyond a double or a field is not.
      {"preferences", "a scale beyond a float", Replace(kPreferences, "\"L\",1.3", "\"L\",5e38"),
       "S/0/1.1 M/1/1.2 L/2/5e+38 unit 1 language 1", false},
      {"preferences", "nan scale, preset 00", Replace(kPreferences, "\"L\",1.3", "\"L\",nan") + "grading_preset_00 = X",
       "S/0/1.1 M/1/1.2 L/2/1 unit 1 language 1", false},
      {"preset file", "an output flag written nan", Replace(kPresets, "1.3,1.3,1", "1.3,1.3,nan"), all[1], true},
      {"size table", "a row past the table, a cell written nan",
       kSizeTable + "grading_size_table_11 = 5\r\ngrading_size_table_04 = 94,nan\r\n", "91 92 93 94 55 ", false},
      {"preferences", "a setting beyond its field", Replace(kPreferences, "unit = 1", "unit = 99999"),
       "S/0/1.1 M/1/1.2 L/2/1.3 unit 0 language 1", true},
      {"preset file", "a scale beyond a double", Replace(kPresets, "\"L\",1.3", "\"L\",1e999"),
       "S/0/1.1 M/1/1.2 L/2/1 ", true},
      {"size table", "a cell beyond a double", Replace(kSizeTable, "92,", "1e999,"), "91 0 93 55 55 ", true},
      {"variables", "a value beyond the table's room", Replace(kVariables, "\"12\"", "\"" + std::string(5000, '7') + "\""),
       "91 77777777 3 ", true},
  };
  const std::vector<FileKind> kinds = Kinds();
  for (const Damage& d : damages) {
    SCOPED_TRACE(std::string(d.kind) + ", " + d.what);
    const FileKind& kind = *std::find_if(kinds.begin(), kinds.end(), [&](const FileKind& k) { return d.kind == std::string(k.name); });
    const std::string path = HostPath(kind);
    std::filesystem::remove(path + ".2.bak");
    WriteHostFile(path + ".bak", "older");
    WriteHostFile(path, d.bytes);
    Reset();
    kind.read();
    EXPECT_EQ(kind.kept(), d.kept);
    const std::vector<std::string> alerts = AlertTexts();
    const std::string name = std::filesystem::path(path).filename().string();
    const bool rewritten = kind.relative[0] != '\0';
    if (d.told) {
      ASSERT_EQ(alerts.size(), 1u) << "the user is told once";
      EXPECT_NE(alerts[0].find(name + "\""), std::string::npos) << alerts[0];
      if (rewritten) {
        EXPECT_NE(alerts[0].find(name + ".2.bak\""), std::string::npos) << alerts[0];
      }
    } else {
      EXPECT_TRUE(alerts.empty()) << alerts[0];
    }
    // The file as it was, whenever the module might write over it.
    EXPECT_EQ(ReadHostFile(path + ".2.bak"), d.told && rewritten ? d.bytes : "<missing>");
    EXPECT_EQ(ReadHostFile(path + ".bak"), "older");

    // What was read is written back whole and read again the same.
    ASSERT_EQ(kind.write(), 1);
    const std::string written = ReadHostFile(path);
    EXPECT_EQ(written.find("inf"), std::string::npos) << written;
    Reset();
    kind.read();
    EXPECT_EQ(kind.kept(), d.kept) << "written back and read again";
    EXPECT_TRUE(AlertTexts().empty()) << "the file written back reads whole";
  }
}

// A write that fails (a full disk) leaves each file as it was and nothing
// beside it; the caller hears of it.
TEST_F(DamagedFilesTest, AFailedWriteLeavesEachFileAsItWas) {
  Reset();
  for (int slot = 0; slot < 60; ++slot) {
    PresetRecord& p = globals().presets[slot];
    std::snprintf(p.name, sizeof p.name, "Size %d", slot);
    p.scaleIndex = slot;
    p.enabled = 1;
    p.empty = 0;
  }
  for (int row = 0; row < 3; ++row) std::memset(globals().variables.varValues[row], 'v', 300);
  for (const FileKind& kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    const std::string path = HostPath(kind);
    const std::string old = "the old file\r\n";
    WriteHostFile(path, old);
    const int written = WithFileSizeLimit(256, kind.write);
    EXPECT_EQ(written, 0);
    EXPECT_EQ(ReadHostFile(path), old);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
      EXPECT_NE(entry.path().extension(), ".tmp") << "nothing half-written is left";
  }
}

}  // namespace
}  // namespace vmtest
