// Reading the settings file.
#include <array>
#include <fstream>
#include <optional>
#include <vector>

#include "settings/settings_file.h"

namespace quorvex {

namespace {

// No line of a file the game writes comes near this; longer lines are cut so that a damaged file
// cannot make the reader hold it whole.
constexpr size_t kMaxLineBytes = 4096;
constexpr int kLanguages = 10;

// Splits bytes into the first 35 lines. A line ends at LF; a CR right before the LF belongs to
// the line end. A last line without its line end still counts when it is not empty.
class LineCollector {
 public:
  void Feed(std::string_view bytes) {
    for (char c : bytes) {
      if (Full()) return;
      if (c == '\n') {
        EndLine();
      } else if (current_.size() < kMaxLineBytes) {
        current_.push_back(c);
      }
    }
  }
  void Finish() {
    if (!Full() && !current_.empty()) EndLine();
  }
  bool Full() const { return lines_.size() >= static_cast<size_t>(kSettingsLines); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void EndLine() {
    if (!current_.empty() && current_.back() == '\r') current_.pop_back();
    lines_.push_back(std::move(current_));
    current_.clear();
  }

  std::vector<std::string> lines_;
  std::string current_;
};

// A decimal integer with optional leading blanks and sign, nothing after it.
std::optional<int> ParseInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 1'000'000'000) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

// Sets a value from a number in its range; anything else keeps the default.
void TakeNumber(std::string_view text, int low, int high, int& value) {
  const std::optional<int> n = ParseInt(text);
  if (n && *n >= low && *n <= high) value = *n;
}

void TakeDigit(char c, int low, int high, int& value) {
  if (c >= '0' + low && c <= '0' + high) value = c - '0';
}

// Line 2: every position is read only if the line reaches it.
void ReadFlags(const std::string& line, Settings& s) {
  auto at = [&line](size_t pos) { return pos <= line.size() ? line[pos - 1] : '\0'; };
  const size_t n = line.size();
  // Codes "a".."k" (10..20) name no language of this program: English stays.
  if (n >= 1) TakeDigit(at(1), 1, kLanguages - 1, s.Language);
  if (n >= 2 && at(2) >= '0' && at(2) <= '3') {
    s.SoundOn = at(2) == '1' || at(2) == '2';
    s.MusicOn = at(2) == '1' || at(2) == '3';
  }
  if (n >= 3 && at(3) == '0') s.GifAnimation = false;
  if (n >= 4 && at(4) == '0') s.FlyingCards = false;
  if (n >= 5 && at(5) == '2') s.ClubTableMode = 2;
  if (n >= 6 && at(6) == '1') s.NetworkGame = true;
  if (n >= 7 && at(7) == '0') s.OwnCursor = false;
  if (n >= 8) TakeDigit(at(8), 1, 6, s.Speed);
  if (n >= 9) TakeDigit(at(9), 1, 5, s.WindowSize);
  if (n >= 10) s.InstallReported = at(10) == 'R';
  if (n >= 11) s.StatsVoteSent = at(11) == 'L';
  if (n >= 12) s.RadioListServerFirst = at(12) == '0';
  if (n >= 13) TakeDigit(at(13), 1, 7, s.CaptionColour);
  if (n >= 14) s.NewButtons = at(14) == '1';
  if (n >= 15) s.DialogPicture = at(15) == '1';
  if (n >= 16) TakeDigit(at(16), 1, 3, s.DialogStyle);
  if (n >= 17) TakeDigit(at(17), 0, 1, s.MenuDesign);
  if (n >= 18) TakeDigit(at(18), 0, 1, s.TableDesign);
  if (n >= 19 && (at(19) == '0' || at(19) == '1')) s.ClickEffectButtons = at(19) == '1';
  if (n >= 20 && (at(20) == '0' || at(20) == '1')) s.ClickEffectCards = at(20) == '1';
}

// Region digit, "-", three-digit country number within the region's list.
bool ValidCountryCode(const std::string& code) {
  constexpr std::array<int, 7> kLastCountry = {-1, 48, 51, 35, 14, 23, 54};
  if (code.size() != 5 || code[1] != '-') return false;
  const int region = code[0] - '0';
  if (region < 1 || region > 6) return false;
  for (size_t i = 2; i < 5; ++i) {
    if (code[i] < '0' || code[i] > '9') return false;
  }
  const int country = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  return country <= kLastCountry[region];
}

// Applies lines 1..35 in the order of the file; returns the line that stopped the reading, or 0.
int ApplyLines(const std::vector<std::string>& lines, Settings& s) {
  auto line = [&lines](int n) -> const std::string& { return lines[n - 1]; };

  ReadFlags(line(2), s);
  TakeNumber(line(4), 0, 47, s.CardFaceSet);

  if (line(6).size() < 3) return 6;
  TakeNumber(line(6).substr(0, 2), 0, 12, s.DeckSet);
  s.DeckAlwaysOne = line(6)[2] == '1';

  s.ShowCardsAtEnd = line(8).empty() || line(8)[0] != '0';

  for (int role = 1; role <= kFontRoles; ++role) {
    if (line(9 + role).size() < 2) return 9 + role;
    s.FontName[role] = line(9 + role);
  }
  for (int role = 1; role <= kFontRoles; ++role) {
    if (line(13 + role).empty()) return 13 + role;
    TakeNumber(line(13 + role), 50, 150, s.FontScale[role]);
  }

  if (line(18).empty()) return 18;
  s.LanAddress = line(19);
  // The port and the player's name may be empty like the address above: an empty name is the
  // default, and stopping on it would drop the passport and addresses of every later line.
  // An empty text line keeps its default: the program's own checks would refuse it anyway.
  if (!line(20).empty()) s.LanPort = line(20);
  if (line(21).empty()) return 21;
  if (line(22).empty()) return 22;
  TakeNumber(line(22).substr(0, 2), 0, 10, s.Background);
  if (line(22).size() >= 3) TakeDigit(line(22)[2], 0, 6, s.BackgroundColour);
  if (line(23).empty()) return 23;
  s.PlayerName = line(24);

  // An address line that does not decipher keeps the built-in address.
  if (auto address = ReadStoredAddress(ServiceAddress::TopTen, line(26))) {
    s.TopTenAddress = std::move(*address);
  }
  if (!line(27).empty()) s.TopTenNick = line(27).substr(0, 12);

  if (line(28).size() != 5) return 28;
  if (ValidCountryCode(line(28))) s.TopTenCountry = line(28);

  if (!line(29).empty()) s.TopTenCity = line(29).substr(0, 15);
  s.TopTenSex = line(30).substr(0, 1);
  if (s.TopTenSex != "M" && s.TopTenSex != "W") s.TopTenSex = "M";

  if (auto address = ReadStoredAddress(ServiceAddress::Stats, line(31))) {
    s.StatsAddress = std::move(*address);
  }
  s.SaveGamesAsGif = line(33) == std::string(1, kGifOnMark);
  TakeNumber(line(34), 1, 2, s.GifCaptureArea);
  TakeNumber(line(35), 10, 5000, s.GifFrameDelay);
  return 0;
}

SettingsReadResult ReadCollected(const LineCollector& collector) {
  SettingsReadResult result;
  if (!collector.Full()) {
    result.end = SettingsReadEnd::TooFewLines;
    return result;
  }
  result.stop_line = ApplyLines(collector.Lines(), result.settings);
  result.end = result.stop_line ? SettingsReadEnd::Stopped : SettingsReadEnd::Complete;
  return result;
}

}  // namespace

std::filesystem::path SettingsFilePath(const std::filesystem::path& program_dir) {
  return program_dir / kSettingsFileName;
}

SettingsReadResult ReadSettingsText(std::string_view bytes) {
  LineCollector collector;
  collector.Feed(bytes);
  collector.Finish();
  return ReadCollected(collector);
}

SettingsReadResult ReadSettingsFile(const std::filesystem::path& file,
                                    const ConfigurationFetch& fetch_configuration) {
  std::ifstream in(file, std::ios::binary);
  if (!in) in.open(file, std::ios::binary);
  if (!in) return {};

  LineCollector collector;
  std::array<char, 4096> buffer;
  while (!collector.Full() && in) {
    in.read(buffer.data(), buffer.size());
    collector.Feed(std::string_view(buffer.data(), static_cast<size_t>(in.gcount())));
  }
  collector.Finish();
  SettingsReadResult result = ReadCollected(collector);
  if (result.end == SettingsReadEnd::Complete && fetch_configuration) {
    fetch_configuration(result.settings);
  }
  return result;
}

}  // namespace quorvex
