// GoogleTest main for the widget tests: a QApplication on the display platform the test
// target names (offscreen, or xcb under xvfb-run), set here so that no test depends on the
// environment it was started from.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", SHORTMSG_TEST_QPA);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
