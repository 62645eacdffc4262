#include "presentation/formula/formula_rows.h"

#include <array>

namespace vorbento::formula {

namespace {

constexpr std::array<QStringView, 11> kImage1{
    u"i = \\frac{n_{mG0} * h}{60 * V_{G0}} =",
    u"n_{mG0} = \\frac{60 * V_{G0} * i}{h} =",
    u"n_{mG1} = \\frac{V_{G1}}{V_{G0}} * n_{mG0} =",
    u"t_{gyG1} = t_{lG1} = \\frac{V_{G1}}{a} =",
    u"t_{gyG0} = t_{lG0} = \\frac{V_{G0}}{a} =",
    u"J_{tömeg} = (\\frac{h}{6,28})^2 * m =",
    u"J_{orsó} = \\frac{D_{orsó}^4 * 3,14 * ρ_{orsó} * l_{orsó}}{32} =",
    u"J_{ok} = \\frac{(D_{ok}^4 − d_{ok}^4) * 3,14 * ρ_{ok} * l_{ok}}{32} =",
    u"J_{mk} = \\frac{(D_{mk}^4 − d_{mk}^4) * 3,14 * ρ_{mk} * l_{mk}}{32} =",
    u"J_{tk} = \\frac{(D_{tk}^4 − d_{tk}^4) * 3,14 * ρ_{tk} * l_{tk}}{32} =",
    u"J_{össz} = \\frac{J_{tömeg} + J_{orsó} + J_{ok}}{i^2} + J_{mk} + J_{tk} + J_m =",
};

constexpr std::array<QStringView, 11> kImage2{
    u"M_{eG1} = \\frac{(μ * g * m + F) * h}{η * 6,28 * i} =",
    u"M_{eG0} = \\frac{(μ * g * m) * h}{η * 6,28 * i} =",
    u"M_{gyG1} = \\frac{J_{össz} * n_{mG1} * 6,28}{60 * t_{gyG1}} + M_{eG1} =",
    u"M_{gyG0} = \\frac{J_{össz} * n_{mG0} * 6,28}{60 * t_{gyG0}} + M_{eG0} =",
    u"M_{lG1} = \\frac{J_{össz} * n_{mG1} * 6,28}{60 * t_{lG1}} − M_{eG1} =",
    u"M_{lG0} = \\frac{J_{össz} * n_{mG0} * 6,28}{60 * t_{lG0}} − M_{eG0} =",
    u"P_{eG1} = \\frac{6,28 * n_{mG1} * M_{eG1}}{60} =",
    u"P_{gylG1} = (\\frac{6,28 * n_{mG1}}{60})^2 * \\frac{J_{össz}}{t_{gyG1}} =",
    u"P_{eG0} = \\frac{6,28 * n_{mG0} * M_{eG0}}{60} =",
    u"P_{gylG0} = (\\frac{6,28 * n_{mG0}}{60})^2 * \\frac{J_{össz}}{t_{gyG0}} =",
    u"M_{átlag} = \\sqrt{\\frac{M_{gyG1}^2 * t_{gyG1} + M_{eG1}^2 * t_{eG1} + M_{lG1}^2 * t_{lG1}"
    u" + M_{gyG0}^2 * t_{gyG0} + M_{eG0}^2 * t_{eG0} + M_{lG0}^2 * t_{lG0}}{t_c}} =",
};

}  // namespace

std::span<const QStringView> image1_rows() { return kImage1; }
std::span<const QStringView> image2_rows() { return kImage2; }

QString with_exact_pi(QStringView row) { return row.toString().replace(QStringLiteral("3,14"), QStringLiteral("π")); }

}  // namespace vorbento::formula
