#include "ui/app_style.h"

#include <QApplication>
#include <QStyleFactory>

namespace vorbento {

void apply_application_style() {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
}

}  // namespace vorbento
