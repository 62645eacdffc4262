#include "core/problem.h"

namespace vorbento {

std::string_view describe(Problem p) {
  switch (p) {
    case Problem::none: return "ok";
    case Problem::not_a_number: return "not a number";
    case Problem::out_of_range: return "number out of range";
    case Problem::overflow: return "result out of range";
  }
  return "?";
}

}  // namespace vorbento
