#include "report/report_print.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/report.h"

namespace vorbento {

void print_report(QWidget* parent, const FieldStore& store, const QString& document_name) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(report_title(document_name));
  printer.setCreator(kReportCreator);
  use_report_page(printer);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("printPreview"));
  dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
  // The time is taken once, so the preview and the printed pages agree.
  const ReportHeader header{document_name, QDateTime::currentDateTime()};
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&store, header](QPrinter* p) { paint_report(*p, store, header); });
  dialog.exec();
}

void export_report_pdf(QWidget* parent, const FieldStore& store, const QString& document_name) {
  QFileDialog dialog(parent, QStringLiteral("Exportálás PDF-be"));
  dialog.setObjectName(QStringLiteral("pdfDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  // "tengely.vorbento" is offered as "tengely.pdf".
  dialog.selectFile(QFileInfo(document_name).completeBaseName() + QStringLiteral(".pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString message =
      write_report_pdf(dialog.selectedFiles().front(), store, {document_name, QDateTime::currentDateTime()});
  if (!message.isEmpty()) QMessageBox::warning(parent, QStringLiteral("Vorbento"), message);
}

}  // namespace vorbento
