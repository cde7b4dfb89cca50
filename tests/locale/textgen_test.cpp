// The build's text table compiler: what it makes of a table, and that a faulty table stops the
// build with the line at fault.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct GenResult {
  int exit_code = -1;
  std::string header;
  std::string source;
  std::string errors;
};

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

class TextgenTest : public ::testing::Test {
 protected:
  TextgenTest()
      : dir_(fs::temp_directory_path() / ("quorvex_textgen_" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
  }
  ~TextgenTest() override { fs::remove_all(dir_); }

  GenResult Generate(const std::string& table) {
    std::ofstream(dir_ / "texts.tsv", std::ios::binary) << table;
    const std::string command =
        std::string("\"") + QUORVEX_BIN_DIR + "/quorvex_textgen\" \"" +
        (dir_ / "texts.tsv").string() + "\" \"" + (dir_ / "ids.h").string() + "\" \"" +
        (dir_ / "tables.cpp").string() + "\" 2>\"" + (dir_ / "errors.txt").string() + "\"";
    GenResult run;
    const int status = std::system(command.c_str());
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.header = ReadAll(dir_ / "ids.h");
    run.source = ReadAll(dir_ / "tables.cpp");
    run.errors = ReadAll(dir_ / "errors.txt");
    return run;
  }

  fs::path dir_;
};

std::string Row(const std::string& id, const std::string& text) {
  std::string line = id;
  for (int language = 0; language < 10; ++language) line += "\t" + text + std::to_string(language);
  return line + "\n";
}

TEST_F(TextgenTest, MakesIdentifiersRowsAndEscapedStrings) {
  const GenResult run =
      Generate("# a comment\n\n" + Row("Single", "\\sa\\n\\rb\"") + Row("Multi", "m") +
               Row("Multi.1", "n") + Row("Multi.2", "\xC3\xA9") + Row("Last", "z"));
  ASSERT_EQ(run.exit_code, 0) << run.errors;
  EXPECT_NE(run.header.find("  Single,\n  Multi,\n  Last,\n  Count_"), std::string::npos)
      << run.header;
  // Multi starts at row 1 and has three rows; Last follows at row 4.
  EXPECT_NE(run.source.find("{1, 3, \"Multi\"}"), std::string::npos) << run.source;
  EXPECT_NE(run.source.find("{4, 1, \"Last\"}"), std::string::npos) << run.source;
  EXPECT_NE(run.source.find("\" a\\012\\015b\\\"0\""), std::string::npos) << run.source;
  EXPECT_NE(run.source.find("\"\\303\\2519\""), std::string::npos) << run.source;
  EXPECT_NE(run.source.find("kRowCount = 5;"), std::string::npos);
}

TEST_F(TextgenTest, AFaultyTableStopsWithItsLine) {
  struct Case {
    const char* what;
    std::string table;
    const char* error;
  };
  const Case cases[] = {
      {"empty text", Row("A", "x") + "B\t1\t2\t3\t4\t\t6\t7\t8\t9\t10\n",
       "texts.tsv:2: error: empty"},
      {"too few columns", "A\t1\t2\n", "texts.tsv:1: error: expected"},
      {"repeated identifier", Row("A", "x") + Row("A", "y"), "texts.tsv:2: error: identifier A"},
      {"row out of order", Row("A", "x") + Row("A.2", "y"), "texts.tsv:2: error: row 2 of A"},
      {"row away from its table", Row("A", "x") + Row("B", "y") + Row("A.1", "z"),
       "texts.tsv:3: error: row 1 of A"},
      {"bad identifier", Row("9A", "x"), "texts.tsv:1: error: bad identifier"},
      {"unknown escape", Row("A", "\\q"), "texts.tsv:1: error: bad escape"},
      {"bare space at an end", Row("A", " x"), "texts.tsv:1: error: space at an end"},
      {"not UTF-8", Row("A", "\xC3"), "texts.tsv:1: error: not UTF-8"},
      {"no texts", "# nothing\n", "error: no texts"},
  };
  for (const Case& c : cases) {
    const GenResult run = Generate(c.table);
    EXPECT_NE(run.exit_code, 0) << c.what;
    EXPECT_NE(run.errors.find(c.error), std::string::npos) << c.what << ": " << run.errors;
  }
}

TEST_F(TextgenTest, LeavesAnUnchangedHeaderUntouched) {
  ASSERT_EQ(Generate(Row("A", "x")).exit_code, 0);
  const auto stamp = fs::last_write_time(dir_ / "ids.h");
  fs::last_write_time(dir_ / "ids.h", stamp - std::chrono::hours(1));
  ASSERT_EQ(Generate(Row("A", "changed")).exit_code, 0);
  EXPECT_EQ(fs::last_write_time(dir_ / "ids.h"), stamp - std::chrono::hours(1));
  ASSERT_EQ(Generate(Row("A", "x") + Row("B", "y")).exit_code, 0);
  EXPECT_NE(fs::last_write_time(dir_ / "ids.h"), stamp - std::chrono::hours(1));
}

}  // namespace
