#include "report/report_groups.h"

#include <array>

namespace vorbento {

namespace {

constexpr std::array<FieldGroup, 8> kInputGroups{{
    {"Fordulatszám, áttétel, sebesség és gyorsulás", Field::nmg0, Field::a},
    {"Megmunkálóerő, tömeg és motor", Field::f, Field::mmmax},
    {"Súrlódás, hatásfok és nehézségi gyorsulás", Field::u, Field::g},
    {"Orsó", Field::dorso, Field::porso},
    {"Orsókerék", Field::dok, Field::pok},
    {"Motorkerék", Field::dmk, Field::pmk},
    {"Tengelykapcsoló", Field::dtk, Field::ptk},
    {"Mozgásidők", Field::tg1, Field::tc},
}};

constexpr std::array<FieldGroup, 3> kOutputGroups{{
    {"Gyorsulási és lassítási idők", Field::tgyg1, Field::tlg0},
    {"Forgatónyomatékok és motorteljesítmények", Field::meg1, Field::pgylg0},
    {"Inerciák", Field::jtomeg, Field::jossz},
}};

}  // namespace

std::span<const FieldGroup> input_groups() { return kInputGroups; }
std::span<const FieldGroup> output_groups() { return kOutputGroups; }

std::optional<Field> compared_rating(Field torque) {
  switch (torque) {
    case Field::mgyg1:
    case Field::mlg1:
      return Field::mmmax;
    case Field::matlag:
      return Field::mm;
    default:
      return std::nullopt;
  }
}

}  // namespace vorbento
