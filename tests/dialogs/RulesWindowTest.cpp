// The rules window: opened from the Help menu, every section of the rules in the current
// language, whole paragraphs (not cut to a caption's length), and a language switch that
// rewrites the open window. Pictures of it in both languages go to DURAK_DIALOG_SHOTS.
#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>

#include "Mnemonics.h"
#include "RaisedButton.h"
#include "RulesWindow.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class RulesWindow : public WindowFixture {
 protected:
  void Shoot(const QString& name) {
    const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
    if (dir.isEmpty()) return;
    TRulesWindow* rules = Form->Menus().RulesWindow();
    rules->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    // The end of the rules too, scrolled down.
    QScrollBar* bar = Part<QTextBrowser>(*rules, "Browser")->verticalScrollBar();
    const int at = bar->value();
    bar->setValue(bar->maximum());
    rules->grab().save(QDir(dir).filePath(name + QStringLiteral("-end.png")));
    bar->setValue(at);
  }
};

TEST_F(RulesWindow, HelpMenuOpensTheRulesInEachLanguage) {
  ASSERT_EQ(Form->Menus().RulesWindow(), nullptr);
  Form->Menus().Items().RulesItem->trigger();
  ASSERT_NE(Form->Menus().RulesWindow(), nullptr);
  TRulesWindow* rules = Form->Menus().RulesWindow();
  EXPECT_TRUE(rules->isVisible());
  EXPECT_FALSE(rules->isModal());

  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    Form->LanguageChosen(language);  // the open window follows the language menu
    EXPECT_EQ(Form->Menus().Items().RulesItem->text(), PackText(240, language));
    EXPECT_EQ(rules->windowTitle(), PackText(241, language));
    EXPECT_EQ(WithoutMnemonic(Part<QPushButton>(*rules, "CloseBtn")->text()),
              PackText(242, language));
    const QString shown = Part<QTextBrowser>(*rules, "Browser")->toPlainText();
    int sections = 0;
    for (int n = 271; n <= 299 && !Form->Texts().At(n).isEmpty(); n += 2) {
      EXPECT_TRUE(shown.contains(Form->Texts().At(n))) << "heading " << n;
      // Each paragraph whole, line by line, far beyond a caption's 49 characters.
      for (const QString& line : Form->Texts().At(n + 1).split('\n')) {
        EXPECT_TRUE(shown.contains(line)) << "text " << n + 1 << ": " << line.toStdString();
      }
      EXPECT_GT(Form->Texts().At(n + 1).size(), 49) << "text " << n + 1 << " was cut";
      ++sections;
    }
    // The aim, the deal, the leader, beating, throwing in, several-card leads, transfer,
    // taking, done and drawing, the end and the draw, the buttons, score and rating, keys,
    // the screen reader.
    EXPECT_EQ(sections, 14);
    // Every command button named in the rules as it is captioned.
    for (TRaisedButton* b :
         {Form->Parts().TakeButton, Form->Parts().DealButton, Form->Parts().ComputerTakesButton,
          Form->Parts().DiscardButton, Form->Parts().DefendButton}) {
      EXPECT_TRUE(shown.contains(b->text())) << b->text().toStdString();
    }
    Shoot(language == 2 ? QStringLiteral("rules-en") : QStringLiteral("rules-ru"));
  }

  // Closing and opening again gives the same window, at the front.
  Part<QPushButton>(*rules, "CloseBtn")->click();
  EXPECT_FALSE(rules->isVisible());
  Form->Menus().Items().RulesItem->trigger();
  EXPECT_EQ(Form->Menus().RulesWindow(), rules);
  EXPECT_TRUE(rules->isVisible());
}

// The end of a deal as the game plays it: the computer's last card against a card that
// cannot beat it waits for the take, and the rules say so, naming the take button.
TEST_F(RulesWindow, TheEndOfADealSaysTheGameWaitsForTheTake) {
  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    Form->LanguageChosen(language);
    const QString end = Form->Texts().At(290);
    EXPECT_TRUE(end.contains(Form->Parts().TakeButton->text())) << end.toStdString();
  }
  TGame& g = Form->Game();
  g.Trump = 4;  // hearts
  g.Deck.clear();
  g.CompHand.clear();
  g.PlayerHand = {CardInfoOfTag(TagOf(6, 1))};  // the six of spades
  g.CompRow[0] = CardInfoOfTag(TagOf(9, 2));    // the nine of clubs, led as the last card
  g.TableCards = {g.CompRow[0]};
  g.PlayMode = pmDefend;
  EXPECT_EQ(g.CheckGameOver(), drGoesOn);
}

// The keyboard section names every key: the hint's H, the rules' F1, F2, Escape, and each
// command button's letter beside its caption.
TEST_F(RulesWindow, TheKeyboardSectionNamesEveryKey) {
  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    Form->LanguageChosen(language);
    const QString keys = Form->Texts().At(296);
    // Each key begins a line of its own or a sentence ("F1 ... . F2 ...").
    for (const char* key : {"H", "F1", "F2", "Enter"}) {
      const QRegularExpression named(QStringLiteral("(^|\\n|\\. )%1[ :]").arg(QLatin1String(key)));
      EXPECT_TRUE(keys.contains(named)) << key;
    }
    for (TRaisedButton* b :
         {Form->Parts().TakeButton, Form->Parts().DealButton, Form->Parts().ComputerTakesButton,
          Form->Parts().DiscardButton, Form->Parts().DefendButton}) {
      const QString letter(b->KeyLetter());
      const bool named =
          keys.contains(letter + QString::fromUtf8(" — «") + b->text() + QString::fromUtf8("»")) ||
          keys.contains(letter + QStringLiteral(" \"") + b->text() + QChar('"'));
      EXPECT_TRUE(named) << b->text().toStdString();
    }
  }
}

TEST(RulesPage, BuiltFromTheOpeningAndSectionsWithTheirTextEscaped) {
  const QString html = RulesHtml(QStringLiteral("Intro"),
                                 {{QStringLiteral("A <b>"), QStringLiteral("one\ntwo & three")}});
  EXPECT_TRUE(html.contains(QStringLiteral("<i>Intro</i>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<h3>A &lt;b&gt;</h3>")));
  EXPECT_TRUE(html.contains(QStringLiteral("<p>one</p><p>two &amp; three</p>")));
  // Without texts the window stays empty rather than showing a broken page.
  TRulesWindow form;
  const TTextTable none;
  form.ApplyTexts(none);
  EXPECT_TRUE(Part<QTextBrowser>(form, "Browser")->toPlainText().trimmed().isEmpty());
}

}  // namespace
}  // namespace durak::testing
