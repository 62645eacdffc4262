// main() for the window tests: without a display of its own (ctest, CI) the
// test runs on Qt's offscreen platform, in the style the program itself uses.
#pragma once

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#define VORBENTO_OFFSCREEN_TEST_MAIN(TestClass)                                            \
  int main(int argc, char* argv[]) {                                                       \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);                                                          \
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style); \
    TestClass test;                                                                        \
    return QTest::qExec(&test, argc, argv);                                                \
  }
