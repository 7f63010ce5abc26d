// Simple-grading objects: groups tagged with their object type, and the
// record that the tag holds.
#pragma once

#include <cstdint>

#include "host_types.h"

enum SimpleGradingKind : int16_t {
  kSimpleSizeChart = 0,
  kSimpleFrontBody = 1,
  kSimpleBackBody = 2,
  kSimpleSleeve = 3,
  kSimpleMeasurement = 4,
};

// Object types of the tag's first field.
constexpr int32_t kSizeChartObject = 1;
constexpr int32_t kGradedPieceTypeOffset = 11;  // kind + 11 on a graded piece

// The first group tagged with `type`, layer by layer, depth first; a tagged
// group of another type is not entered. Null when there is none.
ArtHandle FindSimpleGradingObject(int32_t type);
ArtHandle FindSimpleGradingObjectInArt(ArtHandle art, int32_t type);

// Reads the record of the first object of type typeIndex + 1. Outputs may be
// null; an output whose field is missing keeps its value. 1 when found.
int ReadSimpleGradingObjectRecord(int32_t typeIndex, RealPoint* point, int16_t* rotation, double* reals);
// Parses a record text the same way (reals: four, or null).
void ParseSimpleGradingObjectRecord(const char* text, int32_t* type, RealPoint* point, int16_t* rotation,
                                    double* reals);
void WriteSimpleGradingObjectRecord(ArtHandle art, int32_t typeIndex, const RealPoint& point,
                                    int16_t rotation, const double* reals);

// Marks the art selected, or clears the mark, and for groups and compound
// paths that of every descendant too.
void SelectArtTree(ArtHandle art);
void DeselectArtTree(ArtHandle art);
