// The window against the field and label tables: where everything stands, what
// it says, in which font, and that every caption can be read in full.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include <limits>
#include <memory>
#include <tuple>
#include <vector>

#include "offscreen_test_main.h"
#include "presentation/look/fonts.h"
#include "presentation/placement/field_record.h"
#include "ui/placement/caption_label.h"
#include "ui/window/main_window.h"
#include "ui/window/tab_control.h"

using namespace vorbento;

namespace {

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A label's text pixels: everything its solo rendering paints in another
// colour than its own background.
std::vector<QPoint> ink(QWidget* w) {
  const QImage solo = w->grab().toImage();
  const QRgb background = w->palette().color(QPalette::Window).rgb();
  std::vector<QPoint> points;
  for (int y = 0; y < solo.height(); ++y)
    for (int x = 0; x < solo.width(); ++x)
      if (solo.pixel(x, y) != background) points.emplace_back(x, y);
  return points;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<MainWindow> window_;

  TabControl* tabs() const { return window_->tab_control(); }
  int page_index(Page p) const { return p == Page::input ? 0 : 1; }

  // The page's labels, in the order of the table (the order they were built).
  std::vector<CaptionLabel*> labels(Page p) const {
    std::vector<CaptionLabel*> result;
    for (auto* l : tabs()->page(page_index(p))->findChildren<CaptionLabel*>(Qt::FindDirectChildrenOnly))
      result.push_back(l);
    return result;
  }

  // Every table entry with its widget.
  std::vector<std::pair<const LabelPlacement*, CaptionLabel*>> all_labels() const {
    std::vector<std::pair<const LabelPlacement*, CaptionLabel*>> result;
    for (Page p : {Page::input, Page::output}) {
      const auto widgets = labels(p);
      std::size_t n = 0;
      for (const LabelPlacement& placement : label_placements())
        if (placement.page == p) result.emplace_back(&placement, n < widgets.size() ? widgets[n++] : nullptr);
    }
    return result;
  }

  // The description an inset sits in: the base label it overlaps most.
  CaptionLabel* description_of(const LabelPlacement* inset_placement, const CaptionLabel* inset) const {
    CaptionLabel* base = nullptr;
    int most = 0;
    for (const auto& [p, l] : all_labels()) {
      const QRect common = l->geometry().intersected(inset->geometry());
      if (p->layer == Layer::base && p->page == inset_placement->page && !common.isEmpty() && common.height() > most) {
        most = common.height();
        base = l;
      }
    }
    return base;
  }

  void show_page(int index) {
    tabs()->set_current_index(index);
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() {
    window_ = std::make_unique<MainWindow>();
    window_->resize(window_->natural_size());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void the_font_is_liberation_sans_narrow_with_central_european_letters() {
    const QString family = QStringLiteral("Liberation Sans Narrow");
    QCOMPARE(vorbento_font_family(), family);
    for (double points : {kControlPointSize, kWindowPointSize}) {
      const QFont font = vorbento_font(points);
      QCOMPARE(QFontInfo(font).family(), family);
      const QFontMetricsF metrics(font);
      for (char32_t c : {U'ő', U'Ő', U'ű', U'Ű', U'µ', U'á', U'é'}) QVERIFY(metrics.inFontUcs4(c));
    }
    QCOMPARE(QFontInfo(vorbento_font(kControlPointSize)).pixelSize(), 13);  // 9.75 pt at 96 dpi
    QCOMPARE(QFontInfo(vorbento_font(kWindowPointSize)).pixelSize(), 11);   // 8.25 pt
  }

  void window_and_tab_control() {
    QCOMPARE(window_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("Névtelen[*] – Vorbento"));  // the design's name, and "*" once it changes
    auto* client = window_->findChild<QWidget*>(QStringLiteral("client"));
    QVERIFY(client);
    const QColor highlight = client->palette().color(QPalette::Highlight);
    QCOMPARE(client->palette().color(QPalette::Window), highlight);
    QCOMPARE(client->palette().color(QPalette::WindowText), highlight);
    QVERIFY(client->autoFillBackground());

    QCOMPARE(tabs()->objectName(), QStringLiteral("SSTab1"));
    QCOMPARE(tabs()->parentWidget(), client);
    QCOMPARE(tabs()->geometry(), QRect(4, 4, 1015, 691));
    QCOMPARE(client->size(), QSize(1019, 695));  // the margin left and above, none beyond
    QCOMPARE(window_->natural_size(), QSize(1019, 695 + window_->menuBar()->height()));
    QCOMPARE(tabs()->palette().color(QPalette::Window), QColor(Qt::white));

    QTabBar* strip = tabs()->strip();
    QCOMPARE(strip->count(), 3);
    const QStringList captions{QStringLiteral("Bemenő adatok"), QStringLiteral("Kimenő adatok"),
                               QStringLiteral("Felhasznált Képletek")};
    int right = 0;
    for (int n = 0; n < 3; ++n) {
      QCOMPARE(strip->tabText(n), captions[n]);
      QCOMPARE(strip->tabTextColor(n), QColor(0, 0, 255));
      QVERIFY(strip->isTabEnabled(n));
      const QRect tab = strip->tabRect(n);
      QCOMPARE(tab.height(), 42);  // 630 twips
      QCOMPARE(tab.top(), 0);
      QCOMPARE(tab.left(), right);  // one row, side by side
      right = tab.right() + 1;
    }
    QCOMPARE(right, 1015);
    QCOMPARE(QFontInfo(strip->font()).pixelSize(), 13);
    QCOMPARE(tabs()->current_index(), 0);
    // Pages span the whole control: their children use its coordinates.
    for (int n = 0; n < 3; ++n) QCOMPARE(tabs()->page(n)->geometry(), QRect(0, 0, 1015, 691));
    // The formula page's frames land where its own layout puts them, counted
    // from the tab control's corner like everything else.
    for (const auto& [name, twip_x, twip_y] : {std::tuple{"Frame1", 330, 810}, std::tuple{"Frame2", 6660, 810}}) {
      auto* frame = tabs()->page(2)->findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(frame, name);
      QCOMPARE(frame->mapTo(tabs(), QPoint(0, 0)), QPoint(twips(twip_x), twips(twip_y)));
    }
    QVERIFY(tabs()->page(2)->findChild<QWidget*>(QStringLiteral("Label12")));
  }

  // Each menu's entries in order, with their shortcuts ("-" a separator; "&"
  // marks a mnemonic), all enabled.
  void menus() {
    QStringList shown;
    for (QAction* top : window_->menuBar()->actions()) {
      shown << QString(top->text()).remove(u'&') + u':';
      for (QAction* a : top->menu()->actions()) {
        QVERIFY(a->isEnabled() && a->isVisible());
        shown << (a->isSeparator() ? QStringLiteral("-")
                                   : QString(a->text()).remove(u'&') + u' ' + a->shortcut().toString());
      }
    }
    QCOMPARE(shown,
             QStringList({"Fájl:", "Új Ctrl+N", "Megnyitás… Ctrl+O", "Mentés Ctrl+S", "Mentés másként… Ctrl+Shift+S",
                          "-", "Nyomtatás… Ctrl+P", "Exportálás PDF-be… ", "Eredmények másolása Ctrl+Shift+C", "-",
                          "Kilépés Ctrl+Q", "Nézet:", "Mozgásciklus-diagram Ctrl+M", "Motor és orsó ellenőrzése Ctrl+E",
                          "Segítség:", "V 0.2 "}));
  }

  void fields_data() {
    QTest::addColumn<int>("field");
    for (const FieldRecord& p : field_records())
      QTest::newRow(std::string(name(p.field)).c_str()) << static_cast<int>(index(p.field));
  }
  void fields() {
    QFETCH(int, field);
    const Field f = field_at(static_cast<std::size_t>(field));
    const FieldRecord& p = field_record(f);
    auto* edit = window_->findChild<QLineEdit*>(utf8(name(f)));
    QVERIFY(edit);
    QCOMPARE(edit, window_->field(f));
    QCOMPARE(edit->parentWidget(), tabs()->page(is_input(f) ? 0 : 1));
    QCOMPARE(edit->geometry(), p.box.pixels());
    QCOMPARE(edit->text(), utf8(info(f).initial));
    QCOMPARE(QFontInfo(edit->font()).family(), vorbento_font_family());
    QCOMPARE(QFontInfo(edit->font()).pixelSize(), f == Field::lmk ? 11 : 13);
    QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(edit->hasFrame());
    QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());  // no length limit
    QVERIFY(!edit->accessibleName().isEmpty());
    if (f == Field::a) {
      QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
      QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));
    }
    // Results are shown, never edited.
    QVERIFY(edit->isEnabled());
    QCOMPARE(edit->isReadOnly(), !is_input(f));
    QCOMPARE(edit->focusPolicy(), is_input(f) ? Qt::StrongFocus : Qt::NoFocus);
    // A long text scrolls inside; the box never grows.
    QCOMPARE(edit->minimumSize(), p.box.pixels().size());
    QCOMPARE(edit->maximumSize(), p.box.pixels().size());
  }

