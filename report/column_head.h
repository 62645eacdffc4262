// A file's name as the head of a narrow column: wrapped where a reader would
// break it (after a blank, "-", "_" or "." of the name, or before its
// extension), at most two lines, the last shortened in its middle when it
// still does not fit. The extension (".vorbento") always stays whole.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace vorbento {

inline constexpr int kHeadLines = 2;

QStringList column_head_lines(const QString& name, const QFontMetricsF& metrics, qreal width);

}  // namespace vorbento
