// The pick-a-pair menu: which open computer card a card beats, or the transfer; each item
// shows the top-left corner of a card's face.
#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QTimer>

#include "CardWidget.h"
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "PaintedPanel.h"
#include "ResourcePack.h"
#include "WindowTableView.h"

namespace durak {

namespace {

// The corner of a face (32 x 38), framed in dark cyan, with an upward arrow for a transfer.
QPixmap ItemPicture(const QImage& face, bool arrow) {
  QImage corner(32, 38, QImage::Format_RGB32);
  corner.fill(Qt::white);
  QPainter p(&corner);
  p.drawImage(0, 0, face, 0, 0, 32, 38);
  p.setPen(QColor(0, 128, 128));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, 31, 37);
  if (arrow) {
    const QPoint outer[7] = {{16, 6}, {26, 18}, {20, 18}, {20, 31}, {12, 31}, {12, 18}, {6, 18}};
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawPolygon(outer, 7);
    const QPoint inner[7] = {{16, 9}, {23, 17}, {18, 17}, {18, 29}, {14, 29}, {14, 17}, {9, 17}};
    p.setPen(QColor(0, 255, 0));
    p.setBrush(QColor(0, 128, 0));
    p.drawPolygon(inner, 7);
  }
  p.end();
  return QPixmap::fromImage(corner);
}

// Menu pictures at their full 32 x 38 instead of the style's small icon size.
class TPairMenuStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_SmallIconSize) return 38;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

int TWindowTableView::PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) {
  if (window_.ChoosePair) return window_.ChoosePair(items);
  QMenu menu(&window_);
  TPairMenuStyle style;
  menu.setStyle(&style);
  for (const TPairMenuItem& item : items) {
    const TCardWidget* card = window_.Parts().Cards[item.PictureCard - 1];
    QAction* a = menu.addAction(QIcon(ItemPicture(card->FaceImage(), item.Arrow)),
                                QString::fromStdString(item.Caption));
    a->setData(item.Tag);
  }
  // After a hint the menu starts on the pair the hint chose; opened from the keyboard, it
  // starts on its first item, so Enter alone chooses it and the arrows move from there.
  QAction* start = nullptr;
  TKeyboardAccess& keys = window_.Keys();
  for (QAction* a : menu.actions())
    if (keys.HintMenu() >= 0 && a->data().toInt() == keys.HintMenu()) start = a;
  keys.SetHintMenu(-1);
  if (!start && keys.KeyboardPlay() && !menu.actions().isEmpty()) start = menu.actions().first();
  if (start) QTimer::singleShot(0, &menu, [&menu, start] { menu.setActiveAction(start); });
  QAction* chosen = menu.exec(window_.Parts().TablePanel->mapToGlobal(QPoint(x, y)));
  return chosen ? chosen->data().toInt() : -1;
}

void TWindowTableView::PlaySound(TSound id) {
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("SND.DLL"))) return;
  pack.PlaySound(QStringLiteral("SND%1").arg(id));
}

}  // namespace durak
