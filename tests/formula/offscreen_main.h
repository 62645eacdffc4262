// Test entry point: runs one Qt Test class, without a display unless the
// environment asks for a particular platform.
#pragma once

#include <QApplication>
#include <QTest>

namespace vorbento::test {

template <typename TestClass>
int run_offscreen(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TestClass test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace vorbento::test
