// The layout tables of the main window and the options window.
#include "ui/qt/window_layout.h"

namespace shortmsg::qtui {
namespace {

using std::string_view;

// One helper per look, so that each table row reads as what it shows.
Cell Line(int row, string_view control, int stretch, string_view frame = "") {
    return {row, Look::TextLine, control, "", frame, stretch, 0, 0};
}
Cell Short(int row, string_view control, int chars) {
    return {row, Look::TextLine, control, "", "", 0, chars, 0};
}
Cell Area(int row, string_view control, string_view frame = "", int lines = 0) {
    return {row, Look::TextArea, control, "", frame, 1, 0, lines};
}
Cell Log(int row, string_view control) {
    return {row, Look::TextLog, control, "", "", 1, 0, 0};
}
Cell Reading(int row, string_view control, string_view frame) {
    return {row, Look::TextRead, control, "", frame, 1, 0, 0};
}
Cell Alert(int row, string_view control, int lines) {
    return {row, Look::TextAlert, control, "", "", 1, 0, lines};
}
Cell Ports(int row, string_view portBox) {
    return {row, Look::PortList, portBox, "", "", 2, 0, 0};
}
Cell Combo(int row, string_view control, int stretch) {
    return {row, Look::Combo, control, "", "", stretch, 0, 0};
}
Cell Check(int row, string_view control, string_view frame = "") {
    return {row, Look::Check, control, "", frame, 0, 0, 0};
}
Cell Push(int row, string_view control) {
    return {row, Look::Button, control, "", "", 0, 0, 0};
}
Cell Circle(int row, string_view control) {
    return {row, Look::Circle, control, "", "", 0, 0, 0};
}
Cell Label(int row, string_view caption) {
    return {row, Look::Caption, "", caption, "", 0, 0, 0};
}
Cell Rule(int row) {
    return {row, Look::Rule, "", "", "", 1, 0, 0};
}
Cell Space(int row) {
    return {row, Look::Stretch, "", "", "", 1, 0, 0};
}

// The main window. Closing it with the frame's close button quits, as "Quit" does;
// Ctrl+Return sends from anywhere in it.
WindowLayout MainWindow() {
    return {"SMS",
            "QuitButton",
            620,
            640,
            {1, 5},
            {
                Line(0, "SendToAddress", 3, "Send to:"),
                Combo(0, "PhoneBook", 2),
                Combo(0, "QuickSMS_Combo1", 3),
                Area(1, "SMinputWindow"),
                Label(2, "# of bytes="),
                Short(2, "TxMessageByteCount", 4),
                Space(2),
                Push(2, "SendButton"),
                Push(2, "ClearButton"),
                Push(2, "SerialPortSettings"),
                Push(2, "QuitButton"),
                Alert(3, "ErrorMessageWindow", 2),
                Rule(4),
                Reading(5, "MTDisplayWindow", "Rx SMS below: "),
                Line(6, "FromAddress", 2, "From:"),
                Line(6, "ShortMessageTimeStamp", 3, "Time Stamp:"),
                Label(7, "Index="),
                Short(7, "ReadSMSMemory1Index", 4),
                Label(7, "#of SM="),
                Short(7, "NumberOfMessages", 4),
                Space(7),
                Push(7, "EraseButton"),
                Push(7, "NextButton"),
                Line(8, "DistanceMovedDisplay", 2, "Distance Moved"),
                Space(8),
                Circle(8, "MO_Supported"),
                Label(8, "MO Ready"),
                Circle(8, "MT_Supported"),
                Label(8, "MT Ready"),
            },
            {{"Ctrl+Return", "SendButton"}, {"Ctrl+Enter", "SendButton"}},
            true};
}

// The options window. Its frame's close button and Escape do what "Back to Main" does: the
// main window's timers must run again, and the main window is the only way on from here.
WindowLayout OptionsWindow() {
    return {"OptionsForm",
            "BackToMainButton",
            620,
            540,
            {3},
            {
                Line(0, "ServiceCenterAddress", 1, "SCA"),
                Check(0, "UseSCAinPhone", "SCA"),
                Check(0, "RegisteredSM", "SCA"),
                Label(1, "Serial Port ="),
                Short(1, "RadioSerialPortNumber", 12),
                Ports(1, "RadioSerialPortNumber"),
                Check(2, "SBM_Enabled"),
                Check(2, "EnableGPS"),
                Check(2, "StoreRxGPS"),
                Check(2, "ModemLog"),
                Space(2),
                Log(3, "DebugWindow"),
                Line(4, "GPS_Window", 1),
                Line(5, "AllowedNumbers", 1, "Position queries from"),
                Check(5, "ShortBurstQueries"),
                Combo(6, "MO_Message_Status", 1),
                Space(7),
                Push(7, "UpdatePhoneBookButton"),
                Push(7, "BackToMainButton"),
            },
            {{"Escape", "BackToMainButton"}}};
}

}  // namespace

const WindowLayout* StandardLayout(std::string_view formName) {
    static const WindowLayout kMain = MainWindow();
    static const WindowLayout kOptions = OptionsWindow();
    for (const WindowLayout* layout : {&kMain, &kOptions}) {
        if (layout->form == formName) return layout;
    }
    return nullptr;
}

}  // namespace shortmsg::qtui
