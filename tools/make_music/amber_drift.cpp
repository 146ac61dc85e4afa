#include "tools/make_music/amber_drift.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "tools/make_music/phrases.h"
#include "tools/make_music/score.h"
#include "tools/make_music/track_sounds.h"

namespace qv::make_music {
namespace {

using namespace amber;

// The module's channels, one part each.
enum ChannelNumber : int {
  kKickCh,
  kClapCh,
  kSnareCh,
  kHatCh,
  kOpenHatCh,
  kCrashCh,
  kFxCh,
  kBassCh,
  kPadA,
  kPadB,
  kPadC,
  kLeadCh,
  kLeadEcho,
  kPluckCh,
  kPluckEcho,
  kStabA,
  kStabB,
  kStabC,
  kChannelCount,
};

constexpr std::array<int, 3> kPads = {kPadA, kPadB, kPadC};
constexpr std::array<int, 3> kStabs = {kStabA, kStabB, kStabC};
constexpr std::array<int, kChannelCount - 1> kAllButFx = {
    kKickCh, kClapCh, kSnareCh,  kHatCh,   kOpenHatCh, kCrashCh, kBassCh, kPadA, kPadB,
    kPadC,   kLeadCh, kLeadEcho, kPluckCh, kPluckEcho, kStabA,   kStabB,  kStabC};
constexpr std::array<int, 6> kBeat = {kKickCh, kClapCh, kSnareCh, kHatCh, kOpenHatCh, kBassCh};

constexpr int kDrumNote = 60;  // unpitched samples play at their own rate on C-5
constexpr int kEchoRows = 3;   // a dotted eighth
constexpr int kPadVolume = 30;
constexpr int kLeadVolume = 46;
constexpr int kPluckVolume = 26;
constexpr int kBassVolume = 52;

// Rows of each order: 64 for most; 128 where a section needs the room.
constexpr std::array<int, 23> kOrderRows = {64,  64,  64, 64, 64, 128, 64, 64, 64, 64, 128, 128,
                                            128, 128, 64, 64, 64, 128, 64, 64, 64, 64, 64};

constexpr std::string_view kAm = "A1: A3 C4 E4";
constexpr std::string_view kF = "F1: A3 C4 F4";
constexpr std::string_view kC = "C2: G3 C4 E4";
constexpr std::string_view kG = "G1: G3 B3 D4";
constexpr std::string_view kEm = "E1: G3 B3 E4";
constexpr std::string_view kDm = "D2: A3 D4 F4";
constexpr std::string_view kE = "E1: G#3 B3 E4";

constexpr std::string_view kPhraseA =
    "A4-3 C5-3 E5-4 D5-2 C5-4 | A4-3 C5-3 F5-4 E5-2 C5-4 | G4-3 C5-3 E5-4 G5-2 E5-4 | "
    "D5-6 B4-2 D5-4 r-4";
constexpr std::string_view kPhraseB =
    "E5-3 E5-3 A5-4 G5-2 E5-4 | F5-3 E5-3 C5-4 A4-2 C5-4 | E5-3 D5-3 C5-4 D5-2 E5-4 | "
    "D5-8 B4-4 G4-4";
constexpr std::string_view kPhraseC =
    "C5-3 A4-3 C5-4 F5-6 | D5-3 B4-3 D5-4 G5-6 | E5-3 B4-3 E5-4 G5-4 E5-2 | "
    "E5-6 D5-2 C5-4 B4-4";
constexpr std::string_view kPhraseD =
    "A5-3 G5-3 F5-4 E5-2 C5-4 | B4-3 D5-3 G5-4 F5-2 D5-4 | E5-3 G5-3 C6-4 B5-2 G5-4 | "
    "G#5-6 E5-2 B4-4";
constexpr std::string_view kRaceRiff =
    "A4-2 C5-2 E5-2 A5-2 G5-2 E5-2 C5-2 E5-2 | A4-2 C5-2 E5-2 A5-2 B5-2 A5-2 G5-2 E5-2 | "
    "F5-2 A4-2 C5-2 F5-2 E5-2 C5-2 A4-2 C5-2 | G5-2 B4-2 D5-2 G5-2 A5-2 G5-2 D5-2 B4-2";
constexpr std::string_view kRaceAnswer =
    "C6-3 A5-3 F5-4 E5-2 C5-4 | D6-3 B5-3 G5-4 F5-2 D5-4 | E6-6 C6-2 A5-8 | r-8 E5-2 G5-2 A5-4";
constexpr std::string_view kClimax =
    "A5-7 G5-4 E5-4 | F5-6 E5-2 C5-4 A5-4 | G5-6 D5-2 B4-4 D5-4 | "
    "C6-3 A5-3 F5-4 E5-2 C5-4 | D6-3 B5-3 G5-4 F5-2 D5-4 | E5-3 A5-3 C6-4 B5-2 A5-4 | "
    "G#5-6 B5-2 E6-8 | A5-16 r-8";

// Four on the floor with claps on two and four and eighths on the hats: the house beat.
void Groove(Score& s, int from, int to, double gain) {
  Rhythm(s, kKickCh, kKick, kDrumNote, from, to, "X...X...X...X...", gain);
  Rhythm(s, kClapCh, kClap, kDrumNote, from, to, "....X.......X...", gain);
  Rhythm(s, kHatCh, kHat, kDrumNote, from, to, "gxXxgxXxgxXxgxXx", gain * 0.7);
  Rhythm(s, kOpenHatCh, kOpenHat, kDrumNote, from, to, "......o.......o.", gain * 0.8);
}

void Crash(Score& s, int row, int volume) {
  s.Play(row, kCrashCh, kDrumNote, kCrash, volume);
}

// Orders 0-4: the pad alone, then pluck, hats, kick, bass, claps and the first melody join.
void Intro(Score& s) {
  const std::vector<Chord> prog = Chords({kAm, kF, kC, kG});
  for (int order = 0; order <= 4; ++order) {
    Pads(s, kPads, kPad, s.Start(order), prog, 16, kPadVolume);
  }
  for (int pad : kPads)
    Fade(s, pad, s.Start(0), s.Start(0) + 56, 0.15, 1.0);

  Arp(s, kPluckCh, kPluck, s.Start(0) + 32, {prog[2], prog[3]}, 16, "0...1...2...1...",
      kPluckVolume - 8);
  Arp(s, kPluckCh, kPluck, s.Start(1), prog, 16, "0..1..2..1..0.1.", kPluckVolume - 4);
  Rhythm(s, kHatCh, kHat, kDrumNote, s.Start(1) + 32, s.Start(2), "..o...o...o...o.", 0.8);

  Arp(s, kPluckCh, kPluck, s.Start(2), prog, 16, "0.1.2.0.1.2.0.1.", kPluckVolume);
  Rhythm(s, kKickCh, kKick, kDrumNote, s.Start(2), s.Start(3), "X...X...X...X...", 0.7);
  Rhythm(s, kHatCh, kHat, kDrumNote, s.Start(2), s.Start(3), "..x...x...x...x.", 0.8);
  Bass(s, kBassCh, kBass, s.Start(2), prog, 16, "R.......r.......", kBassVolume - 10);

  Arp(s, kPluckCh, kPluck, s.Start(3), prog, 16, "0.1.2.0.1.2.0.1.", kPluckVolume);
  Rhythm(s, kKickCh, kKick, kDrumNote, s.Start(3), s.Start(4), "X...X...X...X...", 0.85);
  Rhythm(s, kClapCh, kClap, kDrumNote, s.Start(3), s.Start(4), "....x.......x...", 0.8);
  Rhythm(s, kHatCh, kHat, kDrumNote, s.Start(3), s.Start(4), "g.x.g.x.g.x.g.x.", 0.8);
  Bass(s, kBassCh, kBass, s.Start(3), prog, 16, "..R...R...R...R.", kBassVolume - 6);
  Melody(s, kLeadCh, kLead, s.Start(3) + 32, "G4-3 C5-3 E5-4 G5-2 E5-4 | D5-6 B4-2 D5-4 r-4",
         kLeadVolume - 12);

  Crash(s, s.Start(4), 36);
  Groove(s, s.Start(4), s.Start(5), 0.9);
  Arp(s, kPluckCh, kPluck, s.Start(4), prog, 16, "0.1.2.0.1.2.0.1.", kPluckVolume - 4);
  Bass(s, kBassCh, kBass, s.Start(4), prog, 16, "R..R..r.R..R..rO", kBassVolume - 4);
  Melody(s, kLeadCh, kLead, s.Start(4), kPhraseA, kLeadVolume - 6);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(4) + 56, s.Start(5), "..o.o.xx", 1.0);

  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(3), s.Start(5));
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, s.Start(0), s.Start(5));
}

