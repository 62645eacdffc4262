// Whether each field's text still follows the inputs shown. Every computed
// text (a result, or a motor speed or the ratio a block wrote) keeps what it
// was computed from, with the versions of those texts then; once an edit's
// whole recalculation has ended, every field is judged over them again.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/field.h"
#include "core/field_list.h"
#include "core/problem.h"

namespace vorbento {

// Why a result does not follow the inputs shown.
struct StaleCause {
  enum class Kind : std::uint8_t {
    never_computed,  // `field` still shows its initial text
    overflow,        // `field`'s last computation did not fit
    marked_input,    // `field` is an input with a mark
    changed,         // `field` changed since, and the result did not follow
    disagrees,       // `field`'s own text disagrees with its formula
  };
  Kind kind;
  Field field;
  bool operator==(const StaleCause&) const = default;
};

// The mark of every field, and every text shown, as the judgement reads them.
using Marks = std::array<Problem, kFieldCount>;
using Texts = std::array<std::string, kFieldCount>;

// An input's own text that a formula over other inputs' texts gives too (the
// motor speeds and the ratio, each also computed by a block): where the two
// disagree, the own text is not current, and nothing computed from it is.
struct Agreement {
  Fields reads;                                // the texts the formula reads
  double (*formula)(std::span<const double>);  // their numbers, in that order
  double relative = 0;                         // the difference allowed, as a part of the formula's value
  double absolute = 0;                         // and beyond that
};
using Agreements = std::array<std::optional<Agreement>, kFieldCount>;

class Staleness {
 public:
  Staleness() = default;
  explicit Staleness(const Agreements& agreements) : agreements_(&agreements) {}

  // Grows by one at every change of the field's text.
  std::uint32_t version(Field f) const { return versions_[index(f)]; }
  // An input's text is the user's own (typed, refilled, opened or initial),
  // not a computed value a block wrote there.
  bool own_text(Field input) const { return !bases_[index(input)].computed; }
  // As of the last refresh.
  bool stale(Field f) const { return stale_[index(f)]; }
  // For an own text that disagrees with its formula, what the formula gives.
  std::optional<double> formula_value(Field input) const;

  // Back to the start: every text at version 0 and nothing computed.
  void clear();
  // The field's text was replaced. An input's new text is its own, or, with
  // `from_value`, stands for the working value a block computed.
  void text_replaced(Field f, bool from_value);
  // A block wrote an input's text unchanged: it now stands for the working
  // value, also where the exchange writes the ratio back from a motor speed
  // just computed.
  void text_stands_for_value(Field input);
  // An input's working value was converted from its own text.
  void value_converted(Field input);
  // A block computed `result` from the current values of `used`: the result
  // follows them for as long as their texts stay as they are now. For an
  // input (a motor speed or the ratio) this is where its working value came
  // from; its text follows `used` once a block writes that value into it.
  void record(Field result, const Fields& used);

  // Judges every field afresh against `marks`; returns the fields whose
  // judgement changed. A result does not follow when it was computed from
  // texts that have changed since or from marked inputs, was never computed,
  // or overflowed; nor does an unmarked input whose text a block wrote from
  // such a computation. A marked input says what is wrong with it instead.
  // An input with its own text is stale only where it disagrees with its
  // formula over texts that are numbers and follow by the rules above (the
  // other of an opened ratio and motor speed counts as following): a
  // disagreement with a stale or marked input is that input's to show.
  std::bitset<kFieldCount> refresh(const Marks& marks, const Texts& texts);
  // The inputs and results behind a stale field, each named once.
  std::vector<StaleCause> causes(Field f, const Marks& marks) const;

 private:
  // What a field's text (or an input's working value) was computed from, with
  // the versions of their texts then; for an input, not computed means its own.
  struct Basis {
    bool computed = false;
    std::uint8_t count = 0;
    std::array<std::pair<Field, std::uint32_t>, Fields::kCapacity> used{};
  };
  struct Judging;

  bool follows(Field f, const Marks& marks, Judging& j) const;
  void judge(const Marks& marks, Judging& j) const;
  std::bitset<kFieldCount> disagreeing(const Marks& marks, const Texts& texts, const Judging& j);
  void collect_causes(Field f, const Marks& marks, std::vector<StaleCause>& out,
                      std::array<bool, kFieldCount>& seen) const;

  std::array<std::uint32_t, kFieldCount> versions_{};
  std::array<Basis, kFieldCount> bases_{};             // of each text
  std::array<Basis, kInputFieldCount> value_bases_{};  // of each input's working value
  std::array<bool, kFieldCount> stale_{};
  const Agreements* agreements_ = nullptr;
  std::bitset<kFieldCount> disagreeing_;
  std::array<double, kFieldCount> formula_values_{};  // of the disagreeing texts
};

}  // namespace vorbento
