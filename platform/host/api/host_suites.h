// The host's suites: tables of functions the module acquires by name and
// version through the basic suite. Every function returns a HostErr (0 = done).
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

struct HWND__;
struct HINSTANCE__;

// ---- basic suite and access ----------------------------------------------

struct SPBasicSuite {
  HostErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
  HostErr (*ReleaseSuite)(const char* name, int32_t version);
  int32_t (*IsEqual)(const char* a, const char* b);  // non-zero when equal
  HostErr (*AllocateBlock)(size_t size, void** block);
  HostErr (*FreeBlock)(void* block);
  HostErr (*ReallocateBlock)(void* block, size_t newSize, void** newBlock);
};

struct SPAccessSuite {
  // The module instance used for resources (dialogs, icons, cursors, strings).
  HostErr (*GetAccessInfo)(AccessRef access, HINSTANCE__** instance);
};

struct SPBlocksSuite {
  HostErr (*AllocateBlock)(size_t size, void** block);
  HostErr (*FreeBlock)(void* block);
};

// ---- plug-in, notifier, timer, menu, tool ----------------------------------

struct AIPluginSuite {
  HostErr (*GetPluginOptions)(PluginRef plugin, int32_t* options);
  HostErr (*SetPluginOptions)(PluginRef plugin, int32_t options);
  HostErr (*GetPluginName)(PluginRef plugin, const char** name);
  // The plug-in's access record, through which its module instance is found.
  HostErr (*GetPluginAccess)(PluginRef plugin, AccessRef* access);
};

constexpr const char* kAppStartedNotifier = "AI Application Started Notifier";
constexpr const char* kDocumentChangedNotifier = "AI Document Changed Notifier";

struct AINotifierSuite {
  HostErr (*AddNotifier)(PluginRef plugin, const char* name, const char* type, NotifierHandle* notifier);
  // Sends a notification of any type; private types carry no data.
  HostErr (*Notify)(const char* type, void* data);
};

struct AITimerSuite {
  HostErr (*AddTimer)(PluginRef plugin, const char* name, int32_t periodTicks, TimerHandle* timer);
};

constexpr const char* kToolPalettesMenuGroup = "Tool Palettes";
constexpr const char* kAboutMenuGroup = "About";

struct AIMenuSuite {
  HostErr (*AddMenuItem)(PluginRef plugin, const char* name, const char* group, UnicodeStringHandle text,
                         int32_t options, MenuItemHandle* item);
  HostErr (*AddMenuGroupAsSubMenu)(const char* name, int32_t options, MenuItemHandle item,
                                   MenuGroupHandle* group);
  HostErr (*CountMenuGroups)(int32_t* count);
  HostErr (*GetNthMenuGroup)(int32_t n, MenuGroupHandle* group);
  HostErr (*GetMenuGroupName)(MenuGroupHandle group, const char** name);
  HostErr (*CheckItem)(MenuItemHandle item, int32_t checked);
  HostErr (*IsItemChecked)(MenuItemHandle item, int32_t* checked);
};

struct ToolData {
  const char* title;
  const char* tooltip;
  int32_t iconId;
  int32_t darkIconId;
  int32_t sameGroupAs;    // tool number, or kNoTool
  int32_t sameToolsetAs;  // tool number, or kNoTool
};
constexpr int32_t kNoTool = -2;

struct AIToolSuite {
  HostErr (*AddTool)(PluginRef plugin, const char* name, const ToolData* data, int32_t options, ToolHandle* tool);
  HostErr (*GetToolNumberFromName)(const char* name, int32_t* number);
  HostErr (*GetToolName)(ToolHandle tool, const char** name);
  HostErr (*GetToolTitle)(ToolHandle tool, const char** title);
  HostErr (*GetSelectedTool)(ToolHandle* tool);  // null when a host tool is selected
  HostErr (*SetSelectedTool)(ToolHandle tool);
};

// ---- actions, undo, random, context, user ----------------------------------

struct AIActionManagerSuite {
  HostErr (*NewActionParamType)(ActionParamsHandle* params);
  HostErr (*DeleteActionParamType)(ActionParamsHandle params);
  HostErr (*RegisterActionEvent)(const char* name, const char* localizedName, int32_t version, int32_t flags,
                                 PluginRef plugin, ActionParamsHandle params);
  // Plays the event at once: the host calls the owning module with
  // "Action Manager" / "Do Action" before this returns.
  HostErr (*PlayActionEvent)(const char* name, int32_t dialogState, ActionParamsHandle params);
};

