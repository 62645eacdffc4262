#include "presentation/cycle/cycle_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "presentation/cycle/cycle_time_axis.h"
#include "presentation/look/colours.h"
#include "presentation/plot/nice_ticks.h"
#include "presentation/plot/plot_text.h"

namespace vorbento {

PlotLabel label_of(const CycleQuantity& q, const QString& value, const QColor& ink) {
  return {q.symbol, value, plot_mark(q), ink};
}

std::vector<LimitLine> motor_limits(const CycleData& d, const CycleStyle& s) {
  std::vector<LimitLine> limits;
  if (d.peak.value) {
    limits.push_back({*d.peak.value, label_of(d.peak, d.peak.text, s.peak), Qt::SolidLine});
    // The motor brakes as hard as it accelerates: −M_mmax bounds the braking levels.
    CycleQuantity negated = d.peak;
    negated.symbol.prepend(QChar(0x2212));
    limits.push_back({-*d.peak.value, label_of(negated, negated.signed_text(), s.peak), Qt::SolidLine});
  }
  if (d.rated.value) limits.push_back({*d.rated.value, label_of(d.rated, d.rated.text, s.rated), Qt::DashLine});
  return limits;
}

namespace {

// The width of a pair drawn by draw_pair: its symbol's or its cut text's.
qreal pair_width(const PlotText& pen, const CycleQuantity& q, const QString& whole, qreal room) {
  return std::max(pen.symbol_width(q.symbol, q.stale), pen.width(pen.elided(whole, room, q.stale), q.stale));
}

// Two lines centred on `x`: the symbol above its text, its subscript clear of
// it; a text wider than `room` cut with "…". Returns the grounds' outline.
QRectF draw_pair(QPainter& p, PlotText& pen, const CycleStyle& s, const CycleQuantity& q, const QString& whole, qreal x,
                 qreal top, qreal room, QColor ink) {
  const PlotLabel sym = label_of(q, {}, ink);
  const QRectF symbol_ground = draw_label(p, pen, s, sym, QPointF(x - label_width(pen, sym) / 2, top));
  const bool italic = q.stale;
  const QString text = pen.elided(whole, room, italic);
  const qreal w = pen.width(text, italic);
  const QRectF box(x - w / 2, top + pen.symbol_line(), w, pen.line());
  const QRectF ground = box.adjusted(-pen.pt(1), 0, pen.pt(1), 0);
  p.fillRect(ground, mark_ground(s, sym.mark));
  p.setPen(ink);
  pen.text(QPointF(box.left(), box.top() + pen.ascent()), text, italic);
  return symbol_ground.united(ground);
}

// The cycle time's line from `a` down to `b`, dashed (dotted when marked),
// broken a gap above and below every label ground it would cross, so that
// it plainly passes behind the label rather than through its figures.
void draw_cycle_time_line(QPainter& p, const PlotText& pen, const CycleStyle& s, bool marked, QPointF a, QPointF b,
                          const std::vector<QRectF>& grounds) {
  const qreal gap = pen.mm(0.8), lw = pen.pt(1);
  std::vector<std::pair<qreal, qreal>> cuts;
  for (const QRectF& g : grounds)
    if (g.left() - lw <= a.x() && a.x() <= g.right() + lw) cuts.emplace_back(g.top() - gap, g.bottom() + gap);
  std::sort(cuts.begin(), cuts.end());
  qreal y = a.y();
  const auto piece = [&](qreal to) {
    if (to <= y) return;
    if (marked)
      rule(p, QPointF(a.x(), y), QPointF(a.x(), to), lw, s.ink, {lw, pen.mm(1)});
    else
      rule(p, QPointF(a.x(), y), QPointF(a.x(), to), lw, s.ink, {pen.mm(2), pen.mm(1.2)});
  };
  for (const auto& [from, to] : cuts) {
    piece(std::min(from, b.y()));
    y = std::max(y, to);
  }
  piece(b.y());
}

// Two short slanted strokes across the time axis: here time is not to scale.
void draw_break(QPainter& p, PlotText& pen, const CycleStyle& s, qreal x, qreal y) {
  const qreal h = pen.mm(1.4), gap = pen.mm(0.7), lean = pen.mm(0.7);
  p.fillRect(QRectF(x - gap / 2 - lean, y - h / 2, gap + 2 * lean, h), s.background);
  p.setPen(QPen(s.quiet, pen.pt(0.75)));
  for (qreal dx : {-gap / 2, gap / 2}) p.drawLine(QPointF(x + dx - lean, y + h / 2), QPointF(x + dx + lean, y - h / 2));
}

// The notes' rows, each wrapped in `width`, a row at least a symbol's height;
// their sum with the gap above them.
qreal notes_height_of(const PlotText& pen, qreal width, const CycleData& d, std::vector<qreal>* rows = nullptr) {
  qreal sum = 0;
  for (const CycleNote& n : d.notes) {
    const qreal indent = pen.symbol_width(n.symbol) + pen.width(QStringLiteral(": "));
    const qreal row = std::max(pen.symbol_line(), pen.wrapped_height(n.words, width - indent));
    if (rows) rows->push_back(row);
    sum += row;
  }
  return d.notes.empty() ? sum : sum + pen.mm(1.5);
}

// How far apart a value axis' ticks stand at least.
qreal tick_spacing(const PlotText& pen) { return 2.2 * pen.line(); }

// The least length of a value axis: two tick intervals (a hair over), so
// that it keeps two labelled ticks; one leaves it a single readable tick.
qreal axis_least(const PlotText& pen) { return 2 * tick_spacing(pen) * 1.01; }

// The least height of the diagram's rows at `pen`'s size, from the top down:
// the cycle time's and a run's labels over the speed axis, the torque's
// caption and a symbol with its figure above and below its axis, the time
// ticks and the durations, the notes wrapped in `width`.
qreal least_height_of(const PlotText& pen, qreal width, const CycleData& d) {
  const qreal line = pen.line(), label = pen.symbol_line(), pair = label + line, pad = pen.mm(1.5);
  return pad + 2 * label + pen.pt(2) + axis_least(pen) + pad + line + pair + axis_least(pen) + pair + pen.pt(2) +
         pen.mm(1.5) + line + pair + pad + notes_height_of(pen, width, d);
}

// How much smaller than its natural size the diagram is drawn: not at all,
// unless the plot is too low for every row of it (the window's plot shares a
// small screen with its table); then every length alike, so that the picture
// stays whole rather than its rows running into one another. `pen` writes at
// the natural size.
double fitted_zoom(QPainter& p, const CycleStyle& s, const PlotText& pen, const QRectF& target, const CycleData& d) {
  const qreal least = least_height_of(pen, target.width(), d);
  if (least <= target.height()) return 1.0;
  double zoom = std::max(0.3, target.height() / least);
  // The smaller fonts' whole pixel sizes do not shrink exactly alike: a step smaller while a row is short.
  for (int k = 0; k < 8 && zoom > 0.3; ++k) {
    if (least_height_of(PlotText(p, s.family, s.points, zoom), target.width(), d) <= target.height()) break;
    zoom = std::max(0.3, zoom * 0.97);
  }
  return zoom;
}

}  // namespace

qreal cycle_least_height(QPainter& p, qreal width, const CycleData& d, const CycleStyle& s, double zoom) {
  return least_height_of(PlotText(p, s.family, s.points, zoom), width, d);
}

PlotMark plot_mark(const CycleQuantity& q) {
  return !q.marked() ? PlotMark::none : q.stale ? PlotMark::stale : PlotMark::problem;
}

CycleStyle cycle_style(const QPalette& palette) {
  CycleStyle s;
  static_cast<PlotStyle&>(s) = plot_style(palette);
  const bool dark = is_dark(palette);
  s.speed = legible_on(dark ? QColor(110, 170, 255) : QColor(0, 80, 190), s.background, kTextContrast);
  s.torque = legible_on(dark ? QColor(90, 200, 120) : QColor(0, 110, 50), s.background, kTextContrast);
  s.torque_fill = mixed(s.torque, s.background, dark ? 0.28 : 0.16);
  s.peak = legible_on(dark ? QColor(255, 110, 100) : QColor(190, 20, 20), s.background, kTextContrast);
  s.rated = legible_on(dark ? QColor(255, 180, 60) : QColor(170, 90, 0), s.background, kTextContrast);
  s.average = legible_on(dark ? QColor(200, 150, 255) : QColor(110, 40, 170), s.background, kTextContrast);
  return s;
}

CycleStyle printed_cycle_style() { return cycle_style(paper_palette()); }

void paint_cycle(QPainter& p, const QRectF& target, const CycleData& d, const CycleStyle& s) {
  p.save();
  p.setClipRect(target, Qt::IntersectClip);
  // Smoothing only for the slanted speed ramps: every other line runs along
  // an axis, and smoothing those costs a repaint at every keystroke dearly.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(target, s.background);
  std::optional<PlotText> sized(std::in_place, p, s.family, s.points);
  if (const double zoom = fitted_zoom(p, s, *sized, target, d); zoom < 1) sized.emplace(p, s.family, s.points, zoom);
  PlotText& pen = *sized;
  const qreal line = pen.line();
  const qreal label = pen.symbol_line();  // a label's height, subscript and all
  const qreal pair = label + line;        // a symbol above its figure
  const qreal pad = pen.mm(1.5);

  // The notes under the plot, each wrapped in the width.
  std::vector<qreal> note_heights;
  const qreal notes_height = notes_height_of(pen, target.width(), d, &note_heights);

  // Lines across the torque plot, with their labels in the right margin.
  std::vector<LimitLine> ratings = motor_limits(d, s);
  if (d.average.value)
    ratings.push_back({*d.average.value, label_of(d.average, d.average.text, s.average), Qt::DashDotLine});
  qreal right_margin = pen.mm(2);
  for (const LimitLine& r : ratings) right_margin = std::max(right_margin, label_width(pen, r.label) + pen.mm(3));
  // A figure typed absurdly long must not squeeze the plot away.
  right_margin = std::min(right_margin, target.width() * 0.4);

  // Room for the tick labels left of both plots.
  std::vector<double> speeds, torques;
  for (const CycleQuantity* q : {&d.speed_g1, &d.speed_g0})
    if (q->value) speeds.push_back(*q->value);
  for (const CycleSegment& seg : d.segments)
    if (seg.drawn()) torques.push_back(*seg.torque.value);
  for (const LimitLine& r : ratings) torques.push_back(r.value);

  const qreal x0_guess = target.left() + pen.width(QStringLiteral("0000.0")) + pen.mm(3);
  const qreal top = target.top() + pad;
  const qreal bottom_rows = pen.mm(1.5) + line + pair + pad;  // time ticks, the durations' symbols and texts
  const qreal plots = target.bottom() - notes_height - bottom_rows - top - 2 * line - pad;
  const qreal speed_top = top + line;
  // Above the highest speed its label, below the cycle time's; above and
  // below the torque's extremes a symbol and its figure. Each axis keeps two
  // tick intervals, the torque's taken from the speed's share first.
  const qreal torque_bottom = target.bottom() - notes_height - bottom_rows;
  const qreal speed_high = top + 2 * label + pen.pt(2);
  const qreal speed_most = torque_bottom - pen.pt(2) - 2 * pair - axis_least(pen) - line - pad;
  const qreal speed_bottom = std::max(speed_high + axis_least(pen), std::min(speed_top + plots * 0.32, speed_most));
  const qreal torque_top = speed_bottom + pad + line;

  const qreal spacing = tick_spacing(pen);
  const PlotAxis speed_axis = value_axis(speeds, speed_bottom, speed_high, spacing);
  const qreal torque_high = torque_top + pair;
  const PlotAxis torque_axis = value_axis(
      torques, std::max(torque_bottom - pair - pen.pt(2), torque_high + axis_least(pen)), torque_high, spacing);
  qreal ticks_width = 0;
  for (const PlotAxis* a : {&speed_axis, &torque_axis})
    for (int k = 0; k < a->ticks.count; ++k)
      ticks_width = std::max(ticks_width, pen.width(tick_text(a->ticks.at(k), a->ticks.decimals)));
  const qreal x0 = std::max(target.left() + ticks_width + pen.mm(2.5), std::min(x0_guess, target.left() + pen.mm(12)));
  const qreal x1 = target.right() - right_margin;

  // The time axis: each segment wide enough for its labels.
  qreal widest = 0;
  for (const CycleSegment& seg : d.segments) {
    widest = std::max(
        {widest, label_width(pen, label_of(seg.duration, {}, s.ink)), label_width(pen, label_of(seg.torque, {}, s.ink)),
         pen.width(seg.duration.text, seg.duration.stale), pen.width(seg.torque.signed_text(), seg.torque.stale)});
  }
  // A figure typed absurdly long is cut under its segment instead of crowding the others out.
  widest = std::min(widest, (x1 - x0) / 6 - pen.mm(2.5));
  const TimeAxis time = lay_out_time(d, x0, x1, widest + pen.mm(2.5));

  // Captions of the two plots, and the cycle time above them.
  p.setPen(s.ink);
  pen.text(QPointF(target.left(), top + pen.ascent()), QStringLiteral("n (1/min)"));
  pen.text(QPointF(target.left(), torque_top + pen.ascent()), QStringLiteral("M (Nm)"));

  draw_upright_axis(p, pen, s, speed_axis, x0, x1);
  draw_upright_axis(p, pen, s, torque_axis, x0, x1);

  // Segment boundaries, faint, through both plots.
  for (const TimePiece& piece : time.pieces) {
    rule(p, QPointF(piece.x1, speed_axis.high_end), QPointF(piece.x1, speed_axis.low_end), pen.pt(0.5), s.grid);
    rule(p, QPointF(piece.x1, torque_axis.high_end - 2 * line), QPointF(piece.x1, torque_axis.low_end + 2 * line),
         pen.pt(0.5), s.grid);
  }

  // Torque: one level per segment, from zero.
  const qreal zero_y = torque_axis.at(0);
  p.setRenderHint(QPainter::Antialiasing, false);
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    const CycleQuantity& m = piece.segment->torque;
    const qreal y = torque_axis.at(*m.value);
    const QRectF bar(QPointF(piece.x0, std::min(y, zero_y)), QPointF(piece.x1, std::max(y, zero_y)));
    p.fillRect(bar, m.marked() ? mark_ground(s, plot_mark(m)) : s.torque_fill);
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
    step_to(piece.x1, torque_axis.at(*piece.segment->torque.value));
  }
  step_to(time.end_x(), last.y());
  step_to(x1, zero_y);

