#include "presentation/table/field_rows.h"

#include <QStringList>

#include "presentation/marks/mark_words.h"
#include "presentation/placement/field_record.h"
#include "presentation/placement/layout_table.h"

namespace vorbento {

QString tab_cell(QString text) {
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

FieldRow field_row(const FieldStore& store, Field f) {
  const std::string& text = store.text(f);
  return {f,
          QString::fromUtf8(field_record(f).symbol),
          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
          QString::fromUtf8(field_record(f).unit),
          QString::fromUtf8(field_record(f).description),
          mark_words(store, f)};
}

std::vector<FieldRow> field_rows(const FieldStore& store) {
  std::vector<FieldRow> rows;
  rows.reserve(kFieldCount);
  for (std::size_t n = 0; n < kFieldCount; ++n) rows.push_back(field_row(store, field_at(n)));
  return rows;
}

const std::vector<QString>& field_row_titles() {
  static const std::vector<QString> titles{QStringLiteral("Jel"), QStringLiteral("Érték"),
                                           QStringLiteral("Mértékegység"), QStringLiteral("Leírás"),
                                           QStringLiteral("Megjegyzés")};
  return titles;
}

QString rows_as_tab_separated(const std::vector<FieldRow>& rows) {
  QStringList lines;
  lines << QStringList(field_row_titles().begin(), field_row_titles().end()).join(QLatin1Char('\t'));
  for (const FieldRow& r : rows) {
    QStringList cells{tab_cell(r.symbol), tab_cell(r.value), tab_cell(r.unit), tab_cell(r.description)};
    if (!r.mark.isEmpty()) cells << tab_cell(r.mark);
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace vorbento
