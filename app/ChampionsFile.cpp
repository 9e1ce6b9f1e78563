// The champions table's file, durak.r: read with the changes not yet written laid over it,
// and changed under its lock; while another copy of the game holds the lock the changes
// wait, shown in the table, and are written by a retry or at the latest when the game ends.
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdint>

#include "ChampionsDialog.h"
#include "ChampionsGrid.h"
#include "Game.h"
#include "SafeFile.h"

namespace durak {

void TChampionsDialog::ReadTab() {
  const TReadResult read = durak::ReadTab(QFile::encodeName(ChempFile).toStdString(), &ChempTab);
  // Said once, as when a change to it is refused.
  if (read == TReadResult::TooBig && !TooBigShown) {
    TooBigShown = true;
    ShowMessage(TooBigText.isEmpty() ? ChempFile : TooBigText + QLatin1Char('\n') + ChempFile);
  }
  for (const auto& change : Pending) change(ChempTab);
  if (!Pending.empty()) SortBy(ChempTab);
}

void TChampionsDialog::WriteTab() {
  Commit(nullptr);
}

void TChampionsDialog::Commit(const std::function<void(TChempTab&)>& change) {
  if (change) Pending.push_back(change);
  WritePending(LockWaitMillis, false, true);
}

void TChampionsDialog::RetryPending() {
  // Without waiting: a lock still held puts it off to the next try.
  if (!Pending.empty()) WritePending(0, false, false);
  if (Pending.empty()) RetryTimer->stop();
}

void TChampionsDialog::SavePendingAtExit() {
  if (!Pending.empty()) WritePending(LockWaitMillis, true, false);
}

void TChampionsDialog::WritePending(int waitMillis, bool evenIfBusy, bool tell) {
  if (Committing) return;  // the change waits for the write under way to end
  Committing = true;
  const std::vector<std::function<void(TChempTab&)>> changes = Pending;
  const auto all = [&changes](TChempTab& table) {
    for (const auto& c : changes) c(table);
  };
  const TChangeResult result = ChangeTabFor(QFile::encodeName(ChempFile).toStdString(), all,
                                            &ChempTab, waitMillis, evenIfBusy);
  Committing = false;
  if (result == TChangeResult::Saved) {
    Pending.erase(Pending.begin(), Pending.begin() + static_cast<long>(changes.size()));
    BusyShown = false;
    return;
  }
  // Busy: another program holds the lock. The change stays, shown in the table, and is
  // written at the next change or by the retry timer.
  if (result == TChangeResult::Busy) RetryTimer->start();
  bool* shown = result == TChangeResult::Busy     ? &BusyShown
                : result == TChangeResult::TooBig ? &TooBigShown
                                                  : &CannotSaveShown;
  if (!tell || *shown) return;
  *shown = true;
  const QString& text = result == TChangeResult::Busy     ? BusyText
                        : result == TChangeResult::TooBig ? TooBigText
                                                          : CannotSaveText;
  ShowMessage(text.isEmpty() ? ChempFile : text + QLatin1Char('\n') + ChempFile);
}

void TChampionsDialog::Synced() {
  SyncedChemp = CurChemp;
}

void TChampionsDialog::MergeCurChemp() {
  const TChempRec cur = CurChemp;
  if (!SameShortString(SyncedChemp.Name.data(), cur.Name.data(), TChempRec::kNameChars)) {
    // A record that never came from the table replaces the row of its name.
    Commit([cur](TChempTab& table) {
      const int p = GetPos(cur.Name, table);
      if (p >= 0) table[p] = cur;
    });
    return;
  }
  const int64_t games = int64_t{cur.Games} - SyncedChemp.Games;
  const int64_t wins = int64_t{cur.Wins} - SyncedChemp.Wins;
  const int64_t losses = int64_t{cur.Losses} - SyncedChemp.Losses;
  if (games == 0 && wins == 0 && losses == 0) {
    Commit(nullptr);
    return;
  }
  // The deals played since then go onto the row as stored now, which another copy of the
  // game may have changed meanwhile; the rating follows the sums.
  Commit([cur, games, wins, losses](TChempTab& table) {
    const int p = GetPos(cur.Name, table);
    if (p < 0) return;
    TChempRec& row = table[p];
    const auto add = [](int32_t a, int64_t b) {
      return static_cast<int32_t>(std::clamp<int64_t>(a + b, 0, INT32_MAX));
    };
    row.Games = add(row.Games, games);
    row.Wins = add(row.Wins, wins);
    row.Losses = add(row.Losses, losses);
    row.Rating = RatingOf(row.Games, row.Wins, row.Losses);
  });
}

}  // namespace durak
