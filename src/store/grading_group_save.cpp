#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/plugin_globals.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"
#include "store/piece_queries.h"
#include "store/presets_in_document.h"
#include "store/tag_mirror.h"
#include "store/tag_rewrite.h"
#include "store/text_fields.h"

namespace {

constexpr int kValueChunk = 128;

// "code,groupId,"name"" of a conf tag; returns the length written.
size_t FormatConfStart(char* value, size_t size, int32_t code, const RevisionHandle& h) {
  char name[kNameSize];
  CopyTextCutValidTrail(name, sizeof name, h.name, sizeof h.name);
  snprintf(value, size, "%d,%d,", code, static_cast<int32_t>(h.groupId));
  AppendQuotedField(value, size, name);
  return strlen(value);
}

int16_t Digit(int16_t value) { return value > 0 ? std::min<int16_t>(value, 9) : 0; }

// prefix, then "%d" of number and "%02d" of scale, as snprintf would write
// them; a group has ten thousand such keys.
void ScaleKey(char (&key)[64], const char* prefix, int number, int scale) {
  const size_t length = strlen(prefix);
  memcpy(key, prefix, length);
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  char* out = key + length;
  while (count > 0) *out++ = digits[--count];
  *out++ = static_cast<char>('0' + scale / 10 % 10);
  *out++ = static_cast<char>('0' + scale % 10);
  *out = '\0';
}

// The ids of the paths a handle lies on, drawn for those without one.
struct HandleIds {
  int32_t first;
  int32_t second;
};

HandleIds EnsureHandleIds(const RevisionHandle& h, ObjectIdPool* pool) {
  if (h.kind == kHandlePoint) return {h.point.art != nullptr ? EnsureObjectId(h.point.art, pool) : 0, 0};
  const TwoPointHandleData& d = h.line;
  const int32_t id1 = d.art1 != nullptr ? EnsureObjectId(d.art1, pool) : 0;
  const int32_t id2 = d.art2 != nullptr ? EnsureObjectId(d.art2, pool) : 0;
  return {id1, id2};
}

// The conf tag of a handle. The packed code keeps one digit of the direction;
// a larger direction is written whole in an extra field that older readers
// never look at.
void FormatConf(char (&value)[512], const RevisionHandle& h, HandleIds ids) {
  if (h.kind == kHandlePoint) {
    const int32_t code = h.listSelected != 0 ? -h.kind : h.kind;
    const size_t used = FormatConfStart(value, sizeof value, code, h);
    snprintf(value + used, sizeof value - used, ",%d,%d", ids.first, h.point.anchorIndex);
    return;
  }
  const TwoPointHandleData& d = h.line;
  const int16_t direction = h.direction > 0 ? h.direction : 0;
  int32_t code = h.kind + 100 * (direction % 10) + 1000 * Digit(h.bothEnds) + 10000 * Digit(h.proportional);
  if (h.listSelected != 0) code = -code;
  const size_t used = FormatConfStart(value, sizeof value, code, h);
  snprintf(value + used, sizeof value - used, ",%g,%g,%g,%g,%d,%d,%d,%d", d.p1.h, d.p1.v, d.p2.h, d.p2.v,
           ids.first, d.index1, ids.second, d.index2);
  if (direction > 9) {
    const size_t end = strlen(value);
    snprintf(value + end, sizeof value - end, ",%d", direction);
  }
}

void ConfKey(char (&key)[64], int slot) { snprintf(key, sizeof key, "vmk_grading_fxh_conf_%d", slot + 1); }

// The amount tags of a two-point handle. An amount cleared to nothing is kept
// as a tag that is present and empty.
void WriteAmounts(TagRewrite& base, int slot, const RevisionHandle& h) {
  const char* unwritten = UnstoredAmount(h.kind);
  char key[64];
  for (int s = 0; s < kMaxPresets; ++s) {
    char amount[kExprSize];
    CopyTextCutValidTrail(amount, sizeof amount, h.line.amountExpr[s], kExprSize);
    if (strcmp(amount, unwritten) == 0) continue;
    ScaleKey(key, "vmk_grading_fxh_ratio_", slot + 1, s + 1);
    base.Add(key, amount);
  }
}

void WritePointTexts(TagRewrite& base, int slot, const RevisionHandle& h) {
  const PointHandleData& d = h.point;
  char key[64];
  for (int s = 0; s < kMaxPresets; ++s) {
    char x[kExprSize];
    char y[kExprSize];
    CopyTextCutValidTrail(x, sizeof x, d.xExpr[s], kExprSize);
    CopyTextCutValidTrail(y, sizeof y, d.yExpr[s], kExprSize);
    if (x[0] == '\0' && y[0] == '\0') continue;
    char texts[2 * 2 * kExprSize + 8] = "";
    AppendQuotedField(texts, sizeof texts, x);
    strcat(texts, ",");
    AppendQuotedField(texts, sizeof texts, y);
    ScaleKey(key, "vmk_grading_fxp_", slot + 1, s + 1);
    base.Add(key, texts);
  }
}

bool IsStoredKind(int16_t kind) { return IsTwoPointKind(kind) || kind == kHandlePoint; }

void AddNumber(TagRewrite& base, const char* key, const char* format, double value) {
  char text[32];
  snprintf(text, sizeof text, format, value);
  base.Add(key, text);
}

void AddInteger(TagRewrite& base, const char* key, int32_t value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  base.Add(key, text);
}

void WriteGroupSettings(TagRewrite& base) {
  const PluginGlobals& g = *gPlugin;
  char key[64];
  char value[128];
  const ScalePair& first = g.groupPresetScale[0];
  for (int s = 0; s < kMaxPresets; ++s) {
    const ScalePair& pair = g.groupPresetScale[s];
    if (s > 0 && pair.h == first.h && pair.v == first.v) continue;
    snprintf(key, sizeof key, "vmk_grading_preset_%d", s + 1);
    snprintf(value, sizeof value, "0,%g,%g", pair.h, pair.v);
    base.Add(key, value);
  }
  const RealRect bounds = GetBounds(base.art());
  const double centreX = (bounds.left + bounds.right) / 2.0;
  const double centreY = (bounds.top + bounds.bottom) / 2.0;
  snprintf(value, sizeof value, "%g,%g,1", g.grading_origin.h - centreX, g.grading_origin.v - centreY);
  base.Add(kGradingOriginKey, value);
  AddNumber(base, "vmk_grading_angle", "%g", g.grading_angle);
  AddNumber(base, "vmk_grading_length", "%g", g.grading_length);
  AddNumber(base, "vmk_grading_compscale", "%g", g.grading_compscale);
  AddInteger(base, "vmk_grading_hvlock", g.grading_hvlock);
  AddInteger(base, "vmk_grading_selected", g.grading_selected);
  AddInteger(base, kGradingSerialKey, static_cast<int32_t>(g.grading_serial));
  AddInteger(base, "vmk_grading_unit", g.grading_unit);
  char title[kNameSize];
  CopyTextCutValidTrail(title, sizeof title, g.grading_title, sizeof g.grading_title);
  base.Add(kGradingTitleKey, title);
}

// The chunk tags of a variable's value, in order.
template <typename Add>
void ForEachValueChunk(int row, const char* value, Add add) {
  const size_t length = strnlen(value, kVarValueSize - 1);
  for (size_t offset = 0, chunk = 0; offset < length; offset += kValueChunk, ++chunk) {
    char text[kValueChunk + 1];
    const size_t bytes = std::min<size_t>(kValueChunk, length - offset);
    memcpy(text, value + offset, bytes);
    text[bytes] = '\0';
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_value_%03d%03zu", row, chunk);
    add(key, text);
  }
}

// Rows are numbered without gaps, since the reader stops at the first
// missing name.
void WriteVariables(TagRewrite& base) {
  const VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return;
  int stored = 0;
  for (int row = 0; row < kMaxVariables; ++row) {
    char name[kVarNameSize];
    CopyTextCutValidTrail(name, sizeof name, table.varNames[row], kVarNameSize);
    if (name[0] == '\0') continue;
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_name_%03d", stored);
    base.Add(key, name);
    if (table.varPrivate != nullptr && table.varPrivate[row] != 0) {
      snprintf(key, sizeof key, "vmk_grading_var_private_%03d", stored);
      base.Add(key, "1");
    }
    ForEachValueChunk(stored, table.varValues[row],
                      [&](const char* k, const char* text) { base.Add(k, text); });
    ++stored;
  }
}

// The base art and each listed art, once: their grading tags are written anew.
std::vector<TagRewrite> RewritesOf(ArtHandle base, ArtHandle* arts, int32_t count) {
  std::vector<TagRewrite> rewrites{TagRewrite(base)};
  for (int32_t i = 0; i < count; ++i) {
    bool known = false;
    for (const TagRewrite& r : rewrites) known = known || r.art() == arts[i];
    if (!known) rewrites.emplace_back(arts[i]);
  }
  return rewrites;
}

// What a save wrote on a base art, kept with the art's tags while a command
// lasts: a save of the same group onto the same arts writes the same tags but
// for the object ids, which it draws anew.
struct LastSave {
  explicit LastSave(TagRewrite written) : base(std::move(written)) {}

