// A person runs vestamark-host with their own Documents folder, whose
// preferences an editor, another program or a crash has had: after a plain
// run their sizes and settings are all there, or they are told what could not
// be read and where the file as it was is kept.
#include <sys/stat.h>

#include <filesystem>

#include "headless_run.h"
#include "win/win_paths.h"

namespace vmtest {
namespace {

namespace fs = std::filesystem;

constexpr char kPlainRun[] = "documents docs\ntick\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string Utf16(const std::string& ascii, bool big = false) {
  std::string out = big ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) out += big ? std::string{'\0', c} : std::string{c, '\0'};
  return out;
}

class PreferencesKeptTest : public HeadlessTest {
 protected:
  std::string Prefs(const std::string& name = "Vestamark.ini") const {
    return Path("docs/Adobe/Illustrator/Prefs/" + name);
  }
  void WritePrefs(const std::string& bytes, const std::string& name = "Vestamark.ini") const {
    fs::create_directories(fs::path(Prefs(name)).parent_path());
    WriteHostFile(Prefs(name), bytes);
  }
  // The preset lines and the language of the preferences as written.
  std::string Kept() const {
    const std::string text = ReadHostFile(Prefs());
    std::string kept;
    for (size_t at = 0; at < text.size();) {
      const size_t end = text.find("\r\n", at);
      const std::string line = text.substr(at, end - at);
      if (line.rfind("grading_preset_", 0) == 0 || line.rfind("language", 0) == 0) kept += line + "\n";
      at = end == std::string::npos ? text.size() : end + 2;
    }
    return kept;
  }
};

struct DamagedPreferences {
  const char* what;
  std::string file;
  const char* kept;
  int damagedLine;  // 0: every line was read
};

TEST_F(PreferencesKeptTest, APlainRunKeepsEverySizeAnEditorOrACrashLeft) {
  const std::string sizes =
      "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\r\n"
      "grading_preset_02 = \"M\",1.2,1.2,1,1,1,0\r\n"
      "grading_preset_05 = \"XL\",1.3,1.3,1,4,1,0\r\n"
      "language = ENGLISH\r\n";
  const char* all =
      "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\n"
      "grading_preset_02 = \"M\",1.2,1.2,1,1,1,0\n"
      "grading_preset_03 = \"XL\",1.3,1.3,1,4,1,0\n"
      "language = ENGLISH\n";
  std::string nul = sizes;
  nul.insert(nul.find("\"M\"") + 2, 1, '\0');
  std::string huge = sizes;
  huge.replace(huge.find("1.3,1.3"), 3, "5e38");
  const DamagedPreferences cases[] = {
      {"presets numbered 01, 02, 05", sizes, all, 0},
      {"nan, no such key", sizes + "no_such_key = 1\r\nflGrWidth = nan\r\ntoolMode = nan\r\nlanguage = nan\r\n", all, 0},
      {"CR-only line endings", Replace(sizes, "\r\n", "\r"), all, 0},
      {"saved as UTF-16", Utf16(sizes), all, 0},
      {"one NUL byte in the middle", nul,
       "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\n"
       "grading_preset_02 = \"XL\",1.3,1.3,1,4,1,0\n"
       "language = ENGLISH\n",
       2},
      {"a scale above 3.4e38", huge,
       "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\n"
       "grading_preset_02 = \"M\",1.2,1.2,1,1,1,0\n"
       "grading_preset_03 = \"XL\",5e+38,1.3,1,4,1,0\n"
       "language = ENGLISH\n",
       0},
  };
  for (const DamagedPreferences& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Path("docs"));
    WritePrefs(c.file);
    WritePrefs("older", "Vestamark.ini.bak");
    const ProgramRun run = Grade(kPlainRun);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Kept(), c.kept);
    EXPECT_EQ(ReadHostFile(Prefs() + ".bak"), "older");
    const std::string told = "alert: \"\"" + WindowsPathFromHost(Prefs()) + "\" held lines that could not be read";
    if (c.damagedLine > 0) {
      EXPECT_NE(run.out.find(told + " (the first is line " + std::to_string(c.damagedLine) +
                             ").\n          The file as it was is kept as \"" + WindowsPathFromHost(Prefs()) +
                             ".2.bak\".\""),
                std::string::npos)
          << run.out;
      EXPECT_EQ(ReadHostFile(Prefs() + ".2.bak"), c.file);
      EXPECT_NE(run.out.find("wrote " + Prefs() + ".2.bak\n"), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.out.find("alert:"), std::string::npos) << run.out;
      EXPECT_FALSE(fs::exists(Prefs() + ".2.bak"));
    }
    // The next run finds the file as it was written: nothing more is lost, nothing told.
    const std::string written = ReadHostFile(Prefs());
    const ProgramRun again = Grade(kPlainRun);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(ReadHostFile(Prefs()), written);
    EXPECT_EQ(again.out.find("alert:"), std::string::npos) << again.out;
  }
}

