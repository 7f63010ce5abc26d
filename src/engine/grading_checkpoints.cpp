#include "engine/grading_checkpoints.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/suite_pointers.h"
#include "engine/grading_engine_internal.h"
#include "expr/script.h"

namespace {

// A member's graded segments as they stand from a number of steps on.
struct Version {
  int32_t steps;
  std::vector<GradedSegment> segments;
};

// The expression environment after a step; unset while no handle has set it.
struct StepEnvironment {
  bool set;
  double distance;
  double length;
  double radius;
};

// A pass through every slot, step by step, and what it was run on.
class KeptPass final : public PassObserver {
 public:
  void Start(const GradingPass& pass) override {
    members_.assign(static_cast<size_t>(pass.pathCount), {});
    for (int32_t i = 0; i < pass.pathCount; ++i) Keep(pass, i, 0);
  }

  void AfterStep(const GradingPass& pass, int32_t firstSlot, int32_t) override {
    firstSlots_.push_back(firstSlot);
    const PluginGlobals& g = *pass.g;
    environments_.push_back({pass.environmentSet, g.envDistance, g.envLength, g.envRadius});
    const auto steps = static_cast<int32_t>(firstSlots_.size());
    for (int32_t i = 0; i < pass.pathCount; ++i) {
      const ArtSegments& path = pass.paths[i];
      if (path.segments == nullptr) continue;
      const std::vector<GradedSegment>& last = members_[i].back().segments;
      if (std::memcmp(last.data(), path.segments, last.size() * sizeof(GradedSegment)) != 0)
        Keep(pass, i, steps);
    }
  }

  // What a pass through lastSlot gives for art, and the environment it leaves.
  GradedSegment* Answer(PluginGlobals& g, ArtHandle art, int32_t lastSlot) const {
    // A pass takes every step that begins at or before lastSlot.
    size_t steps = 0;
    while (steps < firstSlots_.size() && firstSlots_[steps] <= lastSlot) ++steps;
    if (steps > 0 && environments_[steps - 1].set) {
      const StepEnvironment& e = environments_[steps - 1];
      g.envDistance = e.distance;
      g.envLength = e.length;
      g.envRadius = e.radius;
    }
    int32_t i = 0;
    while (i < g.pieceArtCount && g.pieceArts[i] != art) ++i;
    if (art == nullptr || i == g.pieceArtCount || members_[i].empty()) return nullptr;
    const std::vector<Version>& versions = members_[i];
    size_t v = versions.size() - 1;
    while (versions[v].steps > static_cast<int32_t>(steps)) --v;
    const std::vector<GradedSegment>& kept = versions[v].segments;
    auto* segments = static_cast<GradedSegment*>(std::malloc(kept.size() * sizeof(GradedSegment)));
    if (segments == nullptr) return nullptr;
    std::memcpy(segments, kept.data(), kept.size() * sizeof(GradedSegment));
    KeepFiniteSegments(segments, versions[0].segments.data(), static_cast<int16_t>(kept.size()));
    return segments;
  }

  std::string inputs;
  bool held = false;    // a pass was run on `inputs`
  bool usable = false;  // and changed nothing that it read

 private:
  void Keep(const GradingPass& pass, int32_t i, int32_t steps) {
    const ArtSegments& path = pass.paths[i];
    if (path.segments == nullptr) return;
    members_[i].push_back({steps, {path.segments, path.segments + path.segmentCount}});
  }

