#include "ui/window/page_builder.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <limits>
#include <utility>
#include <vector>

#include "presentation/look/fonts.h"
#include "presentation/placement/field_record.h"
#include "ui/access/field_access.h"
#include "ui/placement/caption_label.h"
#include "ui/placement/label_layout.h"
#include "ui/window/result_field.h"

namespace vorbento {

namespace {

// A line edit lays its (empty) text out once with the application's font
// before it takes its own. While a page is built, the application's font is
// the page's, so that this first layout does not load the desktop's typeface
// only to drop it: a twentieth of the work before the window's first frame.
// The desktop's font is back as soon as the page stands, for the dialogs.
class ApplicationFontWhileBuilding {
 public:
  explicit ApplicationFontWhileBuilding(const QFont& font) : desktop_(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
  }
  ~ApplicationFontWhileBuilding() { QGuiApplication::setFont(desktop_); }
  ApplicationFontWhileBuilding(const ApplicationFontWhileBuilding&) = delete;
  ApplicationFontWhileBuilding& operator=(const ApplicationFontWhileBuilding&) = delete;

 private:
  const QFont desktop_;
};

QLabel* make_label(QWidget* page, const LabelBox& b, const QPalette& colours) {
  const LabelPlacement& p = *b.placement;
  auto* label = new CaptionLabel(QString::fromUtf8(p.caption), page);
  if (p.points != kControlPointSize) label->setFont(vorbento_font(p.points));
  label->setPalette(colours);
  // The label's box is painted by its backing (see build_page); the label
  // itself only draws its text.
  label->setAutoFillBackground(false);
  label->setIndent(b.indent);
  label->move(b.box.topLeft());
  label->setFixedSize(b.box.size());
  label->set_resumes(b.resumes);
  return label;
}

QLineEdit* make_field(QWidget* page, const FieldRecord& p) {
  QLineEdit* edit = is_input(p.field) ? new QLineEdit(page) : new ResultField(page);
  // First: the settings below already ask for the widget's accessible interface.
  make_accessible_field(*edit, is_input(p.field));
  const std::string_view name = vorbento::name(p.field);
  edit->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  edit->setAccessibleName(accessible_name(p.field));
  edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // No length limit: a longer paste is taken whole, never cut to another number.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setFrame(true);
  if (p.look == FieldLook::window_font) edit->setFont(vorbento_font(kWindowPointSize));
  if (p.look == FieldLook::always_white) {
    // Its text is set black with the white so it stays readable on a dark desktop too.
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    edit->setPalette(pal);
  }
  const QRect box = p.box.pixels();
  edit->move(box.topLeft());
  edit->setFixedSize(box.size());
  if (is_input(p.field)) {
    edit->setFocusPolicy(Qt::StrongFocus);
  } else {
    // Results are read-only, drawn as such: the button face of the labels
    // behind the normal text colour.
    QPalette pal = edit->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      pal.setColor(group, QPalette::Base, pal.color(group, QPalette::Button));
    edit->setPalette(pal);
  }
  return edit;
}

// The opaque button-face boxes of all labels of a page, one widget beneath
// every label's text (one widget per box would double the page's widgets and
// a good part of the window's start-up).
class LabelBackings : public QWidget {
 public:
  LabelBackings(QWidget* page, std::vector<QRect> boxes) : QWidget(page), boxes_(std::move(boxes)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(page->rect());
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    for (const QRect& box : boxes_)
      if (box.intersects(event->rect())) painter.fillRect(box, face);
  }

 private:
  std::vector<QRect> boxes_;
};

}  // namespace

void build_page(QWidget* page, Page which, FieldEdits& edits) {
  // Labels overlap: a subscript, numerator or exponent sits inside the box of
  // the symbol or description it belongs to, in the blanks left for it. All
  // boxes are painted first and all texts above them, so no opaque box hides
  // another label's text.
  // Fields and captions are born with the controls' font and keep it; only
  // those of another size set their own. Setting the same font on each again
  // would lay every field's text out once more.
  const QFont controls = vorbento_font(kControlPointSize);
  const ApplicationFontWhileBuilding building(controls);
  page->setFont(controls);
  const std::vector<LabelBox> boxes = label_boxes(which);
  std::vector<QRect> rects;
  for (const LabelBox& b : boxes) rects.push_back(b.box);
  new LabelBackings(page, std::move(rects));
  QPalette colours = page->palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  colours.setColor(QPalette::WindowText, colours.color(QPalette::ButtonText));
  // A field's row begins with two base labels, its symbol and its description.
  std::array<std::vector<QLabel*>, kFieldCount> bases;
  for (const LabelBox& b : boxes) {
    QLabel* label = make_label(page, b, colours);
    if (b.placement->layer == Layer::base && b.placement->owner) bases[index(*b.placement->owner)].push_back(label);
  }
  for (const FieldRecord& p : field_records()) {
    if (info(p.field).page != which) continue;
    QLineEdit* edit = make_field(page, p);
    edit->raise();
    edits[index(p.field)] = edit;
    // The description labels the field for assistive technology; its own
    // name reads as one phrase, where its caption is cut by dash runs and
    // blanks left for subscripts and exponents.
    QLabel* description = bases[index(p.field)].at(1);
    description->setBuddy(edit);
    description->setAccessibleName(QString::fromUtf8(p.symbol) + QStringLiteral(": ") + accessible_name(p.field));
  }
}

}  // namespace vorbento