  TagRewrite base;   // what it wrote on the base art
  uint64_t version;  // of the kept tags right after
  std::vector<ArtHandle> arts;
  RealRect bounds;  // the origin is written relative to them
  int16_t kinds[kMaxHandles];
  std::vector<RevisionHandle> stored;  // the handles of stored kinds, in slot order
  ScalePair scales[kMaxPresets];
  RealPoint origin;
  double angle, length, compscale;
  int16_t hvlock, selected, unit;
  uint32_t serial;
  char title[kNameSize];
  std::vector<std::string> names, values;
  std::vector<uint32_t> isPrivate;
  std::vector<size_t> confEntries;     // of the stored handles, in slot order
  size_t idEntry = std::string::npos;  // of the base's own object id
};

std::string Field(const char* text, size_t size) { return std::string(text, strnlen(text, size)); }

// The variables as a save reads them.
void TakeVariables(const VariableTable& t, std::vector<std::string>* names, std::vector<std::string>* values,
                   std::vector<uint32_t>* isPrivate) {
  if (t.varNames == nullptr || t.varValues == nullptr) return;
  for (int row = 0; row < kMaxVariables; ++row) {
    names->push_back(Field(t.varNames[row], kVarNameSize));
    values->push_back(names->back().empty() ? std::string() : Field(t.varValues[row], kVarValueSize));
    isPrivate->push_back(t.varPrivate != nullptr && !names->back().empty() ? t.varPrivate[row] : 0);
  }
}

LastSave* RecordOf(KeptTags* kept) {
  return kept != nullptr ? static_cast<LastSave*>(kept->lastSave.get()) : nullptr;
}

void Remember(const PluginGlobals& g, ArtHandle* arts, int32_t count, TagRewrite base,
              std::vector<size_t> confEntries, KeptTags* kept) {
  if (kept == nullptr) return;
  auto last = std::make_shared<LastSave>(std::move(base));
  last->version = kept->version();
  last->arts.assign(arts, arts + count);
  last->bounds = GetBounds(last->base.art());
  last->origin = g.grading_origin;
  last->angle = g.grading_angle;
  last->length = g.grading_length;
  last->compscale = g.grading_compscale;
  last->hvlock = g.grading_hvlock;
  last->selected = g.grading_selected;
  last->unit = g.grading_unit;
  last->serial = g.grading_serial;
  last->confEntries = std::move(confEntries);
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    last->kinds[slot] = g.handles[slot].kind;
    if (IsStoredKind(g.handles[slot].kind)) last->stored.push_back(g.handles[slot]);
  }
  std::memcpy(last->scales, g.groupPresetScale, sizeof last->scales);
  std::memcpy(last->title, g.grading_title, sizeof last->title);
  TakeVariables(g.variables, &last->names, &last->values, &last->isPrivate);
  for (size_t n = 0; n < last->base.size(); ++n)
    if (std::strcmp(last->base.KeyAt(n), kObjectIdKey) == 0) last->idEntry = n;
  kept->lastSave = std::move(last);
}

