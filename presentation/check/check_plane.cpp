#include "presentation/check/check_plane.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/number_text.h"
#include "presentation/plot/plot_text.h"
#include "presentation/plot/nice_ticks.h"
#include "presentation/plot/plot_parts.h"

namespace vorbento {

namespace {

struct Scale {
  Ticks ticks;
  qreal from, to;  // where the first and the last tick stand
  qreal at(double v) const {
    const double span = ticks.last() - ticks.first;
    return from + (v - ticks.first) / (span > 0 ? span : 1) * (to - from);
  }
};

// A line of a limit, dashed, in its colour.
void limit_line(QPainter& p, QPointF a, QPointF b, const QColor& colour, qreal width) {
  QPen pen(colour, width, Qt::DashLine);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.drawLine(a, b);
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
  return QStringLiteral("A motor nyomatéka a fordulatszám függvényében a ciklus hat szakaszában, az átlagos "
                        "munkaponttal és a motor határaival.");
}

void paint_plane(QPainter& p, const QRectF& target, const PlaneData& d, const CycleStyle& s) {
  p.save();
  p.setClipRect(target);
  p.fillRect(target, s.background);
  p.setRenderHint(QPainter::Antialiasing);
  PlotText pen(p, s.family, s.points);

  // The notes under the plot: the diagram's, then the check's own marked rows.
  std::vector<QString> notes;
  for (const CycleNote& n : d.cycle.notes) notes.push_back(QString(n.symbol).remove(QLatin1Char('_')) + QStringLiteral(": ") + n.words);
  for (const CheckLine& l : d.check.lines) {
    const bool drawn = l.row->quantity == CheckQuantity(CheckFigure::natlag) || l.row->quantity == CheckQuantity(Field::nmg0);
    if (!drawn) continue;
    if (l.marked()) notes.push_back(QString(l.symbol).remove(QLatin1Char('_')) + QStringLiteral(" – ") + l.words);
    if (!l.limit_words.isEmpty()) notes.push_back(l.limit_words);
  }
  qreal notes_height = 0;
  const qreal inner_width = target.width() - pen.mm(4);
  for (const QString& n : notes) notes_height += pen.wrapped_height(n, inner_width);

  const QRectF plot(target.left() + pen.mm(16), target.top() + pen.line() * 1.5, target.width() - pen.mm(22),
                    target.height() - pen.line() * 4 - notes_height);
  if (plot.width() < pen.mm(10) || plot.height() < pen.mm(10)) {
    p.restore();
    return;
  }

  // The ranges: every drawn speed and torque, the limits and zero.
  std::vector<double> speeds{0}, torques{0};
  for (const CycleSegment& seg : d.cycle.segments) {
    if (!seg.torque.value) continue;
    torques.push_back(*seg.torque.value);
    for (Speed v : {seg.from, seg.to})
      if (const CycleQuantity* q = d.cycle.speed(v); q && q->value) speeds.push_back(*q->value);
  }
  for (const CycleQuantity* q : {&d.cycle.peak, &d.cycle.rated})
    if (q->value) {
      torques.push_back(*q->value);
      torques.push_back(-*q->value);
    }
  if (d.max_speed) speeds.push_back(*d.max_speed);
  const CheckLine* mean = nullptr;
  for (const CheckLine& l : d.check.lines)
    if (l.row->quantity == CheckQuantity(CheckFigure::natlag)) mean = &l;
  if (mean && mean->number) speeds.push_back(*mean->number);
  if (d.cycle.average.value) torques.push_back(*d.cycle.average.value);
  const auto [slo, shi] = std::minmax_element(speeds.begin(), speeds.end());
  const auto [tlo, thi] = std::minmax_element(torques.begin(), torques.end());
  const Scale x{nice_ticks(*slo, *shi, tick_room(plot.width(), pen.mm(22))), plot.left(), plot.right()};
  const Scale y{nice_ticks(*tlo, *thi, tick_room(plot.height(), pen.line() * 2)), plot.bottom(), plot.top()};
  const auto at = [&](double n, double m) { return QPointF(x.at(n), y.at(m)); };

  // Grid, ticks and the axes through zero.
  for (int k = 0; k < x.ticks.count; ++k) {
    const qreal px = x.at(x.ticks.at(k));
    p.setPen(QPen(s.grid, pen.pt(0.5)));
    p.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    const QString t = tick_text(x.ticks.at(k), x.ticks.decimals);
    p.setPen(s.quiet);
    pen.text(QPointF(px - pen.width(t) / 2, plot.bottom() + pen.line()), t);
  }
  for (int k = 0; k < y.ticks.count; ++k) {
    const qreal py = y.at(y.ticks.at(k));
    p.setPen(QPen(s.grid, pen.pt(0.5)));
    p.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
    const QString t = tick_text(y.ticks.at(k), y.ticks.decimals);
    p.setPen(s.quiet);
    pen.text(QPointF(plot.left() - pen.mm(1.8) - pen.width(t), py + pen.ascent() / 2), t);
  }
  p.setPen(QPen(s.quiet, pen.pt(0.75)));
  p.drawLine(at(x.ticks.first, 0), at(x.ticks.last(), 0));
  p.drawLine(at(0, y.ticks.first), at(0, y.ticks.last()));
  p.setPen(s.ink);
  pen.text(QPointF(plot.left() - pen.mm(14), target.top() + pen.line()), QStringLiteral("M (Nm)"));
  const QString across = QStringLiteral("n (1/min)");
  pen.text(QPointF(plot.right() - pen.width(across), plot.bottom() + pen.line() * 2), across);

  // The limits: ±M_mmax and M_m across to n_max (or the axis' end), n_max up.
  const double reach = d.max_speed ? *d.max_speed : x.ticks.last();
  const qreal thick = pen.pt(1);
  const auto label = [&](const CycleQuantity& q, QPointF where, const QColor& ink, const QString& symbol) {
    const bool italic = q.stale;
    const QString value = q.signed_text();
    const qreal w = pen.label_width(symbol, value, italic);
    const QRectF box(QPointF(std::min(where.x(), plot.right() - w), where.y() - pen.line()), QSizeF(w, pen.line()));
    p.fillRect(box, q.marked() ? (q.stale ? s.stale_tint : s.problem_tint) : s.background);
    p.setPen(ink);
    const qreal sw = pen.symbol(QPointF(box.left(), box.top() + pen.ascent()), symbol, italic);
    pen.text(QPointF(box.left() + sw, box.top() + pen.ascent()), QStringLiteral(" = ") + value, italic);
  };
  if (d.cycle.peak.value) {
    const double m = *d.cycle.peak.value;
    limit_line(p, at(0, m), at(reach, m), s.peak, thick);
    limit_line(p, at(0, -m), at(reach, -m), s.peak, thick);
    label(d.cycle.peak, at(0, m) + QPointF(pen.mm(1), -pen.pt(1)), s.peak, d.cycle.peak.symbol);
  }
  if (d.cycle.rated.value) {
    const double m = *d.cycle.rated.value;
    limit_line(p, at(0, m), at(reach, m), s.rated, thick);
    label(d.cycle.rated, at(0, m) + QPointF(pen.mm(1), -pen.pt(1)), s.rated, d.cycle.rated.symbol);
  }
  if (d.max_speed && d.cycle.peak.value) {
    limit_line(p, at(reach, -*d.cycle.peak.value), at(reach, *d.cycle.peak.value), s.peak, thick);
    p.setPen(s.peak);
    const QString nmax = QStringLiteral("n_max");
    pen.symbol(at(reach, *d.cycle.peak.value) + QPointF(-pen.mm(1) - pen.symbol_width(nmax), pen.line()), nmax);
  }

  // The segments as the motor runs them.
  QPen run(s.torque, pen.pt(1.5));
  run.setCapStyle(Qt::RoundCap);
  for (const CycleSegment& seg : d.cycle.segments) {
    if (!seg.torque.value) continue;
    const CycleQuantity* fast = d.cycle.speed(seg.from == Speed::rest ? seg.to : seg.from);
    if (!fast || !fast->value) continue;
    const double n = *fast->value, m = *seg.torque.value;
    p.setPen(run);
    if (seg.from == seg.to) {
      p.setBrush(s.torque);
      p.drawEllipse(at(n, m), pen.pt(2.5), pen.pt(2.5));
      p.setBrush(Qt::NoBrush);
    } else {
      p.drawLine(at(0, m), at(n, m));
    }
    label(seg.torque, at(n, m) + QPointF(pen.mm(1.5), m >= 0 ? -pen.pt(2) : pen.line()), s.torque, seg.torque.symbol);
  }
  // The cycle's mean working point.
  if (mean && mean->number && d.cycle.average.value) {
    const QPointF m = at(*mean->number, *d.cycle.average.value);
    p.setPen(QPen(s.average, pen.pt(1.5)));
    p.drawLine(m + QPointF(-pen.pt(3), -pen.pt(3)), m + QPointF(pen.pt(3), pen.pt(3)));
    p.drawLine(m + QPointF(-pen.pt(3), pen.pt(3)), m + QPointF(pen.pt(3), -pen.pt(3)));
    label(d.cycle.average, m + QPointF(pen.mm(1.5), pen.line()), s.average, d.cycle.average.symbol);
  }

  // The notes, wrapped under the plot.
  p.setPen(s.ink);
  qreal top = plot.bottom() + pen.line() * 2.5;
  for (const QString& n : notes) {
    const qreal h = pen.wrapped_height(n, inner_width);
    pen.wrapped(QRectF(target.left() + pen.mm(2), top, inner_width, h), n);
    top += h;
  }
  p.restore();
}

}  // namespace vorbento
