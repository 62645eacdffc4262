#include "ui/access/atspi_front.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace vorbento {

namespace {

// The bridge's connection to the accessibility bus, and where its objects live.
const QString kBus = QStringLiteral("a11y");
const QString kObjects = QStringLiteral("/org/a11y/atspi/accessible");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kEditableText = QStringLiteral("org.a11y.atspi.EditableText");
const QString kRoot = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kNull = QStringLiteral("/org/a11y/atspi/null");

// AT-SPI's state numbers (AtspiStateType).
enum SpiState : int {
  kActive = 1,
  kBusy = 3,
  kChecked = 4,
  kCollapsed = 5,
  kEditable = 7,
  kEnabled = 8,
  kExpandable = 9,
  kExpanded = 10,
  kFocusable = 11,
  kFocused = 12,
  kModal = 16,
  kMultiLine = 17,
  kMultiSelectable = 18,
  kPressed = 20,
  kResizable = 21,
  kSelectable = 22,
  kSelected = 23,
  kSensitive = 24,
  kShowing = 25,
  kTransient = 28,
  kVisible = 30,
  kManagesDescendants = 31,
  kIndeterminate = 32,
  kAnimated = 35,
  kInvalidEntry = 36,
  kIsDefault = 39,
  kVisited = 40,
  kReadOnly = 43,
};

// The states the bridge gives an object, worked out the way it does, so that
// a marked input differs from its unmarked self by INVALID_ENTRY alone.
quint64 spi_states(QAccessibleInterface& object) {
  const QAccessible::State s = object.state();
  quint64 set = 0;
  const auto put = [&set](bool on, SpiState state) {
    if (on) set |= quint64{1} << state;
  };
  put(s.active, kActive);
  put(s.editable, kEditable);
  put(!s.disabled, kEnabled);
  put(!s.disabled, kSensitive);
  put(s.selected, kSelected);
  put(s.focused, kFocused);
  put(s.pressed, kPressed);
  put(s.checked, kChecked);
  put(s.checkStateMixed, kIndeterminate);
  put(s.readOnly, kReadOnly);
  put(s.defaultButton, kIsDefault);
  put(s.expandable, kExpandable);
  put(s.expanded, kExpanded);
  put(s.collapsed, kCollapsed);
  put(s.busy, kBusy);
  put(s.marqueed || s.animated, kAnimated);
  put(!s.invisible && !s.offscreen, kShowing);
  put(!s.invisible && !s.offscreen, kVisible);
  put(s.sizeable, kResizable);
  put(s.focusable, kFocusable);
  put(s.selectable || s.extSelectable, kSelectable);
  put(s.traversed, kVisited);
  put(s.multiSelectable, kMultiSelectable);
  put(s.modal, kModal);
  put(s.multiLine, kMultiLine);
  put(object.tableInterface() != nullptr, kManagesDescendants);
  put(object.role() == QAccessible::TreeItem || object.role() == QAccessible::ListItem, kTransient);
  put(s.invalid, kInvalidEntry);
  return set;
}

QString path_of(QAccessibleInterface* object) {
  return kObjects + u'/' + QString::number(QAccessible::uniqueId(object));
}

QAccessibleInterface* object_at(const QString& path) {
  if (path == kRoot) return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
  if (!path.startsWith(kObjects + u'/')) return nullptr;
  bool number = false;
  const uint id = path.mid(kObjects.size() + 1).toUInt(&number);
  return number ? QAccessible::accessibleInterface(id) : nullptr;
}

bool is_call(const QDBusMessage& message, const QString& interface, QLatin1StringView member) {
  return message.type() == QDBusMessage::MethodCallMessage && message.member() == member &&
         message.interface() == interface;
}

// The first argument of a call as a child index, if it is one.
std::optional<int> index_argument(const QDBusMessage& message) {
  const QList<QVariant> args = message.arguments();
  if (args.isEmpty() || args.first().metaType().id() != QMetaType::Int) return std::nullopt;
  return args.first().toInt();
}

// The reference to no object, as the bridge gives it: this connection's name and the null path.
QVariant null_reference(const QDBusConnection& bus) {
  QDBusArgument reference;
  reference.beginStructure();
  reference << bus.baseService() << QDBusObjectPath(kNull);
  reference.endStructure();
  return QVariant::fromValue(reference);
}

// Stands in front of the bridge's objects; hands every call to the bridge
// but those it answers better itself.
class AtspiFront : public QDBusVirtualObject {
 public:
  AtspiFront(QDBusVirtualObject* bridge) : QDBusVirtualObject(bridge), bridge_(bridge) {}

