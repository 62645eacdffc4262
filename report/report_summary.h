// "Tengelyek összesítése": the designs of one machine's axes side by side,
// one column per design in the order given. First the inputs typed
// differently into them (what tells the axes apart), then one row per result
// and motor rating, each cell the text exactly as that design shows it. A
// marked cell is tinted as in the window and numbered; its words stand as a
// numbered note under its table.
#pragma once

#include <QString>

#include <span>

#include "core/field_store.h"
#include "report/report_page.h"

class QPaintDevice;

namespace vorbento {

struct ReportedDesign {
  QString name;  // its file's name, as the report's header writes it
  const FieldStore* store;
  const CheckTexts* checks = nullptr;  // the motor and screw check's inputs; none: no check section
};

// The summary's title, its tables (as many as the columns need, each with the
// symbol and unit in front, its head again on every page it goes on to) and
// each table's notes under it.
void add_design_summary(ReportFlow& flow, const QPaintDevice& device, std::span<const ReportedDesign> designs);

// The names of the designs, shortened to what the page header has room for.
QString summary_header_name(const QPaintDevice& device, std::span<const ReportedDesign> designs);

}  // namespace vorbento
