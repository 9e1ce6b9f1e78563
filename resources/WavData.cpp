#include "WavData.h"

#include <algorithm>

namespace durak {

namespace {

// Little-endian numbers byte by byte; the callers have checked that the bytes are there.
quint32 U32(const QByteArray& b, qsizetype at) {
  quint32 v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uchar>(b.at(at + i));
  return v;
}
quint16 U16(const QByteArray& b, qsizetype at) {
  return static_cast<quint16>(static_cast<uchar>(b.at(at)) |
                              (static_cast<uchar>(b.at(at + 1)) << 8));
}

}  // namespace

void CapSoundLength(WavData* wav) {
  const qsizetype frame = qsizetype{wav->channels} * (wav->bitsPerSample / 8);
  if (frame <= 0) return;
  const qsizetype bySeconds = qsizetype{wav->sampleRate} * frame * kMaxSoundSeconds;
  qsizetype cap = std::min(bySeconds, kMaxSoundBytes);
  cap -= cap % frame;
  if (wav->samples.size() > cap) wav->samples.truncate(cap);
}

bool ParseWav(const QByteArray& file, WavData* out) {
  if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return false;
  WavData wav;
  bool haveFormat = false;
  qsizetype at = 12;
  while (at + 8 <= file.size()) {
    const QByteArray id = file.mid(at, 4);
    const quint64 length = U32(file, at + 4);
    const qsizetype body = at + 8;
    if (length > static_cast<quint64>(file.size() - body)) return false;
    if (id == "fmt ") {
      if (length < 16 || U16(file, body) != 1) return false;  // PCM only
      wav.channels = U16(file, body + 2);
      wav.sampleRate = static_cast<int>(U32(file, body + 4));
      wav.bitsPerSample = U16(file, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return false;
      wav.samples = file.mid(body, static_cast<qsizetype>(length));
      const bool formatOk = (wav.channels == 1 || wav.channels == 2) &&
                            (wav.bitsPerSample == 8 || wav.bitsPerSample == 16) &&
                            wav.sampleRate >= 4000 && wav.sampleRate <= 192000;
      if (!formatOk) return false;
      *out = wav;
      return true;
    }
    at = body + static_cast<qsizetype>(length) +
         static_cast<qsizetype>(length & 1);  // chunks are word-aligned
  }
  return false;
}

}  // namespace durak
