// Fire-and-forget playing of short sounds through the default audio output.
#pragma once

#include <QByteArray>
#include <QObject>
#include <atomic>

class QThread;

namespace durak {

class SoundPlayer : public QObject {
  Q_OBJECT
 public:
  static SoundPlayer& Instance();

  // Whether the machine has an audio output at all.
  static bool HasAudioOutput();

  // Starts the WAV sound and returns at once. Nothing happens without an
  // application object, without an audio output or for a damaged sound.
  // The sound plays to its end even while the caller's thread is busy (a card
  // glide sleeps in the window's thread): it is fed from a thread of its own.
  void Play(const QByteArray& wavFile);

  // How many sounds are playing or still sounding out.
  int Playing() const { return playing_.load(); }

 private:
  SoundPlayer() = default;
  void StartThread();
  // Ends the sound thread when the application object goes away.
  static void StopThread();

  QThread* thread_ = nullptr;
  QObject* worker_ = nullptr;  // lives in thread_; owns the sinks that play
  std::atomic<int> playing_{0};
};

}  // namespace durak
