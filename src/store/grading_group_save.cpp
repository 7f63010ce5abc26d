#include <algorithm>
#include <cstdio>
#include <cstring>

#include "shell/plugin_globals.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"
#include "store/piece_queries.h"
#include "store/presets_in_document.h"
#include "store/text_fields.h"

namespace {

constexpr int kValueChunk = 128;

// "code,groupId,"name"" of a conf tag; returns the length written.
size_t FormatConfStart(char* value, size_t size, int32_t code, const RevisionHandle& h) {
  char name[kNameSize];
  CopyTextCut(name, sizeof name, h.name, sizeof h.name);
  snprintf(value, size, "%d,%d,", code, static_cast<int32_t>(h.groupId));
  AppendQuotedField(value, size, name);
  return strlen(value);
}

int16_t Digit(int16_t value) { return value > 0 ? std::min<int16_t>(value, 9) : 0; }

// The packed code keeps one digit of the direction; a larger direction is
// written whole in an extra field that older readers never look at.
void WriteTwoPointHandle(ArtHandle base, int slot, const RevisionHandle& h, ObjectIdPool* pool) {
  const TwoPointHandleData& d = h.line;
  const int32_t id1 = d.art1 != nullptr ? EnsureObjectId(d.art1, pool) : 0;
  const int32_t id2 = d.art2 != nullptr ? EnsureObjectId(d.art2, pool) : 0;
  const int16_t direction = h.direction > 0 ? h.direction : 0;
  int32_t code = h.kind + 100 * (direction % 10) + 1000 * Digit(h.bothEnds) + 10000 * Digit(h.proportional);
  if (h.listSelected != 0) code = -code;

  char value[512];
  const size_t used = FormatConfStart(value, sizeof value, code, h);
  snprintf(value + used, sizeof value - used, ",%g,%g,%g,%g,%d,%d,%d,%d", d.p1.h, d.p1.v, d.p2.h, d.p2.v, id1,
           d.index1, id2, d.index2);
  if (direction > 9) {
    const size_t end = strlen(value);
    snprintf(value + end, sizeof value - end, ",%d", direction);
  }
  char key[64];
  snprintf(key, sizeof key, "vmk_grading_fxh_conf_%d", slot + 1);
  WriteStringTag(base, key, value);

  // An amount cleared to nothing is kept as a tag that is present and empty.
  const char* unwritten = UnstoredAmount(h.kind);
  for (int s = 0; s < kMaxPresets; ++s) {
    char amount[kExprSize];
    CopyTextCut(amount, sizeof amount, d.amountExpr[s], kExprSize);
    if (strcmp(amount, unwritten) == 0) continue;
    snprintf(key, sizeof key, "vmk_grading_fxh_ratio_%d%02d", slot + 1, s + 1);
    WriteStringTag(base, key, amount);
  }
}

void WritePointHandle(ArtHandle base, int slot, const RevisionHandle& h, ObjectIdPool* pool) {
  const PointHandleData& d = h.point;
  const int32_t id = d.art != nullptr ? EnsureObjectId(d.art, pool) : 0;
  const int32_t code = h.listSelected != 0 ? -h.kind : h.kind;

  char value[512];
  const size_t used = FormatConfStart(value, sizeof value, code, h);
  snprintf(value + used, sizeof value - used, ",%d,%d", id, d.anchorIndex);
  char key[64];
  snprintf(key, sizeof key, "vmk_grading_fxh_conf_%d", slot + 1);
  WriteStringTag(base, key, value);

  for (int s = 0; s < kMaxPresets; ++s) {
    char x[kExprSize];
    char y[kExprSize];
    CopyTextCut(x, sizeof x, d.xExpr[s], kExprSize);
    CopyTextCut(y, sizeof y, d.yExpr[s], kExprSize);
    if (x[0] == '\0' && y[0] == '\0') continue;
    char texts[2 * 2 * kExprSize + 8] = "";
    AppendQuotedField(texts, sizeof texts, x);
    strcat(texts, ",");
    AppendQuotedField(texts, sizeof texts, y);
    snprintf(key, sizeof key, "vmk_grading_fxp_%d%02d", slot + 1, s + 1);
    WriteStringTag(base, key, texts);
  }
}

void WriteGroupSettings(ArtHandle base) {
  const PluginGlobals& g = *gPlugin;
  char key[64];
  char value[128];
  const ScalePair& first = g.groupPresetScale[0];
  for (int s = 0; s < kMaxPresets; ++s) {
    const ScalePair& pair = g.groupPresetScale[s];
    if (s > 0 && pair.h == first.h && pair.v == first.v) continue;
    snprintf(key, sizeof key, "vmk_grading_preset_%d", s + 1);
    snprintf(value, sizeof value, "0,%g,%g", pair.h, pair.v);
    WriteStringTag(base, key, value);
  }
  const RealRect bounds = GetBounds(base);
  const double centreX = (bounds.left + bounds.right) / 2.0;
  const double centreY = (bounds.top + bounds.bottom) / 2.0;
  snprintf(value, sizeof value, "%g,%g,1", g.grading_origin.h - centreX, g.grading_origin.v - centreY);
  WriteStringTag(base, kGradingOriginKey, value);
  WriteTagReal(base, "vmk_grading_angle", g.grading_angle);
  WriteTagReal(base, "vmk_grading_length", g.grading_length);
  WriteTagReal(base, "vmk_grading_compscale", g.grading_compscale);
  WriteTagInteger(base, "vmk_grading_hvlock", g.grading_hvlock);
  WriteTagInteger(base, "vmk_grading_selected", g.grading_selected);
  WriteTagInteger(base, kGradingSerialKey, static_cast<int32_t>(g.grading_serial));
  WriteTagInteger(base, "vmk_grading_unit", g.grading_unit);
  char title[kNameSize];
  CopyTextCut(title, sizeof title, g.grading_title, sizeof g.grading_title);
  WriteStringTag(base, kGradingTitleKey, title);
}

// Rows are numbered without gaps, since the reader stops at the first
// missing name.
void WriteVariables(ArtHandle base) {
  const VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return;
  int stored = 0;
  for (int row = 0; row < kMaxVariables; ++row) {
    char name[kVarNameSize];
    CopyTextCut(name, sizeof name, table.varNames[row], kVarNameSize);
    if (name[0] == '\0') continue;
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_name_%03d", stored);
    WriteStringTag(base, key, name);
    if (table.varPrivate != nullptr && table.varPrivate[row] != 0) {
      snprintf(key, sizeof key, "vmk_grading_var_private_%03d", stored);
      WriteStringTag(base, key, "1");
    }
    WriteStoredVariableValue(base, stored, table.varValues[row]);
    ++stored;
  }
}

}  // namespace

