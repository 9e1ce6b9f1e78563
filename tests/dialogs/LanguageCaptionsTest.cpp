// Switching the language rewrites every caption of the window, its menus and its dialogs;
// every caption fits its control in both languages. Pictures of each dialog in each
// language are left in DURAK_DIALOG_SHOTS when it is set.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

#include "AboutDialog.h"
#include "AppearanceDialog.h"
#include "ChampionsDialog.h"
#include "ColourButton.h"
#include "Mnemonics.h"
#include "OptionsDialog.h"
#include "PasswordDialog.h"
#include "RaisedButton.h"
#include "WidgetPart.h"
#include "WindowFixture.h"

namespace durak::testing {
namespace {

class LanguageCaptions : public WindowFixture {
 protected:
  // Every caption that does not fit its control, as "window: text".
  static QStringList Clipped(QWidget* window) {
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(window)) continue;
      const QFontMetrics fm(w->font());
      int need = 0;
      QString text;
      if (auto* box = qobject_cast<QGroupBox*>(w)) {
        text = box->title();
        need = fm.horizontalAdvance(text) + 16;
      } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        text = WithoutMnemonic(static_cast<QAbstractButton*>(w)->text());
        need = w->sizeHint().width();
      } else if (auto* colour = qobject_cast<TColourButton*>(w)) {
        text = colour->text();
        need = fm.horizontalAdvance(text) + colour->height() + 4;
      } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        text = WithoutMnemonic(button->text());
        need = fm.horizontalAdvance(text) + 6;
      } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->pixmap().isNull() && !label->text().isEmpty()) {
          text = label->text();
          need = fm.horizontalAdvance(text);
          // A label must also stay inside its parent.
          if (label->geometry().right() >= label->parentWidget()->width())
            clipped << QStringLiteral("%1: %2 (outside)").arg(window->objectName(), text);
        }
      }
      if (need > w->width())
        clipped << QStringLiteral("%1: %2 (%3 > %4)")
                       .arg(window->objectName(), text)
                       .arg(need)
                       .arg(w->width());
    }
    return clipped;
  }

  static void Shot(QWidget* window, const QString& name) {
    const QString dir = qEnvironmentVariable("DURAK_DIALOG_SHOTS");
    if (!dir.isEmpty()) window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
  }

  // Shows each dialog in the current language, checks that its texts fit, and takes its
  // picture.
  void CheckWindows(int language) {
    const QString suffix = language == 2 ? QStringLiteral("-en") : QStringLiteral("-ru");
    TOptionsDialog& rub = *Form->Menus().OptionsDialog();
    rub.setObjectName(QStringLiteral("options"));
    rub.show();
    QApplication::processEvents();
    EXPECT_EQ(Clipped(&rub), QStringList());
    Shot(&rub, QStringLiteral("options") + suffix);
    rub.hide();

    TAppearanceDialog& inter = *Form->Menus().AppearanceDialog();
    inter.setObjectName(QStringLiteral("appearance"));
    inter.Load(*Form->Parts().TablePanel, Qt::black, QStringLiteral("dtop.dll"),
               QStringLiteral("c36.dll"));
    inter.show();
    QApplication::processEvents();
    EXPECT_EQ(Clipped(&inter), QStringList());
    Shot(&inter, QStringLiteral("appearance") + suffix);
    inter.hide();

    TChampionsDialog& chemp = *Form->ChampionsDialog();
    chemp.setObjectName(QStringLiteral("champions"));
    chemp.show();
    QApplication::processEvents();
    EXPECT_EQ(Clipped(&chemp), QStringList());
    Shot(&chemp, QStringLiteral("champions") + suffix);
    chemp.hide();

    QTimer::singleShot(0, [suffix] {
      auto* about = qobject_cast<TAboutDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(about, nullptr);
      about->setObjectName(QStringLiteral("about"));
      EXPECT_EQ(Clipped(about), QStringList());
      Shot(about, QStringLiteral("about") + suffix);
      about->accept();
    });
    Form->Menus().ShowAbout();

    Form->Menus().MakeDeskThumbnails(100);
    Form->Menus().Items().DeskPopupMenu->popup(QPoint(10, 10));
    QApplication::processEvents();
    Shot(Form->Menus().Items().DeskPopupMenu, QStringLiteral("desk-menu") + suffix);
    Form->Menus().Items().DeskPopupMenu->hide();
  }

  // The captions that follow the language, with the number of the text each one shows.
  std::vector<std::pair<QString, int>> Captions() {
    std::vector<std::pair<QString, int>> c;
    TMainWindow& f = *Form;
    for (int i = 0; i < 10; ++i) c.push_back({f.Menus().Items().DeskPopupItems[i]->text(), 9 + i});
    for (int i = 0; i < 10; ++i) c.push_back({f.Menus().Items().DeskItems[i]->text(), 9 + i});
    c.push_back({f.Menus().Items().OptionsItem->text(), 6});
    c.push_back({f.Menus().Items().AppearanceItem->text(), 7});
    c.push_back({f.Menus().Items().AboutItem->text(), 23});
    TOptionsDialog& r = *f.Menus().OptionsDialog();
    c.push_back({r.windowTitle(), 26});
    c.push_back({Part<QGroupBox>(r, "HG1")->title(), 49});
    c.push_back({Part<QCheckBox>(r, "CheckBox1")->text(), 50});
    c.push_back({Part<TColourButton>(r, "ColBtn1")->text(), 51});
    c.push_back({Part<TRadioGroup>(r, "SG")->title(), 52});
    for (int i = 0; i < 3; ++i) c.push_back({Part<TRadioGroup>(r, "SG")->Items[i]->text(), 53 + i});
    c.push_back({Part<TRadioGroup>(r, "DP")->title(), 56});
    for (int i = 0; i < 2; ++i) c.push_back({Part<TRadioGroup>(r, "DP")->Items[i]->text(), 57 + i});
    c.push_back({Part<QGroupBox>(r, "GroupBox1")->title(), 59});
    c.push_back({Part<QLabel>(r, "Label1")->text(), 60});
    c.push_back({Part<QLabel>(r, "Label2")->text(), 61});
    c.push_back({Part<QCheckBox>(r, "CheckBox2")->text(), 62});
    c.push_back({Part<QCheckBox>(r, "CheckBox3")->text(), 63});
    c.push_back({Part<TRaisedButton>(r, "OKBtn")->text(), 64});
    c.push_back({Part<TRaisedButton>(r, "CancelBtn")->text(), 65});
    TAppearanceDialog& d = *f.Menus().AppearanceDialog();
    c.push_back({d.windowTitle(), 27});
    c.push_back({Part<QGroupBox>(d, "RubBox1")->title(), 31});
    c.push_back({Part<QGroupBox>(d, "GGB")->title(), 32});
    c.push_back({Part<TColourButton>(d, "ColBtn1")->text(), 33});
    c.push_back({Part<TColourButton>(d, "ColBtn2")->text(), 34});
    c.push_back({Part<QGroupBox>(d, "GRB")->toolTip(), 35});
    c.push_back({Part<QGroupBox>(d, "GCB")->title(), 36});
    c.push_back({Part<TColourButton>(d, "ColBtn3")->text(), 37});
    c.push_back({Part<TColourButton>(d, "ColBtn4")->text(), 38});
    c.push_back({Part<QGroupBox>(d, "GPB")->title(), 39});
    c.push_back({Part<QPushButton>(d, "Button1")->text(), 40});
    c.push_back({Part<QPushButton>(d, "Button2")->text(), 40});
    c.push_back({Part<QGroupBox>(d, "CardBox")->title(), 42});
    c.push_back({Part<QPushButton>(d, "OKBtn")->text(), 64});
    c.push_back({Part<QPushButton>(d, "CancelBtn")->text(), 65});
    c.push_back({d.Text198, 198});
    c.push_back({d.Text202, 202});
    c.push_back({d.Text203, 203});
    TChampionsDialog& ch = *f.ChampionsDialog();
    c.push_back({ch.windowTitle(), 29});
    c.push_back({Part<QPushButton>(ch, "BNew")->text(), 90});
    c.push_back({Part<QPushButton>(ch, "BOK")->text(), 94});
    TPasswordDialog* pass = f.findChild<TPasswordDialog*>();
    c.push_back({pass->windowTitle(), 30});
    c.push_back({Part<QLabel>(*pass, "Label1")->text(), 99});
    return c;
  }

  void ExpectLanguage(int language) {
    for (const auto& [caption, n] : Captions()) {
      const QString expected = PackText(n, language);
      EXPECT_FALSE(expected.isEmpty()) << "text " << n;
      // A button's caption reads as its text, its key letter marked.
      EXPECT_EQ(WithoutMnemonic(caption), expected) << "text " << n << " in language " << language;
    }
  }
};

