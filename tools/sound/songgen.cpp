// Turns the note list of assets/sound/song.txt into a standard MIDI file (format 1).
// Usage: quorvex_songgen <song.txt> <out.mid>
// Besides the menu song it writes the server's radio tracks (assets/sound/radio), which may
// name themselves ("title", "artist") and repeat a line of bars ("*N" after its last bar).
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerSixteenth = kTicksPerQuarter / 4;
constexpr int kSixteenthsPerBar = 16;

struct Part {
  std::string name;
  int channel = 0;  // 0-based
  int program = 0;  // 0-based
  int volume = 100, pan = 64, reverb = 40;
  // Note events as (tick, on/off, key): sorted when written.
  struct Event {
    int tick;
    bool on;
    int key;
  };
  std::vector<Event> events;
  int tick = 0;
  int bar_start = 0;
  int bars = 0;
};

[[noreturn]] void Fail(int line, const std::string& message) {
  std::cerr << "songgen: line " << line << ": " << message << "\n";
  std::exit(1);
}

// "C4" is key 60; "F#4", "Bb3"; "n42" a raw key number.
int Key(const std::string& text, int line) {
  if (text.size() >= 2 && text[0] == 'n') {
    const int key = std::atoi(text.c_str() + 1);
    if (key < 0 || key > 127) Fail(line, "no key " + text);
    return key;
  }
  static const std::map<char, int> kSemitone = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                                {'G', 7}, {'A', 9}, {'B', 11}};
  const auto letter = text.empty() ? kSemitone.end() : kSemitone.find(text[0]);
  if (letter == kSemitone.end()) Fail(line, "no note " + text);
  int key = letter->second;
  size_t at = 1;
  if (at < text.size() && text[at] == '#')
    ++key, ++at;
  else if (at < text.size() && text[at] == 'b')
    --key, ++at;
  if (at + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[at])))
    Fail(line, "no note " + text);
  key += 12 * (text[at] - '0' + 1);
  if (key < 0 || key > 127) Fail(line, "no key " + text);
  return key;
}

void AddToken(Part& part, const std::string& token, int line) {
  const size_t colon = token.rfind(':');
  if (colon == std::string::npos) Fail(line, "no length in " + token);
  const int length = std::atoi(token.c_str() + colon + 1);
  if (length < 1 || length > 64) Fail(line, "bad length in " + token);
  std::string pitches = token.substr(0, colon);
  std::vector<int> keys;
  if (pitches != "r") {
    if (pitches.front() == '[') {
      if (pitches.back() != ']') Fail(line, "unclosed chord " + token);
      pitches = pitches.substr(1, pitches.size() - 2);
    }
    std::istringstream in(pitches);
    std::string pitch;
    while (in >> pitch) keys.push_back(Key(pitch, line));
  }
  const int end = part.tick + length * kTicksPerSixteenth;
  // A hair of silence between notes keeps repeated notes distinct.
  for (int key : keys) {
    part.events.push_back({part.tick, true, key});
    part.events.push_back({end - 10, false, key});
  }
  part.tick = end;
}

void CloseBar(Part& part, int line) {
  if (part.tick == part.bar_start) return;
  if (part.tick - part.bar_start != kSixteenthsPerBar * kTicksPerSixteenth)
    Fail(line, part.name + ": a bar of " +
                   std::to_string((part.tick - part.bar_start) / kTicksPerSixteenth) +
                   " sixteenths");
  part.bar_start = part.tick;
  ++part.bars;
}

