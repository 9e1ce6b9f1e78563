#include "TInterDlg.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "CardPacks.h"
#include "Mnemonics.h"
#include "PackLocator.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "TColBtn.h"
#include "TKuvPanel.h"
#include "TKuvTrack.h"

namespace durak {

namespace {

constexpr int kDialogWidth = 500;
// The design sizes of the gradient and brightness groups; the rest follows from them.
constexpr int kGGBWidth = 110, kGGBHeight = 200, kGRBWidth = 110;
constexpr int kButtonWidth = 80, kButtonHeight = 25;

}  // namespace

TInterDlg::TInterDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настройки интерфейса"));
  RubBox1 = new QGroupBox(QStringLiteral("Рубаха"), this);
  for (int k = 0; k < 5; ++k) {
    Image[k] = MakePlain(new QLabel(RubBox1));
    Image[k]->setProperty("Tag", k + 1);
    Image[k]->setCursor(Qt::PointingHandCursor);
    Image[k]->installEventFilter(this);
  }
  Bevel2 = new QFrame(RubBox1);
  Bevel2->setFrameShape(QFrame::Box);
  Bevel2->setFrameShadow(QFrame::Raised);
  Bevel2->setLineWidth(2);
  Bevel2->lower();

  GGB = new QGroupBox(QStringLiteral("Градиент"), this);
  GGB->resize(kGGBWidth, kGGBHeight);
  ColBtn1 = new TColBtn(QStringLiteral("Верх"), GGB);
  ColBtn1->SetVid(vb3Dn);
  ColBtn1->SetLorR(lrLeft);
  ColBtn1->setGeometry(8, 20, kGGBWidth - 16, kButtonHeight);
  KuvPanel1 = new TKuvPanel(GGB);
  KuvPanel1->setGeometry(8, 50, kGGBWidth - 16, kGGBHeight - 50 - 35);
  ColBtn2 = new TColBtn(QStringLiteral("Низ"), GGB);
  ColBtn2->SetVid(vb3Up);
  ColBtn2->SetLorR(lrLeft);
  ColBtn2->setGeometry(8, kGGBHeight - 8 - kButtonHeight, kGGBWidth - 16, kButtonHeight);

  GRB = new QGroupBox(this);
  GRB->resize(kGRBWidth, kGGBHeight);
  KuvPanel2 = new TKuvPanel(GRB);
  KuvPanel2->setGeometry(8, 20, kGRBWidth - 56, kGGBHeight - 28);
  TrackBar1 = new TKuvTrack(Qt::Vertical, GRB);
  TrackBar1->Setup(-10, 10, 1, 1);
  TrackBar1->setGeometry(kGRBWidth - 44, 20, 36, kGGBHeight - 28);

  GCB = new QGroupBox(QStringLiteral("Чистый цвет"), this);
  KuvPanel3 = new TKuvPanel(GCB);
  ColBtn3 = new TColBtn(QStringLiteral("Цвет стола"), GCB);
  ColBtn3->SetVid(vbKrug);
  ColBtn3->SetLorR(lrRight);

  GPB = new QGroupBox(QStringLiteral("Библиотека фонов"), this);
  Label1 = MakePlain(new QLabel(GPB));
  Button1 = new QPushButton(QStringLiteral("Другая..."), GPB);
  CardBox = new QGroupBox(QStringLiteral("CardBox1"), this);
  Label2 = MakePlain(new QLabel(CardBox));
  Button2 = new QPushButton(QStringLiteral("Другая..."), CardBox);
  for (QPushButton* b : {Button1, Button2}) b->resize(kButtonWidth, kButtonHeight);
  for (QLabel* l : {Label1, Label2}) l->resize(130, l->sizeHint().height());

