#include "core/field.h"

#include <array>

namespace vorbento {
namespace {

constexpr Page in = Page::input;
constexpr Page out = Page::output;

// Most initial texts are one worked example (motor 3000 1/min, belt 2.5:1,
// 5 mm lead, 30 kg); a few results (mgyg1, peg1, matlag) were never recomputed
// from it and are replaced at the first recomputation.
constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {"nmg0", "3000", in},
    {"nmg1", "498.00", in},
    {"i", "2.5", in},
    {"h", "0.005", in},
    {"vg0", "0.1", in},
    {"vg1", "0.0166", in},
    {"a", "2", in},
    {"f", "200", in},
    {"m", "30", in},
    {"jm", "0.0000268", in},
    {"mm", "0.205", in},
    {"mmmax", "1.695", in},
    {"u", "0.2", in},
    {"q", "0.9", in},
    {"g", "9.81", in},
    {"dorso", "0.016", in},
    {"lorso", "0.85", in},
    {"porso", "7800", in},
    {"dok", "0.094", in},
    {"dof", "0.0008", in},
    {"lok", "0.02", in},
    {"pok", "2700", in},
    {"dmk", "0.035", in},
    {"dmf", "0.008", in},
    {"lmk", "0.022", in},
    {"pmk", "7800", in},
    {"dtk", "0", in},
    {"dtf", "0", in},
    {"ltk", "0", in},
    {"ptk", "2700", in},
    {"tg1", "2", in},
    {"tg0", "1", in},
    {"tc", "3.5", in},
    {"tgyg1", "0.0083000", out},
    {"tlg1", "0.0083000", out},
    {"tgyg0", "0.0500000", out},
    {"tlg0", "0.0500000", out},
    {"meg1", "0.09159943", out},
    {"meg0", "0.02082803", out},
    {"mgyg1", "0.82296700", out},
    {"mgyg0", "0.82532750", out},
    {"mlg1", "0.71290000", out},
    {"mlg0", "0.78367140", out},
    {"matlag", "0.16288750", out},
    {"peg1", "4.79370400", out},
    {"pgylg1", "41.93373000", out},
    {"peg0", "6.54000100", out},
    {"pgylg0", "252.61280000", out},
    {"jtomeg", "0.0000190170", out},
    {"jorso", "0.0000426573", out},
    {"jok", "0.0004139091", out},
    {"jmk", "0.0000252117", out},
    {"jtk", "0.0000000000", out},
    {"jossz", "0.0001281050", out},
}};

}  // namespace

const FieldInfo& info(Field f) { return kFields[index(f)]; }

std::optional<Field> field_by_name(std::string_view name) {
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (kFields[n].name == name) return field_at(n);
  return std::nullopt;
}

}  // namespace vorbento
