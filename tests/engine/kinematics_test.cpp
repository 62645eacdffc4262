// Speeds, ratio and acceleration times, and the ratio / motor-speed exchange.
#include <gtest/gtest.h>

#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;

TEST(Kinematics, MotorSpeedEditKeepsTheSpeedAndRecomputesTheRatio) {
  Drive d;
  d.edit(nmg0, "3600");
  EXPECT_EQ(d[i], "3");
  EXPECT_EQ(d[nmg0], "3600");
  EXPECT_EQ(d[nmg1], "597.60");
}

TEST(Kinematics, RatioEditMovesTheMotorSpeedAndEverythingBehindIt) {
  Drive d;
  d.edit(i, "3");
  EXPECT_EQ(d[nmg0], "3600");
  EXPECT_EQ(d[i], "3");
  EXPECT_EQ(d[nmg1], "597.60");
  // The torques and powers of both speeds follow (load torques over a larger
  // ratio, total inertia with the screw side over 3 squared).
  EXPECT_EQ(d[meg1], "0.07633286");
  EXPECT_EQ(d[meg0], "0.01735669");
  EXPECT_EQ(d[jossz], "0.0001048543");
  EXPECT_EQ(d[peg0], "6.54000100");
  EXPECT_EQ(d[mgyg1], "0.86651480");
  EXPECT_EQ(d[pgylg0], "297.74060000");
}

// Typed key by key over the whole text: the exchange never writes its round
// trip back into the field under the cursor, only into the other one.
TEST(Kinematics, TypedRatioAndMotorSpeedStayAsTyped) {
  struct Case {
    Field typed;
    const char* text;
    Field other;
    const char* expected;
  };
  const Case cases[] = {{i, "1.5", nmg0, "1800"},     {i, "10", nmg0, "12000"},      {i, "12", nmg0, "14400"},
                        {i, "7.3", nmg0, "8760.001"}, {nmg0, "7777", i, "6.480833"}, {nmg0, "8760", i, "7.3"}};
  for (const Case& c : cases) {
    Drive d;
    const std::string text = c.text;
    for (std::size_t n = 1; n <= text.size(); ++n) d.edit(c.typed, text.substr(0, n));
    EXPECT_EQ(d[c.typed], text);
    EXPECT_EQ(d[c.other], c.expected) << text;
    EXPECT_EQ(d.active_runs(i) + d.active_runs(nmg0), 0);
  }
}

TEST(Kinematics, LeadEditKeepsTheMotorSpeedWrittenWithTenDecimals) {
  Drive d;
  d.edit(h, "0.004");
  EXPECT_EQ(d[i], "2");
  EXPECT_EQ(d[nmg0], "3000.0000000000");
  EXPECT_EQ(d[nmg1], "498.00");
}

TEST(Kinematics, LeadOfZeroKeepsRatioAndSpeed) {
  Drive d;
  d.edit(h, "0");
  EXPECT_EQ(d[i], "2.5");  // the ratio block writes back i's own text
  EXPECT_EQ(d[nmg0], "3000.0000000000");
  d.edit(nmg0, "3600");
  EXPECT_EQ(d[i], "2.5");
  EXPECT_EQ(d[nmg1], "597.60");
}

TEST(Kinematics, RapidSpeedEditRecomputesRatioTimesAndFeedMotorSpeed) {
  Drive d;
  d.edit(vg0, "0.2");
  EXPECT_EQ(d[i], "1.25");
  EXPECT_EQ(d[tgyg0], "0.1000000");
  EXPECT_EQ(d[tlg0], "0.1000000");
  EXPECT_EQ(d[nmg1], "249.00");
  EXPECT_EQ(d[nmg0], "3000");
}

TEST(Kinematics, FeedSpeedEditKeepsTheRatio) {
  for (const char* text : {"0.02", "0.0166", "0.01660", "1"}) {
    Drive d;
    d.edit(vg1, text);
    EXPECT_EQ(d[i], "2.5") << text;
  }
}

TEST(Kinematics, AccelerationTimes) {
  Drive fresh;
  fresh.edit(a, "0");  // nothing computed yet: the working values are 0
  for (Field t : {tgyg1, tlg1, tgyg0, tlg0}) EXPECT_EQ(fresh[t], "0.0000000");

  Drive d;
  d.edit(a, "0.5");
  EXPECT_EQ(d[tgyg1], "0.0332000");
  EXPECT_EQ(d[tlg1], "0.0332000");
  d.edit(a, "0");  // later, a failed guard keeps the last computed times
  EXPECT_EQ(d[tgyg1], "0.0332000");
  EXPECT_EQ(d[tgyg0], "0.2000000");

  Drive tiny;  // below 0.00000005 s the time shows as zero, and reads as zero
  tiny.edit(vg1, "0.00000001");
  EXPECT_EQ(tiny[tgyg1], "0.0000000");
  EXPECT_EQ(tiny[mgyg1], "0.00000000");
}

TEST(Kinematics, EditedFeedMotorSpeedHoldsUntilTheNextSpeedEdit) {
  Drive d;
  d.edit(nmg1, "600");
  EXPECT_EQ(d[nmg1], "600");
  EXPECT_EQ(d[peg1], "5.75244400");
  d.edit(vg1, "0.0167");
  EXPECT_EQ(d[nmg1], "501.00");
}

TEST(Kinematics, FeedMotorSpeedDrivesTheG1AcceleratingTorqueToo) {
  Drive d;
  d.edit(nmg1, "498.0");
  EXPECT_EQ(d[mgyg1], "0.89609890");  // the initial "0.82296700" was stale
  EXPECT_EQ(d[mlg1], "0.71290000");
  EXPECT_EQ(d[peg1], "4.77452900");
  EXPECT_EQ(d[pgylg1], "41.93373000");
  Drive z;
  z.edit(nmg1, "498.0");
  z.edit(nmg1, "0");  // a motor speed of 0 keeps the G1 results
  EXPECT_EQ(z[mlg1], "0.71290000");
  EXPECT_EQ(z[pgylg1], "41.93373000");
}

TEST(Kinematics, TypingANumberCharacterByCharacter) {
  Drive d;
  // "-" and "." are no numbers yet: the field keeps the text, nothing moves.
  d.edit(a, "");
  d.edit(a, "-");
  EXPECT_EQ(d[a], "-");
  EXPECT_EQ(d.mark(a), Problem::not_a_number);
  d.edit(a, ".");
  EXPECT_EQ(d[tgyg1], "0.0000000");
  d.edit(a, ".5");
  EXPECT_EQ(d.mark(a), Problem::none);
  EXPECT_EQ(d[tgyg1], "0.0332000");
  d.edit(a, "0,25");
  EXPECT_EQ(d[tgyg1], "0.0664000");
}

}  // namespace
}  // namespace vorbento::testing
