// The selection of the ordinary layers, kept while the Update grading dialog
// or the variable dialog disturbs it, and given back after.
#pragma once

#include "host_types.h"

void RememberSelectedArts();
void RestoreSelectedArts();
void RememberSelectedArtsInArt(ArtHandle art);
void RestoreSelectedArtsInArt(ArtHandle art);
