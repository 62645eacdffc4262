// A dark desktop palette, as dark themes set it: light text on dark grounds,
// a mid blue highlight with white text on it.
#pragma once

#include <QPalette>

namespace vorbento::test {

inline QPalette dark_palette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(53, 53, 53));
  p.setColor(QPalette::WindowText, QColor(230, 230, 230));
  p.setColor(QPalette::Base, QColor(35, 35, 35));
  p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  p.setColor(QPalette::Text, QColor(230, 230, 230));
  p.setColor(QPalette::Button, QColor(53, 53, 53));
  p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, Qt::black);
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
  p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
  return p;
}

}  // namespace vorbento::test
