#include "Accessibility.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include "Announcer.h"
#include "CardWidget.h"
#include "LedDisplay.h"
#include "PaintedPanel.h"

namespace durak {

namespace {

QHash<const QObject*, TAccessibleParts>& Registry() {
  static QHash<const QObject*, TAccessibleParts> parts;
  return parts;
}

// A widget whose texts, state and action come from its registered parts.
class TPartsAccessible : public QAccessibleWidget {
 public:
  TPartsAccessible(QWidget* widget, QAccessible::Role fallback)
      : QAccessibleWidget(widget, fallback), fallback_(fallback) {}

  QAccessible::Role role() const override {
    const TAccessibleParts* p = Parts();
    return p ? p->Role : fallback_;
  }

  QString text(QAccessible::Text t) const override {
    const TAccessibleParts* p = Parts();
    if (p && p->Text && (t == QAccessible::Name || t == QAccessible::Description)) {
      return p->Text(t);
    }
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const TAccessibleParts* p = Parts();
    if (p && p->State) p->State(s);
    return s;
  }

  QStringList actionNames() const override {
    const TAccessibleParts* p = Parts();
    return p && p->Press ? QStringList{pressAction()} : QStringList{};
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& name) override {
    const TAccessibleParts* p = Parts();
    if (p && p->Press && name == pressAction()) p->Press();
  }

 private:
  const TAccessibleParts* Parts() const {
    const auto it = Registry().constFind(object());
    return it == Registry().constEnd() ? nullptr : &it.value();
  }
  QAccessible::Role fallback_;
};

QAccessibleInterface* GameFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (qobject_cast<TCardWidget*>(object)) return new TPartsAccessible(widget, QAccessible::Graphic);
  if (qobject_cast<TPaintedPanel*>(object)) return new TPartsAccessible(widget, QAccessible::Pane);
  if (dynamic_cast<TAnnouncer*>(widget))
    return new TPartsAccessible(widget, QAccessible::Notification);
  // A counter reads as its name ("В колоде: 12"), which the window keeps up to date.
  if (qobject_cast<TLedDisplay*>(object))
    return new QAccessibleWidget(widget, QAccessible::StaticText);
  return nullptr;
}

}  // namespace

void InstallGameAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(GameFactory);
}

void SetAccessibleParts(QWidget* widget, TAccessibleParts parts) {
  if (!Registry().contains(widget)) {
    QObject::connect(widget, &QObject::destroyed, [widget] { Registry().remove(widget); });
  }
  Registry().emplace(widget, std::move(parts));
}

void ForgetAccessibleParts(QWidget* widget) {
  Registry().remove(widget);
}

namespace {
std::function<void(QObject*, QAccessible::Event)>& Watcher() {
  static std::function<void(QObject*, QAccessible::Event)> watcher;
  return watcher;
}
}  // namespace

void SendAccessibleEvent(QObject* object, QAccessible::Event type) {
  if (Watcher()) Watcher()(object, type);
  QAccessibleEvent event(object, type);
  QAccessible::updateAccessibility(&event);
}

void WatchAccessibleEvents(std::function<void(QObject*, QAccessible::Event)> watcher) {
  Watcher() = std::move(watcher);
}

}  // namespace durak
