#include "report/report_cycle.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <memory>

#include "presentation/cycle/cycle_painter.h"
#include "presentation/cycle/cycle_table.h"
#include "presentation/marks/mark_style.h"
#include "report/cell_text.h"

namespace vorbento {

namespace {

constexpr qreal kPlotHeight = 470;  // 1/96 inch: some 12 cm for both plots and the time axis
constexpr qreal kPad = 2.5;

}  // namespace

void add_cycle(ReportFlow& flow, const QPaintDevice& device, const FieldStore& store) {
  auto data = std::make_shared<const CycleData>(cycle_data(store));
  const qreal left = flow.left(), right = flow.right();

  flow.add({34,
            [left, right](QPainter& p, qreal top) {
              draw_section_title(p, left, right - left, top, QStringLiteral("Mozgásciklus"));
            },
            true, true});

  // The notes under the plot wrap in its width; allow each two lines.
  const QFontMetricsF metrics(report_font(8), &device);
  const qreal notes = static_cast<qreal>(data->notes.size()) * 2 * metrics.lineSpacing();
  flow.add({kPlotHeight + notes + 8, [data, left, right, notes](QPainter& p, qreal top) {
              paint_cycle(p, QRectF(left, top, right - left, kPlotHeight + notes), *data, printed_cycle_style());
            }});

  // Each cell fitted to its column as the report's other tables fit theirs:
  // symbols with their subscripts, a long text wrapped and then cut with "…".
  const QFont body = report_font(9.75);
  const QFont italic = report_font(9.75, false, true);
  struct Row {
    CellText name;
    std::array<CellText, 3> cells;
    std::array<const CycleCell*, 3> marks{};
    qreal height = 0;
  };
  const qreal x[] = {left, left + 160, left + 300, left + 420, right};
  const auto rows = std::make_shared<std::vector<Row>>();
  const auto cycle = std::make_shared<const std::vector<CycleRow>>(cycle_rows(*data));
  for (const CycleRow& r : *cycle) {
    Row row;
    row.name = fit_cell(r.name, body, device, x[1] - x[0] - 6, kValueLines);
    row.height = row.name.height;
    for (std::size_t c = 0; c < 3; ++c) {
      const CycleCell& cell = r.cells[c];
      const bool stale = cell.stale && !cell.words.isEmpty();
      row.cells[c] = fit_cell(cell.text, stale ? italic : body, device, x[c + 2] - x[c + 1] - 6, kValueLines, true);
      row.marks[c] = &cell;
      row.height = std::max(row.height, row.cells[c].height);
    }
    row.height += 2 * kPad;
    rows->push_back(std::move(row));
  }
  const qreal head = QFontMetricsF(body, &device).lineSpacing() + 2 * kPad;
  qreal height = head + 10;
  for (const Row& r : *rows) height += r.height;
  flow.add({height, [rows, cycle, left, right, head, body, italic, x](QPainter& p, qreal top) {
              const auto& titles = cycle_column_titles();
              p.setPen(Qt::black);
              p.setFont(report_font(9.75, true));
              for (int c = 0; c < 4; ++c)
                p.drawText(QRectF(x[c], top + kPad, x[c + 1] - x[c], head), Qt::AlignLeft | Qt::AlignTop,
                           titles[static_cast<std::size_t>(c)]);
              qreal y = top + head;
              p.setPen(QPen(QColor(90, 90, 90), 0.5));
              p.drawLine(QPointF(left, y), QPointF(right, y));
              for (const Row& r : *rows) {
                p.setPen(Qt::black);
                draw_cell(p, r.name, body, QPointF(x[0], y + kPad), x[1] - x[0] - 6);
                for (std::size_t c = 0; c < 3; ++c) {
                  const CycleCell& mark = *r.marks[c];
                  const qreal width = x[c + 2] - x[c + 1] - 6;
                  const QRectF box(x[c + 1], y + kPad, width, r.height - 2 * kPad);
                  if (!mark.words.isEmpty())
                    p.fillRect(box.adjusted(-3, -1, 3, 1), mark.stale ? stale_tint() : problem_tint());
                  p.setPen(Qt::black);
                  draw_cell(p, r.cells[c], mark.stale && !mark.words.isEmpty() ? italic : body, box.topLeft(), width);
                }
                y += r.height;
                p.setPen(QPen(QColor(200, 200, 200), 0.5));
                p.drawLine(QPointF(left, y), QPointF(right, y));
              }
            }});
}

}  // namespace vorbento
