// The preview layer looks the same whichever command makes it: titled as the
// module's, cyan in the layers list, above every layer of the user.
#include "engine/update_grading_scene.h"

namespace vmtest {
namespace {

using ModuleLayers = UpdateGradingScene;

std::vector<int> Colour(LayerHandle layer) {
  return {layer->d.color.red, layer->d.color.green, layer->d.color.blue};
}

TEST_F(ModuleLayers, ThePreviewLayerMadeForTheUpdateDialogIsLikeTheOneTheToolMakes) {
  LayerHandle made = vmhost::FindLayer(kPreview);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(Colour(made), (std::vector<int>{0, 65535, 65535}));
  InModuleCall([&] { sAILayer->DeleteLayer(made); });

  LayerHandle remade = nullptr;
  ShowDialog({Look([&](HWND) { remade = vmhost::FindLayer(kPreview); }), vmwin::PressEscape()});
  ASSERT_NE(remade, nullptr);
  EXPECT_EQ(doc->d.layers.front(), remade);
  EXPECT_EQ(Colour(remade), (std::vector<int>{0, 65535, 65535}));
}

}  // namespace
}  // namespace vmtest
