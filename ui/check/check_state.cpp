#include "ui/check/check_state.h"

namespace vorbento {

void CheckState::set(CheckInput c, const std::string& text) {
  if (texts_[index(c)] == text) return;
  texts_[index(c)] = text;
  emit changed();
}

void CheckState::set_all(const CheckTexts& texts) {
  if (texts_ == texts) return;
  texts_ = texts;
  emit changed();
}

}  // namespace vorbento
