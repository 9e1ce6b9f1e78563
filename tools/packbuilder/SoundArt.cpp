#include "SoundArt.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace packbuilder {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.89;  // about -1 dB below full scale

// A repeatable white-noise source.
class Noise {
 public:
  explicit Noise(quint32 seed) : state_(seed) {}
  double Next() {
    state_ = state_ * 134775813u + 1u;
    return (state_ >> 8) / double(1 << 23) - 1.0;
  }

 private:
  quint32 state_;
};

// A state-variable band-pass filter; the centre may move from sample to sample.
class BandPass {
 public:
  double Step(double in, double centreHz, double damping) {
    const double f = 2 * std::sin(kPi * std::min(centreHz, kSoundRate / 6.0) / kSoundRate);
    low_ += f * band_;
    const double high = in - low_ - damping * band_;
    band_ += f * high;
    return band_;
  }

 private:
  double low_ = 0, band_ = 0;
};

int Samples(double seconds) {
  return static_cast<int>(seconds * kSoundRate);
}

// The slap of a card on cloth: a burst of filtered noise over a soft thump.
void AddSlap(std::vector<double>& out, double at, double brightness, quint32 seed) {
  Noise noise(seed);
  BandPass filter;
  const int start = Samples(at);
  for (int i = 0; i < Samples(0.12) && start + i < static_cast<int>(out.size()); ++i) {
    const double t = double(i) / kSoundRate;
    const double burst =
        filter.Step(noise.Next(), 1800 + 1600 * brightness, 0.9) * std::exp(-t / 0.018);
    const double thump = std::sin(2 * kPi * 150 * t) * std::exp(-t / 0.03) * 0.6;
    out[start + i] += burst + thump;
  }
}

// The rush of cards sliding: noise swelling and fading while its pitch falls.
void AddSwish(std::vector<double>& out, double at, double length, double pitch, quint32 seed) {
  Noise noise(seed);
  BandPass filter;
  const int start = Samples(at), n = Samples(length);
  for (int i = 0; i < n && start + i < static_cast<int>(out.size()); ++i) {
    const double x = double(i) / n;
    const double envelope = std::sin(kPi * std::pow(x, 0.6));
    out[start + i] += filter.Step(noise.Next(), pitch * (1.4 - 0.8 * x), 0.6) * envelope * 0.8;
  }
}

// A bell-like note: a few partials with their own decays.
void AddBell(std::vector<double>& out, double at, double hz, double length, double level) {
  const int start = Samples(at);
  for (int i = 0; i < Samples(length) && start + i < static_cast<int>(out.size()); ++i) {
    const double t = double(i) / kSoundRate;
    const double attack = std::min(1.0, t / 0.004);
    const double v = std::sin(2 * kPi * hz * t) * std::exp(-t / (length * 0.35)) +
                     0.4 * std::sin(2 * kPi * hz * 2 * t) * std::exp(-t / (length * 0.18)) +
                     0.15 * std::sin(2 * kPi * hz * 3 * t) * std::exp(-t / (length * 0.1));
    out[start + i] += level * attack * v;
  }
}

// A soft, reedy note sagging in pitch, for the lost deal.
void AddSigh(std::vector<double>& out, double at, double hz, double length, double bend) {
  const int start = Samples(at), n = Samples(length);
  double phase = 0;
  for (int i = 0; i < n && start + i < static_cast<int>(out.size()); ++i) {
    const double x = double(i) / n, t = double(i) / kSoundRate;
    const double f = hz * (1 - bend * x) * (1 + 0.012 * std::sin(2 * kPi * 5.5 * t));
    phase += 2 * kPi * f / kSoundRate;
    const double envelope = std::min(1.0, t / 0.02) * std::pow(1 - x, 1.5);
    const double v = std::sin(phase) + 0.3 * std::sin(3 * phase) + 0.12 * std::sin(5 * phase);
    out[start + i] += 0.5 * envelope * v;
  }
}

double Note(int semitonesFromA4) {
  return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

}  // namespace

std::vector<double> SoundSamples(const QString& kind) {
  std::vector<double> s;
  if (kind == QLatin1String("put")) {
    s.assign(Samples(0.14), 0.0);
    AddSlap(s, 0.0, 0.6, 7);
  } else if (kind == QLatin1String("discard")) {
    s.assign(Samples(0.42), 0.0);
    AddSwish(s, 0.0, 0.32, 2600, 11);
    AddSlap(s, 0.28, 0.2, 13);
  } else if (kind == QLatin1String("take")) {
    s.assign(Samples(0.46), 0.0);
    for (int i = 0; i < 3; ++i) AddSwish(s, 0.1 * i, 0.16, 1900 + 300 * i, 21 + i);
    AddSlap(s, 0.32, 0.4, 29);
  } else if (kind == QLatin1String("playerwins")) {
    s.assign(Samples(1.25), 0.0);
    const int melody[] = {3, 7, 10, 15};  // C, E, G and the high C
    for (int i = 0; i < 4; ++i) AddBell(s, 0.11 * i, Note(melody[i]), i == 3 ? 0.9 : 0.5, 0.5);
    AddBell(s, 0.33, Note(10), 0.9, 0.25);
    AddBell(s, 0.33, Note(7), 0.9, 0.25);
  } else if (kind == QLatin1String("computerwins")) {
    s.assign(Samples(1.1), 0.0);
    const int melody[] = {-2, -5, -9};  // G, E flat... a falling minor line
    for (int i = 0; i < 3; ++i)
      AddSigh(s, 0.2 * i, Note(melody[i]), i == 2 ? 0.7 : 0.24, 0.03 + 0.05 * (i == 2));
  }
  return s;
}

void Normalise(std::vector<double>* samples, double peak) {
  double top = 0;
  for (double v : *samples) top = std::max(top, std::fabs(v));
  if (top <= 0) return;
  const int fade = std::min<int>(Samples(0.003), static_cast<int>(samples->size() / 2));
  for (size_t i = 0; i < samples->size(); ++i) {
    double v = (*samples)[i] * peak / top;
    const size_t fromEnd = samples->size() - 1 - i;
    if (static_cast<int>(i) < fade) v *= double(i) / fade;
    if (static_cast<int>(fromEnd) < fade) v *= double(fromEnd) / fade;
    (*samples)[i] = v;
  }
}

QByteArray EncodeWav(const std::vector<double>& samples) {
  const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
  QByteArray wav;
  auto u32 = [&wav](quint32 v) {
    char b[4];
    qToLittleEndian<quint32>(v, b);
    wav.append(b, 4);
  };
  auto u16 = [&wav](quint16 v) {
    char b[2];
    qToLittleEndian<quint16>(v, b);
    wav.append(b, 2);
  };
  wav.append("RIFF");
  u32(36 + dataBytes);
  wav.append("WAVEfmt ");
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kSoundRate);
  u32(kSoundRate * 2);
  u16(2);
  u16(16);
  wav.append("data");
  u32(dataBytes);
  for (double v : samples) {
    u16(static_cast<quint16>(static_cast<qint16>(std::lround(std::clamp(v, -1.0, 1.0) * 32767))));
  }
  return wav;
}

QByteArray SynthesiseSound(const QString& kind) {
  std::vector<double> samples = SoundSamples(kind);
  if (samples.empty()) return {};
  Normalise(&samples, kPeak);
  return EncodeWav(samples);
}

}  // namespace packbuilder
