// The program: its objects are built and started, and the settings saved when it ends.
#include <QApplication>
#include <QStyleFactory>

#include "ui/table/program_start.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  quorvex::ProgramStart program;
  if (!program.Start()) return 1;
  const int code = app.exec();
  program.Finish();
  return code;
}
