// Whether each result follows the inputs shown, and the marks of inputs the
// formulas cannot use. The everyday examples run as replay sessions
// (tests/replay/sessions/marks.in); here the edges of the rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/mark_list.h"
#include "core/number_text.h"
#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;
using Kind = StaleCause::Kind;

std::vector<Field> stale_fields(const Drive& d) {
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
  EXPECT_EQ(stale_fields(d), (std::vector<Field>{mgyg1, matlag, peg1}));
  // Retyping the cycle time recomputes the average from the texts on screen,
  // but one of them, the accelerating torque at G1, is a design-time text.
  d.edit(tc, "3.");
  d.edit(tc, "3.5");
  EXPECT_EQ(d[matlag], "0.16196980");
  EXPECT_EQ(d.stale_causes(matlag), (std::vector<StaleCause>{{Kind::never_computed, mgyg1}}));
  d.edit(nmg1, "498");  // computes mgyg1, the average after it, and peg1
  EXPECT_TRUE(stale_fields(d).empty());
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
  EXPECT_TRUE(stale_fields(d).empty());
  EXPECT_EQ(log.seen.size(), 22u);
}

TEST(Marks, ExchangeAndOverflow) {
  Drive d;
  settle(d);
  // The lead edit runs the ratio/motor-speed exchange nested: everything after
  // it is recomputed from what the exchange left.
  d.edit(h, "0.004");
  EXPECT_TRUE(stale_fields(d).empty());
  d.edit(a, "0.001");
  d.edit(vg1, "3e38");  // the acceleration time at G1 does not fit a single
  EXPECT_EQ(d.stale_causes(tgyg1), (std::vector<StaleCause>{{Kind::overflow, tgyg1}}));
  EXPECT_EQ(d.stale_causes(mlg1), (std::vector<StaleCause>{{Kind::marked_input, nmg1}, {Kind::overflow, tlg1}}));
  EXPECT_EQ(marked_fields(d).front(), (std::pair<Field, std::string_view>{nmg1, "out_of_range"}));
  d.edit(vg1, "0.0166");
  // Ramps of a minute and more outlast the cycle they are averaged over.
  EXPECT_EQ(d.mark(tc), Problem::shorter_than_motions);
  EXPECT_EQ(stale_fields(d), (std::vector<Field>{matlag}));
}

// The motor speeds and the ratio, inputs that blocks also compute.
TEST(ComputedInputMarks, AHalfTypedSpeedLeavesTheMotorSpeedAtG1StaleNotTrusted) {
  Drive d;
  InputTexts design;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) design[n] = info(field_at(n)).initial;
  design[index(vg0)] = "0.25";
  design[index(nmg0)] = "2250";
  design[index(vg1)] = "0.05";
  d.load(design);
  const std::string typed = "3 m/min";
  for (std::size_t n = 1; n <= 2; ++n) d.edit(vg1, typed.substr(0, n));
  EXPECT_EQ(d[nmg1], "27000.00");  // from the speed "3 " on screen, so current
  EXPECT_FALSE(d.stale(nmg1));
  for (std::size_t n = 3; n <= typed.size(); ++n) d.edit(vg1, typed.substr(0, n));
  EXPECT_EQ(d[nmg1], "27000.00");
  EXPECT_EQ(d.stale_causes(nmg1), (std::vector<StaleCause>{{Kind::marked_input, vg1}}));
  EXPECT_EQ(d.stale_causes(peg1), (std::vector<StaleCause>{{Kind::marked_input, vg1}}));
  EXPECT_EQ(marked_fields(d).front(), (std::pair<Field, std::string_view>{nmg1, "stale"}));
  // The user's own number is trusted whatever a block wrote there before.
  d.edit(nmg1, "450");
  EXPECT_TRUE(d.own_text(nmg1));
  EXPECT_FALSE(d.stale(nmg1));
  EXPECT_FALSE(d.stale(peg1));
}

TEST(ComputedInputMarks, TheSettledExchangeFollowsUntilTheSpeedIsNoNumber) {
  Drive d;
  settle(d);
  d.edit(h, "0.004");  // the ratio from the motor speed, the motor speed from the ratio
  EXPECT_EQ(d[i], "2");
  EXPECT_EQ(d[nmg0], "3000.0000000000");
  EXPECT_FALSE(d.own_text(i) || d.own_text(nmg0));
  EXPECT_TRUE(stale_fields(d).empty());
  // The ratio is written again from the speed's last number: neither it nor
  // the motor speed computed from it follows the speed shown.
  d.edit(vg0, "0.1x");
  EXPECT_EQ(d[i], "2");
  EXPECT_TRUE(d.stale(i) && d.stale(nmg0) && d.stale(jossz));
  EXPECT_EQ(d.stale_causes(nmg0), (std::vector<StaleCause>{{Kind::marked_input, vg0}}));
  d.edit(vg0, "0.1");
  EXPECT_TRUE(stale_fields(d).empty());
}

