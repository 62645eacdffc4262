#include "app/results_command.h"

#include <QByteArray>
#include <QStringView>

#include <cstdio>

#include "app/design_opening.h"
#include "report/field_rows.h"
#include "ui/document/document_dialogs.h"

namespace vorbento {

namespace {

// The copied table of one design, its header line left out, each row led by
// the file and the field's name.
void append_design(QByteArray& out, const QString& file, const FieldStore& store) {
  const QString table = rows_as_tab_separated(field_rows(store));
  const QByteArray lead = tab_cell(file).toUtf8() + '\t';
  qsizetype start = table.indexOf(QLatin1Char('\n')) + 1;
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const qsizetype end = table.indexOf(QLatin1Char('\n'), start);
    out += lead;
    const std::string_view field = name(field_at(n));
    out.append(field.data(), static_cast<qsizetype>(field.size()));
    out += '\t';
    out += QStringView(table).sliced(start, end + 1 - start).toUtf8();
    start = end + 1;
  }
}

}  // namespace

int run_results_command(const CommandLine& command) {
  const QStringList files = command.files.isEmpty() ? QStringList{kUntitled} : command.files;
  QByteArray out = QStringLiteral("Fájl\tMező\t").toUtf8();
  out += QStringList(field_row_titles().begin(), field_row_titles().end()).join(QLatin1Char('\t')).toUtf8() + '\n';
  out.reserve(static_cast<qsizetype>(files.size()) * 6000);
  bool refused = false;
  for (const QString& file : files) {
    Calculator calculator;
    CheckTexts checks = initial_check_texts();
    if (!command.files.isEmpty() && !open_design(file, calculator, checks)) {
      // Every refused file is named; none of the table is written.
      refused = true;
      continue;
    }
    if (!refused) append_design(out, file, calculator);
  }
  if (refused) return 1;
  if (std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout) != static_cast<std::size_t>(out.size()) ||
      std::fflush(stdout) != 0) {
    say(QStringLiteral("a kimenet nem írható"));
    return 1;
  }
  return 0;
}

}  // namespace vorbento
