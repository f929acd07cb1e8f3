// The Debian package that cpack wrote: where its files are, what it depends
// on, how its desktop entry, metainfo and icons refer to each other, and one
// version in the about window, the control file, the metainfo, the manual
// page and the changelog.

#include "form2.h"

#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString package_file = QStringLiteral(PACKAGE_FILE);
const QString desktop_file = QStringLiteral("usr/share/applications/io.github.brastola.Brastola.desktop");
const QString metainfo_file = QStringLiteral("usr/share/metainfo/io.github.brastola.Brastola.metainfo.xml");
const QRegularExpression icon_path(QStringLiteral("^usr/share/icons/hicolor/(\\d+)x(\\d+)/apps/([^/]+)$"));

QString output_of(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60'000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString control_field(const QString &name)
{
    return output_of(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), package_file, name}).trimmed();
}

// One "key=value" line of a desktop entry, untranslated.
QString desktop_key(const QString &entry, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(entry).captured(1);
}

struct Metainfo {
    QString id, launchable, binary, release_version, release_date;
};

Metainfo read_metainfo(const QString &path)
{
    QFile file(path);
    Metainfo found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("release") && found.release_version.isEmpty()) {
            found.release_version = xml.attributes().value(QLatin1String("version")).toString();
            found.release_date = xml.attributes().value(QLatin1String("date")).toString();
        } else if (name == QLatin1String("id")) {
            found.id = xml.readElementText();
        } else if (name == QLatin1String("launchable")) {
            found.launchable = xml.readElementText();
        } else if (name == QLatin1String("binary")) {
            found.binary = xml.readElementText();
        }
    }
    return found;
}

class PackageTest : public QObject {
    Q_OBJECT

    QTemporaryDir unpacked_;
    QString version_;

    QString unpacked(const QString &path) const { return unpacked_.filePath(path); }

