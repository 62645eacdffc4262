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
#include "report/column_head.h"
#include "report/field_rows.h"
#include "report/report_groups.h"

namespace vorbento {

namespace {

constexpr std::array<Field, 23> kSummaryFields{
    Field::tgyg1, Field::tlg1, Field::tgyg0,  Field::tlg0, Field::meg1,   Field::meg0, Field::mgyg1,  Field::mgyg0,
    Field::mlg1,  Field::mlg0, Field::matlag, Field::peg1, Field::pgylg1, Field::peg0, Field::pgylg0, Field::jtomeg,
    Field::jorso, Field::jok,  Field::jmk,    Field::jtk,  Field::jossz,  Field::mm,   Field::mmmax};

// The check's figures the summary sets beside their limits.
constexpr std::array<CheckFigure, 7> kSummaryChecks{CheckFigure::mcsucs, CheckFigure::jarany, CheckFigure::norso,
                                                    CheckFigure::nmeg,   CheckFigure::dn,     CheckFigure::fax,
                                                    CheckFigure::fkih};

constexpr qreal kPad = 2.5;  // above a row's text
constexpr qreal kDrop = 3;   // below it, more: a symbol's subscript hangs low
constexpr qreal kGap = 10;   // between two designs' columns

const QString kTitle = QStringLiteral("Tengelyek összesítése");

struct Cell {
  QString text;
  bool stale = false;  // a result that does not follow the inputs: italic on amber
  bool marked = false;
  QString words;
  int note = 0;      // 1.. in the notes under its table
  ValueCell fitted;  // on the common decimal point, or wrapped and cut
};

// One line of the summary: a quantity, and each design's text of it.
struct SummaryRow {
  QString symbol, unit;
  std::vector<Cell> cells;  // one per design, in their order
  bool group_end = false;   // a darker rule under it
};

// Rows under a title of their own, in every table of the summary.
struct RowGroup {
  QString title;
  std::vector<SummaryRow> rows;
};

// Where a group of the output page ends, a darker rule; the ratings follow the inertias.
bool ends_group(Field f) {
  for (const FieldGroup& g : output_groups())
    if (g.last == f) return true;
  return false;
}

SummaryRow field_summary_row(std::span<const ReportedDesign> designs, Field f) {
  const FieldRow head = field_row(*designs.front().store, f);
  SummaryRow row{head.symbol, head.unit, {}, ends_group(f)};
  for (const ReportedDesign& d : designs) {
    FieldRow r = field_row(*d.store, f);
    const bool marked = !r.mark.isEmpty();
    const bool stale = marked && d.store->mark(f) == Problem::none;
    row.cells.push_back({std::move(r.value), stale, marked, std::move(r.mark), 0, {}});
  }
  return row;
}

// The inputs typed differently into the designs: what tells one axis from another.
std::vector<SummaryRow> differing_inputs(std::span<const ReportedDesign> designs) {
  std::vector<SummaryRow> rows;
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const Field f = field_at(n);
    const std::string& first = designs.front().store->text(f);
    if (std::all_of(designs.begin(), designs.end(), [&](const ReportedDesign& d) { return d.store->text(f) == first; }))
      continue;
    rows.push_back(field_summary_row(designs, f));
  }
  if (!rows.empty()) rows.back().group_end = true;
  return rows;
}

std::vector<SummaryRow> result_rows(std::span<const ReportedDesign> designs) {
  std::vector<SummaryRow> rows;
  for (Field f : kSummaryFields) rows.push_back(field_summary_row(designs, f));
  return rows;
}

// The check's figures beside the limits typed ("318.86 / 3953.08 / 19604"),
// a limit not given as "–"; a cell is marked by the figure's words and its limits'.
std::vector<SummaryRow> check_summary_rows(std::span<const ReportedDesign> designs) {
  std::vector<SummaryRow> rows;
  std::vector<CheckTable> tables;
  for (const ReportedDesign& d : designs) tables.push_back(check_table(*d.store, d.checks ? *d.checks : CheckTexts{}));
  for (std::size_t k = 0; k < tables.front().lines.size(); ++k) {
    const CheckLine& head = tables.front().lines[k];
    const CheckFigure* figure = std::get_if<CheckFigure>(&head.row->quantity);
    if (!figure || std::find(kSummaryChecks.begin(), kSummaryChecks.end(), *figure) == kSummaryChecks.end()) continue;
    SummaryRow row{head.symbol, head.unit, {}, false};
    for (const CheckTable& t : tables) {
      const CheckLine& l = t.lines[k];
      QStringList words{l.words, l.limit_words};
      words.removeAll(QString());
      QStringList shown{l.value};
      for (const QString& v : l.limit_values)
        shown << (v == QString::fromUtf8(kNotGiven.data()) ? QStringLiteral("–") : v);
      const bool stale =
          !words.isEmpty() && (l.words.isEmpty() || l.stale) && (l.limit_words.isEmpty() || l.limit_stale);
      row.cells.push_back(
          {shown.join(QStringLiteral(" / ")), stale, !words.isEmpty(), words.join(QStringLiteral("; ")), 0, {}});
    }
    rows.push_back(std::move(row));
  }
  if (!rows.empty()) rows.back().group_end = true;
  return rows;
}

struct Sheet {
  explicit Sheet(const QPaintDevice& device)
      : body(report_font(9.75)),
        italic(report_font(9.75, false, true)),
        bold(report_font(9.75, true)),
        head(report_font(8.25)),
        small(report_font(7)),
        metrics(body, &device),
        italic_metrics(italic, &device),
        bold_metrics(bold, &device),
        small_metrics(small, &device) {}
  QFont body, italic, bold, head, small;
  QFontMetricsF metrics, italic_metrics, bold_metrics, small_metrics;
  qreal symbol_width = 0, unit_width = 0, column_width = 0, note_room = 0;
  std::size_t per_table = 1;  // designs side by side in one table
  std::vector<QString> names;
  std::vector<RowGroup> groups;
  bool inputs_differ = false;  // the first group holds the inputs that tell the designs apart

