// The panel the game is played on and that frames the window: a two-pixel border and an
// inside filled with a solid colour, a vertical two-colour gradient, a tiled picture or a
// vertical rainbow. Gradient and rainbow are prepared once in a strip at most 128 pixels
// wide and repeated across, so repainting a large table under a moving card stays cheap.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

namespace durak {

enum TPanelMode { pmSolid = 0, pmGradient = 1, pmPicture = 2, pmRainbow = 3 };

class TPaintedPanel : public QWidget {
  Q_OBJECT

 public:
  // The solid colour and both gradient colours start as the desktop's button face.
  explicit TPaintedPanel(QWidget* parent = nullptr);

  QColor BColor() const { return FBColor; }
  void SetBColor(const QColor& c);
  QColor Color() const { return FColor_; }
  void SetColor(const QColor& c);
  // 0 solid, 1 gradient, 2 picture, 3 rainbow; any other value paints as solid.
  int Mode() const { return FMode; }
  // Picture mode is entered only through SetPicture; SetMode(2) is ignored.
  void SetMode(int mode);
  QColor SColor() const { return FSColor; }
  void SetSColor(const QColor& c);
  QColor FColor() const { return FFColor; }
  void SetFColor(const QColor& c);
  int RBright() const { return FRBright; }
  // Clamped to -10..10.
  void SetRBright(int n);
  // Takes one tile of the picture, cut to the panel's inside as it is now, and shows it
  // tiled. The caller keeps its picture. `x2` and `x3` are the same picture drawn two and
  // three times as large (either may be null): on a dense screen the tile is drawn from the
  // smallest of them that has the pixels it covers, and tiled in the screen's own pixels so
  // that it repeats without seams at any pixel ratio.
  void SetPicture(const QImage& picture, const QImage& x2 = QImage(), const QImage& x3 = QImage());
  // The same, with the larger renditions asked of `larger` (factor 2 or 3; a null image when
  // there is none) only when a dense screen first needs them: an ordinary screen never reads
  // them.
  void SetPicture(const QImage& picture, std::function<QImage(int factor)> larger);
  // The tile as a screen of that pixel ratio shows it, in its pixels: the larger rendition
  // brought to the tile's size times the ratio; null when the panel has no larger rendition or
  // shows no picture.
  QImage DenseTile(double dpr);

  const QImage& Strip() const { return FStrip; }
  int TileHeight() const { return FTileHeight; }
  bool Dirty() const { return FDirty; }

  // Prepares the strip for the current size and mode and paints the part `exposed` of the
  // panel with `p`, which draws in the panel's coordinates.
  void PaintTo(QPainter& p, const QRect& exposed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PrepareStrip();

  QColor FBColor{255, 255, 255};
  QColor FColor_;
  int FMode = pmSolid;
  QColor FSColor;
  QColor FFColor;
  int FRBright = 0;
  QImage FStrip;
  int FTileHeight = -1;
  // Where the larger renditions come from, the picture's own size they must match, and the
  // renditions once asked for (index 2 and 3); then the dense tile last made.
  std::function<QImage(int factor)> FLargerSource;
  QSize FPictureSize;
  bool FLargerRead = false;
  std::array<QImage, 4> FLarger{};
  QImage FDense;
  double FDenseDpr = 0;
  bool FDirty = true;
};

}  // namespace durak
