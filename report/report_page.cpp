#include "report/report_page.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include "presentation/look/fonts.h"
#include "presentation/look/program_name.h"

namespace vorbento {

namespace {

constexpr qreal kHeaderTop = 38;     // the title's top, from the paper's edge
constexpr qreal kContentTop = 96;    // below the header and its rule
constexpr qreal kFooterBottom = 36;  // the page number's baseline above the bottom edge

// The file's name, and while the window's figures are not the file's, that
// they are not; a name too long for the room beside the title loses its middle.
QString header_name(const ReportHeader& header, qreal room, const QFontMetricsF& metrics) {
  const QString note = header.modified ? QStringLiteral(" (nem mentett módosításokkal)") : QString();
  return metrics.elidedText(header.document_name, Qt::ElideMiddle, room - metrics.horizontalAdvance(note)) + note;
}

}  // namespace

QFont report_font(double points, bool bold, bool italic) {
  QFont font = vorbento_font(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void draw_section_title(QPainter& painter, qreal left, qreal width, qreal top, const QString& title) {
  painter.setFont(report_font(12, true));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(left, top + 4, width, 22), Qt::AlignLeft | Qt::AlignVCenter, title);
}

qreal draw_symbol(QPainter& painter, QPointF at, const QString& symbol, const QFont& font) {
  const qsizetype bar = symbol.indexOf(QLatin1Char('_'));
  const QString base = bar < 0 ? symbol : symbol.left(bar);
  painter.setFont(font);
  painter.drawText(at, base);
  qreal width = QFontMetricsF(font, painter.device()).horizontalAdvance(base);
  if (bar < 0) return width;
  QFont small = font;
  small.setPixelSize(font.pixelSize() * 3 / 4);
  painter.setFont(small);
  const qreal drop = font.pixelSize() * 0.3;
  painter.drawText(at + QPointF(width + 0.5, drop), symbol.mid(bar + 1));
  width += 0.5 + QFontMetricsF(small, painter.device()).horizontalAdvance(symbol.mid(bar + 1));
  painter.setFont(font);
  return width;
}

ReportFlow::ReportFlow(QSizeF page, qreal margin) : page_(page), margin_(margin) {}

void ReportFlow::lay_out() {
  const qreal bottom = page_.height() - kFooterBottom - 30;
  places_.clear();
  head_tops_.clear();
  int page = 0;
  qreal y = kContentTop;
  for (std::size_t k = 0; k < blocks_.size(); ++k) {
    // A title moves on together with the block it introduces.
    qreal needed = blocks_[k].height;
    if (blocks_[k].keep_with_next && k + 1 < blocks_.size()) needed += blocks_[k + 1].height;
    qreal head_top = -1;
    const qreal whole = blocks_[k].whole_height;
    const bool whole_fits_a_page = kContentTop + whole <= bottom;
    if ((blocks_[k].starts_page || y + needed > bottom || (whole_fits_a_page && y + whole > bottom)) &&
        y > kContentTop) {
      ++page;
      y = kContentTop;
      if (blocks_[k].continued_head) {
        head_top = y;
        y += blocks_[k].continued_head->height;
      }
    }
    head_tops_.push_back(head_top);
    places_.emplace_back(page, y);
    y += blocks_[k].height;
  }
  pages_ = page + 1;
}

void ReportFlow::paint(QPainter& painter, QPagedPaintDevice& device, const ReportHeader& header) const {
  int page = 0;
  paint_frame(painter, header, page);
  for (std::size_t k = 0; k < blocks_.size(); ++k) {
    while (places_[k].first > page) {
      device.newPage();
      paint_frame(painter, header, ++page);
    }
    painter.save();
    // Whatever a block holds stays between the header's rule and the footer.
    painter.setClipRect(
        QRectF(0, kContentTop - 12, page_.width(), page_.height() - kFooterBottom - 18 - kContentTop + 12));
    if (head_tops_[k] >= 0) blocks_[k].continued_head->paint(painter, head_tops_[k]);
    blocks_[k].paint(painter, places_[k].second);
    painter.restore();
  }
}

void ReportFlow::paint_frame(QPainter& painter, const ReportHeader& header, int page) const {
  painter.save();
  painter.setPen(Qt::black);
  const QFont title = report_font(13, true);
  const QFont body = report_font(9.75);
  const qreal width = right() - left();
  painter.setFont(title);
  const QString& heading = kProgramHeading;
  painter.drawText(QRectF(left(), kHeaderTop, width, 24), Qt::AlignLeft | Qt::AlignTop, heading);
  painter.setFont(body);
  painter.drawText(QRectF(left(), kHeaderTop, width, 18), Qt::AlignRight | Qt::AlignTop,
                   header_name(header, width - QFontMetricsF(title, painter.device()).horizontalAdvance(heading) - 12,
                               QFontMetricsF(body, painter.device())));
  painter.drawText(QRectF(left(), kHeaderTop + 18, width, 18), Qt::AlignRight | Qt::AlignTop,
                   header.printed.toString(QStringLiteral("yyyy.MM.dd. HH:mm")));
  painter.setPen(QPen(Qt::black, 0.75));
  painter.drawLine(QPointF(left(), kContentTop - 14), QPointF(right(), kContentTop - 14));
  painter.drawText(QRectF(left(), page_.height() - kFooterBottom - 14, width, 18), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1 / %2").arg(first_page_ + page + 1).arg(total_pages_ > 0 ? total_pages_ : pages_));
  painter.restore();
}

}  // namespace vorbento
