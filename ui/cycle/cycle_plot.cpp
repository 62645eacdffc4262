#include "ui/cycle/cycle_plot.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "presentation/cycle/cycle_painter.h"

namespace vorbento {

namespace {

// Drawn smaller than this, the labels and their subscripts no longer read.
constexpr double kLegibleZoom = 0.8;

}  // namespace

CyclePlot::CyclePlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("cycle_plot"));
  setAccessibleName(QStringLiteral("Mozgásciklus-diagram"));
  setAccessibleDescription(QStringLiteral(
      "A motor fordulatszáma és nyomatéka egy mozgásciklus alatt, a motor névleges és maximális nyomatékával; "
      "ugyanezek a számok a diagram alatti táblázatban."));
  // Below its natural height the diagram is drawn smaller; below its least
  // height (fit_least_height) it would no longer be read, and the table gives
  // up rows instead (it scrolls).
  setMinimumSize(320, 200);
  setContextMenuPolicy(Qt::DefaultContextMenu);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Reached with Tab: the context-menu key and Ctrl+C copy it without the mouse.
  setFocusPolicy(Qt::StrongFocus);
  copy_ = new QAction(QStringLiteral("Diagram másolása"), this);
  copy_->setObjectName(QStringLiteral("diagram_masolasa"));
  copy_->setShortcut(QKeySequence::Copy);
  copy_->setShortcutContext(Qt::WidgetShortcut);
  connect(copy_, &QAction::triggered, this, &CyclePlot::copy_to_clipboard);
  addAction(copy_);
}

void CyclePlot::set_data(const CycleData* data) {
  data_ = data;
  fit_least_height();
  update();
}

void CyclePlot::resizeEvent(QResizeEvent* event) {
  // The notes wrap in the width: a narrower plot needs more height.
  fit_least_height();
  QWidget::resizeEvent(event);
}

void CyclePlot::fit_least_height() {
  if (!data_) return;
  // Measured as the screen paints: at the widget's logical resolution.
  QImage probe(1, 1, QImage::Format_ARGB32_Premultiplied);
  probe.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
  probe.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
  QPainter p(&probe);
  const qreal margins = height() - target().height();
  const qreal least = cycle_least_height(p, target().width(), *data_, cycle_style(palette()), kLegibleZoom) + margins;
  setMinimumHeight(std::max(200, static_cast<int>(std::ceil(least))));
}

QRectF CyclePlot::target() const { return QRectF(rect()).adjusted(8, 6, -8, -6); }

void CyclePlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!style_) style_ = cycle_style(palette());
  // The margins around the target; paint_cycle fills the target itself.
  const QRegion margins = QRegion(rect()) - QRegion(target().toAlignedRect().adjusted(1, 1, -1, -1));
  for (const QRect& r : margins) p.fillRect(r, style_->background);
  if (data_)
    paint_cycle(p, target(), *data_, *style_);
  else
    p.fillRect(target(), style_->background);
  // The keyboard's focus: a frame in the margin, in the desktop's highlight.
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
  }
}

QImage CyclePlot::picture() const {
  const qreal ratio = devicePixelRatioF();
  QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  // The screen's 96 dpi, whatever a bare image would claim: the same lengths as on screen.
  image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
  image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
  const CycleStyle style = cycle_style(palette());
  image.fill(style.background);
  if (data_) {
    QPainter p(&image);
    paint_cycle(p, target(), *data_, style);
  }
  return image;
}

void CyclePlot::copy_to_clipboard() const { QGuiApplication::clipboard()->setImage(picture()); }

void CyclePlot::changeEvent(QEvent* event) {
  // A new desktop palette (light to dark) gives new colours.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) style_.reset();
  QWidget::changeEvent(event);
}

void CyclePlot::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(copy_);
  // From the keyboard the menu opens over the plot, not where the mouse happens to be.
  const bool keyboard = event->reason() == QContextMenuEvent::Keyboard;
  menu.exec(keyboard ? mapToGlobal(target().center().toPoint()) : event->globalPos());
}

}  // namespace vorbento
