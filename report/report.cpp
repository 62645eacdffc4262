#include "report/report.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "presentation/files/save_failure.h"
#include "report/report_check.h"
#include "report/report_cycle.h"
#include "report/report_formulas.h"
#include "report/report_tables.h"

namespace vorbento {

namespace {

constexpr qreal kMargin = 57;  // 15 mm

// Begins painting on the device in 1/96 inch, the window's pixels, whatever
// the device's resolution; returns the page's size in those units.
std::optional<QSizeF> begin_page_painting(QPainter& painter, QPagedPaintDevice& device) {
  if (!painter.begin(&device)) return std::nullopt;
  const qreal scale = device.logicalDpiX() / 96.0;
  painter.scale(scale, device.logicalDpiY() / 96.0);
  painter.setRenderHint(QPainter::TextAntialiasing);
  return QSizeF(device.width() / scale, device.height() * 96.0 / device.logicalDpiY());
}

// Writes a PDF through `paint`, replacing the file only once it is whole.
QString write_pdf(const QString& path, const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint) {
  QSaveFile file(path);
  const auto failed = [&] { return save_failure_reason(path, file.error(), file.errorString()); };
  if (!file.open(QIODevice::WriteOnly)) return failed();
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(kReportCreator);
    writer.setResolution(1200);
    use_report_page(writer);
    if (!paint(writer)) {
      file.cancelWriting();
      return QStringLiteral("Az írás nem sikerült.");
    }
  }
  if (!file.commit()) return failed();
  return {};
}

}  // namespace

void add_design_report(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store,
                       const CheckTexts* checks) {
  add_field_tables(flow, device, store);
  add_cycle(flow, device, store);
  if (checks) add_check(flow, device, store, *checks);
  add_formulas(flow, store);
}

void use_report_page(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool paint_report(QPagedPaintDevice& device, const FieldStore& store, const ReportHeader& header) {
  QPainter painter;
  const std::optional<QSizeF> page = begin_page_painting(painter, device);
  if (!page) return false;
  ReportFlow flow(*page, kMargin);
  add_design_report(flow, device, store, header.checks);
  flow.lay_out();
  flow.paint(painter, device, header);
  return painter.end();
}

bool paint_reports(QPagedPaintDevice& device, std::span<const ReportedDesign> designs, const QDateTime& printed) {
  QPainter painter;
  const std::optional<QSizeF> page = begin_page_painting(painter, device);
  if (!page) return false;
  std::vector<ReportFlow> parts;
  std::vector<ReportHeader> headers;
  parts.emplace_back(*page, kMargin);
  add_design_summary(parts.back(), device, designs);
  headers.push_back({summary_header_name(device, designs), printed});
  for (const ReportedDesign& d : designs) {
    parts.emplace_back(*page, kMargin);
    add_design_report(parts.back(), device, *d.store, d.checks);
    headers.push_back({d.name, printed});
  }
  int total = 0;
  for (ReportFlow& part : parts) {
    part.lay_out();
    total += part.page_count();
  }
  int first = 0;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) device.newPage();
    parts[k].number_pages(first, total);
    parts[k].paint(painter, device, headers[k]);
    first += parts[k].page_count();
  }
  return painter.end();
}

QString write_report_pdf(const QString& path, const FieldStore& store, const ReportHeader& header) {
  return write_pdf(path, report_title(header.document_name),
                   [&](QPagedPaintDevice& writer) { return paint_report(writer, store, header); });
}

QString write_reports_pdf(const QString& path, std::span<const ReportedDesign> designs, const QDateTime& printed) {
  QStringList names;
  for (const ReportedDesign& d : designs) names << d.name;
  return write_pdf(path, report_title(names.join(QStringLiteral(", "))),
                   [&](QPagedPaintDevice& writer) { return paint_reports(writer, designs, printed); });
}

}  // namespace vorbento
