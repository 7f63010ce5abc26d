// PluginGlobals: the one record of all lasting plug-in state, and the records
// it is made of. Every subsystem reaches it through gPlugin.
#pragma once

#include <cstdint>

#include "common/grading_records.h"
#include "host_suites.h"
#include "host_types.h"

struct HWND__;
struct HBRUSH__;
struct HFONT__;
struct HICON__;
struct HDC__;
struct HBITMAP__;
using WindowProcPtr = intptr_t (*)(HWND__*, uint32_t, uintptr_t, intptr_t);

constexpr int kToolSlots = 20;
constexpr int kSizeTableRows = 10;
constexpr int kHitRecords = 5;
constexpr uint16_t kNoSegment = 0xFFFF;
constexpr double kNoAngle = 32000.0;

// One snap hit: the path and the segment (end anchor) index.
struct SnapHit {
  ArtHandle art;  // null = none
  uint16_t segment;
};

struct TrackedPoint {
  RealPoint point;
  int16_t snapKind;
  double angle;
};

struct TrackingState {
  int16_t dragging;
  RealPoint cursor;
  int16_t modifiers;
  RealPoint lastCursor;
  TrackedPoint first;
  TrackedPoint second;
  uint32_t hitSlot;
  int16_t hitCode;
  SnapHit firstHits[kHitRecords];
  SnapHit secondHits[kHitRecords];
};

struct SimpleGradingDragState {
  RealRect block;
  RealPoint objectPoint;
  RealPoint divider1;
  RealPoint divider2;
};

struct MouseDownRecord {
  uint32_t pressState;  // cleared on every mouse down
  int16_t doubleClick;
  RealPoint point;
};

struct BezierWeightTables {
  double weightA32[33];
  double weightB32[33];
  double weightA64[65];
  double weightB64[65];
};

struct PanelWindowState {
  WindowProcPtr savedWndProc;
  HBRUSH__* backgroundBrush;
  HFONT__* font;
  int16_t darkTheme;
  HICON__* icons[10];
  HICON__* disabledIcons[10];
};

struct LayoutRect {
  int32_t left, top, right, bottom;
};

struct SelectionSignature {
  ArtHandle firstPath;
  int32_t pathCount;
  int32_t segmentCount;
};

// Owner-draw record of a list row, copied whole into a deferred command.
struct OwnerDrawRecord {
  uint32_t ctlType;
  uint32_t ctlId;
  uint32_t itemId;
  uint32_t itemAction;
  uint32_t itemState;
  HWND__* hwndItem;
  HDC__* hdc;
  LayoutRect rcItem;
  uintptr_t itemData;
};

struct DeferredCommand {
  uint32_t code;  // 0 none, else 1001..1005
  uint16_t arg1;
  uint16_t arg2;
  OwnerDrawRecord drawItem;
};

struct SimpleGradingSettings {
  double grading_front_body_width;
  double grading_front_body_height;
  double grading_front_bust_position;
  int16_t grading_front_rotation;
  double grading_back_body_width;
  double grading_back_body_height;
  double grading_back_bust_position;
  int16_t grading_back_rotation;
  double grading_sleeve_front_body_width;
  double grading_sleeve_back_body_width;
  double grading_sleeve_cap_height;
  double grading_sleeve_depth;
  int16_t grading_sleeve_rotation;
  int16_t grading_basic_size;
  int16_t grading_measure_type;
  double measureLength;
};

struct SizeTableRow {
  double pitch;
  double collarWidth;
  double sleeveLength;
  double dressLength;
  double bustGirth;
  double sleeveDepth;
  double shoulderWidth;
  double cuffsWidth;
  double cuffsHeight;
};

struct UpdateGradingSettings {
  int16_t renewal_leave;
  int16_t renewal_mode;
  int16_t renewal_preview;
  int16_t renewal_out_layer;
  int16_t renewal_out_preset;
  char renewal_out_lname[kNameSize];
};

// Screen pixels.
struct ScreenPoint {
  int32_t x, y;
};

struct ListDragState {
  ScreenPoint lastCursor;  // at the last tick with the left button up
  int16_t dragging;
  int16_t dragItem;
  LayoutRect infRect;
  int16_t infActive;
  LayoutRect varRect;
  int16_t varActive;
  uint32_t reserved1;
  uint32_t reserved2;
};

