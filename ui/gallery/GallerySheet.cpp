#include "GallerySheet.h"

#include <QPainter>
#include <algorithm>

#include "ProgramFonts.h"

namespace durak {

namespace {
constexpr int kGap = 14;
constexpr int kCaptionHeight = 30;
constexpr int kTitleHeight = 28;
}  // namespace

void TGallerySheet::NewRow() {
  if (FRowHeight > 0) FY += FRowHeight + kCaptionHeight + kGap;
  FX = 12;
  FRowHeight = 0;
}

void TGallerySheet::Section(const QString& title) {
  NewRow();
  FTitles.push_back(TTitle{title, FY});
  FY += kTitleHeight;
}

void TGallerySheet::Add(const QImage& picture, const QString& caption) {
  const int w = std::max(picture.width(), 90);
  if (FX + w > FWidth - 12 && FX > 12) NewRow();
  FItems.push_back(TItem{picture, caption, FX, FY});
  FX += w + kGap;
  FRowHeight = std::max(FRowHeight, picture.height());
}

std::vector<QString> TGallerySheet::BlankPictures() const {
  std::vector<QString> blank;
  for (const TItem& item : FItems) {
    const QImage& picture = item.Picture;
    bool plain = true;
    for (int y = 0; plain && y < picture.height(); ++y)
      for (int x = 0; plain && x < picture.width(); ++x)
        plain = picture.pixel(x, y) == picture.pixel(0, 0);
    if (plain) blank.push_back(item.Caption);
  }
  return blank;
}

QImage TGallerySheet::Render() const {
  const int height = FY + FRowHeight + kCaptionHeight + 12;
  QImage sheet(FWidth, height, QImage::Format_RGB32);
  sheet.fill(QColor(250, 250, 246));
  QPainter p(&sheet);
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 17, true));
  for (const TTitle& t : FTitles) {
    p.setPen(QColor(30, 30, 30));
    p.drawText(12, t.Y + 18, t.Text);
    p.setPen(QColor(200, 200, 190));
    p.drawLine(12, t.Y + 23, FWidth - 12, t.Y + 23);
  }
  p.setFont(ProgramPixelFont(QStringLiteral("Arial"), 11));
  for (const TItem& item : FItems) {
    p.drawImage(item.X, item.Y, item.Picture);
    p.setPen(QColor(60, 60, 60));
    const int w = std::max(item.Picture.width(), 90);
    p.drawText(QRect(item.X, item.Y + item.Picture.height() + 2, w, kCaptionHeight - 2),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.Caption);
  }
  return sheet;
}

}  // namespace durak
