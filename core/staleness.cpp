#include "core/staleness.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace vorbento {

namespace {

enum : std::uint8_t { kUnknown, kVisiting, kFollows, kStale };

}  // namespace

struct Staleness::Judging {
  std::array<std::uint8_t, kFieldCount> state{};
  // Met again while being judged: the ratio and the motor speed at G0, each
  // computed from the other once their exchange settled.
  std::bitset<kFieldCount> assumed;
  bool refuted = false;                  // one of those turned out not to follow
  std::bitset<kFieldCount> disagreeing;  // own texts taken as not following
};

void Staleness::clear() {
  versions_ = {};
  bases_ = {};
  value_bases_ = {};
}

void Staleness::text_replaced(Field f, bool from_value) {
  ++versions_[index(f)];
  if (!is_input(f)) return;
  if (from_value) {
    bases_[index(f)] = value_bases_[index(f)];
  } else {
    bases_[index(f)].computed = false;
    bases_[index(f)].count = 0;
  }
}

void Staleness::text_stands_for_value(Field input) { bases_[index(input)] = value_bases_[index(input)]; }

void Staleness::value_converted(Field input) {
  value_bases_[index(input)].computed = false;
  value_bases_[index(input)].count = 0;
}

void Staleness::record(Field result, const Fields& used) {
  Basis& b = is_input(result) ? value_bases_[index(result)] : bases_[index(result)];
  b.computed = true;
  b.count = 0;
  for (Field g : used) b.used[b.count++] = {g, versions_[index(g)]};
}

// A field follows when it carries no mark and, if its text was computed (a
// result, or a motor speed or the ratio a block wrote), every field it was
// computed from still shows the text it had then and follows in turn. An
// input with its own text follows unless it disagrees with its formula; a
// result never computed does not.
bool Staleness::follows(Field f, const Marks& marks, Judging& j) const {
  std::uint8_t& state = j.state[index(f)];
  if (state == kVisiting) {
    j.assumed.set(index(f));
    return true;
  }
  if (state != kUnknown) return state == kFollows;
  state = kVisiting;
  const Basis& b = bases_[index(f)];
  bool ok = marks[index(f)] == Problem::none && (b.computed || is_input(f)) && !j.disagreeing[index(f)];
  for (std::uint8_t k = 0; ok && k < b.count; ++k)
    ok = versions_[index(b.used[k].first)] == b.used[k].second && follows(b.used[k].first, marks, j);
  state = ok ? kFollows : kStale;
  j.refuted = j.refuted || (!ok && j.assumed[index(f)]);
  return ok;
}

void Staleness::judge(const Marks& marks, Judging& j) const {
  for (;;) {
    // An input with its own text is judged only where a computation met it,
    // or where it disagrees with its formula.
    for (std::size_t n = 0; n < kFieldCount; ++n)
      if (!is_input(field_at(n)) || bases_[n].computed || j.disagreeing[n]) follows(field_at(n), marks, j);
    // A field taken as following while it was judged, that turned out not to:
    // what was judged on that assumption is judged again, knowing better.
    if (!j.refuted) return;
    for (std::uint8_t& state : j.state)
      if (state != kStale) state = kUnknown;
    j.assumed.reset();
    j.refuted = false;
  }
}

std::bitset<kFieldCount> Staleness::disagreeing(const Marks& marks, const Texts& texts, const Judging& j) {
  std::bitset<kFieldCount> out;
  if (!agreements_) return out;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const std::optional<Agreement>& rule = (*agreements_)[n];
    if (!rule || bases_[n].computed || marks[n] != Problem::none) continue;
    const Parsed<double> own = parse_double(texts[n]);
    std::array<double, Fields::kCapacity> numbers{};
    std::size_t count = 0;
    bool usable = static_cast<bool>(own);
    for (Field r : rule->reads) {
      const Parsed<double> v = parse_double(texts[index(r)]);
      usable = usable && v && marks[index(r)] == Problem::none && j.state[index(r)] != kStale;
      numbers[count++] = v.value;
    }
    if (!usable) continue;
    const double value = rule->formula(std::span<const double>(numbers.data(), count));
    const double allowed = rule->relative * std::abs(value) + rule->absolute;
    if (!std::isfinite(value) || std::abs(own.value - value) <= allowed) continue;
    out.set(n);
    formula_values_[n] = value;
  }
  return out;
}

std::bitset<kFieldCount> Staleness::refresh(const Marks& marks, const Texts& texts) {
  Judging j;
  judge(marks, j);
  disagreeing_ = disagreeing(marks, texts, j);
  if (disagreeing_.any()) {
    j = Judging{};
    j.disagreeing = disagreeing_;
    judge(marks, j);
  }
  std::bitset<kFieldCount> changed;
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    // A marked input says what is wrong with it instead.
    const bool now = j.state[n] == kStale && (!is_input(field_at(n)) || marks[n] == Problem::none);
    if (now == stale_[n]) continue;
    stale_[n] = now;
    changed.set(n);
  }
  return changed;
}

void Staleness::collect_causes(Field f, const Marks& marks, std::vector<StaleCause>& out,
                               std::array<bool, kFieldCount>& seen) const {
  if (seen[index(f)]) return;
  seen[index(f)] = true;
  auto add = [&out](StaleCause::Kind k, Field g) {
    const StaleCause c{k, g};
    if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
  };
  const Basis& b = bases_[index(f)];
  // Its own overflow, disagreement or initial text is all there is to say of it.
  if (marks[index(f)] != Problem::none) return add(StaleCause::Kind::overflow, f);
  if (disagreeing_[index(f)]) return add(StaleCause::Kind::disagrees, f);
  if (!b.computed) return add(StaleCause::Kind::never_computed, f);
  for (std::uint8_t k = 0; k < b.count; ++k) {
    const Field g = b.used[k].first;
    if (is_input(g) && marks[index(g)] != Problem::none) {
      add(StaleCause::Kind::marked_input, g);
    } else if (stale_[index(g)]) {
      collect_causes(g, marks, out, seen);
    } else if (versions_[index(g)] != b.used[k].second) {
      add(StaleCause::Kind::changed, g);
    }
  }
}

std::optional<double> Staleness::formula_value(Field input) const {
  if (!stale(input) || !disagreeing_[index(input)]) return std::nullopt;
  return formula_values_[index(input)];
}

std::vector<StaleCause> Staleness::causes(Field f, const Marks& marks) const {
  std::vector<StaleCause> out;
  if (!stale(f)) return out;
  std::array<bool, kFieldCount> seen{};
  collect_causes(f, marks, out, seen);
  return out;
}

}  // namespace vorbento
