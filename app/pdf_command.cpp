#include "app/pdf_command.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "calc/handlers.h"
#include "document/document_file.h"
#include "report/report.h"

namespace vorbento {

namespace {

void say(const QString& message) { std::fprintf(stderr, "vorbento: %s\n", message.toLocal8Bit().constData()); }

}  // namespace

bool wants_pdf(int argc, char* argv[]) {
  for (int k = 1; k < argc; ++k)
    if (std::strcmp(argv[k], "--pdf") == 0) return true;
  return false;
}

int run_pdf_command(int argc, char* argv[]) {
  // No display is needed for a PDF: Qt's offscreen platform, unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("Vorbento"));

  QString out;
  std::vector<QString> files;
  const QStringList args = QGuiApplication::arguments();
  for (qsizetype k = 1; k < args.size(); ++k) {
    if (args[k] == QLatin1String("--pdf") && out.isEmpty() && k + 1 < args.size()) {
      out = args[++k];
    } else {
      files.push_back(args[k]);
    }
  }
  if (out.isEmpty() || files.size() > 1) {
    say(QStringLiteral("használat: vorbento --pdf KIMENET.pdf [FÁJL]"));
    return 2;
  }

  Calculator calculator;
  QString name = QStringLiteral("Névtelen");
  if (!files.empty()) {
    const DocumentRead read = read_document_file(std::filesystem::path(QFile::encodeName(files.front()).toStdString()));
    if (!read.inputs) {
      say(QString::fromStdString(read.error));
      return 1;
    }
    calculator.load(*read.inputs);
    name = QFileInfo(files.front()).fileName();
  }
  const QString message = write_report_pdf(out, calculator, {name, QDateTime::currentDateTime()});
  if (!message.isEmpty()) {
    say(message);
    return 1;
  }
  return 0;
}

}  // namespace vorbento
