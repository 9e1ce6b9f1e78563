// A playing card: a face and a back, its number, suit and rank, which side is up, whether it
// lies sideways, and the animations that glide it and turn it over.
//
// The animations are synchronous: each frame moves the card, repaints at once and sleeps for
// the delay (a delay of 0 only yields). No window events are processed inside them.
#pragma once

#include <QImage>

#include "TCustomCard.h"

namespace durak {

class TCard : public TCustomCard {
  Q_OBJECT

 public:
  explicit TCard(QWidget* parent = nullptr);

  int CardNo() const { return FCardNo; }
  int Suit() const { return FSuit; }
  int Rank() const { return FRank; }
  // 0 face down (back shown), 1 face up; other values keep the picture as it is.
  int CardState() const { return FCardState; }
  bool Turned() const { return FTurned; }
  // Held already rotated while the card lies sideways.
  const QImage& FaceImage() const { return FFaceImage; }
  const QImage& BackImage() const { return FBackImage; }

  virtual void SetBounds(int left, int top, int width, int height);
  virtual void SetCardState(int state);
  // Copies the face and sizes the card to it (sideways when Turned). The shown picture is
  // left alone until ShowState.
  virtual void SetFace(const QImage& face);
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
  // One animation frame: the new bounds, an immediate repaint, then the pause.
  void ShowFrame(int left, int top, int width, int height, int delay);

  int FCardNo = 0;
  int FSuit = 0;
  int FRank = 0;
  int FCardState = 0;
  bool FTurned = false;
  QImage FFaceImage;
  QImage FBackImage;
};

}  // namespace durak