  std::vector<int32_t> firstSlots_;            // of each step
  std::vector<StepEnvironment> environments_;  // after each step
  std::vector<std::vector<Version>> members_;  // per entry of pieceArts; empty without segments
};

KeptPass* sKept = nullptr;
int32_t sScopeDepth = 0;
bool sChecked = false;  // within the scope, the kept pass was found to hold or not to serve

template <typename T>
void Append(std::string* out, const T& value) {
  out->append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendText(std::string* out, const char* text, size_t size) {
  const size_t length = strnlen(text, size);
  Append(out, length);
  out->append(text, length);
}

void AppendMembers(const PluginGlobals& g, std::string* out) {
  const int32_t count = g.pieceArts != nullptr && g.pieceArtCount > 0 ? g.pieceArtCount : 0;
  Append(out, count);
  std::vector<PathSegment> segments;
  for (int32_t i = 0; i < count; ++i) {
    ArtHandle art = g.pieceArts[i];
    int16_t segmentCount = 0;
    int32_t closed = 0;
    Append(out, art);
    if (art == nullptr || sAIPath->GetPathSegmentCount(art, &segmentCount) != kNoErr) segmentCount = 0;
    sAIPath->GetPathClosed(art, &closed);
    Append(out, segmentCount);
    Append(out, closed);
    if (segmentCount <= 0) continue;
    segments.resize(static_cast<size_t>(segmentCount));
    const HostErr read = sAIPath->GetPathSegments(art, 0, segmentCount, segments.data());
    Append(out, read);
    if (read == kNoErr)
      out->append(reinterpret_cast<const char*>(segments.data()), segments.size() * sizeof(PathSegment));
  }
}

// What a handle gives the pass: its kind and group, its ends and the texts it
// evaluates or writes for the scale index.
void AppendHandle(const RevisionHandle& h, int16_t index, bool indexKnown, std::string* out) {
  Append(out, h.kind);
  Append(out, h.groupId);
  Append(out, h.direction);
  Append(out, h.bothEnds);
  Append(out, h.proportional);
  if (h.kind == kHandleFree) return;
  if (h.kind == kHandlePoint) {
    Append(out, h.point.art);
    Append(out, h.point.anchorIndex);
    if (!indexKnown) return;
    AppendText(out, h.point.xExpr[index], kExprSize);
    AppendText(out, h.point.yExpr[index], kExprSize);
    return;
  }
  const TwoPointHandleData& line = h.line;
  Append(out, line.p1);
  Append(out, line.p2);
  Append(out, line.art1);
  Append(out, line.art2);
  Append(out, line.index1);
  Append(out, line.index2);
  if (indexKnown) AppendText(out, line.amountExpr[index], kExprSize);
  if (h.kind == kHandleMeasurement)
    for (int i = 0; i < 4; ++i) AppendText(out, line.amountExpr[i], kExprSize);
}

// Everything a pass reads: the members' outlines, the preset and the grading
// frame, the handles and the variables (and what the amounts' macros name).
std::string PassInputs(const PluginGlobals& g) {
  std::string out;
  out.reserve(1 << 16);
  AppendMembers(g, &out);
  const int16_t index = g.currentScaleIndex;
  const bool indexKnown = index >= 0 && index < kMaxPresets;
  Append(&out, index);
  if (indexKnown) Append(&out, g.presetScale[index]);
  Append(&out, g.grading_origin);
  Append(&out, g.grading_angle);
  Append(&out, g.grading_compscale);
  Append(&out, g.unitPerPoint);
  Append(&out, g.currentPresetSlot);
  if (g.currentPresetSlot >= 0 && g.currentPresetSlot < kMaxPresets)
    AppendText(&out, g.presets[g.currentPresetSlot].name, kNameSize);
  for (const RevisionHandle& h : g.handles) AppendHandle(h, index, indexKnown, &out);
  const VariableTable& table = g.variables;
  if (table.varNames != nullptr && table.varValues != nullptr) {
    for (int row = 0; row < kMaxVariables; ++row) {
      AppendText(&out, table.varNames[row], kVarNameSize);
      AppendText(&out, table.varValues[row], kVarValueSize);
    }
  }
  return out;
}

// Runs the pass to keep on the state as it is, and takes back whatever it
// changed: a pass that changes what it reads (or reads another piece's
// variables in the document) cannot stand for the passes that follow it.
void KeepPass(PluginGlobals& g, std::string inputs) {
  delete sKept;
  sKept = new KeptPass;
  const double distance = g.envDistance, length = g.envLength, radius = g.envRadius;
  const uint32_t storedReads = StoredVariableReads();
  PassJournal journal;
  PieceGrading grading = GradePieceThrough(kMaxHandles, sKept, &journal);
  sKept->usable = !grading.changedInputs && StoredVariableReads() == storedReads;
  FreePieceGrading(&grading);
  journal.TakeBack(g);
  g.envDistance = distance;
  g.envLength = length;
  g.envRadius = radius;
  sKept->inputs = std::move(inputs);
  sKept->held = true;
}

}  // namespace

GradedSegment* GradedSegmentsThrough(ArtHandle art, int32_t lastSlot) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || g->scriptError.silent == 0 || sAIPath == nullptr || sAIRealMath == nullptr)
    return ComputeGradedSegments(art, lastSlot);
  if (!sChecked) {
    std::string inputs = PassInputs(*g);
    if (sKept == nullptr || !sKept->held || inputs != sKept->inputs) KeepPass(*g, std::move(inputs));
    sChecked = sScopeDepth > 0;
  }
  if (!sKept->usable) return ComputeGradedSegments(art, lastSlot);
  return sKept->Answer(*g, art, lastSlot);
}

GradedSegmentsScope::GradedSegmentsScope() {
  if (sScopeDepth++ == 0) sChecked = false;
}

GradedSegmentsScope::~GradedSegmentsScope() {
  if (--sScopeDepth == 0) sChecked = false;
}

void ForgetGradingCheckpoints() {
  delete sKept;
  sKept = nullptr;
  sChecked = false;
}