TEST_F(LanguageCaptions, EnglishAndBackRestoresEveryCaption) {
  ExpectLanguage(1);
  // Before any switch the right-click menu has its own English names; afterwards it
  // follows the language.
  Form->LanguageChosen(2);
  ExpectLanguage(2);
  EXPECT_TRUE(Form->Menus().Items().EnglishItem->isChecked());
  Form->LanguageChosen(1);
  ExpectLanguage(1);
  EXPECT_EQ(
      WithoutMnemonic(Part<QPushButton>(*Form->Menus().AppearanceDialog(), "Button1")->text()),
      QStringLiteral("Другая..."));
  EXPECT_EQ(
      WithoutMnemonic(Part<QPushButton>(*Form->Menus().AppearanceDialog(), "Button2")->text()),
      QStringLiteral("Другая..."));
  EXPECT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
}

TEST_F(LanguageCaptions, EveryDialogShowsItsTextsWholeInBothLanguages) {
  CheckWindows(1);
  Form->LanguageChosen(2);
  CheckWindows(2);
}

// Qt's own dialogs follow the game's language at once.
TEST_F(LanguageCaptions, QtDialogsSpeakTheGamesLanguage) {
  const QString qm = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                         .filePath(QStringLiteral("qtbase_ru.qm"));
  if (!QFile::exists(qm)) GTEST_SKIP() << "Qt's Russian translation is not installed";
  auto basic = [] { return QColorDialog::tr("&Basic colors"); };
  auto lookIn = [] { return QFileDialog::tr("Look in:"); };
  Form->LanguageChosen(1);
  EXPECT_EQ(basic().toStdString(), "&Основные цвета");
  EXPECT_NE(lookIn(), QStringLiteral("Look in:"));
  QColorDialog colours;
  colours.setOption(QColorDialog::DontUseNativeDialog);
  colours.show();
  QApplication::processEvents();
  Shot(&colours, QStringLiteral("qt-colour-dialog-ru"));
  Form->LanguageChosen(2);
  EXPECT_EQ(basic(), QStringLiteral("&Basic colors"));
  EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
  QApplication::processEvents();
  Shot(&colours, QStringLiteral("qt-colour-dialog-en"));
  Form->LanguageChosen(1);
  EXPECT_EQ(basic().toStdString(), "&Основные цвета");
}

}  // namespace
}  // namespace durak::testing