// Order 5: a build-up of 104 rows that stops dead on row 105, leaving a riser alone.
void BuildUp(Score& s) {
  const int at = s.Start(5);
  const int hush = at + 105;
  const std::vector<Chord> prog = Chords({kF, kG, kAm, kAm, kF, kG, kE, kE});
  Pads(s, kPads, kPad, at, prog, 16, kPadVolume);
  Arp(s, kPluckCh, kPluck, at, prog, 16, "0121012101210121", kPluckVolume - 4);
  Arp(s, kPluckCh, kPluck, at + 64, {prog[4], prog[5], prog[6]}, 16, "3454345434543454",
      kPluckVolume);
  Melody(s, kLeadCh, kLead, at, "C5-14 r-2 D5-14 r-2 E5-30 r-2", kLeadVolume - 8);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, at, hush - kEchoRows);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, at, hush - kEchoRows);

  Rhythm(s, kKickCh, kKick, kDrumNote, at, at + 96, "X...X...X...X...");
  Rhythm(s, kKickCh, kKick, kDrumNote, at + 96, hush, "X.x.");
  Rhythm(s, kClapCh, kClap, kDrumNote, at, at + 64, "....x.......x...", 0.85);
  Rhythm(s, kHatCh, kHat, kDrumNote, at, hush, "gxoxgxoxgxoxgxox", 0.7);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 32, at + 64, "x...", 0.6);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 64, at + 96, "x.", 0.75);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 96, hush, "x", 0.9);
  Fade(s, kSnareCh, at + 32, hush - 1, 0.6, 1.0);
  Bass(s, kBassCh, kBass, at, prog, 16, "R.r.R.r.R.r.R.r.", kBassVolume - 4);
  Bass(s, kBassCh, kBass, at + 96, {prog[6]}, 9, "Rr", kBassVolume);
  s.Play(hush - 1, kSnareCh, kDrumNote, kSnare, 64);
  s.Play(hush - 1, kKickCh, kDrumNote, kKick, 64);

  Silence(s, hush, s.Start(6), kAllButFx);
  s.Play(hush, kFxCh, kDrumNote, kRiser, 60);
}