  QString introspect(const QString& path) const override { return bridge_ ? bridge_->introspect(path) : QString(); }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
    if (!bridge_) return false;
    if (is_call(message, kAccessible, QLatin1StringView("GetState"))) {
      QAccessibleInterface* object = object_at(message.path());
      if (object && object->isValid() && object->state().invalid) {
        const quint64 set = spi_states(*object);
        const QList<uint> words{static_cast<uint>(set), static_cast<uint>(set >> 32)};
        return bus.send(message.createReply(QVariant::fromValue(words)));
      }
    } else if (is_call(message, kAccessible, QLatin1StringView("GetChildAtIndex"))) {
      // A screen reader that cached a child count asks for children that
      // have gone since; a scroll area would read past its list of them.
      QAccessibleInterface* object = object_at(message.path());
      const std::optional<int> index = index_argument(message);
      if (index && object && object->isValid() && (*index < 0 || *index >= object->childCount()))
        return bus.send(message.createReply(null_reference(bus)));
    } else if (is_call(message, kEditableText, QLatin1StringView("InsertText"))) {
      // The bridge takes `length` characters from the inserted text without
      // looking at its size: a longer length reads past it into the field.
      QList<QVariant> args = message.arguments();
      if (args.size() == 3 && args[1].metaType().id() == QMetaType::QString &&
          args[2].metaType().id() == QMetaType::Int) {
        const int size = static_cast<int>(args[1].toString().size());
        if (args[2].toInt() > size) {
          args[2] = size;
          QDBusMessage limited = message;
          limited.setArguments(args);
          return bridge_->handleMessage(limited, bus);
        }
      }
    }
    return bridge_->handleMessage(message, bus);
  }

 private:
  QPointer<QDBusVirtualObject> bridge_;
};

QPointer<AtspiFront> front;

// Puts the front before the bridge's objects, once the bridge has them on the
// bus. If anything is not as expected, the bridge is left as it was.
void stand_in_front() {
  if (front) return;
  QDBusConnection bus(kBus);
  if (!bus.isConnected()) return;
  auto* bridge = qobject_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kObjects));
  if (!bridge) return;
  auto* mine = new AtspiFront(bridge);
  bus.unregisterObject(kObjects);
  if (!bus.registerVirtualObject(kObjects, mine, QDBusConnection::SubPath)) {
    bus.registerVirtualObject(kObjects, bridge, QDBusConnection::SubPath);
    delete mine;
    return;
  }
  front = mine;
}

// The bridge registers its objects just after it switches accessibility on,
// so the front follows on the next turn of the event loop.
class Activation : public QAccessible::ActivationObserver {
 public:
  void accessibilityActiveChanged(bool active) override {
    if (active && QCoreApplication::instance()) QTimer::singleShot(0, QCoreApplication::instance(), stand_in_front);
  }
};

}  // namespace

void stand_atspi_front() {
  static Activation activation;
  static const bool watching = [] {
    QAccessible::installActivationObserver(&activation);
    if (QAccessible::isActive()) activation.accessibilityActiveChanged(true);
    return true;
  }();
  (void)watching;
}

void announce_invalid_entry(QObject* widget, bool invalid) {
  if (!front) return;
  QAccessibleInterface* object = QAccessible::queryAccessibleInterface(widget);
  if (!object) return;
  QDBusMessage event = QDBusMessage::createSignal(path_of(object), QStringLiteral("org.a11y.atspi.Event.Object"),
                                                  QStringLiteral("StateChanged"));
  event << QStringLiteral("invalid-entry") << (invalid ? 1 : 0) << 0 << QVariant::fromValue(QDBusVariant(0))
        << QVariantMap();
  QDBusConnection(kBus).send(event);
}

}  // namespace vorbento
