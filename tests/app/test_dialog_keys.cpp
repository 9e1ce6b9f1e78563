// The dialogs from the keyboard alone: Tab leaves the champions grid and reaches every
// button, each button has a key letter of its own in both languages, after a deal the
// table opens on "Дальше", and the player dialog's fields are named by their captions.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "ChampionsDialog.h"
#include "Mnemonics.h"
#include "PasswordDialog.h"
#include "ResourcePack.h"
#include "TextTable.h"

namespace durak::testing {
namespace {

class DialogKeysTest : public ::testing::Test {
 protected:
  DialogKeysTest() : chemp(&pass) { chemp.ChempFile = dir.filePath("durak.r"); }
  // The texts of a language from the language pack.
  static TTextTable Texts(int language) {
    ResourcePack pack;
    EXPECT_TRUE(pack.Open(QStringLiteral("durlang.dll"))) << "the language pack is built";
    TTextTable t;
    for (int n = 1; n < TTextTable::kCount; ++n) t.At(n) = pack.LoadText(n + 300 * (language - 1));
    return t;
  }
  void Show(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  QTemporaryDir dir;
  TPasswordDialog pass;
  TChampionsDialog chemp;
};

TEST_F(DialogKeysTest, TabLeavesTheChampionsGridForEveryButton) {
  chemp.ApplyTexts(Texts(1));
  chemp.ChempMode = cmStartUp;
  Show(chemp);
  auto* grid = chemp.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
  ASSERT_NE(grid, nullptr);
  grid->setFocus();
  QSet<QWidget*> reached;
  for (int i = 0; i < 12; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    reached.insert(QApplication::focusWidget());
  }
  for (const char* name : {"BNew", "BReset", "BDelete", "BClose", "BOK"}) {
    EXPECT_TRUE(reached.contains(chemp.findChild<QPushButton*>(QString::fromLatin1(name)))) << name;
  }
  EXPECT_TRUE(reached.contains(grid));  // and round again to the grid
  chemp.hide();
}

TEST_F(DialogKeysTest, AfterADealTheTableOpensOnContinue) {
  chemp.ApplyTexts(Texts(1));
  chemp.ChempMode = cmAfterDeal;
  Show(chemp);
  EXPECT_EQ(QApplication::focusWidget(), chemp.findChild<QPushButton*>(QStringLiteral("BOK")));
  chemp.hide();
}

TEST_F(DialogKeysTest, EveryButtonHasAKeyLetterOfItsOwnInBothLanguages) {
  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    const TTextTable t = Texts(language);
    chemp.ApplyTexts(t);
    pass.ApplyTexts(t);
    for (QDialog* dialog : {static_cast<QDialog*>(&chemp), static_cast<QDialog*>(&pass)}) {
      QSet<QChar> letters;
      for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        const QString text = b->text();
        const int at = static_cast<int>(text.indexOf(u'&'));
        ASSERT_GE(at, 0) << text.toStdString();
        ASSERT_LT(at + 1, text.size());
        const QChar letter = text[at + 1].toLower();
        EXPECT_TRUE(letter.isLetter()) << text.toStdString();
        EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
        letters.insert(letter);
      }
    }
    // Applying the texts again marks the same letters, never a second mark.
    const QString before = chemp.findChild<QPushButton*>(QStringLiteral("BOK"))->text();
    chemp.ApplyTexts(t);
    EXPECT_EQ(chemp.findChild<QPushButton*>(QStringLiteral("BOK"))->text(), before);
    EXPECT_EQ(WithoutMnemonic(before), t[kNextText]);
  }
  EXPECT_EQ(WithoutMnemonic(QStringLiteral("Tom && &Jerry")), QStringLiteral("Tom & Jerry"));
}

TEST_F(DialogKeysTest, ThePlayerDialogsFieldsAreNamedByTheirCaptions) {
  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    const TTextTable t = Texts(language);
    pass.ApplyTexts(t);
    const std::pair<const char*, TextId> fields[] = {{"Edit1", kPlayerNameText},
                                                     {"MaskEdit1", kPasswordText},
                                                     {"MaskEdit2", kRepeatPasswordText}};
    for (const auto& [name, text] : fields) {
      auto* edit = pass.findChild<QLineEdit*>(QString::fromLatin1(name));
      ASSERT_NE(edit, nullptr) << name;
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit);
      ASSERT_NE(a, nullptr);
      QString expected = t[text];
      expected.remove(u'&');
      // A reader names the field by its caption, without the caption's colon.
      QString heard = a->text(QAccessible::Name);
      EXPECT_FALSE(heard.isEmpty()) << name;
      EXPECT_TRUE(expected.startsWith(heard) || heard.startsWith(expected.chopped(1)))
          << name << ": " << heard.toStdString() << " / " << expected.toStdString();
    }
  }
}

}  // namespace
}  // namespace durak::testing
