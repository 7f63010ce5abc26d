// Variables stored in the tags of titled pieces, as document mode reads and
// changes them without loading the pieces.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

// The titled arts of every layer but the preview layers; the caller frees the list.
void CollectDocumentTitledArts(ArtHandle** arts, int32_t* count);
// The piece's title, cut at 80 characters; empty when it has none.
void ReadPieceTitle(ArtHandle art, char* out, size_t outSize);
// Variable k's name, or false when the piece has no variable k.
bool ReadPieceVariableName(ArtHandle art, int32_t k, char* out, size_t outSize);
int32_t ReadPieceVariablePrivate(ArtHandle art, int32_t k);
// Variable k's value: its chunks joined up to the first missing one.
void ReadPieceVariableValue(ArtHandle art, int32_t k, char* out, size_t outSize);
// Index of the piece's first variable called `name`, or -1.
int32_t FindPieceVariable(ArtHandle art, const char* name);
// Removes every chunk of variable k's value and writes `value` anew.
void WritePieceVariableValue(ArtHandle art, int32_t k, const char* value);
void WritePieceVariableName(ArtHandle art, int32_t k, const char* name);
// Moves the piece's variable `from` to index `to`, the ones between making
// room: name, private flag and value.
void MovePieceVariable(ArtHandle art, int32_t from, int32_t to);
