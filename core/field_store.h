// The field store: 54 texts, 52 single-precision working values, and the
// cascade by which a write that changes a text runs that field's handler at
// once, nested inside the writer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/field.h"
#include "core/problem.h"

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

struct HandlerTable {
  std::array<std::optional<Handler>, kFieldCount> fields;  // nullopt: no handler
  Handler tab;  // run when the tab control shows another page
};

// Whoever mirrors the fields (the window, the replay tool, tests).
class FieldObserver {
 public:
  virtual ~FieldObserver() = default;
  // A field's text was replaced; called before the field's handler runs.
  virtual void text_changed(Field, const std::string&) {}
  // A block met a failure in this field (a text that does not convert, or a
  // result that does not fit); the block wrote nothing.
  virtual void failed(Field, Problem) {}
  // The field's mark changed: set by a failure, cleared once the field
  // converts (or its result is stored) again.
  virtual void mark_changed(Field, Problem) {}
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
  Problem mark(Field f) const { return marks_[index(f)]; }
  // Handler runs since start (for benchmarks and the fuzzer's statistics).
  std::uint64_t handler_runs() const { return handler_runs_; }

  // Replaces the text; if it changed, runs the field's handler before returning.
  void write(Field f, std::string_view text);
  // A user's edit: the write above, then the field's mark follows whether its
  // text is a number (so that a field no block reads, or one behind another
  // bad field, is still marked while its text is no number).
  void edit(Field f, std::string_view text);
  // The tab control's page-change notification.
  void tab_changed();

  // Converts the field's text into its working value (single precision).
  bool convert(Field f);
  // Converts the field's text at double precision, storing nothing.
  std::optional<double> convert_double(Field f);
  // Reports a failure of field f (conversion or arithmetic); the block that
  // meets it computes and writes nothing more.
  void fail(Field f, Problem p);
  // A successful computation of field f clears its mark.
  void clear_mark(Field f);

  void add_observer(FieldObserver* o) { observers_.push_back(o); }
  void remove_observer(FieldObserver* o);

 private:
  void run(const Handler& h, Trigger own);
  void set_mark(Field f, Problem p);
  void clear_conversion_mark(Field f);

  const HandlerTable& handlers_;
  std::array<std::string, kFieldCount> texts_;
  std::array<float, kFieldCount> values_{};  // mm and mmmax stay unused
  std::array<int, kFieldCount> active_{};
  std::array<Problem, kFieldCount> marks_{};
  std::vector<FieldObserver*> observers_;
  std::uint64_t handler_runs_ = 0;
};

}  // namespace vorbento
