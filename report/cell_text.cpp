#include "report/cell_text.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QTextCharFormat>

#include <algorithm>
#include <memory>

#include "core/number_text.h"

namespace vorbento {

namespace {

// Far more than a few lines of any cell can show: a text of megabytes is
// laid out no further than this.
constexpr qsizetype kLookAhead = 2000;

struct Laid {
  int lines = 0;        // counted up to one past the limit
  qsizetype shown = 0;  // characters in the lines within the limit
};

// Qt's layout measures for the device it is given; the report is laid out for
// the very device that paints it.
std::unique_ptr<QTextLayout> layout_for(const QString& text, const QList<QTextLayout::FormatRange>& formats,
                                        const QFont& font, const QPaintDevice& device) {
  auto layout = std::make_unique<QTextLayout>(text, font, const_cast<QPaintDevice*>(&device));
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout->setTextOption(option);
  layout->setFormats(formats);
  return layout;
}

Laid lay_out(const QString& text, const QList<QTextLayout::FormatRange>& formats, const QFont& font,
             const QPaintDevice& device, qreal width, int limit) {
  const auto layout = layout_for(text, formats, font, device);
  Laid laid;
  layout->beginLayout();
  while (laid.lines <= limit) {
    QTextLine line = layout->createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    if (++laid.lines <= limit) laid.shown = line.textStart() + line.textLength();
  }
  layout->endLayout();
  return laid;
}

// Characters as a reader counts them: a pair of surrogates is one.
qsizetype characters(QStringView text) {
  qsizetype n = 0;
  for (const QChar c : text) n += c.isLowSurrogate() ? 0 : 1;
  return n;
}

qsizetype whole_characters(const QString& text, qsizetype at) {
  return at > 0 && at < text.size() && text[at].isLowSurrogate() ? at - 1 : at;
}

QString left_out(qsizetype count) {
  return QStringLiteral("… (%1 karakter kimaradt)").arg(QLocale(QLocale::Hungarian).toString(count));
}

}  // namespace

const QRegularExpression& symbol_subscript() {
  static const QRegularExpression symbol(QStringLiteral(R"((?<=\p{L})_([\p{L}\p{N}]+))"));
  return symbol;
}

bool is_number_text(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return static_cast<bool>(parse_double(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
}

CellText fit_cell(const QString& text, const QFont& font, const QPaintDevice& device, qreal width, int max_lines,
                  bool symbols) {
  CellText cell;
  cell.text = text;
  if (symbols) {
    const QRegularExpression& symbol = symbol_subscript();
    QTextCharFormat low;
    low.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    for (qsizetype from = 0;;) {
      const QRegularExpressionMatch m = symbol.match(cell.text, from);
      if (!m.hasMatch()) break;
      cell.text.remove(m.capturedStart(), 1);
      cell.subscripts.append({static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength(1)), low});
      from = m.capturedStart() + m.capturedLength(1);
    }
  }
  const qreal spacing = QFontMetricsF(font, &device).lineSpacing();
  const bool long_text = cell.text.size() > kLookAhead;
  const QString head = long_text ? cell.text.left(whole_characters(cell.text, kLookAhead)) : cell.text;
  const Laid whole = lay_out(head, cell.subscripts, font, device, width, max_lines);
  if (!long_text && whole.lines <= max_lines) {
    cell.lines = std::max(1, whole.lines);
    cell.height = cell.lines * spacing;
    return cell;
  }
  // The longest start that fits with the note of what is left out.
  const qsizetype total = characters(cell.text);
  const auto shortened = [&](qsizetype keep) {
    return head.left(keep) + left_out(total - characters(QStringView(head).left(keep)));
  };
  qsizetype low = 0, high = whole.shown;
  while (low < high) {
    const qsizetype mid = whole_characters(head, (low + high + 1) / 2);
    if (mid <= low) break;
    if (lay_out(shortened(mid), {}, font, device, width, max_lines).lines <= max_lines)
      low = mid;
    else
      high = mid - 1;
  }
  cell.text = shortened(low);
  cell.subscripts.clear();
  cell.cut = true;
  cell.lines = std::max(1, lay_out(cell.text, {}, font, device, width, max_lines).lines);
  cell.height = cell.lines * spacing;
  return cell;
}

void draw_cell(QPainter& painter, const CellText& cell, const QFont& font, QPointF at, qreal width) {
  const auto layout = layout_for(cell.text, cell.subscripts, font, *painter.device());
  const qreal spacing = QFontMetricsF(font, painter.device()).lineSpacing();
  layout->beginLayout();
  for (int n = 0; n < cell.lines; ++n) {
    QTextLine line = layout->createLine();
    if (!line.isValid()) break;
    line.setLineWidth(width);
    line.setPosition(QPointF(0, n * spacing));
  }
  layout->endLayout();
  layout->draw(&painter, at);
}

ValueCell fit_value(const QString& text, const QFont& font, const QPaintDevice& device, qreal width, qreal point) {
  const QFontMetricsF m(font, &device);
  const qsizetype anchor = decimal_anchor(text);
  if (anchor >= 0) {
    const qreal indent = point - m.horizontalAdvance(text.left(anchor));
    if (indent >= 0 && indent + m.horizontalAdvance(text) <= width)
      return {{text, {}, 1, m.lineSpacing(), false}, indent};
  }
  return {fit_cell(text, font, device, width, kValueLines), 0};
}

qreal common_decimal_point(const std::vector<QString>& texts, const QFontMetricsF& upright, const QFontMetricsF& italic,
                           qreal width) {
  qreal whole = 0, decimals = 0;
  for (const QString& text : texts) {
    const qsizetype anchor = decimal_anchor(text);
    if (anchor < 0) continue;
    const qreal w = std::max(upright.horizontalAdvance(text.left(anchor)), italic.horizontalAdvance(text.left(anchor)));
    const qreal d = std::max(upright.horizontalAdvance(text.mid(anchor)), italic.horizontalAdvance(text.mid(anchor)));
    if (w + d > width) continue;
    whole = std::max(whole, w);
    decimals = std::max(decimals, d);
  }
  return std::min(whole, width - decimals);
}

qsizetype decimal_anchor(const QString& text) {
  if (!is_number_text(text)) return -1;
  for (qsizetype k = 0; k < text.size(); ++k)
    if (text[k] == u'.' || text[k] == u',') return k;
  qsizetype end = text.size();
  for (qsizetype k = 0; k < text.size(); ++k)
    if (text[k] == u'e' || text[k] == u'E') return k;
  while (end > 0 && text[end - 1].isSpace()) --end;
  return end;
}

}  // namespace vorbento
