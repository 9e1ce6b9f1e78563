// Reading the PCM sound data of a WAV file held in memory.
#pragma once

#include <QByteArray>

namespace durak {

struct WavData {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;  // 8 or 16
  QByteArray samples;     // the PCM frames, as stored
};

// Parses an uncompressed PCM WAV (8 or 16 bits, 1 or 2 channels). Returns
// false for anything else or for a damaged file; never reads past the data.
bool ParseWav(const QByteArray& file, WavData* out);

// The game's sounds last under two seconds; a sound is played for this long at most, and
// with at most this many bytes of samples, so a hostile pack cannot fill the memory.
constexpr int kMaxSoundSeconds = 10;
constexpr qsizetype kMaxSoundBytes = qsizetype{2} * 1024 * 1024;

// Cuts the samples to kMaxSoundSeconds and kMaxSoundBytes, at a whole frame.
void CapSoundLength(WavData* wav);

}  // namespace durak
