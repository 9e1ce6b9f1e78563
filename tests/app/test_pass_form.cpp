// The player dialog's checks of names and passwords.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "ChempFile.h"
#include "PasswordDialog.h"
#include "WidgetPart.h"

namespace durak::testing {
namespace {

class PassFormTest : public ::testing::Test {
 protected:
  PassFormTest() {
    form.Text200 = "wrong";
    form.Text201 = "differ";
    form.Text204 = "exists";
    form.Text205 = "empty";
    form.ShowMessage = [this](const QString& text, bool error) {
      shown << text;
      errors << error;
    };
    form.NameExists = [](const QString& name) {
      return name.toUpper() == QStringLiteral("ВАСЯ").toUpper();
    };
  }
  TPasswordDialog form;
  QStringList shown;
  QList<bool> errors;
};

TEST_F(PassFormTest, CheckAcceptsTheExactPasswordOnly) {
  form.PassMode = 0;
  form.CurName = "Вася";
  form.CurPass = "Secret";
  form.PrepareOnShow();
  EXPECT_FALSE(Part<QLineEdit>(form, "Edit1")->isEnabled());
  EXPECT_EQ(Part<QLineEdit>(form, "Edit1")->text(), "Вася");
  EXPECT_TRUE(Part<QLineEdit>(form, "MaskEdit2")->isHidden());
  Part<QLineEdit>(form, "MaskEdit1")->setText("secret");
  form.OkPressed();
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(shown, QStringList{"wrong"});
  EXPECT_TRUE(errors.value(0));
  EXPECT_TRUE(Part<QLineEdit>(form, "MaskEdit1")->text().isEmpty());
  Part<QLineEdit>(form, "MaskEdit1")->setText("Secret");
  form.OkPressed();
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(PassFormTest, EmptyStoredPasswordAcceptsAnEmptyEntry) {
  form.PassMode = 0;
  form.CurPass = "";
  form.PrepareOnShow();
  form.OkPressed();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(PassFormTest, NewPlayerChecksInOrder) {
  form.PassMode = 1;
  form.PrepareOnShow();
  EXPECT_TRUE(Part<QLineEdit>(form, "Edit1")->isEnabled());
  EXPECT_FALSE(Part<QLineEdit>(form, "MaskEdit2")->isHidden());
  form.OkPressed();                                 // empty name
  Part<QLineEdit>(form, "Edit1")->setText("вАСЯ");  // exists, other letter case
  Part<QLineEdit>(form, "MaskEdit1")->setText("a");
  Part<QLineEdit>(form, "MaskEdit2")->setText("a");
  form.OkPressed();
  EXPECT_TRUE(Part<QLineEdit>(form, "MaskEdit1")->text().isEmpty());
  Part<QLineEdit>(form, "Edit1")->setText("Петя");
  Part<QLineEdit>(form, "MaskEdit1")->setText("abc");
  Part<QLineEdit>(form, "MaskEdit2")->setText("abC");
  form.OkPressed();  // passwords differ
  EXPECT_EQ(shown, (QStringList{"empty", "exists", "differ"}));
  EXPECT_EQ(errors, (QList<bool>{false, false, true}));
  EXPECT_NE(form.result(), QDialog::Accepted);
  Part<QLineEdit>(form, "Edit1")->setText("   ");  // a name of spaces is a name
  form.OkPressed();                                // both passwords empty: no password
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(PassFormTest, PasswordTakesTwelveCharactersAtMost) {
  form.PassMode = 1;
  form.PrepareOnShow();
  form.show();
  QTest::keyClicks(Part<QLineEdit>(form, "MaskEdit1"), "1234567890123");
  EXPECT_EQ(Part<QLineEdit>(form, "MaskEdit1")->text(), "123456789012");
  form.hide();
}

// Types the text one character at a time, as a keyboard with any layout would.
void Type(QWidget* edit, const QString& text) {
  for (char32_t c : text.toUcs4())
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                        Qt::NoModifier);
}

// Names and passwords are kept in the champions file in Windows-1251: a character outside
// it cannot be typed, so what is stored is always exactly what was typed.
TEST_F(PassFormTest, OnlyCharactersTheChampionsFileKeepsCanBeTyped) {
  form.PassMode = 1;
  form.show();
  form.PrepareOnShow();
  const QString emoji = QString::fromUcs4(U"\U0001F600");
  Type(Part<QLineEdit>(form, "Edit1"), QStringLiteral("Jos\u00e9 \u0401\u0436") + emoji);
  EXPECT_EQ(Part<QLineEdit>(form, "Edit1")->text().toStdString(),
            QStringLiteral("Jos \u0401\u0436").toStdString());
  Type(Part<QLineEdit>(form, "MaskEdit1"),
       QStringLiteral("p\u00e4ss\u20ac") + emoji + QStringLiteral("\u0436"));
  EXPECT_EQ(Part<QLineEdit>(form, "MaskEdit1")->text().toStdString(),
            QStringLiteral("pss\u20ac\u0436").toStdString());
  // A pasted text loses the characters the file cannot keep and keeps the rest.
  Part<QLineEdit>(form, "MaskEdit2")->clear();
  Part<QLineEdit>(form, "MaskEdit2")
      ->insert(QStringLiteral("p\u00e4ss") + emoji + QStringLiteral("\u20ac\u0436"));
  EXPECT_EQ(Part<QLineEdit>(form, "MaskEdit2")->text().toStdString(),
            QStringLiteral("pss\u20ac\u0436").toStdString());

  for (QLineEdit* edit : {Part<QLineEdit>(form, "Edit1"), Part<QLineEdit>(form, "MaskEdit1")}) {
    TChempRec rec;
    rec.SetName(Part<QLineEdit>(form, "Edit1")->text().toStdString());
    rec.SetPass(edit->text().toStdString());
    const auto bytes = rec.Encode();
    const TChempRec back = TChempRec::Decode(bytes.data());
    EXPECT_EQ(back.NameText(), Part<QLineEdit>(form, "Edit1")->text().toStdString());
    EXPECT_EQ(back.PassText(), edit->text().toStdString());
  }
  // The stored password is accepted when typed again.
  form.OkPressed();
  EXPECT_EQ(form.result(), QDialog::Accepted) << shown.join("; ").toStdString();
  form.hide();
}

}  // namespace
}  // namespace durak::testing
