// Where the dialogs open and what they are called: every dialog is tied to the game's
// window (so that a Wayland compositor opens it over the game), and each file dialog has a
// caption of its own in both languages.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "AppearanceDialog.h"
#include "ChampionsDialog.h"
#include "OptionsDialog.h"
#include "RulesWindow.h"
#include "WidgetPart.h"
#include "WindowFixture.h"
#include "WindowPlacement.h"

namespace durak::testing {
namespace {

class DialogOwner : public WindowFixture {
 protected:
  // Whether the window's chain of owners (transient parents) reaches the game's window.
  bool OwnedByTheGame(QWidget* dialog) const {
    if (!dialog || !dialog->windowHandle()) return false;
    for (QWindow* w = dialog->windowHandle()->transientParent(); w; w = w->transientParent())
      if (w == Form->windowHandle()) return true;
    return false;
  }
  // Opens a modal dialog with `command`, and reports whether it belongs to the game's
  // window and its caption; closes it again.
  std::pair<bool, QString> OpenModal(const std::function<void()>& command) {
    std::pair<bool, QString> seen{false, QStringLiteral("(no dialog)")};
    QTimer::singleShot(0, [this, &seen] {
      QWidget* d = QApplication::activeModalWidget();
      if (!d) return;
      seen = {OwnedByTheGame(d), d->windowTitle()};
      if (auto* dialog = qobject_cast<QDialog*>(d)) dialog->reject();
    });
    command();
    return seen;
  }
};

TEST_F(DialogOwner, EveryDialogBelongsToTheGameWindow) {
  EXPECT_TRUE(OpenModal([this] { Form->Menus().ShowOptions(); }).first) << "options";
  EXPECT_TRUE(OpenModal([this] { Form->Menus().ShowAppearance(); }).first) << "appearance";
  EXPECT_TRUE(OpenModal([this] { Form->Menus().ShowAbout(); }).first) << "about";
  EXPECT_TRUE(OpenModal([this] { Form->Menus().ShowChampions(); }).first) << "champions";
  EXPECT_TRUE(OpenModal([this] {
                QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("?"),
                                QMessageBox::Ok, Form.get());
                box.exec();
              }).first)
      << "message";
  // The file and colour dialogs of the appearance dialog belong to it, and through it to
  // the game's window.
  TAppearanceDialog& inter = *Form->Menus().AppearanceDialog();
  inter.Load(*Form->Parts().TablePanel, Qt::black, QStringLiteral("dtop.dll"),
             QStringLiteral("c36.dll"));
  inter.show();
  QApplication::processEvents();
  EXPECT_TRUE(OpenModal([&inter] { Part<QPushButton>(inter, "Button2")->click(); }).first)
      << "file dialog";
  inter.hide();
  Form->Menus().Items().RulesItem->trigger();
  EXPECT_TRUE(OwnedByTheGame(Form->Menus().RulesWindow())) << "rules";
  Form->Menus().RulesWindow()->close();
}

// The desktop's own dialogs are used only where they open over the game.
TEST(NativeDialogs, AreLeftAsideOnWayland) {
  EXPECT_TRUE(NativeDialogsStayOverTheGame(QStringLiteral("xcb")));
  EXPECT_TRUE(NativeDialogsStayOverTheGame(QStringLiteral("offscreen")));
  EXPECT_FALSE(NativeDialogsStayOverTheGame(QStringLiteral("wayland")));
  EXPECT_FALSE(NativeDialogsStayOverTheGame(QStringLiteral("wayland-egl")));
  const bool was = QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
  KeepDialogsOverTheGame();
  EXPECT_EQ(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs),
            QGuiApplication::platformName().startsWith(QStringLiteral("wayland")));
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, was);
}

// "Other..." beside each library opens a file dialog named for what it chooses, not the
// appearance dialog's caption.
TEST_F(DialogOwner, EachFileDialogHasACaptionOfItsOwnInBothLanguages) {
  TAppearanceDialog& inter = *Form->Menus().AppearanceDialog();
  inter.Load(*Form->Parts().TablePanel, Qt::black, QStringLiteral("dtop.dll"),
             QStringLiteral("c36.dll"));
  inter.show();
  QApplication::processEvents();
  for (int language : {1, 2}) {
    SCOPED_TRACE(language);
    Form->LanguageChosen(language);
    const QString desk =
        OpenModal([&inter] { Part<QPushButton>(inter, "Button1")->click(); }).second;
    const QString cards =
        OpenModal([&inter] { Part<QPushButton>(inter, "Button2")->click(); }).second;
    EXPECT_EQ(desk, PackText(kDeskFileCaptionText, language));
    EXPECT_EQ(cards, PackText(kCardFileCaptionText, language));
    EXPECT_NE(desk, inter.windowTitle());
    EXPECT_NE(cards, inter.windowTitle());
    EXPECT_NE(desk, cards);
  }
  inter.hide();
}

}  // namespace
}  // namespace durak::testing
