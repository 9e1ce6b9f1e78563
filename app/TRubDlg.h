// The options dialog: hand order, the game variant, several-card leads, animation speed,
// hot cards with their colour, sound, and the opponent. The window loads it from the game before
// each showing and takes the choices back only when it is closed with OK.
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <vector>

class QCheckBox;
class QLabel;
class QRadioButton;

#include "TextTable.h"

namespace durak {

class TBtn3d;
class TColBtn;
class TKuvLed;
class TKuvTrack;

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

class TRubDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TRubDlg(QWidget* parent = nullptr);
  // Puts the texts of the current language on the dialog's captions.
  void ApplyTexts(const TTextTable& t);

  // The speed and the hand order shown at the next activation.
  int ASpeed = 40;
  int VidSort = 1;

  // Fills the speed bar, its counter and the sort group from ASpeed and VidSort; runs at
  // every showing.
  void FormActivate();
  // The counter follows the speed bar.
  void TrackBar1Change();
  // The colour button works only while hot cards are used.
  void CheckBox1Click();

  TRadioGroup *SG, *DP;
  // The opponent: the usual computer player or the strong one; it changes at the next deal.
  TRadioGroup* OG;
  QCheckBox *CheckBox1, *CheckBox2, *CheckBox3;
  QGroupBox *GroupBox1, *HG1;
  TKuvTrack* TrackBar1;
  TKuvLed* KuvLed1;
  QLabel *Label1, *Label2;
  TColBtn* ColBtn1;
  TBtn3d *OKBtn, *CancelBtn;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace durak