struct AIUndoSuite {
  HostErr (*SetUndoTextUS)(UnicodeStringHandle undoText, UnicodeStringHandle redoText);
  HostErr (*SetSilent)(int32_t silent);
  // Reverts every change made since the current host call began.
  HostErr (*UndoChanges)();
};

struct AIRandomSuite {
  HostErr (*SetRandomSeed)(int32_t seed);
  double (*FloatRnd)();  // a fraction in [0, 1)
};

struct AIContextSuite {
  HostErr (*GetPlatformAppWindow)(HWND__** window);
};

struct AIUserSuite {
  HostErr (*MessageAlert)(UnicodeStringHandle text);
  // Returns 1 for OK / yes, 0 for cancel / no.
  HostErr (*OKCancelAlert)(UnicodeStringHandle text, int32_t okIsDefault, int32_t* result);
  HostErr (*YesNoAlert)(UnicodeStringHandle text, int32_t* result);
  // The host's save dialog; path receives a file-system path (UTF-8).
  HostErr (*PutFileDialog)(UnicodeStringHandle title, const char* filter, UnicodeStringHandle defaultName,
                           char* path, size_t pathSize);
};

struct AIFilePathSuite {
  HostErr (*NewFilePath)(const char* platformPath, FilePathHandle* path);
  HostErr (*GetPlatformPath)(FilePathHandle path, char* out, size_t outSize);
  HostErr (*DisposeFilePath)(FilePathHandle path);
};

// Host strings. Code page 932 bytes or UTF-16 in, either out.
struct AIUnicodeStringSuite {
  HostErr (*NewFromCodePage)(const char* text, int32_t codePage, UnicodeStringHandle* str);
  HostErr (*NewFromUtf16)(const uint16_t* text, int32_t length, UnicodeStringHandle* str);
  HostErr (*GetCodePageText)(UnicodeStringHandle str, int32_t codePage, char* out, size_t outSize);
  HostErr (*GetUtf16)(UnicodeStringHandle str, const uint16_t** text, int32_t* length);
  HostErr (*Dispose)(UnicodeStringHandle str);
};

// ---- documents, views, layers, art ----------------------------------------

struct AIDocumentSuite {
  HostErr (*GetDocument)(DocumentHandle* document);  // the current document
  HostErr (*RedrawDocument)();
};

struct AIDocumentViewSuite {
  HostErr (*CountDocumentViews)(int32_t* count);
  HostErr (*GetNthDocumentView)(int32_t n, DocViewHandle* view);  // kNoDocumentErr without a document
  HostErr (*GetDocumentViewZoom)(DocViewHandle view, double* zoom);
  HostErr (*SetDocumentViewZoom)(DocViewHandle view, double zoom);
  HostErr (*GetDocumentViewCenter)(DocViewHandle view, RealPoint* center);
  HostErr (*ArtworkPointToViewPoint)(DocViewHandle view, const RealPoint* artwork, int32_t* x, int32_t* y);
  HostErr (*ViewPointToArtworkPoint)(DocViewHandle view, int32_t x, int32_t y, RealPoint* artwork);
};

struct AILayerSuite {
  HostErr (*CountLayers)(int32_t* count);
  HostErr (*GetNthLayer)(int32_t n, LayerHandle* layer);  // 0 is the top layer
  HostErr (*GetLayerByTitle)(LayerHandle* layer, UnicodeStringHandle title);
  HostErr (*GetLayerTitle)(LayerHandle layer, UnicodeStringHandle* title);  // caller disposes
  HostErr (*SetLayerTitle)(LayerHandle layer, UnicodeStringHandle title);
  HostErr (*GetLayerVisible)(LayerHandle layer, int32_t* visible);
  HostErr (*SetLayerVisible)(LayerHandle layer, int32_t visible);
  HostErr (*GetLayerEditable)(LayerHandle layer, int32_t* editable);
  HostErr (*SetLayerEditable)(LayerHandle layer, int32_t editable);
  HostErr (*GetCurrentLayer)(LayerHandle* layer);
  HostErr (*SetCurrentLayer)(LayerHandle layer);
  HostErr (*InsertLayer)(LayerHandle prep, int16_t paintOrder, LayerHandle* layer);  // kPlaceAboveAll, ...
  HostErr (*DeleteLayer)(LayerHandle layer);
  HostErr (*GetLayerColor)(LayerHandle layer, RGBColor16* color);
  HostErr (*SetLayerColor)(LayerHandle layer, RGBColor16 color);
  HostErr (*GetFirstArtOfLayer)(LayerHandle layer, ArtHandle* group);  // the layer group
  HostErr (*GetNextLayer)(LayerHandle layer, LayerHandle* next);        // null after the last
};

