#include "tools/make_music/cobalt_orbit.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "tools/make_music/phrases.h"
#include "tools/make_music/pitch.h"
#include "tools/make_music/score.h"
#include "tools/make_music/track_sounds.h"

namespace qv::make_music {
namespace {

using namespace cobalt;

// The module's channels, one part each.
enum ChannelNumber : int {
  kKickCh,
  kSnareCh,
  kClapCh,
  kHatCh,
  kOpenHatCh,
  kRimCh,
  kCrashCh,
  kFxCh,
  kBassCh,
  kSubCh,
  kPadA,
  kPadB,
  kPadC,
  kLeadCh,
  kLeadEcho,
  kBellCh,
  kBellEcho,
  kPowerLow,
  kPowerHigh,
  kPluckCh,
  kChannelCount,
};

constexpr std::array<int, 3> kPads = {kPadA, kPadB, kPadC};
constexpr std::array<int, 15> kLoud = {kKickCh, kSnareCh,  kClapCh,   kHatCh,     kOpenHatCh,
                                       kRimCh,  kBassCh,   kSubCh,    kLeadCh,    kLeadEcho,
                                       kBellCh, kBellEcho, kPowerLow, kPowerHigh, kPluckCh};

constexpr int kDrumNote = 60;
constexpr int kEchoRows = 3;
constexpr int kOrderCount = 34;
constexpr int kRows = 64;
constexpr int kPadVolume = 28;
constexpr int kBellVolume = 36;
constexpr int kLeadVolume = 42;
constexpr int kBassVolume = 50;
constexpr int kPluckVolume = 24;

constexpr std::string_view kDm = "D2: F3 A3 E4";
constexpr std::string_view kBb = "Bb1: F3 A3 D4";
constexpr std::string_view kGm = "G1: F3 Bb3 D4";
constexpr std::string_view kAsus = "A1: E3 G3 D4";
constexpr std::string_view kA = "A1: E3 G3 C#4";
constexpr std::string_view kC = "C2: E3 G3 C4";
constexpr std::string_view kAm = "A1: E3 G3 C4";
constexpr std::string_view kF = "F1: F3 A3 C4";
constexpr std::string_view kDmajor = "D2: F#3 A3 D4";

constexpr std::string_view kThemeA =
    "A4-4 D5-4 E5-4 F5-4 | E5-6 D5-2 A4-8 | Bb4-4 D5-4 F5-4 G5-4 | E5-12 r-4";
constexpr std::string_view kThemeB =
    "A4-4 D5-4 E5-4 F5-4 | A5-6 G5-2 F5-8 | G5-4 F5-4 D5-4 Bb4-4 | D5-8 C#5-8";
constexpr std::string_view kThemeC =
    "D5-6 F5-2 A5-8 | Bb5-6 A5-2 F5-8 | G5-6 F5-2 D5-4 Bb4-4 | A4-4 D5-4 E5-8";
constexpr std::string_view kThemeD =
    "F5-3 E5-3 D5-2 A5-8 | F5-3 E5-3 D5-2 Bb5-8 | G5-4 A5-4 Bb5-4 D6-4 | D6-8 C#6-8";
constexpr std::string_view kBridgeTune =
    "F5-6 E5-2 D5-8 | G5-6 F5-2 E5-8 | E5-4 G5-4 C6-8 | A5-12 r-4";

// The riff strikes on rows 3 to 36 of its order: a pickup, two bars, and a last blow. Its notes
// are steps of the D minor scale, so that moved onto another chord it stays in the key.
constexpr std::array<int, 15> kRiffRows = {3, 4, 7, 10, 12, 15, 18, 20, 23, 26, 28, 30, 32, 34, 36};
constexpr std::array<int, 15> kRiffSteps = {0, 0, 0, 2, 0, -1, 0, 0, 2, 3, 2, 1, 0, -1, 0};
constexpr std::string_view kRiffKicks = "xX..X..X.x..X..X.x..X..X.x.x.X.x.X";
constexpr int kRiffRow = 3;
constexpr int kAnswerRow = 37;

std::vector<Chord> ThemeChords() {
  return Chords({kDm, kDm, kBb, kBb, kGm, kGm, kAsus, kA});
}

void Groove(Score& s, int from, int to, double gain) {
  Rhythm(s, kKickCh, kKick, kDrumNote, from, to, "X...X...X...X...", gain);
  Rhythm(s, kClapCh, kClap, kDrumNote, from, to, "....X.......X...", gain);
  Rhythm(s, kHatCh, kHat, kDrumNote, from, to, "xoXoxoXoxoXoxoXo", gain * 0.7);
  Rhythm(s, kOpenHatCh, kOpenHat, kDrumNote, from, to, "..o...o...o...o.", gain * 0.6);
}

void Crash(Score& s, int row, int volume) {
  s.Play(row, kCrashCh, kDrumNote, kCrash, volume);
}

// The note `step` steps up (or down) the D minor scale from D3.
int MinorStep(int step) {
  constexpr std::array<int, 7> kScale = {0, 2, 3, 5, 7, 8, 10};
  const int octave = step >= 0 ? step / 7 : -((6 - step) / 7);
  return NoteNumber("D3") + 12 * octave + kScale[static_cast<size_t>(step - 7 * octave)];
}

void Riff(Score& s, int channel, int sample, int orderStart, int steps, int semitones, int volume) {
  for (size_t hit = 0; hit < kRiffRows.size(); ++hit) {
    const int note = MinorStep(kRiffSteps[hit] + steps) + semitones;
    s.Play(orderStart + kRiffRows[hit], channel, note, sample, volume);
  }
}

// Order 0: one chord held and swelling, with a distant wind and a few bell notes.
void Intro(Score& s) {
  const Chord chord = ParseChords(kDm).front();
  Pads(s, kPads, kPad, 0, {chord}, kRows, kPadVolume + 4);
  for (int pad : kPads)
    Fade(s, pad, 0, 40, 0.2, 1.0);
  s.Play(0, kSubCh, chord.root - 12, kSub, 30);
  Fade(s, kSubCh, 0, 32, 0.3, 1.0);
  s.Play(0, kFxCh, 48, kRiser, 14);
  Melody(s, kBellCh, kBell, 8, "A5-16 E5-16 F5-16 D5-8", kBellVolume - 10);
  Echo(s, kBellCh, kBellEcho, kEchoRows * 2, 0.5, 0, kRows);
}

// Orders 1-7: the theme, gently, with the band joining a part at a time.
void Theme(Score& s) {
  const std::vector<Chord> prog = ThemeChords();
  for (int order = 1; order <= 7; ++order) {
    Pads(s, kPads, kPad, s.Start(order), prog, 8, kPadVolume);
  }
  Bass(s, kSubCh, kSub, s.Start(1), prog, 8, "R.......", 36);
  Bass(s, kSubCh, kSub, s.Start(2), prog, 8, "R.......", 36);
  Melody(s, kBellCh, kBell, s.Start(1), kThemeA, kBellVolume);
  Melody(s, kBellCh, kBell, s.Start(2), kThemeB, kBellVolume);
  Rhythm(s, kRimCh, kRim, kDrumNote, s.Start(2), s.Start(5), "....o.......o...", 0.8);
  Rhythm(s, kHatCh, kHat, kDrumNote, s.Start(2), s.Start(5), "..g...g...g...g.", 1.0);

  Rhythm(s, kKickCh, kKick, kDrumNote, s.Start(3), s.Start(5), "X.......X..x....", 0.65);
  Bass(s, kBassCh, kBass, s.Start(3), prog, 8, "R..r..r.", kBassVolume - 14);
  Melody(s, kLeadCh, kLead, s.Start(3), kThemeC, kLeadVolume - 10);
  Melody(s, kLeadCh, kLead, s.Start(4), kThemeD, kLeadVolume - 8);
  Arp(s, kBellCh, kBell, s.Start(3), prog, 8, "0.1.2.1.", kBellVolume - 14);
  Arp(s, kBellCh, kBell, s.Start(4), prog, 8, "0.1.2.1.", kBellVolume - 12);
  Rhythm(s, kClapCh, kClap, kDrumNote, s.Start(4), s.Start(5), "....o.......o...", 1.0);

  for (int order = 5; order <= 7; ++order) {
    const int stop = order == 7 ? s.Start(7) + 48 : s.Start(order + 1);
    Groove(s, s.Start(order), stop, 0.8);
    Bass(s, kBassCh, kBass, s.Start(order), prog, 8, "R..r..R.", kBassVolume - 8);
    Arp(s, kPluckCh, kPluck, s.Start(order), prog, 8, "0121", kPluckVolume - 4);
  }
  Crash(s, s.Start(5), 40);
  Melody(s, kLeadCh, kLead, s.Start(5), kThemeA, kLeadVolume - 4);
  Melody(s, kLeadCh, kLead, s.Start(6), kThemeB, kLeadVolume - 4);
  Melody(s, kBellCh, kBell, s.Start(6), kThemeC, kBellVolume - 6);
  Melody(s, kLeadCh, kLead, s.Start(7), "D5-16 F5-16 G5-16 A5-16", kLeadVolume - 4);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(7) + 32, s.Start(7) + 48, "x...", 0.6);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(7) + 48, s.Start(7) + 56, "x.", 0.75);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(7) + 56, s.Start(8), "x", 0.9);
  Rhythm(s, kKickCh, kKick, kDrumNote, s.Start(7) + 48, s.Start(8), "X...", 0.9);
  s.Play(s.Start(7) + 41, kFxCh, kDrumNote, kRiser, 44);

  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(3), s.Start(8) - kEchoRows);
  Echo(s, kBellCh, kBellEcho, kEchoRows, 0.5, s.Start(1), s.Start(8) - kEchoRows);
  // Three rows of silence before the first riff.
  Silence(s, s.Start(8), s.Start(8) + kRiffRow, kLoud);
  Silence(s, s.Start(8), s.Start(8) + kRiffRow, kPads);
  s.Cut(s.Start(8), kFxCh);
}

