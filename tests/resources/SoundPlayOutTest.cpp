// The game's sounds played through a real audio server: a private PulseAudio server with a
// null sink is started for the test, its monitor is recorded while the sound player plays
// each sound of SND.DLL, and the recording must hold every sound whole, from its first
// audible sample to its last, with all of its energy. Once the event loop runs freely, and
// once with the window's thread asleep as it is during a card glide. Skipped where no audio
// server can be started. Before that, the sound player's module: found beside the program,
// and no sound (but no harm) where it is missing or unusable.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <QtGlobal>
#include <cmath>
#include <csignal>
#include <vector>

#include "PackLocator.h"
#include "ResourcePack.h"
#include "SoundPlayer.h"
#include "WavData.h"

namespace durak {
namespace {

// The warnings about the sound module, caught while a test listens.
QStringList g_moduleWarnings;
void CatchModuleWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtWarningMsg && message.contains(QLatin1String("sound module")))
    g_moduleWarnings << message;
}

// Where the module is missing, damaged or of another kind, there is no output, a sound
// plays nothing, and one warning per search says so. This runs before any sound of its
// process: a module once loaded stays.
TEST(SoundModuleTest, WithoutAUsableModuleThereIsNoSoundAndOneWarning) {
  SoundPlayer& player = SoundPlayer::Instance();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString empty = dir.filePath(QStringLiteral("empty"));
  const QString damaged = dir.filePath(QStringLiteral("damaged"));
  const QString stale = dir.filePath(QStringLiteral("stale"));
  for (const QString& folder : {empty, damaged, stale}) ASSERT_TRUE(QDir().mkpath(folder));
  const QString file = QStringLiteral(DURAK_SOUND_MODULE_FILE);
  QFile junk(QDir(damaged).filePath(file));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a library at all");
  junk.close();
  // A library without the module's functions: the Qt core library this test already uses.
  Dl_info core{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&qVersion), &core), 0);
  ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(core.dli_fname), QDir(stale).filePath(file)));

  ResourcePack pack;
  ASSERT_TRUE(pack.Open(QStringLiteral("SND.DLL")));
  const QByteArray sound = pack.LoadSoundData(QStringLiteral("SND1"));
  ASSERT_FALSE(sound.isEmpty());

  if (!player.UseModuleFolders({empty})) GTEST_SKIP() << "the module was loaded before";
  g_moduleWarnings.clear();
  const QtMessageHandler before = qInstallMessageHandler(CatchModuleWarnings);
  EXPECT_FALSE(SoundPlayer::HasAudioOutput());
  EXPECT_TRUE(player.ModuleFile().isEmpty());
  player.Play(sound);
  EXPECT_EQ(player.Playing(), 0);
  EXPECT_FALSE(SoundPlayer::HasAudioOutput());
  ASSERT_EQ(g_moduleWarnings.size(), 1);
  EXPECT_TRUE(g_moduleWarnings[0].contains(empty)) << g_moduleWarnings[0].toStdString();

  // A damaged file and a library of another kind are passed over, each named in the warning.
  g_moduleWarnings.clear();
  ASSERT_TRUE(player.UseModuleFolders({damaged, stale}));
  player.Play(sound);
  EXPECT_FALSE(SoundPlayer::HasAudioOutput());
  EXPECT_EQ(player.Playing(), 0);
  qInstallMessageHandler(before);
  ASSERT_EQ(g_moduleWarnings.size(), 1);
  EXPECT_TRUE(g_moduleWarnings[0].contains(QDir(damaged).filePath(file)))
      << g_moduleWarnings[0].toStdString();
  EXPECT_TRUE(g_moduleWarnings[0].contains(QDir(stale).filePath(file)))
      << g_moduleWarnings[0].toStdString();

  // The real module cut short, as a failed copy leaves it: loading it would end the
  // program with a bus error; it is refused with its reason instead.
  const QString cut = dir.filePath(QStringLiteral("cut"));
  ASSERT_TRUE(QDir().mkpath(cut));
  QFile real(QDir(QCoreApplication::applicationDirPath()).filePath(file));
  ASSERT_TRUE(real.open(QIODevice::ReadOnly));
  QFile part(QDir(cut).filePath(file));
  ASSERT_TRUE(part.open(QIODevice::WriteOnly));
  part.write(real.read(16 * 1024));
  part.close();
  g_moduleWarnings.clear();
  qInstallMessageHandler(CatchModuleWarnings);
  ASSERT_TRUE(player.UseModuleFolders({cut}));
  player.Play(sound);
  EXPECT_FALSE(SoundPlayer::HasAudioOutput());
  qInstallMessageHandler(before);
  ASSERT_EQ(g_moduleWarnings.size(), 1);
  EXPECT_TRUE(g_moduleWarnings[0].contains(QLatin1String("cut short")))
      << g_moduleWarnings[0].toStdString();

  // The program's own folders again, for whatever runs next in this process.
  EXPECT_TRUE(player.UseModuleFolders({}));
}

