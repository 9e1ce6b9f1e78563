// Fire-and-forget playing of short sounds through the default audio output.
#pragma once

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QStringList>

#include "SoundBackend.h"

class QLibrary;

namespace durak {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  static SoundPlayer& Instance();

  // Whether the machine has an audio output at all. False too when the sound module
  // cannot be loaded.
  static bool HasAudioOutput();

  // Starts the WAV sound and returns at once. Nothing happens without an
  // application object, without an audio output or for a damaged sound.
  // The sound plays to its end even while the caller's thread is busy (a card
  // glide sleeps in the window's thread): it is fed from a thread of its own.
  void Play(const QByteArray& wavFile);

  // How many sounds are playing or still sounding out.
  int Playing();

  // The sound itself lives in a module of its own, loaded at the first sound or question
  // about the output, so the program starts without the audio libraries. It is looked for
  // beside the program, then in the installed library folder. Once loaded, it stays.
  static QStringList ModuleFolders();
  // The file the module was loaded from (loading it now if it has not been tried); empty
  // without an application object or when no usable module was found.
  QString ModuleFile();
  // Looks for the module in these folders instead (the default ones when empty), for the
  // tests. Takes effect only while the module is not loaded (false once it is); a failed
  // search is then tried again.
  bool UseModuleFolders(const QStringList& folders);

 private:
  SoundPlayer() = default;
  // Loads the module on the first call; true when its functions are at hand. Needs an
  // application object.
  bool Load();
  bool Loaded();

  QMutex mutex_;
  QStringList folders_;
  bool tried_ = false;
  QLibrary* module_ = nullptr;  // kept for the program's life once loaded
  DurakSoundHasOutput hasOutput_ = nullptr;
  DurakSoundPlay play_ = nullptr;
  DurakSoundPlaying playing_ = nullptr;
};

}  // namespace durak
