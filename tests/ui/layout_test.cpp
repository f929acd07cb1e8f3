// The four windows against their design tables: every control by its name,
// with its kind, caption, place, font and visibility, and the main window's
// menu tree with its access keys, shortcuts and check marks. Places are in
// twips as the design gives them, 12 to a pixel.

#include "classic.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "main_window.h"
#include "scripted_services.h"
#include "window_test_main.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace brastola::ui;

namespace {

QRect pixels(const QRect &twips)
{
    auto px = [](int t) { return qRound(t / 12.0); };
    return QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
}

struct Font {
    int pixels = 0;  // 0: not part of the design
    bool bold = false;
    bool italic = false;
};
const Font plain{13};
const Font bold{13, true};

constexpr int fits_text = 0;  // a width that follows the label's text

struct Control {
    QString name;
    const char *kind;
    const char *caption;  // nullptr: the text is free, or there is none
    QRect twips;          // relative to the parent: the client area, or the frame
    Font font = {};
    bool shown = true;
};

const char *const row_view = "brastola::ui::RowView";
const char *const label = "QLabel";
const char *const button = "QPushButton";
const char *const option = "brastola::ui::OptionButton";

QString caption_of(const QWidget *w)
{
    const QVariant text = w->property("text");
    return (text.isValid() ? text : w->property("title")).toString();
}

// Compares every control of the table with the window; returns the first
// difference, or an empty string.
QString differences(const QWidget &window, const std::vector<Control> &table)
{
    for (const Control &c : table) {
        const auto found = window.findChildren<QWidget *>(c.name);
        if (found.size() != 1)
            return QStringLiteral("%1: %2 widgets of that name").arg(c.name).arg(found.size());
        const QWidget *w = found.first();
        auto differ = [&](const char *what, const auto &got, const auto &expected) {
            QString line;
            QDebug(&line) << c.name << what << "is" << got << "not" << expected;
            return line;
        };
        if (QLatin1String(w->metaObject()->className()) != QLatin1String(c.kind))
            return differ("kind", w->metaObject()->className(), c.kind);
        if (c.caption && caption_of(w) != QString::fromUtf8(c.caption))
            return differ("caption", caption_of(w), QString::fromUtf8(c.caption));
        QRect expected = pixels(c.twips);
        if (c.twips.width() == fits_text)
            expected.setWidth(w->sizeHint().width());
        if (w->geometry() != expected)
            return differ("geometry", w->geometry(), expected);
        if (c.font.pixels
            && (w->font().pixelSize() != c.font.pixels || w->font().bold() != c.font.bold
                || w->font().italic() != c.font.italic))
            return differ("font", w->font(), QString::number(c.font.pixels));
        if (w->isVisible() != c.shown)
            return differ("visibility", w->isVisible(), c.shown);
    }
    return {};
}

// The menu tree in display order, a line per entry: its depth, name, caption,
// shortcut and mark ("[x]" checked, "[ ]" can be checked).
QStringList menu_lines(const QList<QAction *> &actions, int depth = 1)
{
    QStringList lines;
    for (const QAction *a : actions) {
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        const QString caption = a->isSeparator() ? QStringLiteral("-") : a->text();
        const QString mark = a->isCheckable() ? (a->isChecked() ? QStringLiteral("[x]") : QStringLiteral("[ ]")) : QString();
        QStringList parts = {QString::number(depth), name, u'"' + caption + u'"', a->shortcut().toString(), mark};
        parts.removeAll(QString());
        lines << parts.join(u' ');
        if (a->menu())
            lines << menu_lines(a->menu()->actions(), depth + 1);
    }
    return lines;
}

bool show_exposed(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void main_window()
    {
        brastola::testing::ScriptedServices services;
        Form1 window(services.services());
        QVERIFY(show_exposed(window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Brastola"));
        QCOMPARE(window.centralWidget()->size(), pixels({0, 0, 6528, 5580}).size());
        if (brastola::testing::program_places_windows())  // on Wayland, the compositor's place
            QCOMPARE(window.centralWidget()->mapToGlobal(QPoint(0, 0)), pixels({2292, 1056, 0, 0}).topLeft());
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        std::vector<Control> table;
        for (int r = 1; r <= 5; ++r) {
            const int top = 120 + 1080 * (r - 1);
            table.push_back({QStringLiteral("Picture%1").arg(r), row_view, nullptr, {720, top, 4092, 1050}});
            table.push_back({QStringLiteral("Label%1").arg(r), label, " 0", {120, top, 960, 348}, {23, true}});
            table.push_back({QStringLiteral("Label%1").arg(r + 5), label, "", {360, 720 + 1080 * (r - 1), 708, 240},
                             {16, false, true}});
        }
        const std::vector<Control> others = {
            {"Picture6", label, nullptr, {120, 0, 4812, 5532}, {}, false},
            {"Command3", "brastola::ui::PictureButton", "OK", {4920, 0, 1452, 2520}, {20, true}},
            {"Command1", button, "Nuova partita", {4920, 2640, 1452, 372}, bold},
            {"Frame1", "QGroupBox", "Grado di difficoltà", {4920, 3000, 1452, 972}, plain},
            {"Option1", option, "Alto", {120, 200, 1212, 252}, plain},
            {"Option2", option, "Moderato", {120, 440, 1092, 252}, plain},
            {"Option3", option, "Basso", {120, 680, 972, 252}, plain},
            {"Command4", button, "Aiuto", {4920, 4080, 1452, 372}, bold},
            {"Command2", button, "Fine", {4920, 4560, 1452, 372}, bold},
            {"Label11", label, nullptr, {4800, 4920, 1812, 672}, plain},
        };
        table.insert(table.end(), others.begin(), others.end());
        const QString diff = differences(window, table);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));

        const QStringList menus = {
            "1 menu \"&Partita\"",
            "2 menu1_1 \"Nuova &partita\" Ctrl+N",
            "2 menu1_2 \"Aiu&to\" Ctrl+A",
            "2 menu1_5 \"-\"",
            "2 opz \"Grado di &difficoltà\"",
            "3 alto \"&Alto\" Ctrl+F1 [ ]",
            "3 moderato \"&Moderato\" Ctrl+F2 [x]",
            "3 basso \"&Basso\" Ctrl+F3 [ ]",
            "2 menu1_4 \"-\"",
            "2 Menu1_3 \"&Fine\" Ctrl+E",
            "1 Menu_opzioni \"O&pzioni\"",
            "2 menu_righe \"Numero &righe\"",
            "3 menu_3r \"&3 righe\" [ ]",
            "3 menu_5r \"&5 righe\" [x]",
            "2 menu_fiam \"Max numero &fiammiferi\"",
            "3 menu_5 \"&5 fiammiferi\" [ ]",
            "3 menu_11 \"&11 fiammiferi\" [ ]",
            "3 menu_22 \"&22 fiammiferi\" [x]",
            "1 menu_2 \"&?\"",
            "2 menu_reg \"Regole del &gioco\"",
            "2 menu_8 \"-\"",
            "2 Menu_inf \"Informazioni &su ...\"",
        };
        QCOMPARE(menu_lines(window.menuBar()->actions()), menus);
    }

    void start_window()
    {
        Form4 window;
        QVERIFY(show_exposed(window));
        QCOMPARE(window.size(), pixels({0, 0, 5364, 3996}).size());
        const QString diff = differences(window, {
            {"Command1", button, "Conti&nua", {720, 3000, 972, 372}, plain},
            {"Picture1", label, nullptr, {840, 960, 876, 2040}},
            {"Label1", label, "Brastola", {1320, 480, 2652, 372}, {20, true}},
            {"Picture2", label, nullptr, {720, 480, 432, 432}},
        });
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void rules_window()
    {
        Form3 window;
        QVERIFY(show_exposed(window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Regole del gioco"));
        QCOMPARE(window.size(), pixels({2628, 1224, 5484, 5184}).size());
        if (brastola::testing::program_places_windows())  // on Wayland, the compositor's place
            QCOMPARE(window.geometry(), pixels({2628, 1224, 5484, 5184}));
        const QString diff = differences(window, {
            {"Label1", label, "Mosse consentite:", {240, 240, 1572, 252}, bold},
            {"Label3", label, "è possibile elinimare un numero qualsiasi di fiammiferi da una sola riga;",
             {1920, 240, 3372, 492}, plain},
            {"Label7", label, "Come fare:", {240, 840, 1572, 252}, bold},
            {"Label8", label, "selezionare con il mouse i fiammiferi da eliminare, quindi premere il tasto OK;",
             {1920, 840, 3372, 492}, plain},
            {"Label2", label, "Aiuto:", {240, 1440, 1572, 252}, bold},
            {"Label4", label,
             "viene consigliata una possibile mossa vincente; la  successione ininterrotta di mosse vincenti porta "
             "sicuremante alla vittoria;",
             {1920, 1440, 3372, 732}, plain},
            {"Label5", label, "Chi inizia:", {240, 2160, 1572, 252}, bold},
            {"Label6", label,
             "inizia sempre l'utente; è possibile far iniziare prima il computer premendo il tasto OK al primo "
             "turno di gioco;",
             {1920, 2160, 3372, 612}, plain},
            {"Label9", label, "Chi vince:", {240, 2880, 1572, 252}, bold},
            {"Label10", label, "vince chi toglie l'ultimo fiammifero;", {1920, 2880, 3372, 252}, plain},
            {"Label11", label, "Grado di difficoltà:", {240, 3480, 1572, 252}, bold},
            {"Label12", label,
             "il grado di difficoltà più alto comporta, per vincere, l'individuazione successiva di mosse "
             "vincenti; non è consentito sbagliare; ai livelli meno impegnativi sono conentite mosse casuali "
             "nelle prime fasi del gioco.",
             {1920, 3480, 3372, 1092}, plain},
            {"Command1", button, "OK", {2280, 4680, 972, 372}, plain},
        });
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void about_window()
    {
        Form2 window;
        QVERIFY(show_exposed(window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Informazioni su Brastola"));
        QCOMPARE(window.size(), pixels({2736, 2232, 4908, 3084}).size());
        if (brastola::testing::program_places_windows())  // on Wayland, the compositor's place
            QCOMPARE(window.geometry(), pixels({2736, 2232, 4908, 3084}));
        const QString diff = differences(window, {
            {"Label1", label, "Brastola", {840, 120, fits_text, 348}, {23}},
            {"Picture2", label, nullptr, {120, 360, 384, 384}},
            {"Lblversion", label, "Versione 1.0.0", {840, 480, 1332, 252}, plain},
            {"Lbltitle", label, "Brastola", {840, 720, 1332, 252}, plain},
            {"Label2", label, "Vince chi toglie l'ultimo fiammifero !!!", {840, 1080, fits_text, 192}, plain},
            {"Label3", label, nullptr, {840, 1320, fits_text, 192}, plain},
            {"Label4", label, nullptr, {840, 1560, fits_text, 192}, plain},
            // An etched groove: a 1-pixel shadow over the top of a 3-pixel light line.
            {"Line2", "QFrame", nullptr, {240, 1812, 3120, 12}},
            {"Line1", "QFrame", nullptr, {240, 1812, 3120, 36}},
            {"Label5", label, "Stai attento a quello che fai!", {360, 1920, fits_text, 240}, {16}},
            {"Picture1", label, nullptr, {3720, 120, 876, 2040}},
            {"Command1", button, "OK", {3600, 2280, 1092, 372}, plain},
        });
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
};

BRASTOLA_WINDOW_TEST_MAIN(LayoutTest)

#include "layout_test.moc"
