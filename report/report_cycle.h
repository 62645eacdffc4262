// The report's "Mozgásciklus" section: the motion-cycle diagram drawn as
// vectors by the window's own painter, and its table under it.
#pragma once

#include "core/field_store.h"
#include "report/report_page.h"

namespace vorbento {

void add_cycle(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store);

}  // namespace vorbento
