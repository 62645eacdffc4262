#include "app/pdf_command.h"

#include <QDateTime>
#include <QGuiApplication>

#include <cstdio>

#include "app/command_line.h"
#include "calc/handlers.h"
#include "document/document_file.h"
#include "report/report.h"
#include "ui/document/document_dialogs.h"

namespace vorbento {

namespace {

void say(const QString& message) { std::fprintf(stderr, "vorbento: %s\n", message.toLocal8Bit().constData()); }

}  // namespace

int run_pdf_command(int argc, char* argv[]) {
  // No display is needed for a PDF: Qt's offscreen platform, unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const CommandLine command = read_command_line(QGuiApplication::arguments());
  if (command.pdf.isEmpty()) {
    say(QStringLiteral("a --pdf után a PDF fájl neve kell: vorbento --pdf KIMENET.pdf [FÁJL]"));
    return 1;
  }

  Calculator calculator;
  if (!command.file.isEmpty()) {
    const DocumentRead read = read_design(command.file);
    if (!read.inputs) {
      say(QString::fromStdString(read.error));
      return 1;
    }
    calculator.load(*read.inputs);
  }
  const QString message = write_report_pdf(command.pdf, calculator, {document_name(command.file), QDateTime::currentDateTime()});
  if (!message.isEmpty()) {
    say(message);
    return 1;
  }
  return 0;
}

}  // namespace vorbento
