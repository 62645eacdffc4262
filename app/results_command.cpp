#include "app/results_command.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <nlohmann/json.hpp>

#include <cstdio>

#include "app/design_opening.h"
#include "core/mark_word.h"
#include "core/number_text.h"
#include "presentation/check/check_table.h"
#include "presentation/files/design_file.h"
#include "presentation/marks/mark_style.h"
#include "presentation/table/field_rows.h"

namespace vorbento {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

nlohmann::ordered_json text_or_null(const QString& text) {
  return text.isEmpty() ? nlohmann::ordered_json() : nlohmann::ordered_json(utf8(text));
}

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

QByteArray table_header() {
  return QStringLiteral("Fájl\tMező\t").toUtf8() +
         QStringList(field_row_titles().begin(), field_row_titles().end()).join(QLatin1Char('\t')).toUtf8() + '\n';
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

QString qt_text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A row of the check after a design's fields: an input as typed ("" when not
// given) or a figure, with the words of the marks behind it.
struct CheckResultRow {
  std::string_view key;
  QString symbol, text, unit, description, words;
  std::optional<double> number;
  std::optional<std::string_view> mark;  // the word that stays the same
};

std::vector<CheckResultRow> check_result_rows(const FieldStore& store, const CheckTexts& checks) {
  std::vector<CheckResultRow> rows;
  const CheckTable table = check_table(store, checks);
  for (std::size_t n = 0; n < kCheckInputCount; ++n) {
    const CheckInputInfo& i = info(check_input_at(n));
    const Problem p = table.input_marks[n];
    const Parsed<double> number = parse_double(checks[n]);
    rows.push_back({i.name, qt_text(i.symbol), qt_text(checks[n]), qt_text(i.unit), qt_text(i.label),
                    problem_message(p), number ? std::optional<double>(number.value) : std::nullopt,
                    p == Problem::none ? std::nullopt : std::optional<std::string_view>(describe(p))});
  }
  for (const CheckLine& line : table.lines) {
    const CheckFigure* figure = std::get_if<CheckFigure>(&line.row->quantity);
    if (!figure) continue;
    const CheckFigureValue& v = table.figures[index(*figure)];
    const QString value = v.state == CheckFigureValue::State::not_given ? QString() : qt_text(v.text);
    rows.push_back({info(*figure).name, line.symbol, value, line.unit, line.name, line.words, line.number,
                    line.marked() ? std::optional<std::string_view>("stale") : std::nullopt});
  }
  return rows;
}

void append_checks(QByteArray& out, const QString& file, const FieldStore& store, const CheckTexts& checks) {
  const QByteArray lead = tab_cell(file).toUtf8() + '\t';
  for (const CheckResultRow& r : check_result_rows(store, checks))
    append_line(out, lead, r.key, {r.symbol, r.text, r.unit, r.description}, r.words);
}

// The same rows for a script that reads JSON: the texts unchanged (no tab
// taken out), the number as the calculator reads the text, the mark both as
// a word that stays the same and in the words the table gives.
nlohmann::ordered_json design_json(const QString& file, const FieldStore& store, const CheckTexts& checks) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldRow& row : field_rows(store)) {
    const std::string text = utf8(row.value);
    const Parsed<double> number = parse_double(text);
    const std::optional<std::string_view> mark = mark_word(store, row.field);
    fields.push_back({{"key", std::string(name(row.field))},
                      {"symbol", utf8(row.symbol)},
                      {"text", text},
                      {"number", number ? nlohmann::ordered_json(number.value) : nlohmann::ordered_json()},
                      {"unit", utf8(row.unit)},
                      {"description", utf8(row.description)},
                      {"mark", mark ? nlohmann::ordered_json(std::string(*mark)) : nlohmann::ordered_json()},
                      {"mark_words", text_or_null(row.mark)}});
  }
  for (const CheckResultRow& r : check_result_rows(store, checks)) {
    fields.push_back({{"key", std::string(r.key)},
                      {"symbol", utf8(r.symbol)},
                      {"text", utf8(r.text)},
                      {"number", r.number ? nlohmann::ordered_json(*r.number) : nlohmann::ordered_json()},
                      {"unit", utf8(r.unit)},
                      {"description", utf8(r.description)},
                      {"mark", r.mark ? nlohmann::ordered_json(std::string(*r.mark)) : nlohmann::ordered_json()},
                      {"mark_words", text_or_null(r.words)}});
  }
  return {{"file", utf8(file)}, {"fields", std::move(fields)}};
}

}  // namespace

int run_results_command(const CommandLine& command) {
  const QStringList files = command.files.isEmpty() ? QStringList{kUntitled} : command.files;
  QByteArray out = command.json ? QByteArray() : table_header();
  nlohmann::ordered_json designs = nlohmann::ordered_json::array();
  if (!command.json) out.reserve(static_cast<qsizetype>(files.size()) * 6000);
  bool refused = false;
  for (const QString& file : files) {
    Calculator calculator;
    CheckTexts checks = initial_check_texts();
    if (!command.files.isEmpty() && !open_design(file, calculator, checks)) {
      // Every refused file is named; none of the table is written.
      refused = true;
      continue;
    }
    make_edits(command, calculator);
    if (refused) continue;
    if (command.json) {
      designs.push_back(design_json(file, calculator, checks));
    } else {
      append_design(out, file, calculator);
      append_checks(out, file, calculator, checks);
    }
  }
  if (refused) return 1;
  // Texts are UTF-8 already (a design's are checked when it is read); nothing is replaced in
  // practice.
  if (command.json)
    out =
        QByteArray::fromStdString(designs.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n');
  if (std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout) !=
          static_cast<std::size_t>(out.size()) ||
      std::fflush(stdout) != 0) {
    say(QStringLiteral("a kimenet nem írható"));
    return 1;
  }
  return 0;
}

}  // namespace vorbento