// The group and its arts as they were at the last save through the same kept tags.
bool SameAsLastSave(const LastSave& last, const PluginGlobals& g, ArtHandle* arts, int32_t count,
                    const KeptTags& kept) {
  if (last.version != kept.version() || last.arts != std::vector<ArtHandle>(arts, arts + count)) return false;
  const RealRect bounds = GetBounds(kept.art());
  if (std::memcmp(&bounds, &last.bounds, sizeof bounds) != 0) return false;
  size_t n = 0;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = g.handles[slot];
    if (h.kind != last.kinds[slot]) return false;
    if (IsStoredKind(h.kind) && std::memcmp(&h, &last.stored[n++], sizeof h) != 0) return false;
  }
  const bool settings = std::memcmp(last.scales, g.groupPresetScale, sizeof last.scales) == 0 &&
                        std::memcmp(&last.origin, &g.grading_origin, sizeof last.origin) == 0 &&
                        std::memcmp(&last.angle, &g.grading_angle, sizeof last.angle) == 0 &&
                        std::memcmp(&last.length, &g.grading_length, sizeof last.length) == 0 &&
                        std::memcmp(&last.compscale, &g.grading_compscale, sizeof last.compscale) == 0 &&
                        last.hvlock == g.grading_hvlock && last.selected == g.grading_selected &&
                        last.unit == g.grading_unit && last.serial == g.grading_serial &&
                        std::strncmp(last.title, g.grading_title, sizeof last.title) == 0;
  if (!settings) return false;
  std::vector<std::string> names, values;
  std::vector<uint32_t> isPrivate;
  TakeVariables(g.variables, &names, &values, &isPrivate);
  return names == last.names && values == last.values && isPrivate == last.isPrivate;
}

