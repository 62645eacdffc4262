#include "report/column_head.h"

namespace vorbento {

namespace {

// Where the unbreakable end begins: the last ".", unless the name is all extension.
qsizetype extension_at(const QString& name) {
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot > 0 ? dot : name.size();
}

bool breaks_after(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
}

// The longest start of `text` that fits and ends at a break, or 0.
qsizetype last_break(const QString& text, qsizetype extension, const QFontMetricsF& metrics, qreal width) {
  qsizetype best = 0;
  for (qsizetype k = 1; k <= extension && k < text.size(); ++k) {
    if (k < extension && !breaks_after(text[k - 1])) continue;
    if (text[k].isLowSurrogate()) continue;
    if (metrics.horizontalAdvance(text.left(k)) > width) break;
    best = k;
  }
  return best;
}

// "y-axis-ra…1.vorbento": the stem loses its middle, the extension stays.
QString shortened(const QString& text, qsizetype extension, const QFontMetricsF& metrics, qreal width) {
  const QString tail = text.mid(extension);
  const qreal stem_room = width - metrics.horizontalAdvance(tail);
  // Too narrow for the extension beside a stem: every design's file has the
  // same one, so the stem's own end, which tells the designs apart, keeps the room.
  if (stem_room < metrics.horizontalAdvance(QStringLiteral("ab…")))
    return metrics.elidedText(text.left(extension), Qt::ElideMiddle, width);
  return metrics.elidedText(text.left(extension), Qt::ElideMiddle, stem_room) + tail;
}

}  // namespace

QStringList column_head_lines(const QString& name, const QFontMetricsF& metrics, qreal width) {
  QStringList lines;
  QString rest = name;
  qsizetype extension = extension_at(name);
  while (lines.size() + 1 < kHeadLines && metrics.horizontalAdvance(rest) > width) {
    const qsizetype k = last_break(rest, extension, metrics, width);
    if (k == 0) break;
    lines << rest.left(k).trimmed();
    rest = rest.mid(k);
    extension -= k;
  }
  if (metrics.horizontalAdvance(rest) > width) rest = shortened(rest, extension, metrics, width);
  lines << rest;
  return lines;
}

}  // namespace vorbento
