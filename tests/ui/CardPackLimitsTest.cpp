// A card library that cannot be played with counts as one that cannot be opened: it must
// hold all 36 faces and a back, none too small to see. A back it lacks is replaced by its
// first back rather than left empty.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "ResourcePack.h"
#include "TestPacks.h"
#include "cards/CardFaces.h"
#include "cards/CardPacks.h"
#include "cards/CardWidget.h"

namespace durak {
namespace {

using test::Entries;
using test::PngOf;

class CardPackLimitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());  // packs are found by bare name in the current folder too
    for (int tag = 1; tag <= 36; ++tag) {
      owned_.push_back(std::make_unique<TCardWidget>(tag));
      cards_.push_back(owned_.back().get());
      cards_.back()->SetCard(tag + 16, 1);
    }
  }
  void TearDown() override { QDir::setCurrent(old_); }

  // A library with every face of the given size and the given backs; `skip` names a face
  // left out.
  QString Library(const char* name, QSize face, QList<int> backs, const QString& skip = {}) {
    Entries entries;
    for (int i = 0; i < 36; ++i)
      if (FaceNameOf(i + 17) != skip)
        entries.push_back({FaceNameOf(i + 17) + ".png", PngOf(face, QColor(i * 7, 0, 0))});
    for (int b : backs)
      entries.push_back({QStringLiteral("BK%1.png").arg(b), PngOf(QSize(40, 60), QColor(0, 0, b))});
    const QString bare = QString::fromLatin1(name);
    test::WriteZip(dir_.filePath(bare), entries);
    return bare;
  }

  QTemporaryDir dir_;
  QString old_;
  std::vector<std::unique_ptr<TCardWidget>> owned_;
  std::vector<TCardWidget*> cards_;
};

TEST_F(CardPackLimitsTest, MissingOrTinyPicturesMakeALibraryUnplayable) {
  const QString tiny = Library("coloda-tiny.col", QSize(1, 1), {1});
  const QString noBack = Library("coloda-noback.col", QSize(40, 60), {});
  const QString noFace = Library("coloda-noface.col", QSize(40, 60), {1}, QStringLiteral("AH"));
  const QString good = Library("coloda-good.col", QSize(40, 60), {1});
  for (const QString& bad : {tiny, noBack, noFace}) {
    ResourcePack pack;
    ASSERT_TRUE(pack.Open(bad)) << bad.toStdString();
    EXPECT_FALSE(CardPackPlayable(pack)) << bad.toStdString();
    int w = 5, h = 7;
    EXPECT_FALSE(LoadCardFaces(cards_, bad, 1, w, h)) << bad.toStdString();
    EXPECT_EQ(w, 5);  // nothing changed
    EXPECT_TRUE(cards_[0]->FaceImage().isNull());
  }
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(good));
  EXPECT_TRUE(CardPackPlayable(pack));
}

TEST_F(CardPackLimitsTest, BackTheLibraryLacksBecomesItsFirstBack) {
  const QString one = Library("coloda-one.col", QSize(40, 60), {1});
  int w = 0, h = 0;
  ASSERT_TRUE(LoadCardFaces(cards_, one, 3, w, h));
  EXPECT_EQ(QSize(w, h), QSize(40, 60));
  EXPECT_EQ(cards_[0]->BackImage().pixelColor(5, 5), QColor(0, 0, 1));
  ASSERT_TRUE(SetBgAll(cards_, one, 4));
  EXPECT_FALSE(cards_[0]->BackImage().isNull());
}

}  // namespace
}  // namespace durak
