// A row of tabs over pages whose children are placed in the control's own
// coordinates, tab strip included, so a layout position (x, y) lands at
// exactly (x, y) from the control's top-left corner.
#pragma once

#include <QPointer>
#include <QTabBar>
#include <QWidget>

#include <functional>
#include <vector>

namespace vorbento {

// All tabs share the control's width in one row, at a fixed strip height.
class TabStrip : public QTabBar {
  Q_OBJECT
 public:
  TabStrip(int strip_height, QWidget* parent);

 protected:
  QSize tabSizeHint(int index) const override;
  QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

 private:
  int strip_height_;
};

class TabControl : public QWidget {
  Q_OBJECT
 public:
  TabControl(QSize size, int strip_height, QWidget* parent);
  ~TabControl() override;

  using PageFill = std::function<void(QWidget* page)>;

  // A page spanning the whole control (it starts under the strip's top edge);
  // the strip stays above it. `fill` builds the page's content later: when the
  // page is first asked for or shown, and at the latest right after the
  // control's first paint, so that the window shows without waiting for the
  // pages it hides.
  QWidget* add_page(const QString& caption, PageFill fill = {});
  // The page, its content built.
  QWidget* page(int index) const;
  // Builds the content of every page not built yet.
  void fill_pages() const;
  int count() const { return static_cast<int>(pages_.size()); }
  int current_index() const { return strip_->currentIndex(); }
  void set_current_index(int index) { strip_->setCurrentIndex(index); }
  QTabBar* strip() const { return strip_; }
  int strip_height() const { return strip_height_; }

 signals:
  // Another page is shown (by a click on its tab or from the keyboard).
  void current_changed(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void show_page(int index);
  // Ctrl+Tab and its kin: the next or previous page, the focus on the field
  // that last had it there.
  void step_page(int delta);
  void remember_focus(QWidget* now);

  int strip_height_;
  // Cut before the pages go: their teardown moves the focus, and by then this
  // is no longer a TabControl to remember it.
  QMetaObject::Connection focus_follower_;
  TabStrip* strip_;
  std::vector<QWidget*> pages_;
  mutable std::vector<PageFill> fills_;        // emptied once a page is built
  std::vector<QPointer<QWidget>> page_focus_;  // per page, the widget that last had the focus there
  bool painted_ = false;
};

}  // namespace vorbento