void Put(std::string& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void PutVarLen(std::string& out, uint32_t value) {
  char bytes[5];
  int n = 0;
  bytes[n++] = static_cast<char>(value & 0x7F);
  while ((value >>= 7) != 0) bytes[n++] = static_cast<char>((value & 0x7F) | 0x80);
  while (n > 0) out += bytes[--n];
}

std::string Chunk(const std::string& body) {
  std::string out = "MTrk";
  Put(out, static_cast<uint32_t>(body.size()), 4);
  return out + body;
}

std::string TrackName(const std::string& name) {
  std::string out;
  PutVarLen(out, 0);
  out += "\xFF\x03";
  PutVarLen(out, static_cast<uint32_t>(name.size()));
  return out + name;
}

std::string EndOfTrack() {
  return std::string("\x00\xFF\x2F\x00", 4);
}

std::string PartTrack(Part& part) {
  std::string body = TrackName(part.name);
  const char status = static_cast<char>(part.channel);
  auto controller = [&](int number, int value) {
    PutVarLen(body, 0);
    body += static_cast<char>(0xB0 | status);
    body += static_cast<char>(number);
    body += static_cast<char>(value);
  };
  PutVarLen(body, 0);
  body += static_cast<char>(0xC0 | status);
  body += static_cast<char>(part.program);
  controller(7, part.volume);
  controller(10, part.pan);
  controller(91, part.reverb);
  // Offs before ons at the same tick, so a repeated key is released before it strikes again.
  std::stable_sort(part.events.begin(), part.events.end(), [](const auto& a, const auto& b) {
    return a.tick != b.tick ? a.tick < b.tick : (!a.on && b.on);
  });
  int last = 0;
  for (const auto& e : part.events) {
    PutVarLen(body, static_cast<uint32_t>(e.tick - last));
    last = e.tick;
    body += static_cast<char>((e.on ? 0x90 : 0x80) | status);
    body += static_cast<char>(e.key);
    body += static_cast<char>(e.on ? 88 : 0);
  }
  PutVarLen(body, static_cast<uint32_t>(part.tick - last));
  body += std::string("\xFF\x2F\x00", 3);
  return Chunk(body);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail(0, "usage: quorvex_songgen <song.txt> <out.mid>");
  std::ifstream file(argv[1]);
  if (!file) Fail(0, std::string("cannot read ") + argv[1]);
  int tempo = 0;
  std::string title = "Felt and Lamplight";
  std::vector<Part> parts;
  std::string text;
  for (int line = 1; std::getline(file, text); ++line) {
    std::istringstream in(text);
    std::string word;
    if (!(in >> word) || word[0] == '#') continue;
    if (word == "tempo") {
      if (!(in >> tempo) || tempo < 20 || tempo > 300) Fail(line, "bad tempo");
    } else if (word == "voice") {
      Part part;
      if (!(in >> part.name >> part.channel >> part.program >> part.volume >> part.pan >>
            part.reverb) ||
          part.channel < 1 || part.channel > 16 || part.program < 1 || part.program > 128)
        Fail(line, "a voice needs a name, channel 1..16, program 1..128, volume, pan, reverb");
      --part.channel;
      --part.program;
      parts.push_back(part);
    } else if (word == "|") {
      if (parts.empty()) Fail(line, "bars before the first voice");
      Part& part = parts.back();
      const size_t line_events = part.events.size();
      const int line_start = part.tick;
      const int line_bars = part.bars;
      int times = 1;
      std::string token;
      while (in >> token) {
        if (token.front() == '*') {
          // "*3" after the last bar: the bars of this line sound three times.
          times = std::atoi(token.c_str() + 1);
          std::string extra;
          if (times < 1 || times > 64 || in >> extra) Fail(line, "a repeat like *2 ends the line");
        } else if (token == "|") {
          CloseBar(part, line);
        } else if (token.front() == '[' && token.back() != ']' &&
                   token.find(':') == std::string::npos) {
          // A chord spelled with spaces: gather up to its closing bracket and length.
          std::string rest;
          while (in >> rest) {
            token += " " + rest;
            if (rest.find(']') != std::string::npos) break;
          }
          AddToken(part, token, line);
        } else {
          AddToken(part, token, line);
        }
      }
      CloseBar(part, line);
      const int span = part.tick - line_start;
      const size_t events_end = part.events.size();
      for (int again = 1; again < times; ++again) {
        for (size_t e = line_events; e < events_end; ++e) {
          Part::Event copy = part.events[e];
          copy.tick += again * span;
          part.events.push_back(copy);
        }
      }
      part.tick += (times - 1) * span;
      part.bar_start = part.tick;
      part.bars += (times - 1) * (part.bars - line_bars);
    } else if (word == "title") {
      std::getline(in >> std::ws, title);
    } else if (word == "artist") {
      // Named in the playlist, not in the MIDI file.
    } else {
      Fail(line, "unknown word " + word);
    }
  }
  if (tempo == 0 || parts.empty()) Fail(0, "no tempo or no voice");
  for (const Part& part : parts)
    if (part.bars != parts.front().bars) Fail(0, part.name + " has another number of bars");

  std::string conductor = TrackName(title);
  PutVarLen(conductor, 0);
  conductor += std::string("\xFF\x51\x03", 3);
  Put(conductor, static_cast<uint32_t>(60000000 / tempo), 3);
  PutVarLen(conductor, 0);
  conductor += std::string("\xFF\x58\x04\x04\x02\x18\x08", 7);
  conductor += EndOfTrack();

  std::string midi = "MThd";
  Put(midi, 6, 4);
  Put(midi, 1, 2);
  Put(midi, static_cast<uint32_t>(parts.size() + 1), 2);
  Put(midi, kTicksPerQuarter, 2);
  midi += Chunk(conductor);
  for (Part& part : parts) midi += PartTrack(part);

  std::ofstream out(argv[2], std::ios::binary);
  out << midi;
  return out ? 0 : 1;
}
