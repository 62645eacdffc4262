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

}  // namespace

FieldStore::FieldStore(const HandlerTable& handlers) : handlers_(handlers), staleness_(handlers.agreements) {
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
  recalculation_ended();
}

void FieldStore::write(Field f, std::string_view text) {
  if (held_[index(f)]) return;
  if (!is_input(f)) return assign(f, text, false);
  // The text now stands for the working value it shows, also where the
  // exchange writes the ratio back unchanged from a motor speed just computed.
  if (texts_[index(f)] == text) return staleness_.text_stands_for_value(f);
  assign(f, text, true);
}

void FieldStore::edit(Field f, std::string_view text) {
  const std::bitset<kFieldCount> outer = held_;
  held_.set(index(f));
  assign(f, text, false);
  held_ = outer;
}

void FieldStore::reset() {
  const Outermost scope(depth_, *this, &FieldStore::recalculation_ended);
  std::array<Problem, kFieldCount> before{};
  for (std::size_t n = 0; n < kFieldCount; ++n) before[n] = mark(field_at(n));
  values_ = {};
  overflowed_ = {};
  short_of_sum_ = false;
  staleness_.clear();
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
  const Outermost scope(depth_, *this, &FieldStore::recalculation_ended);
  const std::bitset<kFieldCount> outer = held_;
  reset();
  for (std::size_t n = 0; n < kInputFieldCount; ++n) held_.set(n);
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const Field f = field_at(n);
    if (text(f) != texts[n]) {
      assign(f, texts[n], false);  // runs the handler: the text changed
    } else if (const auto& handler = handlers_.fields[n]) {
      run(*handler, f);
    }
  }
  held_ = outer;
}

void FieldStore::assign(Field f, std::string_view text, bool from_value) {
  std::string& current = texts_[index(f)];
  if (current == text) return;  // the rule that ends every chain
  const std::optional<Handler>& handler = handlers_.fields[index(f)];
  if (handler && active_[index(f)] >= kMaxActiveRuns) return;
  const Outermost scope(depth_, *this, &FieldStore::recalculation_ended);
  current.assign(text);
  // Before the handler runs: the exchange it sets off may write this field again.
  staleness_.text_replaced(f, from_value);
  text_replaced(f);
  for (FieldObserver* o : observers_) o->text_changed(f, current);
  if (handler) run(*handler, f);
}

void FieldStore::tab_changed() {
  const Outermost scope(depth_, *this, &FieldStore::recalculation_ended);
  run(handlers_.tab, std::nullopt);
}

void FieldStore::run(const Handler& handler, Trigger own) {
  struct ActiveRun {
    int* count;
    explicit ActiveRun(int* c) : count(c) {
      if (count) ++*count;
    }
    ~ActiveRun() {
      if (count) --*count;
    }
  } active(own ? &active_[index(*own)] : nullptr);
  ++handler_runs_;

  // The refill is the handler's own write, made also while the user edits.
  if (handler.refills_empty && own && text(*own).empty()) assign(*own, "0", false);
  for (Step step : handler.steps) step(*this, own);
}

void FieldStore::text_replaced(Field f) {
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
    staleness_.value_converted(f);
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
  if (overflowed_[index(f)]) return Problem::overflow;
  return short_of_sum_ && f == handlers_.sum_bound->input ? Problem::shorter_than_motions : Problem::none;
}

std::optional<double> FieldStore::sum_beyond_bound() const {
  if (!short_of_sum_) return std::nullopt;
  return parts_sum_;
}

// Over the texts shown, as doubles: no working value need hold them yet.
void FieldStore::judge_sum_bound() {
  if (!handlers_.sum_bound) return;
  const SumBound& rule = *handlers_.sum_bound;
  bool now = false;
  const Parsed<double> bound = parse_double(text(rule.input));
  if (problems_[index(rule.input)] == Problem::none && !overflowed_[index(rule.input)] && bound) {
    double sum = 0;
    bool numbers = true;
    for (Field part : rule.parts) {
      const Parsed<double> v = parse_double(text(part));
      numbers = numbers && v;
      sum += v.value;
    }
    now = numbers && sum > bound.value;
    parts_sum_ = sum;
  }
  if (now == short_of_sum_) return;
  const Problem before = mark(rule.input);
  short_of_sum_ = now;
  notify_mark(rule.input, before);
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

void FieldStore::record(Field result, const Fields& used) { staleness_.record(result, used); }

Marks FieldStore::marks() const {
  Marks out{};
  for (std::size_t n = 0; n < kFieldCount; ++n) out[n] = mark(field_at(n));
  return out;
}

void FieldStore::recalculation_ended() {
  judge_sum_bound();
  const std::bitset<kFieldCount> changed = staleness_.refresh(marks(), texts_);
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (changed[n])
      for (FieldObserver* o : observers_) o->stale_changed(field_at(n), staleness_.stale(field_at(n)));
  for (FieldObserver* o : observers_) o->recalculated();
}

std::vector<StaleCause> FieldStore::stale_causes(Field f) const { return staleness_.causes(f, marks()); }

void FieldStore::remove_observer(FieldObserver* o) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

}  // namespace vorbento
