// Qt's own texts (standard buttons, file dialogs, the command-line parser's
// messages and help) in Hungarian, whatever the user's locale.
#pragma once

class QCoreApplication;

namespace vorbento {

// Installs Qt's Hungarian translation (Debian's qt6-translations-l10n) into
// `application` for as long as it lives; without it Qt's texts stay English.
void install_qt_texts(QCoreApplication& application);

}  // namespace vorbento
