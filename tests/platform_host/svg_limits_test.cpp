// What a file may choose cannot make reading it costly: names of tags that fall together under
// a hash known before the run, or text drawn again and again through uses.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>

#include "support/host_fixture.h"
#include "svg_codes.h"
#include "svg_test_files.h"
#include "tag_names_met.h"

using namespace vmtest;

namespace {

// 4000 names of sixteen bytes whose second word brings the sum the quick hash mixes, or the
// state of std::hash, to one value for all.
std::vector<std::string> NamesThatFallTogether(bool quick) {
  const auto inverse = [](uint64_t odd) {
    uint64_t x = odd;
    for (int i = 0; i < 5; ++i) x *= 2 - odd * x;
    return x;
  };
  const auto mix = [](uint64_t v) { return v ^ v >> 47; };
  constexpr uint64_t kMul = 0xC6A4A7935BD1E995;
  std::vector<std::string> names;
  for (int i = 0; i < 4000; ++i) {
    std::string name = std::to_string(10000000 + i);
    name[0] = 'n';
    uint64_t first, second;
    std::memcpy(&first, name.data(), 8);
    if (quick)
      second = (0 - 16 * 0xD6E8FEB86659FD93 - first * 0x9E3779B97F4A7C15) * inverse(0xC2B2AE3D27D4EB4F);
    else
      second = mix(0xC70F6907 ^ 16 * kMul ^ mix(first * kMul) * kMul) * inverse(kMul);
    names.push_back(name.append(reinterpret_cast<const char*>(&second), 8));
  }
  return names;
}

class SvgLimitsTest : public HostTest {
 protected:
  std::string FaultOf(const std::string& body, size_t budget = 0) {
    const std::string path = ScratchPath("limits.svg");
    WriteWholeText(path, "<svg xmlns='http://www.w3.org/2000/svg'>\n" + body + "</svg>");
    std::string error;
    EXPECT_EQ(vmhost::OpenDocument(path, &error, nullptr, SvgReadOptions{96, budget}), nullptr);
    return error;
  }
};

TEST_F(SvgLimitsTest, NamesChosenToFallTogetherAreFoundGivenTwiceInAFewStepsEach) {
  for (const bool quick : {true, false}) {
    const std::vector<std::string> names = NamesThatFallTogether(quick);
    const auto old = [&](const std::string& name) {
      return quick ? NamesMet::QuickHash(name) : std::hash<std::string_view>{}(name);
    };
    EXPECT_EQ(old(names[0]), old(names[3999]));
    std::vector<TagRef> tags;
    for (const std::string& name : names) tags.push_back(TagRef::Make(name, ""));
    tags.push_back(tags[7]);  // met before the table starts again
    tags.push_back(tags[1234]);
    NamesMet met(tags.size());
    for (size_t i = 0; i < tags.size(); ++i)
      EXPECT_EQ(met.Twice(tags, i, NamesMet::QuickHash(tags[i]->name())), i >= names.size());
    // About one slot passed a name, not every name before it.
    EXPECT_GT(met.Steps(), names.size() / 8);
    EXPECT_LT(met.Steps(), 8 * names.size());
    // The tag list's own hash spreads them over its slots.
    std::set<uint32_t> slots;
    for (const std::string& name : names) slots.insert(TagNameHash(name) & 4095);
    EXPECT_GT(slots.size(), 2000u);
    std::string coded;
    for (const std::string& name : names) coded += " vm:tag." + EncodeBytes(name, '-', KeepKeyByte) + "=''";
    const std::string again = " vm:tag." + EncodeBytes(names[1234], '-', KeepKeyByte) + "='again'";
    EXPECT_NE(FaultOf("<g" + coded + again + "/>").find(": line 2: tag 'n0001234"), std::string::npos);
  }
}

// A child that starts the program again hashes a name otherwise.
TEST(SvgLimitsKeyTest, TheTagNamesKeyIsDrawnAnewInEachProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  setenv("VM_PARENTS_NAME_HASH", std::to_string(TagNameHash("vmk_grading_1")).c_str(), 0);  // the child keeps it
  EXPECT_EXIT(std::exit(std::to_string(TagNameHash("vmk_grading_1")) == std::getenv("VM_PARENTS_NAME_HASH")),
              testing::ExitedWithCode(0), "");
}

// Text, or a tag, of 20,000 characters drawn a hundred times through uses of uses.
TEST_F(SvgLimitsTest, TextAndTagsDrawnAgainCountInTheFilesMemory) {
  const std::string text(20000, 'x');
  for (const std::string& drawn : {"<text id='u0'>" + text + "</text>", "<path id='u0' d='M0 0h1' vm:tag.t='" + text + "'/>"}) {
    std::string body = "<defs>" + drawn;
    for (const char level : {'1', '2'}) {
      body += std::string("<g id='u") + level + "'>";
      for (int i = 0; i < 10; ++i) body += std::string("<use href='#u") + char(level - 1) + "'/>";
      body += "</g>";
    }
    EXPECT_NE(FaultOf(body + "</defs><use href='#u2'/>", size_t{1} << 20)
                  .find(": line 2: the art it draws would take more than 1 MB of memory"),
              std::string::npos);
  }
}

}  // namespace
