#include "presentation/cycle/cycle_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "presentation/cycle/cycle_text.h"
#include "presentation/cycle/cycle_time_axis.h"
#include "presentation/cycle/nice_ticks.h"
#include "presentation/look/colours.h"
#include "presentation/look/fonts.h"
#include "presentation/marks/mark_style.h"

namespace vorbento {

namespace {

QColor tint(const CycleStyle& s, const CycleQuantity& q) { return q.stale ? s.stale_tint : s.problem_tint; }

// A label on a ground of its own, so that no line runs through its figures;
// a marked quantity on its mark's tint, a stale one also in italics.
struct Label {
  QString symbol, value;  // value empty: the symbol alone
  const CycleQuantity* quantity = nullptr;
  QColor ink;
};

qreal label_width(const CycleText& pen, const Label& l) {
  const bool italic = l.quantity && l.quantity->stale;
  return l.value.isEmpty() ? pen.symbol_width(l.symbol, italic) : pen.label_width(l.symbol, l.value, italic);
}

void draw_label(QPainter& p, CycleText& pen, const CycleStyle& s, const Label& l, QPointF top_left) {
  const bool italic = l.quantity && l.quantity->stale;
  const QRectF box(top_left, QSizeF(label_width(pen, l), pen.line()));
  p.fillRect(box.adjusted(-pen.pt(1), 0, pen.pt(1), 0),
             l.quantity && l.quantity->marked() ? tint(s, *l.quantity) : s.background);
  p.setPen(l.ink);
  const QPointF base(top_left.x(), top_left.y() + pen.ascent());
  const qreal w = pen.symbol(base, l.symbol, italic);
  if (!l.value.isEmpty()) pen.text(QPointF(base.x() + w, base.y()), QStringLiteral(" = ") + l.value, italic);
}

// Two lines centred on `x`: the symbol above its text.
void draw_pair(QPainter& p, CycleText& pen, const CycleStyle& s, const CycleQuantity& q, const QString& text, qreal x,
               qreal top, QColor ink) {
  const Label sym{q.symbol, {}, &q, ink};
  draw_label(p, pen, s, sym, QPointF(x - label_width(pen, sym) / 2, top));
  const bool italic = q.stale;
  const qreal w = pen.width(text, italic);
  const QRectF box(x - w / 2, top + pen.line(), w, pen.line());
  p.fillRect(box.adjusted(-pen.pt(1), 0, pen.pt(1), 0), q.marked() ? tint(s, q) : s.background);
  p.setPen(ink);
  pen.text(QPointF(box.left(), box.top() + pen.ascent()), text, italic);
}

void rule(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour, std::initializer_list<qreal> pattern = {});

QString tick_text(double v, int decimals) {
  if (std::abs(v) < 1e-12) v = 0;
  // Beyond a few million (a figure typed far off), powers of ten read better than thirty digits.
  QString t = std::abs(v) >= 1e7 ? QString::number(v, 'g', 4) : QString::number(v, 'f', decimals);
  if (t.startsWith(QLatin1Char('-'))) t.replace(0, 1, QChar(0x2212));
  return t;
}

struct Axis {
  Ticks ticks;
  qreal top, bottom;  // where the lowest and highest tick stand
  qreal y(double v) const {
    const double span = ticks.last() - ticks.first;
    return bottom - (v - ticks.first) / (span > 0 ? span : 1) * (bottom - top);
  }
};

Axis value_axis(std::vector<double> values, qreal top, qreal bottom, qreal spacing) {
  values.push_back(0);
  const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
  return {nice_ticks(*lo, *hi, tick_room(bottom - top, spacing)), top, bottom};
}

void draw_value_ticks(QPainter& p, CycleText& pen, const CycleStyle& s, const Axis& a, qreal x0, qreal x1) {
  for (int k = 0; k < a.ticks.count; ++k) {
    const qreal y = a.y(a.ticks.at(k));
    rule(p, QPointF(x0, y), QPointF(x1, y), pen.pt(0.5), s.grid);
    rule(p, QPointF(x0 - pen.mm(1.2), y), QPointF(x0, y), pen.pt(0.75), s.quiet);
    const QString t = tick_text(a.ticks.at(k), a.ticks.decimals);
    p.setPen(s.quiet);
    pen.text(QPointF(x0 - pen.mm(1.8) - pen.width(t), y + pen.ascent() / 2 - pen.pt(0.5)), t);
  }
  rule(p, QPointF(x0, a.y(a.ticks.first)), QPointF(x0, a.y(a.ticks.last())), pen.pt(0.75), s.quiet);
}

// Two short slanted strokes across the time axis: here time is not to scale.
void draw_break(QPainter& p, CycleText& pen, const CycleStyle& s, qreal x, qreal y) {
  const qreal h = pen.mm(1.4), gap = pen.mm(0.7), lean = pen.mm(0.7);
  p.fillRect(QRectF(x - gap / 2 - lean, y - h / 2, gap + 2 * lean, h), s.background);
  p.setPen(QPen(s.quiet, pen.pt(0.75)));
  for (qreal dx : {-gap / 2, gap / 2}) p.drawLine(QPointF(x + dx - lean, y + h / 2), QPointF(x + dx + lean, y - h / 2));
}

// A line along an axis as filled rectangles, square ends half its width
// beyond its points so that steps join cleanly; `pattern` alternates dash
// and gap lengths (empty: solid). The screen's raster draws rectangles
// without stroking a path: thick and dashed lines cost it little.
void rule(QPainter& p, QPointF a, QPointF b, qreal width, const QColor& colour, std::initializer_list<qreal> pattern) {
  // At least one pixel of the device: a hairline must not fall between rows.
  const qreal device_scale = std::sqrt(std::abs(p.deviceTransform().determinant()));
  if (device_scale > 0) width = std::max(width, 1 / device_scale);
  const bool across = std::abs(b.y() - a.y()) < std::abs(b.x() - a.x());
  const qreal from = across ? std::min(a.x(), b.x()) : std::min(a.y(), b.y());
  const qreal to = across ? std::max(a.x(), b.x()) : std::max(a.y(), b.y());
  const qreal at = across ? a.y() : a.x();
  const auto fill = [&](qreal s0, qreal s1) {
    if (across) p.fillRect(QRectF(s0, at - width / 2, s1 - s0, width), colour);
    else p.fillRect(QRectF(at - width / 2, s0, width, s1 - s0), colour);
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

}  // namespace

CycleStyle cycle_style(const QPalette& palette) {
  CycleStyle s;
  s.background = page_background(palette);
  s.ink = palette.color(QPalette::Text);
  const bool dark = is_dark(palette);
  const auto mix = [&](double share) {
    const QColor a = s.ink, b = s.background;
    return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                            static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                            static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
  };
  s.quiet = legible_on(mix(0.7), s.background, kTextContrast);
  s.grid = mix(dark ? 0.22 : 0.14);
  s.speed = legible_on(dark ? QColor(110, 170, 255) : QColor(0, 80, 190), s.background, kTextContrast);
  s.torque = legible_on(dark ? QColor(90, 200, 120) : QColor(0, 110, 50), s.background, kTextContrast);
  // Opaque, mixed with the ground: no transparency for the PDF or the raster to blend.
  const double share = dark ? 0.28 : 0.16;
  s.torque_fill = QColor::fromRgbF(static_cast<float>(s.torque.redF() * share + s.background.redF() * (1 - share)),
                                   static_cast<float>(s.torque.greenF() * share + s.background.greenF() * (1 - share)),
                                   static_cast<float>(s.torque.blueF() * share + s.background.blueF() * (1 - share)));
  s.peak = legible_on(dark ? QColor(255, 110, 100) : QColor(190, 20, 20), s.background, kTextContrast);
  s.rated = legible_on(dark ? QColor(255, 180, 60) : QColor(170, 90, 0), s.background, kTextContrast);
  s.average = legible_on(dark ? QColor(200, 150, 255) : QColor(110, 40, 170), s.background, kTextContrast);
  s.problem_tint = problem_tint(palette);
  s.stale_tint = stale_tint(palette);
  s.family = vorbento_font().family();
  return s;
}

CycleStyle printed_cycle_style() {
  QPalette paper;
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Window, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  paper.setColor(QPalette::WindowText, Qt::black);
  return cycle_style(paper);
}

void paint_cycle(QPainter& p, const QRectF& target, const CycleData& d, const CycleStyle& s) {
  p.save();
  p.setClipRect(target, Qt::IntersectClip);
  // Smoothing only for the slanted speed ramps: every other line runs along
  // an axis, and smoothing those costs a repaint at every keystroke dearly.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(target, s.background);
  CycleText pen(p, s.family, s.points);
  const qreal line = pen.line();
  const qreal pad = pen.mm(1.5);

  // The notes under the plot, each wrapped in the width.
  std::vector<qreal> note_heights;
  qreal notes_height = 0;
  for (const CycleNote& n : d.notes) {
    const qreal indent = pen.symbol_width(n.symbol) + pen.width(QStringLiteral(": "));
    note_heights.push_back(pen.wrapped_height(n.words, target.width() - indent));
    notes_height += note_heights.back();
  }
  if (!d.notes.empty()) notes_height += pad;

  // Lines across the torque plot, with their labels in the right margin.
  struct Rating {
    const CycleQuantity* q;
    QString symbol;
    QString text;
    double value;
    QColor colour;
    Qt::PenStyle dash;  // solid, dashed or dash-dotted: told apart also without colour
  };
  std::vector<Rating> ratings;
  const QChar minus(0x2212);
  if (d.peak.value) {
    ratings.push_back({&d.peak, d.peak.symbol, d.peak.text, *d.peak.value, s.peak, Qt::SolidLine});
    // The motor brakes as hard as it accelerates: −M_mmax bounds the braking levels.
    CycleQuantity negated = d.peak;
    negated.symbol.prepend(minus);
    ratings.push_back({&d.peak, negated.symbol, negated.signed_text(), -*d.peak.value, s.peak, Qt::SolidLine});
  }
  if (d.rated.value) ratings.push_back({&d.rated, d.rated.symbol, d.rated.text, *d.rated.value, s.rated, Qt::DashLine});
  if (d.average.value)
    ratings.push_back({&d.average, d.average.symbol, d.average.text, *d.average.value, s.average, Qt::DashDotLine});
  qreal right_margin = pen.mm(2);
  for (const Rating& r : ratings)
    right_margin = std::max(right_margin, label_width(pen, {r.symbol, r.text, r.q, r.colour}) + pen.mm(3));
  // A figure typed absurdly long must not squeeze the plot away.
  right_margin = std::min(right_margin, target.width() * 0.4);

  // Room for the tick labels left of both plots.
  std::vector<double> speeds, torques;
  for (const CycleQuantity* q : {&d.speed_g1, &d.speed_g0})
    if (q->value) speeds.push_back(*q->value);
  for (const CycleSegment& seg : d.segments)
    if (seg.drawn()) torques.push_back(*seg.torque.value);
  for (const Rating& r : ratings) torques.push_back(r.value);

  const qreal x0_guess = target.left() + pen.width(QStringLiteral("0000.0")) + pen.mm(3);
  const qreal top = target.top() + pad;
  const qreal bottom_rows = pen.mm(1.5) + 3 * line + pad;  // time ticks, the durations' symbols and texts
  const qreal plots = target.bottom() - notes_height - bottom_rows - top - 2 * line - pad;
  const qreal speed_top = top + line;
  const qreal speed_bottom = speed_top + std::max<qreal>(line, plots * 0.32);
  const qreal torque_top = speed_bottom + pad + line;
  const qreal torque_bottom = target.bottom() - notes_height - bottom_rows;

  const qreal spacing = 2.2 * line;
  const Axis speed_axis = value_axis(speeds, speed_top + line * 1.2, speed_bottom, spacing);
  const Axis torque_axis = value_axis(torques, torque_top + 2.2 * line, torque_bottom - 2.2 * line, spacing);
  qreal ticks_width = 0;
  for (const Axis* a : {&speed_axis, &torque_axis})
    for (int k = 0; k < a->ticks.count; ++k)
      ticks_width = std::max(ticks_width, pen.width(tick_text(a->ticks.at(k), a->ticks.decimals)));
  const qreal x0 = std::max(target.left() + ticks_width + pen.mm(2.5), std::min(x0_guess, target.left() + pen.mm(12)));
  const qreal x1 = target.right() - right_margin;

  // The time axis: each segment wide enough for its labels.
  qreal widest = 0;
  for (const CycleSegment& seg : d.segments) {
    widest = std::max({widest, label_width(pen, {seg.duration.symbol, {}, &seg.duration, s.ink}),
                       label_width(pen, {seg.torque.symbol, {}, &seg.torque, s.ink}),
                       pen.width(seg.duration.text, seg.duration.stale), pen.width(seg.torque.signed_text(), seg.torque.stale)});
  }
  const TimeAxis time = lay_out_time(d, x0, x1, widest + pen.mm(2.5));

  // Captions of the two plots, and the cycle time above them.
  p.setPen(s.ink);
  pen.text(QPointF(target.left(), top + pen.ascent()), QStringLiteral("n (1/min)"));
  pen.text(QPointF(target.left(), torque_top + pen.ascent()), QStringLiteral("M (Nm)"));

  draw_value_ticks(p, pen, s, speed_axis, x0, x1);
  draw_value_ticks(p, pen, s, torque_axis, x0, x1);

  // Segment boundaries, faint, through both plots.
  for (const TimePiece& piece : time.pieces) {
    rule(p, QPointF(piece.x1, speed_axis.top), QPointF(piece.x1, speed_axis.bottom), pen.pt(0.5), s.grid);
    rule(p, QPointF(piece.x1, torque_axis.top - 2 * line), QPointF(piece.x1, torque_axis.bottom + 2 * line),
         pen.pt(0.5), s.grid);
  }

  // The rated and peak torque and the average: lines with their labels.
  const qreal zero_y = torque_axis.y(0);
  std::vector<std::pair<qreal, const Rating*>> places;
  for (const Rating& r : ratings) {
    const qreal y = torque_axis.y(r.value);
    const qreal w = pen.pt(r.dash == Qt::SolidLine ? 1.0 : 1.2);
    const QPointF a(x0, y), b(x1, y);
    if (r.q->marked()) rule(p, a, b, w, r.colour, {w, pen.mm(1)});  // dotted: a marked rating
    else if (r.dash == Qt::DashLine) rule(p, a, b, w, r.colour, {pen.mm(2), pen.mm(1.2)});
    else if (r.dash == Qt::DashDotLine) rule(p, a, b, w, r.colour, {pen.mm(2.4), pen.mm(1), w, pen.mm(1)});
    else rule(p, a, b, w, r.colour);
    places.emplace_back(y, &r);
  }
  std::sort(places.begin(), places.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<qreal> label_y(places.size());
  for (std::size_t k = 0; k < places.size(); ++k) {
    label_y[k] = places[k].first - line / 2;
    if (k > 0) label_y[k] = std::max(label_y[k], label_y[k - 1] + line);
  }
  for (std::size_t k = places.size(); k-- > 0;) {  // back inside the plot from below
    label_y[k] = std::min(label_y[k], torque_bottom - line * static_cast<qreal>(places.size() - k));
    if (k + 1 < places.size()) label_y[k] = std::min(label_y[k], label_y[k + 1] - line);
  }
  for (std::size_t k = 0; k < places.size(); ++k) {
    const Rating& r = *places[k].second;
    if (std::abs(label_y[k] + line / 2 - places[k].first) > 0.5) {
      p.setPen(QPen(r.colour, pen.pt(0.5)));
      p.drawLine(QPointF(x1, places[k].first), QPointF(x1 + pen.mm(1.5), label_y[k] + line / 2));
    }
    draw_label(p, pen, s, {r.symbol, r.text, r.q, r.colour}, QPointF(x1 + pen.mm(2), label_y[k]));
  }

  // Speed: up the ramp, along the run, down to rest.
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(s.speed, pen.pt(1.5), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    const CycleQuantity* from = d.speed(piece.segment->from);
    const CycleQuantity* to = d.speed(piece.segment->to);
    if ((from && !from->value) || (to && !to->value)) continue;
    const double a = from ? *from->value : 0, b = to ? *to->value : 0;
    p.drawLine(QPointF(piece.x0, speed_axis.y(a)), QPointF(piece.x1, speed_axis.y(b)));
  }
  p.drawLine(QPointF(time.end_x(), speed_axis.y(0)), QPointF(x1, speed_axis.y(0)));
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment || piece.segment->from != piece.segment->to) continue;
    const CycleQuantity& n = *d.speed(piece.segment->from);
    if (!n.value) continue;
    const Label l{n.symbol, n.text, &n, s.speed};
    const qreal w = label_width(pen, l);
    const qreal mid = std::clamp((piece.x0 + piece.x1) / 2 - w / 2, x0, x1 - w);
    draw_label(p, pen, s, l, QPointF(mid, speed_axis.y(*n.value) - line - pen.pt(1)));
  }

  p.setRenderHint(QPainter::Antialiasing, false);

  // Torque: one level per segment, from zero.
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    const CycleQuantity& m = piece.segment->torque;
    const qreal y = torque_axis.y(*m.value);
    const QRectF bar(QPointF(piece.x0, std::min(y, zero_y)), QPointF(piece.x1, std::max(y, zero_y)));
    p.fillRect(bar, m.marked() ? tint(s, m) : s.torque_fill);
  }
  rule(p, QPointF(x0, zero_y), QPointF(x1, zero_y), pen.pt(0.75), s.quiet);
  // The torque as steps: a level per segment, a riser between levels.
  const qreal step_width = pen.pt(1.5);
  QPointF last(x0, zero_y);
  const auto step_to = [&](qreal x, qreal y) {
    if (y != last.y()) rule(p, QPointF(last.x(), last.y()), QPointF(last.x(), y), step_width, s.torque);
    if (x != last.x()) rule(p, QPointF(last.x(), y), QPointF(x, y), step_width, s.torque);
    last = QPointF(x, y);
  };
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    step_to(piece.x0, last.y());
    step_to(piece.x1, torque_axis.y(*piece.segment->torque.value));
  }
  step_to(time.end_x(), last.y());
  step_to(x1, zero_y);
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    const CycleQuantity& m = piece.segment->torque;
    const qreal y = torque_axis.y(*m.value);
    const qreal mid = (piece.x0 + piece.x1) / 2;
    const bool below = *m.value < 0;
    draw_pair(p, pen, s, m, m.signed_text(), mid, below ? y + pen.pt(1) : y - 2 * line - pen.pt(1), s.torque);
  }

  // The time axis: ticks where time is to scale, a break where it is not,
  // and every segment's duration under it.
  const qreal axis_y = torque_bottom;
  rule(p, QPointF(x0, axis_y), QPointF(x1, axis_y), pen.pt(0.75), s.quiet);
  const Ticks ticks = nice_ticks(0, time.span, tick_room(time.seconds_to_x * time.span, pen.mm(16)));
  qreal last_right = -1e9;
  for (int k = 0; k < ticks.count; ++k) {
    const double t = ticks.at(k);
    if (t > time.span * (1 + 1e-9) || time.in_stretched(t)) continue;
    const qreal x = time.x(t);
    const QString label = tick_text(t, ticks.decimals);
    const qreal w = pen.width(label);
    if (x - w / 2 < last_right + pen.mm(2)) continue;
    last_right = x + w / 2;
    rule(p, QPointF(x, axis_y), QPointF(x, axis_y + pen.mm(1.2)), pen.pt(0.75), s.quiet);
    p.setPen(s.quiet);
    pen.text(QPointF(x - w / 2, axis_y + pen.mm(1.5) + pen.ascent()), label);
  }
  // Past the half of a last tick's label that stands beyond the axis' end.
  pen.text(QPointF(x1 + pen.mm(2) + pen.width(tick_text(ticks.last(), ticks.decimals)) / 2,
                   axis_y + pen.mm(1.5) + pen.ascent()),
           QStringLiteral("t (s)"));
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    if (piece.stretched) {
      draw_break(p, pen, s, (piece.x0 + piece.x1) / 2, axis_y);
      draw_break(p, pen, s, (piece.x0 + piece.x1) / 2, speed_axis.y(0));
    }
    const CycleQuantity& t = piece.segment->duration;
    draw_pair(p, pen, s, t, t.text, (piece.x0 + piece.x1) / 2, axis_y + pen.mm(1.5) + line, s.ink);
  }

  // The cycle time: a line through both plots, its label on top.
  if (d.cycle_time.value && *d.cycle_time.value > 0) {
    const qreal x = time.x(*d.cycle_time.value);
    const qreal lw = pen.pt(1);
    const QPointF a(x, speed_top), b(x, axis_y + pen.mm(1.2));
    if (d.cycle_time.marked()) rule(p, a, b, lw, s.ink, {lw, pen.mm(1)});
    else rule(p, a, b, lw, s.ink, {pen.mm(2), pen.mm(1.2)});
    const Label l{d.cycle_time.symbol, d.cycle_time.text, &d.cycle_time, s.ink};
    const qreal w = label_width(pen, l);
    draw_label(p, pen, s, l, QPointF(std::clamp(x - w - pen.mm(1), x0, target.right() - w), top));
  }

  // Under the plot: what is marked, in the words of its tooltip.
  qreal y = target.bottom() - notes_height + pad;
  for (std::size_t k = 0; k < d.notes.size(); ++k) {
    const CycleNote& n = d.notes[k];
    const qreal sw = pen.symbol_width(n.symbol) + pen.width(QStringLiteral(": "));
    p.fillRect(QRectF(target.left(), y, sw - pen.width(QStringLiteral(" ")), line),
               n.stale ? s.stale_tint : s.problem_tint);
    p.setPen(s.ink);
    const qreal w = pen.symbol(QPointF(target.left(), y + pen.ascent()), n.symbol);
    pen.text(QPointF(target.left() + w, y + pen.ascent()), QStringLiteral(":"));
    pen.wrapped(QRectF(target.left() + sw, y, target.width() - sw, note_heights[k]), n.words);
    y += note_heights[k];
  }
  p.restore();
}

}  // namespace vorbento
