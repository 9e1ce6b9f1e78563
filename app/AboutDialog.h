// The About dialog: three lines and two links over a picture of tinted glass laid on the
// game window, with three faint card faces on the glass. One dialog per showing.
#pragma once

#include <QDialog>
#include <QImage>
#include <QUrl>
#include <array>
#include <functional>

class QLabel;

#include "TextTable.h"

namespace durak {

class TRaisedButton;
class TLinkLabel;
class TPicturePanel;

// The glass tint: 30 % of the captured pixels and 70 % of the tint colour, for a weight of
// 0.3. Each channel becomes round(weight x old + (1 - weight) x tint).
QImage GetImage(const QImage& capture, const QColor& tint, double weight);
// Blends a card face into the picture at (x, y): round(0.8 x picture + 0.2 x card), clipped
// at the right and bottom edges.
void BlendCard(QImage& picture, const QImage& card, int x, int y);
// The whole glass of a panel of that size: the dark fill, the capture laid where the game
// window lies behind the panel (captureAt, in the panel's coordinates), and the three faces
// at 10 %/10 %, 70 %/50 % and 40 %/30 % of the panel, drawn first, second and third.
QImage ComposeGlass(const QSize& size, const QImage& capture, const QPoint& captureAt,
                    const std::array<QImage, 3>& cards);
// The dialog's top-left corner centred on the main window, halves rounded towards zero.
QPoint CentreOn(const QRect& main, const QSize& dialog);

class TAboutDialog : public QDialog {
  Q_OBJECT
 public:
  // `main` is the game window under the glass; `cards` the three faces on it.
  TAboutDialog(QWidget* main, const std::array<QImage, 3>& cards);
  // Puts the texts of the current language on the lines and links; before any language
  // is loaded the dialog keeps its own captions.
  void ApplyTexts(const TTextTable& t);

  // Centres the dialog on the game window and takes the tinted capture of it.
  void FormShow();
  // Opens the clicked link's address; tests replace it.
  std::function<void(const QString& address)> OpenLink;
  // Where a link's address leads: a full address as it stands; a bare file name is one of
  // the game's documents, found beside the program or in its installed documentation
  // folder (an empty address when it is in neither).
  static QUrl LinkUrl(const QString& address);
  // The program's line of the dialog: its name in the current language and its version.
  static QString ProgramLine(const QString& name);

  const QImage& Capture() const { return FCapture; }

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // The widgets, each with its member's name as its object name.
  TPicturePanel* PicturePanel;
  QLabel *ProgramLabel, *PlayLabel, *AuthorsLabel;
  TLinkLabel *ReadMeLink, *LicenceLink;
  TRaisedButton* OkButton;

  void PaintGlass(QPainter& p);

  QWidget* FMain;
  std::array<QImage, 3> FCards;
  QImage FCapture;
  QPoint FMainTopLeft;  // the game window's inside, on the screen
};

}  // namespace durak
