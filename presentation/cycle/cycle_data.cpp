#include "presentation/cycle/cycle_data.h"

#include <algorithm>

#include "core/number_text.h"
#include "presentation/marks/mark_style.h"
#include "presentation/marks/mark_words.h"
#include "presentation/placement/field_record.h"

namespace vorbento {

namespace {

const QChar kMinus(0x2212);

// `negated`: braking asks the motor for the opposite torque, so the picture
// draws −M_l; a negative M_l (the load brakes harder than needed) lands above zero.
CycleQuantity quantity(const FieldStore& store, Field f, bool negated = false) {
  CycleQuantity q;
  q.field = f;
  q.symbol = QString::fromUtf8(field_record(f).symbol);
  if (negated) q.symbol.prepend(kMinus);
  const std::string& text = store.text(f);
  q.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (const Parsed<double> parsed = parse_double(text)) q.value = negated ? -parsed.value : parsed.value;
  q.words = mark_words(store, f);
  q.stale = store.mark(f) == Problem::none && q.marked();
  return q;
}

CycleSegment segment(const FieldStore& store, const char* name, Field time, Field torque, bool braking, Speed from,
                     Speed to) {
  return {QString::fromUtf8(name), quantity(store, time), quantity(store, torque, braking), from, to};
}

// `left_out`: what the picture says instead of the quantity it cannot draw; empty if it draws it.
void note(std::vector<CycleNote>& notes, const CycleQuantity& q, const QString& left_out = {}) {
  if (std::any_of(notes.begin(), notes.end(), [&](const CycleNote& n) { return n.symbol == q.symbol; })) return;
  if (!q.marked() && left_out.isEmpty()) return;
  QString words = q.marked() ? q.words : problem_message(Problem::not_a_number);
  if (!left_out.isEmpty()) words += QStringLiteral(" – ") + left_out;
  notes.push_back({QString(q.symbol).remove(kMinus), words, q.stale && left_out.isEmpty()});
}

}  // namespace

QString left_out_words() { return QStringLiteral("nincs a diagramon"); }
QString segment_left_out_words() { return QStringLiteral("a szakasz nincs a diagramon"); }

QString CycleQuantity::signed_text() const {
  if (!symbol.startsWith(kMinus)) return text;
  const QString t = text.trimmed();
  if (t.startsWith(QLatin1Char('-'))) return t.mid(1);
  if (t.startsWith(QLatin1Char('+'))) return kMinus + t.mid(1);
  return kMinus + t;
}

double CycleData::segments_end() const {
  double end = 0;
  for (const CycleSegment& s : segments)
    if (s.drawn()) end += *s.duration.value;
  return end;
}

double CycleData::time_span() const {
  const double end = segments_end();
  if (cycle_time.value && *cycle_time.value > 0) return std::max(end, *cycle_time.value);
  return end;
}

CycleData cycle_data(const FieldStore& store) {
  CycleData d;
  d.segments = {
      segment(store, "Gyorsítás G1-re", Field::tgyg1, Field::mgyg1, false, Speed::rest, Speed::g1),
      segment(store, "Állandó sebesség, G1", Field::tg1, Field::meg1, false, Speed::g1, Speed::g1),
      segment(store, "Lassítás G1-ről", Field::tlg1, Field::mlg1, true, Speed::g1, Speed::rest),
      segment(store, "Gyorsítás G0-ra", Field::tgyg0, Field::mgyg0, false, Speed::rest, Speed::g0),
      segment(store, "Állandó sebesség, G0", Field::tg0, Field::meg0, false, Speed::g0, Speed::g0),
      segment(store, "Lassítás G0-ról", Field::tlg0, Field::mlg0, true, Speed::g0, Speed::rest),
  };
  d.speed_g1 = quantity(store, Field::nmg1);
  d.speed_g0 = quantity(store, Field::nmg0);
  d.peak = quantity(store, Field::mmmax);
  d.rated = quantity(store, Field::mm);
  d.average = quantity(store, Field::matlag);
  d.cycle_time = quantity(store, Field::tc);

  // In the order the picture reads: the segments left to right, then the ratings.
  const auto unless = [](bool drawn, const QString& words) { return drawn ? QString() : words; };
  for (const CycleSegment& s : d.segments) {
    note(d.notes, s.duration, unless(s.duration.value && *s.duration.value >= 0, segment_left_out_words()));
    note(d.notes, s.torque, unless(s.torque.value.has_value(), segment_left_out_words()));
    for (Speed v : {s.from, s.to})
      if (const CycleQuantity* q = d.speed(v)) note(d.notes, *q, unless(q->value.has_value(), left_out_words()));
  }
  note(d.notes, d.cycle_time, unless(d.cycle_time.value && *d.cycle_time.value > 0, left_out_words()));
  for (const CycleQuantity* q : {&d.peak, &d.rated, &d.average})
    note(d.notes, *q, unless(q->value.has_value(), left_out_words()));
  return d;
}

}  // namespace vorbento
