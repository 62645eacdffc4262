#include "app/pdf_command.h"

#include <QDateTime>
#include <QGuiApplication>

#include <memory>
#include <vector>

#include "app/design_opening.h"
#include "calc/handlers.h"
#include "report/report.h"
#include "ui/document/document_dialogs.h"

namespace vorbento {

int run_pdf_command(int argc, char* argv[], const CommandLine& command) {
  // Every design is opened before anything is written: a refused one leaves
  // OUT.pdf untouched, and no platform is loaded for nothing.
  std::vector<std::unique_ptr<Calculator>> calculators;
  std::vector<CheckTexts> checks(static_cast<std::size_t>(command.files.size()), initial_check_texts());
  bool refused = false;
  for (const QString& file : command.files) {
    calculators.push_back(std::make_unique<Calculator>());
    if (!open_design(file, *calculators.back(), checks[calculators.size() - 1])) refused = true;
  }
  if (refused) return 1;

  // No display is needed for a PDF: Qt's offscreen platform, unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDateTime now = QDateTime::currentDateTime();
  QString message;  // why the PDF could not be written
  if (command.files.size() <= 1) {
    const Calculator start;
    const FieldStore& store = calculators.empty() ? start : *calculators.front();
    const CheckTexts start_checks = initial_check_texts();
    const CheckTexts& shown = calculators.empty() ? start_checks : checks.front();
    message = write_report_pdf(command.pdf, store,
                               {.document_name = document_name(command.files.value(0)), .printed = now, .checks = &shown});
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