// Orders 8-15: the riff hits hard on rows 3-36; from row 37 a bell answers quietly.
void CallAndResponse(Score& s) {
  struct Turn {
    int steps;  // scale steps from D
    std::string_view chord;
    std::string_view answer;
  };
  const std::array<Turn, 4> turns = {{
      {0, kDm, "A5-3 G5-3 F5-4 E5-6 D5-8 r-3"},
      {-2, kBb, "F5-3 E5-3 D5-4 C5-6 D5-8 r-3"},
      {-4, kGm, "D6-3 C6-3 Bb5-4 A5-6 G5-8 r-3"},
      {-3, kA, "E5-3 F5-3 G5-4 A5-6 C#5-8 r-3"},
  }};
  for (int order = 8; order <= 15; ++order) {
    const Turn& turn = turns[static_cast<size_t>(order - 8) % turns.size()];
    const bool second = order >= 12;
    const int at = s.Start(order);
    const int riff = at + kRiffRow;
    const int answer = at + kAnswerRow;
    const Chord chord = ParseChords(turn.chord).front();

    Crash(s, riff, 56);
    Riff(s, kPowerLow, kPower, at, turn.steps, 0, 64);
    Riff(s, kPowerHigh, kPower, at, turn.steps, 12, second ? 44 : 30);
    Riff(s, kBassCh, kBass, at, turn.steps, -12, kBassVolume + 10);
    Rhythm(s, kKickCh, kKick, kDrumNote, riff, answer, kRiffKicks);
    Rhythm(s, kSnareCh, kSnare, kDrumNote, at, answer, "....X.......X...", 1.0);
    Rhythm(s, kHatCh, kHat, kDrumNote, at + 4, answer, "x.X.", 0.8);
    if (second) {
      Rhythm(s, kClapCh, kClap, kDrumNote, at, answer, "....X.......X...", 0.9);
      Riff(s, kLeadCh, kLead, at, turn.steps, 24, kLeadVolume - 8);
    }
    s.Play(riff, kFxCh, kDrumNote, kImpact, 56);
    s.Play(at + 36, kKickCh, kDrumNote, kKick, 64);
    s.Play(at + 36, kSnareCh, kDrumNote, kSnare, 64);

    Silence(s, answer, at + kRows, kLoud);
    s.Cut(answer, kFxCh);
    s.Cut(answer, kCrashCh);
    Pads(s, kPads, kPad, answer, {chord}, kRows - kAnswerRow + kRiffRow, kPadVolume - 12);
    s.Play(answer, kSubCh, chord.root, kSub, 20);
    const int end = Melody(s, kBellCh, kBell, answer, turn.answer, kBellVolume - 12);
    if (second) Melody(s, kPluckCh, kPluck, answer, turn.answer, kPluckVolume, -12);
    Echo(s, kBellCh, kBellEcho, kEchoRows, 0.5, answer, end);
    Rhythm(s, kRimCh, kRim, kDrumNote, answer + 3, at + kRows, "....g...", 1.0);
    // The riff takes the stage back from the answer's pads.
    if (order < 15) {
      CutAll(s, at + kRows + kRiffRow, kPads);
      s.Cut(at + kRows + kRiffRow, kSubCh);
    }
  }
}

