// The kind a two-point handle takes from the tool and from where its ends lie:
// one rule for a handle drawn and for a handle whose ends are dragged.
#pragma once

#include <cstdint>

#include "common/grading_records.h"

// The kind of handle the revision tool of this index draws.
int16_t HandleKindOfTool(int16_t toolIndex);

// The kind a handle of toolKind becomes with its ends where they now lie:
// plain (1) when the ends do not suit that kind.
int16_t KindFromEnds(int16_t toolKind, const RevisionHandle& handle);

// 1 when both ends lie on one path and the curves between them form one
// circular arc.
int16_t HandleRunIsArc(const RevisionHandle& handle);

// A run on an open path is stored with its ends in path order.
void PutEndsInRunOrder(TwoPointHandleData& line);
