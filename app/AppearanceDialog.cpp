#include "AppearanceDialog.h"

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
#include "ColourButton.h"
#include "Mnemonics.h"
#include "PackLocator.h"
#include "PaintedPanel.h"
#include "PlainText.h"
#include "ResourcePack.h"
#include "Slider.h"

namespace durak {

namespace {

constexpr int kDialogWidth = 500;
// The design sizes of the gradient and brightness groups; the rest follows from them.
constexpr int kGGBWidth = 110, kGGBHeight = 200, kGRBWidth = 110;
constexpr int kButtonWidth = 80, kButtonHeight = 25;

}  // namespace

// Makes every control of the dialog, group by group as they stand on it; a list of
// straightforward steps, longer than a function should be but plain to follow.
TAppearanceDialog::TAppearanceDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настройки интерфейса"));
  BackGroup = new QGroupBox(QStringLiteral("Рубаха"), this);
  for (int k = 0; k < 5; ++k) {
    BackPreviews[k] = MakePlain(new QLabel(BackGroup));
    BackPreviews[k]->setProperty("Tag", k + 1);
    BackPreviews[k]->setCursor(Qt::PointingHandCursor);
    BackPreviews[k]->installEventFilter(this);
  }
  BackFrame = new QFrame(BackGroup);
  BackFrame->setFrameShape(QFrame::Box);
  BackFrame->setFrameShadow(QFrame::Raised);
  BackFrame->setLineWidth(2);
  BackFrame->lower();

  GradientGroup = new QGroupBox(QStringLiteral("Градиент"), this);
  GradientGroup->resize(kGGBWidth, kGGBHeight);
  GradientTopButton = new TColourButton(QStringLiteral("Верх"), GradientGroup);
  GradientTopButton->SetVid(vb3Dn);
  GradientTopButton->SetLorR(lrLeft);
  GradientTopButton->setGeometry(8, 20, kGGBWidth - 16, kButtonHeight);
  GradientPreview = new TPaintedPanel(GradientGroup);
  GradientPreview->setGeometry(8, 50, kGGBWidth - 16, kGGBHeight - 50 - 35);
  GradientBottomButton = new TColourButton(QStringLiteral("Низ"), GradientGroup);
  GradientBottomButton->SetVid(vb3Up);
  GradientBottomButton->SetLorR(lrLeft);
  GradientBottomButton->setGeometry(8, kGGBHeight - 8 - kButtonHeight, kGGBWidth - 16,
                                    kButtonHeight);

  RainbowGroup = new QGroupBox(this);
  RainbowGroup->resize(kGRBWidth, kGGBHeight);
  RainbowPreview = new TPaintedPanel(RainbowGroup);
  RainbowPreview->setGeometry(8, 20, kGRBWidth - 56, kGGBHeight - 28);
  BrightnessSlider = new TSlider(Qt::Vertical, RainbowGroup);
  BrightnessSlider->Setup(-10, 10, 1, 1);
  BrightnessSlider->setGeometry(kGRBWidth - 44, 20, 36, kGGBHeight - 28);

  PlainColourGroup = new QGroupBox(QStringLiteral("Чистый цвет"), this);
  PlainColourPreview = new TPaintedPanel(PlainColourGroup);
  TableColourButton = new TColourButton(QStringLiteral("Цвет стола"), PlainColourGroup);
  TableColourButton->SetVid(vbKrug);
  TableColourButton->SetLorR(lrRight);

  DeskLibraryGroup = new QGroupBox(QStringLiteral("Библиотека фонов"), this);
  DeskLibraryLabel = MakePlain(new QLabel(DeskLibraryGroup));
  OtherDeskLibraryButton = new QPushButton(QStringLiteral("Другая..."), DeskLibraryGroup);
  CardLibraryGroup = new QGroupBox(QStringLiteral("CardBox1"), this);
  CardLibraryLabel = MakePlain(new QLabel(CardLibraryGroup));
  OtherCardLibraryButton = new QPushButton(QStringLiteral("Другая..."), CardLibraryGroup);
  for (QPushButton* b : {OtherDeskLibraryButton, OtherCardLibraryButton})
    b->resize(kButtonWidth, kButtonHeight);
  for (QLabel* l : {DeskLibraryLabel, CardLibraryLabel}) l->resize(130, l->sizeHint().height());

