#include "RaisedButton.h"

#include <QEnterEvent>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

#include "GdiDraw.h"
#include "WinColor.h"

namespace durak {

TRaisedButton::TRaisedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  FFCol = SysColor(SysHighlightText);
  FBCol = SysColor(Sys3dDkShadow);
  setAutoDefault(false);
}

void TRaisedButton::SetFCol(const QColor& c) {
  FFCol = c;
  update();
}

void TRaisedButton::SetBCol(const QColor& c) {
  FBCol = c;
  update();
}

void TRaisedButton::SetRad(int r) {
  if (r == FRad) return;
  FRad = r;
  update();
}

void TRaisedButton::SetKeyLetter(QChar letter) {
  if (letter == FKeyLetter) return;
  FKeyLetter = letter;
  update();
}

void TRaisedButton::DrawItem(QPainter& p, bool pressed, bool focused, bool enabled,
                             bool hot) const {
  const int w = width();
  const int h = height();
  p.setFont(font());
  const QFontMetrics fm(font());
  const QString caption = text();
  const int tw = fm.horizontalAdvance(caption);
  const int th = fm.height();
  // The caption's box grown by about 3 pixels left and right and 2 above and below.
  const int fx = (tw - w) / 2 + 3;
  const int fy = (th - h) / 2 + 2;
  const TBox focus{-fx, -fy, w + fx, h + fy};

  const QColor face = SysColor(SysBtnFace);
  const QColor shadow = SysColor(SysBtnShadow);
  const QColor light = SysColor(SysBtnHighlight);
  const QBrush brush(face);
  if (enabled) {
    p.fillRect(0, 0, w, h, face);
    QColor pen;
    if (hot) {
      GdiRoundRect(p, TBox{1, 1, w, h}, FRad, pressed ? light : shadow, brush);
      GdiRoundRect(p, TBox{0, 0, w - 1, h - 1}, FRad, pressed ? shadow : light, brush);
      pen = face;
    } else {
      GdiRoundRect(p, TBox{0, 0, w, h}, FRad, light, brush);
      pen = shadow;
    }
    GdiRoundRect(p, TBox{1, 1, w - 1, h - 1}, FRad, pen, brush);
  } else {
    GdiRoundRect(p, TBox{0, 0, w, h}, FRad, shadow, brush);
  }

  const int pr = pressed ? 1 : 0;
  const int ho = hot ? 1 : 0;
  const int bx = (w - tw) / 2 + pr - ho + 1;
  const int by = (h - th) / 2 + pr - ho + 1;
  const int fxText = (w - tw) / 2 - ho;
  const int fyText = (h - th) / 2 - ho;
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
  // The key letter's underline, drawn with each copy of the caption so it embosses too.
  const int key = FKeyLetter.isNull()
                      ? -1
                      : static_cast<int>(caption.indexOf(FKeyLetter, 0, Qt::CaseInsensitive));
  const int ux = key < 0 ? 0 : fm.horizontalAdvance(caption.left(key));
  const int uw = key < 0 ? 0 : fm.horizontalAdvance(caption.mid(key, 1));
  // The line lies under the letter's lowest ink, and under the shadow copy's one pixel
  // lower, with a pixel to spare: a letter reaching below the line ("р", "у") would
  // swallow it.
  const int inkBottom = key < 0 ? 0 : fm.tightBoundingRect(caption.mid(key, 1)).bottom();
  const int uy = fm.ascent() + std::max({1, fm.underlinePos(), inkBottom + 3});
  p.setPen(enabled ? FBCol : SysColor(SysHighlightText));
  p.drawText(QRect(bx, by, tw + 1, th), flags, caption);
  if (key >= 0) p.drawLine(bx + ux, by + uy, bx + ux + uw - 1, by + uy);
  p.setPen(enabled ? FFCol : SysColor(Sys3dDkShadow));
  p.drawText(QRect(fxText, fyText, tw + 1, th), flags, caption);
  if (key >= 0) p.drawLine(fxText + ux, fyText + uy, fxText + ux + uw - 1, fyText + uy);
  if (focused) DrawFocusBox(p, focus, SysColor(SysBtnText));
}

void TRaisedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawItem(p, isDown(), hasFocus(), isEnabled(), FHot);
}

void TRaisedButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  FHot = true;
  update();
}

void TRaisedButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  FHot = false;
  update();
}

void TRaisedButton::changeEvent(QEvent* event) {
  QPushButton::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
}

}  // namespace durak
