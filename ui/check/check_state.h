// The five texts of the motor and screw check as the window holds them: part
// of the design (saved, opened, "Új"), told to whoever shows or compares them.
#pragma once

#include <QObject>

#include <string>

#include "calc/check_inputs.h"

namespace vorbento {

class CheckState : public QObject {
  Q_OBJECT
 public:
  explicit CheckState(QObject* parent = nullptr) : QObject(parent), texts_(initial_check_texts()) {}

  const CheckTexts& texts() const { return texts_; }
  const std::string& text(CheckInput c) const { return texts_[index(c)]; }
  // A user's edit; tells `changed` only when the text differs.
  void set(CheckInput c, const std::string& text);
  // A design's five at once: opened, or started anew.
  void set_all(const CheckTexts& texts);

 signals:
  void changed();

 private:
  CheckTexts texts_;
};

}  // namespace vorbento
