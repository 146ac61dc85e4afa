#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "music/openmpt/openmpt_engine.h"
#include "music/openmpt/stepped_output.h"
#include "tests/engine/fixture_modules.h"
#include "tests/engine/sound_measures.h"

namespace qv::test {
namespace {

constexpr std::size_t kPullFrames = 441;        // 10 ms
constexpr std::size_t kTimerTickFrames = 2205;  // the player's 50 ms timer
constexpr double kToneRms = 0.03;               // the fixture's tone is well above this

class EngineTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine.Init(kNoSoundDevice, kOutputRate)); }

  MusicHandle Load(const make_music::Module& module, const std::string& name = "track.it") {
    return engine.MusicLoad(WriteModule(folder, name, module));
  }

  // Pulls until `music` has ended (at most a minute); everything pulled, its frames
  // counted from the first pull.
  std::vector<float> PlayUntilEnded(MusicHandle music) {
    std::vector<float> sound;
    for (int pulls = 0; pulls < 6000 && engine.ChannelIsActive(music) != 0; ++pulls) {
      const std::vector<float> more = output.PullAndPlay(kPullFrames);
      sound.insert(sound.end(), more.begin(), more.end());
    }
    return sound;
  }

  ScratchDir folder;
  SteppedOutput output;
  OpenMptEngine engine{output.Opener(), output.Clock()};
};

TEST_F(EngineTest, TrackEndsWithItsModuleAndKeepsItsLastPosition) {
  const MusicHandle music = Load(ToneModule(2, 8));  // 16 rows: 1.92 s
  ASSERT_NE(music, 0u);
  engine.ChannelPlay(music, false);
  EXPECT_EQ(engine.ChannelIsActive(music), 1u);

  std::vector<float> sound = PlayUntilEnded(music);
  const std::size_t endFrame = 16 * kFramesPerRow;
  EXPECT_NEAR(static_cast<double>(sound.size() / 2), static_cast<double>(endFrame),
              kTimerTickFrames);
  EXPECT_GT(Rms(Frames(sound, endFrame - 4410, 4410)), kToneRms) << "sounds until its end";
  const auto tail = output.PullAndPlay(kPullFrames);
  sound.insert(sound.end(), tail.begin(), tail.end());
  EXPECT_EQ(Peak(Frames(sound, endFrame, sound.size())), 0.0) << "silent after its end";
  EXPECT_EQ(engine.MusicGetOrderPosition(music), MakeOrderPosition(1, 7));
  EXPECT_EQ(engine.ChannelIsActive(music), 0u);
}

TEST_F(EngineTest, RewindAfterTheEndPlaysTheTrackAgainFromItsStart) {
  const MusicHandle music = Load(ToneModule(1, 4));
  engine.ChannelPlay(music, false);
  const std::size_t firstRun = PlayUntilEnded(music).size();

  engine.ChannelSetPosition(music, 0, 0);
  EXPECT_EQ(engine.MusicGetOrderPosition(music), MakeOrderPosition(0, 0));
  EXPECT_EQ(engine.ChannelIsActive(music), 0u) << "a rewind alone does not play";
  engine.ChannelPlay(music, false);
  EXPECT_EQ(engine.ChannelIsActive(music), 1u);

  const std::vector<float> again = PlayUntilEnded(music);
  EXPECT_GT(Rms(Frames(again, 0, 4410)), kToneRms);
  EXPECT_EQ(again.size(), firstRun);
}

TEST_F(EngineTest, PositionChangeSilencesSoundingNotes) {
  // The tone is struck on row 0 only and would hold to the end of the pattern.
  const MusicHandle music = Load(ToneModule(1, 16));
  engine.ChannelPlay(music, false);
  ASSERT_GT(Rms(output.PullAndPlay(13230)), kToneRms);  // 300 ms

  engine.ChannelSetPosition(music, 0, 8);
  EXPECT_EQ(engine.MusicGetOrderPosition(music), MakeOrderPosition(0, 8)) << "reported at once";
  const std::vector<float> after = output.PullAndPlay(kPullFrames * 5);
  EXPECT_LT(Peak(Frames(after, 220, after.size())), 1e-4) << "past a 5 ms ramp";
  EXPECT_EQ(engine.ChannelIsActive(music), 1u);
}

