#include "report/report_tables.h"

#include <QFontMetricsF>

#include <memory>
#include <optional>
#include <vector>

#include "report/field_rows.h"
#include "report/report_groups.h"
#include "presentation/marks/mark_style.h"

namespace vorbento {

namespace {

constexpr qreal kPad = 2.5;  // above and below a row's text
// Between a torque and the rating under it: the torque's subscript hangs low.
constexpr qreal kRatingGap = 4;

// Inks for the words under a marked input and a stale result, and for the
// ratings beside the torques; the rows' tints are the window's own on a light
// desktop.
const QColor kProblemInk(150, 0, 0);
const QColor kStaleInk(120, 80, 0);
const QColor kQuietInk(90, 90, 90);

struct Columns {
  qreal symbol, value, unit, description, right;
  qreal value_width() const { return unit - value - 6; }
  qreal description_width() const { return right - description; }
};

Columns columns(const ReportFlow& flow) {
  const qreal l = flow.left();
  return {l, l + 70, l + 195, l + 245, flow.right()};
}

struct Style {
  Style(const ReportFlow& flow, const QPaintDevice& device)
      : cols(columns(flow)), body(report_font(9.75)), italic(report_font(9.75, false, true)),
        bold(report_font(9.75, true)), metrics(body, &device), italic_metrics(italic, &device),
        line(metrics.lineSpacing()) {}
  Columns cols;
  QFont body, italic, bold;
  QFontMetricsF metrics, italic_metrics;
  qreal line;
};

struct Row {
  FieldRow row;
  bool stale = false;  // the mark's words say why a result is stale, not what is wrong with it
  qreal height = 0;
  qreal description_height = 0;
  std::optional<FieldRow> rating;
};

qreal wrapped(const QFontMetricsF& m, const QString& text, qreal width, int flags = Qt::TextWordWrap) {
  if (text.isEmpty()) return m.lineSpacing();
  return std::max(m.lineSpacing(), m.boundingRect(QRectF(0, 0, width, 1e5), flags, text).height());
}

Row measure_row(const Style& s, const FieldStore& store, Field f) {
  Row r{field_row(store, f), false, 0, 0, std::nullopt};
  r.stale = store.mark(f) == Problem::none && !r.row.mark.isEmpty();
  r.description_height = wrapped(s.metrics, r.row.description, s.cols.description_width());
  qreal text = r.description_height;
  if (!r.row.mark.isEmpty()) text += wrapped(s.italic_metrics, r.row.mark, s.cols.description_width());
  text = std::max(text, wrapped(s.metrics, r.row.value, s.cols.value_width(), Qt::TextWrapAnywhere));
  if (const auto rating = compared_rating(f)) {
    r.rating = field_row(store, *rating);
    text += kRatingGap + s.line;
  }
  r.height = text + 2 * kPad;
  return r;
}

void paint_row(QPainter& p, const Style& s, const Row& row, qreal top) {
  const Columns& c = s.cols;
  const FieldRow& r = row.row;
  const qreal y = top + kPad;
  if (!r.mark.isEmpty())
    p.fillRect(QRectF(c.value - 3, y - 1, c.value_width() + 3, s.line + 2), row.stale ? stale_tint() : problem_tint());
  p.setPen(Qt::black);
  draw_symbol(p, QPointF(c.symbol, y + s.metrics.ascent()), r.symbol, s.body);
  p.setFont(row.stale ? s.italic : s.body);
  p.drawText(QRectF(c.value, y, c.value_width(), row.height), Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignTop,
             r.value);
  p.setFont(s.body);
  p.drawText(QRectF(c.unit, y, c.description - c.unit, s.line), Qt::AlignLeft | Qt::AlignTop, r.unit);
  p.drawText(QRectF(c.description, y, c.description_width(), row.description_height),
             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, r.description);
  if (!r.mark.isEmpty()) {
    p.setFont(s.italic);
    p.setPen(row.stale ? kStaleInk : kProblemInk);
    p.drawText(QRectF(c.description, y + row.description_height, c.description_width(), row.height),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, r.mark);
  }
  if (row.rating) {
    // The motor's rating under the torque, in the same columns: the two
    // figures stand one above the other for the reader to compare.
    const FieldRow& m = *row.rating;
    const qreal ry = top + row.height - kPad - s.line;
    p.setPen(kQuietInk);
    draw_symbol(p, QPointF(c.symbol + 10, ry + s.metrics.ascent()), m.symbol, s.body);
    p.setFont(s.body);
    p.drawText(QRectF(c.value, ry, c.value_width(), s.line), Qt::AlignLeft | Qt::AlignTop, m.value);
    p.drawText(QRectF(c.unit, ry, c.description - c.unit, s.line), Qt::AlignLeft | Qt::AlignTop, m.unit);
    p.drawText(QRectF(c.description, ry, c.description_width(), s.line), Qt::AlignLeft | Qt::AlignTop, m.description);
  }
  p.setPen(QPen(QColor(200, 200, 200), 0.5));
  p.drawLine(QPointF(c.symbol, top + row.height), QPointF(c.right, top + row.height));
}

void add_section(ReportFlow& flow, const Columns& c, const QString& title) {
  flow.add({46,
            [c, title](QPainter& p, qreal top) {
              p.setFont(report_font(12, true));
              p.drawText(QRectF(c.symbol, top + 4, c.right - c.symbol, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
              p.setFont(report_font(8.25));
              p.setPen(kQuietInk);
              auto head = [&](qreal x, qreal w, const QString& t) {
                p.drawText(QRectF(x, top + 28, w, 16), Qt::AlignLeft | Qt::AlignVCenter, t);
              };
              head(c.symbol, c.value - c.symbol, QStringLiteral("Jel"));
              head(c.value, c.value_width(), QStringLiteral("Érték"));
              head(c.unit, c.description - c.unit, QStringLiteral("Egység"));
              head(c.description, c.description_width(), QStringLiteral("Leírás"));
              p.setPen(QPen(kQuietInk, 0.5));
              p.drawLine(QPointF(c.symbol, top + 45), QPointF(c.right, top + 45));
            },
            true, true});
}

void add_group(ReportFlow& flow, const std::shared_ptr<const Style>& s, const FieldStore& store, const FieldGroup& g) {
  std::vector<Row> rows;
  qreal height = s->line + 10;  // the group's title
  for (std::size_t n = index(g.first); n <= index(g.last); ++n) {
    rows.push_back(measure_row(*s, store, field_at(n)));
    height += rows.back().height;
  }
  flow.add({height + 6, [s, rows = std::move(rows), title = QString::fromUtf8(g.title)](QPainter& p, qreal top) {
              p.setFont(s->bold);
              p.setPen(Qt::black);
              p.drawText(QRectF(s->cols.symbol, top + 6, s->cols.right - s->cols.symbol, s->line),
                         Qt::AlignLeft | Qt::AlignBottom, title);
              qreal y = top + s->line + 10;
              for (const Row& r : rows) {
                paint_row(p, *s, r, y);
                y += r.height;
              }
            }});
}

}  // namespace

void add_field_tables(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store) {
  const auto style = std::make_shared<const Style>(flow, device);
  add_section(flow, style->cols, QStringLiteral("Bemenő adatok"));
  for (const FieldGroup& g : input_groups()) add_group(flow, style, store, g);
  add_section(flow, style->cols, QStringLiteral("Kimenő adatok"));
  for (const FieldGroup& g : output_groups()) add_group(flow, style, store, g);
}

}  // namespace vorbento
