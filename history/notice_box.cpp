#include "notice_box.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>

namespace history {

void showNotice(const QString &message)
{
    std::cerr << message.toStdString() << '\n';
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Storico degli esercizi"), message,
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace history