TEST_F(EngineTest, FailureHandleAndUnknownHandlesDoNothing) {
  const MusicHandle music = Load(ToneModule(1, 16));
  engine.ChannelPlay(music, false);
  output.PullAndPlay(4410);
  const double before = Rms(output.PullAndPlay(4410));

  for (MusicHandle other : {MusicHandle{0}, MusicHandle{99}}) {
    SCOPED_TRACE(other);
    engine.MusicSetAttribute(other, kAmplificationAttribute, 0);
    engine.ChannelStop(other);
    engine.ChannelSetPosition(other, 0, 8);
    engine.ChannelPlay(other, true);
    EXPECT_EQ(engine.ChannelIsActive(other), 0u);
    EXPECT_EQ(engine.MusicGetOrderPosition(other), 0u);
  }
  EXPECT_EQ(engine.ChannelIsActive(music), 1u);
  EXPECT_NEAR(Rms(output.PullAndPlay(4410)), before, before * 0.01);
  EXPECT_EQ(engine.MusicGetOrderPosition(music), MakeOrderPosition(0, 13230 / kFramesPerRow));
}

TEST_F(EngineTest, UnplayableFilesLoadAsTheFailureHandle) {
  const std::string tooLarge = folder.Write("huge.it", {'I', 'M', 'P', 'M'});
  std::filesystem::resize_file(tooLarge, 65u << 20);  // sparse: costs no disk
  const std::vector<std::string> paths = {
      (folder.path() / "missing.it").string(),
      folder.Write("empty.it", {}),
      folder.Write("text.it", {'n', 'o', 't', ' ', 'm', 'u', 's', 'i', 'c'}),
      folder.path().string(),
      tooLarge,
  };
  for (const std::string& path : paths)
    EXPECT_EQ(engine.MusicLoad(path), 0u) << path;
  EXPECT_NE(Load(ToneModule(1, 4)), 0u);
}

TEST_F(EngineTest, AmplificationScalesTheTrackWithHundredAsUnity) {
  struct Case {
    float value;
    double gain;
  };
  const std::vector<Case> cases = {{100, 1.0}, {50, 0.5}, {25, 0.25}, {0, 0.0}, {250, 1.0}};
  const MusicHandle reference = Load(ToneModule(1, 16), "reference.it");
  engine.ChannelPlay(reference, false);
  const double unity = Rms(output.PullAndPlay(4410));
  engine.ChannelStop(reference);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    const MusicHandle music = Load(ToneModule(1, 16));
    engine.MusicSetAttribute(music, kAmplificationAttribute, c.value);
    engine.ChannelPlay(music, false);
    EXPECT_NEAR(Rms(output.PullAndPlay(4410)), unity * c.gain, unity * 0.01);
    engine.ChannelStop(music);
  }
}

TEST_F(EngineTest, PlayingTracksAreMixedTogether) {
  const MusicHandle first = Load(ToneModule(1, 16), "first.it");
  const MusicHandle second = Load(ToneModule(1, 16), "second.it");
  engine.ChannelPlay(first, false);
  const std::vector<float> alone = output.PullAndPlay(4410);

  engine.ChannelSetPosition(first, 0, 0);
  engine.ChannelPlay(second, false);
  const std::vector<float> both = output.PullAndPlay(4410);
  ASSERT_GT(Rms(alone), kToneRms);
  for (std::size_t i = 0; i < alone.size(); ++i)
    ASSERT_NEAR(both[i], 2 * alone[i], 1e-5) << i;

  engine.ChannelStop(first);
  engine.ChannelStop(second);
  EXPECT_EQ(Peak(output.PullAndPlay(kPullFrames)), 0.0);
}

TEST_F(EngineTest, FreeReleasesTheTracksAndTheDevice) {
  const MusicHandle music = Load(ToneModule(1, 16));
  engine.ChannelPlay(music, false);
  output.PullAndPlay(kPullFrames);
  engine.Free();
  EXPECT_EQ(engine.ChannelIsActive(music), 0u);
  EXPECT_EQ(Peak(output.PullAndPlay(kPullFrames)), 0.0) << "no longer pulled";
  EXPECT_TRUE(engine.Init(kNoSoundDevice, kOutputRate));
}

}  // namespace
}  // namespace qv::test
