#include "app/results_command.h"

#include <QByteArray>
#include <QStringView>

#include <nlohmann/json.hpp>

#include <cstdio>

#include "app/design_opening.h"
#include "core/mark_word.h"
#include "core/number_text.h"
#include "presentation/files/design_file.h"
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

// The same rows for a script that reads JSON: the texts unchanged (no tab
// taken out), the number as the calculator reads the text, the mark both as
// a word that stays the same and in the words the table gives.
nlohmann::ordered_json design_json(const QString& file, const FieldStore& store) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldRow& row : field_rows(store)) {
    const std::string text = utf8(row.value);
    const Parsed<double> number = parse_double(text);
    const std::optional<std::string_view> mark = mark_word(store, row.field);
    fields.push_back(
        {{"key", std::string(name(row.field))},
         {"symbol", utf8(row.symbol)},
         {"text", text},
         {"number", number ? nlohmann::ordered_json(number.value) : nlohmann::ordered_json()},
         {"unit", utf8(row.unit)},
         {"description", utf8(row.description)},
         {"mark", mark ? nlohmann::ordered_json(std::string(*mark)) : nlohmann::ordered_json()},
         {"mark_words", text_or_null(row.mark)}});
  }
  return {{"file", utf8(file)}, {"fields", std::move(fields)}};
}

QByteArray table_header() {
  return QStringLiteral("Fájl\tMező\t").toUtf8() +
         QStringList(field_row_titles().begin(), field_row_titles().end())
             .join(QLatin1Char('\t'))
             .toUtf8() +
         '\n';
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
    if (!command.files.isEmpty() && !open_design(file, calculator)) {
      // Every refused file is named; none of the table is written.
      refused = true;
      continue;
    }
    make_edits(command, calculator);
    if (refused) continue;
    if (command.json)
      designs.push_back(design_json(file, calculator));
    else
      append_design(out, file, calculator);
  }
  if (refused) return 1;
  // Texts are UTF-8 already (a design's are checked when it is read); nothing is replaced in
  // practice.
  if (command.json)
    out = QByteArray::fromStdString(
        designs.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + '\n');
  if (std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout) !=
          static_cast<std::size_t>(out.size()) ||
      std::fflush(stdout) != 0) {
    say(QStringLiteral("a kimenet nem írható"));
    return 1;
  }
  return 0;
}

}  // namespace vorbento
