#include "support/tool_gestures.h"

#include "common/suite_pointers.h"
#include "host/host_driver.h"

namespace vmtest {

void DragTool(RealPoint from, RealPoint to, uint32_t modifiers) {
  vmhost::TrackCursor(from, modifiers);
  vmhost::MouseDown(from, modifiers);
  vmhost::MouseDrag(to, modifiers);
  vmhost::MouseUp(to, modifiers);
}

ArtHandle CurrentLayerGroup() {
  LayerHandle layer = nullptr;
  ArtHandle group = nullptr;
  sAILayer->GetCurrentLayer(&layer);
  sAILayer->GetFirstArtOfLayer(layer, &group);
  return group;
}

}  // namespace vmtest
