#include "presentation/formula/formula_layout.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace vorbento::formula {

FormulaStyle::FormulaStyle(const QRawFont& upright_body, const QRawFont& italic_body, const QRawFont& upright_script,
                           const QRawFont& italic_script)
    : upright_body_(upright_body),
      italic_body_(italic_body),
      upright_script_(upright_script),
      italic_script_(italic_script) {}

const QRawFont& FormulaStyle::face(int level, bool italic) const {
  if (level == 0) return italic ? italic_body_ : upright_body_;
  return italic ? italic_script_ : upright_script_;
}

SetText FormulaStyle::set(const QString& run, int level, bool italic) const {
  // Every run is measured and drawn several times (and x and the minus sign
  // for every item); outlines are costly to extract, so each is set once.
  const QString key = QString::number(level) + (italic ? u'i' : u'u') + run;
  if (const auto hit = set_cache_.constFind(key); hit != set_cache_.constEnd()) return *hit;
  const QRawFont& font = face(level, italic);
  const QList<quint32> glyphs = font.glyphIndexesForString(run);
  const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
  SetText result;
  // Neighbouring glyphs may overlap (italics, kerning); non-zero winding
  // keeps the overlap filled.
  result.outline.setFillRule(Qt::WindingFill);
  for (qsizetype k = 0; k < glyphs.size(); ++k) {
    result.outline.addPath(font.pathForGlyph(glyphs[k]).translated(result.advance, 0));
    result.advance += advances[k].x();
  }
  set_cache_.insert(key, result);
  return result;
}

qreal FormulaStyle::em(int level) const { return face(level, false).pixelSize(); }

qreal FormulaStyle::axis(int level) const {
  // The middle of the minus sign is where fraction bars belong.
  return -set(QStringLiteral("\u2212"), level).outline.boundingRect().center().y();
}

qreal FormulaStyle::x_height(int level) const { return -set(QStringLiteral("x"), level).outline.boundingRect().top(); }

namespace {

void fill(QPainter& painter, const QPainterPath& outline, QPointF origin) {
  painter.fillPath(outline.translated(origin), Qt::black);
}

int script_level(int level) { return std::min(level + 1, 1); }

class Text final : public Item {
 public:
  Text(QString run, bool italic) : run_(std::move(run)), italic_(italic) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const SetText t = style.set(run_, level, italic_);
    const QRectF ink = t.outline.boundingRect();
    // A run with only low letters still keeps x-height above the baseline, so
    // that "a" and "m" in a denominator sit like the other letters do.
    return {t.advance, std::max(-ink.top(), style.x_height(level)), std::max(ink.bottom(), 0.0)};
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    fill(painter, style.set(run_, level, italic_).outline, origin);
  }

  qreal italic_correction(const FormulaStyle& style, int level) const override {
    return italic_ ? 0.03 * style.em(level) : 0.0;
  }

 private:
  QString run_;
  bool italic_;
};

class Operator final : public Item {
 public:
  explicit Operator(QString sign) : sign_(std::move(sign)) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const SetText t = style.set(sign_, level);
    const QRectF ink = t.outline.boundingRect().translated(0, drop(style, level));
    return {t.advance + 2 * space(style, level), -ink.top(), std::max(ink.bottom(), 0.0)};
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    fill(painter, style.set(sign_, level).outline, origin + QPointF(space(style, level), drop(style, level)));
  }

 private:
  // Relations get a little more air than the arithmetic signs.
  qreal space(const FormulaStyle& style, int level) const {
    return (sign_ == QStringLiteral("=") ? style.relation_space : style.operator_space) * style.em(level);
  }
  // The asterisk sits high in the face; used as a multiplication sign it is
  // lowered to the axis like "+" and "−".
  qreal drop(const FormulaStyle& style, int level) const {
    return -style.axis(level) - style.set(sign_, level).outline.boundingRect().center().y();
  }

  QString sign_;
};

class Sequence final : public Item {
 public:
  explicit Sequence(std::vector<ItemPtr> items) : items_(std::move(items)) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    Extent total;
    for (const ItemPtr& item : items_) {
      const Extent e = item->measure(style, level);
      total.width += e.width;
      total.ascent = std::max(total.ascent, e.ascent);
      total.descent = std::max(total.descent, e.descent);
    }
    return total;
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    for (const ItemPtr& item : items_) {
      item->draw(painter, origin, style, level);
      origin.rx() += item->measure(style, level).width;
    }
  }

  qreal italic_correction(const FormulaStyle& style, int level) const override {
    return items_.empty() ? 0.0 : items_.back()->italic_correction(style, level);
  }

 private:
  std::vector<ItemPtr> items_;
};

