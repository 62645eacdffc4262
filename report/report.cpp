#include "report/report.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "report/report_formulas.h"
#include "report/report_tables.h"

namespace vorbento {

namespace {

constexpr qreal kMargin = 57;  // 15 mm

// Why a file cannot be written there, in the user's words.
QString unwritable_reason(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return QStringLiteral("ez egy mappa");
  const QFileInfo parent(info.absolutePath());
  if (!parent.exists()) return QStringLiteral("a mappája nem létezik");
  if (!parent.isDir()) return QStringLiteral("a mappája helyén egy fájl áll");
  if (info.exists() && !info.isWritable()) return QStringLiteral("a fájl nem írható");
  if (!parent.isWritable()) return QStringLiteral("a mappába nincs írási jog");
  return QStringLiteral("írási hiba");
}

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
  add_formulas(flow, store);
  flow.lay_out();
  flow.paint(painter, device, header);
  return painter.end();
}

QString write_report_pdf(const QString& path, const FieldStore& store, const ReportHeader& header) {
  const QString failed = QStringLiteral("A PDF nem írható ide: %1 (%2)").arg(QDir::toNativeSeparators(path));
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failed.arg(unwritable_reason(path));
  {
    QPdfWriter writer(&file);
    writer.setTitle(QStringLiteral("Vorbento – ") + header.document_name);
    writer.setCreator(QStringLiteral("Vorbento V 0.2"));
    writer.setResolution(1200);
    use_report_page(writer);
    if (!paint_report(writer, store, header)) {
      file.cancelWriting();
      return failed.arg(QStringLiteral("írási hiba"));
    }
  }
  if (!file.commit()) return failed.arg(unwritable_reason(path));
  return {};
}

}  // namespace vorbento
