// The motor speeds and the ratio typed or opened as the user's own: each must
// agree with what its formula gives over the other inputs shown.
#pragma once

#include "core/staleness.h"

namespace vorbento::speed_agreement {

// Enters the rules for nmg0, i and nmg1.
void agree_with_formulas(Agreements& agreements);

}  // namespace vorbento::speed_agreement
