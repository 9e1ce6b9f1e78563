// Reaching a dialog's widgets from a test: the dialogs keep their widgets to themselves,
// and each widget a test works with carries an object name, as an automation tool would
// find it.
#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace durak::testing {

// The widget (or other part) of type W named `name` inside `owner`. A part that is not
// there throws, so the test fails with the name instead of crashing.
template <class W>
W* Part(const QObject& owner, const QString& name) {
  W* part = owner.findChild<W*>(name);
  if (!part)
    throw std::runtime_error("no part named " + name.toStdString() + " in " +
                             owner.objectName().toStdString() + " (" +
                             owner.metaObject()->className() + ")");
  return part;
}
template <class W>
W* Part(const QObject& owner, const char* name) {
  return Part<W>(owner, QString::fromLatin1(name));
}

}  // namespace durak::testing
