// The staleness judgement on its own, without formulas: versions, bases and
// the exchange of two inputs computed from each other.
#include <gtest/gtest.h>

#include <vector>

#include "core/staleness.h"

namespace vorbento {
namespace {
using enum Field;
using Kind = StaleCause::Kind;

TEST(Staleness, AResultFollowsItsInputsUntilOneChangesOrIsMarked) {
  Staleness s;
  Marks marks{};
  const Texts texts{};
  s.record(tgyg1, {vg1, a});
  s.refresh(marks, texts);
  EXPECT_FALSE(s.stale(tgyg1));
  EXPECT_TRUE(s.stale(tgyg0));  // never computed
  EXPECT_EQ(s.causes(tgyg0, marks), (std::vector<StaleCause>{{Kind::never_computed, tgyg0}}));

  s.text_replaced(a, false);
  EXPECT_TRUE(s.refresh(marks, texts)[index(tgyg1)]);
  EXPECT_EQ(s.causes(tgyg1, marks), (std::vector<StaleCause>{{Kind::changed, a}}));
  s.record(tgyg1, {vg1, a});
  marks[index(vg1)] = Problem::not_a_number;
  s.refresh(marks, texts);
  EXPECT_EQ(s.causes(tgyg1, marks), (std::vector<StaleCause>{{Kind::marked_input, vg1}}));
  EXPECT_FALSE(s.stale(vg1));  // a marked input says so itself
}

TEST(Staleness, TheSettledExchangeFollowsUntilWhatBothAreComputedFromChanges) {
  Staleness s;
  const Marks marks{};
  const Texts texts{};
  // The ratio from the motor speed, then the motor speed from the ratio,
  // each written into its input.
  s.record(i, {nmg0, h, vg0});
  s.text_replaced(i, true);
  s.record(nmg0, {vg0, i, h});
  s.text_replaced(nmg0, true);
  s.record(i, {nmg0, h, vg0});
  s.text_stands_for_value(i);
  s.record(meg1, {i, h});
  s.refresh(marks, texts);
  EXPECT_FALSE(s.own_text(i) || s.own_text(nmg0));
  EXPECT_FALSE(s.stale(i) || s.stale(nmg0) || s.stale(meg1));

  s.text_replaced(vg0, false);
  s.refresh(marks, texts);
  EXPECT_TRUE(s.stale(i) && s.stale(nmg0) && s.stale(meg1));
  EXPECT_EQ(s.causes(meg1, marks), (std::vector<StaleCause>{{Kind::changed, vg0}}));
  s.text_replaced(i, false);  // typed: the user's own
  s.refresh(marks, texts);
  EXPECT_FALSE(s.stale(i));
}

}  // namespace
}  // namespace vorbento
