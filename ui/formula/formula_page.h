// The "Felhasznált Képletek" page: the formulas behind the calculator as two
// typeset pictures in captioned frames, and a credit line.
#pragma once

#include <QImage>

class QWidget;

namespace vorbento {

// The first picture (speeds, ratio, acceleration times, inertias), 264 x 524 px.
// At a device pixel ratio above 1 the image has that many more device pixels
// each way and shows at the same size, as sharp as the screen allows.
QImage render_formula_image1(qreal pixel_ratio = 1.0);
// The second picture (torques and motor powers), 526 x 559 px.
QImage render_formula_image2(qreal pixel_ratio = 1.0);

// The page's content. Its children are placed relative to the tab control's
// top-left corner (tab strip included), so the caller puts the returned widget
// there. The widget itself lets mouse clicks through to whatever lies under it.
QWidget* build_formula_page(QWidget* parent);

}  // namespace vorbento
