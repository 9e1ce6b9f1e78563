// Switching the language: every caption, the word tables, the speeches and the messages
// come from the language library, Russian texts 1..206 and English 301..506.
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTranslator>

#include "PlainText.h"
#include "ResourcePack.h"
#include "TBtn3d.h"
#include "TChempForm.h"
#include "TForm1.h"
#include "TInterDlg.h"
#include "TPassForm.h"
#include "TRubDlg.h"
#include "TRulesForm.h"

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

void TForm1::L2Click(int language) {
  (language == 2 ? L2 : L1)->setChecked(true);
  Settings.Language = language;
  ChangeLang(language);
}

void TForm1::ChangeLang(int language) {
  if (!LoadLanguage(language)) {
    QString message = (Texts[kLibraryWordText] + QStringLiteral(" durlang.dll ")).left(63);
    message = (message + Texts[kCannotOpenText]).left(113);
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), message);
    close();
    return;
  }
  Engine->ShowSpeech(Engine->LastSpeech);
}

bool TForm1::LoadLanguage(int language) {
  const int base = language == 2 ? 300 : 0;
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("durlang.dll"))) return false;
  for (int i = 1; i < TTextTable::kFirstBlockEnd; ++i) {
    // The rules window's paragraphs are longer than a caption.
    Texts.At(i) = i >= kFirstRulesText ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  for (int i = TTextTable::kSecondBlockStart; i < TTextTable::kCount; ++i) {
    Texts.At(i) = pack.LoadText(base + i);
  }
  pack.Close();
  TextsLanguage = language;
  FollowWithQtDialogs(this, language);
  ApplyTexts();
  return true;
}

void TForm1::ApplyTexts() {
  const TTextTable& t = Texts;
  TextsLoaded = true;
  File1->menuAction()->setText(t[kFileMenuText]);
  N8->setText(t[kNewGameMenuText]);
  N7->setText(t[kChampionsMenuText]);
  N2->setText(t[kExitMenuText]);
  Options1->menuAction()->setText(t[kOptionsMenuText]);
  N3->setText(t[kSettingsMenuText]);
  Inter->setText(t[kAppearanceMenuText]);
  N4->menuAction()->setText(t[kDeskMenuText]);
  for (int i = 0; i < 10; ++i) F[i]->setText(t[DeskText(i)]);
  Language1->menuAction()->setText(t[kLanguageMenuText]);
  L1->setText(t[kRussianMenuText]);
  L2->setText(t[kEnglishMenuText]);
  N6->menuAction()->setText(t[kHelpMenuText]);
  N5->setText(t[kAboutMenuText]);
  Exit1->setText(t[kQuitMenuText]);
  setWindowTitle(t[kWindowTitleText]);
  Button2->setText(t[kShuffleButtonText]);
  Button4->setText(t[kBitoButtonText]);
  Button1->setText(t[kBeruButtonText]);
  Button3->setText(t[kTakeItButtonText]);
  Button5->setText(t[kDefendButtonText]);
  // The key letters, in the order of the captions.
  const std::array<TBtn3d*, 5> byCaption = {Button2, Button4, Button1, Button3, Button5};
  for (int i = 0; i < 5; ++i) {
    const QString letter = t[KeyLetterText(i)];
    byCaption[i]->SetKeyLetter(letter.size() == 1 ? letter.at(0) : QChar());
  }
  Label7->setText(t[kComputerSideText]);
  Label1->setText(t[kStockSideText]);
  // Until a player is chosen in the champions table the player's side has its caption.
  const TChempForm* chemp = ChempForm_.IfMade();
  if (chemp && !chemp->CurChemp.NameText().empty())
    Label6->setText(QString::fromStdString(chemp->CurChemp.NameText()));
  else
    Label6->setText(t[kPlayerSideText]);

  // The engine's words: card names for the pick-a-pair menu and the speeches.
  TGameTexts& g = Engine->Texts;
  for (int s = 1; s <= 4; ++s) g.SuitWords[s] = Cut(t[SuitWordText(s)], 10);
  for (int r = 6; r <= 14; ++r) g.RankWords[r] = Cut(t[RankWordText(r)], 10);
  g.PopupWords = {Cut(t[kBeatWordText], 10), Cut(t[kTransferWordText], 10)};
  for (int k = 1; k <= kSpeechSituations; ++k)
    for (int v = 0; v < kSpeechVariants; ++v) g.Speeches[k][v] = Cut(t[SpeechText(k, v)], 49);

  // Each dialog puts the texts on its own captions.
  if (TChempForm* d = ChempForm_.IfMade()) d->ApplyTexts(t);
  if (TPassForm* d = PassForm_.IfMade()) d->ApplyTexts(t);

  // The desk entries of the right-click menu share the main menu's texts.
  for (int i = 0; i < 10; ++i) PF[i]->setText(t[DeskText(i)]);

  // The options and appearance dialogs take them when made, if they are not yet.
  if (TRubDlg* d = RubDlg.IfMade()) d->ApplyTexts(t);
  if (TInterDlg* d = InterDlg.IfMade()) d->ApplyTexts(t);

  RulesItem->setText(t[kRulesMenuText]);
  HintItem->setText(t[kHintMenuText]);
  if (RulesForm) RulesForm->ApplyTexts(t);
  UpdateAccessibleTexts();
  ArrangeColumn();
  ArrangeBottomBar();
}

}  // namespace durak