// The language option changes one line of the file and writes it whole: on a
// full disk the file of 60 sizes stays as it was; with room, it keeps its
// permissions and every size.
TEST_F(PreferencesKeptTest, TheLanguageOptionWritesThePreferencesWholeOrNotAtAll) {
  std::string sizes;
  for (int n = 1; n <= 60; ++n) {
    char line[96];
    std::snprintf(line, sizeof line, "grading_preset_%02d = \"Size number %02d\",1.%02d,1.%02d,1,%d,1,0\r\n", n, n, n,
                  n, n - 1);
    sizes += line;
  }
  const std::string file = "language = JAPANESE\r\n" + sizes;
  WritePrefs(file);
  chmod(Prefs().c_str(), 0640);
  const ProgramRun full = Host({ExamplePatternPath(), Write("session.txt", "documents docs\nlanguage english\ntick\n"),
                                Path("graded.svg")},
                               "trap '' XFSZ; ulimit -f 2;");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("nothing was written"), std::string::npos) << full.err;
  EXPECT_EQ(ReadHostFile(Prefs()), file);
  EXPECT_FALSE(fs::exists(Path("graded.svg")));

  const ProgramRun run = Grade("documents docs\nlanguage english\ntick\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string written = ReadHostFile(Prefs());
  EXPECT_NE(written.find("grading_preset_60 = \"Size number 60\",1.6,1.6,1,59,1,0\r\nlanguage = ENGLISH\r\n"),
            std::string::npos)
      << written;
  struct stat mode {};
  stat(Prefs().c_str(), &mode);
  EXPECT_EQ(mode.st_mode & 0777, 0640u);
  for (const auto& entry : fs::directory_iterator(fs::path(Prefs()).parent_path()))
    EXPECT_EQ(entry.path().filename(), "Vestamark.ini") << "nothing is left beside it";
}

// The language option edits its line as the file was saved, in either byte order and with CR line ends.
TEST_F(PreferencesKeptTest, TheLanguageOptionEditsTheFileInItsOwnEncoding) {
  const std::string sizes = "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\rgrading_preset_02 = \"XL\",1.3,1.3,1,4,1,0";
  for (const bool big : {false, true}) {
    WritePrefs(Utf16("language = JAPANESE\r" + sizes, big));
    const ProgramRun run = Grade("documents docs\nlanguage english\ntick\n");
    EXPECT_EQ(run.out.find("alert:"), std::string::npos) << run.out;
    EXPECT_EQ(Kept(), Replace(sizes, "\r", "\n") + "\nlanguage = ENGLISH\n");
  }
}

// A session that stops on a fault writes nothing: not its outputs, not the
// module's files, not even a damaged file's copy.
TEST_F(PreferencesKeptTest, ASessionThatFailsLeavesTheUsersFilesAsTheyWere) {
  const std::string file =
      "grading_preset_01 = \"S\",1.1,1.1,1,0,1,0\r\n"
      "grading_preset_05 = \"XL\",1.3,1.3,1,4,1,0\r\n"
      "no_such_key = 1\r\n";
  WritePrefs(file);
  const ProgramRun run = Grade("documents docs\nlanguage english\ntick\nselect nowhere\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("no art with the id \"nowhere\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("nothing was written"), std::string::npos);
  EXPECT_EQ(ReadHostFile(Prefs()), file);
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(Path("docs"))) names.push_back(entry.path().filename());
  EXPECT_EQ(names.size(), 4u) << "Adobe, Illustrator, Prefs and the file itself";
}

// A preset file chosen in the preset configuration is read as its editor
// saved it (CR-only, a gap in the numbering); what could not be read is said,
// and the file as it was is kept beside it in the person's own folder.
TEST_F(PreferencesKeptTest, ADamagedPresetFileIsKeptBesideItWhenChosen) {
  const std::string winter =
      "grading_preset_01 = \"W1\",1.1,1.1,1,0,1,0\r"
      "grading_preset_04 = \"W2\",1.2,1.2,1,1,1,0\r"
      "grading_unit = 2\rgrading_preset_05 = \"W3\r";
  WritePrefs(winter, "Vestamark/Winter.ini");
  WritePrefs("older", "Vestamark/Winter.ini.bak");
  const ProgramRun run = Grade(
      "documents docs\nlanguage english\ntick\n"
      "dialog 17161\n  pick-text 8 Winter\n  click 1\nend\n"
      "flyout Vestamark_INF_PANEL \"Preset setting...\"\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Winter.ini\" held lines that could not be read (the first is line 4)."), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("kept as \"" + WindowsPathFromHost(Prefs("Vestamark/Winter.ini.2.bak"))), std::string::npos);
  EXPECT_EQ(ReadHostFile(Prefs("Vestamark/Winter.ini.2.bak")), winter);
  EXPECT_EQ(ReadHostFile(Prefs("Vestamark/Winter.ini.bak")), "older");
  EXPECT_EQ(ReadHostFile(Prefs("Vestamark/Winter.ini")), winter) << "only Save writes the file";
  EXPECT_EQ(Kept(),
            "grading_preset_01 = \"W1\",1.1,1.1,1,0,1,0\n"
            "grading_preset_02 = \"W2\",1.2,1.2,1,1,1,0\n"
            "language = ENGLISH\n");
}

// A preset file the user deletes in the preset configuration is gone from
// their folder when the session ends well, and only then.
TEST_F(PreferencesKeptTest, APresetFileDeletedInTheSessionLeavesTheUsersFolder) {
  WritePrefs("grading_preset_01 = \"W1\",1.1,1.1,1,0,1,0\r\n", "Vestamark/Winter.ini");
  const std::string deleting =
      "documents docs\nlanguage english\ntick\n"
      "dialog 17161\n  pick-text 8 Winter\n  pick-text 8 Delete\n  click 1\nend\nalert ok\n"
      "flyout Vestamark_INF_PANEL \"Preset setting...\"\n";
  const ProgramRun failed = Grade(deleting + "select nowhere\n");
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(fs::exists(Prefs("Vestamark/Winter.ini")));
  const ProgramRun run = Grade(deleting);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("removed " + Prefs("Vestamark/Winter.ini") + "\n"), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(Prefs("Vestamark/Winter.ini")));
}

}  // namespace
}  // namespace vmtest
