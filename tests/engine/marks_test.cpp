// Whether each result follows the inputs shown, and the marks of inputs the
// formulas cannot use. The everyday examples run as replay sessions
// (tests/replay/sessions/marks.in); here the edges of the rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/mark_list.h"
#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;
using Kind = StaleCause::Kind;

std::vector<Field> stale_results(const Drive& d) {
  std::vector<Field> out;
  for (const auto& [f, kind] : marked_fields(d))
    if (kind == "stale") out.push_back(f);
  return out;
}

struct StaleLog : FieldObserver {
  std::vector<std::string> seen;
  void stale_changed(Field f, bool stale) override { seen.push_back(std::string(name(f)) + (stale ? "+" : "-")); }
};

TEST(Marks, DesignTimeTextsStayStaleUntilComputedEvenAfterARefresh) {
  Drive d;
  EXPECT_EQ(stale_results(d), (std::vector<Field>{mgyg1, matlag, peg1}));
  // Retyping the cycle time recomputes the average from the texts on screen,
  // but one of them, the accelerating torque at G1, is a design-time text.
  d.edit(tc, "3.");
  d.edit(tc, "3.5");
  EXPECT_EQ(d[matlag], "0.16196980");
  EXPECT_EQ(d.stale_causes(matlag), (std::vector<StaleCause>{{Kind::never_computed, mgyg1}}));
  d.edit(nmg1, "498");  // computes mgyg1, the average after it, and peg1
  EXPECT_TRUE(stale_results(d).empty());
}

// Every result computed from the initial inputs.
void settle(Drive& d) {
  d.edit(tc, "3.");
  d.edit(tc, "3.5");
  d.edit(nmg1, "498");
}

TEST(Marks, CausesNameTheInputsBehindAResultOnce) {
  Drive d;
  settle(d);
  StaleLog log;
  d.add_observer(&log);
  d.edit(a, "0");
  EXPECT_EQ(d.mark(a), Problem::not_positive);
  EXPECT_EQ(d.stale_causes(tgyg1), (std::vector<StaleCause>{{Kind::marked_input, a}}));
  EXPECT_EQ(d.stale_causes(matlag), (std::vector<StaleCause>{{Kind::marked_input, a}}));
  // Told once per result, when the whole recalculation has ended.
  EXPECT_EQ(log.seen.size(), 11u);
  d.edit(a, "2");
  EXPECT_TRUE(stale_results(d).empty());
  EXPECT_EQ(log.seen.size(), 22u);
}

TEST(Marks, ExchangeAndOverflow) {
  Drive d;
  settle(d);
  // The lead edit runs the ratio/motor-speed exchange nested: everything after
  // it is recomputed from what the exchange left.
  d.edit(h, "0.004");
  EXPECT_TRUE(stale_results(d).empty());
  d.edit(a, "0.001");
  d.edit(vg1, "3e38");  // the acceleration time at G1 does not fit a single
  EXPECT_EQ(d.stale_causes(tgyg1), (std::vector<StaleCause>{{Kind::overflow, tgyg1}}));
  EXPECT_EQ(d.stale_causes(mlg1), (std::vector<StaleCause>{{Kind::marked_input, nmg1}, {Kind::overflow, tlg1}}));
  EXPECT_EQ(marked_fields(d).front(), (std::pair<Field, std::string_view>{nmg1, "out_of_range"}));
  d.edit(vg1, "0.0166");
  EXPECT_TRUE(stale_results(d).empty());
}

TEST(Marks, InputMarksComeFromTheTextAlone) {
  Drive d;
  d.edit(dmk, "0.004");  // the motor wheel's bore is now wider than the wheel
  EXPECT_EQ(d.mark(dmf), Problem::bore_too_large);
  EXPECT_EQ(d.mark(dmk), Problem::none);
  d.edit(dmf, "-0.001");
  EXPECT_EQ(d.mark(dmf), Problem::negative);
  d.edit(dmk, "abc");  // the bore alone is judged while its part is no number
  d.edit(dmf, "0.05");
  EXPECT_EQ(d.mark(dmf), Problem::none);
  d.edit(dtf, "-0");  // -0 is no negative size
  EXPECT_EQ(d.mark(dtf), Problem::none);
}

TEST(Marks, AnOuterDiameterOutOfRangeMarksItselfNotItsBore) {
  Drive d;
  d.edit(dmk, "-0.09");
  EXPECT_EQ(d.mark(dmk), Problem::negative);
  EXPECT_EQ(d.mark(dmf), Problem::none);
  EXPECT_EQ(d.stale_causes(jmk), (std::vector<StaleCause>{{Kind::marked_input, dmk}}));
  d.edit(dmk, "0.0001");  // back in range, and now narrower than the bore
  EXPECT_EQ(d.mark(dmf), Problem::bore_too_large);
  EXPECT_EQ(d.stale_causes(jmk), (std::vector<StaleCause>{{Kind::marked_input, dmf}}));
}

TEST(Marks, CycleWithoutConstantSpeedPhase) {
  Drive d;
  d.edit(tg1, "0");  // the G1 terms: accelerating and braking only
  EXPECT_EQ(d[matlag], "0.14642280");
  EXPECT_EQ(d.mark(tg1), Problem::none);
}

}  // namespace
}  // namespace vorbento::testing
