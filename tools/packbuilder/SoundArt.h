// The game's sounds, synthesised by the builder as 16-bit mono WAV files.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace packbuilder {

constexpr int kSoundRate = 22050;

// Kinds: "put" (a card put down), "discard" (a bout swept away), "take"
// (cards gathered up), "playerwins" (a bright fanfare), "computerwins" (a
// falling, rueful tune). Empty for an unknown kind.
QByteArray SynthesiseSound(const QString& kind);

// The samples of a kind, -1..1, before normalising (for tests of the builder).
std::vector<double> SoundSamples(const QString& kind);

// Scales to the given peak and softens the first and last milliseconds.
void Normalise(std::vector<double>* samples, double peak);

// A WAV file of 16-bit mono samples at kSoundRate.
QByteArray EncodeWav(const std::vector<double>& samples);

}  // namespace packbuilder