// Order 16: the groove to row 40, then a breakdown from row 41 that winds up for the drop.
void Breakdown(Score& s) {
  const int at = s.Start(16);
  const int calm = at + 41;
  const std::vector<Chord> prog = ThemeChords();
  Crash(s, at, 50);
  Pads(s, kPads, kPad, at, prog, 8, kPadVolume);
  Groove(s, at, calm, 1.0);
  Bass(s, kBassCh, kBass, at, prog, 8, "R..r..R.", kBassVolume - 6);
  Melody(s, kLeadCh, kLead, at, kThemeC, kLeadVolume - 4);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, at, calm - kEchoRows);
  s.Play(calm - 1, kKickCh, kDrumNote, kKick, 64);
  Crash(s, calm - 1, 28);
  Silence(s, calm, s.Start(17), kLoud);
  Silence(s, calm, s.Start(17), kPads);
  const Chord dm = ParseChords(kDm).front();
  Pads(s, kPads, kPad, calm, {dm}, 23, kPadVolume - 12);
  s.Play(calm, kSubCh, dm.root, kSub, 16);
  const int end = Melody(s, kBellCh, kBell, calm, "A5-6 F5-6 E5-6 D5-5", kBellVolume - 10);
  Echo(s, kBellCh, kBellEcho, kEchoRows * 2, 0.5, calm, end);
  s.Play(calm + 8, kFxCh, kDrumNote, kRiser, 32);
}

