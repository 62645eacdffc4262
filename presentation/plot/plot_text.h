// A plot's text: its fonts sized in points for the device the painter paints
// on, symbols with their subscripts, and the shaping of each text kept from
// one paint to the next on screen, where a plot is repainted at every
// keystroke and most of its texts stay the same.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>

class QPainter;

namespace vorbento {

class PlotText {
 public:
  // `points`: the labels' size; subscripts are three quarters of it.
  // `zoom` below 1 shrinks every length, points and millimetres alike, for a
  // plot drawn smaller than its natural size.
  PlotText(QPainter& painter, const QString& family, double points, double zoom = 1);

  qreal pt(qreal points) const { return points * per_point_; }
  qreal mm(qreal millimetres) const { return millimetres * per_point_ * 72 / 25.4; }
  qreal line() const { return metrics_[0].lineSpacing(); }
  qreal ascent() const { return metrics_[0].ascent(); }
  // How far a subscript's baseline stands below the symbol's.
  qreal subscript_drop() const { return pt(points_) * 0.3; }
  // A symbol's height, its subscript's descenders ("gy") included: more than
  // a line, so a box a line tall would cut them off.
  qreal symbol_line() const { return std::max(line(), ascent() + subscript_drop() + metrics_[kSub].descent()); }

  qreal width(const QString& text, bool italic = false) const { return measure(text, italic ? kItalic : kBody); }
  // A symbol written "base_sub": the subscript small and low.
  qreal symbol_width(const QString& symbol, bool italic = false) const;
  // "symbol = value"
  qreal label_width(const QString& symbol, const QString& value, bool italic = false) const;
  // `text` cut with "…" where it is wider than `width`.
  QString elided(const QString& text, qreal width, bool italic = false) const;
  // Height of `text` wrapped at word boundaries in `width`.
  qreal wrapped_height(const QString& text, qreal width) const;

  // Each draws from the baseline's left end and returns the width drawn.
  qreal text(QPointF at, const QString& text, bool italic = false);
  qreal symbol(QPointF at, const QString& symbol, bool italic = false);
  // `text` wrapped at word boundaries in `box`, from its top.
  void wrapped(const QRectF& box, const QString& text);

 private:
  enum Kind { kBody, kItalic, kSub, kItalicSub };
  qreal measure(const QString& text, Kind kind) const;
  void draw(QPointF baseline, const QString& text, Kind kind);

  QPainter& painter_;
  qreal per_point_;
  double points_;
  bool cached_;  // a raster device: the screen, or a copied picture
  std::array<QFont, 4> fonts_;
  std::array<QFontMetricsF, 4> metrics_;
};

}  // namespace vorbento
