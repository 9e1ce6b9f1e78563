// The options dialog: hand order, the game variant, several-card leads, animation speed,
// hot cards with their colour, sound, and the opponent. The window loads it from the game before
// each showing and takes the choices back only when it is closed with OK.
#pragma once

#include <QColor>
#include <QDialog>
#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLabel;
class QRadioButton;

#include "Settings.h"
#include "TextTable.h"

namespace durak {

class TRaisedButton;
class TColourButton;
class TLedDisplay;
class TSlider;

// A titled group of radio items, one of which is selected.
class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);
  // The selected item, -1 when none is.
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::vector<QRadioButton*> Items;
};

// The choices the options dialog shows and gives back.
struct TOptionsChoice {
  bool HotCards = false;
  QColor HotColor;
  bool MultiLead = false;
  bool Sound = false;
  bool Transfer = false;
  // kOpponentUsual, kOpponentStrong or kOpponentEasy, as durak.ini keeps it.
  TOpponentLevel Opponent = kOpponentUsual;
  // How many play at the table: 2, 3 or 4 (from the next new game).
  int Players = 2;
  // The animation speed and the hand order (0 none, 1 by suit, 2 by rank); a hand order
  // of -1 comes back when no order is selected.
  int Speed = 40;
  int Sort = 1;
};

class TOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TOptionsDialog(QWidget* parent = nullptr);
  // Puts the texts of the current language on the dialog's captions.
  void ApplyTexts(const TTextTable& t);

  // Loads the choices to show; the sound choice is offered only when `soundAvailable`.
  // The speed and hand order reach their widgets when the dialog is shown.
  void Load(const TOptionsChoice& choice, bool soundAvailable);
  // The choices as the dialog holds them now.
  TOptionsChoice Choice() const;

  // The speed and the hand order shown at the next activation.
  int GlideSpeed = 40;
  int HandOrder = 1;

  // Fills the speed bar, its counter and the sort group from GlideSpeed and HandOrder; runs at
  // every showing.
  void PrepareOnShow();
  // The counter follows the speed bar.
  void SpeedChanged();
  // The colour button works only while hot cards are used.
  void HotCardsToggled();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The widgets, each with its member's name as its object name.
  TRadioGroup *SortGroup, *VariantGroup;
  // The opponent: the easy, the usual or the strong computer player, in that order; it
  // changes at the next deal.
  TRadioGroup* OpponentGroup;
  // How many play at the table: 2, 3 or 4, in that order.
  TRadioGroup* PlayersGroup;
  QCheckBox *HotCardsBox, *MultiLeadBox, *SoundBox;
  QGroupBox *SpeedGroup, *HotCardsGroup;
  TSlider* SpeedSlider;
  TLedDisplay* SpeedLed;
  QLabel *SlowLabel, *FastLabel;
  TColourButton* HotColourButton;
  TRaisedButton *OkButton, *CancelButton;
};

}  // namespace durak