struct AIArtSuite {
  HostErr (*NewArt)(int16_t type, int16_t paintOrder, ArtHandle prep, ArtHandle* art);
  HostErr (*DisposeArt)(ArtHandle art);
  HostErr (*DuplicateArt)(ArtHandle art, int16_t paintOrder, ArtHandle prep, ArtHandle* copy);
  HostErr (*ReorderArt)(ArtHandle art, int16_t paintOrder, ArtHandle prep);
  HostErr (*GetArtType)(ArtHandle art, int16_t* type);
  HostErr (*GetArtParent)(ArtHandle art, ArtHandle* parent);
  HostErr (*GetArtFirstChild)(ArtHandle art, ArtHandle* child);
  HostErr (*GetArtSibling)(ArtHandle art, ArtHandle* sibling);
  HostErr (*GetArtPriorSibling)(ArtHandle art, ArtHandle* sibling);
  HostErr (*GetArtUserAttr)(ArtHandle art, uint32_t mask, uint32_t* attr);
  HostErr (*SetArtUserAttr)(ArtHandle art, uint32_t mask, uint32_t attr);
  HostErr (*GetArtBounds)(ArtHandle art, RealRect* bounds);
  HostErr (*GetArtControlBounds)(ArtHandle art, RealRect* bounds);
  HostErr (*GetLayerOfArt)(ArtHandle art, LayerHandle* layer);
  HostErr (*ValidArt)(ArtHandle art, int32_t* valid);
  HostErr (*SelectAllArtOnLayer)(LayerHandle layer);
  HostErr (*DeselectAllArtOnLayer)(LayerHandle layer);
  HostErr (*DeselectAll)();
};

struct AIGroupSuite {
  HostErr (*GetGroupClipped)(ArtHandle group, int32_t* clipped);
  HostErr (*SetGroupClipped)(ArtHandle group, int32_t clipped);
};

struct AIPathSuite {
  HostErr (*GetPathSegmentCount)(ArtHandle path, int16_t* count);
  HostErr (*SetPathSegmentCount)(ArtHandle path, int16_t count);
  HostErr (*GetPathSegments)(ArtHandle path, int16_t index, int16_t count, PathSegment* segments);
  HostErr (*SetPathSegments)(ArtHandle path, int16_t index, int16_t count, const PathSegment* segments);
  HostErr (*GetPathClosed)(ArtHandle path, int32_t* closed);
  HostErr (*SetPathClosed)(ArtHandle path, int32_t closed);
  HostErr (*GetPathSegmentSelected)(ArtHandle path, int16_t index, int16_t* selected);
  HostErr (*SetPathSegmentSelected)(ArtHandle path, int16_t index, int16_t selected);
};

struct AIPathStyleSuite {
  HostErr (*GetPathStyle)(ArtHandle art, PathStyle* style);
  HostErr (*SetPathStyle)(ArtHandle art, const PathStyle* style);
};

struct AIMatchingArtSuite {
  // A heap block of selected art handles; free with FreeMatchingArt.
  HostErr (*GetSelectedArt)(ArtHandle** arts, int32_t* count);
  HostErr (*FreeMatchingArt)(ArtHandle* arts);
};

struct AITransformArtSuite {
  HostErr (*TransformArt)(ArtHandle art, const RealMatrix* matrix, double lineScale, int32_t flags);
};
constexpr int32_t kTransformObjects = 0x1;

