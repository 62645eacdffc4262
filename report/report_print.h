// Printing and exporting the report from the window.
#pragma once

#include <QString>

#include "core/field_store.h"
#include "report/report_page.h"

class QWidget;

namespace vorbento {

// Qt's print dialog with a preview of the report, A4 portrait to start with.
void print_report(QWidget* parent, const FieldStore& store, const QString& document_name);

// Asks where to save the PDF, writes it, and tells the user of a failure.
void export_report_pdf(QWidget* parent, const FieldStore& store, const QString& document_name);

}  // namespace vorbento
