// The built program started as from a terminal: what it prints and the
// status it ends with, for the help, the version, mistakes, Qt's own options,
// and a start with no screen at all.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)  // the screen that may be missing: X11 or Wayland
#define BRASTOLA_SCREEN_MAY_BE_MISSING
const QString no_screen_line = QStringLiteral(
    "brastola: nessuno schermo grafico disponibile: né DISPLAY né WAYLAND_DISPLAY indicano uno schermo aperto\n");
#endif

struct Run {
    int exit_code = -1;
    QProcess::ExitStatus exit_status = QProcess::CrashExit;
    QString out;
    QString err;
};

#ifdef BRASTOLA_SCREEN_MAY_BE_MISSING
// An X display number that no server answers: its socket is not there.
QString unserved_x_display()
{
    int number = 4242;
    while (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    return QStringLiteral(":%1").arg(number);
}
#endif

class CommandLineTest : public QObject {
    Q_OBJECT

    // Holds no Wayland socket, so a compositor of the machine running the
    // tests cannot be found by accident.
    QTemporaryDir runtime_dir_;

    // No X display, no Wayland display, no platform chosen.
    QProcessEnvironment without_screen() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_dir_.path());
        return environment;
    }

    Run run(const QStringList &arguments, const QProcessEnvironment &environment) const
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        // Text: Windows ends lines with \r\n, read here as \n.
        program.start(QStringLiteral(BRASTOLA_PROGRAM), arguments, QIODevice::ReadOnly | QIODevice::Text);
        Run result;
        if (!program.waitForFinished(60'000)) {
            program.kill();
            program.waitForFinished();
            return result;
        }
        result.exit_code = program.exitCode();
        result.exit_status = program.exitStatus();
        result.out = QString::fromUtf8(program.readAllStandardOutput());
        result.err = QString::fromUtf8(program.readAllStandardError());
        return result;
    }

    QString usage() const { return run({QStringLiteral("--help")}, without_screen()).out; }

    // True if the program is still running, with no complaint of its own,
    // after a while: a refused argument or a missing screen ends it at once.
    bool game_starts(const QStringList &arguments, const QProcessEnvironment &environment) const
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(BRASTOLA_PROGRAM), arguments);
        const bool ended = program.waitForFinished(1500);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        program.kill();
        program.waitForFinished();
        if (ended || err.contains(QLatin1String("brastola:")))
            qWarning("ended: %d, exit code %d, stderr: %s", ended, program.exitCode(), qPrintable(err));
        return !ended && !err.contains(QLatin1String("brastola:"));
    }

private slots:
    void initTestCase() { QVERIFY(runtime_dir_.isValid()); }

    void help_and_version_answer_and_end_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer_start");
        const QString usage_start = QStringLiteral("Uso: brastola [opzioni]\n");
        const QString version_line = QStringLiteral("Brastola " BRASTOLA_VERSION "\n");
        QTest::newRow("--help") << "--help" << usage_start;
        QTest::newRow("-h") << "-h" << usage_start;
        QTest::newRow("--version") << "--version" << version_line;
        QTest::newRow("-v") << "-v" << version_line;
    }

    void help_and_version_answer_and_end()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer_start);
        const Run answer = run({option}, without_screen());
        QCOMPARE(answer.exit_status, QProcess::NormalExit);
        QCOMPARE(answer.exit_code, 0);
        QCOMPARE(answer.err, QString());
        QVERIFY2(answer.out.startsWith(answer_start), qPrintable(answer.out));
    }

    void help_names_the_options_in_italian()
    {
        const QString help = usage();
        for (const char *named : {"Opzioni:", "-h, --help", "-v, --version", "-platform"})
            QVERIFY2(help.contains(QLatin1String(named)), named);
    }

    void version_is_one_line()
    {
        QCOMPARE(run({QStringLiteral("--version")}, without_screen()).out, QStringLiteral("Brastola " BRASTOLA_VERSION "\n"));
    }

    void mistakes_print_one_line_and_the_usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("unknown long option") << QStringList{"--foo"} << "opzione sconosciuta: --foo";
        QTest::newRow("unknown option with a value") << QStringList{"-colore=rosso"} << "opzione sconosciuta: -colore";
        QTest::newRow("unknown after a known one")
            << QStringList{"-reverse", "--righe", "5"} << "opzione sconosciuta: --righe";
        QTest::newRow("argument") << QStringList{"partita"} << "argomento inatteso: partita";
        QTest::newRow("missing value") << QStringList{"-platform"} << "manca il valore dell'opzione -platform";
        QTest::newRow("value of a flag") << QStringList{"--version=2"} << "l'opzione --version non vuole un valore";
    }

    void mistakes_print_one_line_and_the_usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        const Run mistake = run(arguments, without_screen());
        QCOMPARE(mistake.exit_status, QProcess::NormalExit);
        QCOMPARE(mistake.exit_code, 2);
        QCOMPARE(mistake.out, QString());
        QCOMPARE(mistake.err, QStringLiteral("brastola: ") + complaint + QLatin1Char('\n') + usage());
    }

    // Each of Qt's options, with its value, left for QApplication: the
    // version that follows is still answered.
    void qt_options_are_not_unknown_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("--platform") << QStringList{"--platform", "offscreen"};
        QTest::newRow("-style") << QStringList{"-style", "fusion"};
        QTest::newRow("-style=") << QStringList{"-style=fusion"};
        QTest::newRow("-reverse") << QStringList{"-reverse"};
        QTest::newRow("-geometry") << QStringList{"-geometry", "400x300+10+10"};
        QTest::newRow("-qwindowgeometry") << QStringList{"-qwindowgeometry", "400x300+10+10"};
        QTest::newRow("-qwindowtitle") << QStringList{"-qwindowtitle", "Prova"};
        QTest::newRow("-display") << QStringList{"-display", ":0"};
        QTest::newRow("-platformtheme") << QStringList{"-platformtheme", "gtk3"};
    }

    void qt_options_are_not_unknown()
    {
        QFETCH(QStringList, arguments);
        const Run version = run(arguments << QStringLiteral("--version"), without_screen());
        QCOMPARE(version.err, QString());
        QCOMPARE(version.exit_code, 0);
        QCOMPARE(version.out, QStringLiteral("Brastola " BRASTOLA_VERSION "\n"));
    }

    void game_starts_on_a_chosen_platform_with_qt_options()
    {
        const QStringList qt_options{"-reverse", "-style", "fusion", "-qwindowtitle", "Prova"};
        QVERIFY(game_starts(QStringList{"-platform", "offscreen"} + qt_options, without_screen()));
        QProcessEnvironment offscreen = without_screen();
        offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QVERIFY(game_starts(qt_options, offscreen));
    }

#ifdef BRASTOLA_SCREEN_MAY_BE_MISSING
    void no_screen_is_one_line_and_status_1_data()
    {
        QTest::addColumn<QString>("x_display");
        QTest::newRow("no display variables") << QString();
        QTest::newRow("DISPLAY names no server") << unserved_x_display();
    }

    void no_screen_is_one_line_and_status_1()
    {
        QFETCH(QString, x_display);
        QProcessEnvironment environment = without_screen();
        if (!x_display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), x_display);
        const Run start = run({}, environment);
        QCOMPARE(start.exit_status, QProcess::NormalExit);
        QCOMPARE(start.exit_code, 1);
        QCOMPARE(start.out, QString());
        QCOMPARE(start.err, no_screen_line);
    }
#endif
};

}  // namespace

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
