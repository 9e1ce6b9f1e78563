// The appearance dialog: the card back, the gradient colours, the rainbow brightness, the
// solid table colour, the desk-picture and card libraries, and the speech line's colour.
// The window loads it before each showing and applies what changed after OK.
#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class QCheckBox;

#include "TextTable.h"

namespace durak {

class TColourButton;
class TPaintedPanel;
class TSlider;

// What the appearance dialog gives back.
struct TAppearanceChoice {
  // The table's solid colour, rainbow brightness and gradient colours.
  QColor TableColor;
  int Brightness = 0;
  QColor GradientTop, GradientBottom;
  // The desk-picture and card libraries, by their bare file names.
  QString DeskLibrary, CardLibrary;
  bool ScaleToWindow = true;
  // The colour of the speech line.
  QColor SpeechColor;
};

class TAppearanceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TAppearanceDialog(QWidget* parent = nullptr);
  // Puts the texts of the current language on the dialog's captions and messages, and
  // places the scale option for its new caption.
  void ApplyTexts(const TTextTable& t);

  // Fills the previews, colour buttons, brightness and library names from the table and
  // the settings, then arranges the dialog for the backs of the named card library.
  void Load(const TPaintedPanel& table, const QColor& wordsColor, const QString& dtPath,
            const QString& colodaPath);
  // Shows the "scale to window" choice.
  void SetScaleToWindow(bool on);
  // The choices as the dialog holds them now (the back is CardBack).
  TAppearanceChoice Choice() const;
  // Lays the dialog out around the back pictures of the card library named in CardLibraryLabel. A
  // library that cannot be opened leaves the dialog as it was.
  void Arrange();
  // Places the colour button of the status text and the scale option beside it.
  void PlaceScaleBox();
  // Lets the user pick another desk-picture (desk = true) or card library; only a library
  // that opens and holds "DT7" (or "BK1") is taken, by its bare file name.
  void ChooseLibrary(bool desk);
  // Selects back n (1..5) and frames its preview.
  void SelectBack(int n);
  void BrightnessChanged();

  // The back chosen in the dialog.
  int CardBack = 1;
  // Hint of the brightness group; its caption reads "<hint> (<position>)".
  QString GRBHint = QStringLiteral("Яркость");
  // Texts 198 (cannot be opened), 202 and 203 (lacks the picture it needs).
  QString Text198, Text202, Text203;

  // The folder the file dialog opens in when a library is chosen: where the library now
  // named in the dialog was found (in an installed game the data folder), else the first
  // searched folder that holds a library of that kind, else the program's folder.
  QString LibraryFolder(bool desk) const;
  // The file dialog's filter: the libraries of that kind, the standard one included.
  QString LibraryFilter(bool desk) const;
  // Captions of the two filters (texts 222 and 223).
  QString DeskFilterText = QStringLiteral("Картинки стола");
  QString CardFilterText = QStringLiteral("Колоды карт");
  // The captions of the file dialogs choosing a desk-picture and a card library.
  QString DeskFileCaption = QStringLiteral("Выбор библиотеки картинок стола");
  QString CardFileCaption = QStringLiteral("Выбор библиотеки карт");

  // Asks for a library file with the given filter, opening in LibraryFolder with the
  // current library selected; empty when the user cancels. Tests replace it.
  std::function<QString(const QString& filter)> ChooseFile;
  // Shows a message; tests replace it.
  std::function<void(const QString& text)> ShowMessage;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The widgets, each with its member's name as its object name.
  QGroupBox *BackGroup, *GradientGroup, *RainbowGroup, *PlainColourGroup, *DeskLibraryGroup,
      *CardLibraryGroup;
  std::array<QLabel*, 5> BackPreviews{};  // Image1..Image5, the back previews
  QFrame* BackFrame;
  TColourButton *GradientTopButton, *GradientBottomButton, *TableColourButton, *SpeechColourButton;
  TPaintedPanel *GradientPreview, *RainbowPreview, *PlainColourPreview;
  TSlider* BrightnessSlider;
  QLabel *DeskLibraryLabel, *CardLibraryLabel;
  QPushButton *OtherDeskLibraryButton, *OtherCardLibraryButton, *OkButton, *CancelButton;
  // "Scale to window": the cards grow with the table.
  QCheckBox* ScaleBox;

  // The kind of library being chosen, while the file dialog is open.
  bool ChoosingDesk = false;
};

}  // namespace durak
