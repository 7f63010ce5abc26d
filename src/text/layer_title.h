// Layer titles as length-prefixed Shift-JIS strings: the one way layers are
// told apart by name.
#pragma once

#include "host_types.h"

constexpr int kLayerTitleSize = 256;
constexpr int kLayerTitleMaxBytes = 254;  // after the length byte, and before the NUL

constexpr const char* kVestamarkPreviewLayer = "<<Vestamark Preview>>";
constexpr const char* kFendrilaxPreviewLayer = "<<Fendrilax Preview>>";
constexpr const char* kMoravinePreviewLayer = "<<Moravine Preview>>";
constexpr const char* kVestamarkSampleLayer = "<<Vestamark Sample>>";
constexpr const char* kVestamarkSimulateLayer = "<<Vestamark Simulate>>";

// output: kLayerTitleSize bytes; receives the byte count, the text and a NUL.
// On failure the title reads as empty.
HostErr GetLayerTitleCounted(LayerHandle layer, unsigned char* output);

// 1 when the counted title is exactly name (same length, same bytes).
int CountedTitleIs(const unsigned char* title, const char* name);
// 1 for the titles of the preview layers that art walks pass over.
int IsPreviewLayerTitle(const unsigned char* title);

// 0 when the layer is visible and editable, else 1.
int IsLayerUsable(LayerHandle layer);
int IsArtOnUsableLayer(ArtHandle art);
