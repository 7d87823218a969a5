#include "platform/qt/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace shortmsg {

void QtMessageBox::Show(const std::string& text) {
    QString shown = QString::fromUtf8(text);
    // The details are the system's words and file names, in UTF-8.
    if (const std::string details = details_ ? details_() : std::string(); !details.empty()) {
        shown += QStringLiteral("\n\n") + QString::fromUtf8(details);
    }
    QMessageBox box(QMessageBox::NoIcon, QString(), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace shortmsg
