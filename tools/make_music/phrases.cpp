#include "tools/make_music/phrases.h"

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tools/make_music/pitch.h"

namespace qv::make_music {
namespace {

constexpr int kAccentVolume = 64;

int Velocity(char step) {
  switch (step) {
    case 'X':
      return 64;
    case 'x':
      return 50;
    case 'o':
      return 36;
    case 'g':
      return 22;
    default:
      throw std::invalid_argument(std::string("bad rhythm step '") + step + "'");
  }
}

int Scaled(int volume, double gain) {
  return static_cast<int>(std::lround(volume * gain));
}

std::vector<std::string> Words(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<std::string> words;
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

}  // namespace

std::vector<Chord> ParseChords(std::string_view text) {
  std::vector<Chord> chords;
  size_t begin = 0;
  while (begin <= text.size()) {
    const size_t end = std::min(text.find('|', begin), text.size());
    const std::string_view part = text.substr(begin, end - begin);
    const size_t colon = part.find(':');
    if (colon == std::string_view::npos) throw std::invalid_argument("chord without ':'");
    const std::vector<std::string> root = Words(part.substr(0, colon));
    if (root.size() != 1) throw std::invalid_argument("chord needs one root");
    Chord chord{NoteNumber(root[0]), {}};
    for (const std::string& tone : Words(part.substr(colon + 1))) {
      chord.tones.push_back(NoteNumber(tone));
    }
    chords.push_back(chord);
    begin = end + 1;
  }
  return chords;
}

std::vector<Chord> Chords(std::initializer_list<std::string_view> texts) {
  std::vector<Chord> chords;
  for (std::string_view text : texts) {
    for (const Chord& chord : ParseChords(text))
      chords.push_back(chord);
  }
  return chords;
}

Chord Transposed(Chord chord, int semitones) {
  chord.root += semitones;
  for (int& tone : chord.tones)
    tone += semitones;
  return chord;
}

void Rhythm(Score& score, int channel, int sample, int note, int fromRow, int toRow,
            std::string_view steps, double gain) {
  for (int row = fromRow; row < toRow; ++row) {
    const char step = steps[static_cast<size_t>(row - fromRow) % steps.size()];
    if (step == '.') continue;
    if (step == '^') {
      score.Cut(row, channel);
    } else {
      score.Play(row, channel, note, sample, Scaled(Velocity(step), gain));
    }
  }
}

int Melody(Score& score, int channel, int sample, int fromRow, std::string_view phrase, int volume,
           int transpose) {
  int row = fromRow;
  bool sounding = false;
  for (const std::string& word : Words(phrase)) {
    if (word == "|") continue;
    const size_t dash = word.find('-');
    if (dash == std::string::npos) throw std::invalid_argument("melody step without length");
    const int rows = std::stoi(word.substr(dash + 1));
    const std::string name = word.substr(0, dash);
    if (name == "r") {
      if (sounding) score.Cut(row, channel);
      sounding = false;
    } else {
      score.Play(row, channel, NoteNumber(name) + transpose, sample, volume);
      sounding = true;
    }
    row += rows;
  }
  if (sounding && score.Contains(row)) score.Cut(row, channel);
  return row;
}

void Pads(Score& score, std::span<const int> channels, int sample, int fromRow,
          const std::vector<Chord>& chords, int rowsPerChord, int volume) {
  for (size_t c = 0; c < chords.size(); ++c) {
    const int row = fromRow + static_cast<int>(c) * rowsPerChord;
    for (size_t voice = 0; voice < channels.size(); ++voice) {
      const bool has = voice < chords[c].tones.size();
      const bool same = c > 0 && voice < chords[c - 1].tones.size() && has &&
                        chords[c - 1].tones[voice] == chords[c].tones[voice];
      if (!has) {
        score.Cut(row, channels[voice]);
      } else if (!same) {
        score.Play(row, channels[voice], chords[c].tones[voice], sample, volume);
      }
    }
  }
}

void Stab(Score& score, std::span<const int> channels, int sample, int row, const Chord& chord,
          int volume) {
  for (size_t voice = 0; voice < channels.size() && voice < chord.tones.size(); ++voice) {
    score.Play(row, channels[voice], chord.tones[voice], sample, volume);
  }
}

void Bass(Score& score, int channel, int sample, int fromRow, const std::vector<Chord>& chords,
          int rowsPerChord, std::string_view steps, int volume) {
  for (size_t c = 0; c < chords.size(); ++c) {
    for (int i = 0; i < rowsPerChord; ++i) {
      const int row = fromRow + static_cast<int>(c) * rowsPerChord + i;
      const char step = steps[static_cast<size_t>(i) % steps.size()];
      const int root = chords[c].root;
      switch (step) {
        case '.':
          break;
        case '^':
          score.Cut(row, channel);
          break;
        case 'R':
        case 'r':
          score.Play(row, channel, root, sample, step == 'R' ? volume : Scaled(volume, 0.75));
          break;
        case 'O':
        case 'o':
          score.Play(row, channel, root + 12, sample, step == 'O' ? volume : Scaled(volume, 0.75));
          break;
        case 'F':
        case 'f':
          score.Play(row, channel, root + 7, sample, step == 'F' ? volume : Scaled(volume, 0.75));
          break;
        default:
          throw std::invalid_argument(std::string("bad bass step '") + step + "'");
      }
    }
  }
}

void Arp(Score& score, int channel, int sample, int fromRow, const std::vector<Chord>& chords,
         int rowsPerChord, std::string_view steps, int volume, int transpose) {
  for (size_t c = 0; c < chords.size(); ++c) {
    const std::vector<int>& tones = chords[c].tones;
    for (int i = 0; i < rowsPerChord; ++i) {
      const int row = fromRow + static_cast<int>(c) * rowsPerChord + i;
      const char step = steps[static_cast<size_t>(i) % steps.size()];
      if (step == '.') continue;
      if (step == '^') {
        score.Cut(row, channel);
        continue;
      }
      if (step < '0' || step > '9') {
        throw std::invalid_argument(std::string("bad arp step '") + step + "'");
      }
      const auto index = static_cast<size_t>(step - '0');
      const int note = tones[index % tones.size()] + 12 * static_cast<int>(index / tones.size());
      const bool onBeat = i % 4 == 0;
      score.Play(row, channel, note + transpose, sample, onBeat ? volume : Scaled(volume, 0.8));
    }
  }
}

void Echo(Score& score, int from, int to, int delay, double gain, int fromRow, int toRow) {
  for (int row = fromRow; row < toRow; ++row) {
    const int target = row + delay;
    if (!score.Contains(target)) break;
    const Cell& source = score.at(row, from);
    if (source.note == kNoteCut) {
      score.Cut(target, to);
    } else if (source.note) {
      score.Play(target, to, *source.note, source.sample,
                 Scaled(source.volume.value_or(kAccentVolume), gain));
    } else if (source.volume) {
      score.SetVolume(target, to, Scaled(*source.volume, gain));
    }
  }
}

void Fade(Score& score, int channel, int fromRow, int toRow, double fromGain, double toGain) {
  // The level of the note already sounding when the fade begins.
  int base = -1;
  for (int row = fromRow; row >= 0 && base < 0; --row) {
    const Cell& cell = score.at(row, channel);
    if (cell.note == kNoteCut) break;
    if (cell.note) base = cell.volume.value_or(kAccentVolume);
  }
  for (int row = fromRow; row <= toRow && score.Contains(row); ++row) {
    Cell& cell = score.at(row, channel);
    if (cell.note == kNoteCut) {
      base = -1;
      continue;
    }
    if (cell.note) base = cell.volume.value_or(kAccentVolume);
    if (base < 0) continue;
    const double t = toRow > fromRow ? double(row - fromRow) / double(toRow - fromRow) : 1.0;
    score.SetVolume(row, channel, Scaled(base, fromGain + (toGain - fromGain) * t));
  }
}

void CutAll(Score& score, int row, std::span<const int> channels) {
  for (int channel : channels)
    score.Cut(row, channel);
}

void Silence(Score& score, int fromRow, int toRow, std::span<const int> channels) {
  for (int channel : channels) {
    for (int row = fromRow + 1; row < toRow && score.Contains(row); ++row) {
      score.at(row, channel) = Cell{};
    }
    score.Cut(fromRow, channel);
  }
}

}  // namespace qv::make_music
