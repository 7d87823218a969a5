#pragma once
// The settings the operator makes in the options window, and where the two windows stand,
// kept from one run to the next in an INI file ($XDG_CONFIG_HOME/shortmsg/settings.ini).
//
// The keeper stands between the forms and their windows: it passes every change on to the
// view, and saves a kept control's value, or a window's position, as soon as it changes.
// At start the saved values are put back in two steps (see Stage), as the operator's own
// setting would: with nothing saved nothing is put back, and the terminal starts exactly as
// it always has.
#include <QObject>
#include <QSettings>
#include <set>
#include <string_view>

#include "ui/controls.h"
#include "ui/qt/terminal_view.h"

namespace shortmsg {

class OptionsForm;

// When a kept setting is put back: before the main window loads (so that start-up opens the
// saved port and the first commands see the saved options), or right after it, for the
// settings whose handlers act on the main window or open a port.
enum class Stage { BeforeStart, AfterStart };

class SettingsKeeper final : public QObject, public FormObserver {
  public:
    SettingsKeeper(const QString& file, qtui::TerminalView& view);

    // Forgets everything saved (--reset-settings).
    void Clear();
    // Puts back the saved values of the settings of `stage`.
    void Restore(OptionsForm& options, Stage stage);

    void ControlChanged(const Control& control, Property property, std::string_view item,
                        int index) override;
    void FormVisibilityChanged(const Form& form) override;

  protected:
    // A window that moved: its position is saved.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Puts the form's window where it was last time, once, before it is first shown.
    void Place(const Form& form);
    void Save(const QString& key, const QVariant& value);

    QSettings settings_;
    qtui::TerminalView& view_;
    std::set<const Form*> placed_;
    bool saveFailed_ = false;
};

// The settings file under the config home.
QString DefaultSettingsFile();

}  // namespace shortmsg
