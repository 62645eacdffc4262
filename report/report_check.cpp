#include "report/report_check.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

#include <array>
#include <memory>

#include "presentation/check/check_plane.h"
#include "presentation/check/check_table.h"
#include "presentation/marks/mark_style.h"
#include "report/cell_text.h"

namespace vorbento {

namespace {

constexpr qreal kPad = 2.5;

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

struct Sheet {
  explicit Sheet(const QPaintDevice& device)
      : body(report_font(8.25)),
        italic(report_font(8.25, false, true)),
        bold(report_font(8.25, true)),
        metrics(body, &device) {}
  QFont body, italic, bold;
  QFontMetricsF metrics;
  qreal line() const { return metrics.lineSpacing() + 2 * kPad + 2; }
};

void rule(QPainter& p, qreal left, qreal right, qreal y, const QColor& ink) {
  p.setPen(QPen(ink, 0.5));
  p.drawLine(QPointF(left, y), QPointF(right, y));
}

// A cell's text on its mark's tint, in italics for a lagging result.
void cell(QPainter& p, const Sheet& s, const QRectF& box, const QString& text, const QString& words = {},
          bool stale = false) {
  const bool marked = !words.isEmpty();
  if (marked) p.fillRect(box.adjusted(-2, -1, 2, 1), stale ? stale_tint() : problem_tint());
  p.setPen(Qt::black);
  // A symbol inside the text ("M_mmax = 1.695 Nm") with its subscript, as the symbol column writes it.
  const QFont& font = marked && stale ? s.italic : s.body;
  draw_cell(p, fit_cell(text, font, *p.device(), box.width(), 1, true), font, box.topLeft(), box.width());
}

}  // namespace

void add_check(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store, const CheckTexts& checks) {
  const auto table = std::make_shared<const CheckTable>(check_table(store, checks));
  const auto sheet = std::make_shared<const Sheet>(device);
  const qreal left = flow.left(), right = flow.right(), line = sheet->line();

  flow.add(
      {34,
       [left, right](QPainter& p, qreal top) { draw_section_title(p, left, right - left, top, kCheckSectionTitle); },
       true});

  // The catalogue data the check reads, as typed.
  const auto inputs = std::make_shared<const CheckTexts>(checks);
  flow.add({line * static_cast<qreal>(kCheckInputCount) + 8, [=](QPainter& p, qreal top) {
              for (std::size_t n = 0; n < kCheckInputCount; ++n) {
                const CheckInput c = check_input_at(n);
                const qreal y = top + line * static_cast<qreal>(n) + kPad;
                const std::string& text = (*inputs)[n];
                p.setPen(Qt::black);
                p.setFont(sheet->body);
                p.drawText(QRectF(left, y, 330, line), Qt::AlignLeft | Qt::AlignTop, utf8(info(c).label));
                if (!info(c).symbol.empty())
                  draw_symbol(p, QPointF(left + 340, y + sheet->metrics.ascent()), utf8(info(c).symbol), sheet->body);
                const Problem mark = table->input_marks[n];
                const QRectF box(left + 420, y, 160, line - 2 * kPad);
                if (mark != Problem::none) p.fillRect(box.adjusted(-2, -1, 2, 1), problem_tint());
                p.setPen(Qt::black);
                p.drawText(box, Qt::AlignLeft | Qt::AlignTop,
                           text.empty() ? utf8(kNotGiven) : check_input_shown(c, text));
                p.drawText(QRectF(left + 590, y, right - left - 590, line), Qt::AlignLeft | Qt::AlignTop,
                           mark != Problem::none ? problem_message(mark) : utf8(info(c).unit));
              }
            }});

  // Column edges: name, symbol, value, unit, limit, source.
  const std::array<qreal, 7> x{left, left + 150, left + 200, left + 285, left + 340, left + 565, right};
  const auto titles_block = [=](QPainter& p, qreal top) {
    p.setPen(Qt::black);
    p.setFont(sheet->bold);
    const auto& titles = check_column_titles();
    for (std::size_t c = 0; c < titles.size(); ++c)
      p.drawText(QRectF(x[c], top + kPad, x[c + 1] - x[c], line), Qt::AlignLeft | Qt::AlignTop, titles[c]);
    rule(p, left, right, top + line, kQuietInk);
  };
  flow.add({line + 2, titles_block, true});

  std::optional<CheckGroup> group;
  for (std::size_t k = 0; k < table->lines.size(); ++k) {
    const CheckLine& l = table->lines[k];
    if (group != l.row->group) {
      group = l.row->group;
      const QString title = utf8(group_title(*group));
      flow.add({line,
                [=](QPainter& p, qreal top) {
                  p.setPen(Qt::black);
                  p.setFont(sheet->bold);
                  p.drawText(QRectF(left, top + kPad, right - left, line), Qt::AlignLeft | Qt::AlignTop, title);
                },
                true});
    }
    flow.add({line, [=](QPainter& p, qreal top) {
                const CheckLine* mark = &table->lines[k];
                const qreal y = top + kPad;
                const auto box = [&](std::size_t c) { return QRectF(x[c], y, x[c + 1] - x[c] - 5, line - 2 * kPad); };
                cell(p, *sheet, box(0), mark->name);
                p.setPen(Qt::black);
                draw_symbol(p, QPointF(x[1], y + sheet->metrics.ascent()), mark->symbol, sheet->body);
                cell(p, *sheet, box(2), mark->value, mark->words, mark->stale);
                cell(p, *sheet, box(3), mark->unit);
                cell(p, *sheet, box(4), mark->limit, mark->limit_words, mark->limit_stale);
                cell(p, *sheet, box(5), mark->source);
                rule(p, left, right, top + line, QColor(200, 200, 200));
              }});
  }

  // The speed–torque plane, by the window's own painter, as vectors.
  const auto plane = std::make_shared<const PlaneData>(plane_data(store, checks));
  constexpr qreal kPlaneHeight = 330;
  flow.add({kPlaneHeight + 8, [plane, left, right](QPainter& p, qreal top) {
              paint_plane(p, QRectF(left, top, right - left, kPlaneHeight), *plane, printed_cycle_style());
            }});

  // The words of every marked row, and what the screw's length stands for.
  QStringList notes;
  for (const CheckLine& l : table->lines)
    if (l.marked()) notes << QString(l.symbol).remove(QLatin1Char('_')) + QStringLiteral(" – ") + l.words;
  for (const CheckLine& l : table->lines)
    if (!l.limit_words.isEmpty() && !notes.contains(l.limit_words)) notes << l.limit_words;
  notes << check_span_note();
  for (const QString& note : notes) {
    const qreal height =
        sheet->metrics.boundingRect(QRectF(0, 0, right - left, 1e6), Qt::TextWordWrap, note).height() + 2 * kPad;
    flow.add({height, [=](QPainter& p, qreal top) {
                p.setPen(Qt::black);
                p.setFont(sheet->body);
                p.drawText(QRectF(left, top + kPad, right - left, height), Qt::TextWordWrap, note);
              }});
  }
}

}  // namespace vorbento
