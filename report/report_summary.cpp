#include "report/report_summary.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "presentation/check/check_table.h"
#include "presentation/marks/mark_style.h"
#include "report/cell_text.h"
#include "report/field_rows.h"
#include "report/report_groups.h"

namespace vorbento {

namespace {

constexpr std::array<Field, 23> kSummaryFields{
    Field::tgyg1, Field::tlg1,   Field::tgyg0, Field::tlg0,  Field::meg1,  Field::meg0,   Field::mgyg1, Field::mgyg0,
    Field::mlg1,  Field::mlg0,   Field::matlag, Field::peg1, Field::pgylg1, Field::peg0,  Field::pgylg0, Field::jtomeg,
    Field::jorso, Field::jok,    Field::jmk,   Field::jtk,   Field::jossz, Field::mm,     Field::mmmax};

// The check's figures the summary sets beside their limits.
constexpr std::array<CheckFigure, 7> kSummaryChecks{CheckFigure::mcsucs, CheckFigure::jarany, CheckFigure::norso,
                                                    CheckFigure::nmeg,   CheckFigure::dn,     CheckFigure::fax,
                                                    CheckFigure::fkih};

constexpr qreal kPad = 2.5;      // above a row's text
constexpr qreal kDrop = 3;       // below it, more: a symbol's subscript hangs low
constexpr qreal kGap = 10;       // between two designs' columns

struct Cell {
  QString text;
  bool stale = false;  // a result that does not follow the inputs: italic on amber
  bool marked = false;
  QString words;
  int note = 0;  // 1.. in the notes under the table
  ValueCell fitted;  // on the common decimal point, or wrapped and cut
};

struct Sheet {
  explicit Sheet(const QPaintDevice& device)
      : body(report_font(9.75)), italic(report_font(9.75, false, true)), bold(report_font(9.75, true)),
        head(report_font(8.25)), small(report_font(7)), metrics(body, &device), italic_metrics(italic, &device),
        bold_metrics(bold, &device), small_metrics(small, &device) {}
  QFont body, italic, bold, head, small;
  QFontMetricsF metrics, italic_metrics, bold_metrics, small_metrics;
  qreal symbol_width = 0, unit_width = 0, column_width = 0, note_room = 0;
  std::size_t per_table = 1;  // designs side by side in one table
  std::vector<QString> names;
  std::vector<FieldRow> rows;            // symbol and unit of each row
  std::vector<std::vector<Cell>> cells;  // [design][row]
  std::vector<QString> notes;            // the words of note k + 1

