#include "calc/block.h"

#include <cmath>

#include "core/number_text.h"

namespace vorbento {

std::string format(float value, Format f) {
  switch (f) {
    case Format::fixed2:
      return format_fixed(value, 2);
    case Format::fixed7:
      return format_fixed(value, 7);
    case Format::fixed8:
      return format_fixed(value, 8);
    case Format::fixed10:
      return format_fixed(value, 10);
    case Format::short_form:
      return format_short(value);
  }
  return {};
}

bool texts_present(const FieldStore& s, const Fields& fields) {
  for (Field f : fields)
    if (s.text(f).empty()) return false;
  return true;
}

bool convert_all(FieldStore& s, const Fields& fields) {
  for (Field f : fields)
    if (!s.convert(f)) return false;
  return true;
}

bool store_result(FieldStore& s, Field result, double value) {
  const float single = static_cast<float>(value);
  if (std::isnan(value) || std::isinf(single)) {
    s.fail(result, Problem::overflow);
    return false;
  }
  s.set_value(result, single);
  s.clear_mark(result);
  return true;
}

void follows_from_start(StartBasis& basis, const BlockDef& b) {
  for (Field w : b.writes) basis[index(w)] = uses(b);
}

void run_block(FieldStore& s, const BlockDef& b) {
  if (!texts_present(s, b.check)) return;
  if (!convert_all(s, b.read)) return;
  bool guard = true;
  for (Field f : b.positive) guard = guard && s.value(f) > 0.0f;
  for (Field f : b.nonnegative) guard = guard && s.value(f) >= 0.0f;
  if (guard) {
    // The braking time is the acceleration time's second field: it shares
    // the computation's record, and its overflow.
    const bool stored = store_result(s, b.result, b.formula(Values{s}));
    for (Field w : b.writes) {
      if (w == b.result) continue;
      if (stored)
        s.clear_mark(w);
      else
        s.fail(w, Problem::overflow);
    }
    if (!stored) return;
    for (Field w : b.writes) s.record(w, uses(b));
  }
  // Written also when the guard failed: the field then shows the working value
  // as the last computation or conversion of any handler left it. Formatted
  // once: the acceleration and braking times of a speed must read the same,
  // although the first write's handlers reload the working value from a text
  // whose 7 digits need not give back the same single.
  const std::string text = format(s.value(b.result), b.format);
  for (Field w : b.writes) s.write(w, text);
}

}  // namespace vorbento
