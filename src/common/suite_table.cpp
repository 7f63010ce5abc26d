#include "common/suite_table.h"

#include <cstdio>

#include "common/host_string.h"
#include "common/suite_pointers.h"

int16_t gSuiteNesting = 0;

namespace {

template <typename T>
const void** SuiteVar(const T*& variable) {
  return reinterpret_cast<const void**>(&variable);
}

// Rows the outermost acquisition actually obtained from the host; the release
// gives back exactly these (the Action Manager row stands twice).
bool gRowHeld[kSuiteTableRows];

void ShowSuiteFailure(HostErr error, const SuiteTableEntry& row) {
  char text[256];
  std::snprintf(text, sizeof text, "Error: %d, suite: %s, version: %d!", static_cast<int>(error), row.name,
                static_cast<int>(row.version));
  ShowMessageAlert(text);
}

}  // namespace

const SuiteTableEntry kSuiteTable[kSuiteTableRows] = {
    {"SP Blocks Suite", 2, SuiteVar(sSPBlocks), 0},
    {"SP Access Suite", 3, SuiteVar(sSPAccess), 1},
    {"AI Plugin Suite", 5, SuiteVar(sAIPlugin), 1},
    {"AI MdMemory Suite", 3, SuiteVar(sAIMdMemory), 0},
    {"AI Real Math Suite", 3, SuiteVar(sAIRealMath), 1},
    {"AI Art Suite", 17, SuiteVar(sAIArt), 1},
    {"AI User Interface Theme Suite", 2, SuiteVar(sAIUITheme), 1},
    {"AI Panel Suite", 2, SuiteVar(sAIPanel), 1},
    {"AI Panel Flyout Menu Suite", 2, SuiteVar(sAIPanelFlyoutMenu), 1},
    {"AI User Suite", 12, SuiteVar(sAIUser), 1},
    {"AI Runtime Suite", 12, SuiteVar(sAIRuntime), 0},
    {"AI Data Filter Suite", 8, SuiteVar(sAIDataFilter), 0},
    {"AI Layer Suite", 13, SuiteVar(sAILayer), 1},
    {"AI Custom Color Suite", 8, SuiteVar(sAICustomColor), 0},
    {"AI Path Style Suite", 13, SuiteVar(sAIPathStyle), 1},
    {"AI Swatch List Suite", 7, SuiteVar(sAISwatchList), 0},
    {"AI Path Suite", 11, SuiteVar(sAIPath), 1},
    {"AI Matching Art Suite", 7, SuiteVar(sAIMatchingArt), 1},
    {"AI Document Suite", 14, SuiteVar(sAIDocument), 1},
    {"AI Document View Suite", 12, SuiteVar(sAIDocumentView), 1},
    {"AI Transform Art Suite", 3, SuiteVar(sAITransformArt), 1},
    {"AI Group Suite", 5, SuiteVar(sAIGroup), 1},
    {"AI Tag Suite", 4, SuiteVar(sAITag), 1},
    {"AI Random Suite", 5, SuiteVar(sAIRandom), 1},
    {"AI Real Bezier Suite", 4, SuiteVar(sAIRealBezier), 0},
    {"AI Action Manager Suite", 5, SuiteVar(sAIActionManager), 1},
    {"AI PathConstruction Suite", 5, SuiteVar(sAIPathConstruction), 0},
    {"AI Art Style Suite", 7, SuiteVar(sAIArtStyle), 0},
    {"AI Text Frame Suite", 4, SuiteVar(sAITextFrame), 1},
    {"AI Font Suite", 6, SuiteVar(sAIFont), 1},
    {"AI Foreign Object Suite", 4, SuiteVar(sAIForeignObject), 0},
    {"AIATE Paint Suite", 3, SuiteVar(sAIATEPaint), 1},
    {"ATE ApplicationPaint Suite", 1, SuiteVar(sATEApplicationPaint), 0},
    {"ATE CompFont Suite", 1, SuiteVar(sATECompFont), 0},
    {"ATE CompFontClass Suite", 1, SuiteVar(sATECompFontClass), 0},
    {"ATE CompFontClassSet Suite", 1, SuiteVar(sATECompFontClassSet), 0},
    {"ATE CompFontComponent Suite", 1, SuiteVar(sATECompFontComponent), 0},
    {"ATE CompFontSet Suite", 1, SuiteVar(sATECompFontSet), 0},
    {"ATE GlyphRun Suite", 1, SuiteVar(sATEGlyphRun), 0},
    {"ATE GlyphRunsIterator Suite", 1, SuiteVar(sATEGlyphRunsIterator), 0},
    {"ATE MojiKumi Suite", 1, SuiteVar(sATEMojiKumi), 0},
    {"ATE MojiKumiSet Suite", 1, SuiteVar(sATEMojiKumiSet), 0},
    {"ATE TextFrame Suite", 101, SuiteVar(sATETextFrame), 0},
    {"ATE TextFramesIterator Suite", 1, SuiteVar(sATETextFramesIterator), 0},
    {"ATE TextLine Suite", 1, SuiteVar(sATETextLine), 0},
    {"ATE TextLinesIterator Suite", 1, SuiteVar(sATETextLinesIterator), 0},
    {"ATE TextResources Suite", 1, SuiteVar(sATETextResources), 0},
    {"ATE ApplicationTextResources Suite", 1, SuiteVar(sATEApplicationTextResources), 0},
    {"ATE DocumentTextResources Suite", 101, SuiteVar(sATEDocumentTextResources), 0},
    {"ATE ArrayApplicationPaintRef Suite", 1, SuiteVar(sATEArrayApplicationPaintRef), 0},
    {"ATE ArrayReal Suite", 1, SuiteVar(sATEArrayReal), 0},
    {"ATE ArrayBool Suite", 1, SuiteVar(sATEArrayBool), 0},
    {"ATE ArrayInteger Suite", 1, SuiteVar(sATEArrayInteger), 0},
    {"ATE ArrayLineCapType Suite", 1, SuiteVar(sATEArrayLineCapType), 0},
    {"ATE ArrayFigureStyle Suite", 1, SuiteVar(sATEArrayFigureStyle), 0},
    {"ATE ArrayLineJoinType Suite", 1, SuiteVar(sATEArrayLineJoinType), 0},
    {"ATE ArrayWariChuJustification Suite", 1, SuiteVar(sATEArrayWariChuJustification), 0},
    {"ATE ArrayStyleRunAlignment Suite", 1, SuiteVar(sATEArrayStyleRunAlignment), 0},
    {"ATE ArrayAutoKernType Suite", 1, SuiteVar(sATEArrayAutoKernType), 0},
    {"ATE ArrayBaselineDirection Suite", 1, SuiteVar(sATEArrayBaselineDirection), 0},
    {"ATE ArrayLanguage Suite", 1, SuiteVar(sATEArrayLanguage), 0},
    {"ATE ArrayFontCapsOption Suite", 1, SuiteVar(sATEArrayFontCapsOption), 0},
    {"ATE ArrayFontBaselineOption Suite", 1, SuiteVar(sATEArrayFontBaselineOption), 0},
    {"ATE ArrayParagraphJustification Suite", 1, SuiteVar(sATEArrayParagraphJustification), 0},
    {"ATE ArrayArrayReal Suite", 1, SuiteVar(sATEArrayArrayReal), 0},
    {"ATE ArrayBurasagariType Suite", 1, SuiteVar(sATEArrayBurasagariType), 0},
    {"ATE ArrayPreferredKinsokuOrder Suite", 1, SuiteVar(sATEArrayPreferredKinsokuOrder), 0},
    {"ATE ArrayKinsokuRef Suite", 1, SuiteVar(sATEArrayKinsokuRef), 0},
    {"ATE ArrayMojiKumiRef Suite", 1, SuiteVar(sATEArrayMojiKumiRef), 0},
    {"ATE ArrayMojiKumiSetRef Suite", 1, SuiteVar(sATEArrayMojiKumiSetRef), 0},
    {"ATE ArrayTabStopsRef Suite", 1, SuiteVar(sATEArrayTabStopsRef), 0},
    {"ATE ArrayLeadingType Suite", 1, SuiteVar(sATEArrayLeadingType), 0},
    {"ATE ArrayFontRef Suite", 1, SuiteVar(sATEArrayFontRef), 0},
    {"ATE ArrayGlyphID Suite", 1, SuiteVar(sATEArrayGlyphID), 0},
    {"ATE ArrayRealPoint Suite", 1, SuiteVar(sATEArrayRealPoint), 0},
    {"ATE ArrayRealMatrix Suite", 1, SuiteVar(sATEArrayRealMatrix), 0},
    {"ATE CharFeatures Suite", 101, SuiteVar(sATECharFeatures), 0},
    {"ATE CharInspector Suite", 101, SuiteVar(sATECharInspector), 0},
    {"ATE CharStyle Suite", 1, SuiteVar(sATECharStyle), 0},
    {"ATE CharStyles Suite", 1, SuiteVar(sATECharStyles), 0},
    {"ATE CharStylesIterator Suite", 1, SuiteVar(sATECharStylesIterator), 0},
    {"ATE Find Suite", 101, SuiteVar(sATEFind), 0},
    {"ATE Font Suite", 1, SuiteVar(sATEFont), 0},
    {"ATE Glyph Suite", 1, SuiteVar(sATEGlyph), 0},
    {"ATE Glyphs Suite", 1, SuiteVar(sATEGlyphs), 0},
    {"ATE GlyphsIterator Suite", 1, SuiteVar(sATEGlyphsIterator), 0},
    {"ATE Kinsoku Suite", 1, SuiteVar(sATEKinsoku), 0},
    {"ATE KinsokuSet Suite", 1, SuiteVar(sATEKinsokuSet), 0},
    {"ATE ParaFeatures Suite", 101, SuiteVar(sATEParaFeatures), 0},
    {"ATE Paragraph Suite", 1, SuiteVar(sATEParagraph), 0},
    {"ATE ParagraphsIterator Suite", 1, SuiteVar(sATEParagraphsIterator), 0},
    {"ATE ParaInspector Suite", 101, SuiteVar(sATEParaInspector), 0},
    {"ATE ParaStyle Suite", 1, SuiteVar(sATEParaStyle), 0},
    {"ATE ParaStyles Suite", 1, SuiteVar(sATEParaStyles), 0},
    {"ATE ParaStylesIterator Suite", 1, SuiteVar(sATEParaStylesIterator), 0},
    {"ATE Spell Suite", 101, SuiteVar(sATESpell), 0},
    {"ATE Stories Suite", 1, SuiteVar(sATEStories), 0},
    {"ATE Story Suite", 1, SuiteVar(sATEStory), 0},
    {"ATE TabStop Suite", 1, SuiteVar(sATETabStop), 0},
    {"ATE TabStops Suite", 1, SuiteVar(sATETabStops), 0},
    {"ATE TabStopsIterator Suite", 1, SuiteVar(sATETabStopsIterator), 0},
    {"ATE TextRange Suite", 1, SuiteVar(sATETextRange), 1},
    {"ATE TextRanges Suite", 1, SuiteVar(sATETextRanges), 0},
    {"ATE TextRangesIterator Suite", 1, SuiteVar(sATETextRangesIterator), 0},
    {"ATE TextRunsIterator Suite", 1, SuiteVar(sATETextRunsIterator), 0},
    {"ATE WordsIterator Suite", 1, SuiteVar(sATEWordsIterator), 0},
    {"AI Undo Suite", 7, SuiteVar(sAIUndo), 1},
    {"AI Context Suite", 7, SuiteVar(sAIContext), 1},
    {"AI Preference Suite", 6, SuiteVar(sAIPreference), 0},
    {"AI Hard Soft Suite", 5, SuiteVar(sAIHardSoft), 0},
    {"AI Menu Suite", 11, SuiteVar(sAIMenu), 1},
    {"AI Tool Suite", 14, SuiteVar(sAITool), 1},
    {"AI Timer Suite", 5, SuiteVar(sAITimer), 1},
    {"AI Notifier Suite", 4, SuiteVar(sAINotifier), 1},
    {"AI Action Manager Suite", 5, SuiteVar(sAIActionManager), 1},
    {"AI File Path Suite", 5, SuiteVar(sAIFilePath), 1},
    {"AI Unicode String Suite", 8, SuiteVar(sAIUnicodeString), 1},
};

