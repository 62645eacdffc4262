#include "presentation/cycle/cycle_time_axis.h"

#include <algorithm>

namespace vorbento {

qreal TimeAxis::x(double t) const {
  for (const TimePiece& p : pieces) {
    if (t > p.t1) continue;
    if (t <= p.t0 || p.t1 <= p.t0) return p.x0;
    return p.x0 + (t - p.t0) / (p.t1 - p.t0) * (p.x1 - p.x0);
  }
  return pieces.empty() ? left : pieces.back().x1;
}

bool TimeAxis::in_stretched(double t) const {
  return std::any_of(pieces.begin(), pieces.end(), [t](const TimePiece& p) {
    const double slack = (p.t1 - p.t0) * 1e-9;
    return p.stretched && t > p.t0 + slack && t < p.t1 - slack;
  });
}

qreal TimeAxis::end_x() const {
  qreal end = left;
  for (const TimePiece& p : pieces)
    if (p.segment) end = p.x1;
  return end;
}

TimeAxis lay_out_time(const CycleData& data, qreal left, qreal right, qreal least_width) {
  TimeAxis axis;
  axis.left = left;
  axis.right = right;
  axis.span = data.time_span();
  double t = 0;
  for (const CycleSegment& s : data.segments) {
    if (!s.drawn()) continue;
    axis.pieces.push_back({&s, t, t + *s.duration.value, 0, 0, false});
    t += *s.duration.value;
  }
  const std::size_t segments = axis.pieces.size();
  if (axis.span > t) axis.pieces.push_back({nullptr, t, axis.span, 0, 0, false});

  const qreal width = std::max<qreal>(0, right - left);
  const qreal least = segments ? std::min(least_width, width / static_cast<qreal>(segments)) : 0;
  // Widen the shortest segments one round at a time: each widened one leaves
  // less length for the others, which may then fall short in turn.
  qreal scale = 0;
  bool all_stretched = false;
  for (bool changed = true; changed;) {
    changed = false;
    qreal rest_width = width;
    double rest_time = 0;
    for (const TimePiece& p : axis.pieces) {
      if (p.stretched)
        rest_width -= least;
      else
        rest_time += p.t1 - p.t0;
    }
    if (rest_time <= 0) {
      all_stretched = true;
      break;
    }
    scale = std::max<qreal>(0, rest_width) / rest_time;
    for (TimePiece& p : axis.pieces) {
      if (p.segment && !p.stretched && (p.t1 - p.t0) * scale < least) {
        p.stretched = true;
        changed = true;
      }
    }
  }
  const qreal stretched_width = all_stretched && segments ? width / static_cast<qreal>(segments) : least;
  qreal x = left;
  for (TimePiece& p : axis.pieces) {
    p.x0 = x;
    x += p.stretched ? stretched_width : (p.t1 - p.t0) * scale;
    p.x1 = x;
  }
  axis.seconds_to_x = scale > 0 ? scale : (axis.span > 0 ? width / axis.span : 0);
  return axis;
}

}  // namespace vorbento
