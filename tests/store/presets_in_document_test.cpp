// The preset table kept in a document and the preset configuration saved
// beside each grading group.
#include "store/presets_in_document.h"

#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store_scene.h"

namespace vmtest {
namespace {

class PresetsInDocumentTest : public StoreScene {
 protected:
  void SetPresets(int count) {
    for (int slot = 0; slot < kMaxPresets; ++slot) {
      PresetRecord& p = globals().presets[slot];
      memset(&p, 0, sizeof p);
      p.empty = slot >= count;
      if (p.empty) continue;
      snprintf(p.name, sizeof p.name, "Size \"%d\"", slot);
      p.scaleIndex = 98 - slot;
      p.enabled = slot % 2;
      p.output = 1;
      globals().presetScale[p.scaleIndex] = {1 + slot / 4.0, 0.5 + slot / 8.0};
    }
  }
  PresetRecord savedPresets[kMaxPresets];
  ScalePair savedScales[kMaxPresets];
  void Keep() {
    memcpy(savedPresets, globals().presets, sizeof savedPresets);
    memcpy(savedScales, globals().presetScale, sizeof savedScales);
  }
  void ExpectKept(int count) {
    for (int slot = 0; slot < kMaxPresets; ++slot) {
      const PresetRecord& p = globals().presets[slot];
      EXPECT_EQ(p.empty, savedPresets[slot].empty) << slot;
      if (slot >= count) continue;
      EXPECT_STREQ(p.name, savedPresets[slot].name);
      EXPECT_EQ(p.scaleIndex, savedPresets[slot].scaleIndex);
      EXPECT_EQ(p.enabled, savedPresets[slot].enabled);
      EXPECT_EQ(p.output, savedPresets[slot].output);
      EXPECT_EQ(globals().presetScale[p.scaleIndex].h, savedScales[p.scaleIndex].h);
      EXPECT_EQ(globals().presetScale[p.scaleIndex].v, savedScales[p.scaleIndex].v);
    }
  }
};

TEST_F(PresetsInDocumentTest, PresetsGoOnTheFirstUsableLayerAndComeBack) {
  LayerHandle ordinary = nullptr;
  sAILayer->GetCurrentLayer(&ordinary);
  LayerHandle hidden = vmhost::AddLayer("Hidden");
  sAILayer->SetLayerVisible(hidden, 0);
  vmhost::AddLayer("<<Moravine Preview>>");
  sAILayer->SetLayerEditable(vmhost::AddLayer("Locked"), 0);
  LayerHandle lower = vmhost::AddLayer("Lower", false);  // usable too, but after the first
  SetPresets(3);
  Keep();
  SavePresetsToDocument();
  EXPECT_EQ(vmhost::Tag(LayerGroup(ordinary), "grading_preset_01"), "\"Size \"\"0\"\"\",1,0.5,1,98,0,0\r\n");
  EXPECT_FALSE(vmhost::Tag(LayerGroup(ordinary), "grading_preset_03").empty());
  EXPECT_EQ(vmhost::Tag(LayerGroup(ordinary), "grading_preset_04"), "");
  EXPECT_TRUE(vmhost::Tags(LayerGroup(hidden)).empty());
  EXPECT_TRUE(vmhost::Tags(LayerGroup(lower)).empty());

  WriteStringTag(LayerGroup(lower), "grading_preset_01", "\"Low\",1,1,1,5,1,0\r\n");  // read only when first
  strcpy(globals().presetFileName, "Custom-1");
  SetPresets(7);
  LoadPresetsFromDocument();
  ExpectKept(3);
  EXPECT_STREQ(globals().presetFileName, "");

  // Saving two presets replaces the three.
  SetPresets(2);
  SavePresetsToDocument();
  EXPECT_EQ(vmhost::Tag(LayerGroup(ordinary), "grading_preset_03"), "");
}

TEST_F(PresetsInDocumentTest, DocumentsWithoutPresetsOrWithBadRecordsChangeNothingElse) {
  SetPresets(5);
  Keep();
  LoadPresetsFromDocument();
  ExpectKept(5);
  WriteStringTag(LayerGroup(), "grading_preset_01", "\"A\",1.5,1.5,1,3,1,0\r\n");
  WriteStringTag(LayerGroup(), "grading_preset_02", "\"Bad\",9,9,1,99,1,0\r\n");
  WriteStringTag(LayerGroup(), "grading_preset_03", "\"Neg\",9,9,1,-1,1,0\r\n");
  WriteStringTag(LayerGroup(), "grading_preset_04", ("\"" + std::string(300, 'C')).c_str());
  // '=' separates as ',' does; a field after the name keeps 31 characters.
  WriteStringTag(LayerGroup(), "grading_preset_05", ("\"E\"=2=2," + std::string(31, '0') + "1,4,1,0\r\n").c_str());
  LoadPresetsFromDocument();
  EXPECT_STREQ(globals().presets[0].name, "A");
  EXPECT_EQ(globals().presetScale[3].h, 1.5);
  EXPECT_EQ(strlen(globals().presets[1].name), 80u);  // the long record takes the next slot
  EXPECT_STREQ(globals().presets[2].name, "E");
  EXPECT_EQ(globals().presets[2].output, 0);
  EXPECT_EQ(globals().presetScale[4].v, 2);
  EXPECT_EQ(globals().presets[3].empty, 1);
}

TEST_F(PresetsInDocumentTest, SwitchingToADocumentTakesItsPresets) {
  WriteStringTag(LayerGroup(), "grading_preset_01", "\"XS\",1.1,1.1,1,0,1,0\r\n");
  ASSERT_EQ(vmhost::NotifyDocumentChanged(), kNoErr);
  EXPECT_STREQ(globals().presets[0].name, "XS");
  EXPECT_EQ(globals().presets[1].empty, 1);
}

TEST_F(PresetsInDocumentTest, ConfigurationRoundTripsAndAvoidsTheSimulateLayer) {
  LayerHandle first = nullptr;
  sAILayer->GetCurrentLayer(&first);
  LayerHandle second = vmhost::AddLayer("Second", false);
  WriteStringTag(LayerGroup(second), "vmk_grading_prconf_path", "");
  WriteStringTag(LayerGroup(second), "vmk_grading_prconf_01", "\"stale\",1,1,0,0,1,0");
  EXPECT_EQ(LoadPresetConfig(), 1);  // saved while no preset file was chosen
  EXPECT_STREQ(globals().presets[0].name, "stale");

  LayerHandle simulate = vmhost::AddLayer("<<Vestamark Simulate>>");
  sAILayer->SetCurrentLayer(simulate);
  strcpy(globals().presetFileName, "Custom-1");
  SetPresets(4);
  Keep();
  SavePresetConfig();
  EXPECT_TRUE(vmhost::Tags(LayerGroup(simulate)).empty());
  EXPECT_EQ(vmhost::Tag(LayerGroup(first), "vmk_grading_prconf_path"), "Custom-1");
  EXPECT_TRUE(vmhost::Tags(LayerGroup(second)).empty());
  sAILayer->DeleteLayer(simulate);
  LayerHandle sample = vmhost::AddLayer("<<Vestamark Sample>>");
  sAILayer->SetCurrentLayer(sample);
  SavePresetConfig();
  EXPECT_TRUE(vmhost::Tags(LayerGroup(sample)).empty());
  sAILayer->DeleteLayer(sample);

  SetPresets(10);
  globals().presetFileName[0] = '\0';
  EXPECT_EQ(LoadPresetConfig(), 1);
  ExpectKept(4);
  EXPECT_STREQ(globals().presetFileName, "Custom-1");
}

}  // namespace
}  // namespace vmtest
