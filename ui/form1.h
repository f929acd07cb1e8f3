#pragma once

#include "exchange.h"
#include "game.h"
#include "image_list.h"
#include "services.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace brastola::ui {

class Announcer;
class Form2;
class Form3;
class RowView;

// The main window: the rows of matches, the buttons, the difficulty frame and
// the menus. It passes every event to the Game and shows what the Game asks.
class Form1 : public QMainWindow, private Frontend {
    Q_OBJECT

public:
    explicit Form1(Services services = system_services(), QWidget *parent = nullptr);
    ~Form1() override;

    const GameState &state() const { return game_.state(); }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void build_board(QWidget *client);
    void build_buttons(QWidget *client);
    void build_pictures(QWidget *client);
    void build_menus();
    // Finds every control the game names, once, and checks its kind.
    void hold_controls();
    template <typename T>
    void hold(Control c);
    void set_tab_order();

    // A handler of the game, for the exchange to run.
    std::function<void()> handler(void (Game::*method)());
    // The pictures drawn for a screen of another pixel ratio, the rows
    // rendered again.
    void load_pictures(qreal ratio);

    void end_program();
    void menu_reg_Click();
    void Menu_inf_Click();

    // Frontend
    void show_message(std::string_view text) override;
    void set_caption(Control label, std::string_view text) override;
    void set_visible(Control control, bool visible) override;
    void set_checked(Control menu_item, bool checked) override;
    void set_menu_enabled(Control menu, bool enabled) override;
    bool select_option(Control option) override;
    void show_picture(Control box, Control holder) override;
    std::int16_t load_match_image() override;
    void clear_row(int row) override;
    void draw_match(int row, double x, double y, MatchStyle style) override;
    void tell(const Notice &notice) override;

    template <typename T>
    T *control(Control c) const;
    RowView *row(int r) const;

    Game game_;
    Exchange exchange_;
    ImageList image_list_;
    Announcer *announcer_ = nullptr;
    std::array<QObject *, control_count> controls_{};
    bool displayed_ = false;
    Control end_picture_ = Control::fia_p0;  // the holder of what Picture6 shows
    QPointer<Form2> about_;
    QPointer<Form3> rules_;
};

}  // namespace brastola::ui
