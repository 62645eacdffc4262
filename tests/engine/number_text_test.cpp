#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorbento {
namespace {

TEST(ParseSingle, AcceptsPlainPointCommaSignExponentAndBlanks) {
  struct Case {
    const char* text;
    float value;
  };
  const Case cases[] = {
      {"2", 2.0f},
      {"0.005", 0.005f},
      {"0,005", 0.005f},
      {"5.", 5.0f},
      {".5", 0.5f},
      {",5", 0.5f},
      {"+7", 7.0f},
      {"-2.5", -2.5f},
      {" \t3\t ", 3.0f},
      {"1e3", 1000.0f},
      {"1E-3", 0.001f},
      {"2.5e+2", 250.0f},
      {"007", 7.0f},
      {"0.0000268", 0.0000268f},
      // one line break at the end, as a spreadsheet cell is copied
      {"5\n", 5.0f},
      {"5\r\n", 5.0f},
      {" 5 \r\n", 5.0f},
  };
  for (const Case& c : cases) {
    const Parsed<float> r = parse_single(c.text);
    EXPECT_TRUE(r) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(ParseSingle, RejectsWhatIsNoNumber) {
  for (const char* text : {"",      " ",     "\t",  ".",   ",",     "-",   "+",   "e5",    "1e",      "1e+",
                           "1,2.3", "1.2.3", "--1", "+-1", "- 1",   "1 2", "inf", "nan",   "0x10",    "1,000.5",
                           "1 000", "abc",   "1a",  "\n1", "1\n\n", "1\r", "\n",  "1e5.5", "\xc3\xa9"}) {
    EXPECT_EQ(parse_single(text).problem, Problem::not_a_number) << '"' << text << '"';
  }
}

TEST(ParseSingle, IsTheSingleNearestTheDecimalNotADoubleCastDown) {
  // 1.00000005960464477539... lies exactly halfway between two singles;
  // just above it must round up, although the nearest double rounds down.
  const Parsed<float> r = parse_single("1.000000059604644775390626");
  ASSERT_TRUE(r);
  EXPECT_EQ(r.value, std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(parse_single("0.1").value, 0.1f);
}

TEST(ParseSingle, RangeEdges) {
  EXPECT_EQ(parse_single("3.4028234e38").value, std::numeric_limits<float>::max());
  EXPECT_EQ(parse_single("3.5e38").problem, Problem::out_of_range);
  EXPECT_EQ(parse_single("-1e39").problem, Problem::out_of_range);
  EXPECT_EQ(parse_single("1e999999999999999999999").problem, Problem::out_of_range);
  // Too small for a single is a zero, not a failure; subnormals survive.
  EXPECT_EQ(parse_single("1e-50").value, 0.0f);
  EXPECT_TRUE(parse_single("1e-50"));
  EXPECT_TRUE(std::signbit(parse_single("-1e-999999999999").value));
  EXPECT_EQ(parse_single("1e-40").value, 1e-40f);
  EXPECT_EQ(parse_single("0e99999").value, 0.0f);
  EXPECT_EQ(parse_single("0.000000000000000000000000000000000000000000000000001e51").value, 1.0f);
}

TEST(ParseSingle, MinusZeroIsNegativeZero) {
  const Parsed<float> r = parse_single("-0");
  ASSERT_TRUE(r);
  EXPECT_TRUE(std::signbit(r.value));
  EXPECT_FALSE(r.value > 0.0f);
  EXPECT_TRUE(r.value >= 0.0f);
}

TEST(ParseDouble, KeepsDoublePrecisionAndDoubleRange) {
  EXPECT_EQ(parse_double("0.005").value, 0.005);
  EXPECT_EQ(parse_double("1e300").value, 1e300);
  EXPECT_EQ(parse_double("1e309").problem, Problem::out_of_range);
  EXPECT_EQ(parse_double("x").problem, Problem::not_a_number);
}

TEST(FormatFixed, RoundsTheSevenDigitFormNotTheExactValue) {
  EXPECT_EQ(format_fixed(0.822967f, 8), "0.82296700");
  EXPECT_EQ(format_fixed(6.540001f, 8), "6.54000100");
  EXPECT_EQ(format_fixed(252.61279296875f, 8), "252.61280000");
  EXPECT_EQ(format_fixed(0.0083f, 7), "0.0083000");
  EXPECT_EQ(format_fixed(498.0f, 2), "498.00");
  EXPECT_EQ(format_fixed(0.0000190170f, 10), "0.0000190170");
}

TEST(FormatFixed, HalvesAwayFromZeroCarryAndSign) {
  EXPECT_EQ(format_fixed(0.125f, 2), "0.13");
  EXPECT_EQ(format_fixed(-0.125f, 2), "-0.13");
  EXPECT_EQ(format_fixed(9.995f, 2), "10.00");  // 9.995000 after 7 digits
  EXPECT_EQ(format_fixed(99.9996f, 3), "100.000");
  EXPECT_EQ(format_fixed(0.0f, 2), "0.00");
  EXPECT_EQ(format_fixed(-0.0f, 8), "0.00000000");
  EXPECT_EQ(format_fixed(-0.000000001f, 8), "0.00000000");
  EXPECT_EQ(format_fixed(-0.000000006f, 8), "-0.00000001");
  EXPECT_EQ(format_fixed(3000.0f, 10), "3000.0000000000");
  EXPECT_EQ(format_fixed(1e20f, 2), "100000000000000000000.00");
  // 16777215 has eight digits: the seventh is rounded first, ties to even.
  EXPECT_EQ(format_fixed(16777215.0f, 0), "16777220");
  EXPECT_EQ(format_fixed(16777225.0f, 2), "16777220.00");
}

TEST(FormatShort, SevenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(format_short(2.5f), "2.5");
  EXPECT_EQ(format_short(3000.0f), "3000");
  EXPECT_EQ(format_short(0.0f), "0");
  EXPECT_EQ(format_short(-0.0f), "0");
  EXPECT_EQ(format_short(-2.5f), "-2.5");
  EXPECT_EQ(format_short(7.3000011f), "7.300001");
  EXPECT_EQ(format_short(8760.0024f), "8760.002");
  EXPECT_EQ(format_short(0.0001f), "0.0001");
  EXPECT_EQ(format_short(1e-5f), "1E-05");
  EXPECT_EQ(format_short(12345678.0f), "1.234568E+07");
  EXPECT_EQ(format_short(9999999.0f), "9999999");
  EXPECT_EQ(format_short(99999999.0f), "1E+08");
  EXPECT_EQ(format_short(3.4028235e38f), "3.402823E+38");
  EXPECT_EQ(format_short(1e-40f), "9.999946E-41");
}

}  // namespace
}  // namespace vorbento
