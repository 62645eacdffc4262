#include "report/report_tables.h"

#include <QFontMetricsF>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "presentation/marks/mark_style.h"
#include "report/cell_text.h"
#include "report/field_rows.h"
#include "report/report_groups.h"

namespace vorbento {

namespace {

constexpr qreal kPad = 2.5;  // above and below a row's text
// Between a torque and the rating under it: the torque's subscript hangs low.
constexpr qreal kRatingGap = 4;
// How many lines a description or a mark's words may take before they are cut.
constexpr int kTextLines = 6;
// The content's height on a page, less the section's and group's titles: a
// group taller than this is laid out row by row.
constexpr qreal kGroupOnOnePage = 800;

// Inks for the words under a marked input and a stale result, and for the
// ratings beside the torques; the rows' tints are the window's own on a light
// desktop.
const QColor kProblemInk(150, 0, 0);
const QColor kStaleInk(120, 80, 0);

struct Columns {
  qreal symbol, value, unit, description, right;
  qreal value_width() const { return unit - value - 6; }
  qreal unit_width() const { return description - unit - 4; }
  qreal description_width() const { return right - description; }
};

Columns columns(const ReportFlow& flow) {
  const qreal l = flow.left();
  return {l, l + 70, l + 190, l + 254, flow.right()};
}

struct Style {
  Style(const ReportFlow& flow, const QPaintDevice& device)
      : cols(columns(flow)),
        body(report_font(9.75)),
        italic(report_font(9.75, false, true)),
        bold(report_font(9.75, true)),
        metrics(body, &device),
        italic_metrics(italic, &device),
        line(metrics.lineSpacing()),
        device(device) {}
  Columns cols;
  QFont body, italic, bold;
  QFontMetricsF metrics, italic_metrics;
  qreal line;
  const QPaintDevice& device;
  // The decimal point's distance from the value column's left edge, the
  // same for every table, so that all numbers stand on one line of points.
  qreal point = 0;
};

ValueCell fit_value(const Style& s, const QString& text, bool italic) {
  return vorbento::fit_value(text, italic ? s.italic : s.body, s.device, s.cols.value_width(), s.point);
}

struct Row {
  FieldRow row;
  bool stale = false;  // the mark's words say why a result is stale, not what is wrong with it
  ValueCell value;
  CellText unit, description, mark;
  qreal height = 0;
  qreal text_height = 0;  // the row without the rating under it
  std::optional<FieldRow> rating;
  ValueCell rating_value;
};

Row measure_row(const Style& s, const FieldStore& store, Field f) {
  Row r{field_row(store, f), false, {}, {}, {}, {}, 0, 0, std::nullopt, {}};
  const qreal dw = s.cols.description_width();
  r.stale = store.mark(f) == Problem::none && !r.row.mark.isEmpty();
  r.value = fit_value(s, r.row.value, r.stale);
  r.unit = fit_cell(r.row.unit, s.body, s.device, s.cols.unit_width(), 1);
  r.description = fit_cell(r.row.description, s.body, s.device, dw, kTextLines, true);
  qreal words = r.description.height;
  if (!r.row.mark.isEmpty()) {
    r.mark = fit_cell(r.row.mark, s.italic, s.device, dw, kTextLines);
    words += r.mark.height;
  }
  r.text_height = std::max(words, r.value.cell.height);
  qreal height = r.text_height;
  if (const auto rating = compared_rating(f)) {
    r.rating = field_row(store, *rating);
    r.rating_value = fit_value(s, r.rating->value, false);
    r.rating_value.cell.lines = 1;  // the comparison is one line; a long rating is cut by its width
    r.rating_value.cell.height = s.line;
    height += kRatingGap + s.line;
  }
  r.height = height + 2 * kPad;
  return r;
}

void paint_row(QPainter& p, const Style& s, const Row& row, qreal top) {
  const Columns& c = s.cols;
  const FieldRow& r = row.row;
  const qreal y = top + kPad;
  // The tint covers the whole value cell, however many lines its text takes.
  if (!r.mark.isEmpty())
    p.fillRect(QRectF(c.value - 3, top + 1, c.value_width() + 6, row.text_height + 2 * kPad - 2),
               row.stale ? stale_tint() : problem_tint());
  p.setPen(Qt::black);
  draw_symbol(p, QPointF(c.symbol, y + s.metrics.ascent()), r.symbol, s.body);
  const QFont& value_font = row.stale ? s.italic : s.body;
  draw_cell(p, row.value.cell, value_font, QPointF(c.value + row.value.indent, y), c.value_width() - row.value.indent);
  draw_cell(p, row.unit, s.body, QPointF(c.unit, y), c.unit_width());
  draw_cell(p, row.description, s.body, QPointF(c.description, y), c.description_width());
  if (!r.mark.isEmpty()) {
    p.setPen(row.stale ? kStaleInk : kProblemInk);
    draw_cell(p, row.mark, s.italic, QPointF(c.description, y + row.description.height), c.description_width());
  }
  if (row.rating) {
    // The motor's rating under the torque, in the same columns: the two
    // figures stand one above the other for the reader to compare.
    const FieldRow& m = *row.rating;
    const qreal ry = top + row.height - kPad - s.line;
    p.setPen(kQuietInk);
    draw_symbol(p, QPointF(c.symbol + 10, ry + s.metrics.ascent()), m.symbol, s.body);
    p.save();
    p.setClipRect(QRectF(c.value, ry, c.value_width(), s.line));
    draw_cell(p, row.rating_value.cell, s.body, QPointF(c.value + row.rating_value.indent, ry),
              c.value_width() - row.rating_value.indent);
    p.restore();
    p.setFont(s.body);
    p.drawText(QRectF(c.unit, ry, c.unit_width(), s.line), Qt::AlignLeft | Qt::AlignTop, m.unit);
    draw_cell(p, fit_cell(m.description, s.body, *p.device(), c.description_width(), 1, true), s.body,
              QPointF(c.description, ry), c.description_width());
  }
  p.setPen(QPen(QColor(200, 200, 200), 0.5));
  p.drawLine(QPointF(c.symbol, top + row.height), QPointF(c.right, top + row.height));
}

void add_section(ReportFlow& flow, const Columns& c, const QString& title) {
  flow.add({46,
            [c, title](QPainter& p, qreal top) {
              draw_section_title(p, c.symbol, c.right - c.symbol, top, title);
              p.setFont(report_font(8.25));
              p.setPen(kQuietInk);
              auto head = [&](qreal x, qreal w, const QString& t) {
                p.drawText(QRectF(x, top + 28, w, 16), Qt::AlignLeft | Qt::AlignVCenter, t);
              };
              const std::vector<QString>& titles = field_row_titles();
              head(c.symbol, c.value - c.symbol, titles[0]);
              head(c.value, c.value_width(), titles[1]);
              head(c.unit, c.description - c.unit, titles[2]);
              head(c.description, c.description_width(), titles[3]);
              p.setPen(QPen(kQuietInk, 0.5));
              p.drawLine(QPointF(c.symbol, top + 45), QPointF(c.right, top + 45));
            },
            true, true});
}

void add_group(ReportFlow& flow, const std::shared_ptr<const Style>& s, const FieldStore& store, const FieldGroup& g) {
  std::vector<Row> rows;
  const qreal title = s->line + 10;
  qreal height = title;
  for (std::size_t n = index(g.first); n <= index(g.last); ++n) {
    rows.push_back(measure_row(*s, store, field_at(n)));
    height += rows.back().height;
  }
  const auto paint_title = [s, text = QString::fromUtf8(g.title)](QPainter& p, qreal top) {
    p.setFont(s->bold);
    p.setPen(Qt::black);
    p.drawText(QRectF(s->cols.symbol, top + 6, s->cols.right - s->cols.symbol, s->line),
               Qt::AlignLeft | Qt::AlignBottom, text);
  };
  if (height <= kGroupOnOnePage) {
    // A group stays together on one page.
    flow.add({height + 6, [s, rows = std::move(rows), paint_title, title](QPainter& p, qreal top) {
                paint_title(p, top);
                qreal y = top + title;
                for (const Row& r : rows) {
                  paint_row(p, *s, r, y);
                  y += r.height;
                }
              }});
    return;
  }
  // Long texts made it taller than a page: it goes on row by row, its title
  // with its first row.
  flow.add({title, paint_title, true});
  for (Row& r : rows) {
    const qreal h = r.height;
    flow.add({h, [s, row = std::move(r)](QPainter& p, qreal top) { paint_row(p, *s, row, top); }});
  }
}

// One decimal point for every table of the design: all numbers on one line.
qreal decimal_point(const Style& s, const FieldStore& store) {
  std::vector<QString> texts;
  for (std::size_t n = 0; n < kFieldCount; ++n) texts.push_back(field_row(store, field_at(n)).value);
  return common_decimal_point(texts, s.metrics, s.italic_metrics, s.cols.value_width());
}

}  // namespace

void add_field_tables(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store) {
  auto style = std::make_shared<Style>(flow, device);
  style->point = decimal_point(*style, store);
  const std::shared_ptr<const Style> s = style;
  add_section(flow, s->cols, QStringLiteral("Bemenő adatok"));
  for (const FieldGroup& g : input_groups()) add_group(flow, s, store, g);
  add_section(flow, s->cols, QStringLiteral("Kimenő adatok"));
  for (const FieldGroup& g : output_groups()) add_group(flow, s, store, g);
}

}  // namespace vorbento
