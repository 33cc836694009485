#include "who_dialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace history {

WhoDialog::WhoDialog(const std::vector<Pupil> &pupils, QWidget *parent) : QDialog(parent), pupils_(pupils)
{
    setWindowTitle(QStringLiteral("Chi sei?"));
    QFont big(QStringLiteral("Arial"), 16);
    auto *column = new QVBoxLayout(this);
    auto *question = new QLabel(QStringLiteral("Chi sei? Scegli il tuo nome e premi Invio."), this);
    question->setFont(big);
    column->addWidget(question);
    list_ = new QListWidget(this);
    list_->setFont(big);
    list_->setAccessibleName(QStringLiteral("Chi sei?"));
    question->setBuddy(list_);
    bool severalClasses = false;
    for (const Pupil &p : pupils)
        severalClasses = severalClasses || p.className != pupils.front().className;
    for (const Pupil &p : pupils)
        list_->addItem(severalClasses ? QStringLiteral("%1 (%2)").arg(p.name, p.className) : p.name);
    column->addWidget(list_, 1);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *me = buttons->addButton(QStringLiteral("Sono io"), QDialogButtonBox::AcceptRole);
    me->setFont(big);
    me->setDefault(true);
    me->setEnabled(false);
    column->addWidget(buttons);
    // Only a name the pupil has highlighted counts: the list's focus alone
    // marks the first name without choosing it.
    connect(list_, &QListWidget::itemSelectionChanged, me, [this, me] { me->setEnabled(!list_->selectedItems().isEmpty()); });
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    list_->installEventFilter(this);
    list_->setFocus();
    resize(480, 560);
}

// The first arrow key highlights the name the list marks on its own (the
// first), rather than skipping past it.
bool WhoDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress && list_->selectedItems().isEmpty()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && list_->count() > 0) {
            list_->setCurrentRow(std::max(0, list_->currentRow()), QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WhoDialog::accept()
{
    const QList<QListWidgetItem *> picked = list_->selectedItems();
    if (picked.isEmpty())
        return;  // Return with no name highlighted
    const int row = list_->row(picked.front());
    chosen_ = row >= 0 && row < int(pupils_.size()) ? &pupils_[std::size_t(row)] : nullptr;
    QDialog::accept();
}

}  // namespace history

#include <iostream>

#include "sqlite_history.h"

namespace history {

Pupil askWhoIsPracticing()
{
    const ClassLists lists = readClassLists();
    for (const QString &m : lists.messages)
        std::cerr << m.toStdString() << '\n';
    if (lists.pupils.empty())
        return {};
    WhoDialog who(lists.pupils);
    who.exec();
    return who.chosen() ? *who.chosen() : Pupil{};
}

QString historyFileOf(const Pupil &pupil)
{
    return historyFile(pupil.name.isEmpty() ? QString() : pupil.className + QLatin1Char(' ') + pupil.name);
}

}  // namespace history
