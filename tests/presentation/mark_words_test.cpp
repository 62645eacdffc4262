// The words of the marks a typed or opened design can earn beyond a bad text:
// an own motor speed or ratio at odds with the other inputs, and a cycle time
// shorter than its motions.
#include <gtest/gtest.h>

#include "calc/handlers.h"
#include "presentation/marks/mark_words.h"

namespace vorbento {
namespace {
using enum Field;

std::string words(const FieldStore& s, Field f) { return mark_words(s, f).toStdString(); }

TEST(MarkWords, AnOpenedRatioAtOddsWithItsMotorSpeedSaysWhatEachFormulaGives) {
  Calculator c;
  InputTexts design;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) design[n] = info(field_at(n)).initial;
  design[index(i)] = "4";
  c.load(design);
  EXPECT_EQ(words(c, nmg0), "Nem illik a többi bemenő adathoz: n_mG0 = 60·V_G0·i/h = 4800");
  EXPECT_EQ(words(c, i), "Nem illik a többi bemenő adathoz: i = n_mG0·h/(60·V_G0) = 2.5");
  EXPECT_EQ(words(c, peg0),
            "Nem követi a bemenő adatokat: n_mG0 nem illik a többi bemenő adathoz; "
            "i nem illik a többi bemenő adathoz");
  c.edit(nmg1, "500");
  EXPECT_EQ(words(c, nmg1), "Nem illik a többi bemenő adathoz: n_mG1 = V_G1/V_G0·n_mG0 = 498");
}

TEST(MarkWords, ACycleTimeShorterThanItsMotionsNamesTheirSum) {
  Calculator c;
  c.edit(tc, "2");
  EXPECT_EQ(words(c, tc), "A hat mozgás együtt 3.1166 s, hosszabb a ciklusidőnél.");
  c.edit(nmg1, "498");  // computes the accelerating torque at G1, a design-time text
  EXPECT_EQ(words(c, matlag), "Nem követi a bemenő adatokat: t_c rövidebb a hat mozgásnál");
}

}  // namespace
}  // namespace vorbento
