#include "ui/look/symbol_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <limits>
#include <memory>

#include "report/cell_text.h"

namespace vorbento {

namespace {

constexpr qreal kUnbounded = std::numeric_limits<int>::max() / 4;

// `text` with its subscripts laid out on one line, however long.
std::unique_ptr<QTextLayout> one_line(const CellLine& line, const QFont& font, QPaintDevice* device) {
  auto layout = std::make_unique<QTextLayout>(line.text, font, device);
  layout->setFormats(line.subscripts);
  layout->beginLayout();
  QTextLine row = layout->createLine();
  if (row.isValid()) row.setLineWidth(kUnbounded);
  layout->endLayout();
  return layout;
}

qreal width_of(const CellLine& line, const QFont& font, QPaintDevice* device) {
  const auto layout = one_line(line, font, device);
  return layout->lineCount() > 0 ? layout->lineAt(0).naturalTextWidth() : 0;
}

// The first `keep` characters with the subscripts that stand in them, and "…".
CellLine start_of(const CellLine& whole, qsizetype keep) {
  CellLine start{whole.text.left(keep) + QStringLiteral("…"), {}, 0, true};
  for (QTextLayout::FormatRange r : whole.subscripts) {
    if (r.start >= keep) continue;
    r.length = std::min(r.length, static_cast<int>(keep) - r.start);
    start.subscripts.append(r);
  }
  return start;
}

}  // namespace

CellLine fit_line(const QString& text, const QFont& font, QPaintDevice* device, qreal width) {
  // The report's cells take the "_" out and set the subscripts: the same rule here.
  const CellText symbols = fit_cell(text, font, *device, kUnbounded, 1, true);
  CellLine whole{symbols.text, symbols.subscripts, 0, false};
  whole.width = width_of(whole, font, device);
  if (whole.width <= width) return whole;
  qsizetype low = 0, high = whole.text.size();
  while (low < high) {
    qsizetype mid = (low + high + 1) / 2;
    if (mid < whole.text.size() && whole.text[mid].isLowSurrogate()) --mid;  // a character kept whole
    if (mid <= low) break;
    if (width_of(start_of(whole, mid), font, device) <= width)
      low = mid;
    else
      high = mid - 1;
  }
  CellLine cut = start_of(whole, low);
  cut.width = width_of(cut, font, device);
  return cut;
}

void SymbolCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem o = option;
  initStyleOption(&o, index);
  const QString text = o.text;
  o.text.clear();
  const QStyle* style = o.widget ? o.widget->style() : QApplication::style();
  // The ground, the mark's tint, the selection and the focus, as for any cell.
  style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, o.widget) + 1;
  const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &o, o.widget).adjusted(margin, 0, -margin, 0);
  if (box.width() <= 0 || text.isEmpty()) return;

  const auto layout = one_line(fit_line(text, o.font, painter->device(), box.width()), o.font, painter->device());
  if (layout->lineCount() == 0) return;
  const QPalette::ColorGroup group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (o.state & QStyle::State_Active) ? QPalette::Normal
                                                                        : QPalette::Inactive;
  painter->save();
  painter->setClipRect(o.rect);
  painter->setPen(
      o.palette.color(group, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
  const qreal height = layout->lineAt(0).height();
  layout->draw(painter, QPointF(box.left(), box.top() + (box.height() - height) / 2));
  painter->restore();
}

}  // namespace vorbento
