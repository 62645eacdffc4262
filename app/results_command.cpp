#include "app/results_command.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <cstdio>

#include "app/design_opening.h"
#include "presentation/check/check_table.h"
#include "presentation/marks/mark_style.h"
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

// One line of the table: the file, the key, then the cells; the mark's words
// only where there are some, as the fields' lines have them.
void append_line(QByteArray& out, const QByteArray& lead, std::string_view key, QStringList cells,
                 const QString& words) {
  if (!words.isEmpty()) cells << words;
  for (QString& c : cells) c = tab_cell(c);
  out += lead;
  out.append(key.data(), static_cast<qsizetype>(key.size()));
  out += '\t' + cells.join(QLatin1Char('\t')).toUtf8() + '\n';
}

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// After the fields: the check's inputs as typed ("" when not given), then its
// figures, each with the words of the marks behind it.
void append_checks(QByteArray& out, const QString& file, const FieldStore& store, const CheckTexts& checks) {
  const QByteArray lead = tab_cell(file).toUtf8() + '\t';
  const CheckTable table = check_table(store, checks);
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const CheckInputInfo& i = info(check_input_at(n));
    append_line(out, lead, i.name, {utf8(i.symbol), utf8(checks[n]), utf8(i.unit), utf8(i.label)},
                problem_message(table.input_marks[n]));
  }
  for (const CheckLine& line : table.lines) {
    const CheckFigure* figure = std::get_if<CheckFigure>(&line.row->quantity);
    if (!figure) continue;
    const CheckFigureValue& v = table.figures[index(*figure)];
    const CheckFigureInfo& f = info(*figure);
    const QString value = v.state == CheckFigureValue::State::not_given ? QString() : utf8(v.text);
    append_line(out, lead, f.name, {line.symbol, value, line.unit, line.name}, line.words);
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
    if (refused) continue;
    append_design(out, file, calculator);
    append_checks(out, file, calculator, checks);
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
