// The change handlers of the feed-axis drive: for every field (and for the tab
// control) the fixed list of recomputation blocks it runs.
#pragma once

#include "core/field_store.h"

namespace vorbento {

const HandlerTable& drive_handlers();

// A field store wired to the drive's handlers: the whole calculator, headless.
class Calculator : public FieldStore {
 public:
  Calculator() : FieldStore(drive_handlers()) {}
};

}  // namespace vorbento
