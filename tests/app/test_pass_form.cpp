// The player dialog's checks of names and passwords.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "TPassForm.h"

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
  TPassForm form;
  QStringList shown;
  QList<bool> errors;
};

TEST_F(PassFormTest, CheckAcceptsTheExactPasswordOnly) {
  form.PassMode = 0;
  form.CurName = "Вася";
  form.CurPass = "Secret";
  form.FormActivate();
  EXPECT_FALSE(form.Edit1->isEnabled());
  EXPECT_EQ(form.Edit1->text(), "Вася");
  EXPECT_TRUE(form.MaskEdit2->isHidden());
  form.MaskEdit1->setText("secret");
  form.Button1Click();
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(shown, QStringList{"wrong"});
  EXPECT_TRUE(errors.value(0));
  EXPECT_TRUE(form.MaskEdit1->text().isEmpty());
  form.MaskEdit1->setText("Secret");
  form.Button1Click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(PassFormTest, EmptyStoredPasswordAcceptsAnEmptyEntry) {
  form.PassMode = 0;
  form.CurPass = "";
  form.FormActivate();
  form.Button1Click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(PassFormTest, NewPlayerChecksInOrder) {
  form.PassMode = 1;
  form.FormActivate();
  EXPECT_TRUE(form.Edit1->isEnabled());
  EXPECT_FALSE(form.MaskEdit2->isHidden());
  form.Button1Click();          // empty name
  form.Edit1->setText("вАСЯ");  // exists, other letter case
  form.MaskEdit1->setText("a");
  form.MaskEdit2->setText("a");
  form.Button1Click();
  EXPECT_TRUE(form.MaskEdit1->text().isEmpty());
  form.Edit1->setText("Петя");
  form.MaskEdit1->setText("abc");
  form.MaskEdit2->setText("abC");
  form.Button1Click();  // passwords differ
  EXPECT_EQ(shown, (QStringList{"empty", "exists", "differ"}));
  EXPECT_EQ(errors, (QList<bool>{false, false, true}));
  EXPECT_NE(form.result(), QDialog::Accepted);
  form.Edit1->setText("   ");  // a name of spaces is a name
  form.Button1Click();         // both passwords empty: no password
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(PassFormTest, PasswordTakesTwelveCharactersAtMost) {
  form.PassMode = 1;
  form.FormActivate();
  form.show();
  QTest::keyClicks(form.MaskEdit1, "1234567890123");
  EXPECT_EQ(form.MaskEdit1->text(), "123456789012");
  form.hide();
}

}  // namespace
}  // namespace durak::testing
