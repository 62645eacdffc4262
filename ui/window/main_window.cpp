#include "ui/window/main_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

#include "presentation/look/fonts.h"
#include "presentation/look/program_name.h"
#include "presentation/placement/field_record.h"
#include "ui/check/check_menu.h"
#include "ui/check/check_state.h"
#include "ui/cycle/view_menu.h"
#include "ui/document/document_controller.h"
#include "ui/document/file_drop.h"
#include "ui/formula/formula_page.h"
#include "ui/share/share_entries.h"
#include "ui/window/about_box.h"
#include "ui/window/field_mirror.h"
#include "ui/window/focus_in_view.h"
#include "ui/window/tab_control.h"

namespace vorbento {

namespace {

constexpr int kMargin = 60;  // twips, left of and above the tab control
constexpr QSize kTabControlTwips{15225, 10365};
constexpr int kStripTwips = 630;

QSize pixels(QSize t) { return {twips(t.width()), twips(t.height())}; }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), check_(new CheckState(this)) {
  setObjectName(QStringLiteral("Form1"));
  // The window's own font; each page carries the controls' font.
  setFont(vorbento_font(kWindowPointSize));
  build_menus();

  // On a screen too small for the tab control the client area scrolls; where
  // it fits, the scroll area is invisible and nothing moves.
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("scroll"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);
  scroll_->setWidgetResizable(true);
  setCentralWidget(scroll_);

  auto* client = new QWidget;
  client->setObjectName(QStringLiteral("client"));
  QPalette pal = client->palette();
  const QColor highlight = pal.color(QPalette::Highlight);
  pal.setColor(QPalette::Window, highlight);
  pal.setColor(QPalette::WindowText, highlight);
  client->setPalette(pal);
  client->setAutoFillBackground(true);

  tabs_ = new TabControl(pixels(kTabControlTwips), twips(kStripTwips), client);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->move(twips(kMargin), twips(kMargin));
  build_page(tabs_->add_page(QStringLiteral("Bemenő adatok")), Page::input, edits_);
  // The pages hidden at start are built right after the first paint, or as
  // soon as anything asks for them; the results then show the engine's
  // current texts.
  tabs_->add_page(QStringLiteral("Kimenő adatok"), [this](QWidget* page) {
    build_page(page, Page::output, edits_);
    if (mirror_) mirror_->adopt_new_fields();
  });
  tabs_->add_page(QStringLiteral("Felhasznált Képletek"), [](QWidget* page) {
    // Its content is laid out in tab-control coordinates, as the other pages.
    build_formula_page(page)->setGeometry(page->rect());
  });
  tabs_->set_current_index(0);

  // The tab control first, then the input fields by their tab index; after the
  // last one the Tab key comes back to the tab control.
  std::array<QWidget*, kInputFieldCount + 1> order{};
  order[0] = tabs_->strip();
  for (std::size_t n = 0; n < kInputFieldCount; ++n) {
    const FieldRecord& p = field_record(field_at(n));
    order[static_cast<std::size_t>(p.tab_index)] = edits_[n];
  }
  for (std::size_t n = 1; n < order.size(); ++n) setTabOrder(order[n - 1], order[n]);

  // The margin left of and above the tab control, none beyond it.
  client->setMinimumSize(pixels(kTabControlTwips) + QSize(twips(kMargin), twips(kMargin)));
  scroll_->setWidget(client);
  // Wherever the focus goes (Tab, a shortcut, a click), the field comes into
  // view, and stays there when the window is resized.
  focus_in_view_ = std::make_unique<FocusInView>(scroll_, tabs_->strip());
  // Enough for the menus, the tabs and a few rows of fields.
  setMinimumSize(480, 360);

  mirror_ = std::make_unique<FieldMirror>(calculator_, edits_);
  document_ = std::make_unique<DocumentController>(*this);
  new FileDrop(*this, *document_);
  connect(tabs_, &TabControl::current_changed, this, [this] { calculator_.tab_changed(); });

  tabs_->setFocus();
}

// The diagram's window follows the calculator: it goes before the calculator does.
MainWindow::~MainWindow() {
  delete_check_window(*this);
  delete_view_windows(*this);
}

const CheckTexts& MainWindow::check_texts() const { return check_->texts(); }

QLineEdit* MainWindow::field(Field f) const {
  if (!edits_[index(f)]) tabs_->page(1);  // a result, its page not built yet
  return edits_[index(f)];
}

void MainWindow::build_menus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menubar"));
  bar->setFont(vorbento_font());
  // Alt+F and Alt+S open the menus; F10 the first of them.
  QMenu* file = bar->addMenu(QStringLiteral("&Fájl"));
  file->setObjectName(QStringLiteral("fajl"));
  file->menuAction()->setObjectName(QStringLiteral("fajl"));
  file->setFont(vorbento_font());
  // The document is made after the menus: the entries reach it when chosen.
  const auto entry = [this, file](const char* name, const QString& text, QKeySequence keys, auto command) {
    QAction* action = file->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, command] { (document_.get()->*command)(); });
  };
  entry("uj", QStringLiteral("Ú&j"), QKeySequence(Qt::CTRL | Qt::Key_N), &DocumentController::new_document);
  entry("megnyitas", QStringLiteral("&Megnyitás…"), QKeySequence(Qt::CTRL | Qt::Key_O), &DocumentController::open);
  entry("mentes", QStringLiteral("Men&tés"), QKeySequence(Qt::CTRL | Qt::Key_S), &DocumentController::save);
  entry("mentes_maskent", QStringLiteral("Mentés m&ásként…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &DocumentController::save_as);
  add_share_entries(*this, *file, calculator_, [this] { return document_->name(); });
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Kilépés"));
  quit->setObjectName(QStringLiteral("kilepes"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  add_view_menu(*this, calculator_, [this] { return document_->name(); });  // Alt+N: the motion-cycle diagram
  add_check_entry(*this, calculator_, *check_, [this] { return document_->name(); });
  QMenu* help = bar->addMenu(QStringLiteral("&Segítség"));
  help->setObjectName(QStringLiteral("segitseg"));
  help->menuAction()->setObjectName(QStringLiteral("segitseg"));
  help->setFont(vorbento_font());
  QAction* about = help->addAction(kVersionEntry);
  about->setObjectName(QStringLiteral("V02"));
  connect(about, &QAction::triggered, this, [this] { show_about_box(this); });
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(f10, &QShortcut::activated, bar, [bar, file] { bar->setActiveAction(file->menuAction()); });
}

QSize MainWindow::natural_size() const {
  const QSize client = scroll_->widget()->minimumSize();
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
    // The whole available area, also where no window manager maximises.
    setGeometry(QRect(available.topLeft(), available.size() - frame_allowance));
    showMaximized();
  } else {
    show();
  }
}

}  // namespace vorbento
