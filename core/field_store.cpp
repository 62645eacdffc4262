#include "core/field_store.h"

#include <algorithm>

#include "core/number_text.h"

namespace vorbento {

namespace {

// Counts the store's operations under way; when the outermost one ends, the
// whole recalculation of an edit is over and the results' marks are brought
// up to date once.
class Outermost {
 public:
  Outermost(int& depth, FieldStore& store, void (FieldStore::*done)()) : depth_(depth), store_(store), done_(done) {
    ++depth_;
  }
  ~Outermost() {
    if (--depth_ == 0) (store_.*done_)();
  }
  Outermost(const Outermost&) = delete;
  Outermost& operator=(const Outermost&) = delete;

 private:
  int& depth_;
  FieldStore& store_;
  void (FieldStore::*done_)();
};

enum : std::uint8_t { kUnknown, kVisiting, kFollows, kStale };

}  // namespace

struct FieldStore::Judging {
  std::array<std::uint8_t, kFieldCount> state{};
  // Met again while being judged: the ratio and the motor speed at G0, each
  // computed from the other once their exchange settled.
  std::bitset<kFieldCount> assumed;
  bool refuted = false;  // one of those turned out not to follow
};

FieldStore::FieldStore(const HandlerTable& handlers) : handlers_(handlers) {
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    texts_[n] = info(f).initial;
    if (is_input(f)) {
      if (const auto outer = handlers_.inputs[n].outer) bore_of_[index(*outer)] = f;
    } else if (const auto& basis = handlers_.start_basis[n]) {
      record(f, *basis);  // version 0 of every field
    }
  }
  for (std::size_t n = 0; n < kInputFieldCount; ++n) problems_[n] = judge_input(field_at(n));
  refresh_stale();
}

void FieldStore::write(Field f, std::string_view text) {
  if (held_[index(f)]) return;
  if (!is_input(f)) return assign(f, text, nullptr);
  // The text now stands for the working value it shows, also where the
  // exchange writes the ratio back unchanged from a motor speed just computed.
  const Basis& source = value_bases_[index(f)];
  if (texts_[index(f)] == text) {
    bases_[index(f)] = source;
    return;
  }
  assign(f, text, &source);
}

void FieldStore::edit(Field f, std::string_view text) {
  const std::bitset<kFieldCount> outer = held_;
  held_.set(index(f));
  assign(f, text, nullptr);
  held_ = outer;
}

void FieldStore::reset() {
  const Outermost scope(depth_, *this, &FieldStore::refresh_stale);
  std::array<Problem, kFieldCount> before{};
  for (std::size_t n = 0; n < kFieldCount; ++n) before[n] = mark(field_at(n));
  values_ = {};
  versions_ = {};
  overflowed_ = {};
  bases_ = {};
  value_bases_ = {};
  problems_ = {};
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    if (texts_[n] != info(f).initial) {
      texts_[n] = info(f).initial;
      for (FieldObserver* o : observers_) o->text_changed(f, texts_[n]);
    }
    if (!is_input(f) && handlers_.start_basis[n]) record(f, *handlers_.start_basis[n]);
  }
  for (std::size_t n = 0; n < kInputFieldCount; ++n) problems_[n] = judge_input(field_at(n));
  for (std::size_t n = 0; n < kFieldCount; ++n) notify_mark(field_at(n), before[n]);
}

void FieldStore::load(const InputTexts& texts) {
  const Outermost scope(depth_, *this, &FieldStore::refresh_stale);
  const std::bitset<kFieldCount> outer = held_;
  reset();
  for (std::size_t n = 0; n < kInputFieldCount; ++n) held_.set(n);
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const Field f = field_at(n);
    if (text(f) != texts[n]) {
      assign(f, texts[n], nullptr);  // runs the handler: the text changed
    } else if (const auto& handler = handlers_.fields[n]) {
      run(*handler, f);
    }
  }
  held_ = outer;
}