constexpr int kRate = 22050;           // the recording: 16-bit mono at this rate
constexpr int kThreshold = 400;        // a sample louder than this is heard
constexpr int kGapMs = 700;            // silence between two sounds of a run
constexpr int kServerStartMs = 10000;  // longest wait for the server to come up
const char kSinkName[] = "durak_test_sink";

// A PulseAudio server of the test's own, in a folder of its own, with one null sink.
// Everything it starts is ended by the destructor, also when a test fails.
class TAudioServer {
 public:
  ~TAudioServer() { Stop(); }

  // Empty when the server is running; otherwise why it could not be started.
  QString Start() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    parec_ = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (daemon.isEmpty() || pactl_.isEmpty() || parec_.isEmpty())
      return QStringLiteral("pulseaudio, pactl or parec is not installed");
    if (!dir_.isValid()) return QStringLiteral("no temporary folder");
    socket_ = dir_.filePath(QStringLiteral("native"));
    env_ = QProcessEnvironment::systemEnvironment();
    // The server keeps its runtime files, cookie and configuration in the test's folder.
    for (const char* name :
         {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
      env_.insert(QString::fromLatin1(name), dir_.path());
    env_.remove(QStringLiteral("PULSE_SERVER"));
    daemon_.setProcessEnvironment(env_);
    daemon_.setChildProcessModifier(EndWithTheTest);
    daemon_.setProcessChannelMode(QProcess::MergedChannels);
    daemon_.setStandardOutputFile(dir_.filePath(QStringLiteral("server.log")));
    daemon_.start(
        daemon,
        {QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
         QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
         QStringLiteral("--disallow-module-loading=false"), QStringLiteral("-n"),
         QStringLiteral("--load=module-null-sink sink_name=%1 rate=%2 channels=1 norewinds=1")
             .arg(QLatin1String(kSinkName))
             .arg(kRate),
         QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1")
             .arg(socket_),
         QStringLiteral("--log-target=stderr")});
    if (!daemon_.waitForStarted(3000)) return QStringLiteral("the server did not start");
    const QDeadlineTimer deadline(kServerStartMs);
    while (!deadline.hasExpired()) {
      if (daemon_.state() != QProcess::Running) return QStringLiteral("the server stopped");
      if (QFile::exists(socket_) && Pactl({QStringLiteral("info")})) return {};
      QThread::msleep(50);
    }
    return QStringLiteral("the server did not answer");
  }

  // The address a client gives to reach the server.
  QString Address() const { return QStringLiteral("unix:") + socket_; }

  // Starts recording the null sink's monitor into a file of raw samples.
  bool StartRecording() {
    recording_ = dir_.filePath(QStringLiteral("recording.raw"));
    QFile::remove(recording_);
    recorder_.setProcessEnvironment(env_);
    recorder_.setChildProcessModifier(EndWithTheTest);
    recorder_.setStandardOutputFile(recording_);
    recorder_.start(parec_, {QStringLiteral("--server=") + Address(),
                             QStringLiteral("--device=%1.monitor").arg(QLatin1String(kSinkName)),
                             QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                             QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1"),
                             QStringLiteral("--latency-msec=20")});
    if (!recorder_.waitForStarted(3000)) return false;
    // Recording has begun once the monitor's silence reaches the file.
    const QDeadlineTimer deadline(kServerStartMs);
    while (!deadline.hasExpired() && recorder_.state() == QProcess::Running) {
      if (QFileInfo(recording_).size() >= 2 * kRate / 10) return true;
      QThread::msleep(20);
    }
    return false;
  }

  // Stops the recorder and returns what it recorded.
  std::vector<int16_t> StopRecording() {
    EndProcess(recorder_);
    QFile f(recording_);
    std::vector<int16_t> samples;
    if (!f.open(QIODevice::ReadOnly)) return samples;
    const QByteArray bytes = f.readAll();
    samples.resize(static_cast<size_t>(bytes.size() / 2));
    for (size_t i = 0; i < samples.size(); ++i)
      samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return samples;
  }

  void Stop() {
    EndProcess(recorder_);
    EndProcess(daemon_);
  }

 private:
  // The server and the recorder end with the test's process, even when it is killed.
  static void EndWithTheTest() { prctl(PR_SET_PDEATHSIG, SIGTERM); }

  bool Pactl(const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(env_);
    p.start(pactl_, QStringList{QStringLiteral("--server=") + Address()} + args);
    if (!p.waitForFinished(2000)) {
      EndProcess(p);
      return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  }

  static void EndProcess(QProcess& p) {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
      p.kill();
      p.waitForFinished(3000);
    }
  }

  QTemporaryDir dir_;
  QString socket_, recording_, pactl_, parec_;
  QProcessEnvironment env_;
  QProcess daemon_, recorder_;
};

// The audible span of some samples: from the first sample louder than the threshold to the
// last, and the energy of the whole.
struct TSpan {
  size_t First = 0, Last = 0;  // Last is one past the last loud sample; equal when silent
  double Energy = 0;
  double Seconds() const { return static_cast<double>(Last - First) / kRate; }
};

TSpan AudibleSpan(const std::vector<int16_t>& s, size_t from, size_t to) {
  TSpan span;
  bool any = false;
  for (size_t i = from; i < to; ++i) {
    span.Energy += static_cast<double>(s[i]) * s[i];
    if (std::abs(static_cast<int>(s[i])) <= kThreshold) continue;
    if (!any) span.First = i;
    any = true;
    span.Last = i + 1;
  }
  if (!any) span.First = span.Last = from;
  return span;
}

// The sound's own samples as the recording holds them: 16-bit mono at kRate.
std::vector<int16_t> SourceSamples(const WavData& wav) {
  std::vector<int16_t> out;
  const int frameBytes = wav.channels * wav.bitsPerSample / 8;
  const qsizetype frames = wav.samples.size() / frameBytes;
  const double ratio = static_cast<double>(wav.sampleRate) / kRate;
  for (qsizetype k = 0;; ++k) {
    const qsizetype i = static_cast<qsizetype>(std::floor(k * ratio));
    if (i >= frames) break;
    const char* frame = wav.samples.constData() + i * frameBytes;
    int sum = 0;
    for (int c = 0; c < wav.channels; ++c) {
      sum += wav.bitsPerSample == 16 ? qFromLittleEndian<qint16>(frame + 2 * c)
                                     : (static_cast<int>(static_cast<uchar>(frame[c])) - 128) * 256;
    }
    out.push_back(static_cast<int16_t>(sum / wav.channels));
  }
  return out;
}

// The loud stretches of a recording, split where at least `gap` seconds are silent.
std::vector<TSpan> Stretches(const std::vector<int16_t>& s, double gap) {
  std::vector<TSpan> out;
  const size_t gapSamples = static_cast<size_t>(gap * kRate);
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::abs(static_cast<int>(s[i])) <= kThreshold) ++i;
    if (i == s.size()) break;
    size_t last = i, j = i;
    while (j < s.size() && j - last <= gapSamples) {
      if (std::abs(static_cast<int>(s[j])) > kThreshold) last = j;
      ++j;
    }
    // The energy is taken over the stretch and a little either side of it.
    const size_t from = i > 200 ? i - 200 : 0, to = std::min(s.size(), last + 201);
    TSpan span = AudibleSpan(s, from, to);
    out.push_back(span);
    i = last + 1;
  }
  return out;
}