  // The rated and peak torque and the average over the bars: a rating stays
  // in sight exactly where a torque exceeds it.
  std::vector<qreal> rating_ys;
  for (const LimitLine& r : ratings) {
    rating_ys.push_back(torque_axis.at(r.value));
    draw_limit_line(p, pen, r, x0, x1, rating_ys.back());
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
    p.drawLine(QPointF(piece.x0, speed_axis.at(a)), QPointF(piece.x1, speed_axis.at(b)));
  }
  p.drawLine(QPointF(time.end_x(), speed_axis.at(0)), QPointF(x1, speed_axis.at(0)));
  p.setRenderHint(QPainter::Antialiasing, false);

  // The time axis; the cycle time's place on it.
  const qreal axis_y = torque_bottom;
  rule(p, QPointF(x0, axis_y), QPointF(x1, axis_y), pen.pt(0.75), s.quiet);
  const bool cycle_time_drawn = d.cycle_time.value && *d.cycle_time.value > 0;
  const qreal cycle_time_x = cycle_time_drawn ? time.x(*d.cycle_time.value) : 0;
  // A label in the cycle time line's way steps aside within its segment
  // where that has room; the line passes behind the others.
  const qreal clearance = pen.pt(1) + pen.mm(1);
  const auto aside = [&](qreal left, qreal w, qreal low, qreal high) {
    return cycle_time_drawn ? clear_of_line(left, w, cycle_time_x, clearance, low, high) : left;
  };
  std::vector<QRectF> grounds;

