// A static caption: one line, no wrap, fixed box. Where an inset (an exponent
// or subscript) fills a run of blanks, the text after those blanks resumes
// only past the inset, whatever the typeface's blank width.
#pragma once

#include <QLabel>

#include <vector>

namespace vorbento {

struct TextResume {
  qsizetype from;  // caption index of the first character after the blanks
  int min_x;       // the earliest pixel (label coordinates) it may start at
};

class CaptionLabel : public QLabel {
  Q_OBJECT
 public:
  CaptionLabel(const QString& caption, QWidget* parent);

  void set_resumes(std::vector<TextResume> resumes);
  // Where the drawn text ends, indent included (label coordinates).
  double text_right() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Run {
    QString text;
    double x;
  };
  std::vector<Run> runs() const;

  std::vector<TextResume> resumes_;
};

}  // namespace vorbento
