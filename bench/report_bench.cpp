// The cost of the report: painting every page of a design with marks and
// stale results into a PDF file, as Exportálás PDF-be… and `--pdf` do, and
// the painting alone on a PDF writer that keeps the pages in memory; and the
// motion-cycle diagram alone, painted as its window paints it, data included;
// the check's speed–torque plane likewise.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <string>

#include "calc/handlers.h"
#include "presentation/check/check_plane.h"
#include "presentation/cycle/cycle_painter.h"
#include "report/report.h"

namespace vorbento {
namespace {

// A wrong mass and a bore wider than its wheel: the longest report, with
// mark words under a third of the rows.
void mark_design(Calculator& calc) {
  calc.edit(Field::m, "30kg");
  calc.edit(Field::dof, "0.1");
}

const ReportHeader kHeader{QStringLiteral("tengely.vorbento"), QDateTime(QDate(2026, 12, 9), QTime(10, 0))};

void BM_ReportFile(benchmark::State& state) {
  Calculator calc;
  mark_design(calc);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.pdf"));
  for (auto _ : state) {
    const QString message = write_report_pdf(path, calc, kHeader);
    if (!message.isEmpty()) state.SkipWithError(message.toUtf8().constData());
  }
}
BENCHMARK(BM_ReportFile)->Unit(benchmark::kMillisecond);

void BM_ReportPainting(benchmark::State& state) {
  Calculator calc;
  mark_design(calc);
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    use_report_page(writer);
    benchmark::DoNotOptimize(paint_report(writer, calc, kHeader));
  }
}
BENCHMARK(BM_ReportPainting)->Unit(benchmark::kMillisecond);

// A picture of a window's size on a 96 dpi screen, to paint into.
QImage screen_image(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.setDotsPerMeterX(qRound(96 / 0.0254));
  image.setDotsPerMeterY(qRound(96 / 0.0254));
  return image;
}

// From the store's texts to the painted diagram, at the window's first
// size, as its window repaints it after a keystroke: the mass typed back and
// forth, so that every torque's figure is new to the painter each time.
void BM_CyclePainting(benchmark::State& state) {
  Calculator calc;
  mark_design(calc);
  QImage image = screen_image(884, 588);
  const CycleStyle style = printed_cycle_style();
  int k = 0;
  for (auto _ : state) {
    state.PauseTiming();
    calc.edit(Field::m, std::to_string(30 + (k++ % 50)));
    state.ResumeTiming();
    const CycleData data = cycle_data(calc);
    QPainter p(&image);
    paint_cycle(p, QRectF(image.rect()), data, style);
  }
}
BENCHMARK(BM_CyclePainting)->Unit(benchmark::kMicrosecond);

// The same for the check window's speed–torque plane, at its window's size.
void BM_PlanePainting(benchmark::State& state) {
  Calculator calc;
  mark_design(calc);
  QImage image = screen_image(700, 200);
  const CycleStyle style = printed_cycle_style();
  const CheckTexts checks = initial_check_texts();
  int k = 0;
  for (auto _ : state) {
    state.PauseTiming();
    calc.edit(Field::m, std::to_string(30 + (k++ % 50)));
    state.ResumeTiming();
    const PlaneData data = plane_data(calc, checks);
    QPainter p(&image);
    paint_plane(p, QRectF(image.rect()), data, style);
  }
}
BENCHMARK(BM_PlanePainting)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorbento

int main(int argc, char** argv) {
  // The report needs fonts, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