  // The labels: the speeds above their runs, the torques above or below
  // their levels, the ratings right of the plot, moved apart where close.
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment || piece.segment->from != piece.segment->to) continue;
    const CycleQuantity& n = *d.speed(piece.segment->from);
    if (!n.value) continue;
    const PlotLabel l = fitted(pen, label_of(n, n.text, s.speed), x1 - x0);
    const qreal w = label_width(pen, l);
    const qreal mid = aside(std::clamp((piece.x0 + piece.x1) / 2 - w / 2, x0, x1 - w), w, std::max(piece.x0, x0),
                            std::min(piece.x1, x1));
    grounds.push_back(draw_label(p, pen, s, l, QPointF(mid, speed_axis.at(*n.value) - label - pen.pt(1))));
  }
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    const CycleQuantity& m = piece.segment->torque;
    const qreal y = torque_axis.at(*m.value);
    const qreal room = piece.x1 - piece.x0 - pen.pt(2);
    const qreal w = pair_width(pen, m, m.signed_text(), room);
    const qreal mid = aside((piece.x0 + piece.x1) / 2 - w / 2, w, piece.x0, piece.x1) + w / 2;
    const bool below = *m.value < 0;
    grounds.push_back(
        draw_pair(p, pen, s, m, m.signed_text(), mid, below ? y + pen.pt(1) : y - pair - pen.pt(1), room, s.torque));
  }
  // The cycle time's label on top, left of its line, and the line itself.
  if (cycle_time_drawn) {
    const PlotLabel l = fitted(pen, label_of(d.cycle_time, d.cycle_time.text, s.ink), x1 - x0);
    const qreal w = label_width(pen, l);
    grounds.push_back(
        draw_label(p, pen, s, l, QPointF(std::clamp(cycle_time_x - w - pen.mm(1), x0, target.right() - w), top)));
    draw_cycle_time_line(p, pen, s, d.cycle_time.marked(), QPointF(cycle_time_x, speed_top),
                         QPointF(cycle_time_x, axis_y + pen.mm(1.2)), grounds);
  }
  std::vector<LimitLine> labelled = ratings;
  for (LimitLine& r : labelled) r.label = fitted(pen, r.label, target.right() - x1 - pen.mm(2));
  draw_limit_labels(p, pen, s, labelled, rating_ys, x1, torque_bottom);

  // Under the time axis: ticks where time is to scale, a break where it is
  // not, and every segment's duration.
  const Ticks ticks = nice_ticks(0, time.span, tick_room(time.seconds_to_x * time.span, pen.mm(16)));
  draw_level_ticks(p, pen, s, ticks, axis_y, [&time](double t) -> std::optional<qreal> {
    if (t > time.span * (1 + 1e-9) || time.in_stretched(t)) return std::nullopt;
    return time.x(t);
  });
  // Past the half of a last tick's label that stands beyond the axis' end.
  pen.text(QPointF(x1 + pen.mm(2) + pen.width(tick_text(ticks.last(), ticks.decimals)) / 2,
                   axis_y + pen.mm(1.5) + pen.ascent()),
           QStringLiteral("t (s)"));
  for (const TimePiece& piece : time.pieces) {
    if (!piece.segment) continue;
    if (piece.stretched) {
      draw_break(p, pen, s, (piece.x0 + piece.x1) / 2, axis_y);
      draw_break(p, pen, s, (piece.x0 + piece.x1) / 2, speed_axis.at(0));
    }
    const CycleQuantity& t = piece.segment->duration;
    draw_pair(p, pen, s, t, t.text, (piece.x0 + piece.x1) / 2, axis_y + pen.mm(1.5) + line,
              piece.x1 - piece.x0 - pen.pt(2), s.ink);
  }

  // Under the plot: what is marked, in the words of its tooltip.
  qreal y = target.bottom() - notes_height + pad;
  for (std::size_t k = 0; k < d.notes.size(); ++k) {
    const CycleNote& n = d.notes[k];
    const qreal sw = pen.symbol_width(n.symbol) + pen.width(QStringLiteral(": "));
    p.fillRect(QRectF(target.left(), y, sw - pen.width(QStringLiteral(" ")), label),
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
