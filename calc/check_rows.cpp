#include "calc/check_rows.h"

namespace vorbento {
namespace {
using enum CheckFigure;
using G = CheckGroup;

const std::array<CheckRow, 14> kRows{{
    {G::motor, mcsucs, {Field::mmmax}, "a motor katalógusa"},
    {G::motor, Field::matlag, {Field::mm}, "a motor katalógusa", "időarányos átlagnyomaték"},
    {G::motor, Field::nmg0, {CheckInput::nmmax}, "a motor katalógusa", "a motor fordulatszáma G0-nál"},
    {G::motor, jarany, {CheckInput::jaranymax}, "a szervógyártók szabálya"},
    {G::motor, natlag, {}, "a ciklus időarányos átlaga"},
    {G::motor, elg1, {}, "a fékellenállás méretezéséhez"},
    {G::motor, elg0, {}, "a fékellenállás méretezéséhez"},
    {G::motor, pfek, {}, "a fékellenállás méretezéséhez"},
    {G::screw, norso, {nmeg}, "a menetemelkedés és V_G0"},
    {G::screw, nmeg, {}, "az orsógyártók kiválasztási útmutatója"},
    {G::screw, dn, {CheckInput::dnmax}, "az orsó katalógusa"},
    {G::screw, fax, {fkih, fmeg}, "m · a + μ · m · g + F"},
    {G::screw, fkih, {}, "az orsógyártók kiválasztási útmutatója"},
    {G::screw, fmeg, {}, "147 MPa a magkeresztmetszeten"},
}};

}  // namespace

std::span<const CheckRow> check_rows() { return kRows; }

std::string_view check_unit(Field f) { return f == Field::nmg0 ? "1/min" : "Nm"; }

std::string_view group_title(CheckGroup g) { return g == CheckGroup::motor ? "Motor" : "Orsó"; }

}  // namespace vorbento