  ScaleBox = new QCheckBox(QStringLiteral("Масштаб по окну"), this);
  ScaleBox->setChecked(true);
  SpeechColourButton = new TColourButton(QStringLiteral("Диалог"), this);
  SpeechColourButton->SetVid(vbSkosh);
  SpeechColourButton->SetLorR(lrLeft);

  OkButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* b : {OkButton, CancelButton}) b->resize(kButtonWidth, kButtonHeight);
  OkButton->setDefault(true);

  for (int k = 0; k < 5; ++k) BackPreviews[k]->setObjectName(QStringLiteral("Image%1").arg(k + 1));
  const std::pair<QObject*, const char*> names[] = {{BackGroup, "RubBox1"},
                                                    {GradientGroup, "GGB"},
                                                    {RainbowGroup, "GRB"},
                                                    {PlainColourGroup, "GCB"},
                                                    {DeskLibraryGroup, "GPB"},
                                                    {CardLibraryGroup, "CardBox"},
                                                    {BackFrame, "Bevel2"},
                                                    {GradientTopButton, "ColBtn1"},
                                                    {GradientBottomButton, "ColBtn2"},
                                                    {TableColourButton, "ColBtn3"},
                                                    {SpeechColourButton, "ColBtn4"},
                                                    {GradientPreview, "KuvPanel1"},
                                                    {RainbowPreview, "KuvPanel2"},
                                                    {PlainColourPreview, "KuvPanel3"},
                                                    {BrightnessSlider, "TrackBar1"},
                                                    {DeskLibraryLabel, "Label1"},
                                                    {CardLibraryLabel, "Label2"},
                                                    {OtherDeskLibraryButton, "Button1"},
                                                    {OtherCardLibraryButton, "Button2"},
                                                    {OkButton, "OKBtn"},
                                                    {CancelButton, "CancelBtn"},
                                                    {ScaleBox, "ScaleBox"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  connect(GradientTopButton, &TColourButton::ColorChanged, this,
          [this] { GradientPreview->SetSColor(GradientTopButton->BtnColor()); });
  connect(GradientBottomButton, &TColourButton::ColorChanged, this,
          [this] { GradientPreview->SetFColor(GradientBottomButton->BtnColor()); });
  connect(TableColourButton, &TColourButton::ColorChanged, this,
          [this] { PlainColourPreview->SetColor(TableColourButton->BtnColor()); });
  connect(BrightnessSlider, &QSlider::valueChanged, this, [this] { BrightnessChanged(); });
  connect(OtherDeskLibraryButton, &QPushButton::clicked, this, [this] { ChooseLibrary(true); });
  connect(OtherCardLibraryButton, &QPushButton::clicked, this, [this] { ChooseLibrary(false); });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  // The file dialog opens where the current library lies, with it selected, and leaves the
  // current folder alone.
  ChooseFile = [this](const QString& filter) {
    const QString folder = LibraryFolder(ChoosingDesk);
    const QString current = (ChoosingDesk ? DeskLibraryLabel : CardLibraryLabel)->text();
    const QString start =
        QFileInfo::exists(QDir(folder).filePath(current)) ? QDir(folder).filePath(current) : folder;
    return QFileDialog::getOpenFileName(this, ChoosingDesk ? DeskFileCaption : CardFileCaption,
                                        start, filter);
  };
  ShowMessage = [this](const QString& text) {
    ShowPlainMessage(this, QMessageBox::Information, windowTitle(), text);
  };
  setFixedWidth(kDialogWidth);
  BrightnessChanged();
}

void TAppearanceDialog::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kAppearanceCaptionText]);
  BackGroup->setTitle(t[kBackGroupText]);
  GradientGroup->setTitle(t[kGradientGroupText]);
  GradientTopButton->setText(t[kGradientTopText]);
  GradientBottomButton->setText(t[kGradientBottomText]);
  GRBHint = t[kBrightnessText];
  RainbowGroup->setToolTip(PlainToolTip(t[kBrightnessText]));
  BrightnessChanged();
  PlainColourGroup->setTitle(t[kSolidGroupText]);
  TableColourButton->setText(t[kTableColourText]);
  SpeechColourButton->setText(t[kSpeechColourText]);
  DeskLibraryGroup->setTitle(t[kDeskLibraryGroupText]);
  OtherDeskLibraryButton->setText(t[kOtherLibraryText]);
  OtherCardLibraryButton->setText(t[kOtherLibraryText]);
  CardLibraryGroup->setTitle(t[kCardLibraryGroupText]);
  ScaleBox->setText(t[kScaleToWindowText]);
  PlaceScaleBox();
  OkButton->setText(t[kOkText]);
  CancelButton->setText(t[kCancelText]);
  Text198 = t[kLibraryNotOpenedText];
  Text202 = t[kLacksPictureText];
  Text203 = t[kLibraryWordText];
  DeskFilterText = t[kDeskFilterText];
  CardFilterText = t[kCardFilterText];
  DeskFileCaption = t[kDeskFileCaptionText];
  CardFileCaption = t[kCardFileCaptionText];
  GiveMnemonics(this);
}

