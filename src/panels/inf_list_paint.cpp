#include "panels/inf_list_paint.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/module_instance.h"
#include "common/owner_draw_paint.h"
#include "engine/grading_checkpoints.h"
#include "engine/handle_measures.h"
#include "expr/script_alerts.h"
#include "geometry/angles.h"
#include "panels/inf_panel_list.h"
#include "store/display_unit.h"
#include "text/byte_classes.h"
#include "text/localize.h"
#include "tools/handle_groups.h"
#include "win_api.h"

namespace {

constexpr int kStripWidth = 22;
constexpr int kStripTextEnd = 21;
constexpr int kNameWidth = 100;
constexpr int kBasicIcon = 16251;
constexpr int kGroupMarkIcon = 16257;
constexpr int kOriginText = 47;
constexpr int kAngleText = 48;
constexpr int kScaleText = 49;
constexpr COLORREF kWhite = 0xFFFFFF;

void PaintBasicRow(const InfRow& row) {
  const PluginGlobals& g = *gPlugin;
  row.Strip("0");
  row.WhiteWhenSelected();
  row.KindIcon(kBasicIcon);
  const DisplayUnit& unit = kDisplayUnits[ValidDisplayUnit(gPlugin->grading_unit)];
  row.Localized(26, 1, kLocalizedTexts[kOriginText].japanese, g.grading_origin.h * unit.perPoint,
                g.grading_origin.v * unit.perPoint, unit.name);
  row.Localized(26, 2, kLocalizedTexts[kAngleText].japanese,
                g.grading_angle / kPiCut * kDegreesPerHalfTurn);
  const int16_t index = g.currentScaleIndex;
  const ScalePair scale = index >= 0 && index < kMaxPresets ? g.presetScale[index] : ScalePair{1.0, 1.0};
  row.Localized(26, 3, kLocalizedTexts[kScaleText].japanese, scale.h * 100, scale.v * 100);
}

void PaintContent(const InfRow& row) {
  if (row.slot == -1) {
    PaintBasicRow(row);
    return;
  }
  if (row.slot < 0 || row.slot >= kMaxHandles) return;
  switch (gPlugin->handles[row.slot].kind) {
    case kHandlePlain:
    case kHandleDistance:
    case kHandleLength:
    case kHandleArc:
      PaintTwoPointRow(row);
      break;
    case kHandlePoint:
      PaintPointRow(row);
      break;
    case kHandleMeasurement:
      PaintMeasurementRow(row);
      break;
    case kHandleAngle:
      PaintAngleRow(row);
      break;
    default:
      break;
  }
}

}  // namespace

void FormatLengthInUnit(double points, char* out, size_t outSize) {
  const DisplayUnit& unit = kDisplayUnits[ValidDisplayUnit(gPlugin->grading_unit)];
  std::snprintf(out, outSize, "%.2f%s", points * unit.perPoint, unit.name);
}

void DrawIconCentered(HDC dc, int32_t iconId, const LayoutRect& rect) {
  HICON icon = LoadIcon(gModuleInstance, MAKEINTRESOURCE(static_cast<uintptr_t>(iconId)));
  if (icon == nullptr) return;
  DrawIcon(dc, static_cast<int>((rect.left + rect.right) / 2.0 - 16),
           static_cast<int>((rect.top + rect.bottom) / 2.0 - 16), icon);
}

double CompScale() {
  const double scale = gPlugin->grading_compscale;
  return scale == 0 || !std::isfinite(scale) ? 1.0 : scale;
}

double CurrentAmount(const RevisionHandle& h) {
  const int16_t index = gPlugin->currentScaleIndex;
  return index >= 0 && index < kMaxPresets ? AmountOf(h.line.amountExpr[index]) : 0.0;
}

int InfRow::Baseline(int line) const { return rect.top + (line == 1 ? 10 : line == 2 ? 23 : 36); }

void InfRow::Text(int x, int line, const char* text) const {
  TextOut(dc, rect.left + x, Baseline(line), text, static_cast<int>(std::strlen(text)));
}

void InfRow::TextRight(int xEnd, int baseline, const char* text) const {
  const int length = static_cast<int>(std::strlen(text));
  TextOut(dc, rect.left + xEnd - TextExtentWidth(dc, text, length), baseline, text, length);
}

