#include "ui/cycle/symbol_cell_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <limits>
#include <memory>

#include "report/cell_text.h"

namespace vorbento {

namespace {

// `text` (symbols' "_" taken out) with its subscripts, laid out on one line.
struct OneLine {
  QTextLayout layout;
  qreal width = 0;
  OneLine(const QString& text, const QList<QTextLayout::FormatRange>& subscripts, const QFont& font,
          QPaintDevice* device)
      : layout(text, font, device) {
    layout.setFormats(subscripts);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
      line.setLineWidth(std::numeric_limits<int>::max() / 4);
      width = line.naturalTextWidth();
    }
    layout.endLayout();
  }
};

// The subscripts that stand in the first `keep` characters.
QList<QTextLayout::FormatRange> within(const QList<QTextLayout::FormatRange>& subscripts, qsizetype keep) {
  QList<QTextLayout::FormatRange> kept;
  for (QTextLayout::FormatRange r : subscripts) {
    if (r.start >= keep) continue;
    r.length = std::min<int>(r.length, static_cast<int>(keep) - r.start);
    kept.append(r);
  }
  return kept;
}

}  // namespace

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

  // The symbols as the report's cells write them; too long for the cell, the
  // longest start that fits with "…" after it.
  const CellText shown = fit_cell(text, o.font, *painter->device(), std::numeric_limits<int>::max() / 4, 1, true);
  auto line = std::make_unique<OneLine>(shown.text, shown.subscripts, o.font, painter->device());
  if (line->width > box.width()) {
    const QString ellipsis = QStringLiteral("…");
    qsizetype low = 0, high = shown.text.size();
    while (low < high) {
      qsizetype mid = (low + high + 1) / 2;
      if (mid < shown.text.size() && shown.text[mid].isLowSurrogate()) --mid;
      if (mid <= low) break;
      const OneLine trial(shown.text.left(mid) + ellipsis, within(shown.subscripts, mid), o.font, painter->device());
      if (trial.width <= box.width()) low = mid;
      else high = mid - 1;
    }
    line = std::make_unique<OneLine>(shown.text.left(low) + ellipsis, within(shown.subscripts, low), o.font,
                                     painter->device());
  }
  const QPalette::ColorGroup group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (o.state & QStyle::State_Active) ? QPalette::Normal
                                                                         : QPalette::Inactive;
  painter->save();
  painter->setClipRect(o.rect);
  painter->setPen(o.palette.color(group, (o.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                             : QPalette::Text));
  const qreal height = line->layout.lineAt(0).height();
  line->layout.draw(painter, QPointF(box.left(), box.top() + (box.height() - height) / 2));
  painter->restore();
}

}  // namespace vorbento
