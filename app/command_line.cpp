#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

namespace brastola::app {

namespace {

const char usage[] =
    "Uso: brastola [opzioni]\n"
    "\n"
    "Brastola, il gioco del Nim con i fiammiferi: tu e il computer togliete a\n"
    "turno uno o più fiammiferi da una sola fila, e vince chi toglie l'ultimo.\n"
    "\n"
    "Opzioni:\n"
    "  -h, --help      mostra questo aiuto ed esce\n"
    "  -v, --version   mostra la versione ed esce\n"
    "\n"
    "Valgono anche le opzioni comuni dei programmi Qt, per esempio\n"
    "-platform, -display, -style e -reverse.\n";

// The options that QApplication, QGuiApplication and the X11 platform read
// and take out of argv themselves: they must not be called unknown here.
constexpr const char *qt_options_with_value[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle",
    "qwindowicon", "geometry", "title", "icon", "display", "name", "visual", "style", "stylesheet",
    "session", "qmljsdebugger",
};
constexpr const char *qt_flags[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

// An option as typed, without a value given after "=".
QString option_as_typed(const QString &argument)
{
    return argument.section(QLatin1Char('='), 0, 0);
}

// An option's name: as typed, without its dashes.
QString option_name(const QString &argument)
{
    QString name = option_as_typed(argument);
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name;
}

// One line naming what is wrong, in Italian: the parser's own text is English.
QString complaint(const QCommandLineParser &parser, const QStringList &arguments,
                  const QList<QCommandLineOption> &options)
{
    const auto is_flag = [&options](const QString &name) {
        for (const QCommandLineOption &option : options) {
            if (option.names().contains(name))
                return option.valueName().isEmpty();
        }
        return false;
    };
    const QStringList given = arguments.mid(1);
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        for (const QString &argument : given) {
            if (argument.startsWith(QLatin1Char('-')) && option_name(argument) == name)
                return QStringLiteral("opzione sconosciuta: ") + option_as_typed(argument);
        }
        return QStringLiteral("opzione sconosciuta: ") + name;
    }
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("argomento inatteso: ") + parser.positionalArguments().constFirst();
    for (const QString &argument : given) {
        if (argument.startsWith(QLatin1Char('-')) && argument.contains(QLatin1Char('=')) &&
            is_flag(option_name(argument)))
            return QStringLiteral("l'opzione %1 non vuole un valore").arg(option_as_typed(argument));
    }
    // The parser takes whatever follows an option as its value, so a value
    // can only be missing after the last argument.
    return QStringLiteral("manca il valore dell'opzione ") + given.constLast();
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

}  // namespace

CommandLine read_command_line(int argc, const char *const argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words: "-platform" is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    QList<QCommandLineOption> options{help, version};
    for (const char *name : qt_options_with_value)
        options << QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"));
    for (const char *name : qt_flags)
        options << QCommandLineOption(QLatin1String(name));
    parser.addOptions(options);

    CommandLine result;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("brastola: ") + complaint(parser, arguments, options) + QLatin1Char('\n'));
        print(stderr, QString::fromUtf8(usage));
        result.exit_status = 2;
    } else if (parser.isSet(help)) {
        print(stdout, QString::fromUtf8(usage));
        result.exit_status = 0;
    } else if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Brastola " BRASTOLA_VERSION "\n"));
        result.exit_status = 0;
    }
    result.platform = parser.value(QStringLiteral("platform")).toStdString();
    result.x_display = parser.value(QStringLiteral("display")).toStdString();
    return result;
}

}  // namespace brastola::app
