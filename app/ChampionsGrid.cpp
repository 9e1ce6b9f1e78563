#include "ChampionsGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "Layout.h"

namespace durak {

namespace {

const QColor kGridColor(192, 192, 192);  // silver
const QColor kNavy(0, 0, 128);
const QColor kLime(0, 255, 0);

// The header row: black, bold yellow captions centred, a red frame along each cell.
class TChempHeader : public QHeaderView {
 public:
  explicit TChempHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

 protected:
  void paintSection(QPainter* p, const QRect& rect, int section) const override {
    p->save();
    p->fillRect(rect, Qt::black);
    p->setFont(ChempGridFont(true));
    const QString text = model()->headerData(section, Qt::Horizontal).toString();
    const QFontMetrics fm(p->font());
    const int x = rect.left() + (rect.width() - fm.horizontalAdvance(text)) / 2;
    const int y = rect.top() + (rect.height() - fm.height()) / 2;
    p->setPen(QColor(255, 255, 0));
    p->drawText(QRect(x, y, fm.horizontalAdvance(text), fm.height()), Qt::AlignLeft, text);
    p->setPen(QColor(255, 0, 0));
    p->drawRect(rect.adjusted(0, 0, -1, -1));
    p->restore();
  }
};

// Data rows: lime and bold black for the chosen row, silver and navy for the others; the
// name left at +5, the numbers right at -5, every text centred vertically.
class TChempDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->save();
    p->fillRect(option.rect, selected ? kLime : kGridColor);
    p->setFont(ChempGridFont(selected));
    p->setPen(selected ? QColor(Qt::black) : kNavy);
    const QString text = index.data().toString();
    const QFontMetrics fm(ChempGridFont(false));
    const int y = option.rect.top() + (option.rect.height() - fm.height()) / 2;
    const QRect r = index.column() == 0
                        ? QRect(option.rect.left() + 5, y, option.rect.width() - 5, fm.height())
                        : QRect(option.rect.left(), y, option.rect.width() - 5, fm.height());
    const Qt::Alignment align =
        (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop;
    p->drawText(r, static_cast<int>(align), text);
    p->restore();
  }
};

}  // namespace

QFont ChempGridFont(bool bold) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(12);
  f.setBold(bold);
  return f;
}

void ChempColumnWidths(int gridWidth, int widths[4]) {
  const double share[4] = {0.33, 0.24, 0.2, 0.2};
  for (int i = 0; i < 4; ++i) widths[i] = static_cast<int>(Nearest(gridWidth * share[i]));
}

void ChempCells(const TChempRec& rec, QString cells[4]) {
  cells[0] = QString::fromStdString(rec.NameText());
  cells[1] = QString::number(rec.Wins);
  cells[2] = QString::number(rec.Games);
  cells[3] = std::isfinite(rec.Rating) ? QLocale().toString(rec.Rating, 'f', 4).rightJustified(5)
                                       : QStringLiteral("-");
}

void SetUpChempGrid(QTableWidget* grid) {
  grid->setColumnCount(4);
  grid->setHorizontalHeader(new TChempHeader(grid));
  grid->horizontalHeader()->setFixedHeight(17);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setVisible(false);
  grid->verticalHeader()->setDefaultSectionSize(17);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setItemDelegate(new TChempDelegate(grid));
  grid->setShowGrid(true);
  grid->setStyleSheet(
      QStringLiteral("QTableWidget { gridline-color: silver; background: silver; }"));
  grid->setFocusPolicy(Qt::StrongFocus);
  // Tab leaves the table for the buttons instead of walking its cells.
  grid->setTabKeyNavigation(false);
  FitChempColumns(grid, {});
}

int FitChempColumns(QTableWidget* grid, const TChempTab& table) {
  // The shares are taken of the room beside the vertical scroll bar, so the rating column
  // is not hidden under it.
  int widths[4];
  const int scroll = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  ChempColumnWidths(kChempGridWidth - scroll - 2 * grid->frameWidth(), widths);
  const QFontMetrics bold(ChempGridFont(true));
  int nameWidth = widths[0];
  for (const TChempRec& rec : table)
    nameWidth =
        std::max(nameWidth, bold.horizontalAdvance(QString::fromStdString(rec.NameText())) + 10);
  const int wider = nameWidth - widths[0];
  widths[0] = nameWidth;
  for (int i = 0; i < 4; ++i) grid->setColumnWidth(i, widths[i]);
  return kChempGridWidth + wider;
}

namespace {

// A table's rows are given their cells only when they come into view: a table of ten
// thousand players opens as fast as one of ten.
class TChempRowFiller : public QObject {
 public:
  explicit TChempRowFiller(QTableWidget* grid) : QObject(grid), grid_(grid) {
    setObjectName(QStringLiteral("ChempRowFiller"));
    grid->viewport()->installEventFilter(this);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { FillVisible(); });
  }
  static TChempRowFiller* Of(QTableWidget* grid) {
    auto* filler = grid->findChild<TChempRowFiller*>(QStringLiteral("ChempRowFiller"),
                                                     Qt::FindDirectChildrenOnly);
    return filler ? filler : new TChempRowFiller(grid);
  }
  void Reset(const TChempTab& table) {
    table_ = table;
    filled_.assign(table.size(), false);
  }
  void FillRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, static_cast<int>(table_.size()) - 1);
    for (int r = first; r <= last; ++r) {
      if (filled_[static_cast<size_t>(r)]) continue;
      filled_[static_cast<size_t>(r)] = true;
      QString cells[4];
      ChempCells(table_[static_cast<size_t>(r)], cells);
      for (int c = 0; c < 4; ++c) grid_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
  }
  // The rows in view, and a page either side so that scrolling finds them ready.
  void FillVisible() {
    if (table_.empty()) return;
    const int page = std::max(1, grid_->viewport()->height() / 17 + 1);
    int top = grid_->rowAt(0);
    if (top < 0) top = grid_->verticalScrollBar()->value();
    FillRows(top - page, top + 2 * page);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint || event->type() == QEvent::Resize) FillVisible();
    return QObject::eventFilter(watched, event);
  }

 private:
  QTableWidget* grid_;
  TChempTab table_;
  std::vector<bool> filled_;
};

}  // namespace

void FillChempGrid(QTableWidget* grid, const TChempTab& table) {
  grid->clearContents();
  TChempRowFiller* filler = TChempRowFiller::Of(grid);
  filler->Reset(table);
  const int rows = table.empty() ? 1 : static_cast<int>(table.size());
  grid->setRowCount(rows);
  if (table.empty()) {
    for (int c = 0; c < 4; ++c) grid->setItem(0, c, new QTableWidgetItem(QString()));
    grid->clearSelection();
    return;
  }
  // The first rows at once (the table opens at its top), the rest as they are scrolled to.
  filler->FillRows(0, 31);
  filler->FillVisible();
}

void ScrollChempGrid(QTableWidget* grid, int p) {
  const int top = p <= 9 ? 0 : p - 9;  // grid row 1 is the table's first data row
  grid->verticalScrollBar()->setValue(top);
  // Before the grid is shown its scroll bar may not reach that far yet.
  TChempRowFiller::Of(grid)->FillRows(top - 1, top + 31);
}

}  // namespace durak
