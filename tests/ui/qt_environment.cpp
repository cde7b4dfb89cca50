#include "qt_environment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
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
