#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace vorbento {

namespace {

// Each option of the program is one block here.
void describe(QCommandLineParser& parser) {
  parser.setApplicationDescription(QStringLiteral("Sizes the drive of one machine-tool feed axis."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({QStringLiteral("pdf"),
                    QStringLiteral("Writes the report of FILE (or of a new design) to OUT.pdf, without a window."),
                    QStringLiteral("OUT.pdf")});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the design (.vorbento) to open"),
                               QStringLiteral("[FILE]"));
}

}  // namespace

bool answer_without_display(int argc, char* argv[]) {
  // Qt's own options (-platform, -style, ...) are unknown here; only --help,
  // --version and --pdf matter before the window's application exists.
  QCoreApplication application(argc, argv);
  QCommandLineParser parser;
  describe(parser);
  const bool parsed = parser.parse(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("help-all"))) parser.process(QCoreApplication::arguments());
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  // "--pdf" without its file: said here, where no display is needed yet.
  if (!parsed && parser.unknownOptionNames().isEmpty()) parser.process(QCoreApplication::arguments());
  return parser.isSet(QStringLiteral("pdf"));
}

CommandLine read_command_line(const QStringList& arguments) {
  QCommandLineParser parser;
  describe(parser);
  parser.process(arguments);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    fputs(qPrintable(QStringLiteral("vorbento: one FILE at most\n\n") + parser.helpText()), stderr);
    ::exit(1);
  }
  return {files.value(0), parser.value(QStringLiteral("pdf"))};
}

}  // namespace vorbento