// Orders 6-7: the drop. Order 8-9: the main groove, which stops short before the hits.
void DropAndGroove(Score& s) {
  const std::vector<Chord> home = Chords({kAm, kF, kC, kG});
  for (int order = 6; order <= 7; ++order) {
    Groove(s, s.Start(order), s.Start(order + 1), 1.0);
    Pads(s, kPads, kPad, s.Start(order), home, 16, kPadVolume - 4);
    Bass(s, kBassCh, kBass, s.Start(order), home, 16, "R..R..R.R..R..O.", kBassVolume);
    Arp(s, kPluckCh, kPluck, s.Start(order), home, 16, "3454", kPluckVolume - 6);
  }
  s.Play(s.Start(6), kFxCh, kDrumNote, kImpact, 64);
  Crash(s, s.Start(6), 60);
  Melody(s, kLeadCh, kLead, s.Start(6), kPhraseA, kLeadVolume);
  Melody(s, kLeadCh, kLead, s.Start(7), kPhraseB, kLeadVolume);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(7) + 56, s.Start(8), "x.x.xxXX", 0.9);

  const std::vector<Chord> lift = Chords({kF, kG, kEm, kAm});
  const std::vector<Chord> turn = Chords({kF, kG, kC, kE});
  const int stop = s.Start(9) + 60;
  Crash(s, s.Start(8), 54);
  Groove(s, s.Start(8), stop, 1.0);
  Pads(s, kPads, kPad, s.Start(8), lift, 16, kPadVolume - 4);
  Pads(s, kPads, kPad, s.Start(9), turn, 16, kPadVolume - 4);
  Bass(s, kBassCh, kBass, s.Start(8), lift, 16, "R.rR.rO.R.rR.rO.", kBassVolume);
  Bass(s, kBassCh, kBass, s.Start(9), turn, 16, "R.rR.rO.R.rR.rO.", kBassVolume);
  Arp(s, kPluckCh, kPluck, s.Start(8), lift, 16, "0.2.1.2.", kPluckVolume - 4, 12);
  Arp(s, kPluckCh, kPluck, s.Start(9), turn, 16, "0.2.1.2.", kPluckVolume - 4, 12);
  Melody(s, kLeadCh, kLead, s.Start(8), kPhraseC, kLeadVolume);
  Melody(s, kLeadCh, kLead, s.Start(9), kPhraseD, kLeadVolume);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, stop - 4, stop, "xxXX", 0.9);

  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(6), stop - kEchoRows);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, s.Start(6), stop - kEchoRows);
  Silence(s, stop, s.Start(10), kAllButFx);
}

