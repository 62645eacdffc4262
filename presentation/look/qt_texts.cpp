#include "presentation/look/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorbento {

void install_qt_texts(QCoreApplication& application) {
  auto* texts = new QTranslator(&application);
  if (texts->load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(texts);
}

}  // namespace vorbento
