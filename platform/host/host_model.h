// The stand-in host's own objects: documents, layers, art, registrations.
// Objects live in pools owned by the host state and are never freed while a
// document is open, so a handle the module keeps never dangles: a disposed art
// only stops being valid, and undo can bring the same object back.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host_path_segments.h"
#include "host_suites.h"
#include "host_tag_list.h"
#include "host_types.h"

using PluginEntry = HostErr (*)(const char* caller, const char* selector, void* message);

struct CharFeatureData {
  FontHandle font = nullptr;
  double size = 12.0;
  HostColor fillColor{ColorKind::Gray, 1.0, 0, 0, 0, 0};
  HostColor strokeColor{ColorKind::None, 0, 0, 0, 0, 0};
  int16_t fill = 1;
  int16_t stroke = 0;
  double horizontalScale = 1.0;
};

struct TextData {
  RealPoint anchor{0, 0};
  int16_t orientation = kHorizontalText;
  RealMatrix matrix{1, 0, 0, 1, 0, 0};  // applied after the anchor
  std::u16string text;
  CharFeatureData chars;
  ParaFeatures para{kJustifyLeft, 0, 0};
};

// Everything an art is, apart from its identity: what an undo snapshot keeps.
struct ArtData {
  int16_t type = kUnknownArt;
  bool alive = true;
  HostArt* parent = nullptr;
  std::vector<HostArt*> children;  // index 0 is the topmost (first child)
  uint32_t attrs = 0;
  TagList tags;
  std::string id;            // document-wide name, kept in files
  PathSegments segments;
  std::vector<int16_t> segmentSelected;
  bool closed = false;
  PathStyle style{};
  bool clipped = false;
  TextData text;
};

struct HostArt {
  HostDocument* doc = nullptr;
  HostLayer* layer = nullptr;  // set only on a layer's own group
  ArtData d;
  // The copy of d the last undo snapshot took, shared by every snapshot since;
  // dropped by NoteArtChange, so a snapshot copies only art that changed.
  std::shared_ptr<const ArtData> kept;
  // Where the art stood among its parent's children when last looked up: a
  // hint, checked before use.
  size_t childIndex = 0;
  uint64_t restoreMark = 0;  // marks the art while a snapshot is put back
};

struct LayerData {
  bool alive = true;
  std::u16string title;
  bool visible = true;
  bool editable = true;
  RGBColor16 color{0x4F4F, 0x8080, 0xFFFF};
};

struct HostLayer {
  HostDocument* doc = nullptr;
  HostArt* group = nullptr;
  LayerData d;
};

struct DocData {
  std::vector<HostLayer*> layers;  // index 0 is the top layer
  HostLayer* current = nullptr;
};

struct HostDocView {
  HostDocument* doc = nullptr;
  double zoom = 1.0;
  RealPoint center{0, 0};
  int32_t width = 1000;  // view pixels
  int32_t height = 800;
};

struct DocSnapshot {
  DocData doc;
  std::vector<std::pair<HostLayer*, LayerData>> layers;
  std::vector<std::pair<HostArt*, std::shared_ptr<const ArtData>>> arts;
};

struct UndoEntry {
  std::u16string undoText;
  std::u16string redoText;
  DocSnapshot other;  // the state before (undo stack) or after (redo stack)
};

// The sheet a file of another program was drawn on, kept so that the document is written on
// it again: its width and height as the file wrote them, and the part of the document (points,
// y down as SVG has it) that the sheet shows. Not kept: the page is the drawing's bounds.
struct DocumentPage {
  bool kept = false;
  std::string width, height;
  double x = 0, y = 0, w = 0, h = 0;
};

struct HostDocument {
  std::string name;
  bool open = true;  // false once closed: its art and layers are no longer valid
  DocData d;
  DocumentPage page;
  double pixelsPerInch = 0;  // how the file counted px: 96 or 72; 0 for the host's own files (points)
  std::vector<std::unique_ptr<HostLayer>> layerPool;
  std::vector<std::unique_ptr<HostArt>> artPool;
  HostDocView view;
  std::deque<UndoEntry> undoStack;  // the oldest entry first
  std::deque<UndoEntry> redoStack;
  int32_t nextArtNumber = 1;
  HWND__* window = nullptr;  // the document window, titled "<name> @ <zoom>%"
};

struct HostFont {
  std::string name;  // UTF-8
};

struct HostUnicodeString {
  std::u16string text;
};

struct HostFilePath {
  std::string path;
};

struct HostTextRange {
  HostArt* art = nullptr;
};

struct HostAccess {
  HostPlugin* plugin = nullptr;
};

struct HostPlugin {
  std::string name;
  PluginEntry entry = nullptr;
  void* globals = nullptr;
  int32_t options = 0;
  bool started = false;
  HostAccess access;
};

struct HostTool {
  HostPlugin* plugin = nullptr;
  std::string name;
  std::string title;
  std::string tooltip;
  int32_t number = 0;
  int32_t iconId = 0;
  int32_t darkIconId = 0;
  int32_t sameGroupAs = kNoTool;
  int32_t sameToolsetAs = kNoTool;
  int32_t options = 0;
};

