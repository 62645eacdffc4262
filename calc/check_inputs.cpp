#include "calc/check_inputs.h"

#include "core/number_text.h"

namespace vorbento {
namespace {

constexpr std::array<CheckInputInfo, kCheckInputCount> kInputs{{
    {"nmmax", "n_max", "a motor maximális fordulatszáma", "1/min", "5000"},
    {"jaranymax", "λ_max", "a megengedett inerciaarány (terhelés / motor)", "–", "10"},
    {"csapagyazas", "", "az orsó csapágyazása", "–", "befogott-alatamasztott"},
    {"dorsomag", "d_mag", "az orsó magátmérője", "m", "0.013"},
    {"dnmax", "DN_max", "az orsó DN-határa (golyóközépkör-átmérő × fordulatszám)", "mm·1/min", "70000"},
}};

constexpr std::array<Bearing, 4> kBearings{{
    {"befogott-szabad", "befogott – szabad", 3.4, 1.3},
    {"alatamasztott-alatamasztott", "alátámasztott – alátámasztott", 9.7, 5},
    {"befogott-alatamasztott", "befogott – alátámasztott", 15.1, 10},
    {"befogott-befogott", "befogott – befogott", 21.9, 20},
}};

}  // namespace

const CheckInputInfo& info(CheckInput c) { return kInputs[index(c)]; }

std::optional<CheckInput> check_input_by_name(std::string_view name) {
  for (std::size_t n = 0; n < kCheckInputCount; ++n)
    if (kInputs[n].name == name) return check_input_at(n);
  return std::nullopt;
}

CheckTexts initial_check_texts() {
  CheckTexts texts;
  for (std::size_t n = 0; n < kCheckInputCount; ++n) texts[n] = kInputs[n].initial;
  return texts;
}

std::span<const Bearing> bearings() { return kBearings; }

const Bearing* bearing_by_word(std::string_view word) {
  for (const Bearing& b : kBearings)
    if (b.word == word) return &b;
  return nullptr;
}

Problem judge_check_input(CheckInput c, std::string_view text) {
  if (text.empty()) return Problem::none;
  if (c == CheckInput::csapagyazas) return bearing_by_word(text) ? Problem::none : Problem::not_a_number;
  const Parsed<float> single = parse_single(text);
  if (!single) return single.problem;
  return single.value > 0.0f ? Problem::none : Problem::not_positive;
}

}  // namespace vorbento
