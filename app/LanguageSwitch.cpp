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
#include "KeyboardAccess.h"
#include "MainWindow.h"
#include "MenuCommands.h"
#include "OptionsDialog.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "ResourcePack.h"
#include "RulesWindow.h"
#include "TNameLabel.h"
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
  (language == 2 ? menus_->Items().EnglishItem : menus_->Items().RussianItem)->setChecked(true);
  settings_.Language = language == lnEnglish ? lnEnglish : lnRussian;
  ApplyLanguage(language);
}

void TMainWindow::ApplyLanguage(int language) {
  if (!LoadLanguage(language)) {
    QString message = (texts_[kLibraryWordText] + QStringLiteral(" durlang.dll ")).left(63);
    message = (message + texts_[kCannotOpenText]).left(113);
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), message);
    close();
    return;
  }
  if (!TablePlaying()) engine_->ShowSpeech(static_cast<TSpeech>(engine_->LastSpeech));
}

bool TMainWindow::LoadLanguage(int language) {
  const int base = language == 2 ? 300 : 0;
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("durlang.dll"))) return false;
  for (int i = 1; i < TTextTable::kFirstBlockEnd; ++i) {
    // The rules window's paragraphs are longer than a caption.
    texts_.At(i) = i >= kFirstRulesText ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  for (int i = TTextTable::kSecondBlockStart; i < TTextTable::kCount; ++i) {
    const bool tableRules =
        i >= kFirstTableRulesText && i < kFirstTableRulesText + kTableRulesTextCount;
    texts_.At(i) = tableRules ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  pack.Close();
  textsLanguage_ = language;
  FollowWithQtDialogs(this, language);
  ApplyTexts();
  return true;
}

void TMainWindow::ApplyTexts() {
  const TTextTable& t = texts_;
  textsLoaded_ = true;
  menus_->ApplyTexts(t);
  ShowDealNumber();
  parts_.DealButton->setText(t[kShuffleButtonText]);
  parts_.DiscardButton->setText(t[kBitoButtonText]);
  parts_.TakeButton->setText(t[kBeruButtonText]);
  parts_.ComputerTakesButton->setText(t[kTakeItButtonText]);
  parts_.DefendButton->setText(t[kDefendButtonText]);
  // The key letters, in the order of the captions.
  const std::array<TRaisedButton*, 5> byCaption = parts_.ButtonsByCaption();
  for (int i = 0; i < 5; ++i) {
    const QString letter = t[KeyLetterText(i)];
    byCaption[i]->SetKeyLetter(letter.size() == 1 ? letter.at(0) : QChar());
  }
  if (tableWindow_) tableWindow_->ApplyTexts();
  parts_.ComputerScoreCaption->setText(t[kComputerSideText]);
  parts_.StockCaption->setText(t[kStockSideText]);
  // Until a player is chosen in the champions table the player's side has its caption.
  const TChampionsDialog* chemp = championsDialog_.IfMade();
  if (chemp && !chemp->CurChemp.NameText().empty())
    parts_.PlayerNameLabel->setText(QString::fromStdString(chemp->CurChemp.NameText()));
  else
    parts_.PlayerNameLabel->setText(t[kPlayerSideText]);

  // The engine's words: card names for the pick-a-pair menu and the speeches.
  TGameTexts& g = engine_->Texts;
  for (int s = 1; s <= 4; ++s) g.SuitWords[s] = Cut(t[SuitWordText(s)], 10);
  for (int r = 6; r <= 14; ++r) g.RankWords[r] = Cut(t[RankWordText(r)], 10);
  g.PopupWords = {Cut(t[kBeatWordText], 10), Cut(t[kTransferWordText], 10)};
  for (int k = 1; k <= kSpeechSituations; ++k)
    for (int v = 0; v < kSpeechVariants; ++v) g.Speeches[k][v] = Cut(t[SpeechText(k, v)], 49);

  // Each dialog puts the texts on its own captions.
  if (TChampionsDialog* d = championsDialog_.IfMade()) d->ApplyTexts(t);
  if (TPasswordDialog* d = passwordDialog_.IfMade()) d->ApplyTexts(t);

  // The options and appearance dialogs take them when made, if they are not yet.
  if (TOptionsDialog* d = menus_->OptionsDialog().IfMade()) d->ApplyTexts(t);
  if (TAppearanceDialog* d = menus_->AppearanceDialog().IfMade()) d->ApplyTexts(t);

  if (menus_->DealReviewWindow()) menus_->DealReviewWindow()->ApplyTexts(t);
  if (menus_->RulesWindow()) menus_->RulesWindow()->ApplyTexts(t);
  keys_->UpdateAccessibleTexts();
  parts_.ArrangeColumn();
  parts_.ArrangeBottomBar();
}

}  // namespace durak
