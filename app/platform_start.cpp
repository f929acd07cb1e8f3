#include "platform_start.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace brastola::app {

namespace {

PlatformStart *watching = nullptr;

// The platforms asked for, as Qt reads them: -platform, else QT_QPA_PLATFORM;
// several may be given, separated by ";", each with options after ":".
QStringList chosen_platforms(const CommandLine &command_line)
{
    QString chosen = QString::fromStdString(command_line.platform);
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    QStringList names;
    for (const QString &platform : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0).toLower();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

// Qt ends its message with the platforms it found.
QStringList available_platforms(const QString &qt_message)
{
    const QLatin1String list("Available platform plugins are: ");
    const qsizetype at = qt_message.indexOf(list);
    if (at < 0)
        return {};
    QString names = qt_message.mid(at + list.size()).section(QLatin1Char('\n'), 0, 0).trimmed();
    if (names.endsWith(QLatin1Char('.')))
        names.chop(1);
    QStringList platforms = names.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    platforms.sort();
    return platforms;
}

}  // namespace

std::string platform_failure_message(const CommandLine &command_line, const QString &qt_message)
{
    const QStringList chosen = chosen_platforms(command_line);
    // Qt chose, and found neither an X server nor a compositor to open.
    if (chosen.isEmpty() && !wayland_compositor_answers()) {
        const std::string reason =
            command_line.x_display.empty()
                ? "né DISPLAY né WAYLAND_DISPLAY indicano uno schermo aperto"
                : "lo schermo X " + command_line.x_display + " indicato da -display non risponde";
        return "brastola: nessuno schermo grafico disponibile: " + reason + '\n';
    }
    const QStringList available = available_platforms(qt_message);
    QStringList missing;
    for (const QString &name : chosen) {
        if (!available.contains(name))
            missing << name;
    }
    QString line;
    if (!chosen.isEmpty() && missing.size() == chosen.size()) {
        line = QStringLiteral("piattaforma grafica non trovata: ") + missing.join(QStringLiteral(", "));
    } else if (chosen.contains(QLatin1String("xcb"))) {
        QString display = QString::fromStdString(command_line.x_display);
        if (display.isEmpty())
            display = qEnvironmentVariable("DISPLAY");
        line = display.isEmpty() ? QStringLiteral("la piattaforma grafica xcb non ha uno schermo X: DISPLAY è vuota")
                                 : QStringLiteral("la piattaforma grafica xcb non può aprire lo schermo X ") + display;
    } else {
        line = QStringLiteral("la piattaforma grafica non si è avviata: ") +
               (chosen.isEmpty() ? QStringLiteral("quella predefinita") : chosen.join(QStringLiteral(", ")));
    }
    line += available.isEmpty() ? QStringLiteral(" (nessuna piattaforma disponibile)")
                                : QStringLiteral(" (disponibili: ") + available.join(QStringLiteral(", ")) + ')';
    return QStringLiteral("brastola: %1\n").arg(line).toLocal8Bit().toStdString();
}

bool wayland_compositor_answers()
{
#ifdef Q_OS_UNIX
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    const QString runtime_dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!name.startsWith(QLatin1Char('/')) && runtime_dir.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(name.startsWith(QLatin1Char('/')) ? name : runtime_dir + '/' + name);
    sockaddr_un address{};
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), path.size() + 1);
    // A socket file left behind by a compositor that has gone refuses the
    // connection, so only a real connect tells.
    const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket_fd < 0)
        return false;
    const bool connected = connect(socket_fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    close(socket_fd);
    return connected;
#else
    return false;
#endif
}

PlatformStart::PlatformStart(const CommandLine &command_line) : command_line_(command_line)
{
    watching = this;
    previous_ = qInstallMessageHandler(&PlatformStart::handle);
}

PlatformStart::~PlatformStart()
{
    qInstallMessageHandler(previous_);
    watching = nullptr;
    for (const Message &m : held_)
        previous_(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
}

void PlatformStart::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt would abort() on return; its messages on the way here told
        // the same in many more lines.
        std::fputs(platform_failure_message(watching->command_line_, text).c_str(), stderr);
        std::_Exit(1);
    }
    watching->held_.push_back({type, context.file, context.function, context.category, context.line, text});
}

}  // namespace brastola::app
