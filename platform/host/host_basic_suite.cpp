// The basic suite: suites by name and version, blocks, string equality.
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

// Suites the module acquires but never calls: an empty table each.
const void* const kEmptySuite[32] = {};

struct SuiteRow {
  const char* name;
  int32_t version;
  const void* table;
};

const SuiteRow kSuites[] = {
    {kSPBlocksSuiteName, kSPBlocksSuiteVersion, &kBlocksSuite},
    {kSPAccessSuiteName, kSPAccessSuiteVersion, &kAccessSuite},
    {kAIPluginSuiteName, kAIPluginSuiteVersion, &kPluginSuite},
    {"AI MdMemory Suite", 3, kEmptySuite},
    {kAIRealMathSuiteName, kAIRealMathSuiteVersion, &kRealMathSuite},
    {kAIArtSuiteName, kAIArtSuiteVersion, &kArtSuite},
    {kAIUserInterfaceThemeSuiteName, kAIUserInterfaceThemeSuiteVersion, &kThemeSuite},
    {kAIPanelSuiteName, kAIPanelSuiteVersion, &kPanelSuite},
    {kAIPanelFlyoutMenuSuiteName, kAIPanelFlyoutMenuSuiteVersion, &kFlyoutMenuSuite},
    {kAIUserSuiteName, kAIUserSuiteVersion, &kUserSuite},
    {"AI Runtime Suite", 12, kEmptySuite},
    {"AI Data Filter Suite", 8, kEmptySuite},
    {kAILayerSuiteName, kAILayerSuiteVersion, &kLayerSuite},
    {"AI Custom Color Suite", 8, kEmptySuite},
    {kAIPathStyleSuiteName, kAIPathStyleSuiteVersion, &kPathStyleSuite},
    {"AI Swatch List Suite", 7, kEmptySuite},
    {kAIPathSuiteName, kAIPathSuiteVersion, &kPathSuite},
    {kAIMatchingArtSuiteName, kAIMatchingArtSuiteVersion, &kMatchingArtSuite},
    {kAIDocumentSuiteName, kAIDocumentSuiteVersion, &kDocumentSuite},
    {kAIDocumentViewSuiteName, kAIDocumentViewSuiteVersion, &kDocumentViewSuite},
    {kAITransformArtSuiteName, kAITransformArtSuiteVersion, &kTransformArtSuite},
    {kAIGroupSuiteName, kAIGroupSuiteVersion, &kGroupSuite},
    {kAITagSuiteName, kAITagSuiteVersion, &kTagSuite},
    {kAIRandomSuiteName, kAIRandomSuiteVersion, &kRandomSuite},
    {"AI Real Bezier Suite", 4, kEmptySuite},
    {kAIActionManagerSuiteName, kAIActionManagerSuiteVersion, &kActionManagerSuite},
    {"AI PathConstruction Suite", 5, kEmptySuite},
    {"AI Art Style Suite", 7, kEmptySuite},
    {kAITextFrameSuiteName, kAITextFrameSuiteVersion, &kTextFrameSuite},
    {kAIFontSuiteName, kAIFontSuiteVersion, &kFontSuite},
    {"AI Foreign Object Suite", 4, kEmptySuite},
    {"AIATE Paint Suite", 3, kEmptySuite},
    {"ATE ApplicationPaint Suite", 1, kEmptySuite},
    {"ATE CompFont Suite", 1, kEmptySuite},
    {"ATE CompFontClass Suite", 1, kEmptySuite},
    {"ATE CompFontClassSet Suite", 1, kEmptySuite},
    {"ATE CompFontComponent Suite", 1, kEmptySuite},
    {"ATE CompFontSet Suite", 1, kEmptySuite},
    {"ATE GlyphRun Suite", 1, kEmptySuite},
    {"ATE GlyphRunsIterator Suite", 1, kEmptySuite},
    {"ATE MojiKumi Suite", 1, kEmptySuite},
    {"ATE MojiKumiSet Suite", 1, kEmptySuite},
    {"ATE TextFrame Suite", 101, kEmptySuite},
    {"ATE TextFramesIterator Suite", 1, kEmptySuite},
    {"ATE TextLine Suite", 1, kEmptySuite},
    {"ATE TextLinesIterator Suite", 1, kEmptySuite},
    {"ATE TextResources Suite", 1, kEmptySuite},
    {"ATE ApplicationTextResources Suite", 1, kEmptySuite},
    {"ATE DocumentTextResources Suite", 101, kEmptySuite},
    {"ATE ArrayApplicationPaintRef Suite", 1, kEmptySuite},
    {"ATE ArrayReal Suite", 1, kEmptySuite},
    {"ATE ArrayBool Suite", 1, kEmptySuite},
    {"ATE ArrayInteger Suite", 1, kEmptySuite},
    {"ATE ArrayLineCapType Suite", 1, kEmptySuite},
    {"ATE ArrayFigureStyle Suite", 1, kEmptySuite},
    {"ATE ArrayLineJoinType Suite", 1, kEmptySuite},
    {"ATE ArrayWariChuJustification Suite", 1, kEmptySuite},
    {"ATE ArrayStyleRunAlignment Suite", 1, kEmptySuite},
    {"ATE ArrayAutoKernType Suite", 1, kEmptySuite},
    {"ATE ArrayBaselineDirection Suite", 1, kEmptySuite},
    {"ATE ArrayLanguage Suite", 1, kEmptySuite},
    {"ATE ArrayFontCapsOption Suite", 1, kEmptySuite},
    {"ATE ArrayFontBaselineOption Suite", 1, kEmptySuite},
    {"ATE ArrayParagraphJustification Suite", 1, kEmptySuite},
    {"ATE ArrayArrayReal Suite", 1, kEmptySuite},
    {"ATE ArrayBurasagariType Suite", 1, kEmptySuite},
    {"ATE ArrayPreferredKinsokuOrder Suite", 1, kEmptySuite},
    {"ATE ArrayKinsokuRef Suite", 1, kEmptySuite},
    {"ATE ArrayMojiKumiRef Suite", 1, kEmptySuite},
    {"ATE ArrayMojiKumiSetRef Suite", 1, kEmptySuite},
    {"ATE ArrayTabStopsRef Suite", 1, kEmptySuite},
    {"ATE ArrayLeadingType Suite", 1, kEmptySuite},
    {"ATE ArrayFontRef Suite", 1, kEmptySuite},
    {"ATE ArrayGlyphID Suite", 1, kEmptySuite},
    {"ATE ArrayRealPoint Suite", 1, kEmptySuite},
    {"ATE ArrayRealMatrix Suite", 1, kEmptySuite},
    {"ATE CharFeatures Suite", 101, kEmptySuite},
    {"ATE CharInspector Suite", 101, kEmptySuite},
    {"ATE CharStyle Suite", 1, kEmptySuite},
    {"ATE CharStyles Suite", 1, kEmptySuite},
    {"ATE CharStylesIterator Suite", 1, kEmptySuite},
    {"ATE Find Suite", 101, kEmptySuite},
    {"ATE Font Suite", 1, kEmptySuite},
    {"ATE Glyph Suite", 1, kEmptySuite},
    {"ATE Glyphs Suite", 1, kEmptySuite},
    {"ATE GlyphsIterator Suite", 1, kEmptySuite},
    {"ATE Kinsoku Suite", 1, kEmptySuite},
    {"ATE KinsokuSet Suite", 1, kEmptySuite},
    {"ATE ParaFeatures Suite", 101, kEmptySuite},
    {"ATE Paragraph Suite", 1, kEmptySuite},
    {"ATE ParagraphsIterator Suite", 1, kEmptySuite},
    {"ATE ParaInspector Suite", 101, kEmptySuite},
    {"ATE ParaStyle Suite", 1, kEmptySuite},
    {"ATE ParaStyles Suite", 1, kEmptySuite},
    {"ATE ParaStylesIterator Suite", 1, kEmptySuite},
    {"ATE Spell Suite", 101, kEmptySuite},
    {"ATE Stories Suite", 1, kEmptySuite},
    {"ATE Story Suite", 1, kEmptySuite},
    {"ATE TabStop Suite", 1, kEmptySuite},
    {"ATE TabStops Suite", 1, kEmptySuite},
    {"ATE TabStopsIterator Suite", 1, kEmptySuite},
    {kATETextRangeSuiteName, kATETextRangeSuiteVersion, &kTextRangeSuite},
    {"ATE TextRanges Suite", 1, kEmptySuite},
    {"ATE TextRangesIterator Suite", 1, kEmptySuite},
    {"ATE TextRunsIterator Suite", 1, kEmptySuite},
    {"ATE WordsIterator Suite", 1, kEmptySuite},
    {kAIUndoSuiteName, kAIUndoSuiteVersion, &kUndoSuite},
    {kAIContextSuiteName, kAIContextSuiteVersion, &kContextSuite},
    {"AI Preference Suite", 6, kEmptySuite},
    {"AI Hard Soft Suite", 5, kEmptySuite},
    {kAIMenuSuiteName, kAIMenuSuiteVersion, &kMenuSuite},
    {kAIToolSuiteName, kAIToolSuiteVersion, &kToolSuite},
    {kAITimerSuiteName, kAITimerSuiteVersion, &kTimerSuite},
    {kAINotifierSuiteName, kAINotifierSuiteVersion, &kNotifierSuite},
    {kAIFilePathSuiteName, kAIFilePathSuiteVersion, &kFilePathSuite},
    {kAIUnicodeStringSuiteName, kAIUnicodeStringSuiteVersion, &kUnicodeStringSuite},
};

