#include "report/report_cycle.h"

#include <QFontMetricsF>

#include <algorithm>
#include <memory>

#include "presentation/cycle/cycle_painter.h"
#include "presentation/cycle/cycle_table.h"
#include "presentation/marks/mark_style.h"

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

  const auto rows = std::make_shared<const std::vector<CycleRow>>(cycle_rows(*data));
  const QFont body = report_font(9.75);
  const QFontMetricsF m(body, &device);
  const qreal line = m.lineSpacing() + 2 * kPad;
  const qreal height = line * static_cast<qreal>(rows->size() + 1) + 10;
  flow.add({height, [rows, left, right, line, body](QPainter& p, qreal top) {
              const auto& titles = cycle_column_titles();
              const qreal x[] = {left, left + 160, left + 300, left + 420, right};
              QFont bold = body;
              bold.setBold(true);
              QFont italic = body;
              italic.setItalic(true);
              p.setPen(Qt::black);
              p.setFont(bold);
              for (int c = 0; c < 4; ++c)
                p.drawText(QRectF(x[c], top + kPad, x[c + 1] - x[c], line), Qt::AlignLeft | Qt::AlignTop,
                           titles[static_cast<std::size_t>(c)]);
              qreal y = top + line;
              p.setPen(QPen(QColor(90, 90, 90), 0.5));
              p.drawLine(QPointF(left, y), QPointF(right, y));
              for (const CycleRow& r : *rows) {
                p.setPen(Qt::black);
                p.setFont(body);
                p.drawText(QRectF(x[0], y + kPad, x[1] - x[0], line), Qt::AlignLeft | Qt::AlignTop, r.name);
                for (int c = 0; c < 3; ++c) {
                  const CycleCell& cell = r.cells[static_cast<std::size_t>(c)];
                  const QRectF box(x[c + 1], y + kPad, x[c + 2] - x[c + 1] - 6, line - 2 * kPad);
                  if (!cell.words.isEmpty())
                    p.fillRect(box.adjusted(-3, -1, 3, 1), cell.stale ? stale_tint() : problem_tint());
                  p.setFont(cell.stale && !cell.words.isEmpty() ? italic : body);
                  p.drawText(box, Qt::AlignLeft | Qt::AlignTop, cell.text);
                }
                y += line;
                p.setPen(QPen(QColor(200, 200, 200), 0.5));
                p.drawLine(QPointF(left, y), QPointF(right, y));
              }
            }});
}

}  // namespace vorbento