class Scripts final : public Item {
 public:
  Scripts(ItemPtr base, ItemPtr sub, ItemPtr sup)
      : base_(std::move(base)), sub_(std::move(sub)), sup_(std::move(sup)) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const Geometry g = geometry(style, level);
    const Extent b = base_->measure(style, level);
    Extent e{b.width + g.scripts_width, b.ascent, b.descent};
    if (sub_) e.descent = std::max(e.descent, g.sub_drop + g.sub.descent);
    if (sup_) e.ascent = std::max(e.ascent, g.sup_rise + g.sup.ascent);
    return e;
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    const Geometry g = geometry(style, level);
    const int small = script_level(level);
    base_->draw(painter, origin, style, level);
    const qreal x = origin.x() + base_->measure(style, level).width;
    if (sub_) sub_->draw(painter, QPointF(x, origin.y() + g.sub_drop), style, small);
    if (sup_) sup_->draw(painter, QPointF(x + g.sup_shift, origin.y() - g.sup_rise), style, small);
  }

 private:
  struct Geometry {
    Extent sub, sup;
    qreal sub_drop = 0, sup_rise = 0, sup_shift = 0, scripts_width = 0;
  };

  Geometry geometry(const FormulaStyle& style, int level) const {
    const int small = script_level(level);
    const qreal em = style.em(level);
    const qreal x_height = style.x_height(level);
    const Extent b = base_->measure(style, level);
    Geometry g;
    if (sub_) {
      g.sub = sub_->measure(style, small);
      g.sub_drop = std::max({0.2 * em, g.sub.ascent - 0.8 * x_height, b.descent - 0.3 * g.sub.ascent});
    }
    if (sup_) {
      g.sup = sup_->measure(style, small);
      g.sup_shift = base_->italic_correction(style, level);
      g.sup_rise = std::max({0.36 * em, b.ascent - 0.5 * g.sup.ascent, g.sup.descent + 0.25 * x_height});
    }
    if (sub_ && sup_) {
      // Stacked scripts keep a visible gap between them.
      const qreal gap = (g.sup_rise - g.sup.descent) - (g.sub.ascent - g.sub_drop);
      const qreal wanted = 0.12 * em;
      if (gap < wanted) g.sub_drop += wanted - gap;
    }
    g.scripts_width = std::max(sub_ ? g.sub.width : 0.0, sup_ ? g.sup.width + g.sup_shift : 0.0) + 0.05 * em;
    return g;
  }

  ItemPtr base_, sub_, sup_;
};

class Fraction final : public Item {
 public:
  Fraction(ItemPtr numerator, ItemPtr denominator) : num_(std::move(numerator)), den_(std::move(denominator)) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const Extent n = num_->measure(style, level);
    const Extent d = den_->measure(style, level);
    const qreal axis = style.axis(level);
    const qreal gap = this->gap(style, level);
    return {std::max(n.width, d.width) + 2 * pad(style, level), axis + kBar / 2 + gap + n.ascent + n.descent,
            d.ascent + d.descent + gap + kBar / 2 - axis};
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    const Extent n = num_->measure(style, level);
    const Extent d = den_->measure(style, level);
    const Extent all = measure(style, level);
    const qreal gap = this->gap(style, level);
    // The bar is snapped to whole pixels so that it stays one crisp line.
    const qreal bar_top = std::round(origin.y() - style.axis(level) - kBar / 2);
    painter.fillRect(QRectF(origin.x() + 0.5 * pad(style, level), bar_top, all.width - pad(style, level), kBar),
                     Qt::black);
    num_->draw(painter, QPointF(origin.x() + (all.width - n.width) / 2, bar_top - gap - n.descent), style, level);
    den_->draw(painter, QPointF(origin.x() + (all.width - d.width) / 2, bar_top + kBar + gap + d.ascent), style, level);
  }

 private:
  static constexpr qreal kBar = 1.0;
  static qreal gap(const FormulaStyle& style, int level) { return std::max(2.0, 0.16 * style.em(level)); }
  static qreal pad(const FormulaStyle& style, int level) { return 0.1 * style.em(level); }

  ItemPtr num_, den_;
};

