// Answers the modal dialogs that come up during a test, as a person at the table would:
// the player dialog gets a name, the champions table is accepted, message boxes are read
// and closed. Each tick handles the dialog on top.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace durak::testing {

class TModalDriver : public QObject {
 public:
  TModalDriver();
  // Name and password typed into the player dialog when it asks for a new player.
  QString NewName = QStringLiteral("Tester");
  QString Password;
  // The texts of every message box that came up.
  QStringList Messages;
  // Message boxes that would have read their text as rich text.
  int RichMessages = 0;
  int ChampionsShown = 0;

 private:
  void Tick();
  void Answer(QWidget* top);
  QTimer timer_;
  bool pending_ = false;
};

}  // namespace durak::testing