struct HostMenuGroup {
  std::string name;
  int32_t options = 0;
  HostMenuItem* owner = nullptr;  // the item it hangs from, null for host groups
};

struct HostMenuItem {
  HostPlugin* plugin = nullptr;
  std::string name;
  std::string group;
  std::u16string text;
  int32_t options = 0;
  bool checked = false;
};

struct HostTimer {
  HostPlugin* plugin = nullptr;
  std::string name;
  int32_t period = 1;
  int64_t due = 0;
};

struct HostNotifier {
  HostPlugin* plugin = nullptr;
  std::string name;
  std::string type;
};

struct HostActionParams {
  int32_t unused = 0;
};

struct ActionEvent {
  std::string name;
  std::string localizedName;
  int32_t version = 0;
  int32_t flags = 0;
  HostPlugin* plugin = nullptr;
  bool playing = false;
};

struct FlyoutItem {
  uint32_t id = 0;
  std::u16string text;
  bool separator = false;
  bool enabled = true;
  bool checked = false;
};

struct HostFlyoutMenu {
  bool alive = true;
  std::vector<FlyoutItem> items;
};

struct HostPanel {
  bool alive = true;
  HostPlugin* plugin = nullptr;
  std::string id;
  std::u16string title;
  int16_t stateCount = 1;
  int32_t minWidth = 0, minHeight = 0;
  int32_t width = 0, height = 0;
  bool resizable = false;
  bool shown = false;
  HostFlyoutMenu* flyout = nullptr;
  HWND__* window = nullptr;  // what the module fills and subclasses
  HWND__* frame = nullptr;   // the host's frame around it
  PanelFlyoutCallback flyoutCallback = nullptr;
  PanelSizeCallback sizeCallback = nullptr;
};

// What tests read back.
struct AlertRecord {
  std::string kind;  // "message", "okcancel", "yesno", "putfile"
  std::string text;  // UTF-8
  int32_t answer = 0;
};

struct UndoRecord {
  std::string undoText;  // UTF-8
  std::string redoText;
};

struct HostState {
  // documents
  std::vector<std::unique_ptr<HostDocument>> documents;
  HostDocument* current = nullptr;
  // Closed documents stay in memory, so that a handle into one is only invalid.
  std::vector<std::unique_ptr<HostDocument>> closedDocuments;

  // registrations
  std::vector<std::unique_ptr<HostPlugin>> plugins;
  std::vector<std::unique_ptr<HostTool>> tools;
  HostTool* selectedTool = nullptr;
  std::vector<std::unique_ptr<HostMenuGroup>> menuGroups;
  std::vector<std::unique_ptr<HostMenuItem>> menuItems;
  std::vector<std::unique_ptr<HostTimer>> timers;
  std::vector<std::unique_ptr<HostNotifier>> notifiers;
  std::vector<std::unique_ptr<HostActionParams>> actionParams;
  std::vector<ActionEvent> actionEvents;
  std::vector<std::unique_ptr<HostPanel>> panels;
  std::vector<std::unique_ptr<HostFlyoutMenu>> flyouts;
  std::vector<std::unique_ptr<HostFont>> fonts;          // the font list
  std::vector<std::unique_ptr<HostFont>> unlistedFonts;  // still named by text art
  int64_t clock = 0;                                     // host ticks

  // suites
  std::map<std::string, int32_t, std::less<>> acquired;                     // name -> outstanding acquisitions
  std::map<std::string, std::pair<HostErr, int32_t>, std::less<>> failing;  // name -> (error, remaining, -1 always)
  std::map<void*, size_t> blocks;
  int32_t unbalancedReleases = 0;

  // the call in progress
  int32_t callDepth = 0;
  HostDocument* txDoc = nullptr;
  bool txSnapshotTaken = false;
  DocSnapshot txBefore;
  bool txSilent = false;
  std::u16string txUndoText, txRedoText;

  // user answers and theme
  std::deque<int32_t> alertAnswers;
  std::deque<std::string> putFileAnswers;  // empty string = cancel
  bool darkTheme = false;
  uint64_t randomState = 0x9E3779B97F4A7C15ull;

  // recordings
  std::vector<AlertRecord> alerts;
  std::vector<std::string> notifications;
  std::vector<UndoRecord> undoRecords;
  std::vector<std::string> calls;  // "caller/selector" of every message sent
  int32_t redraws = 0;
  int32_t droppedPlays = 0;
  std::string countedTag;  // empty: no tag's reads are counted
  const HostArt* countedTagArt = nullptr;  // null: on any art
  int64_t countedTagReads = 0;
};

extern HostState gHost;

// ---- shared internals (host_state.cpp) -------------------------------------

