#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <memory>

#include "WavData.h"

namespace durak {

namespace {

// The audio server asks for this much ahead; the sound is followed by twice as much
// silence, so its last sample has left the server's buffer before the stream runs dry.
constexpr qint64 kBufferMicros = 250000;
// After the sound's own length, this long is left for the server to play what it holds.
constexpr qint64 kTailMillis = 2 * kBufferMicros / 1000 + 100;
// A sound whose stream never reports running dry is released this long after its end.
constexpr qint64 kGiveUpMillis = 3000;

bool g_postRoutineAdded = false;

// Plays one sound on one sink in the sound thread and releases it when it has sounded out:
// not before its own length plus the server's buffer has passed since it started, and not
// before the stream has run dry (or at the latest kGiveUpMillis after its end).
void StartSink(QObject* owner, const QAudioDevice& device, const QAudioFormat& format,
               const QByteArray& samples, std::atomic<int>* playing) {
  auto* sink = new QAudioSink(device, format, owner);
  sink->setBufferSize(static_cast<qsizetype>(format.bytesForDuration(kBufferMicros)));
  QByteArray data = samples;
  const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0';
  data.append(static_cast<qsizetype>(format.bytesForDuration(2 * kBufferMicros)), silence);
  auto* buffer = new QBuffer(sink);
  buffer->setData(data);
  buffer->open(QIODevice::ReadOnly);

  const qint64 soundMillis = format.durationForBytes(static_cast<qint32>(samples.size())) / 1000;
  auto started = std::make_shared<QElapsedTimer>();
  auto released = std::make_shared<bool>(false);
  auto release = [sink, released, playing] {
    if (*released) return;
    *released = true;
    sink->disconnect();
    sink->stop();
    sink->deleteLater();
    --*playing;
  };
  // Once dry, wait out whatever of the sound's length and the tail is left.
  auto releaseWhenSounded = [sink, started, soundMillis, release] {
    const qint64 left = soundMillis + kTailMillis - started->elapsed();
    QTimer::singleShot(std::max<qint64>(0, left), sink, release);
  };
  QObject::connect(sink, &QAudioSink::stateChanged, sink,
                   [sink, releaseWhenSounded, release](QAudio::State state) {
                     if (state == QAudio::IdleState) {
                       releaseWhenSounded();
                     } else if (state == QAudio::StoppedState && sink->error() != QAudio::NoError) {
                       release();
                     }
                   });
  QTimer::singleShot(soundMillis + kTailMillis + kGiveUpMillis, sink, release);
  ++*playing;
  started->start();
  sink->start(buffer);
}

}  // namespace

SoundPlayer& SoundPlayer::Instance() {
  static SoundPlayer* player = new SoundPlayer;  // lives until the program ends
  return *player;
}

bool SoundPlayer::HasAudioOutput() {
  return QCoreApplication::instance() && !QMediaDevices::defaultAudioOutput().isNull();
}

void SoundPlayer::StartThread() {
  if (thread_) return;
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("sound"));
  worker_ = new QObject;
  worker_->moveToThread(thread_);
  thread_->start();
  if (!g_postRoutineAdded) {
    g_postRoutineAdded = true;
    qAddPostRoutine(&SoundPlayer::StopThread);
  }
}

void SoundPlayer::StopThread() {
  g_postRoutineAdded = false;
  SoundPlayer& self = Instance();
  if (!self.thread_) return;
  // The sinks go in their own thread, then the thread ends. An audio system that does not
  // answer never holds up the program's end: the thread is then left to the process's exit.
  QObject* worker = self.worker_;
  QMetaObject::invokeMethod(
      worker,
      [worker] {
        qDeleteAll(worker->findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly));
        QThread::currentThread()->quit();
      },
      Qt::QueuedConnection);
  if (!self.thread_->wait(QDeadlineTimer(3000))) return;
  delete self.worker_;
  delete self.thread_;
  self.worker_ = nullptr;
  self.thread_ = nullptr;
  self.playing_ = 0;
}

void SoundPlayer::Play(const QByteArray& wavFile) {
  WavData wav;
  if (!ParseWav(wavFile, &wav) || wav.samples.isEmpty() || !HasAudioOutput()) return;
  QAudioFormat format;
  format.setSampleRate(wav.sampleRate);
  format.setChannelCount(wav.channels);
  format.setSampleFormat(wav.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (!device.isFormatSupported(format)) return;

  // Each sound gets its own sink, so a new sound never cuts off the last one.
  StartThread();
  const QByteArray samples = wav.samples;
  std::atomic<int>* playing = &playing_;
  QObject* owner = worker_;
  QMetaObject::invokeMethod(
      worker_,
      [owner, device, format, samples, playing] {
        StartSink(owner, device, format, samples, playing);
      },
      Qt::QueuedConnection);
}

}  // namespace durak
