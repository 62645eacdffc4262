// The diagram's time axis: in true proportion wherever every segment stays
// wide enough for its labels; a segment too short for that (a ramp of a few
// milliseconds beside runs of seconds) gets that least width instead, and the
// axis shows a break there.
#pragma once

#include <QtGlobal>

#include <vector>

#include "presentation/cycle/cycle_data.h"

namespace vorbento {

struct TimePiece {
  const CycleSegment* segment = nullptr;  // none: the rest until the cycle time
  double t0 = 0, t1 = 0;                  // seconds
  qreal x0 = 0, x1 = 0;
  bool stretched = false;  // wider than its duration: time is not to scale here
};

struct TimeAxis {
  std::vector<TimePiece> pieces;  // the drawn segments in order, then the rest
  double span = 0;                // seconds, 0 to the later of t_c and the last segment's end
  qreal seconds_to_x = 0;         // length per second where time is to scale
  qreal left = 0, right = 0;

  qreal x(double t) const;
  bool in_stretched(double t) const;
  // Where the last drawn segment ends.
  qreal end_x() const;
};

// Lays the segments out between `left` and `right`, none narrower than
// `least_width` (less only where the axis cannot hold that many).
TimeAxis lay_out_time(const CycleData& data, qreal left, qreal right, qreal least_width);

}  // namespace vorbento
