#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace brastola::app {

namespace {

const char usage[] =
    "Uso: brastola [opzioni]\n"
    "\n"
    "Brastola, il gioco del Nim con i fiammiferi: tu e il computer togliete a\n"
    "turno uno o più fiammiferi da una sola riga, e vince chi toglie l'ultimo.\n"
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
// Qt reads these also as -name=value; the others only with the value in the
// argument after them, so "-display=:1" would be left for no one to read.
constexpr const char *qt_options_joined[] = {"style", "stylesheet", "qmljsdebugger"};

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

// The first argument that gives one of Qt's options its value after "=",
// where Qt would not read it.
QString value_joined_where_qt_reads_none(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-')) || !argument.contains(QLatin1Char('=')))
            continue;
        const QString name = option_name(argument);
        const auto named = [&name](const char *option) { return name == QLatin1String(option); };
        if (std::any_of(std::begin(qt_options_with_value), std::end(qt_options_with_value), named) &&
            std::none_of(std::begin(qt_options_joined), std::end(qt_options_joined), named))
            return argument;
    }
    return {};
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
    if (const QString joined = value_joined_where_qt_reads_none(arguments); !joined.isEmpty())
        return QStringLiteral("l'opzione %1 vuole il valore a parte: %1 %2")
            .arg(option_as_typed(joined), joined.section(QLatin1Char('='), 1));
    // The parser takes whatever follows an option as its value, so a value
    // can only be missing after the last argument.
    return QStringLiteral("manca il valore dell'opzione ") + given.constLast();
}

// False if the text did not reach its file whole (a closed or full one).
bool print(std::FILE *stream, const QString &text)
{
    return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

// The help or the version: status 0 once written, 1 if it could not be.
int answer(const QString &text)
{
    if (print(stdout, text))
        return 0;
    print(stderr, QStringLiteral("brastola: impossibile scrivere sullo standard output\n"));
    return 1;
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
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty() ||
        !value_joined_where_qt_reads_none(arguments).isEmpty()) {
        print(stderr, QStringLiteral("brastola: ") + complaint(parser, arguments, options) + QLatin1Char('\n'));
        print(stderr, QString::fromUtf8(usage));
        result.exit_status = 2;
    } else if (parser.isSet(help)) {
        result.exit_status = answer(QString::fromUtf8(usage));
    } else if (parser.isSet(version)) {
        result.exit_status = answer(QStringLiteral("Brastola " BRASTOLA_VERSION "\n"));
    }
    // Qt, given an option twice, keeps the last value.
    auto last = [&parser](const char *name) {
        const QStringList values = parser.values(QLatin1String(name));
        return values.isEmpty() ? std::string() : values.constLast().toStdString();
    };
    result.platform = last("platform");
    result.x_display = last("display");
    return result;
}

}  // namespace brastola::app