void TAppearanceDialog::Load(const TPaintedPanel& table, const QColor& wordsColor,
                             const QString& dtPath, const QString& colodaPath) {
  GradientPreview->SetSColor(table.SColor());
  GradientPreview->SetFColor(table.FColor());
  GradientTopButton->SetBtnColor(table.SColor());
  GradientBottomButton->SetBtnColor(table.FColor());
  BrightnessSlider->setValue(table.RBright());
  BrightnessChanged();
  PlainColourPreview->SetColor(table.Color());
  TableColourButton->SetBtnColor(table.Color());
  SpeechColourButton->SetBtnColor(wordsColor);
  DeskLibraryLabel->setText(dtPath);
  CardLibraryLabel->setText(colodaPath);
  Arrange();
}

void TAppearanceDialog::SetScaleToWindow(bool on) {
  ScaleBox->setChecked(on);
}

TAppearanceChoice TAppearanceDialog::Choice() const {
  TAppearanceChoice choice;
  choice.TableColor = PlainColourPreview->Color();
  choice.Brightness = RainbowPreview->RBright();
  choice.GradientTop = GradientPreview->SColor();
  choice.GradientBottom = GradientPreview->FColor();
  choice.DeskLibrary = DeskLibraryLabel->text();
  choice.CardLibrary = CardLibraryLabel->text();
  choice.ScaleToWindow = ScaleBox->isChecked();
  choice.SpeechColor = SpeechColourButton->BtnColor();
  return choice;
}

void TAppearanceDialog::BrightnessChanged() {
  RainbowPreview->SetRBright(BrightnessSlider->value());
  RainbowGroup->setTitle(QStringLiteral("%1 (%2)").arg(GRBHint).arg(BrightnessSlider->value()));
}

void TAppearanceDialog::SelectBack(int n) {
  if (n < 1 || n > 5) return;
  const QRect r = BackPreviews[n - 1]->geometry();
  BackFrame->setGeometry(r.left() - 5, r.top() - 5, r.width() + 10, r.height() + 10);
  CardBack = n;
}

bool TAppearanceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease)
    for (QLabel* image : BackPreviews)
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

QString TAppearanceDialog::LibraryFolder(bool desk) const {
  const QString found = FindPack((desk ? DeskLibraryLabel : CardLibraryLabel)->text());
  if (!found.isEmpty()) return QFileInfo(found).absolutePath();
  for (const QString& dir : PackSearchDirs())
    if (!QDir(dir).entryList(LibraryPatterns(desk), QDir::Files).isEmpty()) return dir;
  return QCoreApplication::applicationDirPath();
}

QString TAppearanceDialog::LibraryFilter(bool desk) const {
  return QStringLiteral("%1 (%2)").arg(desk ? DeskFilterText : CardFilterText,
                                       LibraryPatterns(desk).join(QLatin1Char(' ')));
}

void TAppearanceDialog::ChooseLibrary(bool desk) {
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
    (desk ? DeskLibraryLabel : CardLibraryLabel)->setText(name);
  else
    ShowMessage(Text203 + QStringLiteral(" ") + name + QStringLiteral("\n") + Text202);
  pack.Close();
  if (!desk) Arrange();
}