void WriteStoredVariableValue(ArtHandle art, int row, const char* value) {
  const size_t length = strnlen(value, kVarValueSize - 1);
  for (size_t offset = 0, chunk = 0; offset < length; offset += kValueChunk, ++chunk) {
    char text[kValueChunk + 1];
    const size_t bytes = std::min<size_t>(kValueChunk, length - offset);
    memcpy(text, value + offset, bytes);
    text[bytes] = '\0';
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_value_%03d%03zu", row, chunk);
    WriteStringTag(art, key, text);
  }
}

void SaveGradingGroup(ArtHandle* arts, int32_t count, int16_t renewSerial) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr) return;
  SavePresetConfig();
  ArtHandle base = FindGroupBaseArt(arts, count);
  if (base == nullptr) return;
  const int baseSelected = GetArtSelected(base);
  if (renewSerial != 0 || g->grading_serial < 2) {
    g->grading_serial = static_cast<uint32_t>(DrawRandomNumber(2147483647.0, 2));
  }

  RemoveTagsWithPrefix(base, kGradingTagPrefix);
  for (int32_t i = 0; i < count; ++i) RemoveTagsWithPrefix(arts[i], kGradingTagPrefix);

  ObjectIdPool pool;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = g->handles[slot];
    if (IsTwoPointKind(h.kind)) {
      WriteTwoPointHandle(base, slot, h, &pool);
    } else if (h.kind == kHandlePoint) {
      WritePointHandle(base, slot, h, &pool);
    }
  }
  WriteGroupSettings(base);

  for (int32_t i = 0; i < count; ++i) {
    const int selected = GetArtSelected(arts[i]);
    WriteTagInteger(arts[i], kGradingMemberKey, static_cast<int32_t>(g->grading_serial));
    SetArtSelected(arts[i], selected);
  }
  WriteVariables(base);
  SetArtSelected(base, baseSelected);
}
