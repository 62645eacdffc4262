// The motor and screw check against figures worked by hand from the texts the
// pages show.
#include <gtest/gtest.h>

#include "calc/check_figures.h"
#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum CheckFigure;

std::string shown(const CheckFigureValues& v, CheckFigure c) { return v[index(c)].text; }

TEST(Check, FixedSupportedScrewOfTheWorkedExample) {
  Drive d;
  const CheckFigureValues v = check_figures(d, initial_check_texts());
  EXPECT_EQ(shown(v, mcsucs), "0.8253275");  // M_gyG0, larger than either braking torque
  EXPECT_EQ(shown(v, jarany), "3.780037");
  EXPECT_EQ(shown(v, natlag), "1185.752");
  EXPECT_EQ(shown(v, elg1), "0.1542107");
  EXPECT_EQ(shown(v, elg0), "6.15182");
  EXPECT_EQ(shown(v, pfek), "1.801723");
  EXPECT_EQ(shown(v, norso), "1200");
  EXPECT_EQ(shown(v, nmeg), "2716.955");
  EXPECT_EQ(shown(v, dn), "19200");
  EXPECT_EQ(shown(v, fax), "318.86");
  EXPECT_EQ(shown(v, fkih), "3953.08");
  EXPECT_EQ(shown(v, fmeg), "19604");
  EXPECT_DOUBLE_EQ(v[index(nmeg)].value, 2716.955);  // the number is the one shown

  CheckTexts fixed = initial_check_texts();
  fixed[index(CheckInput::csapagyazas)] = "befogott-befogott";
  EXPECT_EQ(shown(check_figures(d, fixed), nmeg), "3940.484");
}

TEST(Check, DirectCouplingWithoutMotorInertiaHasNoRatio) {
  Drive d;
  for (Field f : {Field::dok, Field::dof, Field::lok, Field::dmk, Field::dmf, Field::lmk}) d.edit(f, "0");
  d.edit(Field::i, "1");
  d.edit(Field::jm, "0");
  const CheckFigureValues v = check_figures(d, initial_check_texts());
  EXPECT_EQ(shown(v, jarany), "nem számolható");
  EXPECT_FALSE(v[index(jarany)].ok());
  EXPECT_EQ(shown(v, norso), "1200");  // the screw turns as before: the lead decides
  EXPECT_EQ(shown(v, nmeg), "2716.955");
}

TEST(Check, NegativeBrakingTorqueGivesNegativeEnergy) {
  Drive d;
  d.edit(Field::f, "3000");
  ASSERT_EQ(d[Field::mlg1].front(), '-');
  const CheckFigureValues v = check_figures(d, initial_check_texts());
  EXPECT_LT(v[index(elg1)].value, 0);
  EXPECT_EQ(shown(v, elg1), "-0.06011374");  // ½ · (−0.2778996) · (6.28 · 498 / 60) · 0.0083
}

TEST(Check, MissingAndBadInputs) {
  Drive d;
  CheckTexts texts = initial_check_texts();
  texts[index(CheckInput::dorsomag)] = "";
  CheckFigureValues v = check_figures(d, texts);
  for (CheckFigure c : {nmeg, fkih, fmeg}) EXPECT_EQ(shown(v, c), "nincs megadva");
  EXPECT_EQ(shown(v, fax), "318.86");  // reads no screw data

  texts[index(CheckInput::dorsomag)] = "0,013";  // a comma as on the pages
  EXPECT_EQ(shown(check_figures(d, texts), fmeg), "19604");
  texts[index(CheckInput::dorsomag)] = "abc";
  EXPECT_EQ(shown(check_figures(d, texts), fmeg), "nem számolható");
  d.edit(Field::h, "x");
  EXPECT_EQ(shown(check_figures(d, texts), norso), "nem számolható");

  EXPECT_EQ(judge_check_input(CheckInput::nmmax, "abc"), Problem::not_a_number);
  EXPECT_EQ(judge_check_input(CheckInput::nmmax, "0"), Problem::not_positive);
  EXPECT_EQ(judge_check_input(CheckInput::nmmax, ""), Problem::none);
  EXPECT_EQ(judge_check_input(CheckInput::csapagyazas, "befogott"), Problem::not_a_number);
}

}  // namespace
}  // namespace vorbento::testing
