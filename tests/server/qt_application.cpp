// One application object for the tests of this program: the game's windows need it, and the
// server's process is watched through its event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class Application : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[24] = "quorvex_server_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new Application);

}  // namespace