// A hit on the beat and the sixteenth after it; the bass and pads fall back at once.
void Hit(Score& s, int row, const Chord& chord) {
  s.Play(row, kKickCh, kDrumNote, kKick, 64);
  s.Play(row, kClapCh, kDrumNote, kClap, 56);
  s.Play(row, kFxCh, kDrumNote, kImpact, 44);
  Crash(s, row, 36);
  const Chord stab = Transposed(chord, 12);
  Stab(s, kStabs, kStab, row, stab, 50);
  Stab(s, kStabs, kStab, row + 1, stab, 44);
  s.Play(row, kBassCh, chord.root, kBass, 56);
  s.SetVolume(row + 2, kBassCh, 20);
}

// Orders 10-13: accented hits on fixed rows; between them a hushed pulse keeps time.
void Hits(Score& s) {
  struct HitOrder {
    int order;
    std::vector<int> rows;
    std::vector<std::string_view> chords;
  };
  const std::vector<HitOrder> orders = {
      {10, {0, 28, 56, 88, 108, 120}, {kAm, kF, kC, kG, kAm, kE}},
      {11, {0, 28, 56, 88, 108}, {kF, kDm, kAm, kE, kF}},
      {12, {0, 28, 56, 88, 108, 120}, {kAm, kF, kC, kG, kDm, kE}},
      {13, {0, 28, 56, 88, 108, 120}, {kF, kG, kAm, kF, kG, kE}},
  };
  for (const HitOrder& hits : orders) {
    const int at = s.Start(hits.order);
    for (size_t i = 0; i < hits.rows.size(); ++i) {
      const int from = at + hits.rows[i];
      const int to = i + 1 < hits.rows.size() ? at + hits.rows[i + 1] : at + s.Rows(hits.order);
      const Chord chord = ParseChords(hits.chords[i]).front();
      Pads(s, kPads, kPad, from, {chord}, to - from, kPadVolume - 10);
      Rhythm(s, kHatCh, kHat, kDrumNote, from + 2, to, "g.o.", 0.8);
      Bass(s, kBassCh, kBass, from + 4, {chord}, to - from - 4, "..r.", kBassVolume - 24);
      Arp(s, kPluckCh, kPluck, from + 2, {chord}, to - from - 2, "0.1.2.1.", kPluckVolume - 8,
          hits.order >= 12 ? 12 : 0);
      // In the second half the lead answers each long gap with the chord, falling then rising.
      if (hits.order >= 12 && to - from >= 20) {
        const std::array<int, 3> order =
            hits.order == 12 ? std::array<int, 3>{2, 1, 0} : std::array<int, 3>{0, 1, 2};
        for (size_t step = 0; step < order.size(); ++step) {
          s.Play(from + 4 + 4 * static_cast<int>(step), kLeadCh, chord.tones[order[step]] + 12,
                 kLead, kLeadVolume - 14);
        }
        s.Cut(from + 16, kLeadCh);
      }
      Hit(s, from, chord);
    }
  }
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(12), s.Start(14) - kEchoRows);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, s.Start(10), s.Start(14));
}