void TAppearanceDialog::PlaceScaleBox() {
  // The colour button gives up width when the scale option's caption needs it.
  const int top = CardLibraryGroup->geometry().bottom() + 1 + 10;
  const int need = ScaleBox->sizeHint().width();
  const int colW =
      std::max(40, std::min(PlainColourGroup->width() / 2, PlainColourGroup->width() - need - 10));
  SpeechColourButton->setGeometry(PlainColourGroup->x(), top, colW,
                                  (PlainColourGroup->height() / 3) * 2);
  const int x = SpeechColourButton->geometry().right() + 1 + 10;
  ScaleBox->setGeometry(
      x,
      SpeechColourButton->y() + (SpeechColourButton->height() - ScaleBox->sizeHint().height()) / 2,
      std::max(need, BackGroup->geometry().right() - x), ScaleBox->sizeHint().height());
}

void TAppearanceDialog::Arrange() {
  const int dlgW = width();
  int bw = 0, bh = 0;
  std::array<QImage, 5> backs;
  {
    ResourcePack pack;
    if (!pack.Open(CardLibraryLabel->text())) return;
    for (int k = 0; k < 5; ++k) {
      backs[k] = pack.LoadImage(QStringLiteral("BK%1").arg(k + 1));
      bw = std::max(bw, backs[k].width());
      bh = std::max(bh, backs[k].height());
    }
  }
  // Backs too wide for five in a row with 10 pixels between them are shown smaller, so the
  // previews never cover each other.
  BackGroup->setGeometry(10, 10, dlgW - 20, bh + 30);
  const int room = BackGroup->contentsRect().width();
  if (bw > 0 && 5 * bw + 6 * 10 > room) {
    const int w = std::max(1, (room - 6 * 10) / 5);
    bh = std::max(1, bh * w / bw);
    bw = w;
    for (QImage& back : backs)
      if (!back.isNull())
        back = back.scaled(bw, bh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  for (int k = 0; k < 5; ++k) BackPreviews[k]->setPixmap(QPixmap::fromImage(backs[k]));
  BackGroup->setGeometry(10, 10, dlgW - 20, bh + 30);
  const int gap = (BackGroup->contentsRect().width() - 5 * bw) / 6;
  for (int k = 1; k <= 5; ++k) BackPreviews[k - 1]->setGeometry((k - 1) * bw + k * gap, 20, bw, bh);

  GradientPreview->SetMode(pmGradient);
  RainbowPreview->SetMode(pmRainbow);
  PlainColourPreview->SetMode(pmSolid);

  const int y = BackGroup->geometry().bottom() + 1 + 10;
  const int q = GradientGroup->height() / 4;
  GradientGroup->move(10, y);
  RainbowGroup->move(GradientGroup->geometry().right() + 1 + 10, y);
  const int gcbLeft = RainbowGroup->geometry().right() + 1 + 10;
  PlainColourGroup->setGeometry(gcbLeft, y, BackGroup->geometry().right() + 1 - gcbLeft, q);

  const int pw = (PlainColourGroup->width() - 30) / 2, ph = PlainColourGroup->height() - 20;
  PlainColourPreview->setGeometry(10, PlainColourGroup->height() - ph - 5, pw, ph);
  TableColourButton->setGeometry(pw + 20, PlainColourPreview->y(), pw, ph);

  DeskLibraryGroup->setGeometry(PlainColourGroup->x(),
                                PlainColourGroup->geometry().bottom() + 1 + 5,
                                PlainColourGroup->width(), q);
  CardLibraryGroup->setGeometry(PlainColourGroup->x(),
                                DeskLibraryGroup->geometry().bottom() + 1 + 5,
                                PlainColourGroup->width(), q);
  for (QGroupBox* box : {DeskLibraryGroup, CardLibraryGroup}) {
    QLabel* label = box == DeskLibraryGroup ? DeskLibraryLabel : CardLibraryLabel;
    QPushButton* button = box == DeskLibraryGroup ? OtherDeskLibraryButton : OtherCardLibraryButton;
    label->resize(box->width() - button->width() - 30, label->height());
    label->move(10, (box->height() - label->height()) / 2 + 10);
    button->move(box->width() - 10 - button->width(), (box->height() - button->height() + 10) / 2);
  }
  PlaceScaleBox();

  const int buttonTop = GradientGroup->geometry().bottom() + 1 + 10;
  OkButton->move(dlgW / 4 - OkButton->width() / 2, buttonTop);
  CancelButton->move(dlgW / 4 * 3 - CancelButton->width() / 2, buttonTop);
  setFixedHeight(OkButton->geometry().bottom() + 1 + 10);
  SelectBack(CardBack);
}

}  // namespace durak
