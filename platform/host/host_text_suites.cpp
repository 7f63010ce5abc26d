// Point text, fonts and text ranges.
#include <cstring>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

HostErr NewPointText(int16_t paintOrder, ArtHandle prep, int16_t orientation, RealPoint anchor,
                     ArtHandle* art) {
  if (!art) return kBadParameterErr;
  *art = nullptr;
  if (prep && !IsLiveArt(prep)) return kBadParameterErr;
  HostDocument* doc = prep ? prep->doc : gHost.current;
  if (!doc) return kNoDocumentErr;
  const bool noted = gHost.txSnapshotTaken;
  NoteChange(doc);
  HostArt* made = NewHostArt(doc, kTextFrameArt);
  made->d.text.anchor = anchor;
  made->d.text.orientation = orientation;
  if (!gHost.fonts.empty()) made->d.text.chars.font = gHost.fonts.front().get();
  return PlaceMadeArt(made, paintOrder, prep, noted, art);
}

HostErr GetTextRange(ArtHandle art, TextRangeHandle* range) {
  if (!IsLiveArt(art) || !range) return kBadParameterErr;
  if (art->d.type != kTextFrameArt) return kWrongTypeErr;
  *range = new HostTextRange{art};
  return kNoErr;
}

// Fonts taken off the list stay fonts: text may still name them.
bool IsLiveFont(FontHandle font) {
  for (auto* pool : {&gHost.fonts, &gHost.unlistedFonts})
    for (auto& f : *pool)
      if (f.get() == font) return true;
  return false;
}

HostErr CountFonts(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = static_cast<int32_t>(gHost.fonts.size());
  return kNoErr;
}

HostErr IndexFontList(int32_t n, FontHandle* font) {
  if (!font) return kBadParameterErr;
  *font = nullptr;
  if (n < 0 || n >= static_cast<int32_t>(gHost.fonts.size())) return kOutOfRangeErr;
  *font = gHost.fonts[static_cast<size_t>(n)].get();
  return kNoErr;
}

// The name in code page 932, cut to the buffer without splitting a character.
HostErr GetFontName(FontHandle font, char* name, int32_t size) {
  if (!IsLiveFont(font) || !name || size <= 0) return kBadParameterErr;
  std::string text = EncodeCodePage(FromUtf8(font->name), 932, static_cast<size_t>(size - 1));
  std::memcpy(name, text.c_str(), text.size() + 1);
  return kNoErr;
}

HostErr RangeArt(TextRangeHandle range, HostArt** art) {
  if (!range || !IsLiveArt(range->art)) return kBadParameterErr;
  *art = range->art;
  return kNoErr;
}

HostErr InsertAfterUtf16(TextRangeHandle range, const uint16_t* text, int32_t length) {
  HostArt* art;
  if (HostErr err = RangeArt(range, &art)) return err;
  if (!text || length < 0) return kBadParameterErr;
  NoteArtChange(art);
  for (int32_t i = 0; i < length; i++) art->d.text.text.push_back(static_cast<char16_t>(text[i]));
  return kNoErr;
}

HostErr GetText(TextRangeHandle range, const uint16_t** text, int32_t* length) {
  HostArt* art;
  if (HostErr err = RangeArt(range, &art)) return err;
  if (!text || !length) return kBadParameterErr;
  *text = reinterpret_cast<const uint16_t*>(art->d.text.text.c_str());
  *length = static_cast<int32_t>(art->d.text.text.size());
  return kNoErr;
}

HostErr SetCharFeatures(TextRangeHandle range, const CharFeatures* f) {
  HostArt* art;
  if (HostErr err = RangeArt(range, &art)) return err;
  if (!f || (f->font && !IsLiveFont(f->font)) || !(f->size > 0)) return kBadParameterErr;
  NoteArtChange(art);
  CharFeatureData& c = art->d.text.chars;
  c.font = f->font ? f->font : c.font;
  c.size = f->size;
  c.fillColor = f->fillColor;
  c.strokeColor = f->strokeColor;
  c.fill = f->fill;
  c.stroke = f->stroke;
  c.horizontalScale = f->horizontalScale > 0 ? f->horizontalScale : 1.0;
  return kNoErr;
}

HostErr SetParaFeatures(TextRangeHandle range, const ParaFeatures* p) {
  HostArt* art;
  if (HostErr err = RangeArt(range, &art)) return err;
  if (!p) return kBadParameterErr;
  NoteArtChange(art);
  art->d.text.para = *p;
  return kNoErr;
}

HostErr ReleaseTextRange(TextRangeHandle range) {
  delete range;
  return kNoErr;
}

}  // namespace

HostFont* FontByName(const std::string& name) {
  for (auto* pool : {&gHost.fonts, &gHost.unlistedFonts})
    for (auto& f : *pool)
      if (f->name == name) return f.get();
  gHost.unlistedFonts.push_back(std::make_unique<HostFont>(HostFont{name}));
  return gHost.unlistedFonts.back().get();
}

const AITextFrameSuite kTextFrameSuite = {NewPointText, GetTextRange};
const AIFontSuite kFontSuite = {CountFonts, IndexFontList, GetFontName};
const ATETextRangeSuite kTextRangeSuite = {InsertAfterUtf16, GetText, SetCharFeatures, SetParaFeatures,
                                           ReleaseTextRange};
