// A playing card: a face and a back, its number, suit and rank, which side is up, whether it
// lies sideways, and the animations that glide it and turn it over.
//
// The animations are synchronous: each frame moves the card, repaints at once and sleeps for
// the delay, and at least until one display refresh has passed. No window events are
// processed inside them.
#pragma once

#include <QImage>
#include <functional>

#include "CardBase.h"

namespace durak {

class TCardView : public TCardBase {
  Q_OBJECT

 public:
  explicit TCardView(QWidget* parent = nullptr);

  // A picture made when it is first needed.
  using TPictureSource = std::function<QImage()>;

  int CardNo() const { return FCardNo; }
  int Suit() const { return FSuit; }
  int Rank() const { return FRank; }
  // 0 face down (back shown), 1 face up; other values keep the picture as it is.
  int CardState() const { return FCardState; }
  bool Turned() const { return FTurned; }
  // The card library's pictures, held already rotated while the card lies sideways. A face
  // given by SetFaceSource is decoded on first asking.
  const QImage& FaceImage() const;
  const QImage& BackImage() const { return FBackImage; }
  // What the card shows for each side at its table size: the library's pictures themselves
  // until a table size is given, else pictures drawn for that size (same orientation). A
  // picture still to be drawn (see SetShowSize) is drawn on first asking.
  const QImage& ShownFace() const;
  const QImage& ShownBack() const;
  // Shows the card at `upright` size (width x height standing up) on a screen of device pixel
  // ratio `dpr`. face and back are pictures already drawn for that size (upright, marked with
  // the ratio, e.g. from a larger rendition of the library's picture); a null one is made by
  // scaling the library's picture smoothly. The card takes that size (sideways when Turned)
  // and shows its current side.
  void SetShowSize(QSize upright, double dpr, const QImage& face = QImage(),
                   const QImage& back = QImage());
  // The same with pictures drawn only when the card first shows that side (or when they are
  // asked for): a card that stays face down never has its face drawn. A null source, or one
  // that gives a null picture, stands for the library's picture scaled smoothly.
  void SetShowSize(QSize upright, double dpr, TPictureSource face, TPictureSource back);

  // Animation frames last at least one display refresh (on by default). Tests that only
  // check where cards end up switch it off.
  static void SetFramePacing(bool on);
  // The display's refresh period in milliseconds (60 Hz when the screen does not tell).
  double FramePeriodMs() const;
  // The size a picture covers in window pixels (its pixels over its device pixel ratio).
  static QSize LogicalSize(const QImage& picture);

  virtual void SetBounds(int left, int top, int width, int height);
  virtual void SetCardState(int state);
  // Copies the face and sizes the card to it (sideways when Turned), or to its table size
  // when it has one. The shown picture is left alone until ShowState.
  virtual void SetFace(const QImage& face);
  // As SetFace for a face of `size` (upright) decoded only when first needed: when the card
  // first shows its face at the library's size, or FaceImage is asked for.
  void SetFaceSource(QSize size, TPictureSource decode);
  // Copies the back; the size and the shown picture stay.
  virtual void SetBack(const QImage& back);
  virtual void SetCardSuitRank(int suit, int rank, int state);
  virtual void ShowState();
  virtual void SetCard(int number, int state);

  virtual void MoveTo(int x, int y, int delay, int step, bool toggle);
  virtual void FlipMoveTo(int x, int y, int delay, int step);
  virtual void FlipInPlace(int delay, bool horizontal);
  // Lays the card sideways (a quarter turn counter-clockwise about its top-left corner's
  // position), or stands it up again.
  virtual void Turn();

 protected:
  // One animation frame: the new bounds, an immediate repaint, then the pause (at least the
  // rest of one display refresh while frame pacing is on).
  void ShowFrame(int left, int top, int width, int height, int delay);

  int FCardNo = 0;
  int FSuit = 0;
  int FRank = 0;
  int FCardState = 0;
  bool FTurned = false;
  mutable QImage FFaceImage;
  QImage FBackImage;
  // The library's face not decoded yet (upright); empty once decoded.
  mutable TPictureSource FFaceImagePending;
  mutable QImage FFaceShown;
  mutable QImage FBackShown;
  // Pictures for the table size not drawn yet (upright); empty once drawn.
  mutable TPictureSource FFacePending;
  mutable TPictureSource FBackPending;
  // The shown side waits to be drawn until the card comes onto the table.
  bool FPictureDeferred = false;
  QSize FShowSize;
  double FDpr = 1.0;

 private:
  // A library picture (in the card's current orientation) brought to the table size.
  QImage ShownFrom(const QImage& picture) const;
  // A picture drawn upright for the table size, turned to the card's orientation.
  QImage Oriented(const QImage& upright) const;
  // Whether the card lies wholly outside the table it is on.
  bool OffTable() const;
  // Draws a pending picture of the face or the back into `shown`.
  void Resolve(TPictureSource& pending, QImage& shown, bool face) const;
};

}  // namespace durak
