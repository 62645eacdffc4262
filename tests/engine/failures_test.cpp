// Bad input and results beyond the single range: nothing crashes, nothing
// wrong is written, the rest of the cascade goes on, and the field is marked.
#include <gtest/gtest.h>

#include <limits>

#include "calc/block.h"
#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;

struct FailureLog : FieldObserver {
  std::vector<std::pair<Field, Problem>> seen;
  void failed(Field f, Problem p) override { seen.emplace_back(f, p); }
};

TEST(Failures, BadTextEndsItsBlockAndTheHandlerGoesOn) {
  Drive d;
  FailureLog log;
  d.add_observer(&log);
  d.edit(vg1, "1,2.3");
  EXPECT_EQ(d[vg1], "1,2.3");  // kept as typed, to be corrected
  EXPECT_EQ(d.mark(vg1), Problem::not_a_number);
  d.edit(a, "4");  // G1 block fails at vg1, the G0 block still runs
  EXPECT_EQ(d[tgyg1], "0.0083000");
  EXPECT_EQ(d[tgyg0], "0.0250000");
  ASSERT_FALSE(log.seen.empty());
  EXPECT_EQ(log.seen.front(), std::make_pair(vg1, Problem::not_a_number));
  d.edit(vg1, "0.0166");
  EXPECT_EQ(d.mark(vg1), Problem::none);
}

TEST(Failures, ResultBeyondTheSingleRangeIsNotWritten) {
  Drive d;
  d.edit(a, "0.001");
  d.edit(vg1, "3e38");
  EXPECT_EQ(d[tgyg1], "16.6000000");  // still its last value
  EXPECT_EQ(d.mark(tgyg1), Problem::overflow);
  EXPECT_EQ(d[nmg1], "498.00");  // the handler went on: the next block overflowed too
  EXPECT_EQ(d.mark(nmg1), Problem::overflow);
  d.edit(a, "2");
  EXPECT_EQ(d.mark(tgyg1), Problem::none);
  EXPECT_EQ(d[tgyg1], "150000000000000000000000000000000000000.0000000");
}

TEST(Failures, ResultJustAboveTheLargestSingleRoundsToIt) {
  Drive d;
  constexpr double kMax = std::numeric_limits<float>::max();
  // Up to half a unit in the last place above the largest single rounds down
  // to it; beyond, the single is infinite and nothing is stored.
  EXPECT_TRUE(store_result(d, tgyg1, kMax * (1 + 2e-8)));
  EXPECT_EQ(d.value(tgyg1), std::numeric_limits<float>::max());
  EXPECT_FALSE(store_result(d, tgyg1, kMax * (1 + 4e-8)));
  EXPECT_FALSE(store_result(d, tgyg1, std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(d.value(tgyg1), std::numeric_limits<float>::max());
  EXPECT_EQ(d.mark(tgyg1), Problem::overflow);
}

TEST(Failures, InputBeyondTheRangeIsAConversionFailure) {
  Drive d;
  d.edit(a, "1e39");
  EXPECT_EQ(d.mark(a), Problem::out_of_range);
  EXPECT_EQ(d[tgyg1], "0.0083000");
  d.edit(a, "-1e-60");  // far too small is a (negative) zero: a failed guard
  EXPECT_EQ(d.mark(a), Problem::not_positive);
  EXPECT_EQ(d[tgyg1], "0.0000000");
}

TEST(Failures, BlanksAreNoNumberAndNotRefilled) {
  Drive d;
  d.edit(h, "  ");
  EXPECT_EQ(d[h], "  ");
  EXPECT_EQ(d.mark(h), Problem::not_a_number);
  d.edit(h, " 0.004 ");
  EXPECT_EQ(d[i], "2");
}

TEST(Failures, MinusZeroFailsStrictGuardsButIsAnAbsentPart) {
  Drive d;
  d.edit(a, "-0");
  EXPECT_EQ(d[tgyg1], "0.0000000");
  d.edit(dmf, "-0");  // a bore of -0 is a solid wheel
  EXPECT_EQ(d[jmk], "0.0000252807");
}

}  // namespace
}  // namespace vorbento::testing
