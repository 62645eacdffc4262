#include "ui/document/document_controller.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>
#include <QSignalBlocker>

#include "document/document_file.h"
#include "presentation/files/design_file.h"
#include "presentation/files/refusal_words.h"
#include "presentation/files/save_failure.h"
#include "ui/check/check_state.h"
#include "ui/document/start_folder.h"
#include "ui/window/main_window.h"

namespace vorbento {

DocumentController::DocumentController(MainWindow& window, std::unique_ptr<DocumentDialogs> dialogs)
    : window_(window), store_(window.calculator()), dialogs_(std::move(dialogs)) {
  take_baseline();
  store_.add_observer(this);
  connect(&window_.check_state(), &CheckState::changed, this, &DocumentController::checks_changed);
  window_.installEventFilter(this);
}

DocumentController::~DocumentController() {
  window_.removeEventFilter(this);
  store_.remove_observer(this);
}

bool DocumentController::new_document() {
  if (!may_discard()) return false;
  store_.reset();
  window_.check_state().set_all(initial_check_texts());
  clear_undo();
  path_.clear();
  take_baseline();
  return true;
}

bool DocumentController::open() {
  const QString chosen = dialogs_->open_path(&window_, start_folder(path_));
  if (chosen.isEmpty()) return false;
  remember_folder(chosen);
  return open_file(chosen);
}

bool DocumentController::open_file(const QString& path) {
  // The file is judged before anything is asked: a refused one leaves the
  // design on screen alone, changes and all.
  const DocumentRead read = read_checked(path);
  if (!read.inputs || !may_discard()) return false;
  adopt(path, read);
  return true;
}

bool DocumentController::open_at_start(const QString& path) {
  const DocumentRead read = read_checked(path);
  if (read.inputs) adopt(path, read);
  return read.inputs.has_value();
}

bool DocumentController::save() { return path_.isEmpty() ? save_as() : write_to(path_); }

bool DocumentController::save_as() {
  const QString suggested =
      path_.isEmpty() ? QDir(start_folder(path_)).filePath(kUntitled + u'.' + kDocumentSuffix) : path_;
  QString chosen = dialogs_->save_path(&window_, suggested);
  if (chosen.isEmpty()) return false;
  remember_folder(chosen);
  if (!chosen.endsWith(u'.' + kDocumentSuffix, Qt::CaseInsensitive)) chosen += u'.' + kDocumentSuffix;
  return write_to(chosen);
}

bool DocumentController::may_discard() {
  if (!is_modified()) return true;
  switch (dialogs_->ask_to_save(&window_, name())) {
    case QMessageBox::Save:
      return save();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

bool DocumentController::eventFilter(QObject* target, QEvent* event) {
  if (target == &window_ && event->type() == QEvent::Close && !may_discard()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(target, event);
}

void DocumentController::text_changed(Field f, const std::string& text) {
  if (!is_input(f)) return;
  const std::size_t n = index(f);
  const bool differs = text != baseline_[n];
  if (differs == differs_[n]) return;
  differs_[n] = differs;
  differing_ += differs ? 1 : -1;
  window_.setWindowModified(is_modified());
}

DocumentRead DocumentController::read_checked(const QString& path) {
  DocumentRead read = read_design(path);
  if (!read.inputs) dialogs_->show_failure(&window_, refusal_sentence(path), refusal_words(read.refusal));
  return read;
}

void DocumentController::adopt(const QString& path, const DocumentRead& read) {
  store_.load(*read.inputs);
  window_.check_state().set_all(read.checks);
  clear_undo();
  path_ = QFileInfo(path).absoluteFilePath();
  take_baseline();
}

bool DocumentController::write_to(const QString& path) {
  const std::string bytes = write_document(input_texts(store_), window_.check_texts());
  // The old file is replaced only once the new one is whole on the disk.
  QSaveFile file(path);
  const bool written =
      file.open(QIODevice::WriteOnly) &&
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) && file.commit();
  if (!written) {
    const QString reason = save_failure_reason(path, file.error(), file.errorString());
    file.cancelWriting();
    dialogs_->show_failure(&window_, write_failure_sentence(path), reason);
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  take_baseline();
  return true;
}

void DocumentController::take_baseline() {
  for (std::size_t n = 0; n < kInputFieldCount; ++n) baseline_[n] = store_.text(field_at(n));
  differs_.fill(false);
  differing_ = 0;
  check_baseline_ = window_.check_texts();
  show_title();
}

void DocumentController::clear_undo() {
  // An opened or new design starts a history of its own: Ctrl+Z must not
  // bring back a text of the design before it.
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    QLineEdit* edit = window_.field(field_at(n));
    if (!edit->isUndoAvailable() && !edit->isRedoAvailable()) continue;
    const QSignalBlocker quiet(edit);
    const int cursor = edit->cursorPosition();
    edit->setText(edit->text());  // setText starts the history afresh
    edit->setCursorPosition(cursor);
  }
}

bool DocumentController::is_modified() const { return differing_ > 0 || window_.check_texts() != check_baseline_; }

void DocumentController::checks_changed() { window_.setWindowModified(is_modified()); }

QString DocumentController::name() const { return document_name(path_); }

void DocumentController::show_title() {
  // The program's name stays in the title, after the file's, as on any desktop.
  window_.setWindowTitle(name() + QStringLiteral("[*] – Vorbento"));
  window_.setWindowFilePath(path_);
  window_.setWindowModified(is_modified());
}

}  // namespace vorbento
