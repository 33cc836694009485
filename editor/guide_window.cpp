#include "guide_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace editor {

QString GuideWindow::guideText()
{
    QFile f(QStringLiteral(":/guida/raccolte.md"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

GuideWindow::GuideWindow(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Guida alle raccolte di frasi"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QTextBrowser(this);
    text->setOpenExternalLinks(true);
    text->setAccessibleName(QStringLiteral("Guida alle raccolte di frasi"));
    const QString guide = guideText();
    if (guide.isEmpty())
        text->setPlainText(QStringLiteral("La guida non si trova nel programma. Si può leggere nel file "
                                          "/usr/share/doc/analisi-grammaticale/raccolte.md."));
    else
        text->setMarkdown(guide);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Chiudi"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Beside the editor, never past the screen.
    const QSize wanted(760, 640);
    resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size() * 9 / 10) : wanted);
}

}  // namespace editor
