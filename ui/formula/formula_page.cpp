#include "ui/formula/formula_page.h"

#include "presentation/formula/formula_face.h"
#include "presentation/formula/formula_layout.h"
#include "presentation/formula/formula_markup.h"
#include "presentation/formula/formula_picture.h"
#include "presentation/formula/formula_rows.h"
#include "presentation/look/colours.h"
#include "presentation/look/fonts.h"
#include "ui/formula/captioned_frame.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include <vector>
#include "presentation/look/program_name.h"

namespace vorbento {

namespace {

using formula::FormulaStyle;
using formula::RowPlacement;

// Rows are right-aligned so that their closing "=" signs are centred on
// `equals_x`.
qreal row_end_for_equals_at(const FormulaStyle& style, qreal equals_x) {
  return equals_x + formula::op(QStringLiteral("="))->measure(style, 0).width / 2;
}

// Pictures: rows `pitch` apart, centred as a block in the picture's height.
std::vector<RowPlacement> rows_in_column(std::span<const QStringView> rows, QSize size, qreal pitch, qreal row_end) {
  std::vector<RowPlacement> placed;
  const qreal first = (size.height() - pitch * static_cast<qreal>(rows.size() - 1)) / 2;
  for (std::size_t k = 0; k < rows.size(); ++k)
    placed.push_back({rows[k], first + pitch * static_cast<qreal>(k), row_end});
  return placed;
}

constexpr QSize kImage1Size{264, 524};
constexpr QSize kImage2Size{526, 559};

using Render = QImage (*)(qreal);

// A formula picture, typeset when it is first shown: the formula page is
// seldom the first thing a user looks at, and typesetting both pictures would
// otherwise add a third to the window's start-up. Set again for a screen of
// another pixel ratio.
class FormulaPicture : public QLabel {
 public:
  FormulaPicture(QWidget* parent, Render render) : QLabel(parent), render_(render) {}

 protected:
  void showEvent(QShowEvent* event) override {
    typeset();
    QLabel::showEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    typeset();
    QLabel::paintEvent(event);
  }

 private:
  void typeset() {
    const qreal ratio = devicePixelRatioF();
    if (pixmap().isNull() || pixmap().devicePixelRatio() != ratio) setPixmap(QPixmap::fromImage(render_(ratio)));
  }

  Render render_;
};

// What a screen reader reads for a picture: its rows as plain text, one a line.
QString linear_rows(std::span<const QStringView> rows) {
  QStringList lines;
  for (QStringView row : rows) lines << formula::linear_formula(row);
  return lines.join(u'\n');
}

QLabel* picture(QWidget* frame, const char* name, Render render, std::span<const QStringView> rows, QSize size,
                int left_twips, int top_twips) {
  auto* label = new FormulaPicture(frame, render);
  label->setObjectName(QLatin1String(name));
  label->setAccessibleDescription(linear_rows(rows));
  label->setScaledContents(false);
  label->setGeometry(twips(left_twips), twips(top_twips), size.width(), size.height());
  label->setFixedSize(size);
  return label;
}

CaptionedFrame* frame(QWidget* page, const char* name, const QString& caption, const QPalette& colours, int left,
                      int top, int width, int height) {
  auto* box = new CaptionedFrame(caption, page);
  box->setObjectName(QLatin1String(name));
  box->setFont(vorbento_font(kControlPointSize));
  box->setPalette(colours);
  box->setGeometry(twips(left), twips(top), twips(width), twips(height));
  return box;
}

}  // namespace

QImage render_formula_image1(qreal pixel_ratio) {
  const FormulaStyle style = formula::liberation_serif_style(14, 10);
  const auto rows = rows_in_column(formula::image1_rows(), kImage1Size, 46, row_end_for_equals_at(style, 245));
  return formula::typeset_rows(kImage1Size, style, rows, pixel_ratio);
}

QImage render_formula_image2(qreal pixel_ratio) {
  // The torque rows are long for their 190-pixel column: a size smaller and
  // a little less air around the signs than in the first picture.
  FormulaStyle style = formula::liberation_serif_style(13, 10);
  style.relation_space = 0.2;
  style.operator_space = 0.13;
  auto rows = rows_in_column(formula::image2_rows(), kImage2Size, 50, row_end_for_equals_at(style, 191));
  // The time-weighted average is one long row across the whole picture.
  rows.back().right = row_end_for_equals_at(style, 505);
  return formula::typeset_rows(kImage2Size, style, rows, pixel_ratio);
}

QWidget* build_formula_page(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName(QStringLiteral("formulaPage"));
  // The page's origin is the tab control's corner, so it lies over the tab
  // strip; clicks there must still reach the tabs.
  page->setAttribute(Qt::WA_TransparentForMouseEvents);
  page->resize(twips(15225), twips(10365));

  const QPalette base = parent ? parent->palette() : QApplication::palette();
  const QColor highlight = base.color(QPalette::Highlight);

  // Frames: white-on-blue system caption colours turned round, i.e. the
  // caption-text colour as background and the highlight colour for the
  // caption; on a dark desktop the page's own dark colour. The highlight is
  // darkened (or lightened) where it would not read on its background.
  QPalette frame_colours = base;
  const QColor frame_ground = is_dark(base) ? page_background(base) : base.color(QPalette::HighlightedText);
  frame_colours.setColor(QPalette::Window, frame_ground);
  frame_colours.setColor(QPalette::WindowText, legible_on(highlight, frame_ground, kTextContrast));

  CaptionedFrame* frame1 = frame(page, "Frame1", QStringLiteral("Fordulatszám, gyorulási idő és inercia számítások"),
                                 frame_colours, 330, 810, 5595, 9195);
  picture(frame1, "Image1", render_formula_image1, formula::image1_rows(), kImage1Size, 1320, 750);

  CaptionedFrame* frame2 =
      frame(page, "Frame2", QStringLiteral("Szükséges forgatónyomaték és motorteljesítmények számítása"), frame_colours,
            6660, 810, 8205, 9195);
  picture(frame2, "Image2", render_formula_image2, formula::image2_rows(), kImage2Size, 90, 780);

  auto* credit = new QLabel(kProgramHeading, page);
  credit->setObjectName(QStringLiteral("Label12"));
  QFont credit_font = vorbento_font(12.0);
  credit_font.setItalic(true);
  credit_font.setUnderline(true);
  credit->setFont(credit_font);
  QPalette credit_colours = base;
  credit_colours.setColor(QPalette::Window, base.color(QPalette::Button));
  credit_colours.setColor(QPalette::WindowText, legible_on(highlight, base.color(QPalette::Button), kTextContrast));
  credit->setPalette(credit_colours);
  credit->setAutoFillBackground(true);
  credit->setWordWrap(false);
  credit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  credit->setGeometry(twips(6000), twips(9960), twips(3165), twips(345));
  return page;
}

}  // namespace vorbento