  qreal text_width() const { return column_width - kGap - note_room; }
  const QFontMetricsF& metrics_of(const Cell& c) const { return c.stale ? italic_metrics : metrics; }
};

std::shared_ptr<Sheet> measure(const QPaintDevice& device, std::span<const ReportedDesign> designs, qreal width) {
  auto s = std::make_shared<Sheet>(device);
  // The row groups in their order down the page; a further kind of figure
  // is one more group of rows built like these.
  std::vector<SummaryRow> inputs = differing_inputs(designs);
  s->inputs_differ = !inputs.empty();
  if (s->inputs_differ) s->groups.push_back({QStringLiteral("Eltérő bemenő adatok"), std::move(inputs)});
  s->groups.push_back({QStringLiteral("Kimenő adatok és a motor nyomatékai"), result_rows(designs)});
  // Designs opened without the check's data (as some callers give them) have no check rows.
  if (designs.front().checks)
    s->groups.push_back({QStringLiteral("Motor és orsó ellenőrzése"), check_summary_rows(designs)});
  for (const ReportedDesign& d : designs) s->names.push_back(d.name);

  // A typed text wider than the widest figure of the results wraps in its
  // cell rather than widen every column (and push designs into tables of one).
  const qreal widest_figure = s->italic_metrics.horizontalAdvance(QStringLiteral("-00000.0000000000"));
  qreal value_width = 0;
  std::vector<QString> seen;  // the distinct words of the marks
  std::vector<QString> texts;
  for (const RowGroup& g : s->groups)
    for (const SummaryRow& r : g.rows) {
      const qsizetype bar = r.symbol.indexOf(QLatin1Char('_'));
      s->symbol_width = std::max(s->symbol_width, s->metrics.horizontalAdvance(r.symbol) - (bar < 0 ? 0 : 4));
      s->unit_width = std::max(s->unit_width, s->metrics.horizontalAdvance(r.unit));
      for (const Cell& c : r.cells) {
        const qreal text = s->metrics_of(c).horizontalAdvance(c.text.left(40));
        value_width = std::max(value_width, std::min(text, widest_figure));
        texts.push_back(c.text);
        if (c.marked && std::find(seen.begin(), seen.end(), c.words) == seen.end()) seen.push_back(c.words);
      }
    }
  // The column heads, in their smaller font, need their room too.
  const QFontMetricsF head_metrics(s->head, &device);
  s->symbol_width = std::max(s->symbol_width, head_metrics.horizontalAdvance(field_row_titles()[0])) + 14;
  s->unit_width = std::max(s->unit_width, head_metrics.horizontalAdvance(field_row_titles()[2])) + 14;
  if (!seen.empty()) s->note_room = s->small_metrics.horizontalAdvance(QString::number(seen.size())) + 3;
  // As many designs side by side as their figures leave room for (a little
  // slack: the hinted advances at the printer's resolution round up), spread
  // evenly over the tables; the columns then widen, within the page, to give
  // the file names room. A long name wraps or loses its middle in its head,
  // it takes no column from the figures.
  const qreal room = width - s->symbol_width - s->unit_width + kGap;
  const qreal figures = value_width + 2 + s->note_room + kGap;
  qreal head_width = 0;
  for (const QString& name : s->names) head_width = std::max(head_width, s->bold_metrics.horizontalAdvance(name));
  const std::size_t fit = std::clamp<std::size_t>(static_cast<std::size_t>(room / figures), 1, designs.size());
  const std::size_t tables = (designs.size() + fit - 1) / fit;
  s->per_table = (designs.size() + tables - 1) / tables;
  s->column_width = std::min(std::max(figures, head_width + kGap), room / static_cast<qreal>(s->per_table));
  // Every figure on one decimal point, as in the designs' own tables; a text
  // typed into a field of any length is cut, so no row outgrows the page.
  const qreal point = common_decimal_point(texts, s->metrics, s->italic_metrics, s->text_width());
  for (RowGroup& g : s->groups)
    for (SummaryRow& r : g.rows)
      for (Cell& c : r.cells)
        c.fitted = fit_value(c.text, c.stale ? s->italic : s->body, device, s->text_width(), point);
  return s;
}

// The heads of a table's columns; over the rows that go on on another page,
// the same heads under the summary's title with "(folytatás)".
Block column_heads(const std::shared_ptr<const Sheet>& s, const ReportFlow& flow, std::size_t first, std::size_t count,
                   bool continued) {
  const qreal left = flow.left();
  const qreal unit_x = left + s->symbol_width;
  const qreal first_x = unit_x + s->unit_width;
  const qreal right = first_x + s->column_width * static_cast<qreal>(count) - kGap;
  std::vector<QString> heads;
  qsizetype lines = 1;
  for (std::size_t d = first; d < first + count; ++d) {
    const QStringList fitted = column_head_lines(s->names[d], s->bold_metrics, s->column_width - kGap);
    lines = std::max(lines, fitted.size());
    heads.push_back(fitted.join(QLatin1Char('\n')));
  }
  const qreal above = continued ? s->metrics.lineSpacing() + 6 : 0;
  const qreal height = above + s->bold_metrics.lineSpacing() * static_cast<qreal>(lines) + 8;
  return {height,
          [s, heads, continued, above, height, left, unit_x, first_x, right](QPainter& p, qreal top) {
            if (continued) {
              p.setFont(s->italic);
              p.setPen(kQuietInk);
              p.drawText(QRectF(left, top, right - left, above), Qt::AlignLeft | Qt::AlignTop,
                         kTitle + QStringLiteral(" (folytatás)"));
            }
            const qreal y = top + above, h = height - above - 4;
            const std::vector<QString>& titles = field_row_titles();
            p.setFont(s->head);
            p.setPen(kQuietInk);
            p.drawText(QRectF(left, y, s->symbol_width, h), Qt::AlignLeft | Qt::AlignBottom, titles[0]);
            p.drawText(QRectF(unit_x, y, s->unit_width, h), Qt::AlignLeft | Qt::AlignBottom, titles[2]);
            p.setFont(s->bold);
            p.setPen(Qt::black);
            for (std::size_t d = 0; d < heads.size(); ++d)
              p.drawText(QRectF(first_x + s->column_width * static_cast<qreal>(d), y, s->column_width - kGap, h),
                         Qt::AlignLeft | Qt::AlignBottom, heads[d]);
            p.setPen(QPen(kQuietInk, 0.75));
            p.drawLine(QPointF(left, top + height), QPointF(right, top + height));
          },
          true};
}

// `row` lives in the sheet, which the block keeps.
Block row_block(const std::shared_ptr<const Sheet>& s, const ReportFlow& flow, const SummaryRow& row, std::size_t first,
                std::size_t count) {
  const qreal left = flow.left();
  const qreal unit_x = left + s->symbol_width;
  const qreal first_x = unit_x + s->unit_width;
  const qreal right = first_x + s->column_width * static_cast<qreal>(count) - kGap;
  qreal h = s->metrics.lineSpacing();
  for (std::size_t d = first; d < first + count; ++d) h = std::max(h, row.cells[d].fitted.cell.height);
  const qreal height = h + kPad + kDrop;
  return {
      height, [s, &row, first, count, height, left, unit_x, first_x, right](QPainter& p, qreal y) {
        const qreal base = y + kPad + s->metrics.ascent();
        p.setPen(Qt::black);
        draw_symbol(p, QPointF(left, base), row.symbol, s->body);
        p.setFont(s->body);
        p.drawText(QPointF(unit_x, base), row.unit);
        for (std::size_t d = 0; d < count; ++d) {
          const Cell& c = row.cells[first + d];
          const qreal x = first_x + s->column_width * static_cast<qreal>(d);
          if (c.marked)
            p.fillRect(QRectF(x - 3, y + 1, s->column_width - kGap + 3, height - 2),
                       c.stale ? stale_tint() : problem_tint());
          p.setPen(Qt::black);
          const QFont& font = c.stale ? s->italic : s->body;
          draw_cell(p, c.fitted.cell, font, QPointF(x + c.fitted.indent, y + kPad), s->text_width() - c.fitted.indent);
          if (c.note > 0) {
            // The note's number raised after the figure's first line,
            // apart from it so that a copied figure keeps no stray digit.
            const QString& shown = c.fitted.cell.lines == 1 ? c.fitted.cell.text : c.text;
            const qreal end = std::min(c.fitted.indent + s->metrics_of(c).horizontalAdvance(shown), s->text_width());
            p.setFont(s->small);
            p.drawText(QPointF(x + end + 3, base - s->metrics.ascent() * 0.35), QString::number(c.note));
          }
        }
        p.setPen(row.group_end ? QPen(kQuietInk, 0.75) : QPen(QColor(200, 200, 200), 0.5));
        p.drawLine(QPointF(left, y + height), QPointF(right, y + height));
      }};
}

// The words of a table's marks, numbered as its cells are, in one block: the
// notes stand under their table, on its page.
Block notes_block(const std::shared_ptr<const Sheet>& s, const ReportFlow& flow, std::vector<QString> notes) {
  const qreal left = flow.left();
  const qreal number_width = s->metrics.horizontalAdvance(QString::number(notes.size())) + 8;
  const qreal width = flow.right() - left - number_width;
  std::vector<qreal> heights;
  qreal total = 6;
  for (const QString& words : notes) {
    const QRectF wrapped = s->italic_metrics.boundingRect(QRectF(0, 0, width, 1e5), Qt::TextWordWrap, words);
    heights.push_back(std::max(s->metrics.lineSpacing(), wrapped.height()) + 4);
    total += heights.back();
  }
  return {total, [s, notes = std::move(notes), heights, left, number_width, width](QPainter& p, qreal top) {
            qreal y = top + 6;
            for (std::size_t k = 0; k < notes.size(); ++k) {
              p.setPen(Qt::black);
              p.setFont(s->body);
              p.drawText(QRectF(left, y, number_width - 8, s->metrics.lineSpacing()), Qt::AlignRight | Qt::AlignTop,
                         QString::number(k + 1));
              p.setFont(s->italic);
              p.drawText(QRectF(left + number_width, y, width, heights[k]),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, notes[k]);
              y += heights[k];
            }
          }};
}

void add_table(ReportFlow& flow, const std::shared_ptr<Sheet>& sheet, std::size_t first, std::size_t count) {
  // Notes are numbered in reading order: row by row, left to right.
  std::vector<QString> notes;
  for (RowGroup& g : sheet->groups)
    for (SummaryRow& r : g.rows)
      for (std::size_t d = first; d < first + count; ++d) {
        Cell& c = r.cells[d];
        if (!c.marked) continue;
        const auto known = std::find(notes.begin(), notes.end(), c.words);
        c.note = static_cast<int>(known - notes.begin()) + 1;
        if (known == notes.end()) notes.push_back(c.words);
      }
  const std::shared_ptr<const Sheet> s = sheet;
  std::vector<Block> blocks;
  blocks.push_back(column_heads(s, flow, first, count, false));
  const auto again = std::make_shared<const Block>(column_heads(s, flow, first, count, true));
  const qreal left = flow.left(), right = flow.right();
  for (const RowGroup& g : s->groups) {
    Block title{s->metrics.lineSpacing() + 10,
                [s, left, right, title = g.title](QPainter& p, qreal top) {
                  p.setFont(s->bold);
                  p.setPen(Qt::black);
                  p.drawText(QRectF(left, top + 4, right - left, s->metrics.lineSpacing() + 4),
                             Qt::AlignLeft | Qt::AlignBottom, title);
                },
                true};
    blocks.push_back(std::move(title));
    for (const SummaryRow& r : g.rows) blocks.push_back(row_block(s, flow, r, first, count));
  }
  if (!notes.empty()) {
    // The last row goes on to a new page with the notes rather than leave them behind.
    blocks.back().keep_with_next = true;
    blocks.push_back(notes_block(s, flow, std::move(notes)));
  }
  for (const Block& b : blocks) blocks.front().whole_height += b.height;
  for (std::size_t k = 0; k < blocks.size(); ++k) {
    if (k > 0) blocks[k].continued_head = again;
    flow.add(std::move(blocks[k]));
  }
}

}  // namespace

