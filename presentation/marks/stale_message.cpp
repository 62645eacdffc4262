#include "presentation/marks/stale_message.h"

#include <QStringList>

#include "core/number_text.h"
#include "presentation/placement/field_record.h"

namespace vorbento {

namespace {

QString symbol(Field f) { return QString::fromUtf8(field_record(f).symbol); }

QString figure(double value) { return QString::fromStdString(format_short(static_cast<float>(value))); }

// The formula an own motor speed or ratio is checked against, in the symbols
// of the input page.
QString formula_words(Field f) {
  switch (f) {
    case Field::nmg0:
      return QStringLiteral("n_mG0 = 60·V_G0·i/h");
    case Field::i:
      return QStringLiteral("i = n_mG0·h/(60·V_G0)");
    case Field::nmg1:
      return QStringLiteral("n_mG1 = V_G1/V_G0·n_mG0");
    default:
      return symbol(f);
  }
}

}  // namespace

QString motions_message(const FieldStore& store) {
  const auto sum = store.sum_beyond_bound();
  if (!sum) return {};
  return QStringLiteral("A hat mozgás együtt ") + figure(*sum) + QStringLiteral(" s, hosszabb a ciklusidőnél.");
}

QString input_reason(const FieldStore& store, Field input) {
  const QString s = symbol(input);
  switch (store.mark(input)) {
    case Problem::none:
      return {};
    case Problem::not_a_number:
      return s + QStringLiteral(" nem szám");
    case Problem::out_of_range:
      return s + QStringLiteral(" túl nagy szám");
    case Problem::not_positive:
      return s + QStringLiteral(" ≤ 0");
    case Problem::negative:
      return s + QStringLiteral(" < 0");
    case Problem::bore_too_large: {
      const auto outer = store.input_rule(input).outer;
      return s + QStringLiteral(" nagyobb, mint ") + (outer ? symbol(*outer) : QString());
    }
    case Problem::overflow:
      return s + QStringLiteral(" eredménye túl nagy");
    case Problem::shorter_than_motions:
      return s + QStringLiteral(" rövidebb a hat mozgásnál");
  }
  return {};
}

QString stale_message(const FieldStore& store, Field field) {
  using Kind = StaleCause::Kind;
  // An own text at odds with the other inputs: the formula says what it should be.
  if (const auto value = store.formula_value(field))
    return QStringLiteral("Nem illik a többi bemenő adathoz: ") + formula_words(field) + QStringLiteral(" = ") +
           figure(*value);
  QStringList reasons;
  QStringList changed;  // named only when nothing else explains it
  for (const StaleCause& c : store.stale_causes(field)) {
    const bool own = c.field == field;
    switch (c.kind) {
      case Kind::never_computed:
        reasons << (own ? QString() : symbol(c.field) + QStringLiteral(": ")) +
                       QStringLiteral("kiindulási érték, még nem számolt");
        break;
      case Kind::overflow:
        reasons << (own ? QStringLiteral("az eredmény túl nagy")
                        : symbol(c.field) + QStringLiteral(" eredménye túl nagy"));
        break;
      case Kind::marked_input:
        reasons << input_reason(store, c.field);
        break;
      case Kind::disagrees:
        reasons << symbol(c.field) + QStringLiteral(" nem illik a többi bemenő adathoz");
        break;
      case Kind::changed: {
        // A result that reads 0 (a time too short to show) fails the guards
        // of everything computed from it.
        const Parsed<float> v = parse_single(store.text(c.field));
        if (v && !(v.value > 0.0f)) {
          reasons << symbol(c.field) + QStringLiteral(" ≤ 0");
        } else {
          changed << symbol(c.field);
        }
        break;
      }
    }
  }
  if (reasons.isEmpty() && !changed.isEmpty())
    reasons << changed.join(QStringLiteral(", ")) + QStringLiteral(" megváltozott, az eredmény nem számolt újra");
  if (reasons.isEmpty()) return {};
  return QStringLiteral("Nem követi a bemenő adatokat: ") + reasons.join(QStringLiteral("; "));
}

}  // namespace vorbento
