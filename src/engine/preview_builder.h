// The grading preview: graded copies of the current piece and the marks of
// the origin and of every revision handle, drawn anew on each call.
#pragma once

#include <cstdint>

// Set from the deselect argument of every build that has member paths: new
// preview art is then deselected as soon as it is made.
extern int16_t previewDeselectNewArt;

// deselect 1 deselects each new art at once, 0 clears the preview layer's
// selection at the end. layerChoice 0 draws on the preview layer with every
// mark, 1 the copies alone on the edit-preview layer.
void BuildGradingPreview(int16_t deselect, int16_t layerChoice);

// The same build on the preview layer but for the marks: the copies alone,
// for a build no one will see, made only for what is written from its copies
// (Update grading, its dialog's preview).
void BuildGradedCopies(int16_t deselect);
