#include "core/staleness.h"

#include <algorithm>

namespace vorbento {

namespace {

enum : std::uint8_t { kUnknown, kVisiting, kFollows, kStale };

}  // namespace

struct Staleness::Judging {
  std::array<std::uint8_t, kFieldCount> state{};
  // Met again while being judged: the ratio and the motor speed at G0, each
  // computed from the other once their exchange settled.
  std::bitset<kFieldCount> assumed;
  bool refuted = false;  // one of those turned out not to follow
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
// input with its own text follows; a result never computed does not.
bool Staleness::follows(Field f, const Marks& marks, Judging& j) const {
  std::uint8_t& state = j.state[index(f)];
  if (state == kVisiting) {
    j.assumed.set(index(f));
    return true;
  }
  if (state != kUnknown) return state == kFollows;
  state = kVisiting;
  const Basis& b = bases_[index(f)];
  bool ok = marks[index(f)] == Problem::none && (b.computed || is_input(f));
  for (std::uint8_t k = 0; ok && k < b.count; ++k)
    ok = versions_[index(b.used[k].first)] == b.used[k].second && follows(b.used[k].first, marks, j);
  state = ok ? kFollows : kStale;
  j.refuted = j.refuted || (!ok && j.assumed[index(f)]);
  return ok;
}

std::bitset<kFieldCount> Staleness::refresh(const Marks& marks) {
  Judging j;
  for (;;) {
    // An input with its own text is never stale: judged only where a
    // computation met it.
    for (std::size_t n = 0; n < kFieldCount; ++n)
      if (!is_input(field_at(n)) || bases_[n].computed) follows(field_at(n), marks, j);
    // A field taken as following while it was judged, that turned out not to:
    // what was judged on that assumption is judged again, knowing better.
    if (!j.refuted) break;
    for (std::uint8_t& state : j.state)
      if (state != kStale) state = kUnknown;
    j.assumed.reset();
    j.refuted = false;
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
  // Its own overflow, or its initial text, is all there is to say of it.
  if (marks[index(f)] != Problem::none) return add(StaleCause::Kind::overflow, f);
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

std::vector<StaleCause> Staleness::causes(Field f, const Marks& marks) const {
  std::vector<StaleCause> out;
  if (!stale(f)) return out;
  std::array<bool, kFieldCount> seen{};
  collect_causes(f, marks, out, seen);
  return out;
}

}  // namespace vorbento
