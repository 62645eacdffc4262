// main() for the window tests: without a display of its own (ctest, CI) the
// test runs on Qt's offscreen platform, in the style the program itself uses.
#pragma once

#include <QApplication>
#include <QTest>

#include "ui/look/app_style.h"

#define VORBENTO_OFFSCREEN_TEST_MAIN(TestClass)                                                  \
  int main(int argc, char* argv[]) {                                                             \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);                                                                \
    vorbento::apply_application_style();                                                         \
    TestClass test;                                                                              \
    return QTest::qExec(&test, argc, argv);                                                      \
  }