struct AITagSuite {
  HostErr (*SetTag)(ArtHandle art, const char* name, const char* value);
  HostErr (*GetTag)(ArtHandle art, const char* name, const char** value);  // kNotFoundErr when missing
  HostErr (*HasTag)(ArtHandle art, const char* name, int32_t* has);
  HostErr (*RemoveTag)(ArtHandle art, const char* name);
  HostErr (*CountTags)(ArtHandle art, int32_t* count);
  HostErr (*GetNthTag)(ArtHandle art, int32_t n, const char** name, const char** type);
};

struct AIRealMathSuite {
  int32_t (*EqualPoints)(const RealPoint* a, const RealPoint* b);
  double (*PointAngle)(const RealPoint* a, const RealPoint* b);  // atan2 of b - a
  void (*UnionRect)(const RealRect* a, const RealRect* b, RealRect* out);
  int32_t (*IntersectRect)(const RealRect* a, const RealRect* b, RealRect* out);
  void (*InsetRect)(RealRect* r, double h, double v);
  int32_t (*EmptyRect)(const RealRect* r);
  int32_t (*PointInRect)(const RealPoint* p, const RealRect* r);
  void (*MatrixSetIdentity)(RealMatrix* m);
  void (*MatrixSetTranslate)(RealMatrix* m, double tx, double ty);
  void (*MatrixSetRotate)(RealMatrix* m, double angle);
  void (*MatrixSetScale)(RealMatrix* m, double h, double v);
  void (*MatrixConcatTranslate)(RealMatrix* m, double tx, double ty);  // m := m then translate
  void (*MatrixConcatRotate)(RealMatrix* m, double angle);
  void (*MatrixConcatScale)(RealMatrix* m, double h, double v);
  void (*MatrixConcat)(const RealMatrix* first, const RealMatrix* then, RealMatrix* out);
  void (*TransformPoint)(const RealMatrix* m, const RealPoint* p, RealPoint* out);
};

// ---- text -----------------------------------------------------------------

constexpr int16_t kHorizontalText = 0;

struct AITextFrameSuite {
  HostErr (*NewPointText)(int16_t paintOrder, ArtHandle prep, int16_t orientation, RealPoint anchor,
                          ArtHandle* art);
  HostErr (*GetTextRange)(ArtHandle art, TextRangeHandle* range);  // release with ReleaseTextRange
};

struct AIFontSuite {
  HostErr (*CountFonts)(int32_t* count);
  HostErr (*IndexFontList)(int32_t n, FontHandle* font);
  HostErr (*GetFontName)(FontHandle font, char* name, int32_t size);
};

enum Justification : int16_t { kJustifyLeft = 0, kJustifyCenter = 1, kJustifyRight = 2 };

// Character and paragraph features and the contents of a text range.
struct CharFeatures {
  FontHandle font;
  double size;
  HostColor fillColor;
  HostColor strokeColor;
  int16_t fill;
  int16_t stroke;
  double horizontalScale;
};

struct ParaFeatures {
  int16_t justification;
  double firstLineIndent;
  double startIndent;
};

struct ATETextRangeSuite {
  HostErr (*InsertAfterUtf16)(TextRangeHandle range, const uint16_t* text, int32_t length);
  HostErr (*GetText)(TextRangeHandle range, const uint16_t** text, int32_t* length);
  HostErr (*SetCharFeatures)(TextRangeHandle range, const CharFeatures* features);
  HostErr (*SetParaFeatures)(TextRangeHandle range, const ParaFeatures* features);
  HostErr (*ReleaseTextRange)(TextRangeHandle range);
};

// ---- panels and theme --------------------------------------------------------

using PanelFlyoutCallback = void (*)(PanelHandle panel, uint32_t itemId);
using PanelSizeCallback = void (*)(PanelHandle panel);

struct AIPanelSuite {
  HostErr (*Create)(PluginRef plugin, const char* id, UnicodeStringHandle title, int16_t stateCount,
                    int32_t minWidth, int32_t minHeight, int32_t resizable, FlyoutMenuHandle flyout,
                    PanelHandle* panel);
  HostErr (*Destroy)(PanelHandle panel);
  HostErr (*Show)(PanelHandle panel, int32_t show);
  HostErr (*IsShown)(PanelHandle panel, int32_t* shown);
  HostErr (*GetPlatformWindow)(PanelHandle panel, HWND__** window);
  HostErr (*GetSize)(PanelHandle panel, int32_t* width, int32_t* height);
  HostErr (*SetSize)(PanelHandle panel, int32_t width, int32_t height);
  HostErr (*SetFlyoutMenuCallback)(PanelHandle panel, PanelFlyoutCallback callback);
  HostErr (*SetSizeChangedCallback)(PanelHandle panel, PanelSizeCallback callback);
};

