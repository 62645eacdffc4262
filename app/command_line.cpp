#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace vorbento {

namespace {

// The options QGuiApplication and QApplication take out of the command line
// themselves (see qt6options(7)). Known here, hidden from the help, so that
// `vorbento -platform offscreen FILE` reaches the window while an option
// nobody knows is refused before a display is looked for.
void accept_qt_options(QCommandLineParser& parser) {
  for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                           "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet",
                           "qmljsdebugger", "dialogs", "fontengine"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// Each option of the program is one block here.
void describe(QCommandLineParser& parser) {
  // Qt's options are written with one dash ("-platform"); ours have both forms.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral("Sizes the drive of one machine-tool feed axis."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("pdf"),
                    QStringLiteral("Writes the report of FILE (or of a new design) to OUT.pdf, without a window. "
                                   "With several FILEs: one PDF, a summary of the axes side by side first, "
                                   "then each design's report."),
                    QStringLiteral("OUT.pdf")});
  parser.addOption({QStringLiteral("results"),
                    QStringLiteral("Writes every field of each FILE (or of a new design) to stdout as "
                                   "tab-separated UTF-8 text, without a window or a display; after each "
                                   "design's 54 fields, the motor and screw check's inputs and figures.")});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the design (.vorbento) to open"),
                               QStringLiteral("[FILE...]"));
  accept_qt_options(parser);
}

[[noreturn]] void refuse(const QString& why, const QCommandLineParser& parser) {
  std::fputs(qPrintable(QStringLiteral("vorbento: ") + why + QStringLiteral("\n\n") + parser.helpText()), stderr);
  std::exit(1);
}

}  // namespace

CommandLine read_command_line(int argc, char* argv[]) {
  // A core application only: it needs no display, and is gone before the
  // window's or the report's application object is made.
  QCoreApplication application(argc, argv);
  QCommandLineParser parser;
  describe(parser);
  // Help, version, an unknown option or a missing value: said here, exit 0 or 1.
  parser.process(QCoreApplication::arguments());

  CommandLine command;
  command.files = parser.positionalArguments();
  const bool pdf = parser.isSet(QStringLiteral("pdf"));
  const bool results = parser.isSet(QStringLiteral("results"));
  if (pdf && results) refuse(QStringLiteral("--pdf and --results do not go together"), parser);
  if (pdf) {
    command.mode = CommandLine::Mode::pdf;
    command.pdf = parser.value(QStringLiteral("pdf"));
    if (command.pdf.isEmpty()) {
      std::fputs("vorbento: a --pdf után a PDF fájl neve kell: vorbento --pdf KIMENET.pdf [FÁJL...]\n", stderr);
      std::exit(1);
    }
  } else if (results) {
    command.mode = CommandLine::Mode::results;
  } else if (command.files.size() > 1) {
    refuse(QStringLiteral("the window opens one FILE at most"), parser);
  }
  return command;
}

}  // namespace vorbento
