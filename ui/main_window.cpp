#include "ui/main_window.h"

#include <QMenuBar>
#include <QScreen>

#include "ui/field_mirror.h"
#include "ui/fonts.h"
#include "ui/layout_table.h"
#include "ui/tab_control.h"
#include "ui/formula/formula_page.h"

namespace vorbento {

namespace {

constexpr int kMargin = 60;                  // twips, left of and above the tab control
constexpr QSize kTabControlTwips{15225, 10365};
constexpr int kStripTwips = 630;

QSize pixels(QSize t) { return {twips(t.width()), twips(t.height())}; }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Vorbento"));
  // The window's own font; the controls carry theirs explicitly.
  setFont(vorbento_font(kWindowPointSize));
  build_menus();

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  QPalette pal = client->palette();
  const QColor highlight = pal.color(QPalette::Highlight);
  pal.setColor(QPalette::Window, highlight);
  pal.setColor(QPalette::WindowText, highlight);
  client->setPalette(pal);
  client->setAutoFillBackground(true);
  setCentralWidget(client);

  tabs_ = new TabControl(pixels(kTabControlTwips), twips(kStripTwips), client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->move(twips(kMargin), twips(kMargin));
  build_page(tabs_->add_page(QStringLiteral("Bemenő adatok")), Page::input, edits_);
  build_page(tabs_->add_page(QStringLiteral("Kimenő adatok")), Page::output, edits_);
  QWidget* formulas = tabs_->add_page(QStringLiteral("Felhasznált Képletek"));
  // Its content is laid out in tab-control coordinates, as the other pages.
  build_formula_page(formulas)->setGeometry(formulas->rect());
  tabs_->set_current_index(0);

  // The tab control first, then the input fields by their tab index; after the
  // last one the Tab key comes back to the tab control.
  std::array<QWidget*, kInputFieldCount + 1> order{};
  order[0] = tabs_->strip();
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const FieldPlacement& p = placement(field_at(n));
    order[static_cast<std::size_t>(p.tab_index)] = edits_[n];
  }
  for (std::size_t n = 1; n < order.size(); ++n) setTabOrder(order[n - 1], order[n]);

  mirror_ = std::make_unique<FieldMirror>(calculator_, edits_);
  connect(tabs_, &TabControl::current_changed, this, [this] { calculator_.tab_changed(); });

  tabs_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_menus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menubar"));
  bar->setFont(vorbento_font());
  // Saving and opening are not part of the calculator: the entries stay
  // connected to nothing.
  QMenu* file = bar->addMenu(QStringLiteral("Fájl"));
  file->setObjectName(QStringLiteral("fajl"));
  file->menuAction()->setObjectName(QStringLiteral("fajl"));
  file->setFont(vorbento_font());
  file->addAction(QStringLiteral("Mentés"))->setObjectName(QStringLiteral("mentes"));
  file->addAction(QStringLiteral("Megnyitás"))->setObjectName(QStringLiteral("megnyitas"));
  QMenu* help = bar->addMenu(QStringLiteral("Segítség"));
  help->setObjectName(QStringLiteral("segitseg"));
  help->menuAction()->setObjectName(QStringLiteral("segitseg"));
  help->setFont(vorbento_font());
  help->addAction(QStringLiteral("V 0.2"))->setObjectName(QStringLiteral("V02"));
}

QSize MainWindow::natural_size() const {
  // The margin left of and above the tab control, none beyond it.
  const QSize client = pixels(kTabControlTwips) + QSize(twips(kMargin), twips(kMargin));
  return {client.width(), client.height() + menuBar()->sizeHint().height()};
}

void MainWindow::open() {
  const QSize wanted = natural_size();
  resize(wanted);
  const QScreen* s = screen();
  const QRect available = s ? s->availableGeometry() : QRect();
  // The frame is not known before the window is shown; allow for a typical one.
  const QSize frame_allowance(16, 40);
  if (available.isValid() && (available.width() < wanted.width() + frame_allowance.width() ||
                              available.height() < wanted.height() + frame_allowance.height())) {
    showMaximized();
  } else {
    show();
  }
}

}  // namespace vorbento
