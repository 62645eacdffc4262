// Printing and exporting the report from the window.
#pragma once

#include <QString>

#include "calc/check_inputs.h"
#include "core/field_store.h"

class QWidget;

namespace vorbento {

// The design as the report's header and the PDF dialog need it.
struct SharedDesign {
  QString name;  // "Névtelen" before the first save
  QString path;  // empty before the first save
  bool modified = false;
  const CheckTexts* checks = nullptr;  // the motor and screw check's inputs, for its section
};

// Qt's print dialog with a preview of the report, A4 portrait to start with.
void print_report(QWidget* parent, const FieldStore& store, const SharedDesign& design);

// Asks where to save the PDF, starting in the design's folder, writes it, and
// tells the user of a failure.
void export_report_pdf(QWidget* parent, const FieldStore& store, const SharedDesign& design);

}  // namespace vorbento
