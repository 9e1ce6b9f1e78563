// What a screen reader hears of the table: the cards, the table with its pairs, the
// counters. The texts are asked for when the reader wants them, so they are always those
// of the current language and of the table as it is now.
#pragma once

#include <QAccessible>
#include <functional>

class QWidget;

namespace durak {

struct TAccessibleParts {
  QAccessible::Role Role = QAccessible::Client;
  // The name or description; an empty function leaves the widget's own.
  std::function<QString(QAccessible::Text)> Text;
  // Adds to the widget's own state.
  std::function<void(QAccessible::State&)> State;
  // What the "press" action does; empty for none.
  std::function<void()> Press;
};

// Installs the interfaces of the game's own widgets (cards, panels, counters) once.
void InstallGameAccessibility();
// Gives the widget (a card or a panel) its texts, state and action; empty parts take
// the widget's defaults again.
void SetAccessibleParts(QWidget* widget, TAccessibleParts parts);
void ForgetAccessibleParts(QWidget* widget);

// Sends an event to the screen reader (when one listens) and to the watcher, if set.
void SendAccessibleEvent(QObject* object, QAccessible::Event type);
// Tests and tools watch what the game tells a reader; an empty function stops watching.
void WatchAccessibleEvents(std::function<void(QObject*, QAccessible::Event)> watcher);

}  // namespace durak
