// The field store: 54 texts, 52 single-precision working values, and the
// cascade by which a write that changes a text runs that field's handler at
// once, nested inside the writer. It also keeps the marks: what is wrong with
// an input's text, and whether a result, or an input a block computes (the
// motor speeds and the ratio), still follows the inputs shown.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/field.h"
#include "core/field_list.h"
#include "core/problem.h"
#include "core/staleness.h"

namespace vorbento {

class FieldStore;

// The field whose handler runs a block; the tab control's handler has none.
using Trigger = std::optional<Field>;

// One recomputation block of a handler.
using Step = void (*)(FieldStore& store, Trigger trigger);

struct Handler {
  // Input-page handlers first refill an emptied text with "0"; that write runs
  // the same handler again, nested, before this run goes on.
  bool refills_empty = false;
  std::span<const Step> steps;
};

// An input no smaller than the sum of other fields' texts: the cycle time
// holds its six motions.
struct SumBound {
  Field input;
  Fields parts;
};

struct HandlerTable {
  std::array<std::optional<Handler>, kFieldCount> fields;  // nullopt: no handler
  Handler tab;                                             // run when the tab control shows another page
  std::array<InputRule, kFieldCount> inputs{};             // read for the input fields only
  // The results whose initial texts follow from the initial inputs, with the
  // fields their formula uses; the others count as never computed.
  std::array<std::optional<Fields>, kFieldCount> start_basis{};
  // The inputs a formula over other inputs gives too, judged when their text is their own.
  Agreements agreements{};
  std::optional<SumBound> sum_bound;
};

// The 33 input texts of a design, in field-table order.
using InputTexts = std::array<std::string, kInputFieldCount>;

// Whoever mirrors the fields (the window, the replay tool, tests).
class FieldObserver {
 public:
  virtual ~FieldObserver() = default;
  // A field's text was replaced; called before the field's handler runs.
  virtual void text_changed(Field, const std::string&) {}
  // A block met a failure in this field (a text that does not convert, or a
  // result that does not fit); the block wrote nothing.
  virtual void failed(Field, Problem) {}
  // The field's mark changed (see FieldStore::mark).
  virtual void mark_changed(Field, Problem) {}
  // A result started or stopped following the inputs; told once the whole
  // recalculation of an edit has ended.
  virtual void stale_changed(Field, bool) {}
  // The whole recalculation of an edit (or of a page change) has ended.
  virtual void recalculated() {}
};

class FieldStore {
 public:
  // A changed write into a field whose handler is already this many times
  // active is skipped. Only the ratio/motor-speed exchange (i <-> nmg0) gets
  // there; it settles long before in practice, but can otherwise drift one
  // unit of the 7th digit per round trip for a dozen trips.
  static constexpr int kMaxActiveRuns = 8;

  explicit FieldStore(const HandlerTable& handlers);
  FieldStore(const FieldStore&) = delete;
  FieldStore& operator=(const FieldStore&) = delete;

  const std::string& text(Field f) const { return texts_[index(f)]; }
  float value(Field f) const { return values_[index(f)]; }
  void set_value(Field f, float v) { values_[index(f)] = v; }
  int active_runs(Field f) const { return active_[index(f)]; }
  // Grows by one at every change of the field's text.
  std::uint32_t version(Field f) const { return staleness_.version(f); }
  // Handler runs since start (for benchmarks and the fuzzer's statistics).
  std::uint64_t handler_runs() const { return handler_runs_; }

  // A block's write: replaces the text; if it changed, runs the field's
  // handler before returning. A block never rewrites a held field: the one
  // the user is editing (the ratio/motor-speed exchange would otherwise put
  // its round trip back under the cursor), or any input while a design is
  // opened; the computed working value stays stored. An input's text written
  // by a block, changed or not, stands from then on for what its working value
  // was computed from (or for the field's own text, if it was converted from it).
  void write(Field f, std::string_view text);
  // A user's edit of an input: its text, then its handler's cascade. A changed
  // text is the field's own, whatever a block wrote there before.
  void edit(Field f, std::string_view text);
  // The tab control's page-change notification.
  void tab_changed();

