// The report's pages: laid out in pixels of 1/96 inch, as the window is, on
// whatever paged device paints them (a PDF, a printer, the print preview).
// Content is a flow of blocks; a block that does not fit the rest of a page
// starts the next one. Every page carries the header and its page number.
#pragma once

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "calc/check_inputs.h"

class QPagedPaintDevice;

namespace vorbento {

struct ReportHeader {
  QString document_name;  // "Névtelen" for a document never saved
  QDateTime printed;
  bool modified = false;               // the window's figures differ from the file's
  const CheckTexts* checks = nullptr;  // the motor and screw check's inputs; none: no check section
};

// The ink of column heads, rules and the ratings beside the torques.
inline const QColor kQuietInk(90, 90, 90);

// The window's typeface at a size in points, bold or italic if asked.
QFont report_font(double points, bool bold = false, bool italic = false);

// Draws a symbol written "base_sub" with its subscript small and low, the
// baseline's left end at `at`; returns its width.
qreal draw_symbol(QPainter& painter, QPointF at, const QString& symbol, const QFont& font);

// A section's title ("Kimenő adatok", "Mozgásciklus", …) in the report's
// heading size, on a line 22 high, `top + 4` below the block's top.
void draw_section_title(QPainter& painter, qreal left, qreal width, qreal top, const QString& title);

struct Block {
  qreal height = 0;
  std::function<void(QPainter&, qreal top)> paint;
  bool keep_with_next = false;  // a title stays with what follows it
  bool starts_page = false;
  // The height of the block with those after it that belong with it (a
  // table's rows under its head): a page that has not room for them all
  // while an empty one would is left for the next.
  qreal whole_height = 0;
  // Drawn above the block when it begins a page: a table's head again over
  // the rows that go on there.
  std::shared_ptr<const Block> continued_head{};
};

class ReportFlow {
 public:
  // The device's page size, in 1/96 inch, and the margins of the content.
  ReportFlow(QSizeF page, qreal margin);

  qreal left() const { return margin_; }
  qreal right() const { return page_.width() - margin_; }
  void add(Block block) { blocks_.push_back(std::move(block)); }

  // Places the blocks on pages; the page count is known only after this.
  void lay_out();
  int page_count() const { return pages_; }
  // Numbers the pages within a longer document: this flow's first page is
  // page first + 1 of `total`. Without it the flow is the whole document.
  void number_pages(int first, int total) {
    first_page_ = first;
    total_pages_ = total;
  }
  // Paints every page; `painter` is scaled to 1/96 inch.
  void paint(QPainter& painter, QPagedPaintDevice& device, const ReportHeader& header) const;

 private:
  void paint_frame(QPainter& painter, const ReportHeader& header, int page) const;

  QSizeF page_;
  qreal margin_;
  std::vector<Block> blocks_;
  std::vector<std::pair<int, qreal>> places_;  // page and top of each block
  std::vector<qreal> head_tops_;               // of a block's continued head, or -1
  int pages_ = 0;
  int first_page_ = 0;
  int total_pages_ = 0;
};

}  // namespace vorbento
