#include "presentation/check/check_plane.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "core/number_text.h"
#include "presentation/plot/nice_ticks.h"
#include "presentation/plot/plot_parts.h"
#include "presentation/plot/plot_text.h"

namespace vorbento {

namespace {

// A figure's label beside the point it names: where it would stand, centred
// upright on `centre`, before its neighbours push it aside.
struct PointLabel {
  PlotLabel label;
  qreal x = 0, centre = 0, width = 0;
};

// Labels whose places overlap across stand one above the other (small
// torques put a ramp's, a steady point's and a braking's label at one speed,
// a hair apart); each keeps its own place across.
void draw_point_labels(QPainter& p, PlotText& pen, const PlotStyle& s, const std::vector<PointLabel>& labels,
                       qreal lowest) {
  std::vector<qreal> lefts, widths, centres;
  for (const PointLabel& l : labels) {
    lefts.push_back(l.x);
    widths.push_back(l.width);
    centres.push_back(l.centre);
  }
  const std::vector<qreal> tops = spread_point_labels(lefts, widths, centres, pen.symbol_line(), lowest, pen.pt(2));
  for (std::size_t k = 0; k < labels.size(); ++k) draw_label(p, pen, s, labels[k].label, QPointF(labels[k].x, tops[k]));
}

}  // namespace

PlaneData plane_data(const FieldStore& store, const CheckTexts& checks) {
  PlaneData d{cycle_data(store), check_table(store, checks), std::nullopt};
  const std::string& n = checks[index(CheckInput::nmmax)];
  if (judge_check_input(CheckInput::nmmax, n) == Problem::none && !n.empty()) d.max_speed = parse_double(n).value;
  return d;
}

bool same_picture(const PlaneData& a, const PlaneData& b) {
  if (!(a.cycle == b.cycle) || a.max_speed != b.max_speed || a.check.input_marks != b.check.input_marks ||
      a.check.lines.size() != b.check.lines.size())
    return false;
  for (std::size_t k = 0; k < a.check.lines.size(); ++k)
    if (!a.check.lines[k].shows_as(b.check.lines[k])) return false;
  return true;
}

QString plane_accessible_name() { return QStringLiteral("A motor fordulatszám–nyomaték síkja"); }

QString plane_description() {
  return QStringLiteral(
      "A motor nyomatéka a fordulatszám függvényében a ciklus hat szakaszában, az átlagos "
      "munkaponttal és a motor határaival.");
}

void paint_plane(QPainter& p, const QRectF& target, const PlaneData& d, const CycleStyle& s) {
  p.save();
  p.setClipRect(target, Qt::IntersectClip);
  p.fillRect(target, s.background);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The notes under the plot: the diagram's, then the check's own marked rows.
  std::vector<QString> notes;
  for (const CycleNote& n : d.cycle.notes)
    notes.push_back(QString(n.symbol).remove(QLatin1Char('_')) + QStringLiteral(": ") + n.words);
  const CheckLine* mean = nullptr;
  for (const CheckLine& l : d.check.lines) {
    if (l.row->quantity == CheckQuantity(CheckFigure::natlag)) mean = &l;
    const bool drawn =
        l.row->quantity == CheckQuantity(CheckFigure::natlag) || l.row->quantity == CheckQuantity(Field::nmg0);
    if (!drawn) continue;
    if (l.marked()) notes.push_back(QString(l.symbol).remove(QLatin1Char('_')) + QStringLiteral(" – ") + l.words);
    if (!l.limit_words.isEmpty()) notes.push_back(l.limit_words);
  }
  const auto notes_height_of = [&](const PlotText& pen) {
    qreal sum = 0;
    for (const QString& n : notes) sum += pen.wrapped_height(n, target.width() - pen.mm(4));
    return sum;
  };
  // Above the plot its caption and n_max's label; under it the ticks, the
  // caption across and the notes. Where the window leaves too little room for
  // a few ticks of torque beside all that (many notes), every length shrinks
  // alike, as the diagram's, rather than the plot folding away.
  const auto rows_of = [](const PlotText& pen) {
    return pen.mm(1.5) + pen.line() + pen.symbol_line() + pen.mm(4.5) + 2 * pen.line();
  };
  std::optional<PlotText> sized(std::in_place, p, s.family, s.points);
  const qreal least = rows_of(*sized) + notes_height_of(*sized) + 2 * 2.2 * sized->line();
  // In steps of a twentieth: the next keystroke's plane at the same zoom finds its texts shaped.
  if (least > target.height())
    sized.emplace(p, s.family, s.points, std::max(0.3, std::floor(target.height() / least * 0.97 * 20) / 20));
  PlotText& pen = *sized;
  const qreal line = pen.line(), label = pen.symbol_line();
  const qreal notes_height = notes_height_of(pen);
  const qreal inner_width = target.width() - pen.mm(4);

  // The limits across: ±M_mmax and M_m, their labels right of the plot as the diagram's.
  std::vector<LimitLine> limits = motor_limits(d.cycle, s);
  qreal right_margin = pen.mm(2);
  for (const LimitLine& l : limits) right_margin = std::max(right_margin, label_width(pen, l.label) + pen.mm(3));
  right_margin = std::min(right_margin, target.width() * 0.4);  // a figure typed absurdly long

  // The ranges: every drawn speed and torque, the limits (zero comes with the axes).
  std::vector<double> speeds, torques;
  for (const CycleSegment& seg : d.cycle.segments) {
    if (!seg.torque.value) continue;
    torques.push_back(*seg.torque.value);
    for (Speed v : {seg.from, seg.to})
      if (const CycleQuantity* q = d.cycle.speed(v); q && q->value) speeds.push_back(*q->value);
  }
  for (const LimitLine& l : limits) torques.push_back(l.value);
  if (d.max_speed) speeds.push_back(*d.max_speed);
  if (mean && mean->number) speeds.push_back(*mean->number);
  if (d.cycle.average.value) torques.push_back(*d.cycle.average.value);

  const qreal top = target.top() + pen.mm(1.5) + line + label;
  const qreal bottom = target.bottom() - notes_height - pen.mm(4.5) - 2 * line;
  if (bottom - top < pen.mm(10)) {
    p.restore();
    return;
  }
  const qreal spacing = 2.2 * line;
  const PlotAxis y = value_axis(torques, bottom, top, spacing);
  qreal ticks_width = 0;
  for (int k = 0; k < y.ticks.count; ++k)
    ticks_width = std::max(ticks_width, pen.width(tick_text(y.ticks.at(k), y.ticks.decimals)));
  const qreal x0 = target.left() + ticks_width + pen.mm(2.5);
  const qreal x1 = target.right() - right_margin;
  if (x1 - x0 < pen.mm(10)) {
    p.restore();
    return;
  }
  const PlotAxis x = value_axis(speeds, x0, x1, pen.mm(16));
  const auto at = [&](double n, double m) { return QPointF(x.at(n), y.at(m)); };

  p.setPen(s.ink);
  pen.text(QPointF(target.left(), target.top() + pen.mm(1.5) + pen.ascent()), QStringLiteral("M (Nm)"));
  draw_upright_axis(p, pen, s, y, x0, x1);
  draw_level_ticks(
      p, pen, s, x.ticks, bottom, [&x](double n) -> std::optional<qreal> { return x.at(n); }, top);
  rule(p, QPointF(x0, bottom), QPointF(x1, bottom), pen.pt(0.75), s.quiet);
  // The axes through zero, where the ranges reach past it.
  rule(p, at(x.ticks.first, 0), at(x.ticks.last(), 0), pen.pt(0.75), s.quiet);
  if (x.ticks.first < 0) rule(p, at(0, y.ticks.first), at(0, y.ticks.last()), pen.pt(0.75), s.quiet);
  p.setPen(s.ink);
  const QString across = QStringLiteral("n (1/min)");
  pen.text(QPointF(x1 - pen.width(across), bottom + pen.mm(1.5) + line + pen.ascent()), across);

  // The limits: across to n_max (or the axis' end), n_max upright from −M_mmax to M_mmax.
  const double reach = d.max_speed ? *d.max_speed : x.ticks.last();
  std::vector<qreal> limit_ys;
  for (const LimitLine& l : limits) {
    limit_ys.push_back(y.at(l.value));
    draw_limit_line(p, pen, l, at(0, l.value), at(reach, l.value));
  }
  if (d.max_speed) {
    const double m = d.cycle.peak.value ? *d.cycle.peak.value : y.ticks.last();
    const PlotLabel named{QStringLiteral("n_max"), QString::fromStdString(format_short(*d.max_speed)), PlotMark::none,
                          s.peak};
    const LimitLine n_max{*d.max_speed, named, Qt::SolidLine};
    draw_limit_line(p, pen, n_max, at(reach, d.cycle.peak.value ? -m : y.ticks.first), at(reach, m));
    const PlotLabel l = fitted(pen, n_max.label, target.width());
    const qreal w = label_width(pen, l);
    // Left of its top, clear of the limits' labels right of the plot.
    draw_label(p, pen, s, l,
               QPointF(std::max(target.left(), x.at(reach) - w - pen.mm(1)), y.at(m) - label - pen.pt(1)));
  }

  // The segments as the motor runs them: ramps from rest at their torque,
  // steady points. Smoothing only for the round points and the cross: every
  // line runs along an axis, and smoothing those costs a keystroke's repaint dearly.
  std::vector<PointLabel> labels;
  const auto add_label = [&](PlotLabel l, QPointF point, bool below) {
    l = fitted(pen, l, target.width() / 2);
    const qreal w = label_width(pen, l);
    const qreal centre = below ? point.y() + pen.pt(2) + label / 2 : point.y() - pen.pt(2) - label / 2;
    labels.push_back({l, std::min(point.x() + pen.mm(1.5), target.right() - w - pen.pt(1)), centre, w});
  };
  const qreal run = pen.pt(1.5);
  for (const CycleSegment& seg : d.cycle.segments) {
    if (!seg.torque.value) continue;
    const CycleQuantity* fast = d.cycle.speed(seg.from == Speed::rest ? seg.to : seg.from);
    if (!fast || !fast->value) continue;
    const double n = *fast->value, m = *seg.torque.value;
    if (seg.from == seg.to) {
      // A marked steady point hollow, as a marked ramp is dotted: told apart without colour.
      const bool marked = seg.torque.marked();
      p.setPen(marked ? QPen(s.torque, pen.pt(1)) : QPen(Qt::NoPen));
      p.setBrush(marked ? QBrush(mark_ground(s, plot_mark(seg.torque))) : QBrush(s.torque));
      p.setRenderHint(QPainter::Antialiasing);
      p.drawEllipse(at(n, m), pen.pt(2.5), pen.pt(2.5));
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setBrush(Qt::NoBrush);
    } else if (seg.torque.marked()) {
      rule(p, at(0, m), at(n, m), run, s.torque, {run, pen.mm(1)});
    } else {
      rule(p, at(0, m), at(n, m), run, s.torque);
    }
    add_label(label_of(seg.torque, seg.torque.signed_text(), s.torque), at(n, m), m < 0);
  }
  // The cycle's mean working point, a cross.
  if (mean && mean->number && d.cycle.average.value) {
    const QPointF c = at(*mean->number, *d.cycle.average.value);
    p.setPen(QPen(s.average, pen.pt(1.5)));
    p.setRenderHint(QPainter::Antialiasing);
    p.drawLine(c + QPointF(-pen.pt(3), -pen.pt(3)), c + QPointF(pen.pt(3), pen.pt(3)));
    p.drawLine(c + QPointF(-pen.pt(3), pen.pt(3)), c + QPointF(pen.pt(3), -pen.pt(3)));
    add_label(label_of(d.cycle.average, d.cycle.average.text, s.average), c, *d.cycle.average.value < 0);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  draw_point_labels(p, pen, s, labels, bottom);
  std::vector<LimitLine> labelled = limits;
  for (LimitLine& l : labelled) l.label = fitted(pen, l.label, target.right() - x1 - pen.mm(2));
  draw_limit_labels(p, pen, s, labelled, limit_ys, x1, bottom);

  // The notes, wrapped under the plot.
  p.setPen(s.ink);
  qreal note_top = target.bottom() - notes_height;
  for (const QString& n : notes) {
    const qreal h = pen.wrapped_height(n, inner_width);
    pen.wrapped(QRectF(target.left() + pen.mm(2), note_top, inner_width, h), n);
    note_top += h;
  }
  p.restore();
}

}  // namespace vorbento
