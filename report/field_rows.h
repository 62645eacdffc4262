// The table of fields for word processors: the rows the report prints and
// the copied table holds, as HTML.
#pragma once

#include <QString>

#include <vector>

#include "presentation/table/field_rows.h"

namespace vorbento {

// The rows as an HTML table, for word processors; subscripts as such.
QString rows_as_html(const std::vector<FieldRow>& rows);

}  // namespace vorbento