void FieldStore::assign(Field f, std::string_view text, const Basis* source) {
  std::string& current = texts_[index(f)];
  if (current == text) return;  // the rule that ends every chain
  const std::optional<Handler>& handler = handlers_.fields[index(f)];
  if (handler && active_[index(f)] >= kMaxActiveRuns) return;
  const Outermost scope(depth_, *this, &FieldStore::refresh_stale);
  current.assign(text);
  // Before the handler runs: the exchange it sets off may write this field again.
  if (is_input(f)) {
    if (source) {
      bases_[index(f)] = *source;
    } else {
      bases_[index(f)].computed = false;
      bases_[index(f)].count = 0;
    }
  }
  text_replaced(f);
  for (FieldObserver* o : observers_) o->text_changed(f, current);
  if (handler) run(*handler, f);
}

void FieldStore::tab_changed() {
  const Outermost scope(depth_, *this, &FieldStore::refresh_stale);
  run(handlers_.tab, std::nullopt);
}

void FieldStore::run(const Handler& handler, Trigger own) {
  struct ActiveRun {
    int* count;
    explicit ActiveRun(int* c) : count(c) { if (count) ++*count; }
    ~ActiveRun() { if (count) --*count; }
  } active(own ? &active_[index(*own)] : nullptr);
  ++handler_runs_;

  // The refill is the handler's own write, made also while the user edits.
  if (handler.refills_empty && own && text(*own).empty()) assign(*own, "0", nullptr);
  for (Step step : handler.steps) step(*this, own);
}

void FieldStore::text_replaced(Field f) {
  ++versions_[index(f)];
  if (!is_input(f)) return;
  // A new text is the user's (or the formula's) fresh number: an overflow of
  // an earlier computation no longer applies to it.
  set_overflowed(f, false);
  set_problem(f, judge_input(f));
  if (const auto bore = bore_of_[index(f)]) set_problem(*bore, judge_input(*bore));
}

Problem FieldStore::judge_input(Field f) const {
  const Parsed<float> own = parse_single(text(f));
  if (!own) return own.problem;
  const InputRule& rule = handlers_.inputs[index(f)];
  if (rule.need == InputRule::Need::positive && !(own.value > 0.0f)) return Problem::not_positive;
  if (rule.need == InputRule::Need::nonnegative && own.value < 0.0f) return Problem::negative;
  // A bore is measured against its outer diameter only where that is itself a
  // usable number: one mistake in the outer diameter gives one mark, on it.
  if (rule.outer && judge_input(*rule.outer) == Problem::none) {
    const Parsed<float> outer = parse_single(text(*rule.outer));
    if (own.value > outer.value) return Problem::bore_too_large;
  }
  return Problem::none;
}

bool FieldStore::convert(Field f) {
  const Parsed<float> r = parse_single(text(f));
  if (!r) {
    fail(f, r.problem);
    return false;
  }
  values_[index(f)] = r.value;
  if (is_input(f)) {
    value_bases_[index(f)].computed = false;
    value_bases_[index(f)].count = 0;
  } else {
    set_problem(f, Problem::none);
  }
  return true;
}

std::optional<double> FieldStore::convert_double(Field f) {
  const Parsed<double> r = parse_double(text(f));
  if (!r) {
    fail(f, r.problem);
    return std::nullopt;
  }
  if (!is_input(f)) set_problem(f, Problem::none);
  return r.value;
}

void FieldStore::fail(Field f, Problem p) {
  for (FieldObserver* o : observers_) o->failed(f, p);
  if (p == Problem::overflow) {
    set_overflowed(f, true);
  } else if (!is_input(f)) {
    set_problem(f, p);  // an input's text mark already says so
  }
}

void FieldStore::clear_mark(Field f) { set_overflowed(f, false); }

Problem FieldStore::mark(Field f) const {
  if (problems_[index(f)] != Problem::none) return problems_[index(f)];
  return overflowed_[index(f)] ? Problem::overflow : Problem::none;
}

void FieldStore::set_problem(Field f, Problem p) {
  const Problem before = mark(f);
  problems_[index(f)] = p;
  notify_mark(f, before);
}