// Orders 14-16: driving sixteenths under a racing riff.
void Race(Score& s) {
  const std::vector<Chord> drive = Chords({kAm, kAm, kF, kG});
  const std::vector<Chord> lift = Chords({kF, kG, kAm, kAm});
  s.Play(s.Start(14), kFxCh, kDrumNote, kImpact, 60);
  Crash(s, s.Start(14), 60);
  for (int order = 14; order <= 16; ++order) {
    const std::vector<Chord>& prog = order == 16 ? lift : drive;
    Groove(s, s.Start(order), s.Start(order + 1), 1.0);
    Rhythm(s, kHatCh, kHat, kDrumNote, s.Start(order), s.Start(order + 1), "xoXo", 0.75);
    Pads(s, kPads, kPad, s.Start(order), prog, 16, kPadVolume - 6);
    Bass(s, kBassCh, kBass, s.Start(order), prog, 16, "R.rrR.rrR.rrO.rr", kBassVolume);
    Arp(s, kPluckCh, kPluck, s.Start(order), prog, 16, "0121201210121012", kPluckVolume - 4, 12);
  }
  Melody(s, kLeadCh, kLead, s.Start(15), kRaceRiff, kLeadVolume - 4);
  Melody(s, kLeadCh, kLead, s.Start(16), kRaceAnswer, kLeadVolume);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, s.Start(15), s.Start(17));
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.45, s.Start(14), s.Start(17));
  Rhythm(s, kSnareCh, kSnare, kDrumNote, s.Start(16) + 48, s.Start(17), "x...x...x.x.xxxx", 0.9);
}

// Order 17 builds for 80 rows, breathes on row 80 and erupts on row 81; order 18 rides it and
// order 19 ends the band on row 24, leaving the outro from row 25.
void Climax(Score& s) {
  const int at = s.Start(17);
  const int peak = at + 81;
  const std::vector<Chord> build = Chords({kF, kG, kAm, kF, kE});
  Crash(s, at, 50);
  Pads(s, kPads, kPad, at, build, 16, kPadVolume);
  for (int pad : kPads)
    Fade(s, pad, at + 48, at + 79, 1.0, 0.6);
  Arp(s, kPluckCh, kPluck, at, build, 16, "0.1.2.3.4.3.2.1.", kPluckVolume);
  Rhythm(s, kKickCh, kKick, kDrumNote, at, at + 64, "X.......X.......", 0.85);
  Rhythm(s, kKickCh, kKick, kDrumNote, at + 64, at + 80, "X...", 0.65);
  Rhythm(s, kHatCh, kHat, kDrumNote, at, at + 80, "..o.", 0.8);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 32, at + 48, "x...", 0.5);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 48, at + 64, "x.", 0.55);
  Rhythm(s, kSnareCh, kSnare, kDrumNote, at + 64, at + 80, "x", 0.8);
  Fade(s, kSnareCh, at + 64, at + 79, 0.5, 0.8);
  Bass(s, kBassCh, kBass, at, build, 16, "R.......R...r...", kBassVolume - 18);
  Melody(s, kLeadCh, kLead, at, "F5-14 r-2 G5-14 r-2 A5-14 r-2 F5-14 r-2 G#5-15", kLeadVolume - 14);
  s.Play(at + 58, kFxCh, kDrumNote, kRiser, 40);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, at, at + 80 - kEchoRows);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, at, at + 80 - kEchoRows);
  Silence(s, at + 80, peak, kAllButFx);

  // The eruption, then the full band on the grid from the next beat.
  const int end = s.Start(19) + 25;
  const std::vector<Chord> top = Chords({kAm, kF, kG, kF, kG, kAm, kE, kAm});
  s.Play(peak, kFxCh, kDrumNote, kImpact, 48);
  Crash(s, peak, 52);
  s.Play(peak, kKickCh, kDrumNote, kKick, 64);
  s.Play(peak, kClapCh, kDrumNote, kClap, 56);
  Stab(s, kStabs, kStab, peak, Transposed(top[0], 12), 50);
  s.Play(peak, kBassCh, top[0].root, kBass, kBassVolume);
  Pads(s, kPads, kPad, peak, {top[0]}, 15, kPadVolume + 4);
  Pads(s, kPads, kPad, at + 96, {top.begin() + 1, top.end()}, 16, kPadVolume + 4);
  Groove(s, at + 84, end, 1.0);
  Rhythm(s, kHatCh, kHat, kDrumNote, at + 84, end, "xoXo", 0.8);
  Bass(s, kBassCh, kBass, at + 84, {top[0]}, 12, "R..R..R.O.rR", kBassVolume);
  Bass(s, kBassCh, kBass, at + 96, {top.begin() + 1, top.end()}, 16, "R..R..R.R..R..O.",
       kBassVolume);
  Arp(s, kPluckCh, kPluck, at + 84, {top[0]}, 12, "3454", kPluckVolume);
  Arp(s, kPluckCh, kPluck, at + 96, {top.begin() + 1, top.end()}, 16, "3454", kPluckVolume);
  Melody(s, kLeadCh, kLead, peak, kClimax, kLeadVolume + 4);
  Crash(s, s.Start(18), 56);
  Crash(s, s.Start(19), 56);
  Echo(s, kLeadCh, kLeadEcho, kEchoRows, 0.4, peak, end - kEchoRows);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, peak, end - kEchoRows);

  // The band's last hit lands on row 24 of order 19.
  const int last = end - 1;
  s.Play(last, kKickCh, kDrumNote, kKick, 64);
  Crash(s, last, 60);
  Stab(s, kStabs, kStab, last, Transposed(top.back(), 12), 60);
  Silence(s, end, s.Start(20), kBeat);
  Silence(s, end, s.Start(20), std::array<int, 2>{kLeadCh, kLeadEcho});
}

