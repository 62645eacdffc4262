// One row per field as the report prints it and the copied table holds it:
// the symbol, the text exactly as the field shows it, the unit, the
// description and, where there is one, the words of its mark. Also what
// `--results` writes, without a window or the report.
#pragma once

#include <QString>

#include <vector>

#include "core/field_store.h"

namespace vorbento {

struct FieldRow {
  Field field;
  QString symbol;  // with its subscript after "_" ("n_mG0")
  QString value;
  QString unit;
  QString description;
  QString mark;  // empty when the field has nothing to say
};

// All 54 fields in the field order.
std::vector<FieldRow> field_rows(const FieldStore& store);
FieldRow field_row(const FieldStore& store, Field f);

// A text as one cell of a tab-separated line: a tab or a line break (a text
// pasted into a field may hold one) would start a new column or row.
QString tab_cell(QString text);

// The column titles of the copied table.
const std::vector<QString>& field_row_titles();

// A header row, then one line per row, cells separated by tabs: what a
// spreadsheet pastes into columns.
QString rows_as_tab_separated(const std::vector<FieldRow>& rows);

}  // namespace vorbento
