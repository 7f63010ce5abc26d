#include "store/art_tags.h"

#include <cstdio>
#include <cstring>

#include "common/suite_pointers.h"
#include "store/tag_mirror.h"
#include "store/text_fields.h"

const char* ReadStringTag(ArtHandle art, const char* key) {
  if (art == nullptr || sAITag == nullptr) return nullptr;
  const char* value = nullptr;
  if (sAITag->GetTag(art, key, &value) != kNoErr) return nullptr;
  return value;
}

int HasNonEmptyTag(ArtHandle art, const char* key) {
  const char* value = ReadStringTag(art, key);
  return value != nullptr && value[0] != '\0';
}

int32_t ReadTagInteger(ArtHandle art, const char* key, int32_t fallback) {
  const char* value = ReadStringTag(art, key);
  return value == nullptr ? fallback : TextToInteger(value);
}

double ReadTagReal(ArtHandle art, const char* key, double fallback) {
  const char* value = ReadStringTag(art, key);
  return value == nullptr ? fallback : TextToReal(value);
}

void WriteStringTag(ArtHandle art, const char* key, const char* value) {
  if (art == nullptr || sAITag == nullptr) return;
  ForgetKeptTags(art);
  sAITag->SetTag(art, key, value);
}

void WriteTagInteger(ArtHandle art, const char* key, int32_t value) {
  char text[16];
  snprintf(text, sizeof text, "%d", value);
  WriteStringTag(art, key, text);
}

void RemoveTag(ArtHandle art, const char* key) {
  if (art == nullptr || sAITag == nullptr) return;
  ForgetKeptTags(art);
  sAITag->RemoveTag(art, key);
}

void RemoveTagsWithPrefix(ArtHandle art, const char* prefix) {
  if (art == nullptr || sAITag == nullptr) return;
  ForgetKeptTags(art);
  int32_t count = 0;
  if (sAITag->CountTags(art, &count) != kNoErr) return;
  const size_t prefixLength = strlen(prefix);
  for (int32_t n = count - 1; n >= 0; --n) {
    const char* name = nullptr;
    const char* type = nullptr;
    if (sAITag->GetNthTag(art, n, &name, &type) != kNoErr || name == nullptr || type == nullptr) continue;
    if (strcmp(type, "string") != 0 || strncmp(name, prefix, prefixLength) != 0) continue;
    // The name belongs to the tag being removed.
    char key[256];
    CopyTextCutValidTrail(key, sizeof key, name);
    sAITag->RemoveTag(art, key);
  }
}

int GetArtSelected(ArtHandle art) {
  uint32_t attr = 0;
  if (art == nullptr || sAIArt == nullptr || sAIArt->GetArtUserAttr(art, kArtSelected, &attr) != kNoErr)
    return 0;
  return (attr & kArtSelected) != 0 ? 1 : 0;
}

void SetArtSelected(ArtHandle art, int selected) {
  if (art == nullptr || sAIArt == nullptr) return;
  sAIArt->SetArtUserAttr(art, kArtSelected, selected != 0 ? static_cast<uint32_t>(kArtSelected) : 0u);
}

int32_t GetSegmentCount(ArtHandle art) {
  if (art == nullptr || sAIArt == nullptr || sAIPath == nullptr) return -1;
  int16_t type = kUnknownArt;
  if (sAIArt->GetArtType(art, &type) != kNoErr || type != kPathArt) return -1;
  int16_t count = 0;
  if (sAIPath->GetPathSegmentCount(art, &count) != kNoErr) return -1;
  return count;
}

RealRect GetBounds(ArtHandle art) {
  RealRect bounds{};
  if (art == nullptr || sAIArt == nullptr || sAIArt->GetArtBounds(art, &bounds) != kNoErr) return RealRect{};
  return bounds;
}
