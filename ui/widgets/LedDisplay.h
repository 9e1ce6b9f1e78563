// A counter of seven-segment digits: lit segments in ACol, unlit ones faintly in NACol, on
// Back. The control sizes itself to its picture: Digits cells, each W1Digit wide and twice
// that high.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

namespace durak {

class TLedDisplay : public QWidget {
  Q_OBJECT

 public:
  explicit TLedDisplay(QWidget* parent = nullptr);

  bool Neg() const { return FNeg; }
  void SetNeg(bool on);
  bool HiNill() const { return FHiNill; }
  void SetHiNill(bool on);
  int32_t Number() const { return FNumber; }
  void SetNumber(int32_t n);
  int W1Digit() const { return FW1Digit; }
  void SetW1Digit(int w);
  int Digits() const { return FDigits; }
  void SetDigits(int n);
  QColor ACol() const { return FACol; }
  QColor NACol() const { return FNACol; }
  QColor Back() const { return FBack; }
  // index 1 ACol, 2 NACol, 3 Back; other indices change nothing.
  void SetCol(int index, const QColor& c);

  // The whole counter as it is painted, in the pixels of a screen of ratio `dpr` (marked
  // with that ratio).
  QImage ComposeNumber(double dpr = 1.0) const;
  // One cell: code 0..9, -1 minus, -2 blank; mark 0 none, 1/2 lit/unlit dot, 3/4 lit/unlit
  // colon. An unknown code or a width below 1 gives an empty picture. Drawn in the pixels of
  // a screen of ratio `dpr`.
  QImage DrawCell(int code, int cellWidth, int mark, double dpr = 1.0) const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Changed();

  bool FNeg = true;
  bool FHiNill = true;
  int32_t FNumber = 0;
  int FW1Digit = 15;
  int FDigits = 3;
  QColor FACol{32, 255, 32};
  QColor FNACol{0, 80, 0};
  QColor FBack{0, 0, 0};
};

}  // namespace durak
