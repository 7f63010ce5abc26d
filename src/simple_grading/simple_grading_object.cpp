#include "simple_grading/simple_grading_object.h"

#include <cstdio>
#include <cstring>

#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/text_fields.h"
#include "store/tool_config_tag.h"

namespace {

constexpr size_t kRecordTextMax = 255;

void MarkArtTree(ArtHandle art, uint32_t selected) {
  if (art == nullptr || sAIArt == nullptr) return;
  sAIArt->SetArtUserAttr(art, kArtSelected, selected);
  int16_t type = kUnknownArt;
  if (sAIArt->GetArtType(art, &type) != kNoErr || (type != kGroupArt && type != kCompoundPathArt)) return;
  ArtHandle child = nullptr;
  if (sAIArt->GetArtFirstChild(art, &child) != kNoErr) return;
  while (child != nullptr) {
    MarkArtTree(child, selected);
    if (sAIArt->GetArtSibling(child, &child) != kNoErr) break;
  }
}

}  // namespace

ArtHandle FindSimpleGradingObjectInArt(ArtHandle art, int32_t type) {
  if (art == nullptr || sAIArt == nullptr) return nullptr;
  int16_t artType = kUnknownArt;
  if (GetArtTypeWithToolConfig(art, &artType) != kNoErr || artType != kGroupArt) return nullptr;
  if (const char* record = ReadStringTag(art, kSimpleGradingObjectTypeKey)) {
    return TextToInteger(record) == type ? art : nullptr;
  }
  ArtHandle child = nullptr;
  if (sAIArt->GetArtFirstChild(art, &child) != kNoErr) return nullptr;
  while (child != nullptr) {
    if (ArtHandle found = FindSimpleGradingObjectInArt(child, type)) return found;
    if (sAIArt->GetArtSibling(child, &child) != kNoErr) break;
  }
  return nullptr;
}

ArtHandle FindSimpleGradingObject(int32_t type) {
  ArtHandle found = nullptr;
  ForEachSearchedLayer([&](ArtHandle layerGroup) {
    if (found == nullptr) found = FindSimpleGradingObjectInArt(layerGroup, type);
  });
  return found;
}

void ParseSimpleGradingObjectRecord(const char* text, int32_t* type, RealPoint* point, int16_t* rotation,
                                    double* reals) {
  if (text == nullptr) return;
  char copy[kRecordTextMax + 1];
  std::strncpy(copy, text, kRecordTextMax);
  copy[kRecordTextMax] = '\0';
  int field = 0;
  for (char* start = copy; start != nullptr; ++field) {
    char* comma = std::strchr(start, ',');
    if (comma != nullptr) *comma = '\0';
    switch (field) {
      case 0:
        if (type != nullptr) *type = TextToInteger(start);
        break;
      case 1:
        if (point != nullptr) point->h = TextToReal(start);
        break;
      case 2:
        if (point != nullptr) point->v = TextToReal(start);
        break;
      case 3:
        if (rotation != nullptr) *rotation = static_cast<int16_t>(TextToInteger(start));
        break;
      default:
        if (reals != nullptr && field <= 7) reals[field - 4] = TextToReal(start);
        break;
    }
    start = comma != nullptr ? comma + 1 : nullptr;
  }
}

int ReadSimpleGradingObjectRecord(int32_t typeIndex, RealPoint* point, int16_t* rotation, double* reals) {
  ArtHandle art = FindSimpleGradingObject(typeIndex + 1);
  if (art == nullptr) return 0;
  int32_t type = 0;
  ParseSimpleGradingObjectRecord(ReadStringTag(art, kSimpleGradingObjectTypeKey), &type, point, rotation,
                                 reals);
  return 1;
}

void WriteSimpleGradingObjectRecord(ArtHandle art, int32_t typeIndex, const RealPoint& point,
                                    int16_t rotation, const double* reals) {
  const double zero[4] = {0, 0, 0, 0};
  const double* r = reals != nullptr ? reals : zero;
  char text[kRecordTextMax + 1];
  std::snprintf(text, sizeof text, "%d,%g,%g,%d,%g,%g,%g,%g", typeIndex + 1, point.h, point.v, rotation, r[0],
                r[1], r[2], r[3]);
  WriteStringTag(art, kSimpleGradingObjectTypeKey, text);
}

void SelectArtTree(ArtHandle art) { MarkArtTree(art, kArtSelected); }

void DeselectArtTree(ArtHandle art) { MarkArtTree(art, 0); }