  ScaleBox = new QCheckBox(QStringLiteral("Масштаб по окну"), this);
  ScaleBox->setChecked(true);
  ColBtn4 = new TColBtn(QStringLiteral("Диалог"), this);
  ColBtn4->SetVid(vbSkosh);
  ColBtn4->SetLorR(lrLeft);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {OKBtn, CancelBtn}) b->resize(kButtonWidth, kButtonHeight);
  OKBtn->setDefault(true);

  for (int k = 0; k < 5; ++k) Image[k]->setObjectName(QStringLiteral("Image%1").arg(k + 1));
  const std::pair<QObject*, const char*> names[] = {{RubBox1, "RubBox1"},
                                                    {GGB, "GGB"},
                                                    {GRB, "GRB"},
                                                    {GCB, "GCB"},
                                                    {GPB, "GPB"},
                                                    {CardBox, "CardBox"},
                                                    {Bevel2, "Bevel2"},
                                                    {ColBtn1, "ColBtn1"},
                                                    {ColBtn2, "ColBtn2"},
                                                    {ColBtn3, "ColBtn3"},
                                                    {ColBtn4, "ColBtn4"},
                                                    {KuvPanel1, "KuvPanel1"},
                                                    {KuvPanel2, "KuvPanel2"},
                                                    {KuvPanel3, "KuvPanel3"},
                                                    {TrackBar1, "TrackBar1"},
                                                    {Label1, "Label1"},
                                                    {Label2, "Label2"},
                                                    {Button1, "Button1"},
                                                    {Button2, "Button2"},
                                                    {OKBtn, "OKBtn"},
                                                    {CancelBtn, "CancelBtn"},
                                                    {ScaleBox, "ScaleBox"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  connect(ColBtn1, &TColBtn::ColorChanged, this,
          [this] { KuvPanel1->SetSColor(ColBtn1->BtnColor()); });
  connect(ColBtn2, &TColBtn::ColorChanged, this,
          [this] { KuvPanel1->SetFColor(ColBtn2->BtnColor()); });
  connect(ColBtn3, &TColBtn::ColorChanged, this,
          [this] { KuvPanel3->SetColor(ColBtn3->BtnColor()); });
  connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
  connect(Button1, &QPushButton::clicked, this, [this] { ChooseLibrary(true); });
  connect(Button2, &QPushButton::clicked, this, [this] { ChooseLibrary(false); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  // The file dialog opens where the current library lies, with it selected, and leaves the
  // current folder alone.
  ChooseFile = [this](const QString& filter) {
    const QString folder = LibraryFolder(ChoosingDesk);
    const QString current = (ChoosingDesk ? Label1 : Label2)->text();
    const QString start =
        QFileInfo::exists(QDir(folder).filePath(current)) ? QDir(folder).filePath(current) : folder;
    return QFileDialog::getOpenFileName(this, ChoosingDesk ? DeskFileCaption : CardFileCaption,
                                        start, filter);
  };
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  setFixedWidth(kDialogWidth);
  TrackBar1Change();
}

void TInterDlg::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kAppearanceCaptionText]);
  RubBox1->setTitle(t[kBackGroupText]);
  GGB->setTitle(t[kGradientGroupText]);
  ColBtn1->setText(t[kGradientTopText]);
  ColBtn2->setText(t[kGradientBottomText]);
  GRBHint = t[kBrightnessText];
  GRB->setToolTip(PlainToolTip(t[kBrightnessText]));
  TrackBar1Change();
  GCB->setTitle(t[kSolidGroupText]);
  ColBtn3->setText(t[kTableColourText]);
  ColBtn4->setText(t[kSpeechColourText]);
  GPB->setTitle(t[kDeskLibraryGroupText]);
  Button1->setText(t[kOtherLibraryText]);
  Button2->setText(t[kOtherLibraryText]);
  CardBox->setTitle(t[kCardLibraryGroupText]);
  ScaleBox->setText(t[kScaleToWindowText]);
  PlaceScaleBox();
  OKBtn->setText(t[kOkText]);
  CancelBtn->setText(t[kCancelText]);
  Text198 = t[kLibraryNotOpenedText];
  Text202 = t[kLacksPictureText];
  Text203 = t[kLibraryWordText];
  DeskFilterText = t[kDeskFilterText];
  CardFilterText = t[kCardFilterText];
  DeskFileCaption = t[kDeskFileCaptionText];
  CardFileCaption = t[kCardFileCaptionText];
  GiveMnemonics(this);
}

