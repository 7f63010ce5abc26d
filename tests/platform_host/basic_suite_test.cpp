// Suites by name and version, blocks and string equality.
#include <cstring>
#include <iterator>

#include "host_suite_tables.h"
#include "support/host_fixture.h"

using namespace vmtest;

namespace {

class BasicSuiteTest : public HostTest {};

// The module's table, in its order; one suite stands in two rows.
const std::pair<const char*, int32_t> kModuleRows[] = {
    {"SP Blocks Suite", 2},
    {"SP Access Suite", 3},
    {"AI Plugin Suite", 5},
    {"AI MdMemory Suite", 3},
    {"AI Real Math Suite", 3},
    {"AI Art Suite", 17},
    {"AI User Interface Theme Suite", 2},
    {"AI Panel Suite", 2},
    {"AI Panel Flyout Menu Suite", 2},
    {"AI User Suite", 12},
    {"AI Runtime Suite", 12},
    {"AI Data Filter Suite", 8},
    {"AI Layer Suite", 13},
    {"AI Custom Color Suite", 8},
    {"AI Path Style Suite", 13},
    {"AI Swatch List Suite", 7},
    {"AI Path Suite", 11},
    {"AI Matching Art Suite", 7},
    {"AI Document Suite", 14},
    {"AI Document View Suite", 12},
    {"AI Transform Art Suite", 3},
    {"AI Group Suite", 5},
    {"AI Tag Suite", 4},
    {"AI Random Suite", 5},
    {"AI Real Bezier Suite", 4},
    {"AI Action Manager Suite", 5},
    {"AI PathConstruction Suite", 5},
    {"AI Art Style Suite", 7},
    {"AI Text Frame Suite", 4},
    {"AI Font Suite", 6},
    {"AI Foreign Object Suite", 4},
    {"AIATE Paint Suite", 3},
    {"ATE ApplicationPaint Suite", 1},
    {"ATE CompFont Suite", 1},
    {"ATE CompFontClass Suite", 1},
    {"ATE CompFontClassSet Suite", 1},
    {"ATE CompFontComponent Suite", 1},
    {"ATE CompFontSet Suite", 1},
    {"ATE GlyphRun Suite", 1},
    {"ATE GlyphRunsIterator Suite", 1},
    {"ATE MojiKumi Suite", 1},
    {"ATE MojiKumiSet Suite", 1},
    {"ATE TextFrame Suite", 101},
    {"ATE TextFramesIterator Suite", 1},
    {"ATE TextLine Suite", 1},
    {"ATE TextLinesIterator Suite", 1},
    {"ATE TextResources Suite", 1},
    {"ATE ApplicationTextResources Suite", 1},
    {"ATE DocumentTextResources Suite", 101},
    {"ATE ArrayApplicationPaintRef Suite", 1},
    {"ATE ArrayReal Suite", 1},
    {"ATE ArrayBool Suite", 1},
    {"ATE ArrayInteger Suite", 1},
    {"ATE ArrayLineCapType Suite", 1},
    {"ATE ArrayFigureStyle Suite", 1},
    {"ATE ArrayLineJoinType Suite", 1},
    {"ATE ArrayWariChuJustification Suite", 1},
    {"ATE ArrayStyleRunAlignment Suite", 1},
    {"ATE ArrayAutoKernType Suite", 1},
    {"ATE ArrayBaselineDirection Suite", 1},
    {"ATE ArrayLanguage Suite", 1},
    {"ATE ArrayFontCapsOption Suite", 1},
    {"ATE ArrayFontBaselineOption Suite", 1},
    {"ATE ArrayParagraphJustification Suite", 1},
    {"ATE ArrayArrayReal Suite", 1},
    {"ATE ArrayBurasagariType Suite", 1},
    {"ATE ArrayPreferredKinsokuOrder Suite", 1},
    {"ATE ArrayKinsokuRef Suite", 1},
    {"ATE ArrayMojiKumiRef Suite", 1},
    {"ATE ArrayMojiKumiSetRef Suite", 1},
    {"ATE ArrayTabStopsRef Suite", 1},
    {"ATE ArrayLeadingType Suite", 1},
    {"ATE ArrayFontRef Suite", 1},
    {"ATE ArrayGlyphID Suite", 1},
    {"ATE ArrayRealPoint Suite", 1},
    {"ATE ArrayRealMatrix Suite", 1},
    {"ATE CharFeatures Suite", 101},
    {"ATE CharInspector Suite", 101},
    {"ATE CharStyle Suite", 1},
    {"ATE CharStyles Suite", 1},
    {"ATE CharStylesIterator Suite", 1},
    {"ATE Find Suite", 101},
    {"ATE Font Suite", 1},
    {"ATE Glyph Suite", 1},
    {"ATE Glyphs Suite", 1},
    {"ATE GlyphsIterator Suite", 1},
    {"ATE Kinsoku Suite", 1},
    {"ATE KinsokuSet Suite", 1},
    {"ATE ParaFeatures Suite", 101},
    {"ATE Paragraph Suite", 1},
    {"ATE ParagraphsIterator Suite", 1},
    {"ATE ParaInspector Suite", 101},
    {"ATE ParaStyle Suite", 1},
    {"ATE ParaStyles Suite", 1},
    {"ATE ParaStylesIterator Suite", 1},
    {"ATE Spell Suite", 101},
    {"ATE Stories Suite", 1},
    {"ATE Story Suite", 1},
    {"ATE TabStop Suite", 1},
    {"ATE TabStops Suite", 1},
    {"ATE TabStopsIterator Suite", 1},
    {"ATE TextRange Suite", 1},
    {"ATE TextRanges Suite", 1},
    {"ATE TextRangesIterator Suite", 1},
    {"ATE TextRunsIterator Suite", 1},
    {"ATE WordsIterator Suite", 1},
    {"AI Undo Suite", 7},
    {"AI Context Suite", 7},
    {"AI Preference Suite", 6},
    {"AI Hard Soft Suite", 5},
    {"AI Menu Suite", 11},
    {"AI Tool Suite", 14},
    {"AI Timer Suite", 5},
    {"AI Notifier Suite", 4},
    {"AI Action Manager Suite", 5},
    {"AI File Path Suite", 5},
    {"AI Unicode String Suite", 8},
};

TEST_F(BasicSuiteTest, EveryRowOfTheModulesTableCanBeAcquiredAndReleased) {
  ASSERT_EQ(std::size(kModuleRows), 117u);
  for (auto [name, version] : kModuleRows) {
    const void* suite = nullptr;
    EXPECT_EQ(gBasicSuite.AcquireSuite(name, version, &suite), kNoErr) << name;
    EXPECT_NE(suite, nullptr) << name;
  }
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Action Manager Suite"), 2);
  for (auto [name, version] : kModuleRows) EXPECT_EQ(gBasicSuite.ReleaseSuite(name, version), kNoErr) << name;
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Action Manager Suite"), 0);
  EXPECT_EQ(vmhost::UnbalancedReleases(), 0);
  EXPECT_EQ(gBasicSuite.ReleaseSuite("AI Art Suite", 17), kNoErr);  // not held any more: allowed, counted
  EXPECT_EQ(vmhost::UnbalancedReleases(), 1);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Art Suite"), 0);
}

TEST_F(BasicSuiteTest, UnknownNameOrVersionIsNotFound) {
  const void* suite = &suite;
  EXPECT_EQ(gBasicSuite.AcquireSuite("AI Art Suite", 16, &suite), kSuiteNotFoundErr);
  EXPECT_EQ(suite, nullptr);
  EXPECT_EQ(gBasicSuite.AcquireSuite("AI Nothing Suite", 1, &suite), kSuiteNotFoundErr);
  EXPECT_EQ(gBasicSuite.ReleaseSuite("AI Nothing Suite", 1), kSuiteNotFoundErr);
}

TEST_F(BasicSuiteTest, AFailedAcquisitionIsReportedToTheCallerThenRecovers) {
  vmhost::FailSuiteAcquisition("AI Layer Suite");
  EXPECT_EQ(AcquireSuite<AILayerSuite>("AI Layer Suite", 13), nullptr);
  const void* suite = nullptr;
  EXPECT_EQ(gBasicSuite.AcquireSuite("AI Art Suite", 17, &suite), kNoErr);  // others unaffected
  EXPECT_NE(AcquireSuite<AILayerSuite>("AI Layer Suite", 13), nullptr);

  vmhost::FailSuiteAcquisition("AI User Suite", -1, kOutOfMemoryErr);
  for (int i = 0; i < 3; i++)
    EXPECT_EQ(gBasicSuite.AcquireSuite("AI User Suite", 12, &suite), kOutOfMemoryErr);
  vmhost::ClearSuiteFailures();
  EXPECT_EQ(gBasicSuite.AcquireSuite("AI User Suite", 12, &suite), kNoErr);
}

TEST_F(BasicSuiteTest, BlocksAreCountedUntilFreed) {
  void* block = nullptr;
  ASSERT_EQ(gBasicSuite.AllocateBlock(100, &block), kNoErr);
  std::memset(block, 0xAB, 100);
  void* grown = nullptr;
  ASSERT_EQ(gBasicSuite.ReallocateBlock(block, 4000, &grown), kNoErr);
  EXPECT_EQ(static_cast<unsigned char*>(grown)[99], 0xAB);
  EXPECT_EQ(vmhost::OutstandingBlocks(), 1);
  EXPECT_EQ(gBasicSuite.FreeBlock(grown), kNoErr);
  EXPECT_EQ(vmhost::OutstandingBlocks(), 0);
  int local;
  EXPECT_EQ(gBasicSuite.FreeBlock(&local), kBadParameterErr);  // not ours: refused, not freed
}

TEST_F(BasicSuiteTest, StringEqualityIsExactAndNullSafe) {
  EXPECT_TRUE(gBasicSuite.IsEqual("AI Tool", "AI Tool"));
  EXPECT_FALSE(gBasicSuite.IsEqual("AI Tool", "AI tool"));
  EXPECT_FALSE(gBasicSuite.IsEqual("AI Tool", nullptr));
}

}  // namespace