// From order 19 row 25: pads and an echoing pluck, fading out over orders 20-22.
void Outro(Score& s) {
  const int from = s.Start(19) + 25;
  const std::vector<Chord> home = Chords({kAm, kF, kC, kG});
  const std::vector<Chord> last = Chords({kF, kG, kAm, kAm});
  Pads(s, kPads, kPad, from, {home[0]}, 23, kPadVolume);
  Pads(s, kPads, kPad, from + 23, {home[1], home[2]}, 16, kPadVolume);
  Arp(s, kPluckCh, kPluck, from, {home[0]}, 23, "0...2...1...3...", kPluckVolume);
  Arp(s, kPluckCh, kPluck, from + 23, {home[1], home[2]}, 16, "0...2...1...3...", kPluckVolume);
  for (int order = 20; order <= 21; ++order) {
    Pads(s, kPads, kPad, s.Start(order), home, 16, kPadVolume);
    Bass(s, kBassCh, kBass, s.Start(order), home, 16, "R...............", kBassVolume - 16);
  }
  Arp(s, kPluckCh, kPluck, s.Start(20), home, 16, "0...2...1...3...", kPluckVolume);
  Melody(s, kPluckCh, kPluck, s.Start(21), kPhraseA, kPluckVolume + 2);
  Pads(s, kPads, kPad, s.Start(22), last, 16, kPadVolume);
  Bass(s, kBassCh, kBass, s.Start(22), last, 16, "R...............", kBassVolume - 16);
  Melody(s, kPluckCh, kPluck, s.Start(22), "A4-3 C5-3 E5-4 D5-2 C5-4 | B4-8 G4-8 | A4-32",
         kPluckVolume);
  Echo(s, kPluckCh, kPluckEcho, kEchoRows, 0.5, from, s.TotalRows());

  const int end = s.TotalRows() - 1;
  for (int channel : {kPadA, kPadB, kPadC, kBassCh, kPluckCh, kPluckEcho}) {
    Fade(s, channel, s.Start(21), end, 1.0, 0.0);
  }
}

}  // namespace

Module AmberDrift() {
  Score score({kOrderRows.begin(), kOrderRows.end()}, kChannelCount);
  Intro(score);
  BuildUp(score);
  DropAndGroove(score);
  Hits(score);
  Race(score);
  Climax(score);
  Outro(score);

  constexpr std::array<uint8_t, kChannelCount> kPans = {32, 32, 30, 40, 24, 32, 32, 32, 18,
                                                        32, 46, 28, 48, 20, 44, 24, 32, 40};
  return score.ToModule("amber drift", 85, kPans, AmberSamples());
}

}  // namespace qv::make_music
