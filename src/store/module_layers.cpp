#include "store/module_layers.h"

#include "common/host_string.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/host_math.h"
#include "text/layer_title.h"

namespace {

// Cyan in the host's 16-bit RGB: the preview layer's colour in the layers list.
constexpr RGBColor16 kPreviewLayerColor{0, 65535, 65535};

const char* ModuleLayerTitle(ModuleLayer which) {
  switch (which) {
    case ModuleLayer::Preview:
      return gPlugin->previewLayerName;
    case ModuleLayer::Sample:
      return gPlugin->sampleLayerName;
    default:
      return kVestamarkSimulateLayer;
  }
}

}  // namespace

int IsPreviewLayer(LayerHandle layer) {
  if (layer == nullptr) return 0;
  unsigned char counted[kLayerTitleSize] = {};
  GetLayerTitleCounted(layer, counted);
  return IsPreviewLayerTitle(counted);
}

int IsOrdinaryLayer(LayerHandle layer) {
  if (layer == nullptr) return 0;
  unsigned char counted[kLayerTitleSize] = {};
  GetLayerTitleCounted(layer, counted);
  return !IsPreviewLayerTitle(counted) && !CountedTitleIs(counted, kVestamarkSimulateLayer) &&
         !CountedTitleIs(counted, kVestamarkSampleLayer);
}

int32_t CountDocumentLayers() {
  int32_t count = 0;
  if (sAILayer == nullptr || sAILayer->CountLayers(&count) != kNoErr) return 0;
  return count;
}

LayerHandle GetLayerAt(int32_t n) {
  LayerHandle layer = nullptr;
  if (sAILayer == nullptr || sAILayer->GetNthLayer(n, &layer) != kNoErr) return nullptr;
  return layer;
}

ArtHandle GetFirstArtOfLayer(LayerHandle layer) {
  ArtHandle art = nullptr;
  if (layer == nullptr || sAILayer == nullptr || sAILayer->GetFirstArtOfLayer(layer, &art) != kNoErr)
    return nullptr;
  return art;
}

int HasDocumentView() { return FirstView() != nullptr ? 1 : 0; }

void SetLayerTitleText(LayerHandle layer, const char* title) {
  if (layer == nullptr || sAILayer == nullptr || sAIUnicodeString == nullptr) return;
  UnicodeStringHandle text = nullptr;
  if (sAIUnicodeString->NewFromCodePage(title, 932, &text) != kNoErr) return;
  sAILayer->SetLayerTitle(layer, text);
  sAIUnicodeString->Dispose(text);
}

LayerHandle FindLayerTitled(const char* title) {
  if (sAILayer == nullptr) return nullptr;
  HostString text(title);
  LayerHandle layer = nullptr;
  if (text.get() == nullptr || sAILayer->GetLayerByTitle(&layer, text.get()) != kNoErr) return nullptr;
  return layer;
}

LayerHandle FindModuleLayer(ModuleLayer which) { return FindLayerTitled(ModuleLayerTitle(which)); }

LayerHandle MakeModuleLayer(ModuleLayer which) {
  LayerHandle layer = nullptr;
  if (sAILayer == nullptr || sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer) != kNoErr) return nullptr;
  if (layer == nullptr) return nullptr;
  SetLayerTitleText(layer, ModuleLayerTitle(which));
  if (which == ModuleLayer::Preview) sAILayer->SetLayerColor(layer, kPreviewLayerColor);
  return layer;
}

LayerHandle FindOrMakeModuleLayer(ModuleLayer which) {
  if (LayerHandle layer = FindModuleLayer(which)) return layer;
  return MakeModuleLayer(which);
}
