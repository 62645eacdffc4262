#include "presentation/check/check_table.h"

#include <QStringList>

#include "core/number_text.h"

#include "presentation/marks/mark_style.h"
#include "presentation/marks/mark_words.h"
#include "presentation/placement/field_record.h"

namespace vorbento {

namespace {

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Gathers the words of the marked quantities a line reads, each named once.
struct Marks {
  QStringList words;
  QStringList named;
  bool hard = false;  // some text is wrong, not merely lagging
  void add(const QString& symbol, const QString& said, bool problem) {
    if (said.isEmpty() || named.contains(symbol)) return;
    named << symbol;
    words << symbol + QStringLiteral(": ") + said;
    hard = hard || problem;
  }
};

class Builder {
 public:
  Builder(const FieldStore& store, const CheckTexts& checks) : store_(store), checks_(checks) {
    table_.figures = check_figures(store, checks);
    for (std::size_t n = 0; n < kCheckInputCount; ++n)
      table_.input_marks[n] = judge_check_input(check_input_at(n), checks[n]);
  }

  CheckTable take() {
    for (const CheckRow& row : check_rows()) table_.lines.push_back(line(row));
    return std::move(table_);
  }

 private:
  void mark(Marks& m, Field f) const {
    m.add(utf8(field_record(f).symbol), mark_words(store_, f), store_.mark(f) != Problem::none);
  }
  void mark(Marks& m, CheckInput c) const {
    m.add(check_input_title(c), problem_message(table_.input_marks[index(c)]), true);
  }
  void mark(Marks& m, const CheckQuantity& q) const {
    if (const Field* f = std::get_if<Field>(&q)) return mark(m, *f);
    if (const CheckInput* c = std::get_if<CheckInput>(&q)) return mark(m, *c);
    const CheckFigureInfo& fig = info(std::get<CheckFigure>(q));
    for (Field f : fig.fields) mark(m, f);
    for (const auto& c : fig.inputs)
      if (c) mark(m, *c);
  }

  QString symbol(const CheckQuantity& q) const {
    if (const Field* f = std::get_if<Field>(&q)) return utf8(field_record(*f).symbol);
    if (const CheckInput* c = std::get_if<CheckInput>(&q)) return check_input_title(*c);
    return utf8(info(std::get<CheckFigure>(q)).symbol);
  }
  QString unit(const CheckQuantity& q) const {
    if (const Field* f = std::get_if<Field>(&q)) return utf8(check_unit(*f));
    if (const CheckInput* c = std::get_if<CheckInput>(&q)) return utf8(info(*c).unit);
    return utf8(info(std::get<CheckFigure>(q)).unit);
  }
  QString value(const CheckQuantity& q, std::optional<double>* number = nullptr) const {
    if (const Field* f = std::get_if<Field>(&q)) {
      const std::string& text = store_.text(*f);
      if (number)
        if (const Parsed<double> p = parse_double(text)) *number = p.value;
      return utf8(text);
    }
    if (const CheckInput* c = std::get_if<CheckInput>(&q)) {
      const std::string& text = checks_[index(*c)];
      if (text.empty()) return utf8(kNotGiven);
      if (number && table_.input_marks[index(*c)] == Problem::none) *number = parse_double(text).value;
      return check_input_shown(*c, text);
    }
    const CheckFigureValue& v = table_.figures[index(std::get<CheckFigure>(q))];
    if (number && v.ok()) *number = v.value;
    return utf8(v.text);
  }

  CheckLine line(const CheckRow& row) const {
    CheckLine l;
    l.row = &row;
    const CheckFigure* fig = std::get_if<CheckFigure>(&row.quantity);
    l.name = fig ? utf8(info(*fig).title) : utf8(row.name);
    l.symbol = symbol(row.quantity);
    l.value = value(row.quantity, &l.number);
    l.unit = unit(row.quantity);
    l.source = utf8(row.source);
    Marks m, lm;
    mark(m, row.quantity);
    QStringList limits;
    for (const auto& limit : row.limits) {
      if (!limit) continue;
      const QString u = unit(*limit);
      const QString v = value(*limit);
      l.limit_values << v;
      limits << symbol(*limit) + QStringLiteral(" = ") + v +
                    (u == QStringLiteral("–") || v == utf8(kNotGiven) ? QString() : QStringLiteral(" ") + u);
      mark(lm, *limit);
    }
    l.limit = limits.join(QStringLiteral(", "));
    l.words = m.words.join(QStringLiteral("; "));
    l.stale = l.marked() && !m.hard;
    l.limit_words = lm.words.join(QStringLiteral("; "));
    l.limit_stale = !l.limit_words.isEmpty() && !lm.hard;
    return l;
  }

  const FieldStore& store_;
  const CheckTexts& checks_;
  CheckTable table_;
};

}  // namespace

CheckTable check_table(const FieldStore& store, const CheckTexts& checks) { return Builder(store, checks).take(); }

const std::array<QString, 6>& check_column_titles() {
  static const std::array<QString, 6> titles{QStringLiteral("Megnevezés"), QStringLiteral("Jel"),
                                             QStringLiteral("Érték"),      QStringLiteral("Egység"),
                                             QStringLiteral("Határ"),      QStringLiteral("Forrás")};
  return titles;
}

QString check_span_note() {
  return QStringLiteral(
      "Az orsó hossza (l_orsó) a csapágyak távolságát jelenti: a leghosszabb szabad hossz, "
      "az óvatos választás.");
}

QString check_input_title(CheckInput c) {
  const CheckInputInfo& i = info(c);
  return utf8(i.symbol.empty() ? i.label : i.symbol);
}

QString check_input_shown(CheckInput c, const std::string& text) {
  if (c == CheckInput::csapagyazas)
    if (const Bearing* b = bearing_by_word(text)) return utf8(b->label);
  return utf8(text);
}

}  // namespace vorbento
