#include <cstdio>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/numeric.h"
#include "simple_grading/simple_grading_object.h"
#include "simple_grading/size_chart.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/size_table_row.h"
#include "store/sizes_from_variables.h"
#include "store/text_fields.h"

const double kChartColumnEdges[kChartColumns + 1] = {0,       86.2,    153.445, 239.645, 325.845, 412.044,
                                                     498.246, 584.446, 670.646, 756.846, 843.046};

namespace {

constexpr int kSizeNameColumn = 1;
constexpr double kHeaderBaselineDrop = 48.5;
constexpr double kFirstRowBaselineDrop = 140.5;

// "%PITCH", "mm", then the eight measurements, as the header reads them.
const char* const kJapaneseHeaders[kChartColumns] = {
    "\201\223\203\163\203\142\203\140",  // pitch
    "mm",
    "\213\334\220\241",                  // collar width
    "\345\340\217\344",                  // sleeve length
    "\222\205\217\344",                  // dress length
    "\203\157\203\130\203\147",          // bust girth
    "\221\263\217\344",                  // sleeve depth
    "\214\250\225\235",                  // shoulder width
    "\203\112\203\164\203\130\213\320",  // cuffs width
    "\203\112\203\164\203\130\217\344",  // cuffs height
};
const char* const kEnglishHeaders[kChartColumns] = {
    "% Pitch",    "mm",           "Collar width",   "Sleeve length", "Dress length",
    "Bust girth", "Sleeve depth", "Shoulder width", "Cuffs width",   "Cuffs height",
};

void FormatCell(double value, char* out, size_t size) {
  std::snprintf(out, size, "%g", SinglePrecision(value));
}

void DrawChartGrid(ArtHandle chart, double x, double top, double height, int rows) {
  const double nameLeft = x + kChartColumnEdges[kSizeNameColumn];
  CreateRectanglePath(chart, nameLeft, top, kChartHeaderHeight, -height, 0.2f);
  CreateRectanglePath(chart, x, top, kChartWidth, -kChartHeaderHeight, 0.2f);
  CreateRectanglePath(chart, nameLeft, top, kChartHeaderHeight, -kChartHeaderHeight, 0.4f);
  CreateFilledRectanglePath(chart, x, top, kChartWidth, -height);
  for (int i = 0; i < rows; ++i) {
    CreateLinePath(chart, x, top - kChartHeaderHeight - i * kChartRowHeight, kChartWidth, 0);
  }
  for (int c = 1; c < kChartColumns; ++c) CreateLinePath(chart, x + kChartColumnEdges[c], top, 0, -height);
}

void DrawChartTexts(ArtHandle chart, const PluginGlobals* g, double x, double top, int rows) {
  const char* const* headers = g->language == 0 ? kJapaneseHeaders : kEnglishHeaders;
  const double headerBaseline = top - kHeaderBaselineDrop;
  for (int c = 0; c < kChartColumns; ++c) {
    CreatePointTextArt(chart, x + kChartColumnEdges[c], headerBaseline, x + kChartColumnEdges[c + 1],
                       headerBaseline, headers[c], 1, kChartHeaderText, 0);
  }
  for (int i = 0; i < rows; ++i) {
    const double baseline = top - kFirstRowBaselineDrop - i * kChartRowHeight;
    const int16_t highlight = i == g->simpleGrading.grading_basic_size ? 1 : 0;
    const SizeTableRow& row = g->sizeTable[i];
    for (int c = 0; c < kChartColumns; ++c) {
      char text[kNameSize + 8];
      if (c == kSizeNameColumn) {
        SizeTableRowName(i, text, sizeof text);
      } else {
        FormatCell(SizeTableCell(row, c == 0 ? 0 : c - 1), text, sizeof text);
      }
      CreatePointTextArt(chart, x + kChartColumnEdges[c], baseline, x + kChartColumnEdges[c + 1], baseline,
                         text, 1, c == kSizeNameColumn ? kChartNameText : kChartNumberText, highlight);
    }
  }
}

void WriteChartVariables(PluginGlobals* g, int rows) {
  VariableTable& table = g->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return;
  for (int i = 0; i < rows; ++i) {
    char sizeName[kNameSize];
    SizeTableRowName(i, sizeName, sizeof sizeName);
    const SizeTableRow& row = g->sizeTable[i];
    for (int c = 0; c < kSizeTableColumns; ++c) {
      const int slot = kSizeTableColumns * i + c;
      char name[kVarNameSize + kNameSize];
      std::snprintf(name, sizeof name, SizeTableVariablePattern(g->language, c), sizeName);
      CopyTextCutValidTrail(table.varNames[slot], kVarNameSize, name);
      FormatCell(SizeTableCell(row, c), table.varValues[slot], kVarValueSize);
      if (table.varPrivate != nullptr) table.varPrivate[slot] = 0;
    }
  }
}

}  // namespace

int CountSizeChartRows() {
  int rows = 0;
  for (int i = 0; i < kSizeTableRows; ++i) {
    if (gPlugin->sizeTable[i].pitch != 0) rows = i + 1;
  }
  return rows == 0 ? 4 : rows;
}

void DrawSizeChartArtwork(double x, double y) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || sAILayer == nullptr || sAIArt == nullptr) return;
  LayerHandle layer = nullptr;
  ArtHandle layerGroup = nullptr;
  ArtHandle chart = nullptr;
  if (sAILayer->GetCurrentLayer(&layer) != kNoErr || layer == nullptr ||
      sAILayer->GetFirstArtOfLayer(layer, &layerGroup) != kNoErr || layerGroup == nullptr ||
      sAIArt->NewArt(kGroupArt, kPlaceInsideOnTop, layerGroup, &chart) != kNoErr || chart == nullptr) {
    return;
  }
  const int rows = CountSizeChartRows();
  const double height = rows * kChartRowHeight + kChartHeaderHeight;
  const double top = y + height;
  DrawChartGrid(chart, x, top, height, rows);
  DrawChartTexts(chart, g, x, top, rows);

  if (ArtHandle old = FindSimpleGradingObject(kSizeChartObject)) {
    sAIArt->DisposeArt(old);
  } else {
    LoadGradingGroup(nullptr, 0);
  }
  WriteChartVariables(g, rows);
  // A serial of its own, so that no piece's members are taken for the chart's.
  SaveGradingGroup(&chart, 1, 1);
  WriteStringTag(chart, kSimpleGradingObjectTypeKey, "1");
  DeselectArtTree(chart);
}
