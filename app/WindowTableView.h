// The table as the engine sees it: the command buttons, the speech line, the counters, the
// trump-suit picture, the pick-a-pair menu, the sounds and the champions table after a
// deal, all shown on the main window's parts. The cards themselves the engine moves
// directly.
#pragma once

#include <string>
#include <vector>

#include "TableView.h"

namespace durak {

class TMainWindow;

class TWindowTableView : public ITableView {
 public:
  explicit TWindowTableView(TMainWindow& window) : window_(window) {}

  void SetButtonVisible(TButton button, bool visible) override;
  void SetSpeechText(const std::string& text) override;
  void SetLed(TLed led, int value) override;
  void SetTrumpPicture(int suit) override;
  void SetTrumpVisible(bool visible) override;
  void PlaceTrumpPicture(int left, int top) override;
  int TrumpPictureWidth() const override;
  int TrumpPictureHeight() const override;
  int PopupPairMenu(const std::vector<TPairMenuItem>& items, int x, int y) override;
  void PlaySound(TSound id) override;
  void Wait(int milliseconds) override;
  void ProcessMessages() override;
  bool ShowChampionsAfterDeal() override;
  void CloseMainWindow() override;

  // The trump-suit picture drawn again at the current card scale.
  void ShowTrumpPicture();

 private:
  TMainWindow& window_;
  int trumpSuit_ = 0;
};

}  // namespace durak
