// The design in the window as a document: its file, whether it has changes
// since it was last opened, saved or started anew, and the commands that
// save, open and close it without losing typed data. The file format and the
// engine's reset and load do the work; this class only decides when.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/field_store.h"
#include "document/document_file.h"
#include "ui/document/document_dialogs.h"

namespace vorbento {

class MainWindow;

class DocumentController : public QObject, private FieldObserver {
 public:
  explicit DocumentController(MainWindow& window, std::unique_ptr<DocumentDialogs> dialogs = standard_dialogs());
  ~DocumentController() override;
  DocumentController(const DocumentController&) = delete;
  DocumentController& operator=(const DocumentController&) = delete;

  void set_dialogs(std::unique_ptr<DocumentDialogs> dialogs) { dialogs_ = std::move(dialogs); }
  // Empty while the design has never been saved or opened.
  const QString& file_path() const { return path_; }
  // The file's name as the title and the printed report show it; "Névtelen"
  // for a design never saved or opened.
  QString name() const;
  bool is_modified() const;

  // The menu's commands; each says whether it went through. A cancelled
  // question or dialog, a refused file or a failed save change nothing.
  bool new_document();
  bool open();
  bool save();
  bool save_as();
  // Opens `path` (a dropped file): reads it, and only when it is a design
  // asks first about a design with changes.
  bool open_file(const QString& path);
  // Opens `path` as the window's first design (the command line).
  bool open_at_start(const QString& path);
  // Saved, discarded or unchanged: the design may go.
  bool may_discard();

 protected:
  // Every way of closing the window (its button, Alt+F4, Kilépés) asks here.
  bool eventFilter(QObject* target, QEvent* event) override;

 private:
  void text_changed(Field f, const std::string& text) override;
  // The design at `path`, or no inputs after telling the user why not.
  DocumentRead read_checked(const QString& path);
  // The read design becomes the window's, from `path`.
  void adopt(const QString& path, const DocumentRead& read);
  // The check's texts differ from the ones the design is compared with.
  void checks_changed();
  bool write_to(const QString& path);
  // The texts as they stand become the ones the design is compared with.
  void take_baseline();
  void clear_undo();
  void show_title();

  MainWindow& window_;
  FieldStore& store_;
  std::unique_ptr<DocumentDialogs> dialogs_;
  QString path_;
  std::array<std::string, kInputFieldCount> baseline_;
  std::array<bool, kInputFieldCount> differs_{};
  int differing_ = 0;
  CheckTexts check_baseline_{};
};

}  // namespace vorbento
