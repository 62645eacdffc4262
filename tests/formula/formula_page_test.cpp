// The formula page: the two pictures (size, eleven rows, the column of "="
// signs) and the frames, pictures and credit line at their places.
#include "ui/formula/formula_page.h"
#include "presentation/look/colours.h"
#include "presentation/look/fonts.h"
#include "tests/formula/offscreen_main.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

bool white(QRgb p) { return (p & 0xffffff) == 0xffffff; }

// A horizontal stripe of the picture holding one row of formula ink.
struct Band {
  int top = 0, bottom = 0, left = 0, right = 0;
  double centre() const { return (top + bottom) / 2.0; }
};

std::vector<Band> ink_bands(const QImage& image) {
  std::vector<Band> bands;
  bool open = false;
  for (int y = 0; y < image.height(); ++y) {
    int left = image.width(), right = -1;
    for (int x = 0; x < image.width(); ++x)
      if (!white(image.pixel(x, y))) left = std::min(left, x), right = std::max(right, x);
    if (right < 0) {
      open = false;
      continue;
    }
    if (!open) bands.push_back({y, y, left, right});
    Band& b = bands.back();
    b.bottom = y;
    b.left = std::min(b.left, left);
    b.right = std::max(b.right, right);
    open = true;
  }
  return bands;
}

// Bands closer than `gap` blank lines are one row (a fraction's bar stands
// clear of its numerator once the pixels are fine enough).
std::vector<Band> joined(std::vector<Band> bands, int gap) {
  std::vector<Band> rows;
  for (const Band& b : bands) {
    if (!rows.empty() && b.top - rows.back().bottom <= gap) {
      Band& r = rows.back();
      r.bottom = b.bottom, r.left = std::min(r.left, b.left), r.right = std::max(r.right, b.right);
    } else {
      rows.push_back(b);
    }
  }
  return rows;
}

QString describe(const std::vector<Band>& bands) {
  QString s;
  for (const Band& b : bands)
    s += QStringLiteral("[y %1-%2 x %3-%4] ").arg(b.top).arg(b.bottom).arg(b.left).arg(b.right);
  return s;
}

// Eleven rows, one pitch apart, none cut by an edge of the picture, all in
// grey levels from black to white.
void check_rows(const QImage& image, double pitch) {
  QCOMPARE(image.format(), QImage::Format_RGB32);
  const std::vector<Band> bands = ink_bands(image);
  QVERIFY2(bands.size() == 11, qPrintable(describe(bands)));
  QVERIFY2(bands.front().top > 0 && bands.back().bottom < image.height() - 1, qPrintable(describe(bands)));
  for (std::size_t k = 0; k < bands.size(); ++k) {
    QVERIFY2(bands[k].left > 0, qPrintable(describe(bands)));
    if (k > 0) QVERIFY2(qAbs(bands[k].centre() - bands[k - 1].centre() - pitch) <= 6, qPrintable(describe(bands)));
  }
  QVERIFY(qAbs((bands.back().centre() - bands.front().centre()) / 10 - pitch) <= 1.5);

  int darkest = 255;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
        QFAIL(qPrintable(QStringLiteral("coloured pixel at %1,%2").arg(x).arg(y)));
      darkest = std::min(darkest, qRed(p));
    }
  QVERIFY(darkest < 40);
}

// The rows' right ends (their "=" signs) in one column near `column`.
void check_equals_column(const std::vector<Band>& rows, int column) {
  const auto [lo, hi] =
      std::minmax_element(rows.begin(), rows.end(), [](const Band& a, const Band& b) { return a.right < b.right; });
  QVERIFY2(hi->right - lo->right <= 2, qPrintable(describe(rows)));
  QVERIFY2(qAbs(lo->right - column) <= 6, qPrintable(describe(rows)));
}

template <typename T>
T* child(QWidget* page, const char* name) {
  T* found = page->findChild<T*>(QLatin1String(name));
  if (!found) qWarning("no %s", name);
  return found;
}

}  // namespace

class FormulaPageTest : public QObject {
  Q_OBJECT

 private slots:
  void first_picture_has_eleven_rows_ending_in_one_column() {
    const QImage image = vorbento::render_formula_image1();
    QCOMPARE(image.size(), QSize(264, 524));
    check_rows(image, 46);
    if (QTest::currentTestFailed()) return;
    check_equals_column(ink_bands(image), 248);
  }

  void second_picture_has_ten_short_rows_and_one_across_the_width() {
    const QImage image = vorbento::render_formula_image2();
    QCOMPARE(image.size(), QSize(526, 559));
    check_rows(image, 50);
    if (QTest::currentTestFailed()) return;
    std::vector<Band> bands = ink_bands(image);
    const Band last = bands.back();
    bands.pop_back();
    check_equals_column(bands, 193);
    QVERIFY(qAbs(last.right - 508) <= 6);
    QVERIFY(last.left < 30);
  }

