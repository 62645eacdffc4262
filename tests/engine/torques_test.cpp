// Load torques, steady powers, and the torques and powers of acceleration
// and braking.
#include <gtest/gtest.h>

#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;

TEST(LoadTorques, ReproduceTheWorkedExample) {
  Drive d;
  d.edit(u, "0.20");  // recomputes both load torques: same texts
  EXPECT_EQ(d[meg1], "0.09159943");
  EXPECT_EQ(d[meg0], "0.02082803");
  d.edit(nmg0, "3000.0");
  EXPECT_EQ(d[peg0], "6.54000100");
  d.edit(nmg1, "498.0");
  EXPECT_EQ(d[peg1], "4.77452900");  // not the stale initial "4.79370400"
}

TEST(LoadTorques, MachiningForceOfZeroIsAFeedWithoutCutting) {
  Drive d;
  d.edit(f, "0");
  EXPECT_EQ(d[meg1], "0.02082803");  // friction alone, as at G0
  d.edit(u, "0.3");                  // and both keep following the inputs
  EXPECT_EQ(d[meg1], "0.03124204");
  EXPECT_EQ(d[meg0], "0.03124204");
}

TEST(LoadTorques, NonPositiveInputsKeepBothTorques) {
  for (Field x : {u, g, m, h, q, i}) {
    for (const char* text : {"0", "-1"}) {
      Drive d;
      d.edit(u, "0.3");  // computed once: 0.10201340 and 0.03124204
      d.edit(x, text);
      EXPECT_EQ(d[meg1], "0.10201340") << name(x) << "=" << text;
      EXPECT_EQ(d[meg0], "0.03124204") << name(x) << "=" << text;
    }
  }
}

TEST(LoadTorques, FirstEditFailingTheGuardShowsZeroAndCascadesIt) {
  Drive d;
  d.edit(u, "0");
  EXPECT_EQ(d[meg1], "0.00000000");
  EXPECT_EQ(d[meg0], "0.00000000");
  EXPECT_EQ(d[peg1], "0.00000000");
  EXPECT_EQ(d[mgyg1], "0.00000000");
}

TEST(LoadTorques, ClearedGravityIsRefilledAndKeepsTheTorques) {
  Drive d;
  d.edit(u, "0.3");
  d.edit(g, "");
  EXPECT_EQ(d[g], "0");
  EXPECT_EQ(d[meg1], "0.10201340");
  EXPECT_EQ(d[meg0], "0.03124204");
}

TEST(DynamicTorques, ReproduceTheWorkedExample) {
  Drive d;
  d.edit(nmg0, "3000.0");
  EXPECT_EQ(d[mgyg0], "0.82532750");
  EXPECT_EQ(d[mlg0], "0.78367140");
  EXPECT_EQ(d[pgylg0], "252.61280000");
  d.edit(nmg1, "498.0");
  EXPECT_EQ(d[mlg1], "0.71290000");
  EXPECT_EQ(d[pgylg1], "41.93373000");
  EXPECT_EQ(d[mgyg1], "0.89609890");  // the initial "0.82296700" was stale
}

TEST(DynamicTorques, HighLoadGivesANegativeBrakingTorque) {
  Drive d;
  d.edit(f, "3000");
  EXPECT_EQ(d[meg1], "1.08239900");
  EXPECT_EQ(d[mlg1], "-0.27789960");
}

TEST(DynamicTorques, ZeroTotalInertiaRecomputesOnlyTheReducedGuards) {
  Drive d;
  d.edit(dorso, "0");  // no screw (before anything read its old inertia)
  d.edit(m, "0");      // and every other part but the motor itself
  for (Field x : {dok, dof, dmk, dmf}) d.edit(x, "0");
  const std::string accel = d[mgyg0], power = d[pgylg0];
  d.edit(jm, "0");  // the total becomes 0
  ASSERT_EQ(d[jossz], "0.0000000000");
  EXPECT_EQ(d[mlg1], "-0.09159943");  // minus the load torque
  EXPECT_EQ(d[mgyg0], accel);         // the standard guards keep their values
  EXPECT_EQ(d[pgylg0], power);
  d.edit(vg0, "0.2");  // a new acceleration time: the G0 torque is the load alone
  EXPECT_EQ(d[mgyg0], d[meg0]);
  EXPECT_NE(d[mgyg0], accel);
}

TEST(DynamicTorques, ZeroTimeOrSpeedKeepsThePreviousValues) {
  Drive d;
  d.edit(nmg1, "498.0");
  d.edit(a, "1000000000");  // times below the last shown decimal read as 0
  EXPECT_EQ(d[tgyg1], "0.0000000");
  EXPECT_EQ(d[mgyg1], "0.89609890");
  EXPECT_EQ(d[pgylg1], "41.93373000");
  Drive z;
  z.edit(nmg1, "498.0");
  z.edit(nmg1, "0");
  EXPECT_EQ(z[mlg1], "0.71290000");
  EXPECT_EQ(z[pgylg1], "41.93373000");
  EXPECT_EQ(z[peg1], "4.77452900");
}

TEST(AverageTorque, FollowsTheTextsOnScreenAfterACycleTimeEdit) {
  Drive fresh;
  fresh.edit(tg0, "1.0");  // torques not yet computed: the guard fails
  EXPECT_EQ(fresh[matlag], "0.00000000");

  Drive d;
  d.edit(tc, "3.");
  d.edit(tc, "3.5");  // back to the initial text: reload all and compute
  EXPECT_EQ(d[matlag], "0.16196980");
  d.edit(tc, "0");
  EXPECT_EQ(d[matlag], "0.16196980");
  d.edit(tc, "-3.5");
  EXPECT_EQ(d[matlag], "0.16196980");
  d.edit(tc, "");
  EXPECT_EQ(d[tc], "0");
  d.edit(tg1, "2.0");
  EXPECT_EQ(d[matlag], "0.16196980");  // tc is 0 now
}

TEST(AverageTorque, NegativeBrakingTorqueStillCounts) {
  Drive d;
  d.edit(m, "30.0");
  d.edit(f, "3000");
  ASSERT_EQ(d[mlg1], "-0.27789960");
  d.edit(tc, "3.50");
  EXPECT_EQ(d[matlag], "0.83470550");  // squared, so its sign does not matter
}

TEST(AverageTorque, CycleInputsAndRatingsFeedNothingElse) {
  for (Field x : {tg0, tg1, tc, mm, mmmax}) {
    Drive d;
    d.edit(x, "");
    EXPECT_EQ(d[x], "0");
    d.edit(x, "7");
    for (std::size_t n = 0; n < kFieldCount; ++n) {
      const Field other = field_at(n);
      if (other == x || other == matlag) continue;
      EXPECT_EQ(d[other], info(other).initial) << name(x) << " changed " << name(other);
    }
  }
}

}  // namespace
}  // namespace vorbento::testing