void ResetHostState();
HostDocument* NewHostDocument(const std::string& name);
void CloseHostDocument(HostDocument* doc);
HostLayer* NewHostLayer(HostDocument* doc, const std::u16string& title, size_t position);
HostArt* NewHostArt(HostDocument* doc, int16_t type);
bool IsLiveArt(const HostArt* art);
bool IsLiveLayer(const HostLayer* layer);
void UnlinkArt(HostArt* art);
HostErr LinkArt(HostArt* art, int16_t paintOrder, HostArt* prep);
// Places art just made; when the placement is refused the art (with its children)
// dies and the change is forgotten. `wasNoted` as for ForgetRefusedChange.
HostErr PlaceMadeArt(HostArt* made, int16_t paintOrder, HostArt* prep, bool wasNoted, ArtHandle* out);
// Disposes of art: it dies with everything in it, and only its identity stays
// (a handle to it is invalid, never dangling); its contents are let go.
void KillArt(HostArt* art);
// Art and everything in it stops being valid (it stays where it is).
void KillArtTree(HostArt* art);
HostArt* DuplicateArtTree(const HostArt* art, HostDocument* doc);
HostLayer* LayerOfArt(const HostArt* art);
void ForEachArt(HostArt* root, const std::function<void(HostArt*)>& visit);
PathStyle DefaultPathStyle();

// Undo: every change to a document calls NoteChange first, and every change
// to an art NoteArtChange (which calls NoteChange).
void NoteChange(HostDocument* doc);
void NoteArtChange(HostArt* art);
// A change no undo entry records (ids given on save) still makes the art's
// snapshot copy out of date.
void ForgetKeptCopy(HostArt* art);
// After a change refused before it touched anything; `wasNoted` is whether the
// call had noted a change before this one.
void ForgetRefusedChange(bool wasNoted);
DocSnapshot TakeSnapshot(const HostDocument* doc);
void RestoreSnapshot(HostDocument* doc, const DocSnapshot& snap);
void BeginHostCall();
void EndHostCall();

// ---- strings (host_strings.cpp) --------------------------------------------

std::u16string DecodeCodePage(const char* text, size_t length, int32_t codePage);
// Encodes at most maxBytes bytes, never splitting a character.
std::string EncodeCodePage(const std::u16string& text, int32_t codePage, size_t maxBytes);
std::string ToUtf8(const std::u16string& text);
std::u16string FromUtf8(const std::string& text);
HostUnicodeString* NewHostString(const std::u16string& text);

// ---- geometry shared by suites and files (host_geometry.cpp) -----------------

RealRect ArtBounds(const HostArt* art, bool controlPoints, bool* empty);
void TransformArtTree(HostArt* art, const RealMatrix& m, double lineScale);
RealPoint ApplyMatrix(const RealMatrix& m, RealPoint p);
RealMatrix MultiplyMatrix(const RealMatrix& first, const RealMatrix& then);

// A font of the list by name, else one kept aside for text that names it.
HostFont* FontByName(const std::string& name);

// ---- the seam to the Windows-shaped layer (host_windows.cpp) ----------------

HINSTANCE__* ModuleInstanceOf(HostPlugin* plugin);
HWND__* HostMainWindow();
void OpenDocumentWindow(HostDocument* doc);
void CloseDocumentWindow(HostDocument* doc);
void RaiseDocumentWindow(HostDocument* doc);
void TitleDocumentWindow(HostDocument* doc);
void OpenPanelWindow(HostPanel* panel);
void ClosePanelWindow(HostPanel* panel);
void ShowPanelWindow(HostPanel* panel);
void SizePanelWindow(HostPanel* panel);

// ---- calling plug-ins (host_driver.cpp) ------------------------------------------

// Sends one message: fills the common record, opens the undo transaction of
// the outermost call and keeps the globals slot the plug-in hands back.
HostErr CallPlugin(HostPlugin* plugin, const char* caller, const char* selector, SPMessageData* message);
HostErr BroadcastNotification(const char* type, void* data);
HostErr SwitchSelectedTool(HostTool* tool);
void AddHostDefaults();

// ---- document files (host_svg.cpp) ----------------------------------------------------

// How a file of another program counts: SVG's px is 1/96 inch, but several programs write px
// (or plain numbers) meaning a point, 1/72 inch.
struct SvgReadOptions {
  double pixelsPerInch = 96;
  // The memory the art of one file may take, in bytes; 0: a hundred times the file's size (more
  // than its own elements can ask for), at least 64 MB and at most half the machine's memory.
  size_t memoryBudget = 0;
};
size_t MemoryBudget(const SvgReadOptions& options, size_t fileBytes);

// Reads a document; on failure returns null and a message naming the fault.
// Each element skipped because the host cannot hold it gives a warning line.
HostDocument* ReadSvgDocument(const std::string& path, std::string* error,
                              std::vector<std::string>* warnings = nullptr, const SvgReadOptions& options = {});
// The same from the file's bytes; `path` names it in messages.
HostDocument* ReadSvgText(const std::string& path, const std::string& text, std::string* error,
                          std::vector<std::string>* warnings = nullptr, const SvgReadOptions& options = {});
// Writes the whole file or, on failure, leaves the old one as it was.
bool WriteSvgDocument(HostDocument* doc, const std::string& path, std::string* error);
std::string SvgDocumentText(HostDocument* doc);
// Every art without an id (or with one taken before it) gets the next free "a<n>".
void GiveArtIds(HostDocument* doc);
