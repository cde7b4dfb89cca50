// Speaks the card names of assets/sound/card_names.tsv with espeak-ng, one WAV per card and
// language, and writes the Qt resource collection that rcc turns into the voice library.
// Usage: quorvex_voicegen <card_names.tsv> <out_dir>
// One process speaks all 550 names: loading a voice costs more than speaking a name.
#include <espeak-ng/speak_lib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sound/voice_names.h"
#include "sound/wav_data.h"

namespace {

std::vector<int16_t> g_samples;

int Collect(short* wav, int count, espeak_EVENT*) {
  if (wav != nullptr && count > 0) g_samples.insert(g_samples.end(), wav, wav + count);
  return 0;
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream in(line);
  std::string cell;
  while (std::getline(in, cell, '\t')) cells.push_back(cell);
  return cells;
}

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << "voicegen: " << message << "\n";
  std::exit(1);
}

// espeak-ng pads every utterance with silence; a spoken name should start at once.
std::string Trimmed(const std::vector<int16_t>& samples, int rate) {
  size_t first = 0, last = samples.size();
  while (first < last && std::abs(samples[first]) < 300) ++first;
  while (last > first && std::abs(samples[last - 1]) < 300) --last;
  const size_t margin = static_cast<size_t>(rate / 50);
  first = first > margin ? first - margin : 0;
  last = std::min(samples.size(), last + margin);
  std::string pcm;
  pcm.reserve((last - first) * 2);
  for (size_t i = first; i < last; ++i) {
    const uint16_t s = static_cast<uint16_t>(samples[i]);
    pcm += static_cast<char>(s & 0xFF);
    pcm += static_cast<char>(s >> 8);
  }
  return pcm;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail("usage: quorvex_voicegen <card_names.tsv> <out_dir>");
  const std::filesystem::path out_dir = argv[2];

  std::ifstream table(argv[1]);
  if (!table) Fail(std::string("cannot read ") + argv[1]);
  std::vector<std::string> codes, voices;
  std::map<std::string, std::vector<std::string>> names;  // base name -> ten names
  std::string line;
  for (int number = 1; std::getline(table, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cells = SplitTabs(line);
    if (cells.size() != quorvex::kVoiceLanguages + 1)
      Fail("line " + std::to_string(number) + ": expected 11 columns");
    const std::string key = cells[0];
    cells.erase(cells.begin());
    if (key == "code") {
      codes = cells;
    } else if (key == "voice") {
      voices = cells;
    } else if (!names.emplace(key, cells).second) {
      Fail("line " + std::to_string(number) + ": " + key + " named twice");
    }
  }
  for (int l = 0; l < quorvex::kVoiceLanguages; ++l)
    if (codes.size() != size_t(quorvex::kVoiceLanguages) ||
        codes[size_t(l)] != quorvex::VoiceCodeOf(l))
      Fail("the code line must list the voice codes in the order of the languages");
  if (voices.size() != size_t(quorvex::kVoiceLanguages)) Fail("no voice line");

  const int rate =
      espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) Fail("espeak-ng could not start");
  espeak_SetSynthCallback(Collect);

  std::filesystem::create_directories(out_dir / "wav");
  const auto all = quorvex::AllVoiceResourceNames();
  const size_t per_language = all.size() / quorvex::kVoiceLanguages;
  for (int l = 0; l < quorvex::kVoiceLanguages; ++l) {
    if (espeak_SetVoiceByName(voices[size_t(l)].c_str()) != EE_OK)
      Fail("espeak-ng has no voice " + voices[size_t(l)]);
    espeak_SetParameter(espeakRATE, 150, 0);
    for (size_t i = 0; i < per_language; ++i) {
      const std::string& resource = all[size_t(l) * per_language + i];
      const std::string base = resource.substr(0, 4);
      const auto found = names.find(base);
      if (found == names.end()) Fail("no names for " + base);
      const std::string& text = found->second[size_t(l)];
      g_samples.clear();
      espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                   nullptr);
      espeak_Synchronize();
      const std::string pcm = Trimmed(g_samples, rate);
      if (pcm.size() < size_t(rate) / 5) Fail("\"" + text + "\" came out silent");
      std::ofstream wav(out_dir / "wav" / (resource + ".wav"), std::ios::binary);
      wav << quorvex::MakeWav(pcm, 1, rate);
      if (!wav) Fail("cannot write " + resource);
    }
  }
  espeak_Terminate();

  std::ofstream qrc(out_dir / "voices.qrc");
  qrc << "<RCC>\n  <qresource prefix=\"/RCDATA\">\n";
  for (const std::string& resource : all)
    qrc << "    <file alias=\"" << resource << "\">wav/" << resource << ".wav</file>\n";
  qrc << "  </qresource>\n</RCC>\n";
  if (!qrc) Fail("cannot write voices.qrc");
  return 0;
}
