// Loading faces and backs into the 36 cards: names asked for, the card size taken from the
// back, a change of back alone, and a card library that is missing.
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>

#include "PackLocator.h"
#include "TestPictures.h"
#include "cards/CardFaces.h"
#include "cards/CardPacks.h"
#include "cards/CardWidget.h"

namespace durak {
namespace {

class CardFacesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int tag = 1; tag <= 36; ++tag) {
      Owned.push_back(std::make_unique<TCardWidget>(tag));
      Cards.push_back(Owned.back().get());
      Cards.back()->SetCard(tag + 16, tag % 2);  // odd tags face up
    }
  }

  // A library of 71 x 96 pictures; each picture's colour encodes its name's length and the
  // back number, and every request is recorded.
  TPictureLookup Library(QStringList* asked, QStringList missing = {}) {
    return [asked, missing](const QString& name) {
      asked->append(name);
      if (missing.contains(name, Qt::CaseInsensitive)) return QImage();
      const bool back = name.startsWith(QLatin1String("bk"), Qt::CaseInsensitive);
      return SolidPicture(
          71, 96, back ? QColor(0, 0, 40 * name.mid(2).toInt()) : QColor(200, 10 * name.size(), 0));
    };
  }

  std::vector<std::unique_ptr<TCardWidget>> Owned;
  std::vector<TCardWidget*> Cards;
};

TEST_F(CardFacesTest, FacesAndBackSizeEveryCard) {
  QStringList asked;
  const QSize size = LoadFacesAll(Cards, Library(&asked), 3);
  EXPECT_EQ(size, QSize(71, 96));
  ASSERT_EQ(asked.size(), 37);
  EXPECT_EQ(asked[0], QStringLiteral("BK3"));
  EXPECT_EQ(asked[1], QStringLiteral("6S"));
  EXPECT_EQ(asked[36], QStringLiteral("AH"));
  for (TCardWidget* c : Cards) {
    EXPECT_EQ(c->size(), QSize(71, 96));
    EXPECT_EQ(c->Picture(), c->CardState() == 1 ? c->FaceImage() : c->BackImage());
  }
  EXPECT_EQ(Cards[0]->BackImage().pixel(5, 5), qRgb(0, 0, 120));
}

TEST_F(CardFacesTest, MissingPicturesGiveEmptyCards) {
  QStringList asked;
  const QSize size =
      LoadFacesAll(Cards, Library(&asked, {QStringLiteral("BK1"), QStringLiteral("7C")}), 1);
  EXPECT_EQ(size, QSize(0, 0));
  TCardWidget* sevenOfClubs = Cards[5];  // Tag 6
  EXPECT_TRUE(sevenOfClubs->FaceImage().isNull());
  EXPECT_EQ(sevenOfClubs->size(), QSize(0, 0));
  EXPECT_TRUE(Cards[0]->BackImage().isNull());
}

TEST_F(CardFacesTest, ChangingTheBackKeepsFacesSizesAndPlaces) {
  QStringList asked;
  LoadFacesAll(Cards, Library(&asked), 1);
  Cards[0]->SetBounds(100, 50, 71, 96);
  Cards[1]->Turn();
  const QImage face = Cards[0]->FaceImage();
  asked.clear();
  LoadBgAll(Cards, Library(&asked), 4);
  EXPECT_EQ(asked.front(), QStringLiteral("bk4"));
  EXPECT_EQ(asked.size(), 1);
  EXPECT_EQ(Cards[0]->geometry(), QRect(100, 50, 71, 96));
  EXPECT_EQ(Cards[0]->FaceImage(), face);
  EXPECT_EQ(Cards[0]->Picture(), face);                         // face up: still the face
  EXPECT_EQ(Cards[1]->Picture().pixel(3, 3), qRgb(0, 0, 160));  // face down: the new back
  EXPECT_EQ(Cards[1]->BackImage().size(), QSize(96, 71));       // sideways: stored turned
}

TEST_F(CardFacesTest, NamesAndMessages) {
  EXPECT_EQ(FaceNameOf(33), QStringLiteral("10S"));
  EXPECT_EQ(FaceNameOf(53), QStringLiteral("JJ"));
  EXPECT_EQ(CardLibraryMissingMessage(QStringLiteral("c36.dll")),
            QStringLiteral("c36.dll not found !\nProgram terminated"));
  EXPECT_EQ(CardLibraryMissingForBackMessage(QStringLiteral("File"), QStringLiteral("x.col"),
                                             QStringLiteral("not found")),
            QStringLiteral("File x.col not found"));
}

TEST_F(CardFacesTest, MissingLibraryChangesNothing) {
  int w = 59, h = 80;
  EXPECT_FALSE(LoadCardFaces(Cards, QStringLiteral("no-such-card-library.dll"), 1, w, h));
  EXPECT_EQ(w, 59);
  EXPECT_EQ(h, 80);
  EXPECT_FALSE(SetBgAll(Cards, QStringLiteral("no-such-card-library.dll"), 2));
  EXPECT_TRUE(SetBgAll({}, QStringLiteral("no-such-card-library.dll"), 2));  // no cards yet
}

TEST_F(CardFacesTest, ShippedCardLibraryLoadsEveryCard) {
  ASSERT_FALSE(FindPack(QStringLiteral("c36.dll")).isEmpty()) << "c36.dll was not built";
  int w = 0, h = 0;
  ASSERT_TRUE(LoadCardFaces(Cards, QStringLiteral("c36.dll"), 2, w, h));
  EXPECT_GT(w, 0);
  EXPECT_GT(h, w);
  for (TCardWidget* c : Cards) {
    EXPECT_EQ(c->size(), QSize(w, h)) << c->Tag();
    EXPECT_FALSE(c->FaceImage().isNull()) << c->Tag();
  }
  EXPECT_TRUE(SetBgAll(Cards, QStringLiteral("c36.dll"), 5));
  EXPECT_EQ(Cards[1]->Picture(), Cards[1]->BackImage());
}

}  // namespace
}  // namespace durak
