#include "ChampionsDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ChampionsGrid.h"
#include "Game.h"
#include "Mnemonics.h"
#include "OwnPictures.h"
#include "PackLocator.h"
#include "PasswordDialog.h"
#include "PlainText.h"
#include "SafeFile.h"
#include "SettingsPath.h"

namespace durak {

QString ChampionsFilePath() {
  // The program's folder byte for byte, also where its name is not valid text.
  const QString exeDir = ProgramFolder();
  return ChampionsFilePathFor(exeDir, !RunsInstalled(exeDir), DataFolder());
}

QString ChampionsFilePathFor(const QString& exeDir, bool besideProgram, const QString& dataDir) {
  QString beside = QDir(exeDir).filePath(QStringLiteral("durak.r"));
  if (besideProgram && (!QFileInfo::exists(beside) || QFileInfo(beside).isWritable()))
    return beside;
  QDir().mkpath(dataDir);
  QString own = QDir(dataDir).filePath(QStringLiteral("durak.r"));
  if (!QFileInfo::exists(own)) {
    // Earlier versions kept the table one folder deeper (~/.local/share/durak/durak).
    const QString earlier = QDir(dataDir).filePath(QStringLiteral("durak/durak.r"));
    if (QFileInfo(earlier).isFile() && QFile::rename(earlier, own))
      QDir(dataDir).rmdir(QStringLiteral("durak"));
  }
  // Taken over only from a regular file, read to a cap: a pipe or a device placed there
  // would block the start for ever or never end.
  std::string bytes;
  if (!QFileInfo::exists(own) &&
      ReadRegularFile(QFile::encodeName(beside).toStdString(), kMaxChampions * TChempRec::kSize,
                      &bytes) == TFileRead::Read)
    WriteFileAtomically(QFile::encodeName(own).toStdString(), bytes);
  if (QFileInfo::exists(own) || QFileInfo(dataDir).isWritable()) return own;
  // Nowhere to write: the table beside the program is still shown and played on.
  return beside;
}

namespace {

// The dialog as drawn: the grid on the left, a raised frame with the buttons on the right.
constexpr int kHeight = 212;
constexpr int kFrameLeft = 248, kFrameWidth = 103, kButtonLeft = 257;
constexpr int kWidth = kFrameLeft + kFrameWidth;

}  // namespace

TChampionsDialog::TChampionsDialog(TPasswordDialog* passForm, QWidget* parent)
    : QDialog(parent), PasswordDialog(passForm) {
  setFixedSize(kWidth, kHeight);
  Grid = new QTableWidget(this);
  Grid->setGeometry(0, 0, kChempGridWidth, kHeight);
  SetUpChempGrid(Grid);

  ButtonFrame = new QFrame(this);
  ButtonFrame->setFrameShape(QFrame::Panel);
  ButtonFrame->setFrameShadow(QFrame::Raised);
  ButtonFrame->setGeometry(kFrameLeft, 0, kFrameWidth, kHeight);
  struct {
    QPushButton** button;
    const char* caption;
    const char* glyph;
    int top;
  } buttons[] = {{&NewButton, "Новый", "GNEW", 8},
                 {&ResetButton, "Обнулить", "GRESET", 40},
                 {&DeleteButton, "Удалить", "GDELETE", 72},
                 {&CloseButton, "Закрыть", "GCLOSE", 140},
                 {&OkButton, "Дальше", "GOK", 173}};
  for (auto& b : buttons) {
    *b.button = new QPushButton(QString::fromUtf8(b.caption), this);
    (*b.button)->setGeometry(kButtonLeft, b.top, 86, 30);
    (*b.button)->setIcon(QPixmap::fromImage(OwnPicture(QString::fromLatin1(b.glyph))));
    (*b.button)->setAutoDefault(false);
  }
  ReviewButton = new QPushButton(QStringLiteral("Разбор раздачи"), this);
  ReviewButton->setGeometry(kButtonLeft, 106, 86, 30);
  ReviewButton->setAutoDefault(false);
  ReviewButton->setObjectName(QStringLiteral("ReviewButton"));
  connect(ReviewButton, &QPushButton::clicked, this, [this] {
    ReviewAsked = true;
    NextPressed();
  });
  const std::pair<QObject*, const char*> names[] = {
      {Grid, "StringGrid1"},     {NewButton, "BNew"},     {ResetButton, "BReset"},
      {DeleteButton, "BDelete"}, {CloseButton, "BClose"}, {OkButton, "BOK"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));
  OkButton->setDefault(true);
  connect(NewButton, &QPushButton::clicked, this, [this] { NewPressed(); });
  connect(ResetButton, &QPushButton::clicked, this, [this] { ResetPressed(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeletePressed(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(OkButton, &QPushButton::clicked, this, [this] { NextPressed(); });
  connect(Grid, &QTableWidget::cellDoubleClicked, this, [this] {
    if (ChempMode == cmStartUp) NextPressed();
  });

  ChempFile = ChampionsFilePath();
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  PasswordDialog->NameExists = [this](const QString& name) { return NameExists(name); };
  RetryTimer = new QTimer(this);
  RetryTimer->setInterval(5000);
  connect(RetryTimer, &QTimer::timeout, this, [this] { RetryPending(); });
}

void TChampionsDialog::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kChampionsCaptionText]);
  NewButton->setText(t[kNewPlayerText]);
  ResetButton->setText(t[kResetText]);
  DeleteButton->setText(t[kDeleteText]);
  CloseButton->setText(t[kCloseText]);
  OkButton->setText(t[kNextText]);
  ReviewButton->setText(t[kDealReviewText]);
  ReviewButton->setToolTip(t[kDealReviewText]);
  const TextId heads[4] = {kPlayerColumnText, kWinsColumnText, kGamesColumnText, kRatingColumnText};
  for (int c = 0; c < 4; ++c) Headers[c] = t[heads[c]].left(10);
  Text206 = t[kChoosePlayerText];
  CannotSaveText = t[kCannotSaveResultsText];
  GiveMnemonics(this);
  BusyText = t[kChampionsBusyText];
  TooBigText = t[kChampionsTooBigText];
}

void TChampionsDialog::showEvent(QShowEvent* event) {
  PrepareOnShow();
  // Over the game window wherever it stands now, at the size this table needs.
  CentreOnWindow();
  QDialog::showEvent(event);
}

void TChampionsDialog::FitNames() {
  const int gridWidth = FitChempColumns(Grid, ChempTab);
  const int wider = gridWidth - kChempGridWidth;
  Grid->setGeometry(0, 0, gridWidth, kHeight);
  ButtonFrame->setGeometry(kFrameLeft + wider, 0, kFrameWidth, kHeight);
  for (QPushButton* b : {NewButton, ResetButton, DeleteButton, CloseButton, OkButton, ReviewButton})
    b->move(kButtonLeft + wider, b->y());
  if (width() == kWidth + wider) return;
  setFixedSize(kWidth + wider, kHeight);
  // A new long name widens the open table about its middle.
  if (isVisible()) CentreOnWindow();
}

void TChampionsDialog::CentreOnWindow() {
  QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  QScreen* on = owner ? owner->screen() : screen();
  if (!on) return;
  const QRect area = on->availableGeometry();
  // The window system's frame around the dialog, once it has told it.
  const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  const QSize size = this->size().grownBy(margins);
  QRect place(QPoint(0, 0), size);
  place.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : area.center());
  const int left = std::max(area.left(), std::min(place.left(), area.right() + 1 - size.width()));
  const int top = std::max(area.top(), std::min(place.top(), area.bottom() + 1 - size.height()));
  move(left, top);
}

void TChampionsDialog::PrepareOnShow() {
  Grid->setHorizontalHeaderLabels({Headers[0], Headers[1], Headers[2], Headers[3]});
  Grid->setEnabled(ChempMode == cmStartUp);
  ReviewButton->setVisible(ChempMode == cmAfterDeal);
  if (ChempMode == cmStartUp) {
    for (QPushButton* b : {NewButton, ResetButton, DeleteButton, OkButton}) b->setEnabled(true);
    CloseButton->setVisible(true);
    CloseButton->setEnabled(true);
    CurChemp.Name.fill(0);
  } else if (ChempMode == cmView) {
    for (QPushButton* b : {NewButton, ResetButton, DeleteButton, CloseButton}) b->setEnabled(false);
    OkButton->setEnabled(true);
  } else if (ChempMode == cmAfterDeal) {
    NewButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    for (QPushButton* b : {ResetButton, CloseButton, OkButton}) b->setEnabled(true);
    // After a deal the player goes on: the focus is on "Дальше", never on "Обнулить".
    OkButton->setFocus();
  }
  ShowTab();
}

void TChampionsDialog::ShowTab() {
  if (ChempMode == cmView || ChempMode == cmAfterDeal)
    MergeCurChemp();
  else
    ReadTab();
  FillChempGrid(Grid, ChempTab);
  FitNames();
  const int p = GetPos(CurChemp.Name, ChempTab);
  // The current player's record follows the row as stored.
  if (p >= 0 && CurChemp.Name[0] != 0) CurChemp = ChempTab[p];
  Synced();
  if (!ChempTab.empty()) SelectRow(p + 1 > 0 ? p + 1 : 1);
  ScrollChempGrid(Grid, p);
}

bool TChampionsDialog::NameExists(const QString& name) const {
  const QString upper = name.toUpper();
  for (const TChempRec& r : ChempTab)
    if (QString::fromStdString(r.NameText()).toUpper() == upper) return true;
  return false;
}

int TChampionsDialog::SelectedRow() const {
  const auto rows = Grid->selectionModel()->selectedRows();
  if (rows.isEmpty()) return 0;
  return rows.first().row() + 1;
}

void TChampionsDialog::SelectRow(int row) {
  if (row >= 1 && row <= Grid->rowCount()) Grid->selectRow(row - 1);
}

bool TChampionsDialog::CheckPassword(const TChempRec& rec) {
  CurChemp = rec;
  Synced();
  PasswordDialog->PassMode = 0;
  PasswordDialog->CurName = QString::fromStdString(rec.NameText());
  PasswordDialog->CurPass = QString::fromStdString(rec.PassText());
  return PasswordDialog->exec() == QDialog::Accepted;
}

void TChampionsDialog::NextPressed() {
  PasswordDialog->PassMode = 0;
  if (ChempMode != cmStartUp) {
    accept();
    return;
  }
  const int r = SelectedRow();
  if (ChempTab.empty() || r == 0 || r > static_cast<int>(ChempTab.size())) {
    ShowMessage(Text206);
    return;
  }
  const TChempRec& rec = ChempTab[r - 1];
  if (rec.PassText().empty()) {
    CurChemp = rec;
    Synced();
    accept();
    return;
  }
  if (CheckPassword(rec)) accept();
}

void TChampionsDialog::NewPressed() {
  PasswordDialog->PassMode = 1;
  if (PasswordDialog->exec() != QDialog::Accepted) return;
  TChempRec rec;
  rec.SetName(PasswordDialog->Name().toStdString());
  rec.SetPass(PasswordDialog->Password().toStdString());
  CurChemp = rec;
  Synced();
  // Added to the table as it is now, unless another copy has just added the same name.
  Commit([rec](TChempTab& table) {
    if (GetPos(rec.Name, table) < 0) table.push_back(rec);
  });
  ShowTab();
}

void TChampionsDialog::ResetPressed() {
  if (ChempTab.empty()) return;
  PasswordDialog->PassMode = 0;
  const int a = SelectedRow() - 1;
  if (a < 0 || a >= static_cast<int>(ChempTab.size())) return;
  if (ChempMode == cmAfterDeal && GetPos(CurChemp.Name, ChempTab) != a) {
    ShowMessage(QStringLiteral("Mojno tolko sebya"));
    return;
  }
  if (!CheckPassword(ChempTab[a])) return;
  const auto name = ChempTab[a].Name;
  Commit([name](TChempTab& table) {
    const int p = GetPos(name, table);
    if (p < 0) return;
    table[p].Games = table[p].Wins = table[p].Losses = 0;
    table[p].Rating = 0.5;
  });
  const int p = GetPos(name, ChempTab);
  if (p >= 0) CurChemp = ChempTab[p];
  Synced();
  ShowTab();
  if (ResetScores) ResetScores();
}

void TChampionsDialog::DeletePressed() {
  if (ChempTab.empty()) return;
  PasswordDialog->PassMode = 0;
  const int r = SelectedRow();
  if (r == 0 || r > static_cast<int>(ChempTab.size())) {
    ShowMessage(Text206);
    return;
  }
  if (!CheckPassword(ChempTab[r - 1])) return;
  const auto name = ChempTab[r - 1].Name;
  Commit([name](TChempTab& table) {
    const int p = GetPos(name, table);
    if (p >= 0) table.erase(table.begin() + p);
  });
  CurChemp.Name.fill(0);
  Synced();
  ShowTab();
}

}  // namespace durak
