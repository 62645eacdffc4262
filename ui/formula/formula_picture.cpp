#include "ui/formula/formula_picture.h"

#include "ui/formula/formula_markup.h"

#include <QColor>
#include <QPainter>

#include <cmath>

namespace vorbento::formula {

QImage typeset_rows(QSize size, const FormulaStyle& style, std::span<const RowPlacement> rows) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Qt::black);
  for (const RowPlacement& row : rows) {
    const ItemPtr formula = parse_formula(row.markup);
    const Extent extent = formula->measure(style, 0);
    // A whole-pixel baseline and end keep the closing signs of rows that share
    // an end rasterised alike, so they line up to the pixel.
    const QPointF origin(std::round(row.right) - extent.width, std::round(row.axis_y + style.axis(0)));
    formula->draw(painter, origin, style, 0);
  }
  return image;
}

}  // namespace vorbento::formula