// Keeps the event loop running, or the thread asleep in short steps as a card glide does.
void Pass(int ms, bool busy) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    if (busy)
      QThread::msleep(10);
    else
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
}

class SoundPlayOutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new TAudioServer;
    const QString why = server_->Start();
    if (!why.isEmpty()) {
      skipReason_ = why;
      return;
    }
    // The sound player's audio system connects at its first use, to this server.
    qputenv("PULSE_SERVER", server_->Address().toLocal8Bit());
    qputenv("PULSE_SINK", kSinkName);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    // The player finds its sound module beside the program, with or without audio server.
    const QString module = SoundPlayer::Instance().ModuleFile();
    ASSERT_FALSE(module.isEmpty()) << "the sound module was not found";
    EXPECT_EQ(QFileInfo(module).canonicalPath(),
              QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath());
    if (!skipReason_.isEmpty()) GTEST_SKIP() << skipReason_.toStdString();
    if (!SoundPlayer::HasAudioOutput()) GTEST_SKIP() << "the audio server offers no output";
    ASSERT_TRUE(pack_.Open(QStringLiteral("SND.DLL")));
  }

  // Plays SND1..SND5 one after another, records them, and checks each was heard whole.
  void PlayEverySound(bool busy) {
    std::vector<TSpan> own;
    std::vector<double> energy;
    std::vector<QByteArray> files;
    for (int id = 1; id <= 5; ++id) {
      const QByteArray file = pack_.LoadSoundData(QStringLiteral("SND%1").arg(id));
      WavData wav;
      ASSERT_TRUE(ParseWav(file, &wav)) << "SND" << id;
      const std::vector<int16_t> src = SourceSamples(wav);
      own.push_back(AudibleSpan(src, 0, src.size()));
      files.push_back(file);
    }
    ASSERT_TRUE(server_->StartRecording());
    Pass(300, false);
    for (int i = 0; i < 5; ++i) {
      SoundPlayer::Instance().Play(files[static_cast<size_t>(i)]);
      Pass(static_cast<int>(own[static_cast<size_t>(i)].Last * 1000 / kRate), busy);
      Pass(kGapMs, false);
    }
    Pass(300, false);
    const std::vector<int16_t> heard = server_->StopRecording();
    const std::vector<TSpan> got = Stretches(heard, kGapMs / 2000.0);
    std::string seen;
    for (const TSpan& g : got) seen += " " + std::to_string(g.Seconds()) + " s";
    ASSERT_EQ(got.size(), 5u) << "sounds heard:" << seen;
    for (size_t i = 0; i < 5; ++i) {
      SCOPED_TRACE(::testing::Message() << "SND" << i + 1);
      // Whole from its first audible sample to its last (a machine under load may stretch
      // it by a dropout, which loses nothing)...
      EXPECT_GE(got[i].Seconds(), own[i].Seconds() - 0.02);
      EXPECT_LE(got[i].Seconds(), own[i].Seconds() + 0.3);
      // ...and all of it: the energy differs by rounding only.
      EXPECT_NEAR(got[i].Energy / own[i].Energy, 1.0, 0.1);
    }
    // Every sink is released once its sound has sounded out.
    const QDeadlineTimer deadline(3000);
    while (SoundPlayer::Instance().Playing() > 0 && !deadline.hasExpired()) Pass(20, false);
    EXPECT_EQ(SoundPlayer::Instance().Playing(), 0);
  }

  static TAudioServer* server_;
  static QString skipReason_;
  ResourcePack pack_;
};

