// The questions and messages of saving and opening, behind one interface so
// that the window's tests can answer them instead of a user.
#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

class QWidget;

namespace vorbento {

class DocumentDialogs {
 public:
  virtual ~DocumentDialogs() = default;
  // The design `name` has changes: save, discard or cancel.
  virtual QMessageBox::StandardButton ask_to_save(QWidget* parent, const QString& name) = 0;
  // The path chosen to save to, or empty when the user cancelled.
  virtual QString save_path(QWidget* parent, const QString& suggested) = 0;
  // The file chosen to open, or empty when the user cancelled.
  virtual QString open_path(QWidget* parent, const QString& directory) = 0;
  // A file that could not be opened or saved: a plain sentence that names
  // it, then the reason.
  virtual void show_failure(QWidget* parent, const QString& sentence, const QString& reason) = 0;
};

// The one box for every file the program could not read or write (a design,
// a PDF): the program's name as its title, the error icon, the sentence and
// under it the reason.
void show_failure_box(QWidget* parent, const QString& sentence, const QString& reason);

// "„jegyzet.txt” nem Vorbento-terv." for a file that was read and refused,
// "„tengely.vorbento” nem olvasható." for one that could not be read at all.
QString refusal_sentence(const QString& path);
// "„tengely.pdf” nem menthető."
QString write_failure_sentence(const QString& path);

// The message boxes and file dialogs a user sees.
std::unique_ptr<DocumentDialogs> standard_dialogs();

// The question before a design with changes is closed, as the user sees it
// (Qt's standard buttons, in the user's language).
QMessageBox* save_question(QWidget* parent, const QString& name);

inline const QString kDocumentSuffix = QStringLiteral("vorbento");
inline const QString kDocumentFilter = QStringLiteral("Vorbento-tervek (*.vorbento)");

}  // namespace vorbento
