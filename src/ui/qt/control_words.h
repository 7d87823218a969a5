#pragma once
// What the controls are called for a screen reader, and the letter that reaches each button
// and check box with Alt (its mnemonic). The captions on screen stay the controls' own; the
// mnemonic only marks one of their letters.
#include <QString>
#include <string_view>

namespace shortmsg::qtui {

struct ControlWords {
    std::string_view control;  // the control's name
    std::string_view name;     // its accessible name: its caption in words
    char mnemonic = 0;         // a letter of its caption (buttons and check boxes); 0: none
};

// The words of the named control; nullptr for a control without any.
const ControlWords* WordsFor(std::string_view control);

// `caption` as a widget text with `mnemonic` marked: "&" before the first letter that is
// `mnemonic` in either case, and every "&" of the caption itself doubled so that it shows.
QString WithMnemonic(const QString& caption, char mnemonic);

}  // namespace shortmsg::qtui
