#include "ui/share/report_print.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include "presentation/files/pdf_target.h"
#include "report/report.h"
#include "ui/document/document_dialogs.h"
#include "ui/document/file_dialog_size.h"
#include "ui/document/start_folder.h"
#include "ui/share/preview_keys.h"

namespace vorbento {

namespace {

ReportHeader header_now(const SharedDesign& design) {
  return {design.name, QDateTime::currentDateTime(), design.modified, design.checks};
}

}  // namespace

void print_report(QWidget* parent, const FieldStore& store, const SharedDesign& design) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  printer.setDocName(report_title(design.name));
  printer.setCreator(kReportCreator);
  use_report_page(printer);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setObjectName(QStringLiteral("printPreview"));
  dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
  add_preview_keys(dialog);
  fit_preview(dialog, parent ? parent->screen() : nullptr);
  // The time is taken once, so the preview and the printed pages agree.
  const ReportHeader header = header_now(design);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&store, header](QPrinter* p) { paint_report(*p, store, header); });
  dialog.exec();
}

void export_report_pdf(QWidget* parent, const FieldStore& store, const SharedDesign& design) {
  QFileDialog dialog(parent, QStringLiteral("Exportálás PDF-be"));
  dialog.setObjectName(QStringLiteral("pdfDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  dialog.setDirectory(start_folder(design.path));
  // "tengely.vorbento" is offered as "tengely.pdf".
  dialog.selectFile(QFileInfo(design.name).completeBaseName() + QStringLiteral(".pdf"));
  // The dialog's own question about replacing a file does not tell a design
  // from an older PDF: a design is refused first, and only a PDF is asked about.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  fit_file_dialog(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  remember_folder(path);
  QString reason = pdf_overwrite_refusal(path);
  if (reason.isEmpty() && QFileInfo::exists(path)) {
    const QString question =
        QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName());
    if (QMessageBox::warning(parent, dialog.windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes)
      return;
  }
  if (reason.isEmpty()) reason = write_report_pdf(path, store, header_now(design));
  if (!reason.isEmpty()) show_failure_box(parent, write_failure_sentence(path), reason);
}

}  // namespace vorbento
