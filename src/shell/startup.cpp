#include <cstdlib>
#include <cstring>

#include "common/module_instance.h"
#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "geometry/bezier_tables.h"
#include "resources/module_resources.h"
#include "shell/deferred_command_runner.h"
#include "shell/plugin_lifecycle.h"
#include "shell/registrations.h"
#include "store/preferences_file.h"
#include "store/preset_table.h"
#include "store/text_fields.h"
#include "text/layer_title.h"
#include "win_api.h"

namespace {

constexpr int32_t kPluginOptionBit = 2;
constexpr double kDefaultGridStep = 14.17323;  // 5 mm

const SizeTableRow kDefaultSizeTable[4] = {
    {90.5, 380, 780, 660, 540, 550, 452, 216, 54},
    {95.2, 400, 820, 700, 570, 580, 476, 228, 57},
    {100, 420, 860, 740, 600, 610, 500, 240, 60},
    {104.8, 440, 900, 780, 630, 640, 524, 252, 63},
};

void ClearTrackingRecord(TrackingState& t) {
  std::memset(&t, 0, sizeof t);
  for (int i = 0; i < kHitRecords; ++i) {
    t.firstHits[i] = {nullptr, kNoSegment};
    t.secondHits[i] = {nullptr, kNoSegment};
  }
}

bool AllocateVariableTable(VariableTable& v) {
  v.varValues = static_cast<char(*)[kVarValueSize]>(std::calloc(kMaxVariables, kVarValueSize));
  v.varNames = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  v.varTitles = static_cast<char(*)[kVarNameSize]>(std::calloc(kMaxVariables, kVarNameSize));
  v.varPrivate = static_cast<uint32_t*>(std::calloc(kMaxVariables, sizeof(uint32_t)));
  return v.varValues != nullptr && v.varNames != nullptr && v.varTitles != nullptr && v.varPrivate != nullptr;
}

}  // namespace

void FreeVariableTable(VariableTable& v) {
  std::free(v.varValues);
  std::free(v.varNames);
  std::free(v.varTitles);
  std::free(v.varPrivate);
  v = VariableTable{};
}

void InitPresetRecord(PresetRecord* record, const char* name, int32_t scaleIndex, int16_t enabled,
                      int16_t empty, int16_t output) {
  CopyTextCutValidTrail(record->name, sizeof record->name, name);
  record->scaleIndex = scaleIndex;
  record->enabled = enabled;
  record->empty = empty;
  record->output = output;
}

// Every default of the record, in record order. The variable tables are
// allocated by the caller.
void SetStartupDefaults(PluginRef pluginRef) {
  PluginGlobals& g = *gPlugin;
  for (ToolHandle& tool : g.toolHandles) tool = nullptr;
  g.toolMode = 0;
  g.snapKind = 0;
  g.pluginRef = pluginRef;
  ClearTrackingRecord(g.tracking);
  ClearTrackingRecord(g.trackingPrev);
  g.flUseGrid = 0;
  g.flUseFcur = 1;
  g.flUseFcrs = 1;
  g.flUseFops = 1;
  g.flUseFrad = 1;
  g.flUseFdis = 0;
  g.flUseFlng = 0;
  g.flUseFcnt = 0;
  g.flGrWidth = g.flGrHeight = g.flGrDistance = kDefaultGridStep;
  g.simpleDrag = SimpleGradingDragState{};
  g.mouseDown = MouseDownRecord{};
  g.basicAtCallback = nullptr;
  g.timerBusy = 0;
  g.aboutMenuItem = nullptr;
  g.notifierAppStarted = g.notifierDocChanged = nullptr;
  g.infPanel = g.varPanel = nullptr;
  g.infFlyout = g.varFlyout = nullptr;
  g.varPanelState = PanelWindowState{};
  g.infPanelState = PanelWindowState{};
  g.themeBackground = g.themeText = ThemeColor{};
  g.infMenuItem = g.varMenuItem = nullptr;
  g.pollTimer = nullptr;
  g.infLayout = g.varLayout = LayoutRect{};
  g.currentView = nullptr;
  g.selectionSignature = SelectionSignature{};
  g.deferredCommand = DeferredCommand{};
  g.grading_title[0] = '\0';
  g.presetFileName[0] = '\0';
  for (PresetRecord& preset : g.presets) {
    preset = PresetRecord{};
    preset.empty = 1;
  }
  g.grading_selected = 0;
  g.handlesLocked = 0;
  g.grading_origin = {0, 0};
  for (ScalePair& scale : g.presetScale) scale = {1.2, 1.2};
  for (int i = 0; i < kMaxPresets; ++i) g.groupPresetScale[i] = g.presetScale[i];
  g.grading_angle = 0;
  g.grading_length = 0;
  g.grading_compscale = 1.0;
  std::memset(g.handles, 0, sizeof g.handles);
  g.grading_hvlock = 1;
  g.grading_unit = 0;
  g.unitPerPoint = 0.35277777777777775;
  CopyTextCutValidTrail(g.unitName, sizeof g.unitName, "mm");
  g.grading_serial = 0;
  g.currentScaleIndex = 0;
  g.currentPresetSlot = 0;
  g.simpleGrading = SimpleGradingSettings{50, 100, 63, 0, 50, 100, 63, 0, 33, 33, 15, 100, 0, 2, 0, 0};
  std::memset(g.sizeTable, 0, sizeof g.sizeTable);
  std::memcpy(g.sizeTable, kDefaultSizeTable, sizeof kDefaultSizeTable);
  g.sizeTableName[0] = '\0';
  g.selectionBounds = RealRect{};
  g.lastZoom = 1.0;
  g.pieceArts = nullptr;
  g.pieceArtCount = 0;
  g.previewArts = nullptr;
  g.previewArtCount = 0;
  g.previewLayer = nullptr;
  CopyTextCutValidTrail(g.previewLayerName, sizeof g.previewLayerName, kVestamarkPreviewLayer);
  g.editPreviewLayer = nullptr;
  CopyTextCutValidTrail(g.sampleLayerName, sizeof g.sampleLayerName, kVestamarkSampleLayer);
  g.updateGrading = UpdateGradingSettings{1, 0, 1, 1, 1, {}};
  CopyTextCutValidTrail(g.updateGrading.renewal_out_lname, sizeof g.updateGrading.renewal_out_lname,
              "<< MORAVINE_GRADING >>");
  g.listDrag = ListDragState{};
  g.scriptError = ScriptErrorState{};
  g.varTitlesValid = 0;
  g.envDistance = g.envLength = g.envRadius = 0;
  g.envHandleSlot = 0;
  g.language = 0;
  CopyTextCutValidTrail(g.productName, sizeof g.productName, "Vestamark");
  g.panelHint = PanelHintState{};
  g.cursorHint = CursorHintState{};
  g.dragListMessage = -1;
  g.dragDelta = {0, 0};
}

