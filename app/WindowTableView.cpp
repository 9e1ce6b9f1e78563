// The engine's view of the table on the main window's parts; what changes is also told to
// a screen reader as it happens.
#include "WindowTableView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QThread>

#include "CardWidget.h"
#include "KeyboardAccess.h"
#include "Layout.h"
#include "LedDisplay.h"
#include "MainWindow.h"
#include "MenuCommands.h"
#include "OwnPictures.h"
#include "RaisedButton.h"

namespace durak {

void TWindowTableView::SetButtonVisible(TButton button, bool visible) {
  window_.Parts().ButtonOf(button)->setVisible(visible);
  // "Замесить" shows when a deal is over or a new game begins: the hand's frame goes with
  // the deal, so that Enter presses "Замесить" and the next deal's first arrow starts
  // afresh.
  if (button == durak::DealButton && visible) window_.Keys().ClearMark();
  window_.Parts().ArrangeBottomBar();
  window_.Keys().Narrate();
}

void TWindowTableView::SetSpeechText(const std::string& text) {
  // What happened before the words comes first.
  window_.Keys().Narrate();
  QLabel* speech = window_.Parts().SpeechLabel;
  const QString line = QString::fromStdString(text);
  const bool changed = line != speech->text();
  speech->setText(line);
  speech->repaint();
  if (changed && !line.isEmpty()) window_.Keys().AnnounceSpeech();
}

void TWindowTableView::SetLed(TLed led, int value) {
  const TWindowParts& parts = window_.Parts();
  TLedDisplay* l = led == durak::PlayerScoreLed     ? parts.PlayerScoreLed
                   : led == durak::ComputerScoreLed ? parts.ComputerScoreLed
                                                    : parts.StockLed;
  l->SetNumber(value);
  window_.Keys().UpdateAccessibleTexts();
  window_.Keys().Narrate();
}

void TWindowTableView::SetTrumpPicture(int suit) {
  trumpSuit_ = suit;
  ShowTrumpPicture();
}

void TWindowTableView::ShowTrumpPicture() {
  if (trumpSuit_ == 0) return;
  static const char* const kNames[] = {"BS", "BS", "BC", "BD", "BH"};
  const QString name =
      QString::fromLatin1(kNames[trumpSuit_ >= 1 && trumpSuit_ <= 4 ? trumpSuit_ : 0]);
  // The picture grows with the cards, drawn from its larger renditions.
  const TCardSize& cards = window_.CardSize();
  const QImage base = OwnPicture(name);
  const QSize size(ScaledCardSide(base.width(), cards.Scale),
                   ScaledCardSide(base.height(), cards.Scale));
  const QImage picture = OwnPictureAt(name, size, cards.Dpr);
  QLabel* trump = window_.Parts().TrumpImage;
  trump->setPixmap(QPixmap::fromImage(picture));
  trump->resize(size);
}

void TWindowTableView::SetTrumpVisible(bool visible) {
  window_.Parts().TrumpImage->setVisible(visible);
  window_.Parts().TrumpImage->lower();
}

void TWindowTableView::PlaceTrumpPicture(int left, int top) {
  window_.Parts().TrumpImage->move(left, top);
}
int TWindowTableView::TrumpPictureWidth() const {
  const QLabel* trump = window_.Parts().TrumpImage;
  return trump->pixmap().isNull() ? 63 : trump->width();
}
int TWindowTableView::TrumpPictureHeight() const {
  const QLabel* trump = window_.Parts().TrumpImage;
  return trump->pixmap().isNull() ? 84 : trump->height();
}

void TWindowTableView::Wait(int milliseconds) {
  window_.Keys().Narrate();
  QThread::msleep(static_cast<unsigned long>(milliseconds));
}
void TWindowTableView::ProcessMessages() {
  window_.Keys().Narrate();
  QCoreApplication::processEvents();
}

bool TWindowTableView::ShowChampionsAfterDeal() {
  return window_.Menus().ShowChampionsAfterDeal();
}

void TWindowTableView::CloseMainWindow() {
  window_.close();
}

}  // namespace durak
