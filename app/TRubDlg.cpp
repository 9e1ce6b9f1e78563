#include "TRubDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Mnemonics.h"
#include "PlainText.h"
#include "TBtn3d.h"
#include "TColBtn.h"
#include "TKuvLed.h"
#include "TKuvTrack.h"
#include "WinColor.h"

namespace durak {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QButtonGroup(this);
  for (const QString& text : items) {
    auto* item = new QRadioButton(text, this);
    group->addButton(item, static_cast<int>(Items.size()));
    layout->addWidget(item);
    Items.push_back(item);
  }
  layout->addStretch(1);
}

int TRadioGroup::ItemIndex() const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < static_cast<int>(Items.size())) Items[index]->setChecked(true);
}

TRubDlg::TRubDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настроечки"));
  SG = new TRadioGroup(
      QStringLiteral("Сортировка"),
      {QStringLiteral("Нет"), QStringLiteral("По масти"), QStringLiteral("По старшинству")}, this);
  DP = new TRadioGroup(QStringLiteral("Дурак типа"),
                       {QStringLiteral("Подкидной"), QStringLiteral("Переводной")}, this);
  CheckBox2 = new QCheckBox(QStringLiteral("Заход с нескольких карт"), this);

  // Animation speed: the bar with its end labels under it and the counter beside it.
  GroupBox1 = new QGroupBox(QStringLiteral("Скорость анимации"), this);
  TrackBar1 = new TKuvTrack(Qt::Horizontal, GroupBox1);
  TrackBar1->Setup(10, 100, 5, 5);
  TrackBar1->setSingleStep(1);  // an arrow key moves the bar by one
  TrackBar1->setMinimumWidth(150);
  KuvLed1 = new TKuvLed(GroupBox1);
  // The speed counter: three digits with leading zeros, black on grey on the button face.
  KuvLed1->SetNeg(false);
  KuvLed1->SetHiNill(true);
  KuvLed1->SetW1Digit(16);
  KuvLed1->SetDigits(3);
  KuvLed1->SetCol(1, Qt::black);
  KuvLed1->SetCol(2, ColorFromWin(11053224));
  KuvLed1->SetCol(3, SysColor(SysBtnFace));
  KuvLed1->setFixedSize(KuvLed1->sizeHint());
  Label1 = MakePlain(new QLabel(QStringLiteral("Тормоз"), GroupBox1));
  Label2 = MakePlain(new QLabel(QStringLiteral("Газ"), GroupBox1));
  auto* speed = new QGridLayout(GroupBox1);
  speed->addWidget(TrackBar1, 0, 0, 1, 2);
  speed->addWidget(KuvLed1, 0, 2, 2, 1, Qt::AlignCenter);
  speed->addWidget(Label1, 1, 0, Qt::AlignLeft);
  speed->addWidget(Label2, 1, 1, Qt::AlignRight);

  HG1 = new QGroupBox(QStringLiteral("Горячие карты"), this);
  CheckBox1 = new QCheckBox(QStringLiteral("Использовать"), HG1);
  ColBtn1 = new TColBtn(QStringLiteral("Цвет"), HG1);
  ColBtn1->SetVid(vbRomb);
  ColBtn1->SetLorR(lrLeft);
  ColBtn1->setMinimumSize(97, 25);
  auto* hot = new QVBoxLayout(HG1);
  hot->addWidget(CheckBox1);
  hot->addWidget(ColBtn1);
  hot->addStretch(1);

  CheckBox3 = new QCheckBox(QStringLiteral("Sound"), this);
  OG = new TRadioGroup(
      QStringLiteral("Соперник"),
      {QStringLiteral("Лёгкий"), QStringLiteral("Обычный"), QStringLiteral("Сильный")}, this);

  OKBtn = new TBtn3d(QStringLiteral("OK"), this);
  CancelBtn = new TBtn3d(QStringLiteral("Cancel"), this);
  for (TBtn3d* b : {OKBtn, CancelBtn}) {
    b->setMinimumSize(75, 27);
    b->SetFCol(SysColor(SysBtnText));
    b->SetBCol(SysColor(SysBtnHighlight));
  }
  OKBtn->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(SG, 0, 0);
  grid->addWidget(GroupBox1, 0, 1);
  grid->addWidget(DP, 1, 0);
  grid->addWidget(HG1, 1, 1);
  grid->addWidget(CheckBox2, 2, 0);
  grid->addWidget(CheckBox3, 2, 1);
  grid->addWidget(OG, 3, 0);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OKBtn);
  buttons->addSpacing(12);
  buttons->addWidget(CancelBtn);
  grid->addLayout(buttons, 3, 1, Qt::AlignBottom);
  // A fixed-size dialog that fits its captions in either language.
  grid->setSizeConstraint(QLayout::SetFixedSize);

  const std::pair<QObject*, const char*> names[] = {{SG, "SG"},
                                                    {DP, "DP"},
                                                    {OG, "OG"},
                                                    {CheckBox1, "CheckBox1"},
                                                    {CheckBox2, "CheckBox2"},
                                                    {CheckBox3, "CheckBox3"},
                                                    {GroupBox1, "GroupBox1"},
                                                    {HG1, "HG1"},
                                                    {TrackBar1, "TrackBar1"},
                                                    {KuvLed1, "KuvLed1"},
                                                    {Label1, "Label1"},
                                                    {Label2, "Label2"},
                                                    {ColBtn1, "ColBtn1"},
                                                    {OKBtn, "OKBtn"},
                                                    {CancelBtn, "CancelBtn"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TRubDlg::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kOptionsCaptionText]);
  HG1->setTitle(t[kHotCardsGroupText]);
  CheckBox1->setText(t[kHotCardsUseText]);
  ColBtn1->setText(t[kHotColourText]);
  SG->setTitle(t[kSortGroupText]);
  for (int i = 0; i < 3; ++i) SG->Items[i]->setText(t[SortText(i)]);
  DP->setTitle(t[kVariantGroupText]);
  for (int i = 0; i < 2; ++i) DP->Items[i]->setText(t[VariantText(i)]);
  GroupBox1->setTitle(t[kSpeedGroupText]);
  Label1->setText(t[kSlowText]);
  Label2->setText(t[kFastText]);
  CheckBox2->setText(t[kMultiLeadText]);
  CheckBox3->setText(t[kSoundText]);
  OG->setTitle(t[kOpponentGroupText]);
  OG->Items[0]->setText(t[kOpponentEasyText]);
  OG->Items[1]->setText(t[kOpponentUsualText]);
  OG->Items[2]->setText(t[kOpponentStrongText]);
  OKBtn->setText(t[kOkText]);
  CancelBtn->setText(t[kCancelText]);
  GiveMnemonics(this);
}