  // Back to the start state, as a new store: initial texts, working values 0,
  // the start marks and records. Runs no handler; observers are told of every
  // text, mark and stale change, then of one recalculation.
  void reset();
  // Opens a design: from the start state, each input in field-table order gets
  // its text and its handler runs once, also when the text is the initial one.
  // While it lasts no block writes an input, so every input keeps the text
  // given and every result is computed from those texts.
  void load(const InputTexts& texts);

  // Converts the field's text into its working value (single precision),
  // which from then on is the field's own, not a computed one.
  bool convert(Field f);
  // Converts the field's text at double precision, storing nothing.
  std::optional<double> convert_double(Field f);
  // Reports a failure of field f (conversion or arithmetic); the block that
  // meets it computes and writes nothing more.
  void fail(Field f, Problem p);
  // A successful computation of field f clears its overflow mark.
  void clear_mark(Field f);
  // A block computed `result` from the current values of `used`: the result
  // follows them for as long as their texts stay as they are now. For an
  // input (a motor speed or the ratio) this is where its working value came
  // from; its text follows `used` once a block writes that value into it.
  void record(Field result, const Fields& used);

  // An input's mark comes from its text alone (no number, beyond the range,
  // not what the formulas need), else from an overflow of its last
  // computation, else, for the cycle time, from a sum of its motions' texts
  // (all numbers) beyond it, judged once an edit's recalculation has ended;
  // a result's mark is an overflow, or a text that does not convert.
  Problem mark(Field f) const;
  // The sum of the parts that the bounded input last fell short of (the six
  // motions of a cycle); nullopt while it does not.
  std::optional<double> sum_beyond_bound() const;
  // A result that does not follow the inputs shown: computed from texts that
  // have changed since or from marked inputs, never computed, or overflowed.
  // Also an unmarked input whose text a block wrote from such a computation
  // (the motor speed at G1 from a speed since retyped), and an own motor
  // speed or ratio at odds with its formula over the other inputs shown (see
  // Staleness::refresh). As of the end of the last edit; an input with a mark
  // is never stale.
  bool stale(Field f) const { return staleness_.stale(f); }
  // An input's text is the user's own (typed, refilled, opened or initial),
  // not a computed value a block wrote there.
  bool own_text(Field input) const { return staleness_.own_text(input); }
  // The inputs and results behind a stale field, each named once.
  std::vector<StaleCause> stale_causes(Field f) const;
  // For an input's own text that disagrees with its formula, what the
  // formula gives over the texts shown.
  std::optional<double> formula_value(Field input) const { return staleness_.formula_value(input); }
  // What the formulas need of an input (for telling the user why it is marked).
  const InputRule& input_rule(Field f) const { return handlers_.inputs[index(f)]; }

  void add_observer(FieldObserver* o) { observers_.push_back(o); }
  void remove_observer(FieldObserver* o);

 private:
  // `from_value`: a block wrote the input's working value; else the text is the field's own.
  void assign(Field f, std::string_view text, bool from_value);
  void run(const Handler& h, Trigger own);
  void text_replaced(Field f);
  void set_problem(Field f, Problem p);
  void set_overflowed(Field f, bool on);
  void notify_mark(Field f, Problem before);
  Problem judge_input(Field f) const;
  Marks marks() const;
  void judge_sum_bound();
  void recalculation_ended();

  const HandlerTable& handlers_;
  std::array<std::string, kFieldCount> texts_;
  std::array<float, kFieldCount> values_{};  // mm and mmmax stay unused
  std::array<int, kFieldCount> active_{};
  std::array<Problem, kFieldCount> problems_{};
  std::array<bool, kFieldCount> overflowed_{};
  bool short_of_sum_ = false;  // the bounded input is below the sum of its parts
  double parts_sum_ = 0;
  Staleness staleness_;
  std::array<std::optional<Field>, kFieldCount> bore_of_{};  // outer diameter -> its bore
  // The fields a block's write leaves alone: the one the user is editing, or
  // every input while a design is opened.
  std::bitset<kFieldCount> held_;
  int depth_ = 0;  // writes, edits and tab notifications under way
  std::vector<FieldObserver*> observers_;
  std::uint64_t handler_runs_ = 0;
};

}  // namespace vorbento
