// Moments of inertia of wheels, coupling, screw and moved mass, and the total.
#include <gtest/gtest.h>

#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;

TEST(Inertias, FormulasReproduceTheWorkedExample) {
  Drive d;
  d.edit(dmk, "0.0350");
  EXPECT_EQ(d[jmk], "0.0000252117");
  d.edit(dok, "0.0940");
  EXPECT_EQ(d[jok], "0.0004139091");
  d.edit(dorso, "0.0160");
  EXPECT_EQ(d[jorso], "0.0000426573");
  d.edit(m, "30.0");
  EXPECT_EQ(d[jtomeg], "0.0000190170");
  // The coupling is absent (inertia 0) and the total still follows.
  EXPECT_EQ(d[jossz], "0.0001281050");
  Drive lead;
  lead.edit(h, "0.0050");
  EXPECT_EQ(lead[jtomeg], "0.0000190170");
}

TEST(Inertias, WheelDimensionsAndDensity) {
  struct Case {
    Field field;
    const char* text;
    const char* jmk;
  };
  const Case cases[] = {
      {dmk, "0.04", "0.0000430588"},  {pmk, "2700", "0.0000087271"}, {dmf, "0", "0.0000252807"},  // a solid wheel
      {dmf, "", "0.0000252807"},       // emptied: reads "0", a solid wheel
      {dmf, "0.05", "-0.0000800117"},  // bore beyond the rim: not refused
  };
  for (const Case& c : cases) {
    Drive d;
    d.edit(c.field, c.text);
    EXPECT_EQ(d[jmk], c.jmk) << name(c.field) << "=" << c.text;
  }
  Drive emptied;
  emptied.edit(dmf, "");
  EXPECT_EQ(emptied[dmf], "0");
}

TEST(Inertias, AbsentPartComputesZeroInsteadOfKeepingAStaleValue) {
  Drive d;
  d.edit(dmk, "0");
  d.edit(dmf, "0");
  EXPECT_EQ(d[jmk], "0.0000000000");
  d.edit(lmk, "-1");  // a negative width fails the guard: keeps the last value
  EXPECT_EQ(d[jmk], "0.0000000000");
}

TEST(Inertias, CouplingAndTotal) {
  Drive d;
  d.edit(dtk, "0.03");
  d.edit(dtf, "0.01");
  d.edit(ltk, "0.04");
  EXPECT_EQ(d[jtk], "0.0000084823");
  EXPECT_EQ(d[jossz], "0.0001365873");
}

TEST(Inertias, PageChangeRecomputesTheCouplingOnly) {
  Drive d;
  d.tab_changed();
  EXPECT_EQ(d[jtk], "0.0000000000");
  EXPECT_EQ(d[jossz], "0.0001281050");  // unchanged text: nothing ran behind it
  d.edit(ltk, "0.04");
  d.edit(dtk, "0.03");  // a solid coupling computes as soon as it has a rim
  EXPECT_EQ(d[jtk], "0.0000085883");
}

TEST(Inertias, MovedMass) {
  struct Case {
    const char* mass;
    const char* jtomeg;
    const char* jossz;
  };
  const Case cases[] = {
      {"40", "0.0000253560", "0.0001291193"},
      {"0", "0.0000000000", "0.0001250623"},
      // A negative inertia is no part of a drive: the total keeps its value.
      {"-30", "-0.0000190170", "0.0000000000"},
  };
  for (const Case& c : cases) {
    Drive d;
    d.edit(m, c.mass);
    EXPECT_EQ(d[jtomeg], c.jtomeg) << c.mass;
    EXPECT_EQ(d[jossz], c.jossz) << c.mass;
  }
  // Through the lead, a mass of 0 or below keeps the last inertia.
  Drive d;
  d.edit(m, "40");
  d.edit(m, "-1");
  d.edit(h, "0.004");
  EXPECT_EQ(d[jtomeg], "-0.0000006339");
}

TEST(Inertias, MassAndLeadBeyondTheSingleRangeEndTheMassBlock) {
  Drive d;
  d.edit(m, "1e39");  // a double, but no single
  EXPECT_EQ(d[jtomeg], "0.0000190170");
  EXPECT_EQ(d.mark(m), Problem::out_of_range);
  d.edit(m, "1e400");
  EXPECT_EQ(d.mark(m), Problem::out_of_range);
  d.edit(m, "30");
  EXPECT_EQ(d.mark(m), Problem::none);
  EXPECT_EQ(d[jtomeg], "0.0000190170");
}

TEST(Inertias, RatioChangeMovesTheTotal) {
  Drive d;
  d.edit(i, "2");
  EXPECT_EQ(d[jossz], "0.0001709075");
}

}  // namespace
}  // namespace vorbento::testing