void PutMembership(const PluginGlobals& g, ArtHandle* arts, int32_t count, const ObjectIdPool& pool) {
  char serial[16];
  snprintf(serial, sizeof serial, "%d", static_cast<int32_t>(g.grading_serial));
  for (int32_t i = 0; i < count; ++i) RewriteOf(pool, arts[i])->Put(kGradingMemberKey, serial);
}

// Writes a rewrite with the art's selected state kept.
void ApplySelectedKept(const TagRewrite& rewrite) {
  const int selected = GetArtSelected(rewrite.art());
  rewrite.Apply(KeptTagsOf(rewrite.art()));
  SetArtSelected(rewrite.art(), selected);
}

// The same group again: only the object ids are drawn anew, and the tags
// that carry them written.
void SaveSameGroupAgain(const PluginGlobals& g, ArtHandle* arts, int32_t count, ObjectIdPool* pool,
                        LastSave* last, KeptTags* kept) {
  std::vector<TagRewrite>& rewrites = *pool->rewrites;
  std::vector<size_t> changed = last->confEntries;
  size_t n = 0;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = g.handles[slot];
    if (!IsStoredKind(h.kind)) continue;
    char value[512];
    FormatConf(value, h, EnsureHandleIds(h, pool));
    last->base.Retext(last->confEntries[n++], value);
  }
  const char* id = rewrites.front().Given(kObjectIdKey);
  if (id != nullptr && last->idEntry != std::string::npos) {
    last->base.Retext(last->idEntry, id);
    changed.push_back(last->idEntry);
  }
  PutMembership(g, arts, count, *pool);
  for (size_t r = 1; r < rewrites.size(); ++r) ApplySelectedKept(rewrites[r]);
  const int selected = GetArtSelected(kept->art());
  last->base.ApplyRetexted(*kept, changed);
  SetArtSelected(kept->art(), selected);
  last->version = kept->version();
}

void SaveWholeGroup(const PluginGlobals& g, ArtHandle* arts, int32_t count, ObjectIdPool* pool) {
  std::vector<TagRewrite>& rewrites = *pool->rewrites;
  TagRewrite& onBase = rewrites.front();
  std::vector<size_t> confEntries;
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    const RevisionHandle& h = g.handles[slot];
    if (!IsStoredKind(h.kind)) continue;
    char value[512];
    FormatConf(value, h, EnsureHandleIds(h, pool));
    char key[64];
    ConfKey(key, slot);
    confEntries.push_back(onBase.size());
    onBase.Add(key, value);
    if (h.kind == kHandlePoint) {
      WritePointTexts(onBase, slot, h);
    } else {
      WriteAmounts(onBase, slot, h);
    }
  }
  WriteGroupSettings(onBase);
  PutMembership(g, arts, count, *pool);
  WriteVariables(onBase);
  for (TagRewrite& rewrite : rewrites) ApplySelectedKept(rewrite);
  KeptTags* kept = KeptTagsOf(onBase.art());
  Remember(g, arts, count, std::move(onBase), std::move(confEntries), kept);
}

}  // namespace

void WriteStoredVariableValue(ArtHandle art, int row, const char* value) {
  ForEachValueChunk(row, value, [&](const char* key, const char* text) { WriteStringTag(art, key, text); });
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

  // Every grading tag of the base and the listed arts is written anew; those
  // already standing as they are to be are left alone.
  std::vector<TagRewrite> rewrites = RewritesOf(base, arts, count);
  ObjectIdPool pool;
  pool.rewrites = &rewrites;
  KeptTags* kept = KeptTagsOf(base);
  LastSave* last = RecordOf(kept);
  if (last != nullptr && SameAsLastSave(*last, *g, arts, count, *kept)) {
    SaveSameGroupAgain(*g, arts, count, &pool, last, kept);
  } else {
    SaveWholeGroup(*g, arts, count, &pool);
  }
  SetArtSelected(base, baseSelected);
}
