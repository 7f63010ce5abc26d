#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/point_math.h"
#include "store/art_tags.h"
#include "store/display_unit.h"
#include "store/grading_group_tags.h"
#include "store/group_tag_index.h"
#include "store/object_ids.h"
#include "store/piece_queries.h"
#include "store/sizes_from_variables.h"
#include "store/tag_mirror.h"
#include "store/text_fields.h"

namespace {

constexpr double kRelinkTolerance = 0.01;

void SetDefaultTitle(PluginGlobals* g) {
  static const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  char title[8] = "GR_";
  for (int i = 0; i < 4; ++i) {
    const double fraction = sAIRandom != nullptr ? sAIRandom->FloatRnd() : 0.0;
    int index = static_cast<int>(fraction * 61);
    if (index < 0 || index > 61) index = 0;
    title[3 + i] = kAlphabet[index];
  }
  title[7] = '\0';
  CopyTextCutValidTrail(g->grading_title, sizeof g->grading_title, title);
}

void EmptyVariables(VariableTable* table) {
  for (int row = 0; row < kMaxVariables; ++row) {
    if (table->varValues != nullptr) table->varValues[row][0] = '\0';
    if (table->varNames != nullptr) table->varNames[row][0] = '\0';
    if (table->varTitles != nullptr) table->varTitles[row][0] = '\0';
    if (table->varPrivate != nullptr) table->varPrivate[row] = 0;
  }
}

int32_t FieldInteger(const char* text, int index) {
  char field[kCsvFieldSize];
  GetCsvField(text, index, field);
  return TextToInteger(field);
}

double FieldReal(const char* text, int index) {
  char field[kCsvFieldSize];
  GetCsvField(text, index, field);
  return TextToReal(field);
}

// Moves one end onto the anchor now at its index; the other end follows when
// it lies on no path.
void FollowPath(ArtHandle art, int32_t index, RealPoint* end, RealPoint* other, bool otherFree) {
  if (art == nullptr || sAIPath == nullptr) return;
  PathSegment segment{};
  if (sAIPath->GetPathSegments(art, static_cast<int16_t>(index), 1, &segment) != kNoErr) return;
  const double dx = segment.p.h - end->h;
  const double dy = segment.p.v - end->v;
  if (DistanceBetween(segment.p, *end) <= kRelinkTolerance) return;
  if (otherFree) {
    other->h += dx;
    other->v += dy;
  }
  *end = segment.p;
}

// What a load reads: the base art's tags and the piece's object ids.
struct StoredGroup {
  const GroupTagIndex& tags;
  PieceObjectIds ids;
};

// Resolves an object id; false when a non-zero id names no art of the piece.
bool ResolveArt(const PieceObjectIds& ids, int32_t id, int32_t index, ArtHandle* art) {
  *art = id != 0 ? ids.Find(id, index) : nullptr;
  return id == 0 || *art != nullptr;
}

bool ReadTwoPointHandle(const StoredGroup& stored, int key, const char* conf, RevisionHandle* h) {
  TwoPointHandleData& d = h->line;
  d.p1 = RealPoint{FieldReal(conf, 3), FieldReal(conf, 4)};
  d.p2 = RealPoint{FieldReal(conf, 5), FieldReal(conf, 6)};
  d.index1 = FieldInteger(conf, 8);
  d.index2 = FieldInteger(conf, 10);
  if (!ResolveArt(stored.ids, FieldInteger(conf, 7), d.index1, &d.art1)) return false;
  if (!ResolveArt(stored.ids, FieldInteger(conf, 9), d.index2, &d.art2)) return false;
  if (h->kind == kHandleDistance && d.art2 == nullptr) return false;
  if (h->kind == kHandleLength && (d.art1 == nullptr || d.art1 != d.art2)) return false;

  char field[kCsvFieldSize];
  if (GetCsvField(conf, 11, field) && field[0] != '\0') {
    const int32_t direction = TextToInteger(field);
    if (direction > 9 && direction <= INT16_MAX) h->direction = static_cast<int16_t>(direction);
  }

  std::memcpy(d.amountExpr, stored.tags.Amounts(key, UnstoredAmount(h->kind)), sizeof d.amountExpr);
  FollowPath(d.art1, d.index1, &d.p1, &d.p2, d.art2 == nullptr);
  FollowPath(d.art2, d.index2, &d.p2, &d.p1, d.art1 == nullptr);
  return true;
}

bool ReadPointHandle(const StoredGroup& stored, int key, const char* conf, RevisionHandle* h) {
  PointHandleData& d = h->point;
  d.anchorIndex = FieldInteger(conf, 4);
  const int32_t id = FieldInteger(conf, 3);
  d.art = id != 0 ? stored.ids.Find(id, d.anchorIndex) : nullptr;
  if (d.art == nullptr) return false;
  std::memcpy(d.xExpr, stored.tags.PointFields(key, 0), sizeof d.xExpr);
  std::memcpy(d.yExpr, stored.tags.PointFields(key, 1), sizeof d.yExpr);
  return true;
}

void ReadHandles(PluginGlobals* g, const StoredGroup& stored) {
  int next = 0;
  for (int key = 1; key <= kMaxHandles; ++key) {
    const char* conf = stored.tags.Conf(key);
    if (conf == nullptr) continue;
    // The table was cleared, and a record that is dropped is cleared again.
    RevisionHandle* h = &g->handles[next];

    int64_t code = FieldInteger(conf, 0);
    if (code < 0) {
      h->listSelected = 1;
      code = -code;
    }
    h->groupId = static_cast<uint32_t>(FieldInteger(conf, 1));
    char field[kCsvFieldSize];
    GetCsvField(conf, 2, field);
    CopyTextCutValidTrail(h->name, sizeof h->name, field);
    h->kind = static_cast<int16_t>(code % 100);
    h->direction = static_cast<int16_t>(code / 100 % 10);
    h->bothEnds = static_cast<int16_t>(code / 1000 % 10);
    h->proportional = static_cast<int16_t>(code / 10000 % 10);

    // Unknown kinds keep only the common fields.
    bool keep = h->kind != kHandleFree;
    if (IsTwoPointKind(h->kind)) {
      keep = ReadTwoPointHandle(stored, key, conf, h);
    } else if (h->kind == kHandlePoint) {
      keep = ReadPointHandle(stored, key, conf, h);
    }
    if (keep) {
      ++next;
    } else {
      memset(h, 0, sizeof *h);
    }
  }
}

// An index that has no tag was left out by the writer because it equals the
// first index's pair.
void ReadScalePairs(PluginGlobals* g, const GroupTagIndex& tags) {
  const char* first = tags.Preset(1);
  for (int s = 0; s < kMaxPresets; ++s) {
    const char* pair = tags.Preset(s + 1);
    if (pair == nullptr) pair = first;
    if (pair == nullptr) continue;
    g->groupPresetScale[s] = ScalePair{FieldReal(pair, 1), FieldReal(pair, 2)};
    g->presetScale[s] = g->groupPresetScale[s];
  }
}

void ReadSettings(PluginGlobals* g, ArtHandle base) {
  const RealRect bounds = GetBounds(base);
  if (const char* origin = ReadStringTag(base, kGradingOriginKey)) {
    g->grading_origin = RealPoint{FieldReal(origin, 0), FieldReal(origin, 1)};
    if (FieldInteger(origin, 2) != 0) {
      g->grading_origin.h += (bounds.left + bounds.right) / 2.0;
      g->grading_origin.v += (bounds.top + bounds.bottom) / 2.0;
    }
  }
  g->grading_angle = ReadTagReal(base, "vmk_grading_angle", g->grading_angle);
  g->grading_length = ReadTagReal(base, "vmk_grading_length", g->grading_length);
  g->grading_compscale = ReadTagReal(base, "vmk_grading_compscale", g->grading_compscale);
  g->grading_hvlock = static_cast<int16_t>(ReadTagInteger(base, "vmk_grading_hvlock", g->grading_hvlock));
  g->grading_selected =
      static_cast<int16_t>(ReadTagInteger(base, "vmk_grading_selected", g->grading_selected));
  g->grading_serial = static_cast<uint32_t>(ReadTagInteger(base, kGradingSerialKey, 0));

  const int32_t unit = ReadTagInteger(base, "vmk_grading_unit", g->grading_unit);
  // Other Parts index their unit tables by it: an unknown unit is not taken.
  if (SetUnitPerPoint(unit) != 0) g->grading_unit = static_cast<int16_t>(unit);
  if (const char* title = ReadStringTag(base, kGradingTitleKey)) {
    CopyTextCutValidTrail(g->grading_title, sizeof g->grading_title, title);
  }
}

void ReadVariables(PluginGlobals* g, const GroupTagIndex& tags) {
  VariableTable& table = g->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return;
  std::string value;
  for (int row = 0; row < kMaxVariables; ++row) {
    const char* nameTag = tags.VarName(row);
    if (nameTag == nullptr) break;
    char field[kCsvFieldSize];
    GetCsvField(nameTag, 0, field);
    CopyTextCutValidTrail(table.varNames[row], kVarNameSize, field);
    const char* isPrivate = tags.VarPrivate(row);
    if (table.varPrivate != nullptr)
      table.varPrivate[row] = isPrivate != nullptr && TextToInteger(isPrivate) != 0 ? 1 : 0;
    value.clear();
    for (int chunk = 0; chunk < kMaxValueChunks && tags.VarChunk(row, chunk) != nullptr; ++chunk)
      value.append(tags.VarChunk(row, chunk));
    CopyTextCutValidTrail(table.varValues[row], kVarValueSize, value.c_str());
  }
}

}  // namespace

