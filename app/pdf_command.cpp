#include "app/pdf_command.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include <memory>
#include <vector>

#include "app/design_opening.h"
#include "calc/handlers.h"
#include "presentation/files/design_file.h"
#include "presentation/files/pdf_target.h"
#include "report/report.h"

namespace vorbento {

namespace {

bool same_file(const QString& a, const QString& b) {
  const QFileInfo x(a), y(b);
  if (x.absoluteFilePath() == y.absoluteFilePath()) return true;
  return x.exists() && y.exists() && x.canonicalFilePath() == y.canonicalFilePath();
}

// Why OUT must stay as it is: a forgotten OUT makes the first design the
// place the report would go.
QString out_refusal(const CommandLine& command) {
  for (const QString& file : command.files)
    if (same_file(command.pdf, file))
      return QStringLiteral("„%1” a megnyitandó tervek között is szerepel: a PDF nem írhat rá.").arg(file);
  return pdf_overwrite_refusal(command.pdf);
}

// Qt's own notes ("QStandardPaths: XDG_RUNTIME_DIR not set ...") are English
// and for developers; a script reads the program's Hungarian messages only.
// QT_LOGGING_RULES, set by one who looks for them, brings them back.
void quiet_qt_notes() {
  if (qEnvironmentVariableIsSet("QT_LOGGING_RULES")) return;
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) say(text);
  });
}

}  // namespace

int run_pdf_command(int argc, char* argv[], const CommandLine& command) {
  if (const QString why = out_refusal(command); !why.isEmpty()) {
    say(QStringLiteral("A PDF nem írható. ") + why);
    return 1;
  }
  // Every design is opened before anything is written: a refused one leaves
  // OUT.pdf untouched, and no platform is loaded for nothing.
  std::vector<std::unique_ptr<Calculator>> calculators;
  std::vector<CheckTexts> checks(static_cast<std::size_t>(command.files.size()), initial_check_texts());
  bool refused = false;
  for (const QString& file : command.files) {
    calculators.push_back(std::make_unique<Calculator>());
    if (!open_design(file, *calculators.back(), checks[calculators.size() - 1])) refused = true;
    make_edits(command, *calculators.back());
  }
  if (refused) return 1;

  // No display is needed for a PDF: Qt's offscreen platform, unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  quiet_qt_notes();
  QGuiApplication app(argc, argv);
  const QDateTime now = QDateTime::currentDateTime();
  QString message;  // why the PDF could not be written
  if (command.files.size() <= 1) {
    Calculator start;
    make_edits(command, start);
    const FieldStore& store = calculators.empty() ? start : *calculators.front();
    const CheckTexts start_checks = initial_check_texts();
    const CheckTexts& shown = calculators.empty() ? start_checks : checks.front();
    message = write_report_pdf(
        command.pdf, store, {.document_name = document_name(command.files.value(0)), .printed = now, .checks = &shown});
  } else {
    std::vector<ReportedDesign> designs;
    for (std::size_t k = 0; k < calculators.size(); ++k)
      designs.push_back({document_name(command.files[static_cast<qsizetype>(k)]), calculators[k].get(), &checks[k]});
    message = write_reports_pdf(command.pdf, designs, now);
  }
  if (!message.isEmpty()) {
    say(QStringLiteral("A PDF nem írható. ") + message);
    return 1;
  }
  return 0;
}

}  // namespace vorbento
