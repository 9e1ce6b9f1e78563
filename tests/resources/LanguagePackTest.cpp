// The language pack: every text of both languages, each short enough, and the
// five wordings of every speech different from each other.
#include <gtest/gtest.h>

#include <QSet>

#include "ResourcePack.h"

using durak::ResourcePack;

namespace {

// The texts as written in the pack, before the game cuts them.
QHash<int, QString> RawTexts(ResourcePack& pack) {
  QHash<int, QString> texts;
  const QString all = QString::fromUtf8(pack.ReadEntry(QStringLiteral("strings.tsv")));
  for (const QString& line : all.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const int tab = line.indexOf(QLatin1Char('\t'));
    if (tab > 0) texts.insert(line.left(tab).toInt(), line.mid(tab + 1));
  }
  return texts;
}

TEST(LanguagePack, HoldsEveryTextOfBothLanguagesWithin49Characters) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("durlang.dll")));
  const QHash<int, QString> raw = RawTexts(pack);
  for (const int base : {0, 300}) {
    for (int n = base + 1; n <= base + 206; ++n) {
      const QString text = pack.LoadText(n);
      EXPECT_FALSE(text.isEmpty()) << "text " << n << " is missing";
      // Escapes like \n count as the one character they stand for.
      QString unescaped = raw.value(n);
      unescaped.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
      unescaped.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
      unescaped.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
      EXPECT_LE(unescaped.toUcs4().size(), 49) << "text " << n << " is too long";
    }
  }
  EXPECT_TRUE(pack.LoadText(207).isEmpty());
  EXPECT_TRUE(pack.LoadText(507).isEmpty());
}

TEST(LanguagePack, TheFiveWordingsOfEachSpeechDiffer) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("durlang.dll")));
  for (const int base : {0, 300}) {
    for (int speech = 1; speech <= 19; ++speech) {
      QSet<QString> wordings;
      for (int variant = 0; variant < 5; ++variant) {
        wordings.insert(pack.LoadText(base + 97 + 5 * speech + variant));
      }
      EXPECT_EQ(wordings.size(), 5) << "speech " << speech << " at base " << base;
    }
  }
}

TEST(LanguagePack, RussianAndEnglishAreDifferentTexts) {
  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("durlang.dll")));
  int same = 0;
  for (int n = 1; n <= 206; ++n) same += pack.LoadText(n) == pack.LoadText(n + 300);
  // Links and the like may read the same in both; captions and speeches may not.
  EXPECT_LT(same, 12);
}

}  // namespace