struct AIPanelFlyoutMenuSuite {
  HostErr (*Create)(FlyoutMenuHandle* menu);
  HostErr (*Destroy)(FlyoutMenuHandle menu);
  HostErr (*AppendItem)(FlyoutMenuHandle menu, uint32_t itemId, UnicodeStringHandle text);
  HostErr (*AppendSeparator)(FlyoutMenuHandle menu, uint32_t itemId);
  HostErr (*RemoveItem)(FlyoutMenuHandle menu, uint32_t itemId);  // absent ids tolerated
  HostErr (*SetItemEnabled)(FlyoutMenuHandle menu, uint32_t itemId, int32_t enabled);
  HostErr (*SetItemChecked)(FlyoutMenuHandle menu, uint32_t itemId, int32_t checked);
  HostErr (*CountItems)(FlyoutMenuHandle menu, int32_t* count);
};

struct AIUserInterfaceThemeSuite {
  HostErr (*GetUIThemeColor)(int32_t element, int32_t type, ThemeColor* color);
  HostErr (*IsDarkTheme)(int32_t* dark);
};

// ---- suite names and versions ----------------------------------------------

#define VM_SUITE(var, text, ver)            \
  constexpr const char* k##var##Name = text; \
  constexpr int32_t k##var##Version = ver;

VM_SUITE(SPBlocksSuite, "SP Blocks Suite", 2)
VM_SUITE(SPAccessSuite, "SP Access Suite", 3)
VM_SUITE(AIPluginSuite, "AI Plugin Suite", 5)
VM_SUITE(AIRealMathSuite, "AI Real Math Suite", 3)
VM_SUITE(AIArtSuite, "AI Art Suite", 17)
VM_SUITE(AIUserInterfaceThemeSuite, "AI User Interface Theme Suite", 2)
VM_SUITE(AIPanelSuite, "AI Panel Suite", 2)
VM_SUITE(AIPanelFlyoutMenuSuite, "AI Panel Flyout Menu Suite", 2)
VM_SUITE(AIUserSuite, "AI User Suite", 12)
VM_SUITE(AILayerSuite, "AI Layer Suite", 13)
VM_SUITE(AIPathStyleSuite, "AI Path Style Suite", 13)
VM_SUITE(AIPathSuite, "AI Path Suite", 11)
VM_SUITE(AIMatchingArtSuite, "AI Matching Art Suite", 7)
VM_SUITE(AIDocumentSuite, "AI Document Suite", 14)
VM_SUITE(AIDocumentViewSuite, "AI Document View Suite", 12)
VM_SUITE(AITransformArtSuite, "AI Transform Art Suite", 3)
VM_SUITE(AIGroupSuite, "AI Group Suite", 5)
VM_SUITE(AITagSuite, "AI Tag Suite", 4)
VM_SUITE(AIRandomSuite, "AI Random Suite", 5)
VM_SUITE(AIActionManagerSuite, "AI Action Manager Suite", 5)
VM_SUITE(AITextFrameSuite, "AI Text Frame Suite", 4)
VM_SUITE(AIFontSuite, "AI Font Suite", 6)
VM_SUITE(ATETextRangeSuite, "ATE TextRange Suite", 1)
VM_SUITE(AIUndoSuite, "AI Undo Suite", 7)
VM_SUITE(AIContextSuite, "AI Context Suite", 7)
VM_SUITE(AIMenuSuite, "AI Menu Suite", 11)
VM_SUITE(AIToolSuite, "AI Tool Suite", 14)
VM_SUITE(AITimerSuite, "AI Timer Suite", 5)
VM_SUITE(AINotifierSuite, "AI Notifier Suite", 4)
VM_SUITE(AIFilePathSuite, "AI File Path Suite", 5)
VM_SUITE(AIUnicodeStringSuite, "AI Unicode String Suite", 8)

#undef VM_SUITE