    QString text_of(const QString &path) const
    {
        QFile file(unpacked(path));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString gunzipped(const QString &path) const
    {
        return output_of(QStringLiteral("gzip"), {QStringLiteral("-dc"), unpacked(path)});
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo::exists(package_file), qPrintable(package_file + " is missing: run scripts/package"));
        QVERIFY(unpacked_.isValid());
        output_of(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), package_file, unpacked_.path()});
        version_ = control_field(QStringLiteral("Version"));
        QVERIFY(!version_.isEmpty());
    }

    void control_file_names_a_game_for_this_machine()
    {
        QCOMPARE(control_field(QStringLiteral("Package")), QStringLiteral("brastola"));
        QCOMPARE(control_field(QStringLiteral("Section")), QStringLiteral("games"));
        QCOMPARE(control_field(QStringLiteral("Architecture")),
                 output_of(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).trimmed());
        QCOMPARE(QFileInfo(package_file).fileName(),
                 QStringLiteral("brastola_%1_%2.deb").arg(version_, control_field(QStringLiteral("Architecture"))));
    }

    // Computed from the libraries the binary links: the C library's entry
    // carries the lowest version the binary needs.
    void dependencies_come_from_the_binary()
    {
        const QString depends = control_field(QStringLiteral("Depends"));
        for (const char *library : {"libc6 (>= ", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6"}) {
            const QRegularExpression listed(QStringLiteral("(^|, )") + QRegularExpression::escape(QLatin1String(library)));
            QVERIFY2(listed.match(depends).hasMatch(), qPrintable(QStringLiteral("%1 in: %2").arg(library, depends)));
        }
    }

    // Every file in its place and nothing else: the game in /usr/games, the
    // launcher files, the manual page and the documents Debian asks for, all
    // root's, only the game executable.
    void files_are_where_debian_puts_them()
    {
        const QStringList expected{
            QStringLiteral("usr/games/brastola"),
            desktop_file,
            metainfo_file,
            QStringLiteral("usr/share/man/man6/brastola.6.gz"),
            QStringLiteral("usr/share/doc/brastola/copyright"),
            QStringLiteral("usr/share/doc/brastola/changelog.gz"),
        };
        QStringList files, icons, unexpected;
        const QString listing = output_of(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), package_file});
        for (const QString &line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(fields.size(), 6);
            const QString &mode = fields[0];
            const QString path = fields[5].mid(2);  // after "./"
            QCOMPARE(fields[1], QStringLiteral("root/root"));
            if (mode.startsWith(QLatin1Char('d'))) {
                QCOMPARE(mode, QStringLiteral("drwxr-xr-x"));
                continue;
            }
            const bool executable = path == QLatin1String("usr/games/brastola");
            QCOMPARE(mode, QString::fromLatin1(executable ? "-rwxr-xr-x" : "-rw-r--r--"));
            if (icon_path.match(path).hasMatch())
                icons << path;
            else if (expected.contains(path))
                files << path;
            else
                unexpected << path;
        }
        QCOMPARE(unexpected, QStringList());
        files.sort();
        QStringList sorted_expected = expected;
        sorted_expected.sort();
        QCOMPARE(files, sorted_expected);
        for (int size : {16, 24, 32, 48, 64, 128, 256})  // every size launchers ask for
            QVERIFY2(icons.contains(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/brastola.png").arg(size)),
                     qPrintable(icons.join(QLatin1Char(' '))));
    }

    // Each icon a PNG of the size its folder names, under the name the
    // desktop entry asks for.
    void icons_are_pngs_of_their_folder_size()
    {
        const QString icon_name = desktop_key(text_of(desktop_file), QStringLiteral("Icon"));
        QDir root(unpacked_.path());
        const QString hicolor = QStringLiteral("usr/share/icons/hicolor");
        QStringList checked;
        for (const QString &size_dir : QDir(unpacked(hicolor)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            for (const QString &name : QDir(unpacked(hicolor + '/' + size_dir + "/apps")).entryList(QDir::Files)) {
                const QString path = hicolor + '/' + size_dir + "/apps/" + name;
                const QRegularExpressionMatch icon = icon_path.match(path);
                QVERIFY2(icon.hasMatch(), qPrintable(path));
                QCOMPARE(icon.captured(3), icon_name + QStringLiteral(".png"));
                QImage picture;
                QVERIFY2(picture.load(unpacked(path), "PNG"), qPrintable(path));
                QCOMPARE(picture.size(), QSize(icon.captured(1).toInt(), icon.captured(2).toInt()));
                checked << path;
            }
        }
        QVERIFY(!checked.isEmpty());
    }

    // The software centre finds the desktop entry through the metainfo, and
    // the entry starts the installed game.
    void desktop_entry_and_metainfo_name_each_other()
    {
        const Metainfo metainfo = read_metainfo(unpacked(metainfo_file));
        const QString desktop_name = QFileInfo(desktop_file).fileName();
        QCOMPARE(metainfo.launchable, desktop_name);
        QCOMPARE(metainfo.id + QStringLiteral(".desktop"), desktop_name);
        const QString exec = desktop_key(text_of(desktop_file), QStringLiteral("Exec"));
        QCOMPARE(exec, metainfo.binary);
        QVERIFY2(QFileInfo(unpacked(QStringLiteral("usr/games/") + exec)).isExecutable(), qPrintable(exec));
    }

    void about_window_shows_the_package_version()
    {
        brastola::ui::Form2 about;
        auto *label = about.findChild<QLabel *>(QStringLiteral("Lblversion"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Versione ") + version_);
    }

    void metainfo_and_manual_page_name_the_package_version()
    {
        QCOMPARE(read_metainfo(unpacked(metainfo_file)).release_version, version_);
        const QRegularExpression title(QStringLiteral("^\\.TH BRASTOLA 6 \"[^\"]*\" \"Brastola ([^\"]+)\""),
                                       QRegularExpression::MultilineOption);
        QCOMPARE(title.match(gunzipped(QStringLiteral("usr/share/man/man6/brastola.6.gz"))).captured(1), version_);
    }

    // The changelog is written by hand: its newest entry must be this
    // version, released on the day the metainfo gives.
    void changelog_newest_entry_is_this_release()
    {
        const QString changelog = gunzipped(QStringLiteral("usr/share/doc/brastola/changelog.gz"));
        const QRegularExpression heading(QStringLiteral("^brastola \\(([^)]+)\\)"));
        QCOMPARE(heading.match(changelog).captured(1), version_);
        const QRegularExpression trailer(QStringLiteral("^ -- [^<]+<[^>]+>  (.+)$"), QRegularExpression::MultilineOption);
        const QDateTime released = QDateTime::fromString(trailer.match(changelog).captured(1), Qt::RFC2822Date);
        QVERIFY2(released.isValid(), qPrintable(changelog));
        QCOMPARE(released.date().toString(Qt::ISODate), read_metainfo(unpacked(metainfo_file)).release_date);
    }
};

}  // namespace

QTEST_MAIN(PackageTest)
#include "package_test.moc"
