#include "ui/placement/label_layout.h"
#include "presentation/placement/field_record.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

namespace vorbento {

namespace {

struct Gap {
  qsizetype start = -1;  // the first blank
  qsizetype end = -1;    // the first character after the blanks
};

// The k-th run of at least `min_length` copies of `c` in the caption: runs of
// two or more blanks leave room for an inset, runs of three or more dashes are
// fraction bars. Start -1 if there is none.
Gap find_run(const QString& caption, QChar c, qsizetype min_length, int k) {
  qsizetype n = 0;
  while (n < caption.size()) {
    if (caption[n] != c) {
      ++n;
      continue;
    }
    qsizetype end = n;
    while (end < caption.size() && caption[end] == c) ++end;
    if (end - n >= min_length && k-- == 0) return {n, end};
    n = end;
  }
  return {};
}

bool rows_overlap(const QRect& a, const QRect& b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

}  // namespace

std::vector<LabelBox> label_boxes(Page page) {
  std::vector<QRect> fields;
  for (const FieldRecord& f : field_records())
    if (info(f.field).page == page) fields.push_back(f.box.pixels());

  std::vector<LabelBox> boxes;
  for (const LabelPlacement& p : label_placements()) {
    if (p.page != page) continue;
    LabelBox b{&p, p.box.pixels(), 0, {}};
    for (const QRect& f : fields)
      if (f.left() < b.box.left() && b.box.left() <= f.right() && rows_overlap(f, b.box))
        b.indent = std::max(b.indent, f.right() + 1 - b.box.left());
    boxes.push_back(b);
  }

  for (LabelBox& base : boxes) {
    if (base.placement->layer != Layer::base) continue;
    const QString caption = QString::fromUtf8(base.placement->caption);
    const QFontMetricsF metrics(vorbento_font(base.placement->points));
    auto is_over = [&base](const LabelBox& b) {
      return base.box.left() <= b.box.left() && b.box.left() <= base.box.right() && rows_overlap(base.box, b.box);
    };

    // Fractions: the first part listed (the numerator) has its text centred on
    // its bar,
    // and the other parts keep their places relative to it.
    for (int run = 0;; ++run) {
      const Gap dashes = find_run(caption, u'-', 3, run);
      if (dashes.start < 0) break;
      std::vector<LabelBox*> parts;
      for (LabelBox& b : boxes)
        if (b.placement->dash_run == run && is_over(b)) parts.push_back(&b);
      if (parts.empty()) continue;
      const double centre = base.box.left() + base.indent +
                            (metrics.horizontalAdvance(caption.left(dashes.start)) +
                             metrics.horizontalAdvance(caption.left(dashes.end))) /
                                2;
      const LabelBox& numerator = *parts.front();
      const double width = QFontMetricsF(vorbento_font(numerator.placement->points))
                               .horizontalAdvance(QString::fromUtf8(numerator.placement->caption));
      const int shift = static_cast<int>(std::lround(centre - width / 2 - numerator.box.left()));
      for (LabelBox* part : parts) part->box.translate(shift, 0);
    }

    std::vector<LabelBox*> insets;
    for (LabelBox& b : boxes)
      if (b.placement->layer == Layer::inset && is_over(b)) insets.push_back(&b);
    std::sort(insets.begin(), insets.end(),
              [](const LabelBox* l, const LabelBox* r) { return l->box.left() < r->box.left(); });
    for (std::size_t k = 0; k < insets.size(); ++k) {
      const Gap gap = find_run(caption, u' ', 2, static_cast<int>(k));
      if (gap.start < 0) break;
      LabelBox& inset = *insets[k];
      const double end = metrics.horizontalAdvance(caption.left(gap.start));
      const int left = base.indent + static_cast<int>(std::lround(end));
      inset.box.moveLeft(base.box.left() + left);
      // One pixel of air between the inset and the text that follows it.
      const QFontMetricsF inset_metrics(vorbento_font(inset.placement->points));
      const double inset_width = inset_metrics.horizontalAdvance(QString::fromUtf8(inset.placement->caption));
      base.resumes.push_back({gap.end, left + static_cast<int>(std::ceil(inset_width)) + 1});
    }
  }
  return boxes;
}

}  // namespace vorbento