// A module acquires every suite it uses for every message it handles.
const SuiteRow* FindSuite(const char* name, int32_t version) {
  static const std::unordered_map<std::string_view, const SuiteRow*> byName = [] {
    std::unordered_map<std::string_view, const SuiteRow*> rows;
    for (const SuiteRow& row : kSuites) rows.emplace(row.name, &row);
    return rows;
  }();
  if (!name) return nullptr;
  auto it = byName.find(name);
  return it != byName.end() && it->second->version == version ? it->second : nullptr;
}

HostErr AcquireSuite(const char* name, int32_t version, const void** suite) {
  if (!suite) return kBadParameterErr;
  *suite = nullptr;
  const SuiteRow* row = FindSuite(name, version);
  if (!row) return kSuiteNotFoundErr;
  auto failing = gHost.failing.find(std::string_view(name));
  if (failing != gHost.failing.end()) {
    HostErr err = failing->second.first;
    int32_t& remaining = failing->second.second;
    if (remaining > 0 && --remaining == 0) gHost.failing.erase(failing);
    return err;
  }
  *suite = row->table;
  auto held = gHost.acquired.find(std::string_view(name));
  if (held == gHost.acquired.end()) held = gHost.acquired.emplace(name, 0).first;
  held->second++;
  return kNoErr;
}