// Orders 17-20 and 26-29: the drops. The second is the bigger, with stabs and a counter-line.
void Drop(Score& s, int first, int last, bool final) {
  const std::vector<Chord> prog = ThemeChords();
  s.Play(s.Start(first), kFxCh, kDrumNote, kImpact, 64);
  for (int order = first; order <= last; ++order) {
    const int at = s.Start(order);
    Crash(s, at, order == first ? 64 : 48);
    Groove(s, at, at + kRows, 1.0);
    Pads(s, kPads, kPad, at, prog, 8, kPadVolume - 4);
    Bass(s, kBassCh, kBass, at, prog, 8, "R..R.rR.", kBassVolume);
    Arp(s, kPluckCh, kPluck, at, prog, 8, "0121", kPluckVolume);
    if (final) {
      std::vector<Chord> high;
      for (const Chord& chord : prog)
        high.push_back(Transposed(chord, 12));
      Bass(s, kPowerLow, kPower, at, high, 8, "..R...R.", 40);
      Arp(s, kBellCh, kBell, at, prog, 8, "3.4.5.4.", kBellVolume - 6);
    }
  }
  const std::array<std::string_view, 4> tunes = {kThemeA, kThemeB, kThemeC, kThemeD};
  for (int order = first; order <= last; ++order) {
    const std::string_view tune = tunes[static_cast<size_t>(order - first)];
    Melody(s, kLeadCh, kLead, s.Start(order), tune, kLeadVolume + 4);
  }
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(last) + 48, s.Start(last) + kRows,
         "x...x...x.x.xxXX", 0.9);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(first), s.Start(last + 1) - kEchoRows);
  Echo(s, kBellCh, kBellEcho, kEchoRows, 0.5, s.Start(first), s.Start(last + 1) - kEchoRows);
}

