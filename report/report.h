// The printable report of a sizing: a header with the document's name, date
// and time; the inputs and the results in their groups, with the words of
// every mark; the motor ratings beside the torques; the formulas with their
// current values. A4 portrait, in the window's typeface, pages numbered.
#pragma once

#include <QString>

#include <span>

#include "core/field_store.h"
#include "presentation/look/program_name.h"
#include "report/report_page.h"
#include "report/report_summary.h"

class QPagedPaintDevice;

namespace vorbento {

// Paints the report on a PDF writer, a printer or the print preview's
// printer, one page of the device per page. False if it cannot paint on it.
bool paint_report(QPagedPaintDevice& device, const FieldStore& store, const ReportHeader& header);

// One design's content: its tables and formulas, as a report of its own shows them.
// `checks`: the motor and screw check's inputs; without them the report has no check section.
void add_design_report(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store,
                       const CheckTexts* checks = nullptr);

// Several designs in one document: "Tengelyek összesítése" first, then each
// design's report under a header naming its file, the pages numbered through.
bool paint_reports(QPagedPaintDevice& device, std::span<const ReportedDesign> designs, const QDateTime& printed);

// Sets the device to A4 portrait with no margins of its own: the report keeps its own.
void use_report_page(QPagedPaintDevice& device);

// What the PDF's metadata and a print job call the report and its maker.
inline QString report_title(const QString& document_name) { return QStringLiteral("Vorbento – ") + document_name; }
inline const QString& kReportCreator = kProgramAndVersion;

// Writes the report as a PDF file, replacing the file only once it is whole.
// Returns why it could not, in Hungarian ("Nincs írási jog ebben a mappában: …"), empty on success.
QString write_report_pdf(const QString& path, const FieldStore& store, const ReportHeader& header);
// The same for several designs (paint_reports).
QString write_reports_pdf(const QString& path, std::span<const ReportedDesign> designs, const QDateTime& printed);

}  // namespace vorbento
