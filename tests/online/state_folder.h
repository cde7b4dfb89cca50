// A fresh folder of its own for each test of the files the program keeps beside its folder, with
// a file put in or read back byte for byte.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvex::testing {

class StateFolderTest : public ::testing::Test {
 protected:
  explicit StateFolderTest(const char* prefix) {
    dir = std::filesystem::temp_directory_path() /
          (prefix + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  ~StateFolderTest() override { std::filesystem::remove_all(dir); }

  void Put(const char* name, const std::string& bytes) const {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Get(const char* name) const {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path dir;
};

}  // namespace quorvex::testing
