#include "presentation/cycle/cycle_table.h"

namespace vorbento {

namespace {

// "M_gyG1 = 0.82296700"; a braking torque keeps its text and says that the
// motor gives it with the other sign.
CycleCell cell(const CycleQuantity& q) {
  CycleCell c{QString(), q.words, q.stale};
  const QChar minus(0x2212);
  if (q.symbol.startsWith(minus)) {
    const QString plain = q.symbol.mid(1);
    c.text = QStringLiteral("%1, ahol %2 = %3").arg(q.symbol, plain, q.text);
  } else {
    c.text = QStringLiteral("%1 = %2").arg(q.symbol, q.text);
  }
  return c;
}

CycleCell speed_cell(const CycleData& d, const CycleSegment& s) {
  const CycleQuantity* from = d.speed(s.from);
  const CycleQuantity* to = d.speed(s.to);
  const QString zero = QStringLiteral("0");
  const CycleQuantity* shown = from ? from : to;
  CycleCell c{QString(), shown ? shown->words : QString(), shown && shown->stale};
  if (from == to && from)
    c.text = from->text;
  else
    c.text = (from ? from->text : zero) + QStringLiteral(" → ") + (to ? to->text : zero);
  return c;
}

}  // namespace

const std::array<QString, 4>& cycle_column_titles() {
  static const std::array<QString, 4> titles{QStringLiteral("Szakasz"), QStringLiteral("Időtartam (s)"),
                                             QStringLiteral("Fordulatszám (1/min)"), QStringLiteral("Nyomaték (Nm)")};
  return titles;
}

std::vector<CycleRow> cycle_rows(const CycleData& d) {
  std::vector<CycleRow> rows;
  for (const CycleSegment& s : d.segments)
    rows.push_back({s.name, {cell(s.duration), speed_cell(d, s), cell(s.torque)}});
  rows.push_back({QStringLiteral("A motor maximális nyomatéka"), {CycleCell{}, CycleCell{}, cell(d.peak)}});
  rows.push_back({QStringLiteral("A motor névleges nyomatéka"), {CycleCell{}, CycleCell{}, cell(d.rated)}});
  rows.push_back({QStringLiteral("Időarányos átlagnyomaték"), {CycleCell{}, CycleCell{}, cell(d.average)}});
  rows.push_back({QStringLiteral("Ciklusidő"), {cell(d.cycle_time), CycleCell{}, CycleCell{}}});
  return rows;
}

}  // namespace vorbento
