#include "platform.h"

#include <array>
#include <cassert>

namespace brastola {

const char *control_name(Control control)
{
    static constexpr std::array names = {
        "Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6",
        "fia", "fia_v", "fia_p0", "fia_p",
        "Label1", "Label2", "Label3", "Label4", "Label5",
        "Label6", "Label7", "Label8", "Label9", "Label10",
        "Option1", "Option2", "Option3",
        "alto", "moderato", "basso",
        "Menu_opzioni",
        "menu_3r", "menu_5r",
        "menu_5", "menu_11", "menu_22",
    };
    static_assert(names.size() == control_count);
    return names[static_cast<std::size_t>(control)];
}

namespace {

Control offset(Control first, int row)
{
    assert(row >= 1 && row <= 5);
    return static_cast<Control>(static_cast<int>(first) + row - 1);
}

}  // namespace

Control row_control(int row) { return offset(Control::Picture1, row); }
Control count_label(int row) { return offset(Control::Label1, row); }
Control remaining_label(int row) { return offset(Control::Label6, row); }

}  // namespace brastola