void TRubDlg::Load(const TOptionsChoice& choice, bool soundAvailable) {
  CheckBox1->setChecked(choice.HotCards);
  CheckBox2->setChecked(choice.MultiLead);
  CheckBox3->setEnabled(soundAvailable);
  CheckBox3->setChecked(choice.Sound);
  DP->SetItemIndex(choice.Transfer ? 1 : 0);
  // The levels are listed from the easiest up; the stored numbers stay as they were.
  OG->SetItemIndex(choice.Opponent == kOpponentEasy     ? 0
                   : choice.Opponent == kOpponentStrong ? 2
                                                        : 1);
  ColBtn1->SetBtnColor(choice.HotColor);
  CheckBox1Click();
  ASpeed = choice.Speed;
  VidSort = choice.Sort;
}

TOptionsChoice TRubDlg::Choice() const {
  TOptionsChoice choice;
  choice.HotCards = CheckBox1->isChecked();
  choice.HotColor = ColBtn1->BtnColor();
  choice.MultiLead = CheckBox2->isChecked();
  choice.Sound = CheckBox3->isChecked();
  choice.Transfer = DP->ItemIndex() == 1;
  const int level = OG->ItemIndex();
  choice.Opponent = level == 0 ? kOpponentEasy : level == 2 ? kOpponentStrong : kOpponentUsual;
  choice.Speed = TrackBar1->value();
  choice.Sort = SG->ItemIndex();
  return choice;
}

void TRubDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

void TRubDlg::FormActivate() {
  TrackBar1->setValue(ASpeed);  // the bar keeps it within 10..100
  TrackBar1Change();
  SG->SetItemIndex(VidSort == 0 ? 0 : VidSort == 1 ? 1 : 2);
}

void TRubDlg::TrackBar1Change() {
  KuvLed1->SetNumber(TrackBar1->value());
}

void TRubDlg::CheckBox1Click() {
  ColBtn1->setEnabled(CheckBox1->isChecked());
}

}  // namespace durak
