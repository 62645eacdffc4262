#include "presentation/plot/plot_parts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "presentation/look/colours.h"
#include "presentation/look/fonts.h"
#include "presentation/marks/mark_style.h"

namespace vorbento {

PlotStyle plot_style(const QPalette& palette) {
  PlotStyle s;
  s.background = page_background(palette);
  s.ink = palette.color(QPalette::Text);
  const bool dark = is_dark(palette);
  s.quiet = legible_on(mixed(s.ink, s.background, 0.7), s.background, kTextContrast);
  s.grid = mixed(s.ink, s.background, dark ? 0.22 : 0.14);
  s.problem_tint = problem_tint(palette);
  s.stale_tint = stale_tint(palette);
  s.family = vorbento_font().family();
  return s;
}

QPalette paper_palette() {
  QPalette paper;
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Window, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  paper.setColor(QPalette::WindowText, Qt::black);
  return paper;
}

QColor mixed(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                          static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                          static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
}

QColor mark_ground(const PlotStyle& s, PlotMark mark) {
  return mark == PlotMark::stale ? s.stale_tint : mark == PlotMark::problem ? s.problem_tint : s.background;
}

qreal label_width(const PlotText& pen, const PlotLabel& l) {
  const bool italic = l.mark == PlotMark::stale;
  return l.value.isEmpty() ? pen.symbol_width(l.symbol, italic) : pen.label_width(l.symbol, l.value, italic);
}

PlotLabel fitted(const PlotText& pen, PlotLabel l, qreal width) {
  if (l.value.isEmpty() || label_width(pen, l) <= width) return l;
  const bool italic = l.mark == PlotMark::stale;
  const qreal room = width - pen.symbol_width(l.symbol, italic) - pen.width(QStringLiteral(" = "), italic);
  l.value = pen.elided(l.value, room, italic);
  return l;
}

QRectF draw_label(QPainter& p, PlotText& pen, const PlotStyle& s, const PlotLabel& l, QPointF top_left) {
  const bool italic = l.mark == PlotMark::stale;
  const QRectF ground =
      QRectF(top_left, QSizeF(label_width(pen, l), pen.symbol_line())).adjusted(-pen.pt(1), 0, pen.pt(1), 0);
  p.fillRect(ground, mark_ground(s, l.mark));
  p.setPen(l.ink);
  const QPointF base(top_left.x(), top_left.y() + pen.ascent());
  const qreal w = pen.symbol(base, l.symbol, italic);
  if (!l.value.isEmpty()) pen.text(QPointF(base.x() + w, base.y()), QStringLiteral(" = ") + l.value, italic);
  return ground;
}

qreal clear_of_line(qreal left, qreal width, qreal line_x, qreal gap, qreal low, qreal high) {
  if (line_x + gap <= left || line_x - gap >= left + width) return left;
  const qreal before = line_x - gap - width, after = line_x + gap;
  const bool fits_before = before >= low, fits_after = after + width <= high;
  if (fits_before && (!fits_after || left - before <= after - left)) return before;
  return fits_after ? after : left;
}

QString tick_text(double v, int decimals) {
  if (std::abs(v) < 1e-12) v = 0;
  // Beyond a few million (a figure typed far off), powers of ten read better than thirty digits.
  QString t = std::abs(v) >= 1e7 ? QString::number(v, 'g', 4) : QString::number(v, 'f', decimals);
  if (t.startsWith(QLatin1Char('-'))) t.replace(0, 1, QChar(0x2212));
  return t;
}

qreal PlotAxis::at(double v) const {
  const double span = ticks.last() - ticks.first;
  return low_end + (v - ticks.first) / (span > 0 ? span : 1) * (high_end - low_end);
}

PlotAxis value_axis(std::vector<double> values, qreal low_end, qreal high_end, qreal spacing) {
  values.push_back(0);
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  return {nice_ticks(*lo, *hi, tick_room(std::abs(high_end - low_end), spacing)), low_end, high_end};
}

void draw_upright_axis(QPainter& p, PlotText& pen, const PlotStyle& s, const PlotAxis& a, qreal x0, qreal x1) {
  for (int k = 0; k < a.ticks.count; ++k) {
    const qreal y = a.at(a.ticks.at(k));
    rule(p, QPointF(x0, y), QPointF(x1, y), pen.pt(0.5), s.grid);
    rule(p, QPointF(x0 - pen.mm(1.2), y), QPointF(x0, y), pen.pt(0.75), s.quiet);
    const QString t = tick_text(a.ticks.at(k), a.ticks.decimals);
    p.setPen(s.quiet);
    pen.text(QPointF(x0 - pen.mm(1.8) - pen.width(t), y + pen.ascent() / 2 - pen.pt(0.5)), t);
  }
  rule(p, QPointF(x0, a.at(a.ticks.first)), QPointF(x0, a.at(a.ticks.last())), pen.pt(0.75), s.quiet);
}

void draw_level_ticks(QPainter& p, PlotText& pen, const PlotStyle& s, const Ticks& ticks, qreal y,
                      const std::function<std::optional<qreal>(double)>& x_of, std::optional<qreal> grid_top) {
  qreal last_right = -1e9;
  for (int k = 0; k < ticks.count; ++k) {
    const std::optional<qreal> x = x_of(ticks.at(k));
    if (!x) continue;
    const QString label = tick_text(ticks.at(k), ticks.decimals);
    const qreal w = pen.width(label);
    if (*x - w / 2 < last_right + pen.mm(2)) continue;
    last_right = *x + w / 2;
    if (grid_top) rule(p, QPointF(*x, *grid_top), QPointF(*x, y), pen.pt(0.5), s.grid);
    rule(p, QPointF(*x, y), QPointF(*x, y + pen.mm(1.2)), pen.pt(0.75), s.quiet);
    p.setPen(s.quiet);
    pen.text(QPointF(*x - w / 2, y + pen.mm(1.5) + pen.ascent()), label);
  }
}

// The screen's raster draws rectangles without stroking a path: thick and
// dashed lines cost it little.
void rule(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour, std::initializer_list<qreal> pattern) {
  // At least one pixel of the device: a hairline must not fall between rows.
  const qreal device_scale = std::sqrt(std::abs(p.deviceTransform().determinant()));
  if (device_scale > 0) width = std::max(width, 1 / device_scale);
  const bool across = std::abs(b.y() - a.y()) < std::abs(b.x() - a.x());
  const qreal from = across ? std::min(a.x(), b.x()) : std::min(a.y(), b.y());
  const qreal to = across ? std::max(a.x(), b.x()) : std::max(a.y(), b.y());
  const qreal at = across ? a.y() : a.x();
  const auto fill = [&](qreal s0, qreal s1) {
    if (across)
      p.fillRect(QRectF(s0, at - width / 2, s1 - s0, width), colour);
    else
      p.fillRect(QRectF(at - width / 2, s0, width, s1 - s0), colour);
  };
  if (pattern.size() < 2) {
    fill(from - width / 2, to + width / 2);
    return;
  }
  const std::vector<qreal> steps(pattern);
  qreal s = from;
  for (std::size_t k = 0; s < to; k = (k + 1) % steps.size()) {
    const qreal end = std::min(to, s + steps[k]);
    if (k % 2 == 0) fill(s, end);
    s += steps[k];
  }
}

void draw_limit_line(QPainter& p, PlotText& pen, const LimitLine& l, qreal x0, qreal x1, qreal y) {
  draw_limit_line(p, pen, l, QPointF(x0, y), QPointF(x1, y));
}

void draw_limit_line(QPainter& p, PlotText& pen, const LimitLine& l, QPointF a, QPointF b) {
  const qreal w = pen.pt(l.dash == Qt::SolidLine ? 1.0 : 1.2);
  const QColor& c = l.label.ink;
  if (l.label.mark != PlotMark::none)
    rule(p, a, b, w, c, {w, pen.mm(1)});
  else if (l.dash == Qt::DashLine)
    rule(p, a, b, w, c, {pen.mm(2), pen.mm(1.2)});
  else if (l.dash == Qt::DashDotLine)
    rule(p, a, b, w, c, {pen.mm(2.4), pen.mm(1), w, pen.mm(1)});
  else
    rule(p, a, b, w, c);
}

std::vector<qreal> spread_labels(const std::vector<qreal>& centres, qreal height, qreal lowest) {
  const std::size_t n = centres.size();
  std::vector<qreal> tops(n);
  for (std::size_t k = 0; k < n; ++k) {
    tops[k] = centres[k] - height / 2;
    if (k > 0) tops[k] = std::max(tops[k], tops[k - 1] + height);
  }
  for (std::size_t k = n; k-- > 0;) {  // back above `lowest` from below
    tops[k] = std::min(tops[k], lowest - height * static_cast<qreal>(n - k));
    if (k + 1 < n) tops[k] = std::min(tops[k], tops[k + 1] - height);
  }
  return tops;
}

std::vector<qreal> spread_point_labels(const std::vector<qreal>& lefts, const std::vector<qreal>& widths,
                                       const std::vector<qreal>& centres, qreal height, qreal lowest, qreal gap) {
  std::vector<std::size_t> order(lefts.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lefts[a] < lefts[b]; });
  std::vector<qreal> tops(lefts.size());
  for (std::size_t first = 0; first < order.size();) {
    std::size_t end = first + 1;
    qreal right = lefts[order[first]] + widths[order[first]] + gap;
    for (; end < order.size() && lefts[order[end]] < right; ++end)
      right = std::max(right, lefts[order[end]] + widths[order[end]] + gap);
    std::vector<std::size_t> column(order.begin() + static_cast<std::ptrdiff_t>(first),
                                    order.begin() + static_cast<std::ptrdiff_t>(end));
    std::stable_sort(column.begin(), column.end(),
                     [&](std::size_t a, std::size_t b) { return centres[a] < centres[b]; });
    std::vector<qreal> wanted;
    for (std::size_t k : column) wanted.push_back(centres[k]);
    const std::vector<qreal> spread = spread_labels(wanted, height, lowest);
    for (std::size_t k = 0; k < column.size(); ++k) tops[column[k]] = spread[k];
    first = end;
  }
  return tops;
}

void draw_limit_labels(QPainter& p, PlotText& pen, const PlotStyle& s, const std::vector<LimitLine>& limits,
                       const std::vector<qreal>& ys, qreal x1, qreal lowest) {
  std::vector<std::size_t> order(limits.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return ys[a] < ys[b]; });
  std::vector<qreal> centres;
  for (std::size_t k : order) centres.push_back(ys[k]);
  const qreal line = pen.symbol_line();
  const std::vector<qreal> tops = spread_labels(centres, line, lowest);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const LimitLine& l = limits[order[k]];
    if (std::abs(tops[k] + line / 2 - centres[k]) > 0.5) {
      p.setPen(QPen(l.label.ink, pen.pt(0.5)));
      p.drawLine(QPointF(x1, centres[k]), QPointF(x1 + pen.mm(1.5), tops[k] + line / 2));
    }
    draw_label(p, pen, s, l.label, QPointF(x1 + pen.mm(2), tops[k]));
  }
}

}  // namespace vorbento
