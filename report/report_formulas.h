// The formula pages of the report: both formula pictures typeset as outlines
// (vectors, not bitmaps), every row followed after its "=" by the current
// value and unit of the field it computes.
#pragma once

#include "core/field_store.h"
#include "report/report_page.h"

namespace vorbento {

void add_formulas(ReportFlow& flow, const FieldStore& store);

}  // namespace vorbento
