// The built program started as from a terminal: what it prints and the
// status it ends with, for the help, the version, mistakes, Qt's own options,
// a start with no screen at all, and a platform that cannot start.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)  // the screen that may be missing: X11 or Wayland
#define BRASTOLA_SCREEN_MAY_BE_MISSING
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

    Run run(const QStringList &arguments, const QProcessEnvironment &environment,
            const QString &path = QStringLiteral(BRASTOLA_PROGRAM)) const
    {
        QProcess program;
        program.setProcessEnvironment(environment);
        // Text: Windows ends lines with \r\n, read here as \n.
        program.start(path, arguments, QIODevice::ReadOnly | QIODevice::Text);
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
        if (!program.waitForStarted()) {
            qWarning("did not start: %s", qPrintable(program.errorString()));
            return false;
        }
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

#ifdef Q_OS_UNIX  // the shell's redirections make the output unwritable
    void unwritable_answers_are_one_line_and_status_1_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("redirection");  // of standard output
        for (const char *option : {"--help", "--version"})
            for (const char *redirection : {">/dev/full", ">&-"})
                QTest::addRow("%s %s", option, redirection) << option << redirection;
    }

    void unwritable_answers_are_one_line_and_status_1()
    {
        QFETCH(QString, option);
        QFETCH(QString, redirection);
        const Run answer = run({"-c", "exec \"$0\" \"$1\" " + redirection, BRASTOLA_PROGRAM, option}, without_screen(),
                               QStringLiteral("/bin/sh"));
        QCOMPARE(answer.exit_status, QProcess::NormalExit);
        QCOMPARE(answer.exit_code, 1);
        QCOMPARE(answer.err, QStringLiteral("brastola: impossibile scrivere sullo standard output\n"));
    }
#endif

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
        // Qt would leave these to no one, and start on another screen.
        QTest::newRow("-display=") << QStringList{"-display=:92"} << "l'opzione -display vuole il valore a parte: -display :92";
        QTest::newRow("--platform=") << QStringList{"--platform=xcb"} << "l'opzione --platform vuole il valore a parte: --platform xcb";
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
    // No screen to open, or a platform chosen that cannot start, where Qt
    // would abort with many lines of its own.
    void failed_start_is_one_line_and_status_1_data()
    {
        const QString unserved = unserved_x_display();
        const QString no_screen = QStringLiteral("brastola: nessuno schermo grafico disponibile: ");
        const QString no_variable = no_screen + "né DISPLAY né WAYLAND_DISPLAY indicano uno schermo aperto\n";
        const QString no_plugin = QStringLiteral("brastola: piattaforma grafica non trovata: garbage (disponibili: ");
        const QString no_x = "brastola: la piattaforma grafica xcb non può aprire lo schermo X " + unserved + " (disponibili: ";
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");  // QT_QPA_PLATFORM
        QTest::addColumn<QString>("x_display");
        QTest::addColumn<QString>("line");      // whole, or up to the platforms there are
        QTest::newRow("no display variables") << QStringList() << QString() << QString() << no_variable;
        QTest::newRow("DISPLAY names no server") << QStringList() << QString() << unserved << no_variable;
        QTest::newRow("-display names no server, the last one given")
            << QStringList{"-display", ":99999", "-display", unserved} << QString() << QString()
            << no_screen + "lo schermo X " + unserved + " indicato da -display non risponde\n";
        QTest::newRow("-platform names no plugin") << QStringList{"-platform", "garbage"} << QString() << QString() << no_plugin;
        QTest::newRow("QT_QPA_PLATFORM names no plugin") << QStringList() << "garbage" << QString() << no_plugin;
        QTest::newRow("-platform xcb, DISPLAY names no server") << QStringList{"-platform", "xcb"} << QString() << unserved << no_x;
        QTest::newRow("QT_QPA_PLATFORM xcb, DISPLAY names no server") << QStringList() << "xcb" << unserved << no_x;
        QTest::newRow("-platform xcb, -display names no server")
            << QStringList{"-platform", "xcb", "-display", unserved} << QString() << QString() << no_x;
    }

    void failed_start_is_one_line_and_status_1()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QFETCH(QString, x_display);
        QFETCH(QString, line);
        QProcessEnvironment environment = without_screen();
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!x_display.isEmpty())
            environment.insert(QStringLiteral("DISPLAY"), x_display);
        const Run start = run(arguments, environment);
        QCOMPARE(start.exit_status, QProcess::NormalExit);
        QCOMPARE(start.exit_code, 1);
        QCOMPARE(start.out, QString());
        if (line.endsWith('\n')) {
            QCOMPARE(start.err, line);
            return;
        }
        const QString listed = start.err.mid(line.size());  // the platforms there are, then the end
        QVERIFY2(start.err.startsWith(line) && listed.endsWith(")\n") && listed.count('\n') == 1 &&
                     listed.contains("offscreen, ") && listed.contains("xcb"), qPrintable(start.err));
    }
#endif
};

}  // namespace

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
