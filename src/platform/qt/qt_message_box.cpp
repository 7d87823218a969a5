#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace shortmsg {

void QtMessageBox::Show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromLatin1(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace shortmsg
