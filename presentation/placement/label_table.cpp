// The 215 labels of the input and output pages: caption (blanks included) and
// box in twips. Each row lists its symbol and description labels, then the
// subscripts, numerators, denominators and exponents laid over them.
#include "presentation/placement/layout_table.h"

#include <algorithm>
#include <array>

namespace vorbento {

namespace {

// clang-format off
constexpr std::array<LabelPlacement, 215> kLabels{{
    // input page
    // nmg0
    {Field::nmg0, Page::input, "n           =", {270, 778, 705, 255}, Layer::base},
    {Field::nmg0, Page::input, "(-----------) a motor fordulatszáma a max. (G0) sebességnél", {1800, 808, 5145, 255}, Layer::base},
    {Field::nmg0, Page::input, "mG0", {420, 928, 405, 225}, Layer::overlay},
    {Field::nmg0, Page::input, "1", {2100, 718, 255, 195}, Layer::overlay, 0},
    {Field::nmg0, Page::input, "min", {2040, 958, 315, 225}, Layer::overlay, 0},
    // nmg1
    {Field::nmg1, Page::input, "n           =", {270, 1258, 735, 255}, Layer::base},
    {Field::nmg1, Page::input, "(-----------) a motor fordulatszáma a max. (G1) sebességnél", {1800, 1288, 5145, 255}, Layer::base},
    {Field::nmg1, Page::input, "mG1", {450, 1408, 435, 255}, Layer::overlay},
    {Field::nmg1, Page::input, "1", {2100, 1198, 255, 195}, Layer::overlay, 0},
    {Field::nmg1, Page::input, "min", {2040, 1438, 315, 225}, Layer::overlay, 0},
    // i
    {Field::i, Page::input, "i =", {780, 1678, 225, 255}, Layer::base},
    {Field::i, Page::input, "a lassító áttétel aránya", {1890, 1678, 2085, 255}, Layer::base},
    // h
    {Field::h, Page::input, "h =", {720, 2008, 255, 255}, Layer::base},
    {Field::h, Page::input, "(m) az orsó menetemelkedése", {1800, 2008, 2805, 255}, Layer::base},
    // vg0
    {Field::vg0, Page::input, "V       =", {390, 2428, 615, 255}, Layer::base},
    {Field::vg0, Page::input, "(------) a  kívánt sebesség G0-ban", {1830, 2428, 3015, 255}, Layer::base},
    {Field::vg0, Page::input, "g0", {510, 2518, 315, 255}, Layer::overlay},
    {Field::vg0, Page::input, "m", {1980, 2278, 255, 255}, Layer::overlay, 0},
    {Field::vg0, Page::input, "s", {1980, 2608, 165, 225}, Layer::overlay, 0},
    // vg1
    {Field::vg1, Page::input, "V       =", {390, 2998, 615, 255}, Layer::base},
    {Field::vg1, Page::input, "(------) a  kívánt sebesség G1-ban", {1830, 3030, 3015, 255}, Layer::base},
    {Field::vg1, Page::input, "g1", {570, 3118, 255, 255}, Layer::overlay},
    {Field::vg1, Page::input, "m", {1950, 2880, 255, 255}, Layer::overlay, 0},
    {Field::vg1, Page::input, "s", {1950, 3178, 165, 225}, Layer::overlay, 0},
    // a
    {Field::a, Page::input, "a  =", {660, 3570, 345, 255}, Layer::base},
    {Field::a, Page::input, "(------) a  kívánt gyorsulás", {1830, 3568, 2295, 255}, Layer::base},
    {Field::a, Page::input, "m", {1980, 3418, 255, 255}, Layer::overlay, 0},
    {Field::a, Page::input, "s", {1920, 3808, 165, 225}, Layer::overlay, 0},
    {Field::a, Page::input, "2", {2040, 3718, 165, 225}, Layer::overlay, 0},
    // f
    {Field::f, Page::input, "F  =", {630, 4110, 375, 255}, Layer::base},
    {Field::f, Page::input, "(N) a megmunkálóerő", {1830, 4110, 2025, 255}, Layer::base},
    // m
    {Field::m, Page::input, "m =", {630, 4470, 345, 255}, Layer::base},
    {Field::m, Page::input, "(kg) a mozgatandó tömeg (asztal+munkadarab, vagy komplett Z egység", {1830, 4470, 6465, 255}, Layer::base},
    // jm
    {Field::jm, Page::input, "J      =", {480, 4860, 495, 255}, Layer::base},
    {Field::jm, Page::input, "(kgm   ) a motor saját inerciája (katalógus adat, 1kgm  = 10000kgcm  )", {2010, 4860, 6195, 255}, Layer::base},
    {Field::jm, Page::input, "m", {630, 4950, 195, 255}, Layer::overlay},
    {Field::jm, Page::input, "2", {2430, 4740, 165, 195}, Layer::inset},
    {Field::jm, Page::input, "2", {6660, 4710, 165, 195}, Layer::inset},
    {Field::jm, Page::input, "2", {7920, 4710, 105, 195}, Layer::inset},
    // mm
    {Field::mm, Page::input, "M     =", {480, 5220, 495, 255}, Layer::base},
    {Field::mm, Page::input, "(Nm) a motor névleges forgatónyomatéka", {1800, 5250, 3795, 255}, Layer::base},
    {Field::mm, Page::input, "m", {690, 5310, 195, 255}, Layer::overlay},
    // mmmax
    {Field::mmmax, Page::input, "M          =", {240, 5550, 735, 255}, Layer::base},
    {Field::mmmax, Page::input, "(Nm) a motor maximális forgatónyomatéka", {1800, 5550, 3855, 255}, Layer::base},
    {Field::mmmax, Page::input, "max", {450, 5610, 375, 255}, Layer::overlay},
    // u
    {Field::u, Page::input, "µ          = ", {300, 5880, 675, 255}, Layer::base},
    {Field::u, Page::input, " súrlódási tényező, golyós vezetőknél ~0.2 (függőleges mozgás esetén = 1)", {1800, 5910, 6765, 255}, Layer::base},
    {Field::u, Page::input, "(mű)", {450, 5940, 405, 225}, Layer::overlay},
    // q
    {Field::q, Page::input, "h         = ", {360, 6240, 645, 255}, Layer::base},
    {Field::q, Page::input, "az orsó hatásfoka, golyósorsónál ~0.9", {1860, 6270, 3555, 255}, Layer::base},
    {Field::q, Page::input, "(éta)", {480, 6390, 405, 225}, Layer::overlay},
    // g
    {Field::g, Page::input, "g =", {690, 6660, 285, 315}, Layer::base},
    {Field::g, Page::input, "(------) nehézségi gyorsulás", {1830, 6690, 2505, 255}, Layer::base},
    {Field::g, Page::input, "m", {1950, 6510, 255, 255}, Layer::overlay, 0},
    {Field::g, Page::input, "s", {1920, 6930, 165, 225}, Layer::overlay, 0},
    {Field::g, Page::input, "2", {2040, 6840, 165, 225}, Layer::overlay, 0},
    // dorso
    {Field::dorso, Page::input, "D         = ", {300, 7140, 675, 255}, Layer::base},
    {Field::dorso, Page::input, "(m) az orsó átmérője", {1770, 7140, 1875, 255}, Layer::base},
    {Field::dorso, Page::input, "orsó", {450, 7230, 405, 195}, Layer::overlay},
    // lorso
    {Field::lorso, Page::input, "l         = ", {390, 7500, 615, 255}, Layer::base},
    {Field::lorso, Page::input, "(m) az orsó hossza", {1770, 7500, 1755, 255}, Layer::base},
    {Field::lorso, Page::input, "orsó", {450, 7590, 405, 195}, Layer::overlay},
    // porso
    {Field::porso, Page::input, "P         = ", {300, 8040, 675, 255}, Layer::base},
    {Field::porso, Page::input, "(------) azz orsó anyagának fajsúlya", {1800, 7980, 3195, 255}, Layer::base},
    {Field::porso, Page::input, "orsó", {450, 8130, 405, 195}, Layer::overlay},
    {Field::porso, Page::input, "kg", {1920, 7800, 255, 255}, Layer::overlay, 0},
    {Field::porso, Page::input, "m", {1890, 8220, 165, 225}, Layer::overlay, 0},
    {Field::porso, Page::input, "3", {2040, 8130, 165, 225}, Layer::overlay, 0},
    // dok
    {Field::dok, Page::input, "D       =", {360, 8490, 615, 255}, Layer::base},
    {Field::dok, Page::input, "(m) az orsókerék külső átmérője", {1770, 8490, 2925, 255}, Layer::base},
    {Field::dok, Page::input, "ok", {510, 8580, 315, 255}, Layer::overlay},
    // dof
    {Field::dof, Page::input, "d       =", {390, 8850, 555, 255}, Layer::base},
    {Field::dof, Page::input, "(m) az orsókerék furat átmérője", {1770, 8850, 2895, 255}, Layer::base},
    {Field::dof, Page::input, "ok", {510, 8970, 315, 255}, Layer::overlay},
    // lok
    {Field::lok, Page::input, "l         =", {390, 9210, 585, 255}, Layer::base},
    {Field::lok, Page::input, "(m) az orsókerék szélessége", {1770, 9210, 2655, 255}, Layer::base},
    {Field::lok, Page::input, "ok", {480, 9300, 315, 255}, Layer::overlay},
    // pok
    {Field::pok, Page::input, "P       =", {8130, 720, 615, 255}, Layer::base},
    {Field::pok, Page::input, "(------) az orsókerék anyagának fajsúlya (acél=7800, alu=2700)", {9510, 810, 5475, 255}, Layer::base},
    {Field::pok, Page::input, "ok", {8280, 810, 315, 255}, Layer::overlay},
    {Field::pok, Page::input, "kg", {9630, 660, 255, 255}, Layer::overlay, 0},
    {Field::pok, Page::input, "m", {9600, 990, 165, 225}, Layer::overlay, 0},
    {Field::pok, Page::input, "3", {9780, 960, 165, 195}, Layer::overlay, 0, kWindowPointSize},
    // dmk
    {Field::dmk, Page::input, "D       =", {8130, 1200, 615, 255}, Layer::base},
    {Field::dmk, Page::input, "(m) a motorkerék külső átmérője", {9540, 1170, 2955, 255}, Layer::base},
    {Field::dmk, Page::input, "mk", {8280, 1290, 315, 255}, Layer::overlay},
    // dmf
    {Field::dmf, Page::input, "d       =", {8160, 1590, 615, 255}, Layer::base},
    {Field::dmf, Page::input, "(m) a motorkerék furat átmérője", {9540, 1560, 2865, 255}, Layer::base},
    {Field::dmf, Page::input, "mk", {8310, 1680, 315, 255}, Layer::overlay},
    // lmk
    {Field::lmk, Page::input, "l        =", {8220, 1920, 525, 255}, Layer::base},
    {Field::lmk, Page::input, "(m) a motorkerék szélessége", {9540, 1920, 2715, 255}, Layer::base},
    {Field::lmk, Page::input, "mk", {8310, 2010, 315, 255}, Layer::overlay},
    // pmk
    {Field::pmk, Page::input, "P       =", {8130, 2370, 615, 255}, Layer::base},
    {Field::pmk, Page::input, "(------) a motorkerék anyagának fajsúlya (acél=7800, alu=2700)", {9510, 2400, 5505, 255}, Layer::base},
    {Field::pmk, Page::input, "mk", {8280, 2460, 315, 255}, Layer::overlay},
    {Field::pmk, Page::input, "kg", {9630, 2220, 255, 255}, Layer::overlay, 0},
    {Field::pmk, Page::input, "m", {9600, 2610, 165, 225}, Layer::overlay, 0},
    {Field::pmk, Page::input, "3", {9750, 2550, 165, 195}, Layer::overlay, 0},
    // dtk
    {Field::dtk, Page::input, "D    =", {8250, 2970, 495, 255}, Layer::base},
    {Field::dtk, Page::input, "(m) a tengelykapcsoló külső átmérője", {9540, 2970, 3495, 255}, Layer::base},
    {Field::dtk, Page::input, "tk", {8430, 3090, 135, 255}, Layer::overlay},
    // dtf
    {Field::dtf, Page::input, "d    =", {8280, 3330, 435, 255}, Layer::base},
    {Field::dtf, Page::input, "(m) a tengelykapcsoló furat átmérője", {9540, 3330, 3495, 255}, Layer::base},
    {Field::dtf, Page::input, "tk", {8430, 3450, 165, 255}, Layer::overlay},
    // ltk
    {Field::ltk, Page::input, "l      =", {8280, 3720, 435, 255}, Layer::base},
    {Field::ltk, Page::input, "(m) a tengelykapcsoló hossza", {9540, 3720, 2715, 255}, Layer::base},
    {Field::ltk, Page::input, "tk", {8370, 3810, 225, 255}, Layer::overlay},
    // ptk
    {Field::ptk, Page::input, "P     =", {8220, 4200, 495, 255}, Layer::base},
    {Field::ptk, Page::input, "(------) a ten.kapcsoló anyagának fajsúlya (acél=7800, alu=2700)", {9540, 4230, 5625, 255}, Layer::base},
    {Field::ptk, Page::input, "tk", {8400, 4290, 195, 255}, Layer::overlay},
    {Field::ptk, Page::input, "kg", {9630, 4080, 255, 255}, Layer::overlay, 0},
    {Field::ptk, Page::input, "m", {9600, 4440, 165, 225}, Layer::overlay, 0},
    {Field::ptk, Page::input, "3", {9750, 4380, 165, 195}, Layer::overlay, 0},
    // tg1
    {Field::tg1, Page::input, "t        =", {8910, 4710, 555, 255}, Layer::base},
    {Field::tg1, Page::input, "a G1 sebességgel való mozgás időtartama", {10320, 4710, 3975, 255}, Layer::base},
    {Field::tg1, Page::input, "G1", {9030, 4830, 255, 255}, Layer::overlay},
    // tg0
    {Field::tg0, Page::input, "t        =", {8910, 5190, 555, 255}, Layer::base},
    {Field::tg0, Page::input, "a G0 sebességgel való mozgás időtartama", {10320, 5190, 4035, 255}, Layer::base},
    {Field::tg0, Page::input, "G0", {9030, 5310, 255, 255}, Layer::overlay},
    // tc
    {Field::tc, Page::input, "t    =", {9090, 5640, 405, 255}, Layer::base},
    {Field::tc, Page::input, "a G0 és G1 mozgások cikusideje", {10320, 5610, 2985, 255}, Layer::base},
    {Field::tc, Page::input, "c", {9150, 5700, 195, 255}, Layer::overlay},
    // conversion note: 1 m/s = 60000 mm/min
    {std::nullopt, Page::input, "(1----- = 60000 ---------)", {4920, 2430, 2025, 255}, Layer::base},
    {std::nullopt, Page::input, "m", {5130, 2280, 255, 255}, Layer::overlay, 0},
    {std::nullopt, Page::input, "s", {5130, 2580, 165, 225}, Layer::overlay, 0},
    {std::nullopt, Page::input, "mm", {6240, 2280, 405, 255}, Layer::overlay, 1},
    {std::nullopt, Page::input, "min", {6240, 2580, 345, 225}, Layer::overlay, 1},
    // conversion note: 1 m/s² = 1000 mm/s²
    {std::nullopt, Page::input, "(1----- = 1000 ---------)", {4110, 3570, 1815, 255}, Layer::base},
    {std::nullopt, Page::input, "m", {4320, 3420, 255, 255}, Layer::overlay, 0},
    {std::nullopt, Page::input, "s", {4260, 3810, 165, 225}, Layer::overlay, 0},
    {std::nullopt, Page::input, "2", {4410, 3720, 165, 225}, Layer::overlay, 0},
    {std::nullopt, Page::input, "mm", {5280, 3420, 405, 255}, Layer::overlay, 1},
    {std::nullopt, Page::input, "s", {5340, 3810, 165, 225}, Layer::overlay, 1},
    {std::nullopt, Page::input, "2", {5490, 3720, 165, 225}, Layer::overlay, 1},
    // output page
    // tgyg1
    {Field::tgyg1, Page::output, "t           =", {420, 1290, 675, 255}, Layer::base},
    {Field::tgyg1, Page::output, "(s) a gyorsulási idő 0-ról G1 sebességre", {2070, 1320, 3615, 255}, Layer::base},
    {Field::tgyg1, Page::output, "gyG1", {510, 1380, 435, 255}, Layer::overlay},
    // tlg1
    {Field::tlg1, Page::output, "t        =", {540, 1680, 525, 255}, Layer::base},
    {Field::tlg1, Page::output, "(s) a lassítási idő G1 sebességről 0-ra", {2070, 1710, 3435, 255}, Layer::base},
    {Field::tlg1, Page::output, "lG1", {630, 1830, 345, 255}, Layer::overlay},
    // tgyg0
    {Field::tgyg0, Page::output, "t           =", {390, 2070, 675, 255}, Layer::base},
    {Field::tgyg0, Page::output, "(s) a gyorsulási idő 0-ról G0 sebességre", {2040, 2130, 3615, 255}, Layer::base},
    {Field::tgyg0, Page::output, "gyG0", {450, 2190, 495, 255}, Layer::overlay},
    // tlg0
    {Field::tlg0, Page::output, "t        =", {510, 2520, 525, 255}, Layer::base},
    {Field::tlg0, Page::output, "(s) a lassítási idő G0 sebességről 0-ra", {2040, 2550, 3435, 255}, Layer::base},
    {Field::tlg0, Page::output, "lG0", {600, 2670, 345, 255}, Layer::overlay},
    // meg1
    {Field::meg1, Page::output, "M        =", {3510, 4635, 825, 255}, Layer::base},
    {Field::meg1, Page::output, "(Nm) forgatónyomaték az előtoláshoz - folyamatos G1 sebességen", {5250, 4620, 5265, 255}, Layer::base},
    {Field::meg1, Page::output, "eG1", {3660, 4680, 375, 255}, Layer::overlay},
    // meg0
    {Field::meg0, Page::output, "M         =", {3450, 4920, 675, 255}, Layer::base},
    {Field::meg0, Page::output, "(Nm) forgatónyomaték az előtoláshoz - folyamatos G0 sebességen", {5280, 4980, 5985, 255}, Layer::base},
    {Field::meg0, Page::output, "eG0", {3630, 5010, 375, 255}, Layer::overlay},
    // mgyg1
    {Field::mgyg1, Page::output, "M          =", {3420, 5280, 765, 255}, Layer::base},
    {Field::mgyg1, Page::output, "(Nm) forgatónyomaték a gyorsításhoz G1 sebességre (max. M              lehet)", {5250, 5370, 6735, 255}, Layer::base},
    {Field::mgyg1, Page::output, "gyG1", {3570, 5340, 435, 255}, Layer::overlay},
    {Field::mgyg1, Page::output, "mmax", {10770, 5400, 525, 255}, Layer::inset},
    // mgyg0
    {Field::mgyg0, Page::output, "M          =", {3420, 5670, 765, 255}, Layer::base},
    {Field::mgyg0, Page::output, "(Nm) forgatónyomaték a gyorsításhoz G0 sebességre", {5250, 5760, 4875, 255}, Layer::base},
    {Field::mgyg0, Page::output, "gyG0", {3570, 5760, 495, 255}, Layer::overlay},
    // mlg1
    {Field::mlg1, Page::output, "M       =", {3540, 6060, 615, 255}, Layer::base},
    {Field::mlg1, Page::output, "(Nm) forgatónyomaték a lassításhoz G1 sebességről (max. M              lehet)", {5250, 6150, 6615, 255}, Layer::base},
    {Field::mlg1, Page::output, "lG1", {3720, 6120, 315, 255}, Layer::overlay},
    {Field::mlg1, Page::output, "mmax", {10680, 6300, 585, 255}, Layer::inset},
    // mlg0
    {Field::mlg0, Page::output, "M       =", {3540, 6420, 615, 255}, Layer::base},
    {Field::mlg0, Page::output, "(Nm) forgatónyomaték a lassításhoz G0 sebességről", {5250, 6510, 4755, 255}, Layer::base},
    {Field::mlg0, Page::output, "lG0", {3720, 6510, 315, 255}, Layer::overlay},
    // matlag
    {Field::matlag, Page::output, "M         =", {3450, 6750, 705, 255}, Layer::base},
    {Field::matlag, Page::output, "(Nm) forgatónyomatékok időarányos átlaga (max. M    lehet)", {5250, 6840, 5325, 255}, Layer::base},
    {Field::matlag, Page::output, "átlag", {3600, 6840, 435, 255}, Layer::overlay},
    {Field::matlag, Page::output, "m", {9870, 6930, 195, 255}, Layer::inset},
    // peg1
    {Field::peg1, Page::output, "P        =", {3540, 7200, 645, 255}, Layer::base},
    {Field::peg1, Page::output, "(W) motorteljesítmény az előtoláshoz - folyamatos G1 sebességen", {5250, 7230, 5925, 255}, Layer::base},
    {Field::peg1, Page::output, "eG1", {3690, 7260, 375, 255}, Layer::overlay},
    // pgylg1
    {Field::pgylg1, Page::output, "P           =", {3420, 7650, 765, 255}, Layer::base},
    {Field::pgylg1, Page::output, "(W) motorteljesítmény a G1 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz", {5280, 7650, 7905, 255}, Layer::base},
    {Field::pgylg1, Page::output, "gylg1", {3570, 7740, 465, 255}, Layer::overlay},
    // peg0
    {Field::peg0, Page::output, "P        =", {3540, 8010, 645, 255}, Layer::base},
    {Field::peg0, Page::output, "(W) motorteljesítmény az előtoláshoz - folyamatos G0 sebességen", {5250, 8040, 5925, 255}, Layer::base},
    {Field::peg0, Page::output, "eG0", {3690, 8070, 375, 255}, Layer::overlay},
    // pgylg0
    {Field::pgylg0, Page::output, "P           =", {3390, 8430, 765, 255}, Layer::base},
    {Field::pgylg0, Page::output, "(W) motorteljesítmény a G0 sebességre való felgyorsításhoz és a 0-ra való lelassításhoz", {5490, 8400, 7905, 255}, Layer::base},
    {Field::pgylg0, Page::output, "gylg0", {3510, 8550, 525, 255}, Layer::overlay},
    // jtomeg
    {Field::jtomeg, Page::output, "J              =", {7620, 1230, 855, 285}, Layer::base},
    {Field::jtomeg, Page::output, "(kgm  ) a mozgatandó tömeg orsóra redukált inerciája", {9870, 1260, 4845, 255}, Layer::base},
    {Field::jtomeg, Page::output, "tömeg", {7740, 1290, 615, 255}, Layer::overlay},
    {Field::jtomeg, Page::output, "2", {10260, 1110, 135, 195}, Layer::inset},
    // jorso
    {Field::jorso, Page::output, "J          =", {7800, 1710, 675, 285}, Layer::base},
    {Field::jorso, Page::output, "(kgm  ) az orsó inerciája", {9870, 1710, 4125, 255}, Layer::base},
    {Field::jorso, Page::output, "orsó", {7920, 1800, 435, 255}, Layer::overlay},
    {Field::jorso, Page::output, "2", {10260, 1590, 135, 195}, Layer::inset},
    // jok
    {Field::jok, Page::output, "J      =", {7980, 2160, 495, 285}, Layer::base},
    {Field::jok, Page::output, "(kgm  ) az orsókerék inerciája  (direkt hajtás esetén: 0)", {9870, 2190, 5025, 255}, Layer::base},
    {Field::jok, Page::output, "ok", {8070, 2190, 285, 255}, Layer::overlay},
    {Field::jok, Page::output, "2", {10290, 2070, 135, 195}, Layer::inset},
    // jmk
    {Field::jmk, Page::output, "J      =", {7980, 2550, 495, 285}, Layer::base},
    {Field::jmk, Page::output, "(kgm  ) a motorkerék inerciája  (direkt hajtás esetén: 0)", {9870, 2610, 4875, 255}, Layer::base},
    {Field::jmk, Page::output, "mk", {8070, 2580, 285, 255}, Layer::overlay},
    {Field::jmk, Page::output, "2", {10260, 2460, 135, 195}, Layer::inset},
    // jtk
    {Field::jtk, Page::output, "J      =", {7980, 3000, 495, 285}, Layer::base},
    {Field::jtk, Page::output, "(kgm  ) a tengelykapcsoló inerciája  (áttétel esetén: 0)", {9870, 3060, 4965, 255}, Layer::base},
    {Field::jtk, Page::output, "tk", {8070, 3030, 285, 255}, Layer::overlay},
    {Field::jtk, Page::output, "2", {10260, 2940, 135, 195}, Layer::inset},
    // jossz
    {Field::jossz, Page::output, "J         =", {7830, 3480, 645, 285}, Layer::base},
    {Field::jossz, Page::output, "az összes inercia", {9870, 3510, 1305, 255}, Layer::base},
    {Field::jossz, Page::output, "ossz", {7920, 3510, 405, 255}, Layer::overlay},
    // t gyG1 = t lG1 and t gyG0 = t lG0 with a Mach3 motion controller
    {std::nullopt, Page::output, "t           =", {420, 2970, 675, 255}, Layer::base},
    {std::nullopt, Page::output, "gyG1", {510, 3090, 435, 255}, Layer::overlay},
    {std::nullopt, Page::output, "t        ", {1110, 2970, 525, 255}, Layer::base},
    {std::nullopt, Page::output, "lG1", {1230, 3090, 345, 255}, Layer::overlay},
    {std::nullopt, Page::output, "és", {1590, 2970, 345, 255}, Layer::base},
    {std::nullopt, Page::output, "t           =", {1860, 2970, 675, 255}, Layer::base},
    {std::nullopt, Page::output, "gyG0", {1920, 3090, 495, 255}, Layer::overlay},
    {std::nullopt, Page::output, "t        ", {2550, 2970, 525, 255}, Layer::base},
    {std::nullopt, Page::output, "lG0", {2670, 3090, 345, 255}, Layer::overlay},
    {std::nullopt, Page::output, "(Mach3 mozgásvezérlő eseténben", {3030, 2970, 3165, 255}, Layer::base},
}};
// clang-format on

// Each field's labels stand together, its symbol and its description first:
// the window gives the description to the field as its label.
constexpr bool rows_hold_together() {
  for (std::size_t n = 0; n < kFieldCount; ++n) {
    const Field f = field_at(n);
    std::size_t first = kLabels.size(), last = 0, count = 0;
    for (std::size_t k = 0; k < kLabels.size(); ++k)
      if (kLabels[k].owner == f) first = std::min(first, k), last = k, ++count;
    if (count < 2 || last - first + 1 != count) return false;
    if (kLabels[first].layer != Layer::base || kLabels[first + 1].layer != Layer::base) return false;
  }
  return true;
}
static_assert(rows_hold_together(), "a field's labels stand together, symbol and description first");

}  // namespace

std::span<const LabelPlacement> label_placements() { return kLabels; }

std::span<const LabelPlacement> caption_labels(Field f) {
  const auto own = [f](const LabelPlacement& l) { return l.owner == f; };
  const auto first = std::find_if(kLabels.begin(), kLabels.end(), own);
  const auto end = std::find_if_not(first, kLabels.end(), own);
  return {first, end};
}

}  // namespace vorbento
