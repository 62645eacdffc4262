#include "ui/document/file_dialog_size.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

#include "ui/document/document_dialogs.h"

namespace vorbento {

namespace {

constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;

// The widest date the list can show, in the form its model writes it.
int widest_date(const QFontMetrics& metrics) {
  int width = 0;
  for (int month = 1; month <= 12; ++month)
    width = std::max(width, metrics.horizontalAdvance(QLocale::system().toString(
                                QDateTime(QDate(2026, month, 28), QTime(23, 58, 58)), QLocale::ShortFormat)));
  return width;
}

// Widens the dialog, as it is first shown, by what its list lacks for all of
// its columns, keeping it centred where it was placed and within the screen.
class WidenOnShow : public QObject {
 public:
  WidenOnShow(QTreeView* tree, QWidget* dialog) : QObject(dialog), tree_(tree), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    if (target != dialog_ || event->type() != QEvent::Show) return false;
    const int lacking = tree_->header()->length() + tree_->frameWidth() * 2 - tree_->viewport()->width() +
                        tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree_) -
                        (tree_->verticalScrollBar()->isVisible() ? tree_->verticalScrollBar()->width() : 0);
    dialog_->removeEventFilter(this);
    deleteLater();
    if (lacking <= 0) return false;
    const QRect room = dialog_->screen()->availableGeometry();
    QRect frame = dialog_->geometry();
    frame.setWidth(std::min(frame.width() + lacking, room.width()));
    frame.moveLeft(std::clamp(frame.left() - lacking / 2, room.left(), room.right() + 1 - frame.width()));
    dialog_->setGeometry(frame);
    return false;
  }

 private:
  QTreeView* tree_;
  QWidget* dialog_;
};

}  // namespace

void fit_file_dialog(QFileDialog& dialog) {
  auto* tree = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!tree || !tree->model()) return;  // the desktop's own dialog sizes itself
  QHeaderView* head = tree->header();
  const QFontMetrics metrics(tree->font());
  const int pad = 2 * tree->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, head) + 16;
  // The types the list names in the folders of designs and their PDFs.
  const QMimeDatabase types;
  int type = metrics.horizontalAdvance(
      QCoreApplication::translate("QAbstractFileIconProvider", "%1 File").arg(kDocumentSuffix));
  for (const char* name : {"inode/directory", "application/pdf", "application/json"})
    type = std::max(type, metrics.horizontalAdvance(types.mimeTypeForName(QString::fromLatin1(name)).comment()));
  for (const auto& [column, content] : {std::pair{kTypeColumn, type}, std::pair{kDateColumn, widest_date(metrics)}}) {
    const int title = metrics.horizontalAdvance(tree->model()->headerData(column, Qt::Horizontal).toString());
    head->resizeSection(column, std::max({head->sectionSize(column), content + pad, title + pad}));
  }
  // How much wider the list must be is known once the dialog is laid out.
  dialog.installEventFilter(new WidenOnShow(tree, &dialog));
}

}  // namespace vorbento