TAudioServer* SoundPlayOutTest::server_ = nullptr;
QString SoundPlayOutTest::skipReason_;

TEST_F(SoundPlayOutTest, EverySoundIsHeardWhole) {
  PlayEverySound(false);
}

TEST_F(SoundPlayOutTest, EverySoundIsHeardWholeWhileACardGlides) {
  PlayEverySound(true);
}

// A sound counts as playing from its start until it has sounded out, never less than its
// own length; a damaged sound never counts.
TEST_F(SoundPlayOutTest, ASoundCountsAsPlayingUntilItHasSoundedOut) {
  SoundPlayer& player = SoundPlayer::Instance();
  const QByteArray file = pack_.LoadSoundData(QStringLiteral("SND2"));
  WavData wav;
  ASSERT_TRUE(ParseWav(file, &wav));
  const qint64 soundMillis =
      wav.samples.size() * 1000 /
      (static_cast<qint64>(wav.sampleRate) * wav.channels * wav.bitsPerSample / 8);
  player.Play(file.left(30));
  EXPECT_EQ(player.Playing(), 0);
  player.Play(file);
  QElapsedTimer playing;
  playing.start();
  const QDeadlineTimer started(2000);
  while (player.Playing() == 0 && !started.hasExpired()) Pass(5, false);
  ASSERT_EQ(player.Playing(), 1);
  const QDeadlineTimer ended(soundMillis + 5000);
  while (player.Playing() > 0 && !ended.hasExpired()) Pass(20, false);
  EXPECT_EQ(player.Playing(), 0);
  EXPECT_GE(playing.elapsed(), soundMillis);
}