  qreal text_width() const { return column_width - kGap - note_room; }
  const QFontMetricsF& metrics_of(const Cell& c) const { return c.stale ? italic_metrics : metrics; }
};

// Where a group of the output page ends, a darker rule; the ratings follow the inertias.
bool ends_group(Field f) {
  for (const FieldGroup& g : output_groups())
    if (g.last == f) return true;
  return false;
}

std::shared_ptr<Sheet> measure(const QPaintDevice& device, std::span<const ReportedDesign> designs, qreal width) {
  auto s = std::make_shared<Sheet>(device);
  const FieldStore& first = *designs.front().store;
  for (Field f : kSummaryFields) {
    s->rows.push_back(field_row(first, f));
    const FieldRow& r = s->rows.back();
    const qsizetype bar = r.symbol.indexOf(QLatin1Char('_'));
    s->symbol_width = std::max(s->symbol_width, s->metrics.horizontalAdvance(r.symbol) - (bar < 0 ? 0 : 4));
    s->unit_width = std::max(s->unit_width, s->metrics.horizontalAdvance(r.unit));
  }
  // The column heads, in their smaller font, need their room too.
  const QFontMetricsF head_metrics(s->head, &device);
  s->symbol_width = std::max(s->symbol_width, head_metrics.horizontalAdvance(field_row_titles()[0])) + 14;
  s->unit_width = std::max(s->unit_width, head_metrics.horizontalAdvance(field_row_titles()[2])) + 14;
  qreal value_width = 0, head_width = 0;
  int distinct = 0;
  std::vector<QString> seen;
  for (const ReportedDesign& d : designs) {
    s->names.push_back(d.name);
    head_width = std::max(head_width, s->bold_metrics.horizontalAdvance(d.name));
    std::vector<Cell>& column = s->cells.emplace_back();
    for (Field f : kSummaryFields) {
      const FieldRow r = field_row(*d.store, f);
      Cell c{r.value, d.store->mark(f) == Problem::none && !r.mark.isEmpty(), !r.mark.isEmpty(), r.mark, 0, {}};
      value_width = std::max(value_width, s->metrics_of(c).horizontalAdvance(c.text));
      if (c.marked && std::find(seen.begin(), seen.end(), c.words) == seen.end()) {
        seen.push_back(c.words);
        ++distinct;
      }
      column.push_back(std::move(c));
    }
    // The check's figures beside the limits typed: "318.86 / 3953.08 / 19604".
    if (!designs.front().checks) continue;
    const CheckTexts none{};
    for (const CheckLine& l : check_table(*d.store, d.checks ? *d.checks : none).lines) {
      const CheckFigure* fig = std::get_if<CheckFigure>(&l.row->quantity);
      if (!fig || std::find(kSummaryChecks.begin(), kSummaryChecks.end(), *fig) == kSummaryChecks.end()) continue;
      if (&d == &designs.front()) s->rows.push_back({Field::matlag, l.symbol, {}, l.unit, l.name, {}});
      QStringList words{l.words};
      if (!l.limit_words.isEmpty()) words << l.limit_words;
      words.removeAll(QString());
      QStringList shown{l.value};
      for (const QString& v : l.limit_values) shown << (v == QString::fromUtf8(kNotGiven.data()) ? QStringLiteral("–") : v);
      Cell c{shown.join(QStringLiteral(" / ")), false, !words.isEmpty(),
             words.join(QStringLiteral("; ")), 0, {}};
      c.stale = !words.isEmpty() && (l.words.isEmpty() || l.stale) && (l.limit_words.isEmpty() || l.limit_stale);
      value_width = std::max(value_width, s->metrics_of(c).horizontalAdvance(c.text));
      if (c.marked && std::find(seen.begin(), seen.end(), c.words) == seen.end()) {
        seen.push_back(c.words);
        ++distinct;
      }
      column.push_back(std::move(c));
    }
  }
  if (distinct > 0) s->note_room = s->small_metrics.horizontalAdvance(QString::number(distinct)) + 3;
  // As many designs side by side as their figures leave room for (a little
  // slack: the hinted advances at the printer's resolution round up); the
  // columns then widen, within the page, to give each file name its line.
  const qreal room = width - s->symbol_width - s->unit_width + kGap;
  const qreal figures = value_width + 2 + s->note_room + kGap;
  s->per_table = std::clamp<std::size_t>(static_cast<std::size_t>(room / figures), 1, designs.size());
  s->column_width = std::min(std::max(figures, head_width + kGap), room / static_cast<qreal>(s->per_table));
  // Every figure on one decimal point, as in the designs' own tables; a text
  // typed into M_m of any length is cut, so no row outgrows the page.
  std::vector<QString> texts;
  for (const std::vector<Cell>& column : s->cells)
    for (const Cell& c : column) texts.push_back(c.text);
  const qreal point = common_decimal_point(texts, s->metrics, s->italic_metrics, s->text_width());
  for (std::vector<Cell>& column : s->cells)
    for (Cell& c : column) c.fitted = fit_value(c.text, c.stale ? s->italic : s->body, device, s->text_width(), point);
  return s;
}

void add_table(ReportFlow& flow, const std::shared_ptr<Sheet>& s, std::size_t first, std::size_t count) {
  const qreal left = flow.left();
  const qreal unit_x = left + s->symbol_width;
  const qreal first_x = unit_x + s->unit_width;
  const qreal right = first_x + s->column_width * static_cast<qreal>(count) - kGap;

  qreal head = s->metrics.lineSpacing();
  for (std::size_t d = first; d < first + count; ++d)
    head = std::max(head, s->bold_metrics
                              .boundingRect(QRectF(0, 0, s->column_width - kGap, 1e5), Qt::TextWrapAnywhere, s->names[d])
                              .height());
  head += 8;
  flow.add({head, [s, first, count, head, left, unit_x, first_x, right](QPainter& p, qreal top) {
              const std::vector<QString>& titles = field_row_titles();
              p.setFont(s->head);
              p.setPen(kQuietInk);
              p.drawText(QRectF(left, top, s->symbol_width, head - 4), Qt::AlignLeft | Qt::AlignBottom, titles[0]);
              p.drawText(QRectF(unit_x, top, s->unit_width, head - 4), Qt::AlignLeft | Qt::AlignBottom, titles[2]);
              p.setFont(s->bold);
              p.setPen(Qt::black);
              for (std::size_t d = 0; d < count; ++d)
                p.drawText(QRectF(first_x + s->column_width * static_cast<qreal>(d), top, s->column_width - kGap, head - 4),
                           Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignBottom, s->names[first + d]);
              p.setPen(QPen(kQuietInk, 0.75));
              p.drawLine(QPointF(left, top + head), QPointF(right, top + head));
            },
            true});

  // Notes are numbered in reading order: row by row, left to right.
  for (std::size_t r = 0; r < s->rows.size(); ++r) {
    qreal h = s->metrics.lineSpacing();
    for (std::size_t d = first; d < first + count; ++d) {
      Cell& c = s->cells[d][r];
      h = std::max(h, c.fitted.cell.height);
      if (!c.marked) continue;
      const auto known = std::find(s->notes.begin(), s->notes.end(), c.words);
      c.note = static_cast<int>(known - s->notes.begin()) + 1;
      if (known == s->notes.end()) s->notes.push_back(c.words);
    }
    const qreal height = h + kPad + kDrop;
    flow.add({height, [s, r, first, count, height, left, unit_x, first_x, right](QPainter& p, qreal y) {
                const qreal base = y + kPad + s->metrics.ascent();
                p.setPen(Qt::black);
                draw_symbol(p, QPointF(left, base), s->rows[r].symbol, s->body);
                p.setFont(s->body);
                p.drawText(QPointF(unit_x, base), s->rows[r].unit);
                for (std::size_t d = 0; d < count; ++d) {
                  const Cell& c = s->cells[first + d][r];
                  const qreal x = first_x + s->column_width * static_cast<qreal>(d);
                  if (c.marked)
                    p.fillRect(QRectF(x - 3, y + 1, s->column_width - kGap + 3, height - 2),
                               c.stale ? stale_tint() : problem_tint());
                  p.setPen(Qt::black);
                  const QFont& font = c.stale ? s->italic : s->body;
                  draw_cell(p, c.fitted.cell, font, QPointF(x + c.fitted.indent, y + kPad),
                            s->text_width() - c.fitted.indent);
                  if (c.note > 0) {
                    // The note's number raised after the figure's first line,
                    // apart from it so that a copied figure keeps no stray digit.
                    const QString& shown = c.fitted.cell.lines == 1 ? c.fitted.cell.text : c.text;
                    const qreal end = std::min(c.fitted.indent + s->metrics_of(c).horizontalAdvance(shown), s->text_width());
                    p.setFont(s->small);
                    p.drawText(QPointF(x + end + 3, base - s->metrics.ascent() * 0.35), QString::number(c.note));
                  }
                }
                const bool group_end = r < kSummaryFields.size() ? ends_group(kSummaryFields[r]) : r + 1 == s->rows.size();
                p.setPen(group_end ? QPen(kQuietInk, 0.75) : QPen(QColor(200, 200, 200), 0.5));
                p.drawLine(QPointF(left, y + height), QPointF(right, y + height));
              }});
  }
  flow.add({12, [](QPainter&, qreal) {}});
}

void add_notes(ReportFlow& flow, const std::shared_ptr<Sheet>& s) {
  const qreal left = flow.left();
  const qreal number_width = s->metrics.horizontalAdvance(QString::number(s->notes.size())) + 8;
  const qreal width = flow.right() - left - number_width;
  for (std::size_t k = 0; k < s->notes.size(); ++k) {
    const QString& words = s->notes[k];
    const qreal height =
        std::max(s->metrics.lineSpacing(), s->italic_metrics.boundingRect(QRectF(0, 0, width, 1e5), Qt::TextWordWrap, words).height());
    flow.add({height + 4, [s, k, words, left, number_width, width](QPainter& p, qreal top) {
                p.setPen(Qt::black);
                p.setFont(s->body);
                p.drawText(QRectF(left, top, number_width - 8, s->metrics.lineSpacing()), Qt::AlignRight | Qt::AlignTop,
                           QString::number(k + 1));
                p.setFont(s->italic);
                p.drawText(QRectF(left + number_width, top, width, 1e4), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                           words);
              }});
  }
}

}  // namespace

std::span<const Field> summary_fields() { return kSummaryFields; }

void add_design_summary(ReportFlow& flow, const QPaintDevice& device, std::span<const ReportedDesign> designs) {
  if (designs.empty()) return;
  const qreal left = flow.left(), right = flow.right();
  flow.add({40,
            [left, right](QPainter& p, qreal top) {
              draw_section_title(p, left, right - left, top, QStringLiteral("Tengelyek összesítése"));
            },
            true, true});
  const std::shared_ptr<Sheet> s = measure(device, designs, right - left);
  // The designs that do not fit beside the first ones go on in the next table.
  const std::size_t per_table = s->per_table;
  for (std::size_t first = 0; first < designs.size(); first += per_table) {
    if (first > 0) flow.add({24, [](QPainter&, qreal) {}});
    add_table(flow, s, first, std::min(per_table, designs.size() - first));
  }
  if (s->notes.empty()) return;
  flow.add({14, [](QPainter&, qreal) {}, true});
  add_notes(flow, s);
}

QString summary_header_name(const QPaintDevice& device, std::span<const ReportedDesign> designs) {
  QStringList names;
  for (const ReportedDesign& d : designs) names << d.name;
  // The header's title takes the left half of the line.
  return QFontMetricsF(report_font(9.75), &device).elidedText(names.join(QStringLiteral(", ")), Qt::ElideRight, 300);
}

}  // namespace vorbento
