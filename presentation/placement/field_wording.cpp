// The units and descriptions of the 54 fields. A description is its label's
// text as the page shows it, with the room left for overlays closed up, its
// slips of the pen mended ("azz", "cikusideje", the mass's unclosed bracket)
// and a symbol inside it written as the symbols are ("M_mmax"). Every field
// with a unit has it here, also where its page's label leaves it out (the
// motion times, the total inertia).
#include "presentation/placement/field_wording.h"

#include <array>

namespace vorbento {

namespace {

// clang-format off
constexpr std::array<FieldWording, kFieldCount> kWordings{{
    // input page
    {Field::nmg0, "1/min", "a motor fordulatszáma a max. (G0) sebességnél"},
    {Field::nmg1, "1/min", "a motor fordulatszáma a max. (G1) sebességnél"},
    {Field::i, "", "a lassító áttétel aránya"},
    {Field::h, "m", "az orsó menetemelkedése"},
    {Field::vg0, "m/s", "a kívánt sebesség G0-ban"},
    {Field::vg1, "m/s", "a kívánt sebesség G1-ban"},
    {Field::a, "m/s²", "a kívánt gyorsulás"},
    {Field::f, "N", "a megmunkálóerő"},
    {Field::m, "kg", "a mozgatandó tömeg (asztal+munkadarab, vagy komplett Z egység)"},
    {Field::jm, "kgm²", "a motor saját inerciája (katalógus adat, 1kgm² = 10000kgcm²)"},
    {Field::mm, "Nm", "a motor névleges forgatónyomatéka"},
    {Field::mmmax, "Nm", "a motor maximális forgatónyomatéka"},
    {Field::u, "", "súrlódási tényező, golyós vezetőknél ~0.2 (függőleges mozgás esetén = 1)"},
    {Field::q, "", "az orsó hatásfoka, golyósorsónál ~0.9"},
    {Field::g, "m/s²", "nehézségi gyorsulás"},
    {Field::dorso, "m", "az orsó átmérője"},
    {Field::lorso, "m", "az orsó hossza"},
    {Field::porso, "kg/m³", "az orsó anyagának fajsúlya"},
    {Field::dok, "m", "az orsókerék külső átmérője"},
    {Field::dof, "m", "az orsókerék furat átmérője"},
    {Field::lok, "m", "az orsókerék szélessége"},
    {Field::pok, "kg/m³", "az orsókerék anyagának fajsúlya (acél=7800, alu=2700)"},
    {Field::dmk, "m", "a motorkerék külső átmérője"},
    {Field::dmf, "m", "a motorkerék furat átmérője"},
    {Field::lmk, "m", "a motorkerék szélessége"},
    {Field::pmk, "kg/m³", "a motorkerék anyagának fajsúlya (acél=7800, alu=2700)"},
    {Field::dtk, "m", "a tengelykapcsoló külső átmérője"},
    {Field::dtf, "m", "a tengelykapcsoló furat átmérője"},
    {Field::ltk, "m", "a tengelykapcsoló hossza"},
    {Field::ptk, "kg/m³", "a ten.kapcsoló anyagának fajsúlya (acél=7800, alu=2700)"},
    {Field::tg1, "s", "a G1 sebességgel való mozgás időtartama"},
    {Field::tg0, "s", "a G0 sebességgel való mozgás időtartama"},
    {Field::tc, "s", "a G0 és G1 mozgások ciklusideje"},
    // output page
    {Field::tgyg1, "s", "a gyorsulási idő 0-ról G1 sebességre"},
    {Field::tlg1, "s", "a lassítási idő G1 sebességről 0-ra"},
    {Field::tgyg0, "s", "a gyorsulási idő 0-ról G0 sebességre"},
    {Field::tlg0, "s", "a lassítási idő G0 sebességről 0-ra"},
    {Field::meg1, "Nm", "forgatónyomaték az előtoláshoz - folyamatos G1 sebességen"},
    {Field::meg0, "Nm", "forgatónyomaték az előtoláshoz - folyamatos G0 sebességen"},
    {Field::mgyg1, "Nm", "forgatónyomaték a gyorsításhoz G1 sebességre (max. M_mmax lehet)"},
    {Field::mgyg0, "Nm", "forgatónyomaték a gyorsításhoz G0 sebességre"},
    {Field::mlg1, "Nm", "forgatónyomaték a lassításhoz G1 sebességről (max. M_mmax lehet)"},
    {Field::mlg0, "Nm", "forgatónyomaték a lassításhoz G0 sebességről"},
    {Field::matlag, "Nm", "forgatónyomatékok időarányos átlaga (max. M_m lehet)"},
    {Field::peg1, "W", "motorteljesítmény az előtoláshoz - folyamatos G1 sebességen"},
    {Field::pgylg1, "W", "motorteljesítmény a G1 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz"},
    {Field::peg0, "W", "motorteljesítmény az előtoláshoz - folyamatos G0 sebességen"},
    {Field::pgylg0, "W", "motorteljesítmény a G0 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz"},
    {Field::jtomeg, "kgm²", "a mozgatandó tömeg orsóra redukált inerciája"},
    {Field::jorso, "kgm²", "az orsó inerciája"},
    {Field::jok, "kgm²", "az orsókerék inerciája (direkt hajtás esetén: 0)"},
    {Field::jmk, "kgm²", "a motorkerék inerciája (direkt hajtás esetén: 0)"},
    {Field::jtk, "kgm²", "a tengelykapcsoló inerciája (áttétel esetén: 0)"},
    {Field::jossz, "kgm²", "az összes inercia"},
}};
// clang-format on

}  // namespace

const FieldWording& wording(Field f) { return kWordings[index(f)]; }

}  // namespace vorbento
