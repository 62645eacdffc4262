#include "ui/document/document_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/document/file_dialog_size.h"

namespace vorbento {

QMessageBox* save_question(QWidget* parent, const QString& name) {
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vorbento"),
                              QStringLiteral("A(z) „%1” terv módosult.").arg(name),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box->setObjectName(QStringLiteral("mentes_kerdes"));
  box->setInformativeText(QStringLiteral("Menti a módosításokat? Mentés nélkül elvesznek."));
  box->setDefaultButton(QMessageBox::Save);
  box->setEscapeButton(QMessageBox::Cancel);
  return box;
}

namespace {

class StandardDialogs : public DocumentDialogs {
 public:
  QMessageBox::StandardButton ask_to_save(QWidget* parent, const QString& name) override {
    std::unique_ptr<QMessageBox> box(save_question(parent, name));
    return static_cast<QMessageBox::StandardButton>(box->exec());
  }

  QString save_path(QWidget* parent, const QString& suggested) override {
    QFileDialog dialog(parent, QStringLiteral("Mentés másként"), suggested, kDocumentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the dialog asks about overwriting a file.
    dialog.setDefaultSuffix(kDocumentSuffix);
    fit_file_dialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  }

  QString open_path(QWidget* parent, const QString& directory) override {
    QFileDialog dialog(parent, QStringLiteral("Megnyitás"), directory,
                       kDocumentFilter + QStringLiteral(";;Minden fájl (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    fit_file_dialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
  }

  void show_failure(QWidget* parent, const QString& sentence, const QString& reason) override {
    show_failure_box(parent, sentence, reason);
  }
};

}  // namespace

void show_failure_box(QWidget* parent, const QString& sentence, const QString& reason) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vorbento"), sentence, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("hiba"));
  box.setInformativeText(reason);
  box.exec();
}

QString refusal_sentence(const QString& path) {
  const QFileInfo file(QDir::cleanPath(path));
  // What could be read was judged by its content; the rest never got that far.
  return file.isFile() && file.isReadable() ? QStringLiteral("„%1” nem Vorbento-terv.").arg(file.fileName())
                                            : QStringLiteral("„%1” nem olvasható.").arg(file.fileName());
}

QString write_failure_sentence(const QString& path) {
  return QStringLiteral("„%1” nem menthető.").arg(QFileInfo(path).fileName());
}

std::unique_ptr<DocumentDialogs> standard_dialogs() { return std::make_unique<StandardDialogs>(); }

}  // namespace vorbento
