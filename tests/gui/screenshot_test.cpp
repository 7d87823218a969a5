// Both windows drawn on a real X display (Xvfb): their pictures are not empty, and are
// kept in the build folder to be looked at ("@2x" when drawn at QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QPlainTextEdit>
#include <cstdio>
#include <set>

#include "gui_rig.h"

namespace shortmsg::testing {
namespace {

// Distinct colours in the picture, up to `enough`.
size_t Colours(const QImage& image, size_t enough) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < enough; y += 3) {
        for (int x = 0; x < image.width() && colours.size() < enough; x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours.size();
}

void ExpectDrawn(QWidget& window, const QString& name) {
    ASSERT_TRUE(window.isVisible()) << name.toStdString();
    const QImage image = window.grab().toImage();
    const double scale = window.devicePixelRatioF();
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_GE(image.width(), 400 * scale) << name.toStdString();
    EXPECT_GE(image.height(), 300 * scale) << name.toStdString();
    // Text, frames, buttons and the lamps: far more than a blank window's few colours.
    EXPECT_GE(Colours(image, 40), 40u) << name.toStdString();
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    QDir().mkpath(SHORTMSG_SCREENSHOT_DIR);
    image.save(QStringLiteral(SHORTMSG_SCREENSHOT_DIR "/") + name + suffix +
               QStringLiteral(".png"));
}

TEST(Screenshots, BothWindowsAreDrawn) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    GuiRig rig;
    rig.Sms().SendToAddress.SetText("+447700900123");
    rig.Sms().MTDisplayWindow.SetText("Hello from the simulator");
    rig.Sms().MTDisplayWindow.SetBackColor(kGreen);
    rig.Sms().MO_Supported.SetFillColor(kGreen);
    rig.Sms().SendButton.Press();  // no message: the error box shows
    rig.Run(500);
    ExpectDrawn(rig.MainWindow(), QStringLiteral("main-window"));

    rig.Sms().SerialPortSettings.Press();
    rig.Options().DebugWindow.SetText("\r\nOK\r\n\r\n+CSMS: 0,001,001,001\r\n");
    rig.Run(100);
    ExpectDrawn(rig.OptionsWindow(), QStringLiteral("options-window"));
}

// Messages in Cyrillic, Arabic and emoji, received in UCS2 through the modem, are shown as
// written (the pictures are kept to be looked at).
TEST(Screenshots, MessagesInAnyScriptAreShown) {
    const struct {
        const char* name;
        const char* pdu;
        QString text;
    } messages[] = {
        {"cyrillic", "041F04400438043204350442002C0020043C04380440",
         QString::fromUtf8("Привет, мир")},
        {"arabic", "06450631062D0628062700200628062706440639062706440645",
         QString::fromUtf8("مرحبا بالعالم")},
        {"emoji", "D83DDC4BD83CDF0DD83DDE42", QString::fromUtf8("👋🌍🙂")},
    };
    GuiRig rig;
    for (const auto& m : messages) {
        const std::string ud(m.pdu);
        char length[3];
        std::snprintf(length, sizeof length, "%02X", static_cast<unsigned>(ud.size() / 2));
        rig.modem.Arrive(
            "\r\n+CMGR: 0,,30\r\n0791447700090000040C91447700091032000842601080000000" +
            std::string(length) + ud + "\r\n\r\nOK\r\n");
        rig.Run(200);
        auto* box = rig.Widget<QPlainTextEdit>("MTDisplayWindow");
        EXPECT_EQ(box->toPlainText(), m.text) << m.name;
        ExpectDrawn(rig.MainWindow(), QStringLiteral("received-") + QString::fromLatin1(m.name));
    }
}

}  // namespace
}  // namespace shortmsg::testing
