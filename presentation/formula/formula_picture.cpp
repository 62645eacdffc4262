#include "presentation/formula/formula_picture.h"

#include "presentation/formula/formula_markup.h"

#include <QColor>
#include <QPainter>

#include <cmath>

namespace vorbento::formula {

QImage typeset_rows(QSize size, const FormulaStyle& style, std::span<const RowPlacement> rows, qreal pixel_ratio) {
  QImage image((QSizeF(size) * pixel_ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(pixel_ratio);
  image.fill(Qt::white);
  // Whole device pixels, as below.
  auto snap = [pixel_ratio](qreal v) { return std::round(v * pixel_ratio) / pixel_ratio; };
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Qt::black);
  for (const RowPlacement& row : rows) {
    const ItemPtr formula = parse_formula(row.markup);
    const Extent extent = formula->measure(style, 0);
    // A whole-pixel baseline and end keep the closing signs of rows that share
    // an end rasterised alike, so they line up to the pixel.
    const QPointF origin(snap(row.right) - extent.width, snap(row.axis_y + style.axis(0)));
    formula->draw(painter, origin, style, 0);
  }
  return image;
}

}  // namespace vorbento::formula
