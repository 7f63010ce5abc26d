// The grading group of a piece in the string tags of its arts: handles, scale
// pairs, basic settings, title, serial and variables.
#pragma once

#include <cstdint>
#include <string>

#include "common/grading_records.h"
#include "host_types.h"

constexpr const char* kGradingTagPrefix = "vmk_grading_";
constexpr const char* kGradingOriginKey = "vmk_grading_origin";
constexpr const char* kGradingSerialKey = "vmk_grading_serial";
constexpr const char* kGradingTitleKey = "vmk_grading_title";
constexpr const char* kGradingMemberKey = "vmk_grading_member";
constexpr const char* kSimpleGradingObjectTypeKey = "vmk_simple_grading_object_type";

// 1 for the kinds whose handle has two ends (every kind but the point handle).
inline int IsTwoPointKind(int16_t kind) { return kind >= 1 && kind <= 7 && kind != 4; }

// The amount a handle of this kind has when its ratio tag is missing ("100.0",
// or empty for a measurement). Any other amount, an empty one included, is
// written as a tag.
inline const char* UnstoredAmount(int16_t kind) { return kind == kHandleMeasurement ? "" : "100.0"; }

// Writes the current grading group onto the member arts; a new serial is drawn
// when `renewSerial` is set or the group has none.
void SaveGradingGroup(ArtHandle* arts, int32_t count, int16_t renewSerial);

// A variable's value is stored in chunks of 128 bytes, at most this many.
constexpr int kMaxValueChunks = 32;

// The value of the variable stored in row `row` of an art's tags: its chunks
// joined, at most 32.
void ReadStoredVariableValue(ArtHandle art, int row, std::string* value);
// Writes a value as the chunk tags of row `row` (none for an empty value); the
// caller removes chunks a longer old value left.
void WriteStoredVariableValue(ArtHandle art, int row, const char* value);

// Replaces the current grading group by the one stored on the arts; with no
// arts, or none carrying a group, the group is reset. A handle's ends find
// their paths among the arts. Returns 1 when a stored group was found.
int LoadGradingGroup(ArtHandle* arts, int32_t count);