  // A high-DPI screen gets the pictures set at its resolution: twice the
  // device pixels each way, the same rows in the same places, scaled.
  void pictures_at_pixel_ratio_two_keep_their_rows() {
    const std::pair<QImage (*)(qreal), QSize> pictures[] = {{vorbento::render_formula_image1, QSize(528, 1048)},
                                                            {vorbento::render_formula_image2, QSize(1052, 1118)}};
    for (const auto& [render, device_size] : pictures) {
      const QImage normal = render(1.0);
      const QImage sharp = render(2.0);
      QCOMPARE(sharp.size(), device_size);
      QCOMPARE(sharp.deviceIndependentSize(), QSizeF(normal.size()));
      const std::vector<Band> rows = ink_bands(normal);
      const std::vector<Band> rows2 = joined(ink_bands(sharp), 4);
      QVERIFY2(rows2.size() == rows.size(), qPrintable(describe(rows2)));
      for (std::size_t k = 0; k < rows.size(); ++k) {
        QVERIFY2(qAbs(rows2[k].centre() - 2 * rows[k].centre()) <= 2, qPrintable(describe(rows2)));
        QVERIFY2(qAbs(rows2[k].right - 2 * rows[k].right) <= 3, qPrintable(describe(rows2)));
      }
    }
  }

  void frames_pictures_and_credit_sit_at_their_places() {
    QWidget host;
    host.resize(1019, 695);
    QWidget* page = vorbento::build_formula_page(&host);
    host.show();

    auto* frame1 = child<QGroupBox>(page, "Frame1");
    auto* frame2 = child<QGroupBox>(page, "Frame2");
    auto* image1 = child<QLabel>(page, "Image1");
    auto* image2 = child<QLabel>(page, "Image2");
    auto* credit = child<QLabel>(page, "Label12");
    QVERIFY(frame1 && frame2 && image1 && image2 && credit);

    // Twips over 15: 330,810 5595x9195 and 6660,810 8205x9195.
    QCOMPARE(frame1->geometry(), QRect(22, 54, 373, 613));
    QCOMPARE(frame2->geometry(), QRect(444, 54, 547, 613));
    QCOMPARE(image1->parentWidget(), frame1);
    QCOMPARE(image2->parentWidget(), frame2);
    QCOMPARE(image1->geometry(), QRect(88, 50, 264, 524));
    QCOMPARE(image2->geometry(), QRect(6, 52, 526, 559));
    QCOMPARE(credit->geometry(), QRect(400, 664, 211, 23));

    QCOMPARE(frame1->title(), QStringLiteral("Fordulatszám, gyorulási idő és inercia számítások"));
    QCOMPARE(frame2->title(), QStringLiteral("Szükséges forgatónyomaték és motorteljesítmények számítása"));
    QCOMPARE(frame1->font(), vorbento::vorbento_font(9.75));
    QCOMPARE(frame2->font(), vorbento::vorbento_font(9.75));
    QCOMPARE(frame1->focusPolicy(), Qt::NoFocus);

    // The pictures shown are the typeset ones, one pixel per pixel.
    QCOMPARE(image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32), vorbento::render_formula_image1());
    QCOMPARE(image2->pixmap().toImage().convertToFormat(QImage::Format_RGB32), vorbento::render_formula_image2());
    QVERIFY(!image1->hasScaledContents() && !image2->hasScaledContents());
    host.resize(1400, 1000);
    page->resize(1400, 1000);
    QCOMPARE(image1->size(), QSize(264, 524));
    QCOMPARE(image2->size(), QSize(526, 559));
  }

  void frames_and_credit_use_the_caption_colours() {
    QWidget host;
    host.resize(1019, 695);
    QWidget* page = vorbento::build_formula_page(&host);
    host.show();
    // The highlight colour, darkened just enough to read on its background.
    const QColor caption_text = host.palette().color(QPalette::HighlightedText);
    const QColor highlight =
        vorbento::legible_on(host.palette().color(QPalette::Highlight), caption_text, vorbento::kTextContrast);

    auto* frame1 = child<QGroupBox>(page, "Frame1");
    QVERIFY(frame1);
    const QImage shot = frame1->grab().toImage();
    // Background: inside the border, left of the picture.
    QCOMPARE(QColor(shot.pixel(40, 300)), caption_text);
    // Caption: drawn in the highlight colour along the top.
    bool caption_in_highlight = false;
    for (int y = 0; y < 16 && !caption_in_highlight; ++y)
      for (int x = 0; x < 200 && !caption_in_highlight; ++x)
        caption_in_highlight = QColor(shot.pixel(x, y)) == highlight;
    QVERIFY(caption_in_highlight);

    auto* credit = child<QLabel>(page, "Label12");
    QVERIFY(credit);
    QVERIFY(credit->font().italic() && credit->font().underline());
    QCOMPARE(credit->font().bold(), false);
    QCOMPARE(credit->font().family(), vorbento::vorbento_font(12).family());
    QCOMPARE(credit->font().pixelSize(), vorbento::vorbento_font(12).pixelSize());
    QCOMPARE(credit->palette().color(QPalette::WindowText),
             vorbento::legible_on(host.palette().color(QPalette::Highlight), host.palette().color(QPalette::Button),
                                  vorbento::kTextContrast));
    QVERIFY(credit->text().contains(QStringLiteral("Vorbento")));
    QVERIFY(!credit->text().contains(u'\n') && !credit->wordWrap());
    QVERIFY(QFontMetrics(credit->font()).horizontalAdvance(credit->text()) <= credit->width());
  }
};

int main(int argc, char** argv) { return vorbento::test::run_offscreen<FormulaPageTest>(argc, argv); }

#include "formula_page_test.moc"
