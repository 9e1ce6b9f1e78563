// The sound module is looked at before it is loaded: the real one passes; one cut short
// (a failed copy), one of another machine and a file that is no library are refused with
// their reason, without loading them (a cut module kills the loader with a bus error).
#include <elf.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ModuleCheck.h"

namespace durak {
namespace {

QByteArray RealModule() {
  QFile f(QDir(QCoreApplication::applicationDirPath())
              .filePath(QStringLiteral(DURAK_SOUND_MODULE_FILE)));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ModuleCheckTest : public ::testing::Test {
 protected:
  QString Put(const QByteArray& bytes) {
    const QString path = dir_.filePath(QStringLiteral("module%1.so").arg(++count_));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QTemporaryDir dir_;
  int count_ = 0;
};

TEST_F(ModuleCheckTest, TheBuiltModulePasses) {
  const QByteArray real = RealModule();
  ASSERT_GT(real.size(), 20 * 1024);
  EXPECT_EQ(CheckModuleFile(Put(real)), QString());
}

TEST_F(ModuleCheckTest, AModuleCutShortIsRefused) {
  const QByteArray real = RealModule();
  ASSERT_GT(real.size(), 20 * 1024);
  for (const int kb : {1, 4, 16, 20}) {
    const QString why = CheckModuleFile(Put(real.left(kb * 1024)));
    EXPECT_TRUE(why.contains(QLatin1String("cut short"))) << kb << " KB: " << why.toStdString();
  }
  // Cut inside the header, or missing its last byte only.
  EXPECT_FALSE(CheckModuleFile(Put(real.left(40))).isEmpty());
  EXPECT_FALSE(CheckModuleFile(Put(real.left(real.size() - 1))).isEmpty());
}

TEST_F(ModuleCheckTest, AnotherMachineIsNamedAndOtherFilesRefused) {
  QByteArray other = RealModule();
  ASSERT_GT(other.size(), 64);
  // The same module with the header of another architecture.
  const quint16 machine = *reinterpret_cast<const quint16*>(other.constData() + 18) == EM_AARCH64
                              ? EM_X86_64
                              : EM_AARCH64;
  std::memcpy(other.data() + 18, &machine, 2);
  const QString why = CheckModuleFile(Put(other));
  EXPECT_TRUE(why.contains(QLatin1String("another machine architecture"))) << why.toStdString();
  EXPECT_TRUE(
      why.contains(machine == EM_AARCH64 ? QLatin1String("ARM64") : QLatin1String("x86-64")))
      << why.toStdString();
  QByteArray narrow = RealModule();
  narrow[EI_CLASS] = narrow[EI_CLASS] == ELFCLASS64 ? ELFCLASS32 : ELFCLASS64;
  EXPECT_TRUE(CheckModuleFile(Put(narrow)).contains(QLatin1String("another kind of machine")));

  EXPECT_TRUE(CheckModuleFile(Put("not a library at all")).contains(QLatin1String("no ELF")));
  EXPECT_FALSE(CheckModuleFile(Put(QByteArray())).isEmpty());
  EXPECT_FALSE(CheckModuleFile(dir_.filePath(QStringLiteral("missing.so"))).isEmpty());
  EXPECT_TRUE(CheckModuleFile(dir_.path()).contains(QLatin1String("not a regular file")));
}

}  // namespace
}  // namespace durak
