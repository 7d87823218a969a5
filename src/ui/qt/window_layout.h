#pragma once
// A window's layout as a table: rows from top to bottom, cells from left to right. A cell
// shows one control of the form (by its name) or a static caption. Cells of one row that
// name the same frame sit together in a frame with that caption. Tab goes through the
// cells in this order, which is the windows' reading order.
#include <string_view>
#include <vector>

namespace shortmsg::qtui {

enum class Look {
    TextLine,   // text box, one line
    TextArea,   // multi-line text box, vertical scroll bar
    TextLog,    // multi-line text box, both scroll bars, no wrapping, shows its end
    TextRead,   // multi-line text box for reading: a larger font
    TextAlert,  // multi-line text box for alerts: bold, announced whenever it is shown
    Combo,      // combo box with an edit field
    Check,      // check box (caption from the control)
    Button,     // button (caption from the control)
    Circle,     // filled shape, as a lamp
    PortList,   // the system's serial ports; picking one types its device into `control`
    Caption,    // static label: `caption`
    Rule,       // a horizontal line
    Stretch,    // empty room
};

struct Cell {
    int row = 0;
    Look look = Look::Caption;
    std::string_view control;  // the form's control; "" for a caption, rule or stretch
    std::string_view caption;  // a Caption's text
    std::string_view frame;    // the frame caption; "" for none
    int stretch = 0;           // share of the spare width
    int chars = 0;             // a fixed width in characters (text lines), 0: none
    int lines = 0;             // a fixed height in lines (text areas), 0: none
};

// A key that presses a button of the window, wherever the focus is in it.
struct Shortcut {
    std::string_view keys;    // as QKeySequence reads it: "Ctrl+Return"
    std::string_view button;  // the button control pressed
};

struct WindowLayout {
    std::string_view form;  // the form's name
    // The control whose click the window frame's close button stands for; "" for none.
    std::string_view closeControl;
    int width = 0;
    int height = 0;
    // Rows that take the spare height (text areas).
    std::vector<int> tallRows;
    std::vector<Cell> cells;
    std::vector<Shortcut> shortcuts = {};
    // A status bar at the foot, which repeats what the window announces.
    bool statusBar = false;
};

// The two windows' layouts by form name; nullptr for a form without one.
const WindowLayout* StandardLayout(std::string_view formName);

}  // namespace shortmsg::qtui
