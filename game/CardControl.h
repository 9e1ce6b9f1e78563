// What the engine asks of one card on the screen. The game window implements it with a
// card widget that glides and turns over; the harness and the tests with a headless card
// whose operations jump straight to their end state.
#pragma once

#include <cstdint>

namespace durak {

class ICardControl {
 public:
  virtual ~ICardControl() = default;

  // Identity 1..36 and the card's face number 17..52.
  virtual int Tag() const = 0;

  // 0 face down (back shown), 1 face up.
  virtual int CardState() const = 0;
  virtual void SetCardState(int state) = 0;
  // The card lies sideways (a quarter turn counter-clockwise).
  virtual bool Turned() const = 0;

  virtual int Left() const = 0;
  virtual int Top() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;

  // Animations; each returns only when the card has reached its end position and size.
  // MoveTo: straight glide; with toggle the card shows its other side for the whole glide.
  virtual void MoveTo(int x, int y, int delay, int step, bool toggle) = 0;
  // FlipMoveTo: glide while turning over about the vertical axis.
  virtual void FlipMoveTo(int x, int y, int delay, int step) = 0;
  // FlipInPlace: turn over without moving.
  virtual void FlipInPlace(int delay, bool horizontal) = 0;
  // Turn: lay sideways, or stand up again.
  virtual void Turn() = 0;

  // Hover highlight: the face tints towards the hot colour while the pointer is over it.
  virtual bool HotMouse() const = 0;
  virtual void SetHotMouse(bool on) = 0;
  // Removes a tint that may be showing.
  virtual void RestoreFace() = 0;

  virtual void BringToFront() = 0;
  // Whether a click on the card reaches the engine's CardClicked.
  virtual bool Clickable() const = 0;
  virtual void SetClickable(bool on) = 0;
  // true: the hand-point cursor; false: the default arrow.
  virtual void SetHandCursor(bool hand) = 0;
};

}  // namespace durak
