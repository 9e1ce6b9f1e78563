// A contact sheet: pictures with captions laid out in rows under section titles.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace durak {

class TGallerySheet {
 public:
  explicit TGallerySheet(int width) : FWidth(width) {}

  void Section(const QString& title);
  // One picture with its caption under it; wraps to a new row when the row is full.
  void Add(const QImage& picture, const QString& caption);
  QImage Render() const;

  // How many section titles and pictures the sheet holds.
  int SectionCount() const { return static_cast<int>(FTitles.size()); }
  int PictureCount() const { return static_cast<int>(FItems.size()); }
  // The captions of the pictures that show nothing: null, or one colour all over.
  std::vector<QString> BlankPictures() const;

 private:
  struct TItem {
    QImage Picture;
    QString Caption;
    int X = 0, Y = 0;
  };
  struct TTitle {
    QString Text;
    int Y = 0;
  };
  void NewRow();

  int FWidth;
  int FX = 12;
  int FY = 12;
  int FRowHeight = 0;
  std::vector<TItem> FItems;
  std::vector<TTitle> FTitles;
};

}  // namespace durak
