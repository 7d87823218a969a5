// Both windows drawn on a real X display (Xvfb): their pictures are not empty, and are
// kept in the build folder to be looked at ("@2x" when drawn at QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <set>

#include "gui_rig.h"

namespace shortmsg::testing {
namespace {

void ExpectDrawn(QWidget& window, const std::string& name) {
    ASSERT_TRUE(window.isVisible()) << name;
    const QImage image = window.grab().toImage();
    const double scale = window.devicePixelRatioF();
    EXPECT_TRUE(image.width() >= 400 * scale && image.height() >= 300 * scale) << name;
    // Text, frames, buttons and the lamps: far more than a blank window's few colours.
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    }
    EXPECT_GE(colours.size(), 40u) << name;
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    QDir().mkpath(SHORTMSG_SCREENSHOT_DIR);
    image.save(SHORTMSG_SCREENSHOT_DIR "/" + QString::fromStdString(name) + suffix + ".png");
}

// Both windows, then messages in Cyrillic, Arabic and emoji received in UCS2 through the
// modem and shown as written.
TEST(Screenshots, BothWindowsAndMessagesInAnyScriptAreDrawn) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    GuiRig rig;
    rig.Sms().SendToAddress.SetText("+447700900123");
    rig.Sms().MO_Supported.SetFillColor(kGreen);
    rig.Sms().SendButton.Press();  // no message: the error box shows
    rig.Run(500);
    ExpectDrawn(rig.MainWindow(), "main-window");
    rig.Sms().SerialPortSettings.Press();
    rig.Options().DebugWindow.SetText("\r\nOK\r\n\r\n+CSMS: 0,001,001,001\r\n");
    rig.Run(100);
    ExpectDrawn(rig.OptionsWindow(), "options-window");
    rig.Options().BackToMainButton.Press();

    const struct {
        const char* name;
        const char* userData;  // its length in octets, then the UCS2 text
        const char* text;
    } messages[] = {
        {"cyrillic", "16041F04400438043204350442002C0020043C04380440", "Привет, мир"},
        {"arabic", "1A06450631062D0628062700200628062706440639062706440645", "مرحبا بالعالم"},
        {"emoji", "0CD83DDC4BD83CDF0DD83DDE42", "👋🌍🙂"},
    };
    for (const auto& m : messages) {
        rig.modem.Arrive(
            std::string(
                "\r\n+CMGR: 0,,30\r\n0791447700090000040C91447700091032000842601080000000") +
            m.userData + "\r\n\r\nOK\r\n");
        rig.Run(200);
        EXPECT_EQ(rig.Widget<QPlainTextEdit>("MTDisplayWindow")->toPlainText(),
                  QString::fromUtf8(m.text));
        ExpectDrawn(rig.MainWindow(), std::string("received-") + m.name);
    }
}

}  // namespace
}  // namespace shortmsg::testing
