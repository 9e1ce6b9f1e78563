#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

#include "WavData.h"

namespace durak {

SoundPlayer& SoundPlayer::Instance() {
  static SoundPlayer* player = new SoundPlayer;  // lives until the program ends
  return *player;
}

bool SoundPlayer::HasAudioOutput() {
  return QCoreApplication::instance() && !QMediaDevices::defaultAudioOutput().isNull();
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

  // Each sound gets its own sink, so a new sound never cuts off the last one;
  // both remove themselves once the sound has played out.
  auto* sink = new QAudioSink(device, format, this);
  auto* buffer = new QBuffer(sink);
  buffer->setData(wav.samples);
  buffer->open(QIODevice::ReadOnly);
  connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState) {
      sink->stop();
      sink->deleteLater();
    }
  });
  sink->start(buffer);
}

}  // namespace durak