HostErr OnStartup(SPMessageData* message) {
  void* block = nullptr;
  HostErr error = message->basic->AllocateBlock(sizeof(PluginGlobals), &block);
  gPlugin = error == kNoErr ? static_cast<PluginGlobals*>(block) : nullptr;
  message->globals = gPlugin;
  if (gPlugin == nullptr) return error != kNoErr ? error : kOutOfMemoryErr;
  // Shut-down must be able to tell a record whose start-up stopped early.
  std::memset(gPlugin, 0, sizeof(PluginGlobals));
  return StartupPlugin(message);
}

HostErr StartupPlugin(SPMessageData* message) {
  int32_t options = 0;
  HostErr error = sAIPlugin->GetPluginOptions(message->self, &options);
  if (error != kNoErr) return error;
  error = sAIPlugin->SetPluginOptions(message->self, options | kPluginOptionBit);
  if (error != kNoErr) return error;

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterPluginResources(ModuleInstance(message->access));

  SetStartupDefaults(message->self);
  if (!AllocateVariableTable(gPlugin->variables)) {
    FreeVariableTable(gPlugin->variables);
    return kOutOfMemoryErr;
  }

  BuildBezierWeightTables();
  ReleaseHeldTextFiles();
  ReadPreferencesIni(nullptr);
  gPlugin->defaultsSet = 1;

  sAIRandom->SetRandomSeed(GetTickCount());

  CopyTextCutValidTrail(gPlugin->previewLayerName, sizeof gPlugin->previewLayerName, kVestamarkPreviewLayer);
  CopyTextCutValidTrail(gPlugin->sampleLayerName, sizeof gPlugin->sampleLayerName, kVestamarkSampleLayer);

  if (gPlugin->presets[0].empty != 0) {
    InitPresetRecord(&gPlugin->presets[0], "S", 0, 1, 0, 1);
    InitPresetRecord(&gPlugin->presets[1], "M", 1, 1, 0, 1);
    InitPresetRecord(&gPlugin->presets[2], "L", 2, 1, 0, 1);
    InitPresetRecord(&gPlugin->presets[3], "LL", 3, 1, 0, 1);
  }
  ReseatCurrentPreset();

  error = AddTools(message);
  if (error == kNoErr) error = RegisterNotifiers(message);
  if (error == kNoErr) error = AddMenus(message);
  if (error == kNoErr) error = AddPollTimer(message);
  if (error == kNoErr) error = RegisterInternalAction(message);
  return error;
}
