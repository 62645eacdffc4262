// The 54 field boxes (twips), the input page's focus order, what a screen
// reader calls each field, and the field's symbol as the page writes it.
#include "presentation/placement/layout_table.h"

#include <array>

namespace vorbento {

namespace {

// clang-format off
constexpr std::array<FieldPlacement, kFieldCount> kFields{{
    // input page: tab index 1..33 gives the order of the Tab key
    {Field::nmg0, {990, 778, 800, 360}, 29, "n_mG0", "a motor fordulatszáma a max. (G0) sebességnél (1/min)"},
    {Field::nmg1, {990, 1258, 765, 360}, 33, "n_mG1", "a motor fordulatszáma a max. (G1) sebességnél (1/min)"},
    {Field::i, {990, 1650, 800, 360}, 28, "i", "a lassító áttétel aránya"},
    {Field::h, {990, 2008, 800, 360}, 27, "h", "az orsó menetemelkedése (m)"},
    {Field::vg0, {990, 2428, 800, 360}, 26, "V_G0", "a kívánt sebesség G0-ban (m/s)"},
    {Field::vg1, {990, 2998, 800, 360}, 25, "V_G1", "a kívánt sebesség G1-ben (m/s)"},
    {Field::a, {990, 3568, 800, 360}, 24, "a", "a kívánt gyorsulás (m/s²)"},
    {Field::f, {990, 4110, 800, 360}, 23, "F", "a megmunkálóerő (N)"},
    {Field::m, {990, 4470, 800, 360}, 22, "m", "a mozgatandó tömeg: asztal és munkadarab, vagy komplett Z egység (kg)"},
    {Field::jm, {990, 4860, 975, 360}, 21, "J_m", "a motor saját inerciája, katalógus adat (kgm²)"},
    {Field::mm, {990, 5220, 800, 360}, 20, "M_m", "a motor névleges forgatónyomatéka (Nm)"},
    {Field::mmmax, {990, 5580, 800, 360}, 19, "M_mmax", "a motor maximális forgatónyomatéka (Nm)"},
    {Field::u, {990, 5880, 800, 360}, 18, "μ", "a vezetők súrlódási tényezője (mű), golyós vezetőknél ~0.2, függőleges mozgás esetén 1"},
    {Field::q, {990, 6240, 800, 360}, 17, "η", "az orsó hatásfoka (éta), golyósorsónál ~0.9"},
    {Field::g, {990, 6660, 800, 360}, 16, "g", "a nehézségi gyorsulás (m/s²)"},
    {Field::dorso, {960, 7140, 800, 360}, 15, "D_orsó", "az orsó átmérője (m)"},
    {Field::lorso, {960, 7500, 800, 360}, 14, "l_orsó", "az orsó hossza (m)"},
    {Field::porso, {960, 7980, 800, 360}, 6, "ρ_orsó", "az orsó anyagának fajsúlya (kg/m³)"},
    {Field::dok, {960, 8490, 800, 360}, 13, "D_ok", "az orsókerék külső átmérője (m)"},
    {Field::dof, {960, 8850, 800, 360}, 12, "d_ok", "az orsókerék furat átmérője (m)"},
    {Field::lok, {960, 9210, 800, 360}, 11, "l_ok", "az orsókerék szélessége (m)"},
    {Field::pok, {8730, 780, 800, 360}, 10, "ρ_ok", "az orsókerék anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::dmk, {8730, 1170, 800, 360}, 9, "D_mk", "a motorkerék külső átmérője (m)"},
    {Field::dmf, {8730, 1560, 800, 360}, 8, "d_mk", "a motorkerék furat átmérője (m)"},
    {Field::lmk, {8730, 1920, 800, 285}, 7, "l_mk", "a motorkerék szélessége (m)"},
    {Field::pmk, {8730, 2370, 800, 360}, 5, "ρ_mk", "a motorkerék anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::dtk, {8730, 2970, 800, 360}, 4, "D_tk", "a tengelykapcsoló külső átmérője (m)"},
    {Field::dtf, {8730, 3330, 800, 360}, 3, "d_tk", "a tengelykapcsoló furat átmérője (m)"},
    {Field::ltk, {8730, 3720, 800, 360}, 2, "l_tk", "a tengelykapcsoló hossza (m)"},
    {Field::ptk, {8760, 4200, 800, 360}, 1, "ρ_tk", "a tengelykapcsoló anyagának fajsúlya, acél 7800, alu 2700 (kg/m³)"},
    {Field::tg1, {9480, 4710, 800, 360}, 30, "t_G1", "a G1 sebességgel való mozgás időtartama (s)"},
    {Field::tg0, {9480, 5160, 800, 360}, 31, "t_G0", "a G0 sebességgel való mozgás időtartama (s)"},
    {Field::tc, {9480, 5610, 800, 360}, 32, "t_c", "a G0 és G1 mozgások ciklusideje (s)"},
    // output page: disabled, outside the focus order
    {Field::tgyg1, {1080, 1320, 975, 360}, 0, "t_gyG1", "a gyorsulási idő 0-ról G1 sebességre (s)"},
    {Field::tlg1, {1080, 1680, 975, 360}, 0, "t_lG1", "a lassítási idő G1 sebességről 0-ra (s)"},
    {Field::tgyg0, {1080, 2070, 975, 360}, 0, "t_gyG0", "a gyorsulási idő 0-ról G0 sebességre (s)"},
    {Field::tlg0, {1080, 2490, 975, 360}, 0, "t_lG0", "a lassítási idő G0 sebességről 0-ra (s)"},
    {Field::meg1, {4170, 4560, 1065, 360}, 0, "M_eG1", "forgatónyomaték az előtoláshoz, folyamatos G1 sebességen (Nm)"},
    {Field::meg0, {4170, 4920, 1065, 360}, 0, "M_eG0", "forgatónyomaték az előtoláshoz, folyamatos G0 sebességen (Nm)"},
    {Field::mgyg1, {4170, 5310, 1065, 360}, 0, "M_gyG1", "forgatónyomaték a gyorsításhoz G1 sebességre, legfeljebb a motor maximális nyomatéka (Nm)"},
    {Field::mgyg0, {4170, 5700, 1065, 360}, 0, "M_gyG0", "forgatónyomaték a gyorsításhoz G0 sebességre (Nm)"},
    {Field::mlg1, {4170, 6090, 1065, 360}, 0, "M_lG1", "forgatónyomaték a lassításhoz G1 sebességről, legfeljebb a motor maximális nyomatéka (Nm)"},
    {Field::mlg0, {4170, 6450, 1065, 360}, 0, "M_lG0", "forgatónyomaték a lassításhoz G0 sebességről (Nm)"},
    {Field::matlag, {4170, 6810, 1065, 360}, 0, "M_átlag", "a forgatónyomatékok időarányos átlaga, legfeljebb a motor névleges nyomatéka (Nm)"},
    {Field::peg1, {4170, 7200, 1065, 360}, 0, "P_eG1", "motorteljesítmény az előtoláshoz, folyamatos G1 sebességen (W)"},
    {Field::pgylg1, {4170, 7590, 1065, 360}, 0, "P_gylG1", "motorteljesítmény a G1 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz (W)"},
    {Field::peg0, {4170, 7980, 1065, 360}, 0, "P_eG0", "motorteljesítmény az előtoláshoz, folyamatos G0 sebességen (W)"},
    {Field::pgylg0, {4170, 8370, 1305, 360}, 0, "P_gylG0", "motorteljesítmény a G0 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz (W)"},
    {Field::jtomeg, {8460, 1170, 1400, 360}, 0, "J_tömeg", "a mozgatandó tömeg orsóra redukált inerciája (kgm²)"},
    {Field::jorso, {8460, 1680, 1400, 360}, 0, "J_orsó", "az orsó inerciája (kgm²)"},
    {Field::jok, {8460, 2130, 1400, 360}, 0, "J_ok", "az orsókerék inerciája, direkt hajtás esetén 0 (kgm²)"},
    {Field::jmk, {8460, 2550, 1400, 360}, 0, "J_mk", "a motorkerék inerciája, direkt hajtás esetén 0 (kgm²)"},
    {Field::jtk, {8460, 3000, 1400, 360}, 0, "J_tk", "a tengelykapcsoló inerciája, áttétel esetén 0 (kgm²)"},
    {Field::jossz, {8460, 3480, 1400, 360}, 0, "J_össz", "az összes inercia, a motor tengelyére redukálva (kgm²)"},
}};
// clang-format on

}  // namespace

std::span<const FieldPlacement> field_placements() { return kFields; }

const FieldPlacement& placement(Field f) { return kFields[index(f)]; }

}  // namespace vorbento
