// Document, document view and layer suites.
#include <algorithm>
#include <cmath>
#include <string>

#include "host_model.h"
#include "host_suite_tables.h"

namespace {

// ---- document --------------------------------------------------------------------

HostErr GetDocument(DocumentHandle* document) {
  if (!document) return kBadParameterErr;
  *document = gHost.current;
  return gHost.current ? kNoErr : kNoDocumentErr;
}

HostErr RedrawDocument() {
  gHost.redraws++;
  return kNoErr;
}

// ---- views -------------------------------------------------------------------------

bool IsLiveView(DocViewHandle view) {
  if (!view) return false;
  for (auto& doc : gHost.documents)
    if (&doc->view == view) return true;
  return false;
}

HostErr CountDocumentViews(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = gHost.current ? 1 : 0;
  return kNoErr;
}

HostErr GetNthDocumentView(int32_t n, DocViewHandle* view) {
  if (!view) return kBadParameterErr;
  *view = nullptr;
  if (!gHost.current) return kNoDocumentErr;
  if (n != 0) return kOutOfRangeErr;
  *view = &gHost.current->view;
  return kNoErr;
}

HostErr GetDocumentViewZoom(DocViewHandle view, double* zoom) {
  if (!IsLiveView(view) || !zoom) return kBadParameterErr;
  *zoom = view->zoom;
  return kNoErr;
}

HostErr SetDocumentViewZoom(DocViewHandle view, double zoom) {
  if (!IsLiveView(view)) return kBadParameterErr;
  view->zoom = zoom;
  TitleDocumentWindow(view->doc);
  return kNoErr;
}

HostErr GetDocumentViewCenter(DocViewHandle view, RealPoint* center) {
  if (!IsLiveView(view) || !center) return kBadParameterErr;
  *center = view->center;
  return kNoErr;
}

// The view has y down and its origin at the top left of the window.
HostErr ArtworkPointToViewPoint(DocViewHandle view, const RealPoint* artwork, int32_t* x, int32_t* y) {
  if (!IsLiveView(view) || !artwork || !x || !y) return kBadParameterErr;
  double fx = (artwork->h - view->center.h) * view->zoom + view->width / 2.0;
  double fy = (view->center.v - artwork->v) * view->zoom + view->height / 2.0;
  if (!std::isfinite(fx) || !std::isfinite(fy) || std::fabs(fx) > 2e9 || std::fabs(fy) > 2e9)
    return kOutOfRangeErr;
  *x = static_cast<int32_t>(std::lround(fx));
  *y = static_cast<int32_t>(std::lround(fy));
  return kNoErr;
}

HostErr ViewPointToArtworkPoint(DocViewHandle view, int32_t x, int32_t y, RealPoint* artwork) {
  if (!IsLiveView(view) || !artwork) return kBadParameterErr;
  if (view->zoom == 0) return kBadParameterErr;
  artwork->h = (x - view->width / 2.0) / view->zoom + view->center.h;
  artwork->v = view->center.v - (y - view->height / 2.0) / view->zoom;
  return kNoErr;
}

// ---- layers --------------------------------------------------------------------------

HostErr CountLayers(int32_t* count) {
  if (!count) return kBadParameterErr;
  *count = gHost.current ? static_cast<int32_t>(gHost.current->d.layers.size()) : 0;
  return gHost.current ? kNoErr : kNoDocumentErr;
}

HostErr GetNthLayer(int32_t n, LayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  *layer = nullptr;
  if (!gHost.current) return kNoDocumentErr;
  const auto& layers = gHost.current->d.layers;
  if (n < 0 || n >= static_cast<int32_t>(layers.size())) return kOutOfRangeErr;
  *layer = layers[static_cast<size_t>(n)];
  return kNoErr;
}

HostErr GetLayerByTitle(LayerHandle* layer, UnicodeStringHandle title) {
  if (!layer || !title) return kBadParameterErr;
  *layer = nullptr;
  if (!gHost.current) return kNoDocumentErr;
  for (HostLayer* l : gHost.current->d.layers)
    if (l->d.title == title->text) {
      *layer = l;
      return kNoErr;
    }
  return kNotFoundErr;
}

HostErr GetLayerTitle(LayerHandle layer, UnicodeStringHandle* title) {
  if (!IsLiveLayer(layer) || !title) return kBadParameterErr;
  *title = NewHostString(layer->d.title);
  return kNoErr;
}

HostErr SetLayerTitle(LayerHandle layer, UnicodeStringHandle title) {
  if (!IsLiveLayer(layer) || !title) return kBadParameterErr;
  NoteChange(layer->doc);
  layer->d.title = title->text;
  return kNoErr;
}

HostErr GetFlag(LayerHandle layer, bool LayerData::*flag, int32_t* value) {
  if (!IsLiveLayer(layer) || !value) return kBadParameterErr;
  *value = layer->d.*flag ? 1 : 0;
  return kNoErr;
}

HostErr SetFlag(LayerHandle layer, bool LayerData::*flag, int32_t value) {
  if (!IsLiveLayer(layer)) return kBadParameterErr;
  if (layer->d.*flag != (value != 0)) {
    NoteChange(layer->doc);
    layer->d.*flag = value != 0;
  }
  return kNoErr;
}

HostErr GetLayerVisible(LayerHandle layer, int32_t* visible) {
  return GetFlag(layer, &LayerData::visible, visible);
}
HostErr SetLayerVisible(LayerHandle layer, int32_t visible) {
  return SetFlag(layer, &LayerData::visible, visible);
}
HostErr GetLayerEditable(LayerHandle layer, int32_t* editable) {
  return GetFlag(layer, &LayerData::editable, editable);
}
HostErr SetLayerEditable(LayerHandle layer, int32_t editable) {
  return SetFlag(layer, &LayerData::editable, editable);
}

HostErr GetCurrentLayer(LayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  *layer = gHost.current ? gHost.current->d.current : nullptr;
  return *layer ? kNoErr : kNoDocumentErr;
}

HostErr SetCurrentLayer(LayerHandle layer) {
  if (!IsLiveLayer(layer) || layer->doc != gHost.current) return kBadParameterErr;
  if (gHost.current->d.current != layer) {
    NoteChange(layer->doc);
    gHost.current->d.current = layer;
  }
  return kNoErr;
}

HostErr InsertLayer(LayerHandle prep, int16_t paintOrder, LayerHandle* layer) {
  if (!layer) return kBadParameterErr;
  *layer = nullptr;
  HostDocument* doc = gHost.current;
  if (!doc) return kNoDocumentErr;
  auto& layers = doc->d.layers;
  size_t position;
  switch (paintOrder) {
    case kPlaceAboveAll:
      position = 0;
      break;
    case kPlaceBelowAll:
      position = layers.size();
      break;
    case kPlaceAbove:
    case kPlaceBelow: {
      auto it = std::find(layers.begin(), layers.end(), prep);
      if (!IsLiveLayer(prep) || it == layers.end()) return kBadParameterErr;
      position = static_cast<size_t>(it - layers.begin()) + (paintOrder == kPlaceBelow ? 1 : 0);
      break;
    }
    default:
      return kBadParameterErr;
  }
  NoteChange(doc);
  std::u16string title = u"Layer " + FromUtf8(std::to_string(doc->layerPool.size() + 1));
  *layer = NewHostLayer(doc, title, position);
  return kNoErr;
}

HostErr DeleteLayer(LayerHandle layer) {
  if (!IsLiveLayer(layer)) return kBadParameterErr;
  HostDocument* doc = layer->doc;
  auto& layers = doc->d.layers;
  if (layers.size() < 2) return kBadParameterErr;  // a document keeps one layer
  NoteChange(doc);
  layers.erase(std::remove(layers.begin(), layers.end(), layer), layers.end());
  layer->d.alive = false;
  KillArtTree(layer->group);
  if (doc->d.current == layer) doc->d.current = layers.front();
  return kNoErr;
}

HostErr GetLayerColor(LayerHandle layer, RGBColor16* color) {
  if (!IsLiveLayer(layer) || !color) return kBadParameterErr;
  *color = layer->d.color;
  return kNoErr;
}

HostErr SetLayerColor(LayerHandle layer, RGBColor16 color) {
  if (!IsLiveLayer(layer)) return kBadParameterErr;
  NoteChange(layer->doc);
  layer->d.color = color;
  return kNoErr;
}

HostErr GetFirstArtOfLayer(LayerHandle layer, ArtHandle* group) {
  if (!IsLiveLayer(layer) || !group) return kBadParameterErr;
  *group = layer->group;
  return kNoErr;
}

HostErr GetNextLayer(LayerHandle layer, LayerHandle* next) {
  if (!IsLiveLayer(layer) || !next) return kBadParameterErr;
  const auto& layers = layer->doc->d.layers;
  auto it = std::find(layers.begin(), layers.end(), layer);
  *next = (it == layers.end() || it + 1 == layers.end()) ? nullptr : *(it + 1);
  return kNoErr;
}

}  // namespace

const AIDocumentSuite kDocumentSuite = {GetDocument, RedrawDocument};
const AIDocumentViewSuite kDocumentViewSuite = {
    CountDocumentViews,    GetNthDocumentView,      GetDocumentViewZoom,    SetDocumentViewZoom,
    GetDocumentViewCenter, ArtworkPointToViewPoint, ViewPointToArtworkPoint};
const AILayerSuite kLayerSuite = {
    CountLayers,     GetNthLayer,      GetLayerByTitle,  GetLayerTitle,      SetLayerTitle,   GetLayerVisible,
    SetLayerVisible, GetLayerEditable, SetLayerEditable, GetCurrentLayer,    SetCurrentLayer, InsertLayer,
    DeleteLayer,     GetLayerColor,    SetLayerColor,    GetFirstArtOfLayer, GetNextLayer};
