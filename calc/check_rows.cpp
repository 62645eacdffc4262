#include "calc/check_rows.h"

namespace vorbento {
namespace {
using enum CheckFigure;
using G = CheckGroup;

const std::array<CheckRow, 14> kRows{{
    {G::motor, mcsucs, {Field::mmmax}, "motorkatalógus"},
    {G::motor, Field::matlag, {Field::mm}, "motorkatalógus", "időarányos átlagnyomaték"},
    {G::motor, Field::nmg0, {CheckInput::nmmax}, "motorkatalógus", "a motor fordulatszáma G0-nál"},
    {G::motor, jarany, {CheckInput::jaranymax}, "szervógyártók szabálya"},
    {G::motor, natlag, {}, "a ciklus időaránya"},
    {G::motor, elg1, {}, "fékellenálláshoz"},
    {G::motor, elg0, {}, "fékellenálláshoz"},
    {G::motor, pfek, {}, "fékellenálláshoz"},
    {G::screw, norso, {nmeg}, "60 · V_G0 / h"},
    {G::screw, nmeg, {}, "orsógyártók útmutatója"},
    {G::screw, dn, {CheckInput::dnmax}, "orsókatalógus"},
    {G::screw, fax, {fkih, fmeg}, "m · a + μ · m · g + F"},
    {G::screw, fkih, {}, "orsógyártók útmutatója"},
    {G::screw, fmeg, {}, "147 MPa a magon"},
}};

}  // namespace

std::span<const CheckRow> check_rows() { return kRows; }

std::string_view check_unit(Field f) { return f == Field::nmg0 ? "1/min" : "Nm"; }

std::string_view group_title(CheckGroup g) { return g == CheckGroup::motor ? "Motor" : "Orsó"; }

}  // namespace vorbento
