// A row of tabs over pages whose children are placed in the control's own
// coordinates, tab strip included, so a layout position (x, y) lands at
// exactly (x, y) from the control's top-left corner.
#pragma once

#include <QTabBar>
#include <QWidget>

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

  // A page spanning the whole control (it starts under the strip's top edge);
  // the strip stays above it.
  QWidget* add_page(const QString& caption);
  QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
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
  void step_page(int delta);

  int strip_height_;
  TabStrip* strip_;
  std::vector<QWidget*> pages_;
};

}  // namespace vorbento