// Orders 21-25: the bridge, calm and new in harmony; its last bars wind up again.
void Bridge(Score& s) {
  const std::vector<Chord> prog = Chords({kBb, kC, kAm, kDm});
  const int from = s.Start(21);
  CutAll(s, from, kLoud);
  CutAll(s, from, kPads);
  for (int order = 21; order <= 25; ++order) {
    const int at = s.Start(order);
    const std::vector<Chord> chords = order == 25 ? Chords({kGm, kGm, kAsus, kA}) : prog;
    Pads(s, kPads, kPad, at, chords, 16, kPadVolume);
    Bass(s, kSubCh, kSub, at, chords, 16, "R.......r.......", 34);
    Arp(s, kPluckCh, kPluck, at, chords, 16, "0.1.2.3.2.1.2.1.", kPluckVolume + 2);
    Rhythm(s, kRimCh, kRim, kDrumNote, at, at + kRows, "....o.......o..g", 0.9);
    Rhythm(s, kHatCh, kHat, kDrumNote, at, at + kRows, "g.gog.gog.gog.go", 0.8);
  }
  Melody(s, kBellCh, kBell, s.Start(22), kBridgeTune, kBellVolume);
  Melody(s, kBellCh, kBell, s.Start(23), kBridgeTune, kBellVolume, 12);
  Melody(s, kLeadCh, kLead, s.Start(24), kBridgeTune, kLeadVolume - 10);
  Rhythm(s, kKickCh, kKick, kDrumNote, s.Start(24), s.Start(26), "X.......X.......", 0.7);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(25) + 32, s.Start(25) + 48, "x...", 0.6);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(25) + 48, s.Start(26), "x.x.x.x.xxxxxxxx", 0.8);
  s.Play(s.Start(25) + 41, kFxCh, kDrumNote, kRiser, 48);
  Echo(s, kBellCh, kBellEcho, kEchoRows, 0.5, from, s.Start(26));
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, from, s.Start(26));
  Echo(s, kPluckCh, kBellEcho, kEchoRows, 0.4, s.Start(21), s.Start(22));
}

// Orders 30-33: the band stops on order 30; the theme fades away and ends in D major.
void Outro(Score& s) {
  const int from = s.Start(30);
  CutAll(s, from, kLoud);
  Crash(s, from, 48);
  s.Play(from, kFxCh, kDrumNote, kImpact, 40);
  const std::vector<Chord> prog = ThemeChords();
  for (int order = 30; order <= 32; ++order) {
    Pads(s, kPads, kPad, s.Start(order), prog, 8, kPadVolume);
    Bass(s, kSubCh, kSub, s.Start(order), prog, 8, "R.......", 32);
  }
  Melody(s, kBellCh, kBell, s.Start(30), kThemeA, kBellVolume);
  Melody(s, kBellCh, kBell, s.Start(31), kThemeB, kBellVolume - 4);
  Melody(s, kBellCh, kBell, s.Start(32), "A4-8 D5-8 E5-8 F5-8 | D5-24 C#5-8", kBellVolume - 8);
  Rhythm(s, kRimCh, kRim, kDrumNote, s.Start(30), s.Start(32), "....g.......g...", 1.0);
  const Chord end = ParseChords(kDmajor).front();
  Pads(s, kPads, kPad, s.Start(33), {end}, kRows, kPadVolume);
  s.Play(s.Start(33), kSubCh, end.root, kSub, 32);
  Melody(s, kBellCh, kBell, s.Start(33), "F#5-8 A5-8 D6-48", kBellVolume - 8);
  Echo(s, kBellCh, kBellEcho, kEchoRows * 2, 0.5, from, s.TotalRows());
  for (int channel : {kPadA, kPadB, kPadC, kSubCh, kBellCh, kBellEcho}) {
    Fade(s, channel, s.Start(32), s.TotalRows() - 1, 1.0, 0.0);
  }
}

}  // namespace

Module CobaltOrbit() {
  Score score(std::vector<int>(kOrderCount, kRows), kChannelCount);
  Intro(score);
  Theme(score);
  CallAndResponse(score);
  Breakdown(score);
  Drop(score, 17, 20, false);
  Bridge(score);
  Drop(score, 26, 29, true);
  Outro(score);

  constexpr std::array<uint8_t, kChannelCount> kPans = {32, 32, 32, 40, 24, 38, 32, 32, 32, 32,
                                                        18, 32, 46, 28, 46, 36, 20, 30, 34, 22};
  return score.ToModule("cobalt orbit", 58, kPans, CobaltSamples());
}

}  // namespace qv::make_music
