// A small two-dimensional formula layout: text runs, operators, sub- and
// superscripts, fractions, brackets that grow with their content and a radical,
// measured and drawn with QPainter. It knows nothing about what the formulas mean.
#pragma once

#include <QHash>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <memory>
#include <vector>

class QPainter;

namespace vorbento::formula {

// Text set in one face: its glyph outlines placed along the baseline from
// (0, 0), and the advance to where the next text starts.
struct SetText {
  QPainterPath outline;
  qreal advance = 0;
};

// The faces and the two sizes a formula is set in. Level 0 is the body size,
// level 1 the size of sub- and superscripts (scripts of scripts stay at level 1).
//
// All text is drawn as filled glyph outlines taken straight from the font
// files, never through the toolkit's glyph cache, so a picture comes out the
// same on every machine and in every run, whatever the desktop's font
// configuration (hinting, sub-pixel colour) is.
class FormulaStyle {
 public:
  FormulaStyle(const QRawFont& upright_body, const QRawFont& italic_body, const QRawFont& upright_script,
               const QRawFont& italic_script);

  // Space on either side of "=" and of the arithmetic signs, in ems.
  qreal relation_space = 0.24;
  qreal operator_space = 0.16;

  SetText set(const QString& run, int level, bool italic = false) const;
  qreal em(int level) const;
  // Height of the fraction bars and of the middle of "=" above the baseline.
  qreal axis(int level) const;
  qreal x_height(int level) const;

 private:
  const QRawFont& face(int level, bool italic) const;

  QRawFont upright_body_, italic_body_, upright_script_, italic_script_;
  mutable QHash<QString, SetText> set_cache_;
};

// The room an item takes: its advance width, and how far its ink reaches above
// (ascent) and below (descent) its baseline, in pixels.
struct Extent {
  qreal width = 0;
  qreal ascent = 0;
  qreal descent = 0;
};

class Item {
 public:
  virtual ~Item() = default;
  virtual Extent measure(const FormulaStyle& style, int level) const = 0;
  // Draws the item with the left end of its baseline at `origin`.
  virtual void draw(QPainter& painter, QPointF origin, const FormulaStyle& style, int level) const = 0;
  // Extra room a raised script needs after a slanted (italic) base.
  virtual qreal italic_correction(const FormulaStyle&, int) const { return 0; }
};

using ItemPtr = std::unique_ptr<Item>;

// A run of text set as it is, upright or italic.
ItemPtr text(QString run, bool italic = false);
// A binary operator or relation ("=", "+", "−", "*"): centred on the axis with
// a little space on either side.
ItemPtr op(QString sign);
// Items set one after another on a common baseline.
ItemPtr sequence(std::vector<ItemPtr> items);
// A base with a subscript, a superscript or both (either may be null).
ItemPtr scripts(ItemPtr base, ItemPtr sub, ItemPtr sup);
// Numerator over denominator with a bar on the axis.
ItemPtr fraction(ItemPtr numerator, ItemPtr denominator);
// Content between two bracket glyphs, stretched to its height when needed.
ItemPtr fenced(ItemPtr content, QChar open, QChar close);
// A square root sign with its bar over the whole content.
ItemPtr radical(ItemPtr content);

}  // namespace vorbento::formula
