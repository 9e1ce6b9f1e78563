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

}  // namespace durak
