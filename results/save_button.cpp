#include "save_button.h"

#include <QBoxLayout>
#include <QDate>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "my_results.h"

namespace results {

namespace {

// Letters and digits of a name, for a file's name.
QString safe(const QString &name)
{
    QString out;
    for (const QChar c : name.simplified())
        out += c.isLetterOrNumber() ? c : QLatin1Char('_');
    return out;
}

bool askOwnerDialog(QWidget *over, Owner &owner)
{
    QDialog ask(over);
    ask.setWindowTitle(QStringLiteral("Di chi sono i risultati?"));
    auto *form = new QFormLayout(&ask);
    auto *name = new QLineEdit(&ask);
    auto *cls = new QLineEdit(&ask);
    name->setMaxLength(60);
    cls->setMaxLength(60);
    form->addRow(QStringLiteral("Il tuo &nome e cognome:"), name);
    form->addRow(QStringLiteral("La tua &classe:"), cls);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Avanti"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    QObject::connect(name, &QLineEdit::textChanged, &ask, [buttons](const QString &t) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!t.trimmed().isEmpty());
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    form->addRow(buttons);
    if (ask.exec() != QDialog::Accepted)
        return false;
    owner.pupil = name->text().simplified();
    owner.className = cls->text().simplified();
    return true;
}

}  // namespace

SaveSeams realSaveSeams()
{
    return {
        .chooseFile =
            [](QWidget *over, const QString &suggested) {
                return QFileDialog::getSaveFileName(over, QStringLiteral("Salva i miei risultati"), suggested,
                                                    QStringLiteral("Risultati (*.json)"));
            },
        .askOwner = askOwnerDialog,
        .tell =
            [](QWidget *over, const QString &message, bool ok) {
                if (ok)
                    QMessageBox::information(over, QStringLiteral("I miei risultati"), message);
                else
                    QMessageBox::warning(over, QStringLiteral("I miei risultati"), message);
            },
        .nowMs = [] { return QDateTime::currentMSecsSinceEpoch(); },
    };
}

bool saveResultsAsked(QWidget *over, const QString &historyPath, Owner owner, const SaveSeams &seams)
{
    if (owner.pupil.trimmed().isEmpty() && !seams.askOwner(over, owner))
        return false;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(QStringLiteral("risultati-%1-%2.json")
                                  .arg(safe(owner.pupil), QDate::currentDate().toString(Qt::ISODate)));
    const QString target = seams.chooseFile(over, suggested);
    if (target.isEmpty())
        return false;
    int saved = 0;
    QString error;
    if (!saveMyResults(historyPath, owner, target, seams.nowMs(), saved, error)) {
        seams.tell(over, error, false);
        return false;
    }
    seams.tell(over,
               QStringLiteral("Ho salvato %1 serie in %2. Porta il file al tuo insegnante.")
                   .arg(saved)
                   .arg(QDir::toNativeSeparators(target)),
               true);
    return true;
}

void addSaveButton(QDialog &window, const QString &historyPath, const Owner &owner, SaveSeams seams)
{
    auto *close = window.findChild<QPushButton *>(QStringLiteral("chiudi"));
    auto *row = close ? close->parentWidget()->findChild<QBoxLayout *>(QStringLiteral("pulsanti")) : nullptr;
    auto *button = new QPushButton(QStringLiteral("&Salva i miei risultati…"), &window);
    button->setObjectName(QStringLiteral("salvarisultati"));
    button->setAutoDefault(false);
    if (close)
        button->setFont(close->font());
    if (row)
        row->insertWidget(row->indexOf(close), button);
    QObject::connect(button, &QPushButton::clicked, &window, [&window, historyPath, owner, seams] {
        saveResultsAsked(&window, historyPath, owner, seams);
    });
}

}  // namespace results
