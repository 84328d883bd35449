#include "platform/messagebox.h"

#include <QMessageBox>

namespace enalotto {

void showMessage(QWidget *parent, const QString &title, const QString &text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace enalotto
