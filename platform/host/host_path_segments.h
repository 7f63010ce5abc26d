// A path's segments and the bounds measured from them. Every snap search asks
// each path of the drawing for its bounds on every cursor event, so they are
// kept until the segments change; every change goes through Edit.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "host_types.h"

struct PathBounds {
  bool empty = true;
  RealRect rect{0, 0, 0, 0};
};

// The exact extremes of the curves, or with controlPoints every point.
PathBounds MeasurePath(const std::vector<PathSegment>& segments, bool closed, bool controlPoints);

class PathSegments {
 public:
  PathSegments& operator=(std::vector<PathSegment> segments) {
    Edit() = std::move(segments);
    return *this;
  }
  std::vector<PathSegment>& Edit() {
    measured_[0].known = measured_[1].known = false;
    return items_;
  }

  const std::vector<PathSegment>& items() const { return items_; }
  operator const std::vector<PathSegment>&() const { return items_; }
  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const PathSegment& operator[](size_t i) const { return items_[i]; }
  const PathSegment& at(size_t i) const { return items_.at(i); }
  const PathSegment& front() const { return items_.front(); }
  const PathSegment& back() const { return items_.back(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  const PathBounds& Bounds(bool closed, bool controlPoints) const {
    Measured& m = measured_[controlPoints ? 1 : 0];
    if (!m.known || m.closed != closed) m = Measured{true, closed, MeasurePath(items_, closed, controlPoints)};
    return m.bounds;
  }

 private:
  struct Measured {
    bool known = false;
    bool closed = false;  // the closing segment counts
    PathBounds bounds;
  };
  std::vector<PathSegment> items_;
  mutable Measured measured_[2];  // exact, with control points
};
