// The typesetter on its own: where the parts of fractions, scripts, brackets
// and radicals land, and that the markup builds the same layout as the items.
#include "presentation/formula/formula_layout.h"
#include "presentation/formula/formula_face.h"
#include "presentation/formula/formula_markup.h"
#include "presentation/formula/formula_picture.h"
#include "presentation/formula/formula_rows.h"
#include "tests/formula/offscreen_main.h"

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRect>
#include <QTest>

#include <array>
#include <stdexcept>

using namespace vorbento::formula;

namespace {

FormulaStyle test_style() { return liberation_serif_style(14, 10); }

constexpr QPoint kOrigin{20, 60};

QImage render(const Item& item, const FormulaStyle& style) {
  QImage image(200, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::black);
  item.draw(painter, kOrigin, style, 0);
  return image;
}

bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 160; }

// Bounding box of the dark pixels inside `area`; null if there are none.
QRect ink(const QImage& image, QRect area) {
  QRect box;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (dark(image, x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

// The row holding the longest run of dark pixels: a fraction or radical bar.
int longest_run_row(const QImage& image, int* run_length) {
  int best_row = -1, best = 0;
  for (int y = 0; y < image.height(); ++y) {
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
      run = dark(image, x, y) ? run + 1 : 0;
      if (run > best) best = run, best_row = y;
    }
  }
  *run_length = best;
  return best_row;
}

bool same(const Extent& a, const Extent& b) {
  return qFuzzyCompare(1 + a.width, 1 + b.width) && qFuzzyCompare(1 + a.ascent, 1 + b.ascent) &&
         qFuzzyCompare(1 + a.descent, 1 + b.descent);
}

}  // namespace

class FormulaLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void fraction_stacks_numerator_bar_denominator_on_the_axis() {
    const FormulaStyle style = test_style();
    const ItemPtr f = fraction(text(QStringLiteral("ab")), text(QStringLiteral("c")));
    const QImage image = render(*f, style);
    int bar_length = 0;
    const int bar = longest_run_row(image, &bar_length);
    QVERIFY(bar_length >= style.set(QStringLiteral("ab"), 0).advance - 1);
    QVERIFY(qAbs(bar - (kOrigin.y() - style.axis(0))) <= 1.0);

    const QRect above = ink(image, QRect(0, 0, image.width(), bar - 1));
    const QRect below = ink(image, QRect(0, bar + 2, image.width(), image.height()));
    QVERIFY(!above.isNull() && !below.isNull());
    QVERIFY(above.bottom() < bar - 1);  // a visible gap on both sides of the bar
    QVERIFY(below.top() > bar + 1);
    // The narrower denominator is centred under the numerator.
    QVERIFY(qAbs(above.center().x() - below.center().x()) <= 2);

    const Extent e = f->measure(style, 0);
    QVERIFY(kOrigin.y() - e.ascent <= above.top());
    QVERIFY(kOrigin.y() + e.descent >= below.bottom());
  }

  void scripts_go_below_and_above_and_never_touch_when_stacked() {
    const FormulaStyle style = test_style();
    const qreal base_width = text(QStringLiteral("D"), true)->measure(style, 0).width;
    const QRect script_column(kOrigin.x() + int(base_width) + 1, 0, 100, 120);

    const QImage sub = render(*scripts(text(QStringLiteral("D"), true), text(QStringLiteral("ok")), nullptr), style);
    QVERIFY(ink(sub, script_column).bottom() > kOrigin.y());

    const QImage sup = render(*scripts(text(QStringLiteral("D"), true), nullptr, text(QStringLiteral("4"))), style);
    const QRect base_ink = ink(render(*text(QStringLiteral("D"), true), style), QRect(0, 0, 200, 120));
    QVERIFY(ink(sup, script_column).top() < base_ink.top());
    QVERIFY(ink(sup, script_column).bottom() < kOrigin.y());

    // Both at once: two separate blocks of ink with white rows between them.
    const QImage both =
        render(*scripts(text(QStringLiteral("D"), true), text(QStringLiteral("ok")), text(QStringLiteral("4"))), style);
    const QRect column = ink(both, script_column);
    int blank_rows = 0;
    for (int y = column.top(); y <= column.bottom(); ++y)
      if (ink(both, QRect(script_column.left(), y, 100, 1)).isNull()) ++blank_rows;
    QVERIFY(blank_rows >= 1);
  }

  void brackets_keep_their_glyph_for_text_and_grow_around_fractions() {
    const FormulaStyle style = test_style();
    const Extent letters = text(QStringLiteral("ab"))->measure(style, 0);
    const Extent small = fenced(text(QStringLiteral("ab")), u'(', u')')->measure(style, 0);
    QVERIFY(small.ascent + small.descent < 1.5 * style.em(0));
    QVERIFY(small.ascent >= letters.ascent);

    const Extent frac = fraction(text(QStringLiteral("h")), text(QStringLiteral("6,28")))->measure(style, 0);
    const Extent big =
        fenced(fraction(text(QStringLiteral("h")), text(QStringLiteral("6,28"))), u'(', u')')->measure(style, 0);
    QVERIFY(big.ascent > frac.ascent);
    QVERIFY(big.descent > frac.descent);
    QVERIFY(big.width > frac.width);
  }

  void radical_bar_covers_the_whole_content() {
    const FormulaStyle style = test_style();
    const ItemPtr content = fraction(text(QStringLiteral("abc")), text(QStringLiteral("d")));
    const Extent inner = content->measure(style, 0);
    const ItemPtr root = radical(fraction(text(QStringLiteral("abc")), text(QStringLiteral("d"))));
    const Extent outer = root->measure(style, 0);
    QVERIFY(outer.ascent > inner.ascent);
    QVERIFY(outer.descent >= inner.descent);
    QVERIFY(outer.width > inner.width);

    const QImage image = render(*root, style);
    const QRect all = ink(image, image.rect());
    // The top row of ink is the radical's bar, running to the right end.
    int run = 0, longest = 0;
    for (int x = 0; x < image.width(); ++x) {
      run = dark(image, x, all.top()) ? run + 1 : 0;
      longest = qMax(longest, run);
    }
    QVERIFY(longest >= inner.width);
    QCOMPARE(ink(image, QRect(all.left(), all.top(), all.width(), 1)).right(), all.right());
  }

  void markup_builds_the_same_layout_as_the_items() {
    const FormulaStyle style = test_style();
    const auto check = [&](const char16_t* markup, ItemPtr expected) {
      const Extent parsed = parse_formula(markup)->measure(style, 0);
      if (!same(parsed, expected->measure(style, 0)))
        QFAIL(qPrintable(QStringLiteral("markup differs from its items: ") + QString::fromUtf16(markup)));
    };
    check(u"J_{össz}", scripts(text(QStringLiteral("J"), true), text(QStringLiteral("össz")), nullptr));
    check(u"D_{ok}^4", scripts(text(QStringLiteral("D"), true), text(QStringLiteral("ok")), text(QStringLiteral("4"))));
    check(u"\\frac{60 * V}{h}", fraction(sequence([] {
                                           std::vector<ItemPtr> v;
                                           v.push_back(text(QStringLiteral("60")));
                                           v.push_back(op(QStringLiteral("*")));
                                           v.push_back(text(QStringLiteral("V"), true));
                                           return v;
                                         }()),
                                         text(QStringLiteral("h"), true)));
    check(u"(\\frac{h}{6,28})^2",
          scripts(fenced(fraction(text(QStringLiteral("h"), true), text(QStringLiteral("6,28"))), u'(', u')'), nullptr,
                  text(QStringLiteral("2"))));
    check(u"\\sqrt{x}", radical(text(QStringLiteral("x"), true)));
    // Greek letters and digits stand upright, Latin symbols slant.
    check(u"ρ", text(QStringLiteral("ρ")));
    check(u"l", text(QStringLiteral("l"), true));
  }

  void malformed_markup_is_rejected() {
    const std::array<const char16_t*, 7> broken{u"(a", u"a)", u"\\frac{a}", u"_x", u"\\over{a}", u"{a b", u"x_1_2"};
    for (const char16_t* markup : broken) {
      bool threw = false;
      try {
        parse_formula(markup);
      } catch (const std::invalid_argument&) {
        threw = true;
      }
      if (!threw) QFAIL(qPrintable(QStringLiteral("accepted: ") + QString::fromUtf16(markup)));
    }
  }

  // The report's rows: π where the inertias are computed with 3.1415926535,
  // still valid markup; the 6,28 computed with stays as it is.
  void report_rows_write_pi_where_the_inertias_use_it() {
    QCOMPARE(linear_formula(with_exact_pi(image1_rows()[6])),
             QStringLiteral("J_orsó = (D_orsó⁴ * π * ρ_orsó * l_orsó) / 32"));
    QCOMPARE(with_exact_pi(image1_rows()[5]), image1_rows()[5].toString());
    for (const auto rows : {image1_rows(), image2_rows()})
      for (QStringView row : rows) QVERIFY(!with_exact_pi(row).contains(QStringLiteral("3,14")));
  }

  void rows_sharing_an_end_line_up_and_sit_on_their_axis() {
    const FormulaStyle style = test_style();
    const std::array<RowPlacement, 2> rows{RowPlacement{u"a = \\frac{b}{c} =", 30, 150},
                                           RowPlacement{u"x_{long} + y * z =", 80, 150}};
    const QImage image = typeset_rows(QSize(180, 110), style, rows);
    QCOMPARE(image.size(), QSize(180, 110));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QRect first = ink(image, QRect(0, 0, 180, 55));
    const QRect second = ink(image, QRect(0, 55, 180, 55));
    QCOMPARE(first.right(), second.right());
    QVERIFY(first.right() < 150);
    // The closing "=" of each row is centred on the row's axis.
    for (const auto& [box, axis] : {std::pair{first, 30}, std::pair{second, 80}}) {
      const QRect equals = ink(image, QRect(box.right() - 4, box.top(), 5, box.height()));
      QVERIFY2(qAbs(equals.center().y() - axis) <= 1, qPrintable(QString::number(equals.center().y())));
    }
  }
};

int main(int argc, char** argv) { return vorbento::test::run_offscreen<FormulaLayoutTest>(argc, argv); }

#include "formula_layout_test.moc"
