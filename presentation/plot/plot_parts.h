// The pieces every plot of the program draws alike, so that the motion cycle
// and the motor's speed–torque plane read the same: the colours of ink, grid
// and marks, value axes with nice ticks, a symbol with its subscript and
// value on a ground of its own, a limit line across the plot with its label
// beside it, and how a marked figure shows (its mark's tint, stale ones in
// italics, a limit line dotted).
#pragma once

#include <QColor>
#include <QPalette>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "presentation/plot/nice_ticks.h"
#include "presentation/plot/plot_text.h"

class QPainter;

namespace vorbento {

// The colours and type every plot shares; a plot adds the colours of its own curves.
struct PlotStyle {
  QColor background, ink, quiet, grid;
  QColor problem_tint, stale_tint;
  QString family;
  double points = 8;  // the labels' size; subscripts are three quarters of it
};

// The shared colours in the desktop's palette, light or dark.
PlotStyle plot_style(const QPalette& palette);
// The palette of paper: dark ink on white whatever the desktop.
QPalette paper_palette();
// `a` over `b` by `share` (0 to 1), opaque: nothing for the PDF or the raster to blend.
QColor mixed(const QColor& a, const QColor& b, double share);

// How a figure's field is marked: a text the formulas cannot use, or a result
// that lags the inputs shown.
enum class PlotMark { none, problem, stale };

// The ground under a figure: its mark's tint, else the plot's background.
QColor mark_ground(const PlotStyle& style, PlotMark mark);

// "symbol = value" (value empty: the symbol alone), with the symbol's
// subscript small and low ("M_mmax"), in `ink`.
struct PlotLabel {
  QString symbol, value;
  PlotMark mark = PlotMark::none;
  QColor ink;
};

qreal label_width(const PlotText& pen, const PlotLabel& label);
// The label with its value cut with "…" so that it fits `width` (a figure
// typed absurdly long); the symbol stays whole.
PlotLabel fitted(const PlotText& pen, PlotLabel label, qreal width);
// Draws the label on a ground of its own, so that no line runs through its
// figures; a marked one on its mark's tint, a stale one also in italics. It
// stands `pen.symbol_line()` tall: the subscript's descenders on the ground too.
// Returns the ground's rectangle.
QRectF draw_label(QPainter& painter, PlotText& pen, const PlotStyle& style, const PlotLabel& label, QPointF top_left);

// Where the left edge of a label `width` wide, wanting to stand at `left`,
// goes so that an upright line at `line_x` passes it at least `gap` away:
// to the nearer side that keeps the label within [`low`, `high`]; where
// neither does, or the line misses it anyway, `left` itself.
qreal clear_of_line(qreal left, qreal width, qreal line_x, qreal gap, qreal low, qreal high);

// A tick's label: the ticks' common decimals, a true minus sign, powers of
// ten beyond a few million.
QString tick_text(double value, int decimals);

// A value axis: where its lowest and highest ticks stand on the page (for an
// upright axis the lowest at the bottom, so `low_end` > `high_end`).
struct PlotAxis {
  Ticks ticks;
  qreal low_end = 0, high_end = 0;
  qreal at(double value) const;
};

// An axis from `low_end` to `high_end` covering `values` and zero, its ticks
// at least `spacing` apart.
PlotAxis value_axis(std::vector<double> values, qreal low_end, qreal high_end, qreal spacing);

// An upright axis at `x0`: grid lines across to `x1`, ticks and their labels left of it.
void draw_upright_axis(QPainter& painter, PlotText& pen, const PlotStyle& style, const PlotAxis& axis, qreal x0,
                       qreal x1);

// Ticks and labels under a level axis at `y`: `x_of` gives a tick's place, or
// none where it must not stand; a label that would crowd the one before it is
// left out. With `grid_top`, a grid line from the axis up to it at every tick.
void draw_level_ticks(QPainter& painter, PlotText& pen, const PlotStyle& style, const Ticks& ticks, qreal y,
                      const std::function<std::optional<qreal>(double)>& x_of,
                      std::optional<qreal> grid_top = std::nullopt);

// A line along an axis as filled rectangles, square ends half its width
// beyond its points; `pattern` alternates dash and gap lengths (empty: solid).
void rule(QPainter& painter, QPointF a, QPointF b, qreal width, const QColor& colour,
          std::initializer_list<qreal> pattern = {});

// A limit across the plot (a motor's peak or rated torque, an average): its
// value, its label, and its dash, so that the lines are told apart without
// colour too. A marked limit is dotted whatever its dash.
struct LimitLine {
  double value = 0;
  PlotLabel label;
  Qt::PenStyle dash = Qt::SolidLine;  // solid, dashed or dash-dotted
};

// The limit's line from `x0` to `x1` at `y`.
void draw_limit_line(QPainter& painter, PlotText& pen, const LimitLine& limit, qreal x0, qreal x1, qreal y);
// The same from `a` to `b`, across or upright (a speed's limit stands upright).
void draw_limit_line(QPainter& painter, PlotText& pen, const LimitLine& limit, QPointF a, QPointF b);

// Where labels `height` tall, each wanting to stand centred on one of
// `centres` (ascending), stand without overlapping: pushed apart downwards,
// then back up so that none passes `lowest`. Returns the labels' tops.
std::vector<qreal> spread_labels(const std::vector<qreal>& centres, qreal height, qreal lowest);

// Where labels beside points stand: those whose spans across (from `lefts`
// over `widths`, plus `gap`) overlap form a column, spread apart upright as
// spread_labels does; the others keep their places. Returns the labels' tops,
// in the order given.
std::vector<qreal> spread_point_labels(const std::vector<qreal>& lefts, const std::vector<qreal>& widths,
                                       const std::vector<qreal>& centres, qreal height, qreal lowest, qreal gap);

// The limits' labels right of `x1`, spread apart and above `lowest`, each
// joined to its line by a short stroke where it had to move.
void draw_limit_labels(QPainter& painter, PlotText& pen, const PlotStyle& style, const std::vector<LimitLine>& limits,
                       const std::vector<qreal>& ys, qreal x1, qreal lowest);

}  // namespace vorbento