  void accessible_names_tell_fields_apart() {
    QSet<QString> names;
    for (const FieldRecord& p : field_records()) names.insert(window_->field(p.field)->accessibleName());
    QCOMPARE(names.size(), static_cast<qsizetype>(kFieldCount));
  }

  void labels_data() {
    QTest::addColumn<int>("entry");
    int n = 0;
    for (const auto& [p, label] : all_labels()) {
      QTest::addRow("%d %s", n, p->caption) << n;
      ++n;
    }
    QCOMPARE(n, 215);
  }
  void labels() {
    QFETCH(int, entry);
    const auto [p, label] = all_labels().at(static_cast<std::size_t>(entry));
    QVERIFY(label);
    QCOMPARE(label->text(), QString::fromUtf8(p->caption));
    const QRect table = p->box.pixels();
    const QRect box = label->geometry();
    QCOMPARE(box.size(), table.size());
    QCOMPARE(box.top(), table.top());
    if (p->layer == Layer::inset) {
      // Along its description as far as the narrower typeface carries the
      // words before it: a little closer to the description's start.
      const CaptionLabel* base = description_of(p, label);
      QVERIFY(base);
      const int offset = box.left() - base->x();
      const int table_offset = table.left() - base->x();
      QVERIFY2(offset >= 0.75 * table_offset - 2 && offset <= table_offset + 2,
               qPrintable(QStringLiteral("%1 px in, the table's %2").arg(offset).arg(table_offset)));
    } else if (p->dash_run >= 0) {
      // Centred again on the narrower dash run.
      QVERIFY2(qAbs(box.left() - table.left()) <= 12, qPrintable(QString::number(box.left() - table.left())));
    } else {
      QCOMPARE(box.left(), table.left());
    }
    QCOMPARE(QFontInfo(label->font()).family(), vorbento_font_family());
    QCOMPARE(QFontInfo(label->font()).pixelSize(), p->points == kWindowPointSize ? 11 : 13);
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(label->minimumSize(), box.size());
    QCOMPARE(label->maximumSize(), box.size());
    QCOMPARE(label->palette().color(QPalette::WindowText), label->palette().color(QPalette::ButtonText));
  }

