// Turns the text table of the ten languages (assets/texts/texts.tsv) into C++: a header with
// one identifier per table (enum class Tx) and a source with the strings. Runs at build time;
// any fault in the table stops the build with the file and line, so a broken row never reaches
// the program.
//
//   quorvex_textgen <texts.tsv> <text_ids.h> <text_tables.cpp>
//
// The header is rewritten only when the identifiers change, so that adding or editing a text
// recompiles the strings alone.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 10;

struct Table {
  std::string name;
  int first_row = 0;
  int rows = 0;
};

struct Parsed {
  std::vector<Table> tables;
  std::vector<std::string> entries;  // row * 10 + language
};

[[noreturn]] void Fail(const std::string& file, int line, const std::string& message) {
  std::cerr << file << ':' << line << ": error: " << message << '\n';
  std::exit(1);
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  for (char c : line) {
    if (c == '\t') {
      cells.push_back(cell);
      cell.clear();
    } else {
      cell += c;
    }
  }
  cells.push_back(cell);
  return cells;
}

bool IsIdentifier(const std::string& s) {
  if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  return s != "Count_";
}

// Well-formed UTF-8 without overlong forms or surrogates.
bool IsUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, cp = b & 0x07;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

// Resolves \n, \r, \t, \s (a space) and \\; any other backslash is a fault.
bool Unescape(const std::string& in, std::string& out) {
  out.clear();
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\\') {
      out += in[i];
      continue;
    }
    if (++i == in.size()) return false;
    switch (in[i]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 's':
        out += ' ';
        break;
      case '\\':
        out += '\\';
        break;
      default:
        return false;
    }
  }
  return true;
}

// "Name.3" -> ("Name", 3); "Name" -> ("Name", -1).
bool SplitRow(const std::string& id, std::string& name, int& row) {
  const size_t dot = id.find('.');
  if (dot == std::string::npos) {
    name = id;
    row = -1;
    return true;
  }
  name = id.substr(0, dot);
  const std::string digits = id.substr(dot + 1);
  if (digits.empty() || digits.size() > 4) return false;
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  row = std::stoi(digits);
  return true;
}

Parsed Parse(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail(file, 0, "cannot open the text table");
  Parsed parsed;
  std::map<std::string, int> seen;
  std::string line;
  int line_no = 0;
  while (std::getline(in, line)) {
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line_no == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.empty() || line[0] == '#') continue;
    if (!IsUtf8(line)) Fail(file, line_no, "not UTF-8");
    const std::vector<std::string> cells = SplitTabs(line);
    if (cells.size() != kLanguages + 1)
      Fail(file, line_no,
           "expected an identifier and 10 texts, found " + std::to_string(cells.size()) +
               " columns");
    std::string name;
    int row = 0;
    if (!SplitRow(cells[0], name, row) || !IsIdentifier(name))
      Fail(file, line_no, "bad identifier \"" + cells[0] + "\"");
    if (row <= 0) {
      if (seen.count(name)) Fail(file, line_no, "identifier " + name + " used twice");
      seen[name] = line_no;
      parsed.tables.push_back({name, static_cast<int>(parsed.entries.size() / kLanguages), 1});
    } else {
      // Rows of a table stand together and in order, so that row r is entry r * 10 + language.
      if (parsed.tables.empty() || parsed.tables.back().name != name ||
          parsed.tables.back().rows != row)
        Fail(file, line_no,
             "row " + std::to_string(row) + " of " + name + " must follow row " +
                 std::to_string(row - 1));
      ++parsed.tables.back().rows;
    }
    for (int lang = 0; lang < kLanguages; ++lang) {
      const std::string& cell = cells[lang + 1];
      // A bare space at either end is most likely a stray one; a meant one is written \s.
      if (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '))
        Fail(file, line_no,
             "space at an end of column " + std::to_string(lang + 2) + "; write it as \\s");
      std::string text;
      if (!Unescape(cell, text))
        Fail(file, line_no, "bad escape in column " + std::to_string(lang + 2));
      if (text.empty()) Fail(file, line_no, "empty text in column " + std::to_string(lang + 2));
      parsed.entries.push_back(text);
    }
  }
  if (parsed.tables.empty()) Fail(file, line_no, "no texts");
  return parsed;
}

// A C++ string literal; bytes outside printable ASCII as three-digit octal escapes, which
// never run into the next character.
std::string Literal(const std::string& s) {
  std::string out = "\"";
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20 || c >= 0x7F || c == '?') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

std::string Header(const Parsed& parsed) {
  std::ostringstream h;
  h << "// Generated from assets/texts/texts.tsv by quorvex_textgen at build time; edit that "
       "file instead.\n"
       "#pragma once\n\n"
       "#include <cstdint>\n\n"
       "namespace quorvex {\n\n"
       "// One identifier per text table.\n"
       "enum class Tx : uint16_t {\n";
  for (const Table& t : parsed.tables) h << "  " << t.name << ",\n";
  h << "  Count_\n};\n\n}  // namespace quorvex\n";
  return h.str();
}

std::string Source(const Parsed& parsed) {
  std::ostringstream s;
  s << "// Generated from assets/texts/texts.tsv by quorvex_textgen at build time; edit that "
       "file instead.\n"
       "#include \"locale/text_tables.h\"\n\n"
       "namespace quorvex::text_data {\n\n"
       "const int kRowCount = "
    << parsed.entries.size() / kLanguages
    << ";\n\n"
       "const char* const kEntries[] = {\n";
  for (size_t i = 0; i < parsed.entries.size(); ++i) {
    s << "    " << Literal(parsed.entries[i]) << ",";
    if (i % kLanguages == 0) s << "  // row " << i / kLanguages;
    s << "\n";
  }
  s << "};\n\nconst TableSpan kTables[] = {\n";
  for (const Table& t : parsed.tables)
    s << "    {" << t.first_row << ", " << t.rows << ", " << Literal(t.name) << "},\n";
  s << "};\n\n}  // namespace quorvex::text_data\n";
  return s.str();
}

std::string ReadAll(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void Write(const std::string& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) Fail(file, 0, "cannot write");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: quorvex_textgen <texts.tsv> <text_ids.h> <text_tables.cpp>\n";
    return 2;
  }
  const Parsed parsed = Parse(argv[1]);
  const std::string header = Header(parsed);
  if (ReadAll(argv[2]) != header) Write(argv[2], header);
  Write(argv[3], Source(parsed));
  return 0;
}
