// Groups that belong to another tool of the same maker carry a configuration
// tag; every art walk of the module reads such a group as a type of its own
// and does not enter it.
#pragma once

#include <cstdint>

#include "host_types.h"

constexpr const char* kToolConfigTagKey = "KRW_PRO_TOOLCNF";
constexpr int16_t kToolConfigGroupArt = 14;

// 1 when the art carries a non-empty tool-configuration tag, else 0.
int HasToolConfigTag(ArtHandle art);

// The art's type from the host into `type`; a group with the tag reads as
// kToolConfigGroupArt. Returns the host's error code.
HostErr GetArtTypeWithToolConfig(ArtHandle art, int16_t* type);

// The same type, or kUnknownArt when the host fails to tell it.
int16_t ArtTypeOrUnknown(ArtHandle art);