struct ScriptErrorState {
  int32_t code;  // 0 none, -1 .. -4
  char token[32];
  int16_t silent;
};

struct PanelHintState {
  char hintText[80];
  ScreenPoint hintPoint;  // where the hint was last shown
};

struct CursorHintState {
  HDC__* memoryDC;
  HBITMAP__* bitmap;
  HBITMAP__* oldBitmap;
  uint32_t width;
  uint32_t height;
  uint32_t shown;
  LayoutRect rect;
};

struct PluginGlobals {
  ToolHandle toolHandles[kToolSlots];
  int16_t toolMode;
  int16_t snapKind;
  PluginRef pluginRef;
  TrackingState tracking;
  TrackingState trackingPrev;
  int16_t flUseGrid, flUseFcur, flUseFcrs, flUseFops, flUseFrad, flUseFdis, flUseFlng, flUseFcnt;
  double flGrWidth, flGrHeight, flGrDistance;
  SimpleGradingDragState simpleDrag;
  MouseDownRecord mouseDown;
  BezierWeightTables bezier;
  SPBasicSuite* basicAtCallback;
  int16_t timerBusy;
  MenuItemHandle aboutMenuItem;
  NotifierHandle notifierAppStarted;
  NotifierHandle notifierDocChanged;
  PanelHandle infPanel;
  FlyoutMenuHandle infFlyout;
  PanelHandle varPanel;
  FlyoutMenuHandle varFlyout;
  PanelWindowState varPanelState;  // the Variable panel's comes first
  PanelWindowState infPanelState;
  ThemeColor themeBackground;
  ThemeColor themeText;
  MenuItemHandle infMenuItem;
  MenuItemHandle varMenuItem;
  TimerHandle pollTimer;
  LayoutRect infLayout;
  LayoutRect varLayout;
  DocViewHandle currentView;
  SelectionSignature selectionSignature;
  DeferredCommand deferredCommand;
  char grading_title[kNameSize];
  char presetFileName[kNameSize];
  PresetRecord presets[kMaxPresets];
  ScalePair groupPresetScale[kMaxPresets];
  int16_t grading_selected;
  int16_t handlesLocked;
  RealPoint grading_origin;
  ScalePair presetScale[kMaxPresets];
  double grading_angle;
  double grading_length;
  double grading_compscale;
  RevisionHandle handles[kMaxHandles];
  int16_t grading_hvlock;
  int16_t grading_unit;
  double unitPerPoint;
  char unitName[32];
  uint32_t grading_serial;
  int16_t currentScaleIndex;
  int16_t currentPresetSlot;
  SimpleGradingSettings simpleGrading;
  SizeTableRow sizeTable[kSizeTableRows];
  char sizeTableName[256];
  RealRect selectionBounds;
  double lastZoom;
  ArtHandle* pieceArts;
  int32_t pieceArtCount;
  ArtHandle* previewArts;
  int32_t previewArtCount;
  LayerHandle previewLayer;
  char previewLayerName[kNameSize];
  LayerHandle editPreviewLayer;
  char sampleLayerName[kNameSize];
  UpdateGradingSettings updateGrading;
  ListDragState listDrag;
  VariableTable variables;
  ScriptErrorState scriptError;
  int16_t varTitlesValid;
  double envDistance;
  double envLength;
  double envRadius;
  uint32_t envHandleSlot;
  int16_t language;  // 0 Japanese, 1 English, 2 Korean
  char productName[32];
  PanelHintState panelHint;
  CursorHintState cursorHint;
  int32_t dragListMessage;
  RealPoint dragDelta;
  // Set once start-up has filled every default; shut-down writes the
  // preferences only then, so a failed start-up never overwrites them.
  int16_t defaultsSet;
  // Handles the loaded piece stores beyond the table's 200, which it cannot
  // hold, and the serial of the piece last told about them.
  int32_t handlesLeftOut;
  uint32_t handlesLeftOutToldSerial;
};

// The module's pointer to the record (null before start-up and after shut-down).
extern PluginGlobals* gPlugin;
