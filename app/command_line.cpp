#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include "presentation/look/qt_texts.h"

namespace vorbento {

namespace {

// The options QGuiApplication and QApplication take out of the command line
// themselves (see qt6options(7)). Known here, hidden from the help, so that
// `vorbento -platform offscreen FILE` reaches the window while an option
// nobody knows is refused before a display is looked for.
void accept_qt_options(QCommandLineParser& parser) {
  for (const char* name :
       {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
        "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger", "dialogs", "fontengine"}) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : {"reverse", "widgetcount"}) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

// Each option of the program is one block here.
void describe(QCommandLineParser& parser) {
  // Qt's options are written with one dash ("-platform"); ours have both forms.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral("Egy szerszámgép-előtolótengely hajtásának méretezése."));
  // Qt's own help option is worded in English even under its Hungarian translation.
  parser.addOption(
      {{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, QStringLiteral("Kiírja ezt a súgót.")});
  parser.addVersionOption();
  parser.addOption({QStringLiteral("pdf"),
                    QStringLiteral("A FÁJL (vagy egy új terv) jelentését a KIMENET.pdf fájlba írja, ablak nélkül. "
                                   "Több FÁJL esetén egyetlen PDF: elöl a tengelyek összesítése egymás mellett, "
                                   "utána minden terv jelentése."),
                    QStringLiteral("KIMENET.pdf")});
  parser.addOption({QStringLiteral("results"),
                    QStringLiteral("Minden FÁJL (vagy egy új terv) minden mezőjét tabulátorral tagolt UTF-8 "
                                   "szövegként a szabványos kimenetre írja, ablak és kijelző nélkül; minden terv 54 "
                                   "mezője után a motor és orsó ellenőrzésének bemenő adatait és értékeit is.")});
  parser.addOption({QStringLiteral("set"),
                    QStringLiteral("Minden FÁJL megnyitása után a SZÖVEG-et beírja a MEZŐ bemenő adatba, ahogy "
                                   "a felhasználó gépelné, és mindent újraszámol. Többször is megadható, a "
                                   "--results és a --pdf mellett."),
                    QStringLiteral("MEZŐ=SZÖVEG")});
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("A --results mellett: táblázat helyett egyetlen JSON-dokumentum, FÁJLONKÉNT "
                                   "egy objektum a mezők kulcsával, jelével, szövegével, számával, "
                                   "mértékegységével, leírásával és jelölésével.")});
  parser.addPositionalArgument(QStringLiteral("FÁJL"), QStringLiteral("a megnyitandó terv (.vorbento)"),
                               QStringLiteral("[FÁJL...]"));
  accept_qt_options(parser);
}

[[noreturn]] void refuse(const QString& why) {
  std::fputs(qPrintable(QStringLiteral("vorbento: ") + why +
                        QStringLiteral("\nvorbento: a kapcsolók leírása: vorbento --help\n")),
             stderr);
  std::exit(1);
}

// `FIELD=TEXT` of a --set, refused unless FIELD is an input: a result is
// computed, typing into it is no user's edit.
FieldEdit field_edit(const QString& value) {
  const qsizetype eq = value.indexOf(u'=');
  if (eq < 0) refuse(QStringLiteral("a --set után MEZŐ=SZÖVEG kell, nem „%1”").arg(value));
  const QByteArray name = value.left(eq).toUtf8();
  const std::optional<Field> field =
      field_by_name(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
  if (!field) refuse(QStringLiteral("a --set ismeretlen mezőt ad meg: „%1”").arg(value.left(eq)));
  if (!is_input(*field))
    refuse(QStringLiteral("a --set „%1” mezője számított eredmény, nem írható be").arg(value.left(eq)));
  return {*field, value.mid(eq + 1).toStdString()};
}

}  // namespace

CommandLine read_command_line(int argc, char* argv[]) {
  // A core application only: it needs no display, and is gone before the
  // window's or the report's application object is made.
  QCoreApplication application(argc, argv);
  // Qt's own texts of the parser ("Ismeretlen kapcsoló", "Használat") in
  // Hungarian, whatever the locale, as the window's are.
  install_qt_texts(application);
  QCommandLineParser parser;
  describe(parser);
  // Refused here with the program's own prefix; help and version below, exit 0.
  if (!parser.parse(QCoreApplication::arguments())) refuse(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    // The usage line names the program as a user types it, not by the path it was started from.
    QString help = parser.helpText();
    const QString started_as = QCoreApplication::arguments().constFirst();
    const qsizetype at = help.indexOf(started_as);
    if (at >= 0) help.replace(at, started_as.size(), QStringLiteral("vorbento"));
    std::fputs(help.toUtf8().constData(), stdout);
    std::exit(0);
  }
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();

  CommandLine command;
  command.files = parser.positionalArguments();
  const bool pdf = parser.isSet(QStringLiteral("pdf"));
  const bool results = parser.isSet(QStringLiteral("results"));
  if (pdf && results) refuse(QStringLiteral("a --pdf és a --results nem adható meg együtt"));
  command.json = parser.isSet(QStringLiteral("json"));
  if (command.json && !results) refuse(QStringLiteral("a --json csak a --results mellett adható meg"));
  for (const QString& value : parser.values(QStringLiteral("set"))) command.edits.push_back(field_edit(value));
  if (!command.edits.empty() && !pdf && !results)
    refuse(QStringLiteral("a --set csak a --results vagy a --pdf mellett adható meg"));
  if (pdf) {
    command.mode = CommandLine::Mode::pdf;
    command.pdf = parser.value(QStringLiteral("pdf"));
    // A design named where OUT belongs would be written over.
    if (!command.pdf.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
      refuse(QStringLiteral("a --pdf után a PDF fájl neve kell, .pdf végű (nem „%1”): "
                            "vorbento --pdf KIMENET.pdf [FÁJL...]")
                 .arg(command.pdf));
  } else if (results) {
    command.mode = CommandLine::Mode::results;
  } else if (command.files.size() > 1) {
    refuse(QStringLiteral("az ablak legfeljebb egy FÁJLT nyit meg"));
  }
  return command;
}

}  // namespace vorbento
