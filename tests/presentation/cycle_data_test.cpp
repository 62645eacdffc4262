// The motion cycle as data: nice tick steps, the time axis that keeps short
// ramps readable, and the table and notes taken from the texts shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calc/handlers.h"
#include "presentation/cycle/cycle_data.h"
#include "presentation/cycle/cycle_table.h"
#include "presentation/cycle/cycle_time_axis.h"
#include "presentation/plot/nice_ticks.h"

using namespace vorbento;

namespace {

bool is_nice(double step) {
  const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  for (double m : {1.0, 2.0, 5.0})
    if (std::abs(mantissa - m) < 1e-9) return true;
  return false;
}

}  // namespace

TEST(NiceTicks, CoverTheRangeWithNiceStepsAndNoMoreIntervalsThanAsked) {
  struct Case {
    double low, high;
    int most;
  };
  for (const Case c :
       {Case{0, 3.5, 7}, Case{0, 3000, 4}, Case{-1.695, 1.695, 8}, Case{0, 0.1167, 6}, Case{-0.7837, 1.8869, 5},
        Case{0, 3.117, 1}, Case{2e-5, 3e-5, 4}, Case{-5e6, 1e7, 10}, Case{0, 0.3, 3}}) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " in " << c.most);
    const Ticks t = nice_ticks(c.low, c.high, c.most);
    EXPECT_TRUE(is_nice(t.step)) << t.step;
    EXPECT_LE(t.first, c.low + 1e-12);
    EXPECT_GE(t.last(), c.high - 1e-12);
    EXPECT_LE(t.count - 1, c.most);
    EXPECT_GE(t.count, 2);
    // The labels need the step's decimals, and no more.
    EXPECT_NEAR(std::round(t.step * std::pow(10.0, t.decimals)), t.step * std::pow(10.0, t.decimals), 1e-6);
    if (t.decimals > 0) {
      const double coarser = t.step * std::pow(10.0, t.decimals - 1);
      EXPECT_GT(std::abs(std::round(coarser) - coarser), 1e-6);
    }
  }
  // Steps below 1 have a negative exponent: floor, not truncation.
  EXPECT_DOUBLE_EQ(nice_ticks(0, 0.1167, 6).step, 0.02);
  EXPECT_EQ(nice_ticks(0, 0.1167, 6).decimals, 2);
  EXPECT_DOUBLE_EQ(nice_ticks(0, 3000, 4).step, 1000);
}

TEST(NiceTicks, DegenerateRangesStillGiveAnAxis) {
  const double nan = std::nan(""), inf = HUGE_VAL;
  for (const auto& [low, high] :
       {std::pair{0.0, 0.0}, std::pair{1.5, 1.5}, std::pair{-2.0, -2.0}, std::pair{nan, 1.0}, std::pair{0.0, inf}}) {
    const Ticks t = nice_ticks(low, high, 5);
    EXPECT_GT(t.step, 0);
    EXPECT_GT(t.last(), t.first);
    if (std::isfinite(low) && std::isfinite(high)) {
      EXPECT_LE(t.first, low);
      EXPECT_GE(t.last(), high);
    }
  }
  EXPECT_EQ(tick_room(100, 0), 1);
  EXPECT_EQ(tick_room(100, 30), 3);
}

TEST(CycleTimeAxis, ShortRampsGetALeastWidthTheRestStaysInProportion) {
  Calculator store;
  const CycleData d = cycle_data(store);
  const TimeAxis axis = lay_out_time(d, 100, 700, 40);
  ASSERT_EQ(axis.pieces.size(), 7u);  // six segments and the rest until t_c
  EXPECT_DOUBLE_EQ(axis.pieces.front().x0, 100);
  EXPECT_NEAR(axis.pieces.back().x1, 700, 1e-9);
  EXPECT_DOUBLE_EQ(axis.span, 3.5);
  for (std::size_t k = 0; k < axis.pieces.size(); ++k) {
    const TimePiece& p = axis.pieces[k];
    if (k > 0) {
      EXPECT_DOUBLE_EQ(p.x0, axis.pieces[k - 1].x1);
    }
    if (p.segment) {
      EXPECT_GE(p.x1 - p.x0, 40 - 1e-9) << k;
    }
    // The 8 ms and 50 ms ramps are stretched, the runs of 2 s and 1 s are not.
    EXPECT_EQ(p.stretched, p.segment && *p.segment->duration.value < 0.1) << k;
    if (!p.stretched) {
      EXPECT_NEAR(p.x1 - p.x0, (p.t1 - p.t0) * axis.seconds_to_x, 1e-9) << k;
    }
  }
  EXPECT_TRUE(axis.in_stretched(0.004));
  EXPECT_FALSE(axis.in_stretched(1.0));
  // Time runs left to right through every piece.
  EXPECT_LT(axis.x(1.0), axis.x(2.0));
  EXPECT_NEAR(axis.x(3.5), 700, 1e-9);

  // Segments longer than the cycle time: the axis runs to their end.
  store.edit(Field::tc, "2");
  const CycleData longer = cycle_data(store);
  const TimeAxis past = lay_out_time(longer, 0, 600, 40);
  EXPECT_NEAR(past.span, longer.segments_end(), 1e-12);
  EXPECT_EQ(past.pieces.size(), 6u);
  EXPECT_LT(past.x(2.0), 600);
}

TEST(CycleTable, ShowsTheTextsAsTypedAndNamesWhatItLeavesOut) {
  Calculator store;
  store.edit(Field::tg1, "1,5");  // a decimal comma, as Hungarian users type it
  store.edit(Field::mmmax, "2.50");
  CycleData d = cycle_data(store);
  ASSERT_TRUE(d.segments[1].duration.value);
  EXPECT_DOUBLE_EQ(*d.segments[1].duration.value, 1.5);
  const std::vector<CycleRow> rows = cycle_rows(d);
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[1].cells[0].text, QStringLiteral("t_G1 = 1,5"));
  EXPECT_EQ(rows[6].cells[2].text, QStringLiteral("M_mmax = 2.50"));
  // Braking: drawn below zero, its text unchanged.
  EXPECT_LT(*d.segments[2].torque.value, 0);
  EXPECT_EQ(rows[2].cells[2].text,
            QStringLiteral("−M_lG1, ahol M_lG1 = ") + QString::fromStdString(store.text(Field::mlg1)));
  EXPECT_EQ(rows[0].cells[2].text, QStringLiteral("M_gyG1 = ") + QString::fromStdString(store.text(Field::mgyg1)));

  // No number: left out of the picture, named with its mark's words.
  store.edit(Field::tg0, "egy");
  d = cycle_data(store);
  EXPECT_FALSE(d.segments[4].drawn());
  const auto note = std::find_if(d.notes.begin(), d.notes.end(),
                                 [](const CycleNote& n) { return n.symbol == QStringLiteral("t_G0"); });
  ASSERT_NE(note, d.notes.end());
  EXPECT_EQ(note->words, QStringLiteral("Nem szám – a szakasz nincs a diagramon"));
  EXPECT_EQ(cycle_rows(d)[4].cells[0].words, QStringLiteral("Nem szám"));
  // Each quantity is named once, however many segments use it.
  store.edit(Field::nmg1, "x");
  d = cycle_data(store);
  EXPECT_EQ(std::count_if(d.notes.begin(), d.notes.end(),
                          [](const CycleNote& n) { return n.symbol == QStringLiteral("n_mG1"); }),
            1);
}
