#include "report/field_rows.h"

#include <QRegularExpression>

#include "report/cell_text.h"

namespace vorbento {

namespace {

QString html_symbol(const QString& symbol) {
  const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
  if (bar < 0) return symbol.toHtmlEscaped();
  return symbol.left(bar).toHtmlEscaped() + QStringLiteral("<sub>") + symbol.mid(bar + 1).toHtmlEscaped() +
         QStringLiteral("</sub>");
}

// A cell that stays text: "1-2" or "0,25" typed into a field is no date or
// number of the spreadsheet's.
QString html_text(const QString& html) {
  return QStringLiteral("<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">") + html + QStringLiteral("</td>");
}

// A description with its symbols ("max. M_mmax lehet") written as the symbol column writes them.
QString html_description(const QString& description) {
  QString html = description.toHtmlEscaped();
  html.replace(symbol_subscript(), QStringLiteral("<sub>\\1</sub>"));
  return html;
}

// A spreadsheet reads a cell's text by its own locale: under a Hungarian one
// "5784.80000000" is no number and "0,25" is. So a number carries its value
// beside the text, in the form the spreadsheets read whatever their locale
// (LibreOffice: sdval with the en-US language in sdnum; Excel: x:num), and
// every other cell is marked as text, which keeps it exactly as shown.
QString html_value(const QString& text) {
  if (!is_number_text(text)) return html_text(text);
  // The text's own digits, exactly, with a point.
  const QString value = text.trimmed().replace(u',', u'.');
  // The decimals as shown where LibreOffice has such a format of its own.
  const qsizetype point = text.indexOf(QRegularExpression(QStringLiteral("[.,]")));
  const bool exponent = text.contains(u'e', Qt::CaseInsensitive);
  const qsizetype decimals = point < 0 || exponent ? -1 : text.trimmed().size() - point - 1;
  const QString format = exponent        ? QStringLiteral("General")
                         : point < 0     ? QStringLiteral("0")
                         : decimals == 2 ? QStringLiteral("0.00")
                                         : QStringLiteral("General");
  return QStringLiteral("<td sdval=\"%1\" sdnum=\"1033;0;%2\" x:num=\"%1\">%3</td>")
      .arg(value, format, text.toHtmlEscaped());
}

}  // namespace

QString rows_as_html(const std::vector<FieldRow>& rows) {
  QString html = QStringLiteral(
      "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head><meta charset=\"utf-8\"></head>"
      "<body><table border=\"1\">\n<tr>");
  for (const QString& title : field_row_titles())
    html += QStringLiteral("<th>") + title.toHtmlEscaped() + QStringLiteral("</th>");
  html += QStringLiteral("</tr>\n");
  for (const FieldRow& r : rows) {
    html += QStringLiteral("<tr>") + html_text(html_symbol(r.symbol)) + html_value(r.value) +
            html_text(r.unit.toHtmlEscaped()) + html_text(html_description(r.description)) +
            html_text(r.mark.toHtmlEscaped()) + QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table></body></html>\n");
}

}  // namespace vorbento
