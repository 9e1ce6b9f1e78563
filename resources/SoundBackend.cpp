// The sound module: plays short sounds through Qt Multimedia on a thread of its own. It is
// loaded by the sound player only when a sound is first needed, so the game starts without
// the audio libraries while its sound is off.
#include "SoundBackend.h"

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
#include <algorithm>
#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <type_traits>

namespace {

// The audio server asks for this much ahead; the sound is followed by twice as much
// silence, so its last sample has left the server's buffer before the stream runs dry.
constexpr qint64 kBufferMicros = 250000;
// After the sound's own length, this long is left for the server to play what it holds.
constexpr qint64 kTailMillis = 2 * kBufferMicros / 1000 + 100;
// A sound whose stream never reports running dry is released this long after its end.
constexpr qint64 kGiveUpMillis = 3000;
// The longest the program's end waits for the sound thread.
constexpr int kStopMillis = 3000;
// Sounds playing at once: a new one beyond them cuts off the oldest. Sounds asked for
// faster than the sound thread starts them are dropped beyond this many.
constexpr int kMaxStreams = 4;
// The most sample bytes one sound is played with (the player cuts sounds to ten seconds).
constexpr long long kMaxSampleBytes = 4LL * 1024 * 1024;

// The sound thread and its worker, which owns the sinks that play. Touched only from the
// thread that plays (the window's) and, at the program's end, from the application's
// post routine.
QThread* g_thread = nullptr;
QObject* g_worker = nullptr;
std::atomic<int> g_playing{0};
// Sounds handed to the sound thread and not started yet.
std::atomic<int> g_queued{0};
bool g_postRoutineAdded = false;
// The sinks playing, oldest first, each with what releases it. Sound thread only.
std::list<std::pair<QAudioSink*, std::function<void()>>> g_live;

// Plays one sound on one sink in the sound thread and releases it when it has sounded out:
// not before its own length plus the server's buffer has passed since it started, and not
// before the stream has run dry (or at the latest kGiveUpMillis after its end).
void StartSink(QObject* owner, const QAudioDevice& device, const QAudioFormat& format,
               const QByteArray& samples, std::atomic<int>* playing) {
  // The oldest sounds give way, so no more than kMaxStreams play at once.
  while (g_live.size() >= static_cast<size_t>(kMaxStreams)) {
    const std::function<void()> releaseOldest = g_live.front().second;
    releaseOldest();
  }
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
    g_live.remove_if([sink](const auto& entry) { return entry.first == sink; });
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
  g_live.emplace_back(sink, release);
  started->start();
  sink->start(buffer);
}

// Ends the sound thread when the application object goes away: the sinks go in their own
// thread, then the thread ends. An audio system that does not answer never holds up the
// program's end: the thread is then left to the process's exit (the module is never
// unloaded, so its code stays in place for it).
void StopThread() {
  g_postRoutineAdded = false;
  if (!g_thread) return;
  QObject* worker = g_worker;
  QMetaObject::invokeMethod(
      worker,
      [worker] {
        g_live.clear();
        qDeleteAll(worker->findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly));
        QThread::currentThread()->quit();
      },
      Qt::QueuedConnection);
  if (!g_thread->wait(QDeadlineTimer(kStopMillis))) return;
  delete g_worker;
  delete g_thread;
  g_worker = nullptr;
  g_thread = nullptr;
  g_playing = 0;
}

void StartThread() {
  if (g_thread) return;
  g_thread = new QThread;
  g_thread->setObjectName(QStringLiteral("sound"));
  g_worker = new QObject;
  g_worker->moveToThread(g_thread);
  g_thread->start();
  if (!g_postRoutineAdded) {
    g_postRoutineAdded = true;
    qAddPostRoutine(&StopThread);
  }
}

}  // namespace

extern "C" {

Q_DECL_EXPORT int durak_sound_has_output() {
  return QCoreApplication::instance() && !QMediaDevices::defaultAudioOutput().isNull() ? 1 : 0;
}

Q_DECL_EXPORT int durak_sound_play(const char* samples, long long size, int sampleRate,
                                   int channels, int bitsPerSample) {
  if (!samples || size <= 0 || !QCoreApplication::instance()) return 0;
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(channels);
  format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) return 0;

  // Each sound gets its own sink, so a new sound does not cut off the last one (only the
  // oldest, beyond kMaxStreams).
  if (g_queued.load() >= kMaxStreams) return 0;
  StartThread();
  const qint64 frame = qint64{channels} * (bitsPerSample / 8);
  if (frame <= 0) return 0;
  const long long kept = std::min(size, kMaxSampleBytes - kMaxSampleBytes % frame);
  const QByteArray data(samples, static_cast<qsizetype>(kept));
  std::atomic<int>* playing = &g_playing;
  QObject* owner = g_worker;
  ++g_queued;
  QMetaObject::invokeMethod(
      g_worker,
      [owner, device, format, data, playing] {
        --g_queued;
        StartSink(owner, device, format, data, playing);
      },
      Qt::QueuedConnection);
  return 1;
}

Q_DECL_EXPORT int durak_sound_playing() {
  return g_playing.load();
}
}

// The player calls these through the pointer types it knows them by.
static_assert(std::is_same_v<decltype(&durak_sound_has_output), DurakSoundHasOutput>);
static_assert(std::is_same_v<decltype(&durak_sound_play), DurakSoundPlay>);
static_assert(std::is_same_v<decltype(&durak_sound_playing), DurakSoundPlaying>);
