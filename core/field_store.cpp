#include "core/field_store.h"

#include <algorithm>

#include "core/number_text.h"

namespace vorbento {

FieldStore::FieldStore(const HandlerTable& handlers) : handlers_(handlers) {
  for (std::size_t n = 0; n < kFieldCount; ++n) texts_[n] = info(field_at(n)).initial;
}

void FieldStore::write(Field f, std::string_view text) {
  std::string& current = texts_[index(f)];
  if (current == text) return;  // the rule that ends every chain
  const std::optional<Handler>& handler = handlers_.fields[index(f)];
  if (handler && active_[index(f)] >= kMaxActiveRuns) return;
  current.assign(text);
  for (FieldObserver* o : observers_) o->text_changed(f, current);
  if (handler) run(*handler, f);
}

void FieldStore::edit(Field f, std::string_view text) {
  write(f, text);
  const Parsed<float> own = parse_single(this->text(f));
  set_mark(f, own.problem);
}

void FieldStore::tab_changed() { run(handlers_.tab, std::nullopt); }

void FieldStore::run(const Handler& handler, Trigger own) {
  struct ActiveRun {
    int* count;
    explicit ActiveRun(int* c) : count(c) { if (count) ++*count; }
    ~ActiveRun() { if (count) --*count; }
  } active(own ? &active_[index(*own)] : nullptr);
  ++handler_runs_;

  if (handler.refills_empty && own && text(*own).empty()) write(*own, "0");
  for (Step step : handler.steps) step(*this, own);
}

bool FieldStore::convert(Field f) {
  const Parsed<float> r = parse_single(text(f));
  if (!r) {
    fail(f, r.problem);
    return false;
  }
  values_[index(f)] = r.value;
  clear_conversion_mark(f);
  return true;
}

std::optional<double> FieldStore::convert_double(Field f) {
  const Parsed<double> r = parse_double(text(f));
  if (!r) {
    fail(f, r.problem);
    return std::nullopt;
  }
  clear_conversion_mark(f);
  return r.value;
}

void FieldStore::fail(Field f, Problem p) {
  for (FieldObserver* o : observers_) o->failed(f, p);
  set_mark(f, p);
}

void FieldStore::clear_mark(Field f) { set_mark(f, Problem::none); }

void FieldStore::clear_conversion_mark(Field f) {
  // A stale result marked as overflowed stays marked although its (old) text
  // still converts; only its next successful computation clears that.
  if (marks_[index(f)] != Problem::overflow) set_mark(f, Problem::none);
}

void FieldStore::set_mark(Field f, Problem p) {
  Problem& m = marks_[index(f)];
  if (m == p) return;
  m = p;
  for (FieldObserver* o : observers_) o->mark_changed(f, p);
}

void FieldStore::remove_observer(FieldObserver* o) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

}  // namespace vorbento
