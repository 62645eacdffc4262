#include "ui/look/app_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include "presentation/look/colours.h"
#include "presentation/look/qt_texts.h"

namespace vorbento {

namespace {

// Whether Alt is down, as the keyboard last said.
bool alt_held = false;

class MnemonicStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_UnderlineShortcut) return alt_held ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
  // The menu bar asks for its overflow button's icon as it is made. The
  // toolkit's icon is a picture, and reading the first picture loads every
  // image format plugin of the system, over a millisecond of start-up. The
  // button shows only where the menus do not fit; its arrow is drawn instead.
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which == SP_ToolBarHorizontalExtensionButton) return QIcon(new DrawnArrow(PE_IndicatorArrowRight));
    return QProxyStyle::standardIcon(which, option, widget);
  }

 private:
  class DrawnArrow : public QIconEngine {
   public:
    explicit DrawnArrow(PrimitiveElement arrow) : arrow_(arrow) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
      QStyleOption option;
      option.rect = rect;
      option.palette = QApplication::palette();
      option.state = mode == QIcon::Disabled ? State_None : State_Enabled;
      QApplication::style()->drawPrimitive(arrow_, &option, painter);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
      return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` in device pixels; drawn at the screen's own scale, on a
    // transparent ground.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
      QPixmap picture(size);
      picture.setDevicePixelRatio(scale);
      picture.fill(Qt::transparent);
      QPainter painter(&picture);
      paint(&painter, QRect(QPoint(), (QSizeF(size) / scale).toSize()), mode, state);
      return picture;
    }
    QIconEngine* clone() const override { return new DrawnArrow(arrow_); }

   private:
    PrimitiveElement arrow_;
  };
};

// Follows the Alt key for the underlines, and keeps Alt+letter out of the
// fields: shortcuts have had their turn when the key press reaches a field,
// so what is left would only type the letter.
class AltKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool alt = key->modifiers() & Qt::AltModifier;
        set_held(key->key() == Qt::Key_Alt ? event->type() == QEvent::KeyPress : alt);
        if (event->type() == QEvent::KeyPress && alt && !(key->modifiers() & Qt::ControlModifier) &&
            !key->text().isEmpty() && qobject_cast<QLineEdit*>(target))
          return true;
        break;
      }
      case QEvent::ApplicationDeactivate:
        set_held(false);
        break;
      default:
        break;
    }
    return false;
  }

 private:
  static void set_held(bool held) {
    if (held == alt_held) return;
    alt_held = held;
    for (QWidget* top : QApplication::topLevelWidgets())
      for (QMenuBar* bar : top->findChildren<QMenuBar*>()) bar->update();
  }
};

void install_once() {
  static bool done = false;
  if (done) return;
  done = true;
  qApp->installEventFilter(new AltKeys(qApp));
  install_qt_texts(*qApp);
}

}  // namespace

void apply_application_style() {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(new MnemonicStyle(fusion));
  QPalette palette = QApplication::palette();
  for (auto group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::Highlight,
                     legible_on(palette.color(group, QPalette::Highlight),
                                palette.color(group, QPalette::HighlightedText), kTextContrast));
  QApplication::setPalette(palette);
  install_once();
}

}  // namespace vorbento