void InfRow::Localized(int x, int line, const char* japanese, double a, double b, const char* suffix) const {
  char format[128];
  char text[192];
  LocalizeUiString(gPlugin->pluginRef, japanese, format, sizeof format);
  const int n = std::snprintf(text, sizeof text, format, a, b);
  if (n >= 0 && static_cast<size_t>(n) < sizeof text)
    std::snprintf(text + n, sizeof text - static_cast<size_t>(n), "%s", suffix);
  Text(x, line, text);
}

void InfRow::Length(int labelX, int valueEnd, int line, const char* label, double points) const {
  char value[64];
  FormatLengthInUnit(points, value, sizeof value);
  Text(labelX, line, label);
  TextRight(valueEnd, Baseline(line), value);
}

void InfRow::WhiteWhenSelected() const {
  if (selected) SetTextColor(dc, kWhite);
}

void InfRow::Strip(const char* number) const {
  char text[16];
  if (number == nullptr) {
    std::snprintf(text, sizeof text, "%d", slot + 1);
    number = text;
  }
  TextRight(kStripTextEnd, Baseline(1), number);
  if (slot < 0 || gPlugin->handles[slot].groupId == 0) return;
  DrawIconCentered(dc, kGroupMarkIcon, {rect.left, rect.top + 11, rect.left + 12, rect.top + 21});
  std::snprintf(text, sizeof text, "%d", GroupSlotCount(slot));
  TextRight(kStripTextEnd, rect.top + 19, text);
}

void InfRow::KindIcon(int32_t iconId) const {
  DrawIconCentered(dc, iconId, {rect.left, rect.bottom - kStripWidth, rect.left + kStripWidth, rect.bottom});
}

void InfRow::Name() const {
  char name[kNameSize + 4];
  std::memcpy(name, gPlugin->handles[slot].name, kNameSize - 1);
  name[kNameSize - 1] = '\0';
  int length = static_cast<int>(std::strlen(name));
  // A damaged record without its NUL keeps no half character.
  if (length == kNameSize - 1 && IsShiftJisLeadByte(static_cast<unsigned char>(name[length - 1])) &&
      ShiftJisLastCharStart(name, static_cast<size_t>(length)) == static_cast<size_t>(length - 1))
    name[--length] = '\0';
  if (length == 0) return;
  if (TextExtentWidth(dc, name, length) > kNameWidth) {
    while (length > 0) {
      length = static_cast<int>(ShiftJisLastCharStart(name, static_cast<size_t>(length)));
      std::memcpy(name + length, "...", 4);
      if (TextExtentWidth(dc, name, length + 3) <= kNameWidth - 1) break;
    }
    std::memcpy(name + length, "...", 4);
  }
  Text(136, 3, name);
}

void PaintInfoPanelItem(const OwnerDrawRecord* item) {
  if (gPlugin == nullptr || item == nullptr || item->hdc == nullptr || item->hwndItem == nullptr) return;
  HWND list = item->hwndItem;
  const LRESULT textLength = SendMessage(list, LB_GETTEXTLEN, item->itemId, 0);
  if (textLength <= 0) return;

  const SilentScriptErrors painting;
  const GradedSegmentsScope oneRow;
  HDC dc = item->hdc;
  const LayoutRect& r = item->rcItem;
  const auto slot = static_cast<int32_t>(static_cast<intptr_t>(item->itemData));
  // The list can take one selected row only; the handles' own flags show the
  // rest.
  const bool flagged = slot >= 0 && slot < kMaxHandles && gPlugin->handles[slot].listSelected != 0;
  const InfRow row{dc, r, (item->itemState & ODS_SELECTED) != 0 || flagged, slot};

  HGDIOBJ oldFont = nullptr;
  if (gPlugin->infPanelState.font != nullptr) oldFont = SelectObject(dc, gPlugin->infPanelState.font);
  FillSolid(dc, {r.left, r.top, r.right, r.bottom}, row.selected ? kSelectedRowFill : GetSysColor(COLOR_WINDOW));
  FillSolid(dc, {r.left, r.top, r.left + kStripWidth, r.bottom}, kRowStripFill);
  HPEN pen = CreatePen(PS_SOLID, 1, kRowEdgeLine);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  MoveToEx(dc, r.left + kStripWidth, r.top, nullptr);
  LineTo(dc, r.left + kStripWidth, r.bottom);

  const COLORREF oldColor = SetTextColor(dc, RGB(0, 0, 0));
  const UINT oldAlign = SetTextAlign(dc, TA_BASELINE);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  PaintContent(row);
  SetBkMode(dc, oldMode);
  SetTextAlign(dc, oldAlign);
  SetTextColor(dc, oldColor);

  MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  LineTo(dc, r.right, r.bottom - 1);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
}