class Fenced final : public Item {
 public:
  Fenced(ItemPtr content, QChar open, QChar close) : content_(std::move(content)), open_(open), close_(close) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const Extent c = content_->measure(style, level);
    const Delimiter l = delimiter(open_, c, style, level);
    const Delimiter r = delimiter(close_, c, style, level);
    return {l.width + c.width + r.width, std::max(c.ascent, l.ascent), std::max(c.descent, l.descent)};
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    const Extent c = content_->measure(style, level);
    const Delimiter l = delimiter(open_, c, style, level);
    const Delimiter r = delimiter(close_, c, style, level);
    paint(painter, l, origin);
    content_->draw(painter, origin + QPointF(l.width, 0), style, level);
    paint(painter, r, origin + QPointF(l.width + c.width, 0));
  }

  qreal italic_correction(const FormulaStyle& style, int level) const override { return 0.04 * style.em(level); }

 private:
  // One bracket as a filled outline relative to the baseline origin.
  struct Delimiter {
    QPainterPath outline;
    qreal width = 0, ascent = 0, descent = 0;
  };

  static Delimiter delimiter(QChar glyph, const Extent& content, const FormulaStyle& style, int level) {
    const SetText set = style.set(QString(glyph), level);
    const QPainterPath& path = set.outline;
    const QRectF ink = path.boundingRect();
    const qreal advance = set.advance;
    // A superscript peeping over the glyph does not yet call for a taller one.
    const qreal slack = 0.3 * style.em(level);
    if (content.ascent <= -ink.top() + slack && content.descent <= ink.bottom() + slack)
      return {path, advance, -ink.top(), ink.bottom()};

    // Taller content: the glyph is stretched symmetrically about the axis to
    // reach a little beyond the content, and widened somewhat so that the
    // curve does not look starved.
    const qreal axis = style.axis(level);
    const qreal half = std::max(content.ascent - axis, content.descent + axis) + 0.08 * style.em(level);
    const qreal sy = 2 * half / ink.height();
    const qreal sx = std::min(1.0 + 0.3 * (sy - 1.0), 1.8);
    QTransform t;
    t.translate(ink.left(), -(axis + half));
    t.scale(sx, sy);
    t.translate(-ink.left(), -ink.top());
    const qreal width = advance + ink.width() * (sx - 1.0);
    return {t.map(path), width, axis + half, half - axis};
  }

  static void paint(QPainter& painter, const Delimiter& d, QPointF origin) { fill(painter, d.outline, origin); }

  ItemPtr content_;
  QChar open_, close_;
};

class Radical final : public Item {
 public:
  explicit Radical(ItemPtr content) : content_(std::move(content)) {}

  Extent measure(const FormulaStyle& style, int level) const override {
    const Shape s = shape(style, level);
    return {s.sign_width + s.content.width + s.overhang, s.top + 1.0, s.bottom};
  }

  void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const override {
    const Shape s = shape(style, level);
    const qreal em = style.em(level);
    const qreal x0 = origin.x();
    const qreal bottom = origin.y() + s.bottom;
    // The bar is snapped to whole pixels like a fraction bar.
    const qreal bar = std::round(origin.y() - s.top);
    const qreal hook_y = bottom - std::min(0.55 * (s.top + s.bottom), 0.5 * em);

    const QPointF a(x0 + 0.04 * em, hook_y + 0.06 * em);
    const QPointF b(x0 + 0.16 * em, hook_y - 0.02 * em);
    const QPointF c(x0 + 0.38 * em, bottom);
    const QPointF d(x0 + s.sign_width - 0.02 * em, bar + 0.5);
    const qreal right = x0 + s.sign_width + s.content.width + s.overhang;

    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(a, b);
    painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(b, c);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(c, d);
    painter.restore();
    painter.fillRect(QRectF(d.x(), bar, right - d.x(), 1.0), Qt::black);

    content_->draw(painter, QPointF(x0 + s.sign_width, origin.y()), style, level);
  }

 private:
  struct Shape {
    Extent content;
    qreal sign_width = 0, overhang = 0, top = 0, bottom = 0;
  };

  Shape shape(const FormulaStyle& style, int level) const {
    const qreal em = style.em(level);
    Shape s;
    s.content = content_->measure(style, level);
    s.sign_width = 0.72 * em;
    s.overhang = 0.12 * em;
    s.top = s.content.ascent + std::max(2.0, 0.14 * em);
    s.bottom = s.content.descent + 0.06 * em;
    return s;
  }

  ItemPtr content_;
};

}  // namespace

ItemPtr text(QString run, bool italic) { return std::make_unique<Text>(std::move(run), italic); }
ItemPtr op(QString sign) { return std::make_unique<Operator>(std::move(sign)); }
ItemPtr sequence(std::vector<ItemPtr> items) { return std::make_unique<Sequence>(std::move(items)); }
ItemPtr scripts(ItemPtr base, ItemPtr sub, ItemPtr sup) {
  return std::make_unique<Scripts>(std::move(base), std::move(sub), std::move(sup));
}
ItemPtr fraction(ItemPtr numerator, ItemPtr denominator) {
  return std::make_unique<Fraction>(std::move(numerator), std::move(denominator));
}
ItemPtr fenced(ItemPtr content, QChar open, QChar close) {
  return std::make_unique<Fenced>(std::move(content), open, close);
}
ItemPtr radical(ItemPtr content) { return std::make_unique<Radical>(std::move(content)); }

}  // namespace vorbento::formula
