// What the handle kinds of the grading engine share during one call.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/plugin_globals.h"
#include "engine/anchor_run.h"
#include "engine/grading_engine.h"
#include "engine/handle_measures.h"
#include "geometry/angles.h"

struct PassJournal;

// One call of the engine: the member paths in pieceArts order and the base transform.
struct GradingPass {
  PluginGlobals* g;
  ArtSegments* paths;
  int32_t pathCount;
  RealMatrix base;
  int16_t scaleIndex;
  bool changedInputs;     // see PieceGrading
  bool environmentSet;    // a handle has set the expression environment
  PassJournal* journal;   // null unless the pass is to be taken back
};

// What a pass overwrote outside its own paths, so that a pass run only to look
// can be taken back: handle ends turned round and measured variables.
struct PassJournal {
  struct Ends {
    int32_t slot;
    RealPoint p1, p2;
    ArtHandle art1, art2;
    int32_t index1, index2;
  };
  std::vector<Ends> ends;
  std::vector<std::pair<int, std::string>> values;  // variable row and its bytes before

  void TakeBack(PluginGlobals& g) const;
};

// The run of a handle on one member path.
struct CurveRun {
  ArtSegments* path;
  AnchorRun span;
};

struct ArcOfRun {
  int16_t isArc;  // every curve of the run lies on one circle
  double radius;  // mean radius, 0 unless isArc
  RealPoint centre;
};

// Sees a pass once its members are read, then after each slot it applies or
// each whole group (first to last slot).
class PassObserver {
 public:
  virtual void Start(const GradingPass& pass) = 0;
  virtual void AfterStep(const GradingPass& pass, int32_t firstSlot, int32_t lastSlot) = 0;

 protected:
  ~PassObserver() = default;
};

// GradeWholePiece, the observer (may be null) told of each step and what the
// pass overwrites written into the journal (may be null).
PieceGrading GradePieceThrough(int32_t lastSlot, PassObserver* observer, PassJournal* journal);

// Segments whose coordinates are no longer all finite take their base-scaled place.
void KeepFiniteSegments(GradedSegment* graded, const GradedSegment* base, int16_t count);

ArtSegments* MemberPath(GradingPass& pass, ArtHandle art);
// Anchor `index` of a member path, or null when the art is no member or the
// index lies outside the path: such an end is never read or moved.
GradedSegment* MemberAnchor(GradingPass& pass, ArtHandle art, int32_t index);
RealPoint MapByBase(const GradingPass& pass, const RealPoint& p);
// The anchor as graded so far, else the stored point mapped by the base transform.
RealPoint GradedEnd(GradingPass& pass, ArtHandle art, int32_t index, const RealPoint& stored);
void MoveAnchor(GradedSegment* anchor, const RealPoint& delta);
// from + length along angle.
RealPoint Polar(const RealPoint& from, double length, double angle);

// The environment of the handle at slot, set by the pass.
void SetPassEnvironment(GradingPass& pass, double distance, double length, double radius, int32_t slot);

// Both ends on one member path with indexes inside it.
int16_t RunOfHandle(GradingPass& pass, const TwoPointHandleData& line, CurveRun* run);
// RunOfHandle, and the environment of the handle at slot when there is a run.
int16_t StartRunHandle(GradingPass& pass, int32_t slot, CurveRun* run);
CurveRun RunOnPath(ArtSegments* path, int32_t index1, int32_t index2);
GradedSegment& CurveStart(const ArtSegments& path, int32_t k);
GradedSegment& CurveEnd(const ArtSegments& path, int32_t k);
double RunLength(const CurveRun& run);
// Centres and radii within 0.1 of each other.
bool SameCircle(const RealPoint& centre1, double radius1, const RealPoint& centre2, double radius2);
ArcOfRun ArcTestOverRun(const CurveRun& run);

// Each returns the last slot it consumed.
int32_t ApplyDistanceGroup(GradingPass& pass, int32_t slot);
int32_t ApplyAngleGroup(GradingPass& pass, int32_t slot);
void ApplyLengthHandle(GradingPass& pass, int32_t slot);
void ApplyPointHandle(GradingPass& pass, int32_t slot);
void ApplyMeasurementHandle(GradingPass& pass, int32_t slot);
void ApplyArcHandle(GradingPass& pass, int32_t slot);
