#pragma once

#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "tools/make_music/score.h"

// Writing music into a score in the shorthand of step sequencers and lead sheets.
namespace qv::make_music {

struct Chord {
  int root;                // the bass note
  std::vector<int> tones;  // the voicing, low to high
};

// "A1: A3 C4 E4 | F1: A3 C4 F4": chords separated by bars, each a root and its voicing.
std::vector<Chord> ParseChords(std::string_view text);
// One chord from each text, as ParseChords reads them.
std::vector<Chord> Chords(std::initializer_list<std::string_view> texts);
// The chord moved by `semitones`, root and voicing alike.
Chord Transposed(Chord chord, int semitones);

// Steps repeat from `fromRow` up to `toRow` (exclusive). Letters give the velocity: X 64, x 50,
// o 36, g 22, scaled by `gain`; '.' rests, '^' cuts the channel.
void Rhythm(Score& score, int channel, int sample, int note, int fromRow, int toRow,
            std::string_view steps, double gain = 1.0);

// "A4-3 C5-3 r-2": notes or rests with their length in rows; "|" marks bars for the reader. A note
// is cut where it ends unless the next one starts there. Returns the row after the phrase.
int Melody(Score& score, int channel, int sample, int fromRow, std::string_view phrase, int volume,
           int transpose = 0);

// One chord every `rowsPerChord` rows, voice i on channels[i]. A voice that keeps its note is not
// struck again, so held tones do not re-swell.
void Pads(Score& score, std::span<const int> channels, int sample, int fromRow,
          const std::vector<Chord>& chords, int rowsPerChord, int volume);

// Strikes the whole voicing of a chord at once, one voice per channel.
void Stab(Score& score, std::span<const int> channels, int sample, int row, const Chord& chord,
          int volume);

// Per chord, steps repeat over its rows: R root, O octave above, F fifth above (upper case
// accented, lower case softer); '.' holds, '^' cuts.
void Bass(Score& score, int channel, int sample, int fromRow, const std::vector<Chord>& chords,
          int rowsPerChord, std::string_view steps, int volume);

// Per chord, digits pick the voicing's tones low to high and continue an octave up; '.' holds,
// '^' cuts. The first step of each beat is accented.
void Arp(Score& score, int channel, int sample, int fromRow, const std::vector<Chord>& chords,
         int rowsPerChord, std::string_view steps, int volume, int transpose = 0);

// Repeats what `from` plays between the rows on channel `to`, `delay` rows later and softer.
void Echo(Score& score, int from, int to, int delay, double gain, int fromRow, int toRow);

// Scales the channel's level from `fromGain` to `toGain` across the rows, held notes included.
void Fade(Score& score, int channel, int fromRow, int toRow, double fromGain, double toGain);

void CutAll(Score& score, int row, std::span<const int> channels);

// Cuts the channels at `fromRow` and clears whatever they were given to play before `toRow`.
void Silence(Score& score, int fromRow, int toRow, std::span<const int> channels);

}  // namespace qv::make_music