void TInterDlg::Load(const TKuvPanel& table, const QColor& wordsColor, const QString& dtPath,
                     const QString& colodaPath) {
  KuvPanel1->SetSColor(table.SColor());
  KuvPanel1->SetFColor(table.FColor());
  ColBtn1->SetBtnColor(table.SColor());
  ColBtn2->SetBtnColor(table.FColor());
  TrackBar1->setValue(table.RBright());
  TrackBar1Change();
  KuvPanel3->SetColor(table.Color());
  ColBtn3->SetBtnColor(table.Color());
  ColBtn4->SetBtnColor(wordsColor);
  Label1->setText(dtPath);
  Label2->setText(colodaPath);
  Arrange();
}

void TInterDlg::SetScaleToWindow(bool on) {
  ScaleBox->setChecked(on);
}

TAppearanceChoice TInterDlg::Choice() const {
  TAppearanceChoice choice;
  choice.TableColor = KuvPanel3->Color();
  choice.Brightness = KuvPanel2->RBright();
  choice.GradientTop = KuvPanel1->SColor();
  choice.GradientBottom = KuvPanel1->FColor();
  choice.DeskLibrary = Label1->text();
  choice.CardLibrary = Label2->text();
  choice.ScaleToWindow = ScaleBox->isChecked();
  choice.SpeechColor = ColBtn4->BtnColor();
  return choice;
}

void TInterDlg::TrackBar1Change() {
  KuvPanel2->SetRBright(TrackBar1->value());
  GRB->setTitle(QStringLiteral("%1 (%2)").arg(GRBHint).arg(TrackBar1->value()));
}

void TInterDlg::SelectBack(int n) {
  if (n < 1 || n > 5) return;
  const QRect r = Image[n - 1]->geometry();
  Bevel2->setGeometry(r.left() - 5, r.top() - 5, r.width() + 10, r.height() + 10);
  Rubaha = n;
}

bool TInterDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease)
    for (QLabel* image : Image)
      if (watched == image) SelectBack(image->property("Tag").toInt());
  return QDialog::eventFilter(watched, event);
}

namespace {

// The file names the file dialog offers for each kind of library.
QStringList LibraryPatterns(bool desk) {
  return desk ? QStringList{QStringLiteral("dtop*.dll")}
              : QStringList{QStringLiteral("coloda*.col"), QStringLiteral("c36.dll")};
}

}  // namespace

QString TInterDlg::LibraryFolder(bool desk) const {
  const QString found = FindPack((desk ? Label1 : Label2)->text());
  if (!found.isEmpty()) return QFileInfo(found).absolutePath();
  for (const QString& dir : PackSearchDirs())
    if (!QDir(dir).entryList(LibraryPatterns(desk), QDir::Files).isEmpty()) return dir;
  return QCoreApplication::applicationDirPath();
}

QString TInterDlg::LibraryFilter(bool desk) const {
  return QStringLiteral("%1 (%2)").arg(desk ? DeskFilterText : CardFilterText,
                                       LibraryPatterns(desk).join(QLatin1Char(' ')));
}

void TInterDlg::ChooseLibrary(bool desk) {
  ChoosingDesk = desk;
  const QString chosen = ChooseFile(LibraryFilter(desk));
  if (chosen.isEmpty()) return;
  // Libraries are found by their bare names, as the settings keep them.
  const QString name = QFileInfo(chosen).fileName();
  ResourcePack pack;
  if (!pack.Open(name)) {
    ShowMessage(Text198);
    return;
  }
  // A card library must hold every face and a back, each large enough to be seen.
  if (desk ? pack.HasImage(QStringLiteral("DT7")) : CardPackPlayable(pack))
    (desk ? Label1 : Label2)->setText(name);
  else
    ShowMessage(Text203 + QStringLiteral(" ") + name + QStringLiteral("\n") + Text202);
  pack.Close();
  if (!desk) Arrange();
}