HostErr AcquireSuites(SPBasicSuite* basic) {
  HostErr result = kNoErr;
  // Without the basic suite (a panel event before any host call handed it over)
  // nothing is held, and the caller must not go on as if it were.
  if (gSuiteNesting == 0 && basic == nullptr) result = kBadParameterErr;
  if (gSuiteNesting == 0 && basic != nullptr) {
    // A failure before the user suite is held cannot be shown yet; it is kept
    // and shown as soon as the user suite arrives.
    int pendingRow = -1;
    HostErr pendingError = kNoErr;
    for (int i = 0; i < kSuiteTableRows; ++i) {
      const SuiteTableEntry& row = kSuiteTable[i];
      if (row.variable == nullptr) continue;
      const void* suite = nullptr;
      result = basic->AcquireSuite(row.name, row.version, &suite);
      if (result != kNoErr) {
        if (sAIUser != nullptr) {
          ShowSuiteFailure(result, row);
          break;
        }
        if (pendingRow < 0) {
          pendingRow = i;
          pendingError = result;
        }
        continue;
      }
      *row.variable = suite;
      gRowHeld[i] = true;
      if (pendingRow >= 0 && sAIUser != nullptr && row.variable == SuiteVar(sAIUser)) {
        ShowSuiteFailure(pendingError, kSuiteTable[pendingRow]);
      }
    }
    // Handlers call these suites without checking: a call that lacks one of
    // them must not run.
    for (const SuiteTableEntry& row : kSuiteTable) {
      if (row.calledByModule && *row.variable == nullptr) {
        if (result == kNoErr) result = pendingError != kNoErr ? pendingError : kSuiteNotFoundErr;
        break;
      }
    }
  }
  ++gSuiteNesting;
  return result;
}

HostErr ReleaseSuites(SPBasicSuite* basic) {
  HostErr result = kNoErr;
  if (gSuiteNesting == 1 && basic != nullptr) {
    for (int i = 0; i < kSuiteTableRows; ++i) {
      if (!gRowHeld[i]) continue;
      const SuiteTableEntry& row = kSuiteTable[i];
      result = basic->ReleaseSuite(row.name, row.version);
      if (result != kNoErr) break;
      gRowHeld[i] = false;
      *row.variable = nullptr;
    }
  }
  --gSuiteNesting;
  return result;
}
