#include "presentation/plot/plot_text.h"

#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cmath>

namespace vorbento {

namespace {

// Painter units per point: the device's logical resolution over the
// painter's own scale (the report paints in 1/96 inch on a 1200-dpi writer).
qreal units_per_point(const QPainter& p) {
  const qreal dpi = p.device() ? p.device()->logicalDpiY() : 96;
  const qreal scale = std::sqrt(std::abs(p.worldTransform().determinant()));
  return dpi / (scale > 0 ? scale : 1) / 72.0;
}

QFont sized(const QString& family, double points, qreal per_point, bool italic) {
  QFont f(family);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * per_point))));
  f.setItalic(italic);
  return f;
}

// Shaped texts and widths by font and text, for the screen only. A repaint
// after a keystroke finds its ticks, symbols and most figures here; only
// the figures that changed are shaped again. Cleared when it grows large
// (figures typed over a long session).
struct TextKey {
  int pixels;
  bool italic;
  qreal width;  // the wrapping width; 0 for one line
  QString text;
  bool operator==(const TextKey&) const = default;
};

size_t qHash(const TextKey& k, size_t seed = 0) { return qHashMulti(seed, k.pixels, k.italic, k.width, k.text); }

struct ShapedTexts {
  QHash<TextKey, QStaticText> texts;
  QHash<TextKey, qreal> widths;
  void trim() {
    if (texts.size() > 2000) texts.clear();
    if (widths.size() > 4000) widths.clear();
  }
};

ShapedTexts& shaped() {
  static ShapedTexts cache;
  return cache;
}

TextKey key(const QFont& font, const QString& text, qreal width = 0) {
  return {font.pixelSize(), font.italic(), width, text};
}

}  // namespace

PlotText::PlotText(QPainter& painter, const QString& family, double points, double zoom)
    : painter_(painter),
      per_point_(units_per_point(painter) * zoom),
      points_(points),
      cached_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster),
      fonts_{sized(family, points, per_point_, false), sized(family, points, per_point_, true),
             sized(family, points * 0.75, per_point_, false), sized(family, points * 0.75, per_point_, true)},
      metrics_{QFontMetricsF(fonts_[0], painter.device()), QFontMetricsF(fonts_[1], painter.device()),
               QFontMetricsF(fonts_[2], painter.device()), QFontMetricsF(fonts_[3], painter.device())} {
  if (cached_) shaped().trim();
}

qreal PlotText::measure(const QString& text, Kind kind) const {
  if (!cached_) return metrics_[kind].horizontalAdvance(text);
  auto& widths = shaped().widths;
  const TextKey k = key(fonts_[kind], text);
  if (const auto it = widths.constFind(k); it != widths.constEnd()) return *it;
  return *widths.insert(k, metrics_[kind].horizontalAdvance(text));
}

qreal PlotText::symbol_width(const QString& symbol, bool italic) const {
  const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
  if (bar < 0) return width(symbol, italic);
  return width(symbol.left(bar), italic) + measure(symbol.mid(bar + 1), italic ? kItalicSub : kSub);
}

qreal PlotText::label_width(const QString& symbol, const QString& value, bool italic) const {
  return symbol_width(symbol, italic) + width(QStringLiteral(" = ") + value, italic);
}

QString PlotText::elided(const QString& text, qreal width, bool italic) const {
  if (width >= this->width(text, italic)) return text;
  return metrics_[italic ? kItalic : kBody].elidedText(text, Qt::ElideRight, std::max<qreal>(0, width));
}

qreal PlotText::wrapped_height(const QString& text, qreal width) const {
  width = std::max<qreal>(1, width);
  const auto measure = [&] {
    return std::max(line(), metrics_[0].boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height());
  };
  if (!cached_) return measure();
  auto& widths = shaped().widths;
  const TextKey k = key(fonts_[kBody], text, -width);  // negative: a height, not a width
  if (const auto it = widths.constFind(k); it != widths.constEnd()) return *it;
  return *widths.insert(k, measure());
}

void PlotText::draw(QPointF baseline, const QString& text, Kind kind) {
  painter_.setFont(fonts_[kind]);
  if (!cached_) {
    painter_.drawText(baseline, text);
    return;
  }
  auto& texts = shaped().texts;
  const TextKey k = key(fonts_[kind], text);
  auto it = texts.find(k);
  if (it == texts.end()) {
    QStaticText st(text);
    st.setTextFormat(Qt::PlainText);
    st.prepare(QTransform(), fonts_[kind]);
    it = texts.insert(k, st);
  }
  painter_.drawStaticText(QPointF(baseline.x(), baseline.y() - metrics_[kind].ascent()), *it);
}

qreal PlotText::text(QPointF at, const QString& text, bool italic) {
  draw(at, text, italic ? kItalic : kBody);
  return width(text, italic);
}

qreal PlotText::symbol(QPointF at, const QString& symbol, bool italic) {
  const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
  qreal w = text(at, bar < 0 ? symbol : symbol.left(bar), italic);
  if (bar >= 0) {
    const QString sub = symbol.mid(bar + 1);
    const Kind kind = italic ? kItalicSub : kSub;
    draw(QPointF(at.x() + w, at.y() + subscript_drop()), sub, kind);
    w += measure(sub, kind);
  }
  return w;
}

void PlotText::wrapped(const QRectF& box, const QString& text) {
  painter_.setFont(fonts_[kBody]);
  if (!cached_) {
    painter_.drawText(box, Qt::TextWordWrap, text);
    return;
  }
  auto& texts = shaped().texts;
  const TextKey k = key(fonts_[kBody], text, box.width());
  auto it = texts.find(k);
  if (it == texts.end()) {
    QStaticText st(text);
    st.setTextFormat(Qt::PlainText);
    st.setTextWidth(box.width());
    st.prepare(QTransform(), fonts_[kBody]);
    it = texts.insert(k, st);
  }
  painter_.drawStaticText(box.topLeft(), *it);
}

}  // namespace vorbento
