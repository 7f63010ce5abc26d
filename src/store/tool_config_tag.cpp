#include "store/tool_config_tag.h"

#include "common/suite_pointers.h"
#include "store/art_tags.h"

int HasToolConfigTag(ArtHandle art) { return HasNonEmptyTag(art, kToolConfigTagKey); }

HostErr GetArtTypeWithToolConfig(ArtHandle art, int16_t* type) {
  if (sAIArt == nullptr) return kSuiteNotFoundErr;
  const HostErr error = sAIArt->GetArtType(art, type);
  if (error == kNoErr && *type == kGroupArt && HasToolConfigTag(art)) *type = kToolConfigGroupArt;
  return error;
}

int16_t ArtTypeOrUnknown(ArtHandle art) {
  int16_t type = kUnknownArt;
  if (GetArtTypeWithToolConfig(art, &type) != kNoErr) return kUnknownArt;
  return type;
}