void TInterDlg::PlaceScaleBox() {
  // The colour button gives up width when the scale option's caption needs it.
  const int top = CardBox->geometry().bottom() + 1 + 10;
  const int need = ScaleBox->sizeHint().width();
  const int colW = std::max(40, std::min(GCB->width() / 2, GCB->width() - need - 10));
  ColBtn4->setGeometry(GCB->x(), top, colW, (GCB->height() / 3) * 2);
  const int x = ColBtn4->geometry().right() + 1 + 10;
  ScaleBox->setGeometry(x, ColBtn4->y() + (ColBtn4->height() - ScaleBox->sizeHint().height()) / 2,
                        std::max(need, RubBox1->geometry().right() - x),
                        ScaleBox->sizeHint().height());
}

void TInterDlg::Arrange() {
  const int dlgW = width();
  int bw = 0, bh = 0;
  std::array<QImage, 5> backs;
  {
    ResourcePack pack;
    if (!pack.Open(Label2->text())) return;
    for (int k = 0; k < 5; ++k) {
      backs[k] = pack.LoadImage(QStringLiteral("BK%1").arg(k + 1));
      bw = std::max(bw, backs[k].width());
      bh = std::max(bh, backs[k].height());
    }
  }
  // Backs too wide for five in a row with 10 pixels between them are shown smaller, so the
  // previews never cover each other.
  RubBox1->setGeometry(10, 10, dlgW - 20, bh + 30);
  const int room = RubBox1->contentsRect().width();
  if (bw > 0 && 5 * bw + 6 * 10 > room) {
    const int w = std::max(1, (room - 6 * 10) / 5);
    bh = std::max(1, bh * w / bw);
    bw = w;
    for (QImage& back : backs)
      if (!back.isNull())
        back = back.scaled(bw, bh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  for (int k = 0; k < 5; ++k) Image[k]->setPixmap(QPixmap::fromImage(backs[k]));
  RubBox1->setGeometry(10, 10, dlgW - 20, bh + 30);
  const int gap = (RubBox1->contentsRect().width() - 5 * bw) / 6;
  for (int k = 1; k <= 5; ++k) Image[k - 1]->setGeometry((k - 1) * bw + k * gap, 20, bw, bh);

  KuvPanel1->SetMode(pmGradient);
  KuvPanel2->SetMode(pmRainbow);
  KuvPanel3->SetMode(pmSolid);

  const int y = RubBox1->geometry().bottom() + 1 + 10;
  const int q = GGB->height() / 4;
  GGB->move(10, y);
  GRB->move(GGB->geometry().right() + 1 + 10, y);
  const int gcbLeft = GRB->geometry().right() + 1 + 10;
  GCB->setGeometry(gcbLeft, y, RubBox1->geometry().right() + 1 - gcbLeft, q);

  const int pw = (GCB->width() - 30) / 2, ph = GCB->height() - 20;
  KuvPanel3->setGeometry(10, GCB->height() - ph - 5, pw, ph);
  ColBtn3->setGeometry(pw + 20, KuvPanel3->y(), pw, ph);

  GPB->setGeometry(GCB->x(), GCB->geometry().bottom() + 1 + 5, GCB->width(), q);
  CardBox->setGeometry(GCB->x(), GPB->geometry().bottom() + 1 + 5, GCB->width(), q);
  for (QGroupBox* box : {GPB, CardBox}) {
    QLabel* label = box == GPB ? Label1 : Label2;
    QPushButton* button = box == GPB ? Button1 : Button2;
    label->resize(box->width() - button->width() - 30, label->height());
    label->move(10, (box->height() - label->height()) / 2 + 10);
    button->move(box->width() - 10 - button->width(), (box->height() - button->height() + 10) / 2);
  }
  PlaceScaleBox();

  const int buttonTop = GGB->geometry().bottom() + 1 + 10;
  OKBtn->move(dlgW / 4 - OKBtn->width() / 2, buttonTop);
  CancelBtn->move(dlgW / 4 * 3 - CancelBtn->width() / 2, buttonTop);
  setFixedHeight(OKBtn->geometry().bottom() + 1 + 10);
  SelectBack(Rubaha);
}

}  // namespace durak
