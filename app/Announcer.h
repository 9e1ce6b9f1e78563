// What the game says to a screen reader while the keyboard focus stays where it is: the
// computer's words and moves, the cards drawn, the buttons that came up, the deal's end.
// Each line goes out as a notification, which a reader speaks whatever has the focus. The
// lines said close together are joined into one, so none cuts off the one before it.
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace durak {

class TAnnouncer : public QWidget {
 public:
  explicit TAnnouncer(QWidget* parent);

  // Queues a line; the queued lines are said together once the window next takes events.
  void Say(const QString& line);
  // Says the queued lines now.
  void Flush();
  // What was said last (the notification's name): tests and a reader asking again.
  const QString& LastSaid() const { return said_; }

 private:
  QStringList queued_;
  QString said_;
  QTimer flush_;
};

}  // namespace durak
