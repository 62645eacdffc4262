#include "ui/placement/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace vorbento {

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
  // Plain before the text arrives: the caption is never parsed as markup.
  setTextFormat(Qt::PlainText);
  setText(caption);
  setWordWrap(false);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::set_resumes(std::vector<TextResume> resumes) {
  std::sort(resumes.begin(), resumes.end(), [](const TextResume& a, const TextResume& b) { return a.from < b.from; });
  resumes_ = std::move(resumes);
  update();
}

std::vector<CaptionLabel::Run> CaptionLabel::runs() const {
  const QFontMetricsF metrics(font());
  const QString caption = text();
  std::vector<Run> result;
  qsizetype from = 0;
  double x = std::max(0, indent());
  for (const TextResume& r : resumes_) {
    const QString piece = caption.mid(from, r.from - from);
    result.push_back({piece, x});
    x = std::max(x + metrics.horizontalAdvance(piece), static_cast<double>(r.min_x));
    from = r.from;
  }
  result.push_back({caption.mid(from), x});
  return result;
}

double CaptionLabel::text_right() const {
  const Run last = runs().back();
  return last.x + QFontMetricsF(font()).horizontalAdvance(last.text);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
  if (resumes_.empty()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(foregroundRole()));
  const double baseline = QFontMetricsF(font()).ascent();
  for (const Run& run : runs()) painter.drawText(QPointF(run.x, baseline), run.text);
}

}  // namespace vorbento
