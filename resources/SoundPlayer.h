// Fire-and-forget playing of short sounds through the default audio output.
#pragma once

#include <QByteArray>
#include <QObject>

namespace durak {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  static SoundPlayer& Instance();

  // Whether the machine has an audio output at all.
  static bool HasAudioOutput();

  // Starts the WAV sound and returns at once. Nothing happens without an
  // application object, without an audio output or for a damaged sound.
  void Play(const QByteArray& wavFile);

 private:
  SoundPlayer() = default;
};

}  // namespace durak