// A hostile pack's sounds (8 MiB each, more than a quarter of an hour): each is played for
// ten seconds at most, and never more than four at once, a new one cutting off the oldest.
TEST_F(SoundPlayOutTest, LongSoundsArePlayedCutAndFourAtMost) {
  const int rate = 8000;
  const QByteArray samples(8 * 1024 * 1024, '\x90');
  QByteArray file("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0", 24);
  char b[4];
  qToLittleEndian<quint32>(rate, b);
  file.append(b, 4);
  file.append(b, 4);  // bytes per second: one byte a sample
  file.append("\x01\0\x08\0data", 8);
  qToLittleEndian<quint32>(static_cast<quint32>(samples.size()), b);
  file.append(b, 4);
  file.append(samples);
  WavData wav;
  ASSERT_TRUE(ParseWav(file, &wav));
  CapSoundLength(&wav);
  EXPECT_EQ(wav.samples.size(), qsizetype{rate} * kMaxSoundSeconds);

  SoundPlayer& player = SoundPlayer::Instance();
  QElapsedTimer started;
  started.start();
  for (int i = 0; i < 12; ++i) {
    player.Play(file);
    Pass(40, false);
    EXPECT_LE(player.Playing(), 4) << "after sound " << i + 1;
  }
  EXPECT_GE(player.Playing(), 1);
  // Cut to ten seconds, the last of them has sounded out well before a minute.
  const QDeadlineTimer ended(kMaxSoundSeconds * 1000 + 6000);
  while (player.Playing() > 0 && !ended.hasExpired()) Pass(50, false);
  EXPECT_EQ(player.Playing(), 0);
  EXPECT_LT(started.elapsed(), (kMaxSoundSeconds + 6) * 1000);
}

}  // namespace
}  // namespace durak
