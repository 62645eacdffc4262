#include "report/report_formulas.h"

#include <QFontMetricsF>

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "presentation/formula/formula_face.h"
#include "presentation/formula/formula_markup.h"
#include "presentation/formula/formula_rows.h"
#include "report/field_rows.h"

namespace vorbento {

namespace {

using formula::FormulaStyle;

// The field each row of a picture computes; the two times of rows 4 and 5
// are equal, the acceleration time stands for both.
constexpr std::array<Field, 11> kImage1Fields{Field::i,     Field::nmg0,   Field::nmg1,  Field::tgyg1,
                                              Field::tgyg0, Field::jtomeg, Field::jorso, Field::jok,
                                              Field::jmk,   Field::jtk,    Field::jossz};
constexpr std::array<Field, 11> kImage2Fields{Field::meg1, Field::meg0,   Field::mgyg1, Field::mgyg0,
                                              Field::mlg1, Field::mlg0,   Field::peg1,  Field::pgylg1,
                                              Field::peg0, Field::pgylg0, Field::matlag};

struct Picture {
  QString caption;
  std::span<const QStringView> rows;
  std::span<const Field> fields;
  std::shared_ptr<const FormulaStyle> style;
  qreal pitch;
  qreal equals_x;       // the column of the closing "=" signs, from the picture's left
  qreal last_equals_x;  // the last row's, where it is a long one of its own
};

qreal row_end_for_equals_at(const FormulaStyle& style, qreal equals_x) {
  return equals_x + formula::op(QStringLiteral("="))->measure(style, 0).width / 2;
}

void add_picture(ReportFlow& flow, const FieldStore& store, Picture pic) {
  std::vector<FieldRow> values;
  for (Field f : pic.fields) values.push_back(field_row(store, f));
  constexpr qreal kCaption = 34;
  const qreal height = kCaption + pic.pitch * static_cast<qreal>(pic.rows.size()) + 16;
  const qreal left = flow.left() + 8;
  flow.add({height,
            [pic, values = std::move(values), left](QPainter& p, qreal top) {
              p.setFont(report_font(9.75, true));
              p.setPen(Qt::black);
              p.drawText(QRectF(left - 8, top + 4, 600, 20), Qt::AlignLeft | Qt::AlignVCenter, pic.caption);
              p.setRenderHint(QPainter::Antialiasing);
              const QFont value_font = report_font(9.75);
              const QFont stale_font = report_font(9.75, false, true);
              const FormulaStyle& style = *pic.style;
              for (std::size_t k = 0; k < pic.rows.size(); ++k) {
                const bool last = k + 1 == pic.rows.size();
                const qreal equals = last ? pic.last_equals_x : pic.equals_x;
                // π where the inertias are computed with it, for a check by hand.
                const formula::ItemPtr item = formula::parse_formula(formula::with_exact_pi(pic.rows[k]));
                const formula::Extent extent = item->measure(style, 0);
                const qreal axis = top + kCaption + pic.pitch * (static_cast<qreal>(k) + 0.5);
                const QPointF origin(left + row_end_for_equals_at(style, equals) - extent.width, axis + style.axis(0));
                item->draw(p, origin, style, 0);
                // The value after the "=", on the formula's baseline.
                const FieldRow& v = values[k];
                p.setFont(v.mark.isEmpty() ? value_font : stale_font);
                p.setPen(Qt::black);
                // A typed ratio of any length still ends on the page.
                QString shown = v.value;
                if (shown.size() > 40) shown = shown.left(shown[38].isHighSurrogate() ? 38 : 39) + QStringLiteral("…");
                if (!v.unit.isEmpty()) shown += QLatin1Char(' ') + v.unit;
                p.drawText(QPointF(origin.x() + extent.width + 6, origin.y()), shown);
              }
            },
            false, true});
}

}  // namespace

void add_formulas(ReportFlow& flow, const FieldStore& store) {
  // The sizes of the formula page; the torque rows a size smaller, with a
  // little less air around the signs, to fit their column.
  auto speeds = std::make_shared<FormulaStyle>(formula::liberation_serif_style(14, 10));
  auto torques = std::make_shared<FormulaStyle>(formula::liberation_serif_style(13, 10));
  torques->relation_space = 0.2;
  torques->operator_space = 0.13;
  add_picture(flow, store,
              {QStringLiteral("Fordulatszám, gyorsulási idő és inercia számítások"), formula::image1_rows(),
               kImage1Fields, speeds, 46, 245, 245});
  add_picture(flow, store,
              {QStringLiteral("Szükséges forgatónyomaték és motorteljesítmények számítása"), formula::image2_rows(),
               kImage2Fields, torques, 50, 191, 505});
}

}  // namespace vorbento
