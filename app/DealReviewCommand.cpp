// "Разбор раздачи": the review window over the history's last deal, one window at a time.
#include "ChampionsDialog.h"
#include "DealReviewWindow.h"
#include "MainWindow.h"
#include "MenuCommands.h"

namespace durak {

TDealReviewWindow* TMenuCommands::DealReviewWindow() const {
  return dealReviewWindow_;
}

void TMenuCommands::OpenDealReview() {
  if (!dealReviewWindow_) {
    dealReviewWindow_ = new TDealReviewWindow(Texts(), &window_.CardLibrary(), &window_);
    dealReviewWindow_->setAttribute(Qt::WA_DeleteOnClose);
  }
  dealReviewWindow_->OpenFile(DealHistoryFilePath(window_.Champions()->ChempFile));
  dealReviewWindow_->show();
  dealReviewWindow_->raise();
  dealReviewWindow_->activateWindow();
}

}  // namespace durak
