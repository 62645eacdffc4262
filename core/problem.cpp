#include "core/problem.h"

namespace vorbento {

std::string_view describe(Problem p) {
  switch (p) {
    case Problem::none:
      return "none";
    case Problem::not_a_number:
      return "not_a_number";
    case Problem::out_of_range:
      return "out_of_range";
    case Problem::not_positive:
      return "not_positive";
    case Problem::negative:
      return "negative";
    case Problem::bore_too_large:
      return "bore_too_large";
    case Problem::overflow:
      return "overflow";
    case Problem::shorter_than_motions:
      return "shorter_than_motions";
  }
  return "?";
}

}  // namespace vorbento
