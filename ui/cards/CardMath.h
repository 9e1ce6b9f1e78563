// The card control's arithmetic without a window: card numbers, face names, the frames of the
// glide and flip animations, the quarter-turn rotation and the hover tint.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "../widgets/UiMath.h"

namespace durak {

// Card number 1..52 is rank * 4 + suit - 8; 53 and above mark a card that is neither.
int SuitOfCardNo(int cardNo);              // 0 for 0, 5 for 53+, else 1..4
int RankOfCardNo(int cardNo);              // 0 for 0, 15 for 53+, else 2..14
int CardNoOfSuitRank(int suit, int rank);  // 53 when suit >= 5

// The library's picture name of a card face: rank text and suit letter, "6S", "10H", "DS"...
std::string FaceName(int cardNo);

// Frames never exceed this many per animation, whatever coordinates come in.
constexpr int MaxAnimationFrames = 10000;

// The straight glide from (left, top) to (x, y): the positions of the intermediate frames in
// order. The card then snaps to (x, y), so the last frame may differ from the target.
std::vector<TPt> GlideFrames(int left, int top, int x, int y, int step);

// The glide while turning over. Empty Shrink/Grow means the card only changes side.
struct TFlipMoveFrames {
  std::vector<TBounds> Shrink;  // the card narrows towards its left edge
  std::vector<TBounds> Grow;    // after the side change, starting from a 1-pixel strip
};
TFlipMoveFrames FlipMoveFrames(TBounds from, int x, int y, int step);

// Turning over in place: ten frames narrowing, the side change, ten frames widening.
struct TFlipInPlaceFrames {
  std::vector<TBounds> Shrink;
  std::vector<TBounds> Grow;
};
TFlipInPlaceFrames FlipInPlaceFrames(TBounds from, bool horizontal);

// The new side after a flip: FlipInPlace turns any state but 1 face up; a glide with toggle
// and FlipMoveTo turn any state but 0 face down.
inline int FlipInPlaceSide(int state) {
  return state == 1 ? 0 : 1;
}
inline int ToggledSide(int state) {
  return state == 0 ? 1 : 0;
}

// Rotates a picture of 32-bit pixels by 90, 180 or 270 degrees counter-clockwise. Strides are
// in pixels. The destination is height x width for 90 and 270, width x height for 180. Any
// other angle copies the pixels unrotated.
void RotatePixels(const uint32_t* src, int width, int height, int srcStride, int angle,
                  uint32_t* dst, int dstStride);

// Which rendition of a picture to draw from: the smallest of the factors on offer (1 for the
// picture itself, 2 and 3 for its @2x and @3x renditions) that is at least `needed` (the card
// scale times the device pixel ratio), else the largest on offer; 0 when none is on offer.
int PickRendition(const std::vector<int>& available, double needed);

// One channel of the hover tint: 65% of the face, 35% of the hot colour, truncated.
uint8_t TintChannel(uint8_t channel, uint8_t hot);
// The tint of every channel value towards one hot channel value.
std::array<uint8_t, 256> TintTable(uint8_t hot);

}  // namespace durak
