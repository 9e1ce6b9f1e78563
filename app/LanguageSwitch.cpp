// Switching the language: every caption, the word tables, the speeches and the messages
// come from the language library, Russian texts 1..206 and English 301..506.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTranslator>

#include "AppearanceDialog.h"
#include "ChampionsDialog.h"
#include "DealReviewWindow.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "ResourcePack.h"
#include "RulesWindow.h"
#include "TableWindow.h"

namespace durak {

namespace {

std::string Cut(const QString& text, int capacity) {
  return text.left(capacity).toStdString();
}

// Qt's own dialogs (the colour and file dialogs, the buttons of message boxes) speak the
// game's language: Qt's Russian translation is installed while the game is Russian. Without
// that translation on the machine they stay English.
void FollowWithQtDialogs(QObject* owner, int language) {
  auto* qt =
      owner->findChild<QTranslator*>(QStringLiteral("QtTranslator"), Qt::FindDirectChildrenOnly);
  if (!qt) {
    qt = new QTranslator(owner);
    qt->setObjectName(QStringLiteral("QtTranslator"));
  }
  QCoreApplication::removeTranslator(qt);
  if (language == 2) return;
  if (qt->isEmpty() &&
      !qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  QCoreApplication::installTranslator(qt);
}

}  // namespace

void TMainWindow::LanguageChosen(int language) {
  (language == 2 ? EnglishItem : RussianItem)->setChecked(true);
  Settings.Language = language == lnEnglish ? lnEnglish : lnRussian;
  ApplyLanguage(language);
}

void TMainWindow::ApplyLanguage(int language) {
  if (!LoadLanguage(language)) {
    QString message = (Texts[kLibraryWordText] + QStringLiteral(" durlang.dll ")).left(63);
    message = (message + Texts[kCannotOpenText]).left(113);
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), message);
    close();
    return;
  }
  if (!TablePlaying()) Engine->ShowSpeech(static_cast<TSpeech>(Engine->LastSpeech));
}

bool TMainWindow::LoadLanguage(int language) {
  const int base = language == 2 ? 300 : 0;
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("durlang.dll"))) return false;
  for (int i = 1; i < TTextTable::kFirstBlockEnd; ++i) {
    // The rules window's paragraphs are longer than a caption.
    Texts.At(i) = i >= kFirstRulesText ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  for (int i = TTextTable::kSecondBlockStart; i < TTextTable::kCount; ++i) {
    const bool tableRules =
        i >= kFirstTableRulesText && i < kFirstTableRulesText + kTableRulesTextCount;
    Texts.At(i) = tableRules ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  pack.Close();
  TextsLanguage = language;
  FollowWithQtDialogs(this, language);
  ApplyTexts();
  return true;
}

void TMainWindow::ApplyTexts() {
  const TTextTable& t = Texts;
  TextsLoaded = true;
  FileMenu->menuAction()->setText(t[kFileMenuText]);
  NewGameItem->setText(t[kNewGameMenuText]);
  ChampionsItem->setText(t[kChampionsMenuText]);
  ExitItem->setText(t[kExitMenuText]);
  OptionsMenu->menuAction()->setText(t[kOptionsMenuText]);
  OptionsItem->setText(t[kSettingsMenuText]);
  AppearanceItem->setText(t[kAppearanceMenuText]);
  DeskPictureMenu->menuAction()->setText(t[kDeskMenuText]);
  for (int i = 0; i < 10; ++i) DeskItems[i]->setText(t[DeskText(i)]);
  LanguageMenu->menuAction()->setText(t[kLanguageMenuText]);
  RussianItem->setText(t[kRussianMenuText]);
  EnglishItem->setText(t[kEnglishMenuText]);
  HelpMenu->menuAction()->setText(t[kHelpMenuText]);
  AboutItem->setText(t[kAboutMenuText]);
  ExitBarItem->setText(t[kQuitMenuText]);
  ShowDealNumber();
  DealByNumberItem->setText(t[kDealByNumberMenuText]);
  StatisticsItem->setText(t[kStatisticsMenuText]);
  DealButton->setText(t[kShuffleButtonText]);
  DiscardButton->setText(t[kBitoButtonText]);
  TakeButton->setText(t[kBeruButtonText]);
  ComputerTakesButton->setText(t[kTakeItButtonText]);
  DefendButton->setText(t[kDefendButtonText]);
  // The key letters, in the order of the captions.
  const std::array<TRaisedButton*, 5> byCaption = {DealButton, DiscardButton, TakeButton,
                                                   ComputerTakesButton, DefendButton};
  for (int i = 0; i < 5; ++i) {
    const QString letter = t[KeyLetterText(i)];
    byCaption[i]->SetKeyLetter(letter.size() == 1 ? letter.at(0) : QChar());
  }
  if (TableWindow) TableWindow->ApplyTexts();
  ComputerScoreCaption->setText(t[kComputerSideText]);
  StockCaption->setText(t[kStockSideText]);
  // Until a player is chosen in the champions table the player's side has its caption.
  const TChampionsDialog* chemp = ChampionsDialog_.IfMade();
  if (chemp && !chemp->CurChemp.NameText().empty())
    PlayerNameLabel->setText(QString::fromStdString(chemp->CurChemp.NameText()));
  else
    PlayerNameLabel->setText(t[kPlayerSideText]);

  // The engine's words: card names for the pick-a-pair menu and the speeches.
  TGameTexts& g = Engine->Texts;
  for (int s = 1; s <= 4; ++s) g.SuitWords[s] = Cut(t[SuitWordText(s)], 10);
  for (int r = 6; r <= 14; ++r) g.RankWords[r] = Cut(t[RankWordText(r)], 10);
  g.PopupWords = {Cut(t[kBeatWordText], 10), Cut(t[kTransferWordText], 10)};
  for (int k = 1; k <= kSpeechSituations; ++k)
    for (int v = 0; v < kSpeechVariants; ++v) g.Speeches[k][v] = Cut(t[SpeechText(k, v)], 49);

  // Each dialog puts the texts on its own captions.
  if (TChampionsDialog* d = ChampionsDialog_.IfMade()) d->ApplyTexts(t);
  if (TPasswordDialog* d = PasswordDialog_.IfMade()) d->ApplyTexts(t);

  // The desk entries of the right-click menu share the main menu's texts.
  for (int i = 0; i < 10; ++i) DeskPopupItems[i]->setText(t[DeskText(i)]);

  // The options and appearance dialogs take them when made, if they are not yet.
  if (TOptionsDialog* d = OptionsDialog.IfMade()) d->ApplyTexts(t);
  if (TAppearanceDialog* d = AppearanceDialog.IfMade()) d->ApplyTexts(t);

  RulesItem->setText(t[kRulesMenuText]);
  HintItem->setText(t[kHintMenuText]);
  DealReviewItem->setText(t[kDealReviewText]);
  if (DealReviewWindow) DealReviewWindow->ApplyTexts(t);
  if (RulesWindow) RulesWindow->ApplyTexts(t);
  UpdateAccessibleTexts();
  ArrangeColumn();
  ArrangeBottomBar();
}

}  // namespace durak
