#include "qt_environment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryFile>
#include <memory>

namespace quorvex::testing {

namespace {
QStringList g_log;

void KeepMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
  g_log.append(message);
}

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The headless screen is made large enough to offer every window size.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screen_file_.open()) {
      screen_file_.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1920,)"
                         R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      screen_file_.flush();
      qputenv("QT_QPA_PLATFORM",
              "offscreen:configfile=" + QFile::encodeName(screen_file_.fileName()));
    }
    qInstallMessageHandler(KeepMessage);
    app_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[20] = "quorvex_ui_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
  QTemporaryFile screen_file_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);
}  // namespace

QStringList TakeLog() {
  QStringList log;
  log.swap(g_log);
  return log;
}

}  // namespace quorvex::testing
