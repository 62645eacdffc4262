#include "core/field.h"

#include <array>

namespace vorbento {
namespace {

constexpr Page in = Page::input;
constexpr Page out = Page::output;
constexpr InputRule positive{.need = InputRule::Need::positive, .outer = std::nullopt};
constexpr InputRule nonnegative{.need = InputRule::Need::nonnegative, .outer = std::nullopt};
constexpr InputRule bore_of(Field part) { return {.need = InputRule::Need::nonnegative, .outer = part}; }

// The enumerator and its name, written once.
#define FIELD(name) Field::name, #name

// What the formulas need of each input: a positive speed, ratio, lead,
// acceleration, mass, coefficient, screw and cycle time; a force, motor
// inertia, part dimension, density or phase duration may be 0 (none, or an
// absent part) but not negative; a bore no wider than its part. The motor's
// ratings need nothing: no formula reads them.
//
// Most initial texts are one worked example (motor 3000 1/min, belt 2.5:1,
// 5 mm lead, 30 kg); a few results (mgyg1, peg1, matlag) were never recomputed
// from it and are replaced at the first recomputation.
constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {FIELD(nmg0), "3000", in, positive},
    {FIELD(nmg1), "498.00", in, positive},
    {FIELD(i), "2.5", in, positive},
    {FIELD(h), "0.005", in, positive},
    {FIELD(vg0), "0.1", in, positive},
    {FIELD(vg1), "0.0166", in, positive},
    {FIELD(a), "2", in, positive},
    {FIELD(f), "200", in, nonnegative},
    {FIELD(m), "30", in, positive},
    {FIELD(jm), "0.0000268", in, nonnegative},
    {FIELD(mm), "0.205", in},
    {FIELD(mmmax), "1.695", in},
    {FIELD(u), "0.2", in, positive},
    {FIELD(q), "0.9", in, positive},
    {FIELD(g), "9.81", in, positive},
    {FIELD(dorso), "0.016", in, positive},
    {FIELD(lorso), "0.85", in, positive},
    {FIELD(porso), "7800", in, positive},
    {FIELD(dok), "0.094", in, nonnegative},
    {FIELD(dof), "0.0008", in, bore_of(Field::dok)},
    {FIELD(lok), "0.02", in, nonnegative},
    {FIELD(pok), "2700", in, nonnegative},
    {FIELD(dmk), "0.035", in, nonnegative},
    {FIELD(dmf), "0.008", in, bore_of(Field::dmk)},
    {FIELD(lmk), "0.022", in, nonnegative},
    {FIELD(pmk), "7800", in, nonnegative},
    {FIELD(dtk), "0", in, nonnegative},
    {FIELD(dtf), "0", in, bore_of(Field::dtk)},
    {FIELD(ltk), "0", in, nonnegative},
    {FIELD(ptk), "2700", in, nonnegative},
    {FIELD(tg1), "2", in, nonnegative},
    {FIELD(tg0), "1", in, nonnegative},
    {FIELD(tc), "3.5", in, positive},
    {FIELD(tgyg1), "0.0083000", out},
    {FIELD(tlg1), "0.0083000", out},
    {FIELD(tgyg0), "0.0500000", out},
    {FIELD(tlg0), "0.0500000", out},
    {FIELD(meg1), "0.09159943", out},
    {FIELD(meg0), "0.02082803", out},
    {FIELD(mgyg1), "0.82296700", out},
    {FIELD(mgyg0), "0.82532750", out},
    {FIELD(mlg1), "0.71290000", out},
    {FIELD(mlg0), "0.78367140", out},
    {FIELD(matlag), "0.16288750", out},
    {FIELD(peg1), "4.79370400", out},
    {FIELD(pgylg1), "41.93373000", out},
    {FIELD(peg0), "6.54000100", out},
    {FIELD(pgylg0), "252.61280000", out},
    {FIELD(jtomeg), "0.0000190170", out},
    {FIELD(jorso), "0.0000426573", out},
    {FIELD(jok), "0.0004139091", out},
    {FIELD(jmk), "0.0000252117", out},
    {FIELD(jtk), "0.0000000000", out},
    {FIELD(jossz), "0.0001281050", out},
}};
#undef FIELD

constexpr bool in_field_order() {
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (kFields[n].field != field_at(n) || (kFields[n].page == in) != (n < kInputFieldCount)) return false;
  return true;
}
static_assert(in_field_order(), "one row per field, in the enumeration's order, the inputs first");

}  // namespace

const FieldInfo& info(Field f) { return kFields[index(f)]; }

std::optional<Field> field_by_name(std::string_view name) {
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (kFields[n].name == name) return field_at(n);
  return std::nullopt;
}

}  // namespace vorbento
