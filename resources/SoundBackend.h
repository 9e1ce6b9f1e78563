// What the sound module (the only part of the game linked with Qt Multimedia) offers the
// sound player, which loads it when a sound is first asked for. The functions are plain C so
// the player finds them by name.
#pragma once

extern "C" {

// Whether the machine has an audio output at all: 1 or 0. Asked only with an application
// object present.
using DurakSoundHasOutput = int (*)();
// Starts playing the PCM samples (8-bit unsigned or 16-bit signed, interleaved) and returns
// at once: 1 when the sound was started, 0 without an output or for a format the output
// cannot play. The samples are copied.
using DurakSoundPlay = int (*)(const char* samples, long long size, int sampleRate, int channels,
                               int bitsPerSample);
// How many sounds are playing or still sounding out.
using DurakSoundPlaying = int (*)();
}

namespace durak {

inline constexpr char kSoundHasOutputSymbol[] = "durak_sound_has_output";
inline constexpr char kSoundPlaySymbol[] = "durak_sound_play";
inline constexpr char kSoundPlayingSymbol[] = "durak_sound_playing";

}  // namespace durak