void FieldStore::set_overflowed(Field f, bool on) {
  const Problem before = mark(f);
  overflowed_[index(f)] = on;
  notify_mark(f, before);
}

void FieldStore::notify_mark(Field f, Problem before) {
  const Problem now = mark(f);
  if (now == before) return;
  for (FieldObserver* o : observers_) o->mark_changed(f, now);
}

void FieldStore::record(Field result, const Fields& used) {
  Basis& b = is_input(result) ? value_bases_[index(result)] : bases_[index(result)];
  b.computed = true;
  b.count = 0;
  for (Field g : used) b.used[b.count++] = {g, versions_[index(g)]};
}

// A field follows when it carries no mark and, if its text was computed (a
// result, or a motor speed or the ratio a block wrote), every field it was
// computed from still shows the text it had then and follows in turn. An
// input with its own text follows; a result never computed does not.
bool FieldStore::follows(Field f, Judging& j) const {
  std::uint8_t& state = j.state[index(f)];
  if (state == kVisiting) {
    j.assumed.set(index(f));
    return true;
  }
  if (state != kUnknown) return state == kFollows;
  state = kVisiting;
  const Basis& b = bases_[index(f)];
  bool ok = mark(f) == Problem::none && (b.computed || is_input(f));
  for (std::uint8_t k = 0; ok && k < b.count; ++k)
    ok = versions_[index(b.used[k].first)] == b.used[k].second && follows(b.used[k].first, j);
  state = ok ? kFollows : kStale;
  j.refuted = j.refuted || (!ok && j.assumed[index(f)]);
  return ok;
}

void FieldStore::refresh_stale() {
  Judging j;
  for (;;) {
    // An input with its own text is never stale: judged only where a
    // computation met it.
    for (std::size_t n = 0; n < kFieldCount; ++n)
      if (!is_input(field_at(n)) || bases_[n].computed) follows(field_at(n), j);
    // A field taken as following while it was judged, that turned out not to:
    // what was judged on that assumption is judged again, knowing better.
    if (!j.refuted) break;
    for (std::uint8_t& state : j.state)
      if (state != kStale) state = kUnknown;
    j.assumed.reset();
    j.refuted = false;
  }
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    // A marked input says what is wrong with it instead.
    const bool now = j.state[n] == kStale && (!is_input(f) || mark(f) == Problem::none);
    if (now == stale_[n]) continue;
    stale_[n] = now;
    for (FieldObserver* o : observers_) o->stale_changed(f, now);
  }
  for (FieldObserver* o : observers_) o->recalculated();
}

void FieldStore::collect_causes(Field f, std::vector<StaleCause>& out, std::array<bool, kFieldCount>& seen) const {
  if (seen[index(f)]) return;
  seen[index(f)] = true;
  auto add = [&out](StaleCause::Kind k, Field g) {
    const StaleCause c{k, g};
    if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
  };
  const Basis& b = bases_[index(f)];
  // Its own overflow, or its initial text, is all there is to say of it.
  if (mark(f) != Problem::none) return add(StaleCause::Kind::overflow, f);
  if (!b.computed) return add(StaleCause::Kind::never_computed, f);
  for (std::uint8_t k = 0; k < b.count; ++k) {
    const Field g = b.used[k].first;
    if (is_input(g) && mark(g) != Problem::none) {
      add(StaleCause::Kind::marked_input, g);
    } else if (stale_[index(g)]) {
      collect_causes(g, out, seen);
    } else if (versions_[index(g)] != b.used[k].second) {
      add(StaleCause::Kind::changed, g);
    }
  }
}

std::vector<StaleCause> FieldStore::stale_causes(Field f) const {
  std::vector<StaleCause> out;
  if (!stale(f)) return out;
  std::array<bool, kFieldCount> seen{};
  collect_causes(f, out, seen);
  return out;
}

void FieldStore::remove_observer(FieldObserver* o) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

}  // namespace vorbento