void ReadStoredVariableValue(ArtHandle art, int row, std::string* value) {
  value->clear();
  for (int chunk = 0; chunk < kMaxValueChunks; ++chunk) {
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_value_%03d%03d", row, chunk);
    const char* text = ReadStringTag(art, key);
    if (text == nullptr) break;
    value->append(text);
  }
}

int LoadGradingGroup(ArtHandle* arts, int32_t count) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr) return 0;
  g->grading_origin = RealPoint{(g->selectionBounds.left + g->selectionBounds.right) / 2.0,
                                (g->selectionBounds.top + g->selectionBounds.bottom) / 2.0};
  g->grading_serial = 0;
  g->grading_selected = 0;
  memset(g->handles, 0, sizeof g->handles);
  g->handlesLeftOut = 0;
  memset(g->groupPresetScale, 0, sizeof g->groupPresetScale);
  SetDefaultTitle(g);
  memcpy(g->groupPresetScale, g->presetScale, sizeof g->groupPresetScale);
  EmptyVariables(&g->variables);

  if (arts == nullptr || count <= 0) return 0;
  ArtHandle base = FindGroupCarrierArt(arts, count);
  if (base == nullptr) return 0;
  // Within a command that loads pieces again and again the tags are read once.
  KeptTags* kept = KeptTagsOf(base);
  std::unique_ptr<GroupTagIndex> read;
  if (kept == nullptr) read = std::make_unique<GroupTagIndex>(base);
  const StoredGroup stored{kept != nullptr ? kept->Index() : *read, PieceObjectIds(arts, count)};
  ReadHandles(g, stored);
  g->handlesLeftOut = stored.tags.HandlesBeyondTable();
  ReadScalePairs(g, stored.tags);
  ReadSettings(g, base);
  ReadVariables(g, stored.tags);
  if (const char* type = ReadStringTag(base, kSimpleGradingObjectTypeKey);
      type != nullptr && TextToInteger(type) == 1) {
    FillSizeTableFromVariables();
  }
  return 1;
}
