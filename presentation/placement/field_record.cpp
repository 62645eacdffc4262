// What the window, the report, the copied table, the command line and
// assistive technology say about each of the 54 fields, one row per field.
//
// A description is its label's text as the page shows it, with the room left
// for overlays closed up, its slips of the pen mended ("azz", "cikusideje",
// the mass's unclosed bracket) and a symbol inside it written as the symbols
// are ("M_mmax"). Every field with a unit has it here, also where its page's
// label leaves it out (the motion times, the total inertia). A screen reader
// says the description and the unit, unless the row gives a phrase of its own
// that reads better aloud than the caption's abbreviations and brackets.
#include "presentation/placement/field_record.h"

#include <array>

namespace vorbento {

namespace {

// clang-format off
constexpr std::array<FieldRecord, kFieldCount> kFields{{
    // input page: tab index 1..33 gives the order of the Tab key
    {Field::nmg0, {990, 778, 800, 360}, 29, "n_mG0", "1/min",
     "a motor fordulatszáma a max. (G0) sebességnél", nullptr},
    {Field::nmg1, {990, 1258, 765, 360}, 33, "n_mG1", "1/min",
     "a motor fordulatszáma a max. (G1) sebességnél", nullptr},
    {Field::i, {990, 1650, 800, 360}, 28, "i", "",
     "a lassító áttétel aránya", nullptr},
    {Field::h, {990, 2008, 800, 360}, 27, "h", "m",
     "az orsó menetemelkedése", nullptr},
    {Field::vg0, {990, 2428, 800, 360}, 26, "V_G0", "m/s",
     "a kívánt sebesség G0-ban", nullptr},
    {Field::vg1, {990, 2998, 800, 360}, 25, "V_G1", "m/s",
     "a kívánt sebesség G1-ban", "a kívánt sebesség G1-ben (m/s)"},
    {Field::a, {990, 3568, 800, 360}, 24, "a", "m/s²",
     "a kívánt gyorsulás", nullptr, FieldLook::always_white},
    {Field::f, {990, 4110, 800, 360}, 23, "F", "N",
     "a megmunkálóerő", nullptr},
    {Field::m, {990, 4470, 800, 360}, 22, "m", "kg",
     "a mozgatandó tömeg (asztal+munkadarab, vagy komplett Z egység)", "a mozgatandó tömeg: asztal és munkadarab, vagy komplett Z egység (kg)"},
    {Field::jm, {990, 4860, 975, 360}, 21, "J_m", "kgm²",
     "a motor saját inerciája (katalógus adat, 1kgm² = 10000kgcm²)", "a motor saját inerciája, katalógus adat (kgm²)"},
    {Field::mm, {990, 5220, 800, 360}, 20, "M_m", "Nm",
     "a motor névleges forgatónyomatéka", nullptr},
    {Field::mmmax, {990, 5580, 800, 360}, 19, "M_mmax", "Nm",
     "a motor maximális forgatónyomatéka", nullptr},
    {Field::u, {990, 5880, 800, 360}, 18, "μ", "",
     "súrlódási tényező, golyós vezetőknél ~0.2 (függőleges mozgás esetén = 1)", "a vezetők súrlódási tényezője (mű), golyós vezetőknél ~0.2, függőleges mozgás esetén 1"},
    {Field::q, {990, 6240, 800, 360}, 17, "η", "",
     "az orsó hatásfoka, golyósorsónál ~0.9", "az orsó hatásfoka (éta), golyósorsónál ~0.9"},
    {Field::g, {990, 6660, 800, 360}, 16, "g", "m/s²",
     "nehézségi gyorsulás", "a nehézségi gyorsulás (m/s²)"},
    {Field::dorso, {960, 7140, 800, 360}, 15, "D_orsó", "m",
     "az orsó átmérője", nullptr},
    {Field::lorso, {960, 7500, 800, 360}, 14, "l_orsó", "m",
     "az orsó hossza", nullptr},
    {Field::porso, {960, 7980, 800, 360}, 6, "ρ_orsó", "kg/m³",
     "az orsó anyagának fajsúlya", nullptr},
    {Field::dok, {960, 8490, 800, 360}, 13, "D_ok", "m",
     "az orsókerék külső átmérője", nullptr},
    {Field::dof, {960, 8850, 800, 360}, 12, "d_ok", "m",
     "az orsókerék furat átmérője", nullptr},
    {Field::lok, {960, 9210, 800, 360}, 11, "l_ok", "m",
     "az orsókerék szélessége", nullptr},
    {Field::pok, {8730, 780, 800, 360}, 10, "ρ_ok", "kg/m³",
     "az orsókerék anyagának fajsúlya (acél=7800, alu=2700)", "az orsókerék anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::dmk, {8730, 1170, 800, 360}, 9, "D_mk", "m",
     "a motorkerék külső átmérője", nullptr},
    {Field::dmf, {8730, 1560, 800, 360}, 8, "d_mk", "m",
     "a motorkerék furat átmérője", nullptr},
    {Field::lmk, {8730, 1920, 800, 285}, 7, "l_mk", "m",
     "a motorkerék szélessége", nullptr, FieldLook::window_font},
    {Field::pmk, {8730, 2370, 800, 360}, 5, "ρ_mk", "kg/m³",
     "a motorkerék anyagának fajsúlya (acél=7800, alu=2700)", "a motorkerék anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::dtk, {8730, 2970, 800, 360}, 4, "D_tk", "m",
     "a tengelykapcsoló külső átmérője", nullptr},
    {Field::dtf, {8730, 3330, 800, 360}, 3, "d_tk", "m",
     "a tengelykapcsoló furat átmérője", nullptr},
    {Field::ltk, {8730, 3720, 800, 360}, 2, "l_tk", "m",
     "a tengelykapcsoló hossza", nullptr},
    {Field::ptk, {8760, 4200, 800, 360}, 1, "ρ_tk", "kg/m³",
     "a ten.kapcsoló anyagának fajsúlya (acél=7800, alu=2700)", "a tengelykapcsoló anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::tg1, {9480, 4710, 800, 360}, 30, "t_G1", "s",
     "a G1 sebességgel való mozgás időtartama", nullptr},
    {Field::tg0, {9480, 5160, 800, 360}, 31, "t_G0", "s",
     "a G0 sebességgel való mozgás időtartama", nullptr},
    {Field::tc, {9480, 5610, 800, 360}, 32, "t_c", "s",
     "a G0 és G1 mozgások ciklusideje", nullptr},
    // output page: disabled, outside the focus order
    {Field::tgyg1, {1080, 1320, 975, 360}, 0, "t_gyG1", "s",
     "a gyorsulási idő 0-ról G1 sebességre", nullptr},
    {Field::tlg1, {1080, 1680, 975, 360}, 0, "t_lG1", "s",
     "a lassítási idő G1 sebességről 0-ra", nullptr},
    {Field::tgyg0, {1080, 2070, 975, 360}, 0, "t_gyG0", "s",
     "a gyorsulási idő 0-ról G0 sebességre", nullptr},
    {Field::tlg0, {1080, 2490, 975, 360}, 0, "t_lG0", "s",
     "a lassítási idő G0 sebességről 0-ra", nullptr},
    {Field::meg1, {4170, 4560, 1065, 360}, 0, "M_eG1", "Nm",
     "forgatónyomaték az előtoláshoz - folyamatos G1 sebességen", "forgatónyomaték az előtoláshoz, folyamatos G1 sebességen (Nm)"},
    {Field::meg0, {4170, 4920, 1065, 360}, 0, "M_eG0", "Nm",
     "forgatónyomaték az előtoláshoz - folyamatos G0 sebességen", "forgatónyomaték az előtoláshoz, folyamatos G0 sebességen (Nm)"},
    {Field::mgyg1, {4170, 5310, 1065, 360}, 0, "M_gyG1", "Nm",
     "forgatónyomaték a gyorsításhoz G1 sebességre (max. M_mmax lehet)", "forgatónyomaték a gyorsításhoz G1 sebességre, legfeljebb a motor maximális nyomatéka (Nm)"},
    {Field::mgyg0, {4170, 5700, 1065, 360}, 0, "M_gyG0", "Nm",
     "forgatónyomaték a gyorsításhoz G0 sebességre", nullptr},
    {Field::mlg1, {4170, 6090, 1065, 360}, 0, "M_lG1", "Nm",
     "forgatónyomaték a lassításhoz G1 sebességről (max. M_mmax lehet)", "forgatónyomaték a lassításhoz G1 sebességről, legfeljebb a motor maximális nyomatéka (Nm)"},
    {Field::mlg0, {4170, 6450, 1065, 360}, 0, "M_lG0", "Nm",
     "forgatónyomaték a lassításhoz G0 sebességről", nullptr},
    {Field::matlag, {4170, 6810, 1065, 360}, 0, "M_átlag", "Nm",
     "forgatónyomatékok időarányos átlaga (max. M_m lehet)", "a forgatónyomatékok időarányos átlaga, legfeljebb a motor névleges nyomatéka (Nm)"},
    {Field::peg1, {4170, 7200, 1065, 360}, 0, "P_eG1", "W",
     "motorteljesítmény az előtoláshoz - folyamatos G1 sebességen", "motorteljesítmény az előtoláshoz, folyamatos G1 sebességen (W)"},
    {Field::pgylg1, {4170, 7590, 1065, 360}, 0, "P_gylG1", "W",
     "motorteljesítmény a G1 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz", nullptr},
    {Field::peg0, {4170, 7980, 1065, 360}, 0, "P_eG0", "W",
     "motorteljesítmény az előtoláshoz - folyamatos G0 sebességen", "motorteljesítmény az előtoláshoz, folyamatos G0 sebességen (W)"},
    {Field::pgylg0, {4170, 8370, 1305, 360}, 0, "P_gylG0", "W",
     "motorteljesítmény a G0 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz", nullptr},
    {Field::jtomeg, {8460, 1170, 1400, 360}, 0, "J_tömeg", "kgm²",
     "a mozgatandó tömeg orsóra redukált inerciája", nullptr},
    {Field::jorso, {8460, 1680, 1400, 360}, 0, "J_orsó", "kgm²",
     "az orsó inerciája", nullptr},
    {Field::jok, {8460, 2130, 1400, 360}, 0, "J_ok", "kgm²",
     "az orsókerék inerciája (direkt hajtás esetén: 0)", "az orsókerék inerciája, direkt hajtás esetén 0 (kgm²)"},
    {Field::jmk, {8460, 2550, 1400, 360}, 0, "J_mk", "kgm²",
     "a motorkerék inerciája (direkt hajtás esetén: 0)", "a motorkerék inerciája, direkt hajtás esetén 0 (kgm²)"},
    {Field::jtk, {8460, 3000, 1400, 360}, 0, "J_tk", "kgm²",
     "a tengelykapcsoló inerciája (áttétel esetén: 0)", "a tengelykapcsoló inerciája, áttétel esetén 0 (kgm²)"},
    {Field::jossz, {8460, 3480, 1400, 360}, 0, "J_össz", "kgm²",
     "az összes inercia", "az összes inercia, a motor tengelyére redukálva (kgm²)"},
}};
// clang-format on

constexpr bool in_field_order() {
  for (std::size_t n = 0; n < kFieldCount; ++n)
    if (kFields[n].field != field_at(n)) return false;
  return true;
}
static_assert(in_field_order(), "one row per field, in the enumeration's order");

}  // namespace

std::span<const FieldRecord> field_records() { return kFields; }

const FieldRecord& field_record(Field f) { return kFields[index(f)]; }

QString accessible_name(Field f) {
  const FieldRecord& r = kFields[index(f)];
  if (r.spoken) return QString::fromUtf8(r.spoken);
  const QString unit = QString::fromUtf8(r.unit);
  return QString::fromUtf8(r.description) +
         (unit.isEmpty() ? QString() : QStringLiteral(" (") + unit + QStringLiteral(")"));
}

}  // namespace vorbento
