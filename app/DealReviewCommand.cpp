// "Разбор раздачи": the review window over the history's last deal, one window at a time.
#include "ChampionsDialog.h"
#include "DealReviewWindow.h"
#include "MainWindow.h"

namespace durak {

void TMainWindow::OpenDealReview() {
  if (!DealReviewWindow) {
    DealReviewWindow = new TDealReviewWindow(Texts, &Library, this);
    DealReviewWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  DealReviewWindow->OpenFile(DealHistoryFilePath(ChampionsDialog_->ChempFile));
  DealReviewWindow->show();
  DealReviewWindow->raise();
  DealReviewWindow->activateWindow();
}

}  // namespace durak
