// The marks of the grading origin and of the revision handles on the preview.
#pragma once

#include "host_types.h"

// Marks of selected things go to their own group, drawn above the others.
struct AnnotationGroups {
  ArtHandle plain;
  ArtHandle selected;
};

void DrawOriginMarks(const AnnotationGroups& groups);
void DrawHandleMarks(const AnnotationGroups& groups);
