// A file cannot make its reading costly by names chosen to fall together, nor by text drawn again.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "support/host_fixture.h"
#include "svg_test_files.h"
#include "tag_names_met.h"

using namespace vmtest;

namespace {

class SvgLimitsTest : public HostTest {};

std::string FaultOf(const std::string& body) {
  const std::string path = ScratchPath("limits.svg");
  WriteWholeText(path, "<svg xmlns='http://www.w3.org/2000/svg'>\n" + body + "</svg>");
  std::string error;
  EXPECT_EQ(vmhost::OpenDocument(path, &error, nullptr, SvgReadOptions{96, 1 << 20}), nullptr);
  std::remove(path.c_str());
  return error;
}

// 4000 names that the quick hash gives one value, then two again; the keyed hash differs in each run.
TEST(TagNamesMetTest, NamesChosenToFallTogetherAreFoundGivenTwiceInAFewStepsEach) {
  uint64_t first, second;
  std::vector<TagRef> tags;
  for (int i = 0; i < 4002; ++i) {
    std::string name = std::to_string(10000000 + (i < 4000 ? i : i == 4000 ? 7 : 1234));  // 7: met before it rekeys
    std::memcpy(&first, name.data(), 8);  // the second word brings the quick hash's sum to 0
    second = (0 - 16 * 0xD6E8FEB86659FD93 - first * 0x9E3779B97F4A7C15) * 0x0BA79078168D4BAF;  // 1 / its multiplier
    tags.push_back(TagRef::Make(name.append(reinterpret_cast<const char*>(&second), 8), ""));
  }
  NamesMet met(tags.size());
  for (size_t i = 0; i < 4002; ++i) EXPECT_EQ(met.Twice(tags, i, NamesMet::QuickHash(tags[i]->name())), i >= 4000);
  EXPECT_TRUE(met.Steps() > 4000 / 8 && met.Steps() < 4000 * 8) << met.Steps();  // about a slot a name
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a child that starts the program again hashes otherwise
  setenv("VM_NAME_HASH", std::to_string(TagNameHash("n")).c_str(), 0);  // the child keeps it
  EXPECT_EXIT(std::exit(std::to_string(TagNameHash("n")) == std::getenv("VM_NAME_HASH")), testing::ExitedWithCode(0),
              "");
}

// Text, or a tag, of 20,000 characters drawn a hundred times through uses of uses.
TEST_F(SvgLimitsTest, TextAndTagsDrawnAgainCountInTheFilesMemory) {
  const auto ten = [](const std::string& use) { return use + use + use + use + use + use + use + use + use + use; };
  const std::string text(20000, 'x'),
      uses = "<g id='u1'>" + ten("<use href='#u0'/>") + "</g></defs>" + ten("<use href='#u1'/>");
  for (const auto& art : {"<text id='u0'>" + text + "</text>", "<path id='u0' d='M0 0h1' vm:tag.t='" + text + "'/>"})
    EXPECT_NE(FaultOf("<defs>" + art + uses).find("line 2: the art it draws would take more than 1 MB"),
              std::string::npos);
}

}  // namespace
