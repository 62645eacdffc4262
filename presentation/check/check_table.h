// The motor and screw check as the window's table and the report's show it:
// per row the quantity's name, symbol, value, unit, the limits beside it and
// the rule's source, with the words of every mark behind the figures. A
// figure computed from a marked field carries that field's words, naming it.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

#include "calc/check_figures.h"
#include "calc/check_rows.h"
#include "core/field_store.h"

namespace vorbento {

struct CheckLine {
  const CheckRow* row = nullptr;
  QString name, symbol, value, unit, limit, source;
  std::optional<double> number;  // the value's number; none for a text that stands instead
  QString words;                 // "M_gyG1: Nem követi ..."; empty when nothing is marked
  bool stale = false;            // every word says why a result lags, none what is wrong with a text
  // The same for the limits beside it.
  QStringList limit_values;  // each limit's value alone, as the summary shows it
  QString limit_words;
  bool limit_stale = false;
  bool marked() const { return !words.isEmpty(); }
  // The same texts and marks: the same row on screen.
  bool shows_as(const CheckLine& o) const {
    return value == o.value && limit == o.limit && words == o.words && stale == o.stale &&
           limit_words == o.limit_words && limit_stale == o.limit_stale;
  }
};

struct CheckTable {
  CheckFigureValues figures;
  std::array<Problem, kCheckInputCount> input_marks{};
  std::vector<CheckLine> lines;  // in the order of check_rows()
};

CheckTable check_table(const FieldStore& store, const CheckTexts& checks);

// "Megnevezés", "Jel", "Érték", "Egység", "Határ", "Forrás"
const std::array<QString, 6>& check_column_titles();
// The note under the table: what the screw's length stands for.
QString check_span_note();

// A check input's symbol, or its label where it has none (the bearing).
QString check_input_title(CheckInput c);
// The text the window shows and the report prints for a check input: the
// bearing by its label, the others as typed.
QString check_input_shown(CheckInput c, const std::string& text);

}  // namespace vorbento
