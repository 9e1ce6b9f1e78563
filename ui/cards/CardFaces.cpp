#include "CardFaces.h"

#include "CardMath.h"
#include "CardWidget.h"

namespace durak {

QString FaceNameOf(int cardNo) {
  return QString::fromStdString(FaceName(cardNo));
}

QSize LoadFacesAll(const std::vector<TCardWidget*>& cards, const TPictureLookup& picture,
                   int rubaha) {
  const QImage back = picture ? picture(QStringLiteral("BK%1").arg(rubaha)) : QImage();
  for (size_t i = 0; i < cards.size(); ++i) {
    TCardWidget* card = cards[i];
    if (card == nullptr) continue;
    const QImage face = picture ? picture(FaceNameOf(static_cast<int>(i) + 17)) : QImage();
    card->SetFace(face);
    card->SetBack(back);
    card->ShowState();
  }
  return back.isNull() ? QSize(0, 0) : back.size();
}

void LoadBgAll(const std::vector<TCardWidget*>& cards, const TPictureLookup& picture, int n) {
  if (cards.empty()) return;
  const QImage back = picture ? picture(QStringLiteral("bk%1").arg(n)) : QImage();
  for (TCardWidget* card : cards) {
    if (card == nullptr) continue;
    card->SetBack(back);
    card->ShowState();
  }
}

QString CardLibraryMissingMessage(const QString& colodaPath) {
  return colodaPath + QStringLiteral(" not found !") + QStringLiteral("\nProgram terminated");
}

QString CardLibraryMissingForBackMessage(const QString& text203, const QString& colodaPath,
                                         const QString& text197) {
  return text203 + QLatin1Char(' ') + colodaPath + QLatin1Char(' ') + text197;
}

}  // namespace durak
