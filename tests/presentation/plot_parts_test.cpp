// Where the labels of limit lines stand: apart however close the lines, and
// inside the plot; worked out before anything is painted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "presentation/plot/plot_parts.h"

using namespace vorbento;

namespace {

void expect_apart_and_above(const std::vector<qreal>& tops, qreal height, qreal lowest) {
  for (std::size_t k = 0; k < tops.size(); ++k) {
    EXPECT_LE(tops[k] + height, lowest + 1e-9) << k;
    if (k > 0) {
      EXPECT_GE(tops[k] - tops[k - 1], height - 1e-9) << k;
    }
  }
}

}  // namespace

TEST(SpreadLabels, CloseLinesMoveApartAndFarOnesStayOnTheirLines) {
  const qreal h = 14.5;
  // The peak far above, the rated torque and the average 3 px apart (as at
  // the initial design), the negative peak far below.
  const std::vector<qreal> centres{40, 300, 303, 420};
  const std::vector<qreal> tops = spread_labels(centres, h, 500);
  ASSERT_EQ(tops.size(), centres.size());
  expect_apart_and_above(tops, h, 500);
  EXPECT_DOUBLE_EQ(tops[0], 40 - h / 2);
  EXPECT_DOUBLE_EQ(tops[3], 420 - h / 2);
  // Each of the close pair still within a label's height of its own line.
  for (std::size_t k : {1u, 2u}) EXPECT_LE(std::abs(tops[k] + h / 2 - centres[k]), h) << k;
}

TEST(SpreadLabels, LabelsCrowdedAtTheBottomGoBackAboveIt) {
  const qreal h = 12;
  for (const std::vector<qreal>& centres : {std::vector<qreal>{480, 490, 495, 499}, std::vector<qreal>{499, 499, 499},
                                            std::vector<qreal>{}, std::vector<qreal>{600}}) {
    SCOPED_TRACE(centres.size());
    const std::vector<qreal> tops = spread_labels(centres, h, 500);
    ASSERT_EQ(tops.size(), centres.size());
    expect_apart_and_above(tops, h, 500);
  }
}

// A label in the way of an upright line (the cycle time) steps to the nearer
// side its segment has room on; without room, or out of the way, it stays.
TEST(ClearOfLine, StepsToTheNearerSideWithRoomOrStays) {
  // Label 100..160, line at 120, gap 4, segment 0..300: left needs 60, right 24.
  EXPECT_DOUBLE_EQ(clear_of_line(100, 60, 120, 4, 0, 300), 124);
  EXPECT_DOUBLE_EQ(clear_of_line(100, 60, 150, 4, 0, 300), 86);
  // The nearer side too narrow: the other one.
  EXPECT_DOUBLE_EQ(clear_of_line(100, 60, 120, 4, 40, 170), 56);
  // No room either side, or the line already a gap away.
  EXPECT_DOUBLE_EQ(clear_of_line(100, 60, 130, 4, 80, 180), 100);
  EXPECT_DOUBLE_EQ(clear_of_line(100, 60, 165, 4, 0, 300), 100);
}

TEST(SpreadPointLabels, LabelsAtOneSpeedStackAndThoseApartStayPut) {
  const qreal h = 12, w = 80;
  // Three labels at one speed a hair apart (a ramp's, a steady point's, a
  // braking's at small torques), one overlapping them across by a little, one far right.
  const std::vector<qreal> lefts{100, 100, 100, 170, 400}, widths{w, w, w, w, w};
  const std::vector<qreal> centres{201, 200, 202, 199, 200};
  const std::vector<qreal> tops = spread_point_labels(lefts, widths, centres, h, 500, 2);
  ASSERT_EQ(tops.size(), centres.size());
  std::vector<qreal> column{tops[0], tops[1], tops[2], tops[3]};
  std::sort(column.begin(), column.end());
  expect_apart_and_above(column, h, 500);
  EXPECT_DOUBLE_EQ(tops[4], 200 - h / 2);
  // Their upright order follows their points'.
  EXPECT_LT(tops[3], tops[1]);
  EXPECT_LT(tops[1], tops[0]);
  EXPECT_LT(tops[0], tops[2]);
}