  void no_stray_labels() { QCOMPARE(labels(Page::input).size() + labels(Page::output).size(), std::size_t{215}); }

  // A clipped caption is a defect: the text must end inside its box.
  void every_caption_fits_its_box() {
    for (const auto& [p, label] : all_labels()) {
      const QFontMetricsF metrics(label->font());
      const double natural = std::max(0, label->indent()) + metrics.horizontalAdvance(label->text());
      const double drawn = label->text_right();
      QVERIFY2(natural <= label->width() && drawn <= label->width(),
               qPrintable(QStringLiteral("'%1': %2 / %3 px in a %4 px box")
                              .arg(label->text())
                              .arg(natural)
                              .arg(drawn)
                              .arg(label->width())));
    }
  }

  // Overlapping boxes are fine, hidden text is not: every pixel of a label's
  // own rendering shows unchanged on the page, with all other labels and the
  // fields in place.
  void no_caption_is_covered() {
    for (int page = 0; page < 2; ++page) {
      show_page(page);
      QWidget* w = tabs()->page(page);
      const QImage shown = w->grab().toImage();
      for (CaptionLabel* label : labels(page == 0 ? Page::input : Page::output)) {
        const QImage solo = label->grab().toImage();
        int hidden = 0;
        for (const QPoint& pt : ink(label))
          if (shown.pixel(label->pos() + pt) != solo.pixel(pt)) ++hidden;
        QVERIFY2(hidden == 0, qPrintable(QStringLiteral("'%1': %2 pixels hidden").arg(label->text()).arg(hidden)));
      }
    }
    show_page(0);
  }

  // An exponent or subscript inside a description stands right after the word
  // it belongs to ("kgm²", "max. M" with "mmax"), not somewhere in its blanks.
  void insets_follow_their_word() {
    const auto entries = all_labels();
    int checked = 0;
    for (const auto& [inset_placement, inset] : entries) {
      if (inset_placement->layer != Layer::inset) continue;
      CaptionLabel* base = description_of(inset_placement, inset);
      QVERIFY(base);
      int inset_left = INT_MAX;
      for (const QPoint& pt : ink(inset)) inset_left = std::min(inset_left, inset->x() + pt.x());
      int word_right = INT_MIN;
      for (const QPoint& pt : ink(base))
        if (base->x() + pt.x() < inset_left) word_right = std::max(word_right, base->x() + pt.x());
      const int gap = inset_left - word_right - 1;
      QVERIFY2(gap >= 0 && gap <= 3,
               qPrintable(QStringLiteral("'%1' after '%2': %3 px apart").arg(inset->text(), base->text()).arg(gap)));
      ++checked;
    }
    QCOMPARE(checked, 11);
  }
};

VORBENTO_OFFSCREEN_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
