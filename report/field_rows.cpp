#include "report/field_rows.h"

#include <QStringList>

#include "presentation/marks/mark_words.h"
#include "presentation/placement/field_wording.h"
#include "presentation/placement/layout_table.h"

namespace vorbento {

namespace {

// A text pasted into a field may hold a tab; in a cell it would start a new column.
QString cell(QString text) {
  text.replace(QLatin1Char('\t'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

QString html_symbol(const QString& symbol) {
  const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
  if (bar < 0) return symbol.toHtmlEscaped();
  return symbol.left(bar).toHtmlEscaped() + QStringLiteral("<sub>") + symbol.mid(bar + 1).toHtmlEscaped() +
         QStringLiteral("</sub>");
}

}  // namespace

FieldRow field_row(const FieldStore& store, Field f) {
  const std::string& text = store.text(f);
  return {f,
          QString::fromUtf8(placement(f).symbol),
          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
          QString::fromUtf8(wording(f).unit),
          QString::fromUtf8(wording(f).description),
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
    QStringList cells{cell(r.symbol), cell(r.value), cell(r.unit), cell(r.description)};
    if (!r.mark.isEmpty()) cells << cell(r.mark);
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString rows_as_html(const std::vector<FieldRow>& rows) {
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body><table border=\"1\">\n<tr>");
  for (const QString& title : field_row_titles()) html += QStringLiteral("<th>") + title.toHtmlEscaped() + QStringLiteral("</th>");
  html += QStringLiteral("</tr>\n");
  for (const FieldRow& r : rows) {
    html += QStringLiteral("<tr><td>") + html_symbol(r.symbol) + QStringLiteral("</td><td>") + r.value.toHtmlEscaped() +
            QStringLiteral("</td><td>") + r.unit.toHtmlEscaped() + QStringLiteral("</td><td>") +
            r.description.toHtmlEscaped() + QStringLiteral("</td><td>") + r.mark.toHtmlEscaped() +
            QStringLiteral("</td></tr>\n");
  }
  return html + QStringLiteral("</table></body></html>\n");
}

}  // namespace vorbento
