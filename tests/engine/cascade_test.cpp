// The field store's cascade, on a small handler table of its own, so that the
// mechanics are seen apart from the drive's formulas.
#include "core/field_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorbento {
namespace {

std::vector<std::string> g_log;

// a's handler copies a's text into vg0, whose handler copies it back into a:
// a cycle that the same-text rule ends at once.
void copy_a_to_b(FieldStore& s, Trigger) {
  g_log.push_back("a:" + s.text(Field::a));
  s.write(Field::vg0, s.text(Field::a));
}
void b_step(FieldStore& s, Trigger) {
  g_log.push_back("vg0:" + s.text(Field::vg0));
  s.write(Field::a, s.text(Field::vg0));
}
void ping(FieldStore& s, Trigger) {  // i and nmg0 keep changing each other
  g_log.push_back("i");
  s.write(Field::nmg0, s.text(Field::i) + "0");
}
void pong(FieldStore& s, Trigger) {
  g_log.push_back("nmg0");
  s.write(Field::i, s.text(Field::nmg0) + "1");
}
void record_tab(FieldStore&, Trigger t) { g_log.push_back(t ? "field" : "tab"); }

constexpr Step kA[] = {copy_a_to_b};
constexpr Step kB[] = {b_step};
constexpr Step kPing[] = {ping};
constexpr Step kPong[] = {pong};
constexpr Step kTab[] = {record_tab};

const HandlerTable& table() {
  static const HandlerTable t = [] {
    HandlerTable x;
    x.fields[index(Field::a)] = Handler{true, kA};
    x.fields[index(Field::vg0)] = Handler{false, kB};
    x.fields[index(Field::i)] = Handler{true, kPing};
    x.fields[index(Field::nmg0)] = Handler{true, kPong};
    x.tab = Handler{false, kTab};
    return x;
  }();
  return t;
}

struct Recorder : FieldObserver {
  std::vector<std::string> texts, marks, failures;
  void text_changed(Field f, const std::string& t) override { texts.push_back(std::string(name(f)) + "=" + t); }
  void mark_changed(Field f, Problem p) override {
    marks.push_back(std::string(name(f)) + ":" + std::string(describe(p)));
  }
  void failed(Field f, Problem p) override {
    failures.push_back(std::string(name(f)) + ":" + std::string(describe(p)));
  }
};

class Cascade : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    store.add_observer(&rec);
  }
  FieldStore store{table()};
  Recorder rec;
};

TEST_F(Cascade, StartsFromInitialTextsWithoutRunningAnything) {
  EXPECT_EQ(store.text(Field::nmg0), "3000");
  EXPECT_EQ(store.text(Field::jossz), "0.0001281050");
  EXPECT_EQ(store.value(Field::nmg0), 0.0f);
  EXPECT_TRUE(g_log.empty());
}

TEST_F(Cascade, SameTextRunsNothingAnotherFormRunsTheHandler) {
  store.edit(Field::a, "2");
  EXPECT_TRUE(g_log.empty());
  EXPECT_TRUE(rec.texts.empty());
  store.edit(Field::a, "2.0");
  // Depth first: a's handler writes vg0, whose handler writes a's own text
  // back (unchanged, so the chain ends there).
  EXPECT_EQ(g_log, (std::vector<std::string>{"a:2.0", "vg0:2.0"}));
  EXPECT_EQ(rec.texts, (std::vector<std::string>{"a=2.0", "vg0=2.0"}));
}

TEST_F(Cascade, EmptiedInputIsRefilledAndItsBlocksRunTwice) {
  store.edit(Field::a, "");
  EXPECT_EQ(store.text(Field::a), "0");
  // The nested run with "0" first, then the outer run, also reading "0".
  EXPECT_EQ(g_log, (std::vector<std::string>{"a:0", "vg0:0", "a:0"}));
  EXPECT_EQ(rec.texts, (std::vector<std::string>{"a=", "a=0", "vg0=0"}));
}

TEST_F(Cascade, ExchangeThatNeverSettlesIsCutAtEightActiveRuns) {
  // The user's own field is never rewritten by the cascade of the edit.
  store.edit(Field::i, "5");
  EXPECT_EQ(g_log, (std::vector<std::string>{"i", "nmg0"}));
  EXPECT_EQ(store.text(Field::i), "5");
  // A write from elsewhere runs the exchange until the bound.
  g_log.clear();
  store.write(Field::i, "6");
  int pings = 0, pongs = 0;
  for (const std::string& s : g_log) (s == "i" ? pings : pongs)++;
  EXPECT_EQ(pings, FieldStore::kMaxActiveRuns);
  EXPECT_EQ(pongs, FieldStore::kMaxActiveRuns);
  EXPECT_EQ(store.active_runs(Field::i), 0);
  EXPECT_EQ(store.active_runs(Field::nmg0), 0);
}

TEST_F(Cascade, TabNotificationRunsTheTabHandlerWithoutAField) {
  store.tab_changed();
  EXPECT_EQ(g_log, (std::vector<std::string>{"tab"}));
}

TEST_F(Cascade, MarksFollowConversionsFailuresAndEdits) {
  store.write(Field::h, "abc");
  EXPECT_FALSE(store.convert(Field::h));
  EXPECT_EQ(store.mark(Field::h), Problem::not_a_number);
  store.write(Field::h, "0.004");
  EXPECT_TRUE(store.convert(Field::h));
  EXPECT_EQ(store.value(Field::h), 0.004f);
  EXPECT_EQ(store.mark(Field::h), Problem::none);

  // An overflowed result stays marked while its old text is converted.
  store.fail(Field::jossz, Problem::overflow);
  EXPECT_TRUE(store.convert(Field::jossz));
  EXPECT_EQ(store.mark(Field::jossz), Problem::overflow);
  store.clear_mark(Field::jossz);

  // A field no block reads is marked by the edit itself.
  store.edit(Field::mm, "1e99");
  EXPECT_EQ(store.mark(Field::mm), Problem::out_of_range);
  store.edit(Field::mm, "0.3");
  EXPECT_EQ(store.mark(Field::mm), Problem::none);

  EXPECT_EQ(rec.failures, (std::vector<std::string>{"h:not_a_number", "jossz:overflow"}));
  EXPECT_EQ(rec.marks.size(), 6u);
}

TEST_F(Cascade, FailedConversionKeepsTheWorkingValue) {
  store.set_value(Field::vg1, 0.5f);
  store.write(Field::vg1, "1e39");
  EXPECT_FALSE(store.convert(Field::vg1));
  EXPECT_EQ(store.value(Field::vg1), 0.5f);
  EXPECT_EQ(store.text(Field::vg1), "1e39");  // the user corrects it in place
}

}  // namespace
}  // namespace vorbento
