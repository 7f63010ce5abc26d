#include "text/layer_title.h"

#include <cstring>
#include <string>

#include "common/suite_pointers.h"
#include "text/byte_classes.h"
#include "win_api.h"

namespace {

HostErr ReadTitle(LayerHandle layer, std::string* text) {
  if (sAILayer == nullptr || sAIUnicodeString == nullptr) return kSuiteNotFoundErr;
  UnicodeStringHandle title = nullptr;
  HostErr err = sAILayer->GetLayerTitle(layer, &title);
  if (err != kNoErr) return err;
  const uint16_t* units = nullptr;
  int32_t length = 0;
  err = sAIUnicodeString->GetUtf16(title, &units, &length);
  if (err == kNoErr && length > 0) {
    const int bytes = WideCharToMultiByte(932, 0, units, length, nullptr, 0, nullptr, nullptr);
    if (bytes > 0) {
      text->assign(static_cast<size_t>(bytes), '\0');
      const int written = WideCharToMultiByte(932, 0, units, length, text->data(), bytes, nullptr, nullptr);
      text->resize(written > 0 ? static_cast<size_t>(written) : 0);
    }
  }
  sAIUnicodeString->Dispose(title);
  return err;
}

}  // namespace

HostErr GetLayerTitleCounted(LayerHandle layer, unsigned char* output) {
  output[0] = 0;
  output[1] = 0;
  std::string text;
  const HostErr err = ReadTitle(layer, &text);
  if (err != kNoErr) return err;
  const int n = ShiftJisFitLength(text.c_str(), kLayerTitleMaxBytes);
  std::memcpy(output + 1, text.data(), static_cast<size_t>(n));
  output[0] = static_cast<unsigned char>(n);
  output[1 + n] = 0;
  return kNoErr;
}

int CountedTitleIs(const unsigned char* title, const char* name) {
  const size_t n = std::strlen(name);
  return n == title[0] && std::memcmp(title + 1, name, n) == 0 ? 1 : 0;
}

int IsPreviewLayerTitle(const unsigned char* title) {
  return CountedTitleIs(title, kVestamarkPreviewLayer) || CountedTitleIs(title, kFendrilaxPreviewLayer) ||
                 CountedTitleIs(title, kMoravinePreviewLayer)
             ? 1
             : 0;
}

int IsLayerUsable(LayerHandle layer) {
  if (sAILayer == nullptr) return 1;
  int32_t visible = 0;
  int32_t editable = 0;
  if (sAILayer->GetLayerVisible(layer, &visible) != kNoErr) return 1;
  if (sAILayer->GetLayerEditable(layer, &editable) != kNoErr) return 1;
  return visible && editable ? 0 : 1;
}

int IsArtOnUsableLayer(ArtHandle art) {
  if (sAIArt == nullptr) return 1;
  LayerHandle layer = nullptr;
  if (sAIArt->GetLayerOfArt(art, &layer) != kNoErr || layer == nullptr) return 1;
  return IsLayerUsable(layer);
}
