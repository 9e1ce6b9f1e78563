// Reading sounds: good WAV files parse, damaged or unsupported ones are refused.
#include <gtest/gtest.h>

#include <QtEndian>

#include "WavData.h"

using durak::ParseWav;
using durak::WavData;

namespace {

QByteArray Wav(quint16 format, quint16 channels, quint16 bits, const QByteArray& data) {
  QByteArray out("RIFF\0\0\0\0WAVEfmt ", 16);
  auto u32 = [&out](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
  };
  auto u16 = [&out](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
  };
  u32(16);
  u16(format);
  u16(channels);
  u32(22050);
  u32(22050u * channels * bits / 8);
  u16(static_cast<quint16>(channels * bits / 8));
  u16(bits);
  out.append("LIST");  // an extra chunk of odd length, padded, before the data
  u32(3);
  out.append("abc\0", 4);
  out.append("data");
  u32(static_cast<quint32>(data.size()));
  out.append(data);
  qToLittleEndian<quint32>(static_cast<quint32>(out.size() - 8), out.data() + 4);
  return out;
}

TEST(WavData, ReadsPcmAndSkipsOtherChunks) {
  WavData wav;
  ASSERT_TRUE(ParseWav(Wav(1, 1, 16, QByteArray(400, '\x10')), &wav));
  EXPECT_EQ(wav.sampleRate, 22050);
  EXPECT_EQ(wav.channels, 1);
  EXPECT_EQ(wav.bitsPerSample, 16);
  EXPECT_EQ(wav.samples, QByteArray(400, '\x10'));
  ASSERT_TRUE(ParseWav(Wav(1, 2, 8, QByteArray(10, '\x80')), &wav));
  EXPECT_EQ(wav.channels, 2);
}

TEST(WavData, RefusesDamagedAndUnsupportedSounds) {
  WavData wav;
  const QByteArray good = Wav(1, 1, 16, QByteArray(400, '\x10'));
  EXPECT_FALSE(ParseWav(good.left(good.size() - 1), &wav));  // data chunk cut short
  EXPECT_FALSE(ParseWav(good.left(30), &wav));
  EXPECT_FALSE(ParseWav(QByteArray(), &wav));
  EXPECT_FALSE(ParseWav(QByteArray("RIFF\xff\xff\xff\xffWAVE", 12), &wav));
  EXPECT_FALSE(ParseWav(Wav(3, 1, 32, QByteArray(16, '\0')), &wav));  // floating point
  EXPECT_FALSE(ParseWav(Wav(1, 6, 16, QByteArray(24, '\0')), &wav));  // six channels
  EXPECT_FALSE(ParseWav(Wav(1, 1, 24, QByteArray(24, '\0')), &wav));
  // A chunk that claims to run past the end of the file.
  QByteArray lying = good;
  qToLittleEndian<quint32>(0xfffffff0u, lying.data() + 16);
  EXPECT_FALSE(ParseWav(lying, &wav));
}

TEST(WavData, LongSoundsAreCutToTenSecondsAndTheByteCapAtAWholeFrame) {
  WavData wav;
  // 22050 Hz, 8-bit mono: 30 seconds become 10.
  ASSERT_TRUE(ParseWav(Wav(1, 1, 8, QByteArray(22050 * 30, '\x80')), &wav));
  durak::CapSoundLength(&wav);
  EXPECT_EQ(wav.samples.size(), 22050 * 10);
  // 16-bit stereo: ten seconds would be 882,000 bytes, under the cap, so ten seconds.
  ASSERT_TRUE(ParseWav(Wav(1, 2, 16, QByteArray(22050 * 4 * 12 + 2, '\0')), &wav));
  durak::CapSoundLength(&wav);
  EXPECT_EQ(wav.samples.size(), 22050 * 4 * 10);
  // A high rate reaches the byte cap first; the cut keeps whole frames.
  wav.sampleRate = 192000;
  wav.samples = QByteArray(8 * 1024 * 1024, '\0');
  durak::CapSoundLength(&wav);
  EXPECT_LE(wav.samples.size(), durak::kMaxSoundBytes);
  EXPECT_GT(wav.samples.size(), durak::kMaxSoundBytes - 4);
  EXPECT_EQ(wav.samples.size() % 4, 0);
  // A short sound is left whole.
  ASSERT_TRUE(ParseWav(Wav(1, 1, 16, QByteArray(400, '\x10')), &wav));
  durak::CapSoundLength(&wav);
  EXPECT_EQ(wav.samples.size(), 400);
}

}  // namespace
