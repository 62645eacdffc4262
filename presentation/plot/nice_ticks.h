// Tick marks for a plot axis: steps of 1, 2 or 5 times a power of ten, the
// axis widened to whole steps, as few ticks as keep the labels apart.
#pragma once

namespace vorbento {

struct Ticks {
  double first = 0;  // the lowest tick, at or below the range's low end
  double step = 1;
  int count = 2;     // ticks from `first`, the last at or above the range's high end
  int decimals = 0;  // enough for every tick's label, none more

  double last() const { return first + step * (count - 1); }
  double at(int k) const { return first + step * k; }
};

// Ticks covering [low, high] with at most `most` intervals (at least 1). An
// empty or inverted range is widened around its value; anything not finite
// gives the ticks of [0, 1].
Ticks nice_ticks(double low, double high, int most);

// The most intervals an axis of `length` holds when ticks must stand at least
// `spacing` apart (both in the same unit), never fewer than one.
int tick_room(double length, double spacing);

}  // namespace vorbento
