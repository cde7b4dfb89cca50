// Synthesises the sound effects described in assets/sound/effects.txt into WAV files.
// Usage: quorvex_effectgen <effects.txt> <out_dir> <name>...
// Each named effect must be described; every one is written as <out_dir>/<name>, the name the
// program reads it by.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "sound/wav_data.h"

namespace {

constexpr int kRate = 22050;

enum class Kind { Sine, Bell, Reed, Noise };

struct Voice {
  Kind kind = Kind::Sine;
  double start = 0, length = 0, from = 0, to = 0, volume = 0, decay = 0;
  int repeats = 1;
  double every = 0;
};

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "effectgen: " << message << "\n";
  std::exit(1);
}

// Hertz, or a note name: letter, optional # or b, octave (A4 = 440 Hz).
double Pitch(const std::string& text) {
  if (text.empty()) return -1;
  if (std::isdigit(static_cast<unsigned char>(text[0]))) return std::atof(text.c_str());
  static const std::map<char, int> kSemitone = {{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                                {'G', -2}, {'A', 0},  {'B', 2}};
  const auto letter = kSemitone.find(text[0]);
  if (letter == kSemitone.end()) return -1;
  int semitone = letter->second;
  size_t at = 1;
  if (at < text.size() && text[at] == '#')
    ++semitone, ++at;
  else if (at < text.size() && text[at] == 'b')
    --semitone, ++at;
  if (at + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return -1;
  const int octave = text[at] - '0';
  return 440.0 * std::pow(2.0, (semitone + 12 * (octave - 4)) / 12.0);
}

Voice ParseVoice(std::istringstream& in, int number) {
  auto bad = [number](const std::string& what) {
    Fail("line " + std::to_string(number) + ": " + what);
  };
  std::string kind, from, to;
  Voice v;
  if (!(in >> kind >> v.start >> v.length >> from >> to >> v.volume >> v.decay))
    bad("expected name, kind, start, length, two pitches, volume and decay");
  if (kind == "sine")
    v.kind = Kind::Sine;
  else if (kind == "bell")
    v.kind = Kind::Bell;
  else if (kind == "reed")
    v.kind = Kind::Reed;
  else if (kind == "noise")
    v.kind = Kind::Noise;
  else
    bad("unknown kind " + kind);
  v.from = Pitch(from);
  v.to = to == "-" ? v.from : Pitch(to);
  if (v.from <= 0 || v.to <= 0 || v.from >= kRate / 2 || v.to >= kRate / 2) bad("bad pitch");
  if (v.start < 0 || v.length <= 0 || v.length > 5 || v.volume <= 0 || v.volume > 1 || v.decay < 0)
    bad("start, length, volume or decay out of range");
  if (in >> v.repeats) {
    if (!(in >> v.every) || v.repeats < 1 || v.repeats > 64 || v.every <= 0)
      bad("a repeat count needs a spacing");
  }
  return v;
}

class Noise {
 public:
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / double(1 << 24) * 2.0 - 1.0;
  }

 private:
  uint32_t state_ = 0x5EED1234u;
};

void Render(const Voice& v, std::vector<double>& mix, Noise& noise) {
  constexpr double kTwoPi = 2 * std::numbers::pi;
  for (int r = 0; r < v.repeats; ++r) {
    const size_t first = static_cast<size_t>((v.start + r * v.every) * kRate);
    const size_t count = static_cast<size_t>(v.length * kRate);
    if (mix.size() < first + count) mix.resize(first + count, 0.0);
    // Repeated bursts are each a little louder or softer, as by hand.
    const double gain =
        v.volume *
        (v.repeats > 1 && v.kind == Kind::Noise ? 0.75 + 0.25 * (noise.Next() + 1) : 1.0);
    const double attack = v.kind == Kind::Noise ? 0.001 : 0.004;
    const double release = std::min(0.012, v.length / 4);
    double phase = 0, low = 0, band = 0;
    for (size_t i = 0; i < count; ++i) {
      const double t = double(i) / kRate;
      const double f = v.from * std::pow(v.to / v.from, t / v.length);
      double env = std::exp(-v.decay * t);
      if (t < attack) env *= t / attack;
      if (v.length - t < release) env *= (v.length - t) / release;
      phase += kTwoPi * f / kRate;
      double s = 0;
      switch (v.kind) {
        case Kind::Sine:
          s = std::sin(phase);
          break;
        case Kind::Bell:
          s = (std::sin(phase) + 0.35 * std::sin(2 * phase) * std::exp(-2 * v.decay * t) +
               0.12 * std::sin(3.01 * phase) * std::exp(-4 * v.decay * t)) /
              1.2;
          break;
        case Kind::Reed:
          for (int k = 1; k <= 9 && k * f < kRate * 0.4; k += 2) s += std::sin(k * phase) / k;
          s /= 1.1;
          break;
        case Kind::Noise: {
          // A state-variable band pass around the moving pitch.
          const double tune = 2 * std::sin(std::numbers::pi * std::min(f, kRate / 6.0) / kRate);
          const double high = noise.Next() - low - 0.8 * band;
          band += tune * high;
          low += tune * band;
          s = band * 1.6;
          break;
        }
      }
      mix[first + i] += gain * env * s;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) Fail("usage: quorvex_effectgen <effects.txt> <out_dir> <name>...");
  std::ifstream file(argv[1]);
  if (!file) Fail(std::string("cannot read ") + argv[1]);
  std::map<std::string, std::vector<Voice>> effects;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    std::istringstream in(line);
    std::string name;
    if (!(in >> name) || name[0] == '#') continue;
    if (name.size() != 7) Fail("line " + std::to_string(number) + ": names have seven characters");
    effects[name].push_back(ParseVoice(in, number));
  }

  const std::filesystem::path out_dir = argv[2];
  std::filesystem::create_directories(out_dir);
  for (int a = 3; a < argc; ++a) {
    const auto found = effects.find(argv[a]);
    if (found == effects.end()) Fail(std::string("no lines for ") + argv[a]);
    std::vector<double> mix;
    Noise noise;
    for (const Voice& v : found->second) Render(v, mix, noise);
    mix.resize(mix.size() + kRate / 50, 0.0);
    double peak = 0;
    for (double s : mix) peak = std::max(peak, std::abs(s));
    const double scale = peak > 0.9 ? 0.9 / peak : 1.0;
    std::string pcm;
    pcm.reserve(mix.size() * 2);
    for (double s : mix) {
      const auto v = static_cast<uint16_t>(static_cast<int16_t>(std::lround(s * scale * 32767)));
      pcm += static_cast<char>(v & 0xFF);
      pcm += static_cast<char>(v >> 8);
    }
    std::ofstream wav(out_dir / found->first, std::ios::binary);
    wav << quorvex::MakeWav(pcm, 1, kRate);
    if (!wav) Fail("cannot write " + found->first);
  }
  return 0;
}
