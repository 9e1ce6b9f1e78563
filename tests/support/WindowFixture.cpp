#include "WindowFixture.h"

#include <QTimer>

#include "AppearanceDialog.h"
#include "ResourcePack.h"

namespace durak::testing {

void WindowFixture::SetUp() {
  TWindowTest::SetUp();
  ASSERT_FALSE(HasFatalFailure());
  Form = std::make_unique<TMainWindow>();
  Form->FixedMillisOfDay = DealSeed;
  Form->ShowMessage = [this](const QString& text) { Messages << text; };
  Form->Menus().AppearanceDialog()->ShowMessage = [this](const QString& text) { Messages << text; };
  Form->Activated = true;  // no start-up round: no champions table, no first deal
  Form->resize(800, 600);
  Form->show();
  Form->LanguageChosen(1);
  Form->LoadCardFaces();
  ASSERT_TRUE(Messages.isEmpty()) << qPrintable(Messages.join('\n'));
  ASSERT_FALSE(Form->Texts().At(199).isEmpty()) << "the language pack was not found";
}

void WindowFixture::Answer(const std::function<void()>& answer,
                           const std::function<void()>& command) {
  QTimer::singleShot(0, answer);
  command();
}

QString WindowFixture::PackText(int n, int language) {
  ResourcePack pack;
  if (!pack.Open(QStringLiteral("durlang.dll"))) return QString();
  return pack.LoadText(n + (language == 2 ? 300 : 0));
}

}  // namespace durak::testing
