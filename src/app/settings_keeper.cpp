#include "app/settings_keeper.h"

#include <QEvent>
#include <cstdio>
#include <cstdlib>

#include "platform/xdg_folders.h"
#include "ui/options_form.h"

namespace shortmsg {
namespace {

// The kept settings: controls of the options window, text boxes (their text) and check
// boxes (their state).
struct KeptSetting {
    std::string_view control;
    Stage stage;
};

constexpr KeptSetting kKept[] = {
    {"RadioSerialPortNumber", Stage::BeforeStart},
    {"ServiceCenterAddress", Stage::BeforeStart},
    {"RegisteredSM", Stage::BeforeStart},
    {"SBM_Enabled", Stage::BeforeStart},
    {"StoreRxGPS", Stage::BeforeStart},
    {"ModemLog", Stage::BeforeStart},
    {"AllowedNumbers", Stage::BeforeStart},
    {"ShortBurstQueries", Stage::BeforeStart},
    {"UseSCAinPhone", Stage::AfterStart},
    {"EnableGPS", Stage::AfterStart},
};

bool IsKept(const Control& control) {
    for (const KeptSetting& kept : kKept) {
        if (kept.control == control.Name()) return true;
    }
    return false;
}

QString OptionKey(const Control& control) {
    return QStringLiteral("options/") + QString::fromStdString(control.Name());
}

// A window is named after its form.
QString WindowKey(const QString& formName) {
    return QStringLiteral("windows/") + formName;
}

}  // namespace

QString DefaultSettingsFile() {
    const std::filesystem::path folder =
        XdgShortmsgFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), ".config");
    return QString::fromStdString((folder / "settings.ini").string());
}

SettingsKeeper::SettingsKeeper(const QString& file, qtui::TerminalView& view)
    : settings_(file, QSettings::IniFormat), view_(view) {}

void SettingsKeeper::Clear() {
    settings_.clear();
    settings_.sync();
}

// Texts are kept as the terminal holds them (UTF-8); a check box is set as a click
// would set it, so that its handler runs.
void SettingsKeeper::Restore(OptionsForm& options, Stage stage) {
    for (const KeptSetting& kept : kKept) {
        Control* control = options.Find(kept.control);
        if (kept.stage != stage || control == nullptr) continue;
        const QVariant value = settings_.value(OptionKey(*control));
        if (!value.isValid()) continue;
        if (auto* box = dynamic_cast<TextBox*>(control)) {
            box->SetText(value.toString().toUtf8().toStdString());
        }
        if (auto* check = dynamic_cast<CheckBox*>(control)) check->SetChecked(value.toBool());
    }
}

void SettingsKeeper::ControlChanged(const Control& control, Property property,
                                    std::string_view item, int index) {
    Place(control.Parent());
    view_.ControlChanged(control, property, item, index);
    if (!IsKept(control)) return;
    if (auto* box = dynamic_cast<const TextBox*>(&control); box && property == Property::Text) {
        Save(OptionKey(control), QString::fromUtf8(box->Text()));
    } else if (auto* check = dynamic_cast<const CheckBox*>(&control);
               check && property == Property::Checked) {
        Save(OptionKey(control), check->Checked());
    }
}

// Written at once, so that nothing is lost when the program is ended from outside; a value
// the file holds already (a setting just restored) is not written again. A file that cannot
// be written is said once on standard error; the terminal works on.
void SettingsKeeper::Save(const QString& key, const QVariant& value) {
    QVariant kept = settings_.value(key);  // as the file reads back: a check box as text
    if (kept.isValid() && kept.convert(value.metaType()) && kept == value) return;
    settings_.setValue(key, value);
    settings_.sync();
    if (settings_.status() == QSettings::NoError || saveFailed_) return;
    saveFailed_ = true;
    std::fprintf(stderr, "shortmsg: cannot save the settings in %s\n",
                 qPrintable(settings_.fileName()));
}

void SettingsKeeper::FormVisibilityChanged(const Form& form) {
    Place(form);
    view_.FormVisibilityChanged(form);
}

void SettingsKeeper::Place(const Form& form) {
    if (!placed_.insert(&form).second) return;
    QWidget* window = view_.Attach(form);
    if (window == nullptr) return;
    const QVariant at = settings_.value(WindowKey(window->objectName()));
    if (at.isValid()) window->move(at.toPoint());
    window->installEventFilter(this);
}

// Only a shown window's moves are the operator's (or the window manager's placing it).
bool SettingsKeeper::eventFilter(QObject* watched, QEvent* event) {
    auto* window = dynamic_cast<QWidget*>(watched);
    if (event->type() == QEvent::Move && window != nullptr && window->isVisible()) {
        Save(WindowKey(window->objectName()), window->pos());
    }
    return false;
}

}  // namespace shortmsg
