#include "ui/window/about_box.h"

#include <QMessageBox>

#include "presentation/look/program_name.h"

namespace vorbento {

QMessageBox* show_about_box(QWidget* parent) {
  auto* box = new QMessageBox(parent);
  box->setObjectName(QStringLiteral("nevjegy"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowTitle(QStringLiteral("A Vorbento névjegye"));
  box->setIcon(QMessageBox::Information);
  box->setTextFormat(Qt::RichText);
  // The version as the menu entry writes it.
  box->setText(QStringLiteral("<b>%1</b>").arg(kProgramAndVersion));
  box->setInformativeText(
      QStringLiteral("Szerszámgép egy előtolótengelye hajtásának méretezése: gyorsulási és lassítási idők, "
                     "inerciák, nyomatékok, teljesítmények és az átlagos nyomaték egy mozgásciklusra.<br><br>"
                     "Szabad szoftver a GNU General Public License 3. vagy későbbi változata szerint "
                     "(GPL-3.0-or-later)."));
  box->setStandardButtons(QMessageBox::Ok);
  box->open();
  return box;
}

}  // namespace vorbento
