// Types shared by the host application and the module: error codes, geometry
// records, opaque handles and the message records passed to PluginMain.
#pragma once

#include <cstdint>

using HostErr = int32_t;

// Four-character codes, most significant byte first ("S!Fd" -> 0x53214664).
constexpr HostErr FourCharCode(const char (&s)[5]) {
  return static_cast<HostErr>((static_cast<uint32_t>(static_cast<unsigned char>(s[0])) << 24) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(s[1])) << 16) |
                              (static_cast<uint32_t>(static_cast<unsigned char>(s[2])) << 8) |
                              static_cast<uint32_t>(static_cast<unsigned char>(s[3])));
}

constexpr HostErr kNoErr = 0;
constexpr HostErr kSuiteNotFoundErr = FourCharCode("S!Fd");
constexpr HostErr kCanceledErr = FourCharCode("STOP");
constexpr HostErr kBadParameterErr = FourCharCode("PARM");
constexpr HostErr kNotFoundErr = FourCharCode("!FND");
constexpr HostErr kOutOfMemoryErr = FourCharCode("!MEM");
constexpr HostErr kOutOfRangeErr = FourCharCode("RNG!");
constexpr HostErr kNoDocumentErr = FourCharCode("DOC?");
constexpr HostErr kWrongTypeErr = FourCharCode("TYP!");

struct RealPoint {
  double h;
  double v;
};

// Artwork rectangles have y up: top > bottom.
struct RealRect {
  double left;
  double top;
  double right;
  double bottom;
};

// Applied to a row vector: (x', y') = (x, y, 1) * [a b; c d; tx ty].
struct RealMatrix {
  double a, b, c, d, tx, ty;
};

// One path segment: anchor, incoming and outgoing control points, corner flag.
struct PathSegment {
  RealPoint p;
  RealPoint in;
  RealPoint out;
  int16_t corner;
};

// Process (CMYK) or gray colour of a path style or a text paint.
enum class ColorKind : int16_t { None = 0, Gray = 1, Process = 2 };
struct HostColor {
  ColorKind kind;
  double gray;  // 0 white .. 1 black
  double c, m, y, k;
};

struct PathStyle {
  int16_t fillPaint;
  HostColor fillColor;
  int16_t strokePaint;
  HostColor strokeColor;
  double strokeWidth;
  double miterLimit;
  int16_t cap;   // 0 butt, 1 round, 2 square
  int16_t join;  // 0 miter, 1 round, 2 bevel
  int16_t dashCount;
  double dashOffset;
  double dash[6];
};

struct RGBColor16 {
  uint16_t red, green, blue;
};

// Host theme colours as reals from 0 to 1.
struct ThemeColor {
  double red, green, blue, alpha;
};

// Opaque host objects. The module only ever holds pointers to them.
struct HostArt;
struct HostLayer;
struct HostDocument;
struct HostDocView;
struct HostTool;
struct HostMenuItem;
struct HostMenuGroup;
struct HostTimer;
struct HostNotifier;
struct HostPanel;
struct HostFlyoutMenu;
struct HostPlugin;
struct HostActionParams;
struct HostUnicodeString;
struct HostFont;
struct HostTextRange;
struct HostFilePath;
struct HostAccess;

using ArtHandle = HostArt*;
using LayerHandle = HostLayer*;
using DocumentHandle = HostDocument*;
using DocViewHandle = HostDocView*;
using ToolHandle = HostTool*;
using MenuItemHandle = HostMenuItem*;
using MenuGroupHandle = HostMenuGroup*;
using TimerHandle = HostTimer*;
using NotifierHandle = HostNotifier*;
using PanelHandle = HostPanel*;
using FlyoutMenuHandle = HostFlyoutMenu*;
using PluginRef = HostPlugin*;
using ActionParamsHandle = HostActionParams*;
using UnicodeStringHandle = HostUnicodeString*;
using FontHandle = HostFont*;
using TextRangeHandle = HostTextRange*;
using FilePathHandle = HostFilePath*;
using AccessRef = HostAccess*;

// Art type codes. 14 is never reported by the host: the module uses it for
// groups that carry the tool-configuration tag.
enum ArtType : int16_t {
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kTextFrameArt = 4,
  kPlacedArt = 5,
  kOtherArt = 6,
};

// Where new or moved art goes relative to a prep art.
enum PaintOrder : int16_t {
  kPlaceAbove = 1,
  kPlaceBelow = 2,
  kPlaceInsideOnTop = 3,
  kPlaceInsideOnBottom = 4,
  kPlaceAboveAll = 5,
  kPlaceBelowAll = 6,
};

// Art user attributes.
enum ArtAttr : uint32_t {
  kArtSelected = 0x1,
  kArtLocked = 0x2,
  kArtHidden = 0x4,
  kArtFullySelected = 0x8,
  kArtIsGuide = 0x10,
};

// Event modifier bits of a tool event.
enum EventModifiers : uint32_t {
  kModDoubleClick = 0x10,
  kModCommand = 0x100,  // Ctrl
  kModShift = 0x200,
  kModOption = 0x800,  // Alt
};

struct SPBasicSuite;

// Every message starts with this record.
struct SPMessageData {
  PluginRef self;
  void* globals;  // the globals slot, read and written by the module
  SPBasicSuite* basic;
  AccessRef access;  // the module's access record (module instance for resources)
};

struct ToolEvent {
  uint32_t modifiers;
};

struct ToolMessage {
  SPMessageData d;
  ToolHandle tool;
  RealPoint cursor;
  ToolEvent* event;  // may be null
};

struct TimerMessage {
  SPMessageData d;
  TimerHandle timer;
};

struct MenuMessage {
  SPMessageData d;
  MenuItemHandle menuItem;
};

struct NotifierMessage {
  SPMessageData d;
  NotifierHandle notifier;
  const char* type;
  void* notifyData;
};

struct ActionMessage {
  SPMessageData d;
  const char* eventName;
  ActionParamsHandle params;
};

// The module's single entry point, exported by the module and called by the host.
extern "C" HostErr PluginMain(const char* caller, const char* selector, void* message);
