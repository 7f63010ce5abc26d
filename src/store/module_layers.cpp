#include "store/module_layers.h"

#include "geometry/host_math.h"
#include "shell/suite_pointers.h"
#include "text/layer_title.h"

int LayerTitleIs(LayerHandle layer, const char* title) {
  if (layer == nullptr) return 0;
  unsigned char counted[kLayerTitleSize] = {};
  GetLayerTitleCounted(layer, counted);
  return CountedTitleIs(counted, title);
}

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
