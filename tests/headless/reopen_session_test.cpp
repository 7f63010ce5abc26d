// A person grades, saves, and opens the pattern again in a second run of
// vestamark-host: what they set comes back as they set it.
#include <filesystem>

#include "headless_run.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

std::string ExampleFile(const char* name) {
  return std::filesystem::path(ExamplePatternPath()).parent_path().string() + "/" + name;
}

struct SavedFront {
  std::map<std::string, std::string> tags;
  std::vector<PathSegment> drawn;    // the front as drawn
  std::vector<PathSegment> preview;  // its graded copy on the preview layer
};

SavedFront ReadFront(const std::string& path) {
  vmhost::ResetHost();
  std::string error;
  SavedFront front;
  EXPECT_NE(vmhost::OpenDocument(path, &error), nullptr) << error;
  ArtHandle art = vmhost::FindArtById("front");
  if (art == nullptr) return front;
  for (const auto& [key, value] : vmhost::Tags(art)) front.tags[key] = value;
  front.drawn = vmhost::Segments(art);
  if (LayerHandle preview = vmhost::FindLayer("<<Vestamark Preview>>"))
    for (ArtHandle copies : vmhost::Children(preview->group))
      for (ArtHandle copy : vmhost::Children(copies))
        if (vmhost::Segments(copy).size() == front.drawn.size()) front.preview = vmhost::Segments(copy);
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
  return front;
}

// The angle handle of the example runs from the side neck point (anchor 4) to
// the shoulder point (anchor 3). Shown in L (104 % wide, 101.5 % high) and not
// turned, the shoulder lies from the side neck as drawn, scaled.
void ExpectShoulderUnturnedInL(const SavedFront& front) {
  ASSERT_EQ(front.preview.size(), front.drawn.size());
  const RealPoint& neck = front.drawn[4].p;
  const RealPoint& shoulder = front.drawn[3].p;
  EXPECT_NEAR(front.preview[3].p.h - front.preview[4].p.h, (shoulder.h - neck.h) * 1.04, 0.05);
  EXPECT_NEAR(front.preview[3].p.v - front.preview[4].p.v, (shoulder.v - neck.v) * 1.015, 0.05);
}

TEST_F(HeadlessTest, AClearedAngleStaysClearedAndTheSizeShownStaysAfterSizesAreRemoved) {
  const ProgramRun first =
      Host({ExamplePatternPath(), ExampleFile("clear-angle.session"), Path("angle.svg")});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.out.find("alert: \"Are you sure you want to delete this preset (S)?\" [OK]"),
            std::string::npos)
      << first.out;
  const ProgramRun second = Host({Path("angle.svg"), ExampleFile("reopen-front.session"), Path("reopened.svg")});
  ASSERT_EQ(second.status, 0) << second.err;

  for (const char* file : {"angle.svg", "reopened.svg"}) {
    SCOPED_TRACE(file);
    SavedFront front = ReadFront(Path(file));
    // The angle is the front's second handle; L is scale index 2.
    ASSERT_EQ(front.tags["vmk_grading_fxh_conf_2"].rfind("-7,", 0), 0u) << front.tags["vmk_grading_fxh_conf_2"];
    ASSERT_EQ(front.tags.count("vmk_grading_fxh_ratio_203"), 1u);
    EXPECT_EQ(front.tags["vmk_grading_fxh_ratio_203"], "");
    EXPECT_EQ(front.tags["vmk_grading_fxh_ratio_204"], "0");
    ExpectShoulderUnturnedInL(front);
  }
}

// Sizes saved with a piece come back with its document even when no preset
// file was ever chosen: XL, known only to the first run's preferences, can be
// chosen in the second.
TEST_F(HeadlessTest, APatternBringsBackTheSizesItWasGradedWith) {
  std::filesystem::create_directories(Path("first/Adobe/Illustrator/Prefs"));
  Write("first/Adobe/Illustrator/Prefs/Vestamark.ini",
        "grading_prefspath = \"\"\r\n"
        "grading_preset_01 = \"S\",1,1,1,0,1,0\r\n"
        "grading_preset_02 = \"M\",1,1,1,1,1,0\r\n"
        "grading_preset_03 = \"L\",1,1,1,2,1,0\r\n"
        "grading_preset_04 = \"XL\",1,1,1,4,1,0\r\n");
  const ProgramRun first = Grade("documents " + Path("first") +
                                 "\nlanguage english\ntick\nselect front\ntick\ntool Angle revision\n"
                                 "down 350mm 430mm\ndrag 475mm 385mm\nup 475mm 385mm\ntick\n");
  ASSERT_EQ(first.status, 0) << first.err;
  const ProgramRun second = Host({Path("graded.svg"),
                                  Write("reopen.txt",
                                        "language english\ntick\ntool Angle revision\nselect front\ntick\n"
                                        "flyout Vestamark_INF_PANEL XL\ntick\n"),
                                  Path("reopened.svg")});
  EXPECT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.err.find("no flyout item"), std::string::npos) << second.err;
  EXPECT_FALSE(ReadFront(Path("reopened.svg")).preview.empty());
}

}  // namespace
}  // namespace vmtest
