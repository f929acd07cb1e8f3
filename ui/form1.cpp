#include "form1.h"

#include "accessibility.h"
#include "classic.h"
#include "controls.h"
#include "exchange.h"
#include "form2.h"
#include "form3.h"
#include "maximise.h"
#include "option_button.h"
#include "picture_button.h"
#include "picture_holder.h"
#include "pictures.h"
#include "pixel_ratio.h"
#include "placement.h"
#include "row_view.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QWindow>

namespace brastola::ui {

namespace {

const QString tooltip_text = QStringLiteral("Vince chi toglie l'ultimo fiammifero");
const QString credit_text = QStringLiteral("Il gioco dei fiammiferi\n© 2026 gli autori di Brastola");

constexpr Control picture_holders[] = {Control::fia, Control::fia_v, Control::fia_p0, Control::fia_p};

constexpr Control checkable_items[] = {
    Control::alto, Control::moderato, Control::basso, Control::menu_3r,
    Control::menu_5r, Control::menu_5, Control::menu_11, Control::menu_22,
};

QString from_utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The rules and about windows exist once at most: shown again, not copied.
template <typename Window, typename... Arguments>
void show_single(QPointer<Window> &window, Arguments... arguments)
{
    if (!window)
        window = new Window(arguments...);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

Form1::Form1(Services services, QWidget *parent)
    : QMainWindow(parent), game_(*this, *services.clock, *services.random), exchange_(*this)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brastola"));
    setWindowIcon(app_icon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(6528), twips(5580));
    setCentralWidget(client);
    build_board(client);
    build_buttons(client);
    build_pictures(client);
    build_menus();
    announcer_ = new Announcer(client);
    hold_controls();
    set_tab_order();
    follow_pixel_ratio(*this, [this](qreal ratio) { load_pictures(ratio); });

    // Fixed size, and the client area below the menu bar at its design place
    // (the geometry of a window leaves its frame out).
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    setGeometry(QRect(QPoint(twips(2292), twips(1056) - client->y()), size()));
    keep_on_screen(*this);
    take_maximised_size(*this);

    game_.Form_Load();
}

Form1::~Form1() = default;

void Form1::build_board(QWidget *client)
{
    // Labels first: the rows lie above them where they overlap.
    std::array<QLabel *, 5> count_labels;
    for (int r = 1; r <= 5; ++r) {
        const int top = 120 + 1080 * (r - 1);
        count_labels[r - 1] = make_label(client, control_name(count_label(r)), {}, twips_rect(120, top, 960, 348),
                                         classic_font(13.8, true));
        make_label(client, control_name(remaining_label(r)), {}, twips_rect(360, 720 + 1080 * (r - 1), 708, 240),
                   classic_font(9.6, false, true));
    }
    for (int r = 1; r <= 5; ++r) {
        auto *row = new RowView(r, image_list_, client);
        row->setObjectName(QLatin1String(control_name(row_control(r))));
        row->setGeometry(twips_rect(720, 120 + 1080 * (r - 1), 4092, 1050));
        row->setCursor(hand_cursor(devicePixelRatioF()));
        row->setToolTip(tooltip_text);
        // A reader names the row after its count label. The remaining count
        // is not tied to it: the player hears the selection as it changes.
        count_labels[r - 1]->setBuddy(row);
        connect(row, &RowView::pressed, this, [this, r](float x, float scale_width) {
            exchange_.run([this, r, x, scale_width] { game_.Picture_MouseDown(r, x, scale_width); });
        });
        connect(row, &RowView::keyed, this, [this, r](RowKey key) {
            exchange_.run([this, r, key] { game_.Picture_KeyDown(r, key); });
        });
        connect(row, &RowView::count_requested, this, [this, r](int count) {
            exchange_.run([this, r, count] { game_.select_matches(r, count); });
        });
        connect(row, &RowView::confirmed, this, [this] { exchange_.run([this] { game_.Command3_Click(); }); });
    }
}

void Form1::build_buttons(QWidget *client)
{
    auto *ok = new PictureButton(QStringLiteral("OK"), crossed_matches, client);
    ok->setObjectName(QStringLiteral("Command3"));
    ok->setGeometry(twips_rect(4920, 0, 1452, 2520));
    ok->setFont(classic_font(12, true));
    ok->setAutoDefault(true);
    exchange_.on_click(ok, handler(&Game::Command3_Click));

    const QFont bold = classic_font(8, true);
    auto *new_game =
        make_button(client, "Command1", QStringLiteral("Nuova partita"), twips_rect(4920, 2640, 1452, 372), bold);
    exchange_.on_click(new_game, handler(&Game::Command1_Click));

    auto *frame = new QGroupBox(QStringLiteral("Grado di difficoltà"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips_rect(4920, 3000, 1452, 972));
    const struct {
        const char *name;
        const char *caption;
        QRect geometry;
        void (Game::*click)();
    } options[] = {
        {"Option1", "Alto", twips_rect(120, 200, 1212, 252), &Game::Option1_Click},
        {"Option2", "Moderato", twips_rect(120, 440, 1092, 252), &Game::Option2_Click},
        {"Option3", "Basso", twips_rect(120, 680, 972, 252), &Game::Option3_Click},
    };
    for (const auto &o : options) {
        auto *option = new OptionButton(QString::fromUtf8(o.caption), frame);
        option->setObjectName(QLatin1String(o.name));
        option->setGeometry(o.geometry);
        exchange_.on_select(option, handler(o.click));
    }

    auto *hint = make_button(client, "Command4", QStringLiteral("Aiuto"), twips_rect(4920, 4080, 1452, 372), bold);
    exchange_.on_click(hint, handler(&Game::Command4_Click));
    auto *end = make_button(client, "Command2", QStringLiteral("Fine"), twips_rect(4920, 4560, 1452, 372), bold);
    exchange_.on_click(end, [this] { end_program(); });

    QLabel *credit = make_label(client, "Label11", credit_text, twips_rect(4800, 4920, 1812, 672));
    credit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    credit->setWordWrap(true);
}

void Form1::build_pictures(QWidget *client)
{
    // Drawn for the screen the window opens on.
    const qreal ratio = devicePixelRatioF();
    new PictureHolder("fia", match_image, ratio, this);
    new PictureHolder("fia_v", computer_sad, ratio, this);
    new PictureHolder("fia_p", computer_tongue, ratio, this);
    new PictureHolder("fia_p0", computer_grin, ratio, this);

    QLabel *end_picture = make_label(client, "Picture6", {}, twips_rect(120, 0, 4812, 5532));
    end_picture->setPixmap(computer_grin(ratio));
    end_picture->setAutoFillBackground(true);
    QPalette grey = end_picture->palette();
    grey.setColor(QPalette::Window, colour::scroll_bar);
    end_picture->setPalette(grey);
    end_picture->raise();
}

void Form1::build_menus()
{
    auto add_menu = [](QMenu *parent_menu, const char *name, const QString &caption) {
        QMenu *menu = parent_menu->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto add_item = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                           std::function<void()> chosen) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        exchange_.on_trigger(action, std::move(chosen));
        return action;
    };
    auto add_separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    QMenu *game = menuBar()->addMenu(QStringLiteral("&Partita"));
    game->setObjectName(QStringLiteral("menu"));
    add_item(game, "menu1_1", QStringLiteral("Nuova &partita"), QKeySequence(Qt::CTRL | Qt::Key_N),
             handler(&Game::menu1_1_Click));
    add_item(game, "menu1_2", QStringLiteral("Aiu&to"), QKeySequence(Qt::CTRL | Qt::Key_A),
             handler(&Game::menu1_2_Click));
    add_separator(game, "menu1_5");
    QMenu *levels = add_menu(game, "opz", QStringLiteral("Grado di &difficoltà"));
    add_item(levels, "alto", QStringLiteral("&Alto"), QKeySequence(Qt::CTRL | Qt::Key_F1), handler(&Game::alto_Click));
    add_item(levels, "moderato", QStringLiteral("&Moderato"), QKeySequence(Qt::CTRL | Qt::Key_F2),
             handler(&Game::moderato_Click));
    add_item(levels, "basso", QStringLiteral("&Basso"), QKeySequence(Qt::CTRL | Qt::Key_F3),
             handler(&Game::basso_Click));
    add_separator(game, "menu1_4");
    add_item(game, "Menu1_3", QStringLiteral("&Fine"), QKeySequence(Qt::CTRL | Qt::Key_E),
             [this] { end_program(); });

    QMenu *options = menuBar()->addMenu(QStringLiteral("O&pzioni"));
    options->setObjectName(QStringLiteral("Menu_opzioni"));
    QMenu *rows = add_menu(options, "menu_righe", QStringLiteral("Numero &righe"));
    add_item(rows, "menu_3r", QStringLiteral("&3 righe"), {}, handler(&Game::menu_3r_Click));
    add_item(rows, "menu_5r", QStringLiteral("&5 righe"), {}, handler(&Game::menu_5r_Click));
    QMenu *limits = add_menu(options, "menu_fiam", QStringLiteral("Max numero &fiammiferi"));
    add_item(limits, "menu_5", QStringLiteral("&5 fiammiferi"), {}, handler(&Game::menu_5_Click));
    add_item(limits, "menu_11", QStringLiteral("&11 fiammiferi"), {}, handler(&Game::menu_11_Click));
    add_item(limits, "menu_22", QStringLiteral("&22 fiammiferi"), {}, handler(&Game::menu_22_Click));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("menu_2"));
    add_item(help, "menu_reg", QStringLiteral("Regole del &gioco"), {}, [this] { menu_reg_Click(); });
    add_separator(help, "menu_8");
    add_item(help, "Menu_inf", QStringLiteral("Informazioni &su ..."), {},
             [this] { Menu_inf_Click(); });
}

void Form1::set_tab_order()
{
    // As designed, then the rows in play, which only the keyboard needs.
    const char *const order[] = {"Command1", "Option1", "Option2",  "Option3",  "Command3", "Command4", "Command2",
                                 "Picture1", "Picture2", "Picture3", "Picture4", "Picture5"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        auto *next = findChild<QWidget *>(QLatin1String(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    findChild<QWidget *>(QStringLiteral("Command1"))->setFocus();
}

template <typename T>
void Form1::hold(Control c)
{
    T *found = findChild<T *>(QLatin1String(control_name(c)));
    if (!found)
        qFatal("Form1: no %s named %s", T::staticMetaObject.className(), control_name(c));
    controls_[static_cast<std::size_t>(c)] = found;
}

void Form1::hold_controls()
{
    for (int r = 1; r <= row_total; ++r) {
        hold<RowView>(row_control(r));
        hold<QLabel>(count_label(r));
        hold<QLabel>(remaining_label(r));
    }
    hold<QLabel>(Control::Picture6);
    for (Control c : picture_holders)
        hold<PictureHolder>(c);
    for (Control c : {Control::Option1, Control::Option2, Control::Option3})
        hold<QRadioButton>(c);
    for (Control c : checkable_items) {
        hold<QAction>(c);
        control<QAction>(c)->setCheckable(true);  // the game sets the marks
    }
    hold<QMenu>(Control::Menu_opzioni);
    for (std::size_t c = 0; c < control_count; ++c)
        if (!controls_[c])
            qFatal("Form1: %s not held", control_name(static_cast<Control>(c)));
}

template <typename T>
T *Form1::control(Control c) const
{
    // hold() checked the kind once, when the window was built.
    return static_cast<T *>(controls_[static_cast<std::size_t>(c)]);
}

RowView *Form1::row(int r) const
{
    return control<RowView>(row_control(r));
}

std::function<void()> Form1::handler(void (Game::*method)())
{
    return [this, method] { (game_.*method)(); };
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!displayed_) {
        displayed_ = true;
        exchange_.run_when_over(handler(&Game::Form_Resize));
    }
}

void Form1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && displayed_)
        exchange_.run_when_over(handler(&Game::Form_Resize));
}

void Form1::load_pictures(qreal ratio)
{
    for (Control c : picture_holders)
        control<PictureHolder>(c)->load(ratio);
    load_match_image();
    control<QLabel>(Control::Picture6)->setPixmap(control<PictureHolder>(end_picture_)->pixmap());
    for (int r = 1; r <= row_total; ++r) {
        row(r)->setCursor(hand_cursor(ratio));
        row(r)->redraw();
    }
}

void Form1::end_program()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Form1::menu_reg_Click()
{
    show_single(rules_, &exchange_);
}

void Form1::Menu_inf_Click()
{
    show_single(about_, this, &exchange_);
}

// --- Frontend

void Form1::show_message(std::string_view text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Brastola"), from_utf8(text), QMessageBox::Ok, this);
    make_classic(box);
    box.exec();
}

void Form1::set_caption(Control label, std::string_view text)
{
    auto *shown = control<QLabel>(label);
    shown->setText(from_utf8(text));
    // Every rename is an event for readers, even to the same name.
    const QString reading = label_reading(label, shown->text());
    if (shown->accessibleName() != reading)
        shown->setAccessibleName(reading);
}

void Form1::set_visible(Control c, bool visible)
{
    control<QWidget>(c)->setVisible(visible);
}

void Form1::set_checked(Control menu_item, bool checked)
{
    exchange_.set_mark(control<QAction>(menu_item), checked);
}

void Form1::set_menu_enabled(Control menu, bool enabled)
{
    // Its items too, and those of its submenus: a screen reader chooses an
    // item without opening the menu. Nobody sees them while it is closed.
    auto *disabled = control<QMenu>(menu);
    disabled->menuAction()->setEnabled(enabled);
    for (QAction *item : disabled->findChildren<QAction *>())
        item->setEnabled(enabled);
}

bool Form1::select_option(Control option)
{
    auto *button = control<QRadioButton>(option);
    if (button->isChecked())
        return false;
    exchange_.set_mark(button, true);
    return true;
}

void Form1::show_picture(Control box, Control holder)
{
    auto *shown = control<QLabel>(box);
    const auto *held = control<PictureHolder>(holder);
    shown->setPixmap(held->pixmap());
    shown->setAccessibleName(picture_description(holder));
    end_picture_ = holder;
}

std::int16_t Form1::load_match_image()
{
    image_list_.add(control<PictureHolder>(Control::fia)->pixmap(), Qt::white);
    return static_cast<std::int16_t>(image_list_.image_width());
}

void Form1::clear_row(int row)
{
    this->row(row)->clear();
}

void Form1::draw_match(int row, double x, double y, MatchStyle style)
{
    this->row(row)->draw_match(x, y, style);
}

void Form1::tell(const Notice &notice)
{
    announcer_->say(announcement(notice, game_.state()));
}

}  // namespace brastola::ui
