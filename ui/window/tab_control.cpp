#include "ui/window/tab_control.h"

#include <QApplication>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTabWidgetFrame>

#include <utility>

#include "presentation/look/colours.h"
#include "presentation/look/fonts.h"

namespace vorbento {

TabStrip::TabStrip(int strip_height, QWidget* parent) : QTabBar(parent), strip_height_(strip_height) {
  setExpanding(false);
  setUsesScrollButtons(false);
  setElideMode(Qt::ElideNone);
  setDrawBase(false);
}

QSize TabStrip::tabSizeHint(int index) const {
  // Split the width so the tabs end flush with the right edge: 1015 px gives
  // 338, 338 and 339.
  const int n = count();
  const int total = width();
  const int left = total * index / n;
  const int right = total * (index + 1) / n;
  return {right - left, strip_height_};
}

TabControl::TabControl(QSize size, int strip_height, QWidget* parent)
    : QWidget(parent), strip_height_(strip_height), strip_(new TabStrip(strip_height, this)) {
  setFixedSize(size);
  setFont(vorbento_font());
  // White with pure blue captions; on a dark desktop its own dark field
  // colour, and the blue lightened until it reads there.
  QPalette pal = palette();
  const QColor page = page_background(pal);
  pal.setColor(QPalette::Window, page);
  pal.setColor(QPalette::WindowText, legible_on(QColor(0, 0, 255), page, kTextContrast));
  setPalette(pal);
  setAutoFillBackground(true);

  strip_->setFont(vorbento_font());
  strip_->setGeometry(0, 0, size.width(), strip_height);
  strip_->setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(strip_);
  setFocusPolicy(Qt::StrongFocus);
  connect(strip_, &QTabBar::currentChanged, this, [this](int index) {
    show_page(index);
    emit current_changed(index);
  });

  // The toolkit's usual keys for the next and previous page, from anywhere on it.
  auto add_key = [this](const QKeySequence& key, int delta) {
    auto* s = new QShortcut(key, this);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    connect(s, &QShortcut::activated, this, [this, delta] { step_page(delta); });
    // Both spellings of Ctrl+Shift+Tab may match one key press; either steps once.
    connect(s, &QShortcut::activatedAmbiguously, this, [this, delta] { step_page(delta); });
  };
  add_key(QKeySequence(Qt::CTRL | Qt::Key_Tab), +1);
  add_key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1);
  // Shift+Tab arrives as Backtab from some keyboards and as Tab from others.
  add_key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
  add_key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
  add_key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
  focus_follower_ =
      connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { remember_focus(now); });
}

TabControl::~TabControl() { disconnect(focus_follower_); }

QWidget* TabControl::add_page(const QString& caption, PageFill fill) {
  auto* page = new QWidget(this);
  page->setGeometry(rect());
  pages_.push_back(page);
  fills_.push_back(std::move(fill));
  page_focus_.emplace_back();
  const int index = strip_->addTab(caption);
  strip_->setTabTextColor(index, legible_on(QColor(0, 0, 255), palette().color(QPalette::Button), kTextContrast));
  strip_->setFixedWidth(width());  // tabSizeHint depends on the count
  page->setVisible(index == strip_->currentIndex());
  strip_->raise();
  return page;
}

QWidget* TabControl::page(int index) const {
  const auto n = static_cast<std::size_t>(index);
  QWidget* p = pages_.at(n);
  // Emptied first: whatever the content's building asks for finds the page as it is.
  if (PageFill fill = std::exchange(fills_[n], PageFill{})) fill(p);
  return p;
}

void TabControl::fill_pages() const {
  for (int n = 0; n < count(); ++n) page(n);
}

void TabControl::show_page(int index) {
  // Show the new page before hiding the old, so that a focused field on the
  // old page hands its focus on within the control.
  for (int n = 0; n < count(); ++n)
    if (n == index) page(n)->show();
  for (int n = 0; n < count(); ++n)
    if (n != index) pages_[static_cast<std::size_t>(n)]->hide();
}

void TabControl::step_page(int delta) {
  if (count() == 0) return;
  set_current_index((current_index() + delta + count()) % count());
  // Back on a page, the keyboard goes on where it left it.
  QWidget* last = page_focus_[static_cast<std::size_t>(current_index())];
  if (last && last->isVisible() && last->isEnabled())
    last->setFocus(Qt::OtherFocusReason);
  else if (!strip_->hasFocus())
    strip_->setFocus(Qt::OtherFocusReason);  // a page without fields: the tabs keep the keys working
}

void TabControl::remember_focus(QWidget* now) {
  for (std::size_t n = 0; n < pages_.size(); ++n)
    if (now && pages_[n]->isAncestorOf(now)) page_focus_[n] = now;
}

void TabControl::paintEvent(QPaintEvent*) {
  if (!painted_) {
    painted_ = true;
    // The hidden pages are built once this first frame is on the screen: by a
    // deferred delete rather than a zero timer, because QTest's waits for an
    // exposed window deliver deferred deletes right after the pass that
    // painted it, so whatever looks for the pages' widgets then finds them.
    // Parentless: if the control goes first, the connection goes with it.
    auto* first_frame = new QObject;
    connect(first_frame, &QObject::destroyed, this, [this] { fill_pages(); });
    first_frame->deleteLater();
  }
  // The page area's frame under the tab strip.
  QPainter painter(this);
  QStyleOptionTabWidgetFrame option;
  option.initFrom(this);
  option.rect = QRect(0, strip_height_ - 1, width(), height() - strip_height_ + 1);
  option.shape = QTabBar::RoundedNorth;
  option.tabBarSize = strip_->size();
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
  // The style shades the page a little off the control's own colour.
  painter.fillRect(option.rect.adjusted(1, 1, -1, -1), palette().color(QPalette::Window));
}

}  // namespace vorbento