void add_design_summary(ReportFlow& flow, const QPaintDevice& device, std::span<const ReportedDesign> designs) {
  if (designs.empty()) return;
  const qreal left = flow.left(), right = flow.right();
  flow.add({40, [left, right](QPainter& p, qreal top) { draw_section_title(p, left, right - left, top, kTitle); }, true,
            true});
  const std::shared_ptr<Sheet> s = measure(device, designs, right - left);
  if (!s->inputs_differ) {
    // Nothing in the inputs tells the designs apart: the reader is told so
    // rather than left to look for the rows.
    const QString line = designs.size() == 1 ? QStringLiteral("Egyetlen terv: bemenő adatait nincs mihez mérni.")
                                             : QStringLiteral("A tervek bemenő adatai mind egyeznek.");
    flow.add({s->metrics.lineSpacing() + 8,
              [s, left, right, line](QPainter& p, qreal top) {
                p.setFont(s->italic);
                p.setPen(Qt::black);
                p.drawText(QRectF(left, top, right - left, s->metrics.lineSpacing() + 4), Qt::AlignLeft | Qt::AlignTop,
                           line);
              },
              true});
  }
  // The designs that do not fit beside the first ones go on in the next table.
  for (std::size_t first = 0; first < designs.size(); first += s->per_table) {
    if (first > 0) flow.add({24, [](QPainter&, qreal) {}});
    add_table(flow, s, first, std::min(s->per_table, designs.size() - first));
  }
}

QString summary_header_name(const QPaintDevice& device, std::span<const ReportedDesign> designs) {
  QStringList names;
  for (const ReportedDesign& d : designs) names << d.name;
  // The header's title takes the left half of the line.
  return QFontMetricsF(report_font(9.75), &device).elidedText(names.join(QStringLiteral(", ")), Qt::ElideRight, 300);
}

}  // namespace vorbento