HostErr ReleaseSuite(const char* name, int32_t version) {
  if (!FindSuite(name, version)) return kSuiteNotFoundErr;
  // Releasing what is not held is harmless, as after a failed acquisition
  // walk; it is only counted.
  auto it = gHost.acquired.find(std::string_view(name));
  if (it == gHost.acquired.end() || it->second == 0) {
    gHost.unbalancedReleases++;
    return kNoErr;
  }
  it->second--;
  return kNoErr;
}

int32_t IsEqual(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0 ? 1 : 0; }

HostErr AllocateBlock(size_t size, void** block) {
  if (!block) return kBadParameterErr;
  *block = std::malloc(size ? size : 1);
  if (!*block) return kOutOfMemoryErr;
  gHost.blocks[*block] = size;
  return kNoErr;
}

HostErr FreeBlock(void* block) {
  if (!block) return kNoErr;
  auto it = gHost.blocks.find(block);
  if (it == gHost.blocks.end()) return kBadParameterErr;
  gHost.blocks.erase(it);
  std::free(block);
  return kNoErr;
}

HostErr ReallocateBlock(void* block, size_t newSize, void** newBlock) {
  if (!newBlock) return kBadParameterErr;
  if (!block) return AllocateBlock(newSize, newBlock);
  auto it = gHost.blocks.find(block);
  if (it == gHost.blocks.end()) return kBadParameterErr;
  void* moved = std::realloc(block, newSize ? newSize : 1);
  if (!moved) return kOutOfMemoryErr;
  gHost.blocks.erase(it);
  gHost.blocks[moved] = newSize;
  *newBlock = moved;
  return kNoErr;
}

HostErr GetAccessInfo(AccessRef access, HINSTANCE__** instance) {
  if (!access || !instance) return kBadParameterErr;
  *instance = ModuleInstanceOf(access->plugin);
  return kNoErr;
}

}  // namespace

SPBasicSuite gBasicSuite = {AcquireSuite, ReleaseSuite, IsEqual, AllocateBlock, FreeBlock, ReallocateBlock};
const SPBlocksSuite kBlocksSuite = {AllocateBlock, FreeBlock};
const SPAccessSuite kAccessSuite = {GetAccessInfo};
