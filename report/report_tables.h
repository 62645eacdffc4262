// The report's tables of inputs and results, group by group.
#pragma once

#include "core/field_store.h"
#include "report/report_page.h"

namespace vorbento {

// The input page's groups, then the output page's, each row from field_rows:
// symbol, value as shown, unit, description and the mark's words beneath. A
// torque the notes compare with a motor rating has that rating beside it.
void add_field_tables(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store);

}  // namespace vorbento
