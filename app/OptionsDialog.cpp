#include "OptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ColourButton.h"
#include "LedDisplay.h"
#include "Mnemonics.h"
#include "PlainText.h"
#include "RaisedButton.h"
#include "Slider.h"
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

// Makes every control of the dialog, group by group as they stand on it; a list of
// straightforward steps, longer than a function should be but plain to follow.
TOptionsDialog::TOptionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Настроечки"));
  SortGroup = new TRadioGroup(
      QStringLiteral("Сортировка"),
      {QStringLiteral("Нет"), QStringLiteral("По масти"), QStringLiteral("По старшинству")}, this);
  VariantGroup = new TRadioGroup(QStringLiteral("Дурак типа"),
                                 {QStringLiteral("Подкидной"), QStringLiteral("Переводной")}, this);
  MultiLeadBox = new QCheckBox(QStringLiteral("Заход с нескольких карт"), this);

  // Animation speed: the bar with its end labels under it and the counter beside it.
  SpeedGroup = new QGroupBox(QStringLiteral("Скорость анимации"), this);
  SpeedSlider = new TSlider(Qt::Horizontal, SpeedGroup);
  SpeedSlider->Setup(10, 100, 5, 5);
  SpeedSlider->setSingleStep(1);  // an arrow key moves the bar by one
  SpeedSlider->setMinimumWidth(150);
  SpeedLed = new TLedDisplay(SpeedGroup);
  // The speed counter: three digits with leading zeros, black on grey on the button face.
  SpeedLed->SetNeg(false);
  SpeedLed->SetHiNill(true);
  SpeedLed->SetW1Digit(16);
  SpeedLed->SetDigits(3);
  SpeedLed->SetCol(1, Qt::black);
  SpeedLed->SetCol(2, ColorFromWin(11053224));
  SpeedLed->SetCol(3, SysColor(SysBtnFace));
  SpeedLed->setFixedSize(SpeedLed->sizeHint());
  SlowLabel = MakePlain(new QLabel(QStringLiteral("Тормоз"), SpeedGroup));
  FastLabel = MakePlain(new QLabel(QStringLiteral("Газ"), SpeedGroup));
  auto* speed = new QGridLayout(SpeedGroup);
  speed->addWidget(SpeedSlider, 0, 0, 1, 2);
  speed->addWidget(SpeedLed, 0, 2, 2, 1, Qt::AlignCenter);
  speed->addWidget(SlowLabel, 1, 0, Qt::AlignLeft);
  speed->addWidget(FastLabel, 1, 1, Qt::AlignRight);

  HotCardsGroup = new QGroupBox(QStringLiteral("Горячие карты"), this);
  HotCardsBox = new QCheckBox(QStringLiteral("Использовать"), HotCardsGroup);
  HotColourButton = new TColourButton(QStringLiteral("Цвет"), HotCardsGroup);
  HotColourButton->SetVid(vbRomb);
  HotColourButton->SetLorR(lrLeft);
  HotColourButton->setMinimumSize(97, 25);
  auto* hot = new QVBoxLayout(HotCardsGroup);
  hot->addWidget(HotCardsBox);
  hot->addWidget(HotColourButton);
  hot->addStretch(1);

  SoundBox = new QCheckBox(QStringLiteral("Sound"), this);
  OpponentGroup = new TRadioGroup(
      QStringLiteral("Соперник"),
      {QStringLiteral("Лёгкий"), QStringLiteral("Обычный"), QStringLiteral("Сильный")}, this);

  PlayersGroup =
      new TRadioGroup(QStringLiteral("Игроков"),
                      {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}, this);

  OkButton = new TRaisedButton(QStringLiteral("OK"), this);
  CancelButton = new TRaisedButton(QStringLiteral("Cancel"), this);
  for (TRaisedButton* b : {OkButton, CancelButton}) {
    b->setMinimumSize(75, 27);
    b->SetFCol(SysColor(SysBtnText));
    b->SetBCol(SysColor(SysBtnHighlight));
  }
  OkButton->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(SortGroup, 0, 0);
  grid->addWidget(SpeedGroup, 0, 1);
  grid->addWidget(VariantGroup, 1, 0);
  grid->addWidget(HotCardsGroup, 1, 1);
  grid->addWidget(MultiLeadBox, 2, 0);
  grid->addWidget(SoundBox, 2, 1);
  grid->addWidget(OpponentGroup, 3, 0);
  grid->addWidget(PlayersGroup, 3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  buttons->addSpacing(12);
  buttons->addWidget(CancelButton);
  grid->addLayout(buttons, 4, 1, Qt::AlignBottom);
  // A fixed-size dialog that fits its captions in either language.
  grid->setSizeConstraint(QLayout::SetFixedSize);

  const std::pair<QObject*, const char*> names[] = {
      {SortGroup, "SG"},          {VariantGroup, "DP"},
      {OpponentGroup, "OG"},      {PlayersGroup, "PlayersGroup"},
      {HotCardsBox, "CheckBox1"}, {MultiLeadBox, "CheckBox2"},
      {SoundBox, "CheckBox3"},    {SpeedGroup, "GroupBox1"},
      {HotCardsGroup, "HG1"},     {SpeedSlider, "TrackBar1"},
      {SpeedLed, "KuvLed1"},      {SlowLabel, "Label1"},
      {FastLabel, "Label2"},      {HotColourButton, "ColBtn1"},
      {OkButton, "OKBtn"},        {CancelButton, "CancelBtn"}};
  for (const auto& [widget, name] : names) widget->setObjectName(QString::fromLatin1(name));

  connect(SpeedSlider, &QSlider::valueChanged, this, [this] { SpeedChanged(); });
  connect(HotCardsBox, &QCheckBox::toggled, this, [this] { HotCardsToggled(); });
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionsDialog::ApplyTexts(const TTextTable& t) {
  setWindowTitle(t[kOptionsCaptionText]);
  HotCardsGroup->setTitle(t[kHotCardsGroupText]);
  HotCardsBox->setText(t[kHotCardsUseText]);
  HotColourButton->setText(t[kHotColourText]);
  SortGroup->setTitle(t[kSortGroupText]);
  for (int i = 0; i < 3; ++i) SortGroup->Items[i]->setText(t[SortText(i)]);
  VariantGroup->setTitle(t[kVariantGroupText]);
  for (int i = 0; i < 2; ++i) VariantGroup->Items[i]->setText(t[VariantText(i)]);
  SpeedGroup->setTitle(t[kSpeedGroupText]);
  SlowLabel->setText(t[kSlowText]);
  FastLabel->setText(t[kFastText]);
  MultiLeadBox->setText(t[kMultiLeadText]);
  SoundBox->setText(t[kSoundText]);
  OpponentGroup->setTitle(t[kOpponentGroupText]);
  OpponentGroup->Items[0]->setText(t[kOpponentEasyText]);
  OpponentGroup->Items[1]->setText(t[kOpponentUsualText]);
  OpponentGroup->Items[2]->setText(t[kOpponentStrongText]);
  PlayersGroup->setTitle(t[kPlayersGroupText]);
  OkButton->setText(t[kOkText]);
  CancelButton->setText(t[kCancelText]);
  GiveMnemonics(this);
}

void TOptionsDialog::Load(const TOptionsChoice& choice, bool soundAvailable) {
  HotCardsBox->setChecked(choice.HotCards);
  MultiLeadBox->setChecked(choice.MultiLead);
  SoundBox->setEnabled(soundAvailable);
  SoundBox->setChecked(choice.Sound);
  VariantGroup->SetItemIndex(choice.Transfer ? 1 : 0);
  // The levels are listed from the easiest up; the stored numbers stay as they were.
  OpponentGroup->SetItemIndex(choice.Opponent == kOpponentEasy     ? 0
                              : choice.Opponent == kOpponentStrong ? 2
                                                                   : 1);
  PlayersGroup->SetItemIndex(choice.Players >= 2 && choice.Players <= 4 ? choice.Players - 2 : 0);
  HotColourButton->SetBtnColor(choice.HotColor);
  HotCardsToggled();
  GlideSpeed = choice.Speed;
  HandOrder = choice.Sort;
}

TOptionsChoice TOptionsDialog::Choice() const {
  TOptionsChoice choice;
  choice.HotCards = HotCardsBox->isChecked();
  choice.HotColor = HotColourButton->BtnColor();
  choice.MultiLead = MultiLeadBox->isChecked();
  choice.Sound = SoundBox->isChecked();
  choice.Transfer = VariantGroup->ItemIndex() == 1;
  const int level = OpponentGroup->ItemIndex();
  choice.Opponent = level == 0 ? kOpponentEasy : level == 2 ? kOpponentStrong : kOpponentUsual;
  choice.Players = PlayersGroup->ItemIndex() >= 0 ? PlayersGroup->ItemIndex() + 2 : 2;
  choice.Speed = SpeedSlider->value();
  choice.Sort = SortGroup->ItemIndex();
  return choice;
}

void TOptionsDialog::showEvent(QShowEvent* event) {
  PrepareOnShow();
  QDialog::showEvent(event);
}

void TOptionsDialog::PrepareOnShow() {
  SpeedSlider->setValue(GlideSpeed);  // the bar keeps it within 10..100
  SpeedChanged();
  SortGroup->SetItemIndex(HandOrder == 0 ? 0 : HandOrder == 1 ? 1 : 2);
}

void TOptionsDialog::SpeedChanged() {
  SpeedLed->SetNumber(SpeedSlider->value());
}

void TOptionsDialog::HotCardsToggled() {
  HotColourButton->setEnabled(HotCardsBox->isChecked());
}

}  // namespace durak
