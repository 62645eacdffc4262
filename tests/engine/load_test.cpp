// Opening a design: the start state, then every input's text and handler in
// field-table order, with no block rewriting an input on the way.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/mark_list.h"
#include "drive_session.h"

namespace vorbento::testing {
namespace {
using enum Field;

InputTexts initial_inputs() {
  InputTexts t;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) t[n] = info(field_at(n)).initial;
  return t;
}

std::vector<std::string> state_of(const Drive& d) {
  std::vector<std::string> out;
  for (std::size_t n = 0; n < kFieldCount; ++n) out.push_back(d[field_at(n)]);
  for (const auto& [f, kind] : marked_fields(d)) out.push_back(std::string(name(f)) + "=" + std::string(kind));
  return out;
}

struct Tally : FieldObserver {
  int recalculations = 0;
  void recalculated() override { ++recalculations; }
};

TEST(Load, InitialExampleComputesEveryResult) {
  Drive d;
  Tally tally;
  d.add_observer(&tally);
  d.load(initial_inputs());
  EXPECT_EQ(tally.recalculations, 1);
  EXPECT_EQ(d[mgyg1], "0.89609890");
  EXPECT_EQ(d[peg1], "4.77452900");
  EXPECT_EQ(d[matlag], "0.16288750");
  EXPECT_TRUE(marked_fields(d).empty());
  for (std::size_t n = 0; n < kInputFieldCount; ++n) EXPECT_EQ(d[field_at(n)], info(field_at(n)).initial);
}

TEST(Load, EveryInputShowsItsTextAndEmptyRefills) {
  InputTexts texts = initial_inputs();
  texts[index(nmg0)] = "3600";  // would move the ratio and G1 motor speed in an edit
  texts[index(vg0)] = "0.12";   // would rewrite the ratio
  texts[index(h)] = " 0,004 ";
  texts[index(m)] = "abc";
  texts[index(f)] = "";
  Drive d;
  d.load(texts);
  texts[index(f)] = "0";
  for (std::size_t n = 0; n < kInputFieldCount; ++n) EXPECT_EQ(d[field_at(n)], texts[n]) << name(field_at(n));
  EXPECT_EQ(d.mark(m), Problem::not_a_number);
  EXPECT_TRUE(d.stale(jtomeg));
}

TEST(Load, AfterAnyEditsEqualsALoadIntoANewStore) {
  std::mt19937 rng(19);
  const char* words[] = {"", "0", "1", "2.5", "abc", "1e39", "-3", "0,5", "7800", "0.02"};
  InputTexts texts = initial_inputs();
  texts[index(i)] = "3";
  texts[index(dof)] = "0.2";  // wider than its part
  Drive fresh;
  fresh.load(texts);
  Drive used;
  for (int k = 0; k < 300; ++k) used.edit(field_at(rng() % kInputFieldCount), words[rng() % std::size(words)]);
  used.tab_changed();
  used.load(texts);
  EXPECT_EQ(state_of(used), state_of(fresh));
  used.reset();
  EXPECT_EQ(state_of(used), state_of(Drive{}));
}

}  // namespace
}  // namespace vorbento::testing
