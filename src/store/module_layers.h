// The layers the module makes for itself, told apart by their titles, and the
// walk over the document's layers.
#pragma once

#include <cstdint>

#include "host_types.h"

// 1 for a layer titled as one of the preview layers that art walks pass over.
int IsPreviewLayer(LayerHandle layer);

// 1 for a layer that is neither a preview layer nor one of the module's
// temporary layers (simulate, sample).
int IsOrdinaryLayer(LayerHandle layer);

// The document's layer count, 0 without a document.
int32_t CountDocumentLayers();

// Layer n (from 0, host order), or null when the host fails to deliver it.
LayerHandle GetLayerAt(int32_t n);

// The layer's first art (its layer group), or null.
ArtHandle GetFirstArtOfLayer(LayerHandle layer);

// 1 while the current document has a first view.
int HasDocumentView();

// Titles a layer with a code page 932 text.
void SetLayerTitleText(LayerHandle layer, const char* title);

// The current document's layer titled `title` (code page 932), or null.
LayerHandle FindLayerTitled(const char* title);

// The layers the module makes for itself: the preview of the current piece,
// the live preview of an open handle dialog, and the layer every piece is
// drawn on while the pieces are written afresh.
enum class ModuleLayer { Preview, Sample, Simulate };
// The current document's layer of that kind, found by its title, or null.
LayerHandle FindModuleLayer(ModuleLayer which);
// A new layer of that kind above all layers, with its title and colour.
LayerHandle MakeModuleLayer(ModuleLayer which);
LayerHandle FindOrMakeModuleLayer(ModuleLayer which);

// Calls `visit` with the first art of every layer, in host order, that is not
// a preview layer; the walk ends at the first layer the host fails to give.
template <typename Visit>
void ForEachSearchedLayer(Visit visit) {
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    LayerHandle layer = GetLayerAt(n);
    if (layer == nullptr) break;
    if (IsPreviewLayer(layer)) continue;
    if (ArtHandle first = GetFirstArtOfLayer(layer)) visit(first);
  }
}
