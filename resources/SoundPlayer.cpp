#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutexLocker>

#include "ModuleCheck.h"
#include "PackLocator.h"
#include "WavData.h"

namespace durak {

SoundPlayer& SoundPlayer::Instance() {
  static SoundPlayer* player = new SoundPlayer;  // lives until the program ends
  return *player;
}

QStringList SoundPlayer::ModuleFolders() {
  QStringList folders;
  if (QCoreApplication::instance()) folders << ProgramFolder();
  const QString installed = QStringLiteral(DURAK_SOUND_MODULE_DIR);
  if (!folders.contains(installed)) folders << installed;
  return folders;
}

bool SoundPlayer::UseModuleFolders(const QStringList& folders) {
  QMutexLocker lock(&mutex_);
  if (module_) return false;
  folders_ = folders;
  tried_ = false;
  return true;
}

bool SoundPlayer::Load() {
  QMutexLocker lock(&mutex_);
  if (module_) return true;
  if (tried_) return false;
  tried_ = true;
  const QString file = QStringLiteral(DURAK_SOUND_MODULE_FILE);
  const QStringList folders = folders_.isEmpty() ? ModuleFolders() : folders_;
  QStringList problems;
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(file);
    if (!QFileInfo::exists(path)) continue;
    // A damaged file would kill the program inside the loader: looked at first.
    const QString damage = CheckModuleFile(path);
    if (!damage.isEmpty()) {
      problems << QStringLiteral("%1: %2").arg(path, damage);
      continue;
    }
    auto* library = new QLibrary(path);
    // Never unloaded: a sound thread that outlives the program's end runs the module's code.
    library->setLoadHints(QLibrary::PreventUnloadHint);
    if (library->load()) {
      hasOutput_ = reinterpret_cast<DurakSoundHasOutput>(library->resolve(kSoundHasOutputSymbol));
      play_ = reinterpret_cast<DurakSoundPlay>(library->resolve(kSoundPlaySymbol));
      playing_ = reinterpret_cast<DurakSoundPlaying>(library->resolve(kSoundPlayingSymbol));
      if (hasOutput_ && play_ && playing_) {
        module_ = library;
        return true;
      }
      problems << QStringLiteral("%1 is not the game's sound module").arg(path);
    } else {
      problems << library->errorString();
    }
    hasOutput_ = nullptr;
    play_ = nullptr;
    playing_ = nullptr;
    delete library;
  }
  const QString where = folders.join(QStringLiteral(", "));
  const QString message =
      problems.isEmpty()
          ? QStringLiteral(
                "The sound module %1 was not found in %2; the game plays without "
                "sound.")
                .arg(file, where)
          : QStringLiteral("No usable sound module %1 in %2; the game plays without sound (%3)")
                .arg(file, where, problems.join(QStringLiteral("; ")));
  qWarning().noquote() << message;
  return false;
}

bool SoundPlayer::Loaded() {
  return QCoreApplication::instance() && Load();
}

QString SoundPlayer::ModuleFile() {
  if (!Loaded()) return {};
  QMutexLocker lock(&mutex_);
  return module_->fileName();
}

bool SoundPlayer::HasAudioOutput() {
  SoundPlayer& self = Instance();
  return self.Loaded() && self.hasOutput_() != 0;
}

void SoundPlayer::Play(const QByteArray& wavFile) {
  WavData wav;
  if (!ParseWav(wavFile, &wav) || wav.samples.isEmpty() || !Loaded()) return;
  CapSoundLength(&wav);
  play_(wav.samples.constData(), wav.samples.size(), wav.sampleRate, wav.channels,
        wav.bitsPerSample);
}

int SoundPlayer::Playing() {
  QMutexLocker lock(&mutex_);
  return playing_ ? playing_() : 0;
}

}  // namespace durak