TEST(ComputedInputMarks, AFailedGuardWritesBackTheFieldsOwnNumber) {
  Drive d;
  settle(d);
  d.edit(vg0, "0.2");  // the ratio and the motor speeds now come from blocks
  EXPECT_FALSE(d.own_text(i));
  d.edit(h, "0");
  // Neither the ratio nor the motor speed could be computed: each shows the
  // number of its own text again, which nothing else explains.
  EXPECT_EQ(d[i], "1.25");
  EXPECT_EQ(d[nmg0], "3000.0000000000");
  EXPECT_TRUE(d.own_text(i) && d.own_text(nmg0));
  EXPECT_FALSE(d.stale(i) || d.stale(nmg0) || d.stale(nmg1));
  EXPECT_TRUE(d.stale(jtomeg));
}

// The motor speeds and the ratio as the user's own texts: each must agree
// with its formula over the other inputs shown.
TEST(OwnSpeedMarks, AnOpenedRatioAtOddsWithTheMotorSpeedMarksBothAndWhatFollows) {
  Drive d;
  InputTexts design;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) design[n] = info(field_at(n)).initial;
  design[index(i)] = "4";  // edited in the file, the motor speed left at 3000
  d.load(design);
  EXPECT_EQ(d[i], "4");
  EXPECT_EQ(d[nmg0], "3000");
  EXPECT_TRUE(d.stale(i) && d.stale(nmg0));
  EXPECT_EQ(d.mark(i), Problem::none);  // a number, only not current
  EXPECT_NEAR(d.formula_value(nmg0).value_or(0), 4800, 1e-9);
  EXPECT_NEAR(d.formula_value(i).value_or(0), 2.5, 1e-12);
  EXPECT_FALSE(d.stale(nmg1));  // agrees with the motor speed shown
  EXPECT_EQ(d.stale_causes(peg0), (std::vector<StaleCause>{{Kind::disagrees, nmg0}, {Kind::disagrees, i}}));
  EXPECT_EQ(d.stale_causes(meg1), (std::vector<StaleCause>{{Kind::disagrees, i}}));
  for (Field f : {meg0, mgyg0, matlag, pgylg0, jossz}) EXPECT_TRUE(d.stale(f)) << name(f);
  // Typed again, the ratio leads and the motor speed follows it.
  d.edit(i, "4.");
  d.edit(i, "4");
  EXPECT_EQ(d[nmg0], "4800");
  EXPECT_FALSE(d.stale(i) || d.stale(nmg0) || d.stale(matlag));
}

TEST(OwnSpeedMarks, ATypedMotorSpeedAtG1IsCurrentOnlyWithinItsTwoDecimals) {
  Drive d;
  settle(d);
  d.edit(nmg1, "500");
  EXPECT_TRUE(d.stale(nmg1));
  EXPECT_EQ(d.stale_causes(peg1), (std::vector<StaleCause>{{Kind::disagrees, nmg1}}));
  EXPECT_EQ(marked_fields(d).front(), (std::pair<Field, std::string_view>{nmg1, "stale"}));
  d.edit(nmg1, "498.009");  // 498 within its two decimals and 1e-5
  EXPECT_FALSE(d.stale(nmg1) || d.stale(peg1));
  // Judged only against texts that are current: a half-typed speed is the mark.
  d.edit(nmg1, "500");
  d.edit(vg0, "0.1x");
  EXPECT_FALSE(d.stale(nmg1));
}

TEST(CycleMarks, ACycleTimeShorterThanItsSixMotionsIsMarkedEqualIsNot) {
  Drive d;
  EXPECT_EQ(d.mark(tc), Problem::none);  // the start state: 3.1166 s in 3.5 s
  settle(d);
  d.edit(tc, "2");
  EXPECT_EQ(d[tc], "2");
  EXPECT_EQ(d.mark(tc), Problem::shorter_than_motions);
  EXPECT_NEAR(d.sum_beyond_bound().value_or(0), 3.1166, 1e-12);
  EXPECT_EQ(d.stale_causes(matlag), (std::vector<StaleCause>{{Kind::marked_input, tc}}));
  EXPECT_EQ(marked_fields(d).front(), (std::pair<Field, std::string_view>{tc, "shorter_than_motions"}));
  // Exactly as long as the motions, summed in the same order, is long enough.
  double sum = 0;
  for (Field f : {tgyg1, tg1, tlg1, tgyg0, tg0, tlg0}) sum += parse_double(d[f]).value;
  char exact[32];
  std::snprintf(exact, sizeof exact, "%.17g", sum);
  d.edit(tc, exact);
  EXPECT_EQ(d.mark(tc), Problem::none);
  EXPECT_FALSE(d.sum_beyond_bound());
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
