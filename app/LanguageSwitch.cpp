// Switching the language: every caption, the word tables, the speeches and the messages
// come from the language library, Russian texts 1..206 and English 301..506.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

#include "AddedTexts.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "TBtn3d.h"
#include "TChempForm.h"
#include "TColBtn.h"
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
  const int base = language == 2 ? 300 : 0;
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("durlang.dll"))) {
    QString message = (Texts[203] + QStringLiteral(" durlang.dll ")).left(63);
    message = (message + Texts[197]).left(113);
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), message);
    close();
    return;
  }
  for (int i = 1; i < kTextCount; ++i) {
    // The rules window's paragraphs are longer than a caption.
    Texts[i] = i >= kFirstRulesText ? pack.LoadLongText(base + i) : pack.LoadText(base + i);
  }
  pack.Close();
  FollowWithQtDialogs(this, language);
  ApplyTexts();
  Engine->ShowSpeech(Engine->LastSpeech);
}

void TForm1::ApplyTexts() {
  const auto& t = Texts;
  QAction* menu[] = {nullptr, File1->menuAction(), N8, N7, N2, Options1->menuAction(), N3,
                     Inter,   N4->menuAction()};
  for (int i = 1; i <= 8; ++i) menu[i]->setText(t[i]);
  for (int i = 0; i < 10; ++i) F[i]->setText(t[9 + i]);
  Language1->menuAction()->setText(t[19]);
  L1->setText(t[20]);
  L2->setText(t[21]);
  N6->menuAction()->setText(t[22]);
  N5->setText(t[23]);
  Exit1->setText(t[24]);
  setWindowTitle(t[25]);
  Button2->setText(t[66]);
  Button4->setText(t[67]);
  Button1->setText(t[68]);
  Button3->setText(t[69]);
  Button5->setText(t[70]);
  // The key letters, in the order of the captions 66..70.
  const std::array<TBtn3d*, 5> byCaption = {Button2, Button4, Button1, Button3, Button5};
  for (int i = 0; i < 5; ++i) {
    const QString letter = t[kFirstKeyLetterText + i];
    byCaption[i]->SetKeyLetter(letter.size() == 1 ? letter.at(0) : QChar());
  }
  Label7->setText(t[72]);
  Label1->setText(t[73]);
  Label6->setText(QString::fromStdString(ChempForm_->CurChemp.NameText()));

  // The engine's words: card names for the pick-a-pair menu and the speeches.
  TGameTexts& g = Engine->Texts;
  for (int s = 1; s <= 4; ++s) g.SuitWords[s] = Cut(t[74 + s], 10);
  for (int r = 6; r <= 14; ++r) g.RankWords[r] = Cut(t[73 + r], 10);
  g.PopupWords = {Cut(t[88], 10), Cut(t[89], 10)};
  for (int k = 1; k <= 19; ++k)
    for (int v = 0; v < 5; ++v) g.Speeches[k][v] = Cut(t[97 + 5 * k + v], 49);

  // The champions table and the player dialog.
  ChempForm_->setWindowTitle(t[29]);
  ChempForm_->BNew->setText(t[90]);
  ChempForm_->BReset->setText(t[91]);
  ChempForm_->BDelete->setText(t[92]);
  ChempForm_->BClose->setText(t[93]);
  ChempForm_->BOK->setText(t[94]);
  const int heads[4] = {95, 97, 96, 98};
  for (int c = 0; c < 4; ++c) ChempForm_->Headers[c] = t[heads[c]].left(10);
  ChempForm_->Text206 = t[206];
  ChempForm_->CannotSaveText = t[210];
  TPassForm* pass = findChild<TPassForm*>();
  if (pass) {
    pass->setWindowTitle(t[30]);
    pass->Label1->setText(t[99]);
    pass->Label2->setText(t[100]);
    pass->Label3->setText(t[101]);
    pass->Button1->setText(t[64]);
    pass->Button2->setText(t[65]);
    pass->Text200 = t[200];
    pass->Text201 = t[201];
    pass->Text204 = t[204];
    pass->Text205 = t[205];
  }

  // The desk entries of the right-click menu share the main menu's texts.
  for (int i = 0; i < 10; ++i) PF[i]->setText(t[9 + i]);

  // The options dialog.
  TRubDlg& rub = *RubDlg;
  rub.setWindowTitle(t[26]);
  rub.HG1->setTitle(t[49]);
  rub.CheckBox1->setText(t[50]);
  rub.ColBtn1->setText(t[51]);
  rub.SG->setTitle(t[52]);
  for (int i = 0; i < 3; ++i) rub.SG->Items[i]->setText(t[53 + i]);
  rub.DP->setTitle(t[56]);
  for (int i = 0; i < 2; ++i) rub.DP->Items[i]->setText(t[57 + i]);
  rub.GroupBox1->setTitle(t[59]);
  rub.Label1->setText(t[60]);
  rub.Label2->setText(t[61]);
  rub.CheckBox2->setText(t[62]);
  rub.CheckBox3->setText(t[63]);
  rub.OG->setTitle(t[kOpponentGroupText]);
  rub.OG->Items[0]->setText(t[kOpponentUsualText]);
  rub.OG->Items[1]->setText(t[kOpponentStrongText]);
  rub.OKBtn->setText(t[64]);
  rub.CancelBtn->setText(t[65]);

  // The appearance dialog and its messages.
  TInterDlg& inter = *InterDlg;
  inter.setWindowTitle(t[27]);
  inter.RubBox1->setTitle(t[31]);
  inter.GGB->setTitle(t[32]);
  inter.ColBtn1->setText(t[33]);
  inter.ColBtn2->setText(t[34]);
  inter.GRBHint = t[35];
  inter.GRB->setToolTip(PlainToolTip(t[35]));
  inter.TrackBar1Change();
  inter.GCB->setTitle(t[36]);
  inter.ColBtn3->setText(t[37]);
  inter.ColBtn4->setText(t[38]);
  inter.GPB->setTitle(t[39]);
  inter.Button1->setText(t[40]);
  inter.Button2->setText(t[40]);
  inter.CardBox->setTitle(t[42]);
  inter.ScaleBox->setText(t[215]);
  inter.PlaceScaleBox();
  inter.OKBtn->setText(t[64]);
  inter.CancelBtn->setText(t[65]);
  inter.Text198 = t[198];
  inter.Text202 = t[202];
  inter.Text203 = t[203];
  inter.DeskFilterText = t[kDeskFilterText];
  inter.CardFilterText = t[kCardFilterText];

  RulesItem->setText(t[kRulesMenuText]);
  HintItem->setText(t[kHintMenuText]);
  if (RulesForm) RulesForm->ApplyTexts(t.data(), kTextCount);
  UpdateAccessibleTexts();
  ArrangeColumn();
  ArrangeBottomBar();
}

}  // namespace durak
