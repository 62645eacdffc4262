#include "report/report.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "report/report_cycle.h"
#include "report/report_formulas.h"
#include "report/report_tables.h"
#include "presentation/files/save_failure.h"

namespace vorbento {

namespace {

constexpr qreal kMargin = 57;  // 15 mm

}  // namespace

void use_report_page(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool paint_report(QPagedPaintDevice& device, const FieldStore& store, const ReportHeader& header) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // Everything is laid out in 1/96 inch, the window's pixels, whatever the
  // device's resolution.
  const qreal scale = device.logicalDpiX() / 96.0;
  painter.scale(scale, device.logicalDpiY() / 96.0);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QSizeF page(device.width() / scale, device.height() * 96.0 / device.logicalDpiY());
  ReportFlow flow(page, kMargin);
  add_field_tables(flow, device, store);
  add_cycle(flow, device, store);
  add_formulas(flow, store);
  flow.lay_out();
  flow.paint(painter, device, header);
  return painter.end();
}

QString write_report_pdf(const QString& path, const FieldStore& store, const ReportHeader& header) {
  QSaveFile file(path);
  const auto failed = [&] {
    return QStringLiteral("A PDF nem írható. %1").arg(save_failure_reason(path, file.error(), file.errorString()));
  };
  if (!file.open(QIODevice::WriteOnly)) return failed();
  {
    QPdfWriter writer(&file);
    writer.setTitle(report_title(header.document_name));
    writer.setCreator(kReportCreator);
    writer.setResolution(1200);
    use_report_page(writer);
    if (!paint_report(writer, store, header)) {
      file.cancelWriting();
      return QStringLiteral("A PDF nem írható. Az írás nem sikerült.");
    }
  }
  if (!file.commit()) return failed();
  return {};
}

}  // namespace vorbento
