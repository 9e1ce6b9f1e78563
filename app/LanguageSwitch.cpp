// Switching the language: every caption, the word tables, the speeches and the messages
// come from the language library, Russian texts 1..206 and English 301..506.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "ResourcePack.h"
#include "TBtn3d.h"
#include "TChempForm.h"
#include "TForm1.h"
#include "TPassForm.h"

namespace durak {

namespace {

std::string Cut(const QString& text, int capacity) { return text.left(capacity).toStdString(); }

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
    QMessageBox::information(this, windowTitle(), message);
    close();
    return;
  }
  for (int i = 1; i <= 206; ++i) Texts[i] = pack.LoadText(base + i);
  pack.Close();
  ApplyTexts();
  Engine->ShowSpeech(Engine->LastSpeech);
}

void TForm1::ApplyTexts() {
  const auto& t = Texts;
  QAction* menu[] = {nullptr, File1->menuAction(), N8, N7, N2, Options1->menuAction(), N3, Inter,
                     N4->menuAction()};
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
  ArrangeColumn();
  ArrangeBottomBar();
}

}  // namespace durak
