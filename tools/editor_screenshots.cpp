// Takes the README's pictures of the sentence editor: a collection with a
// few sentences and an unreadable line, a sentence just analysed, the choice
// of a part of speech, the window waiting for the analyser, the teachers'
// guide. Usage: editor_screenshots <output folder>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "editor/editor_window.h"
#include "editor/guide_window.h"
#include "editor/sentence_proposer.h"
#include "editor/unit_row.h"

namespace {

void grab(QWidget *w, const QString &path)
{
    QApplication::processEvents();
    w->grab().save(path);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("frasi"));
    QDir().mkpath(folder);
    QFile f(folder + QStringLiteral("/Classe 2B.txt"));
    f.open(QIODevice::WriteOnly);
    f.write("# Frasi della 2ª B\n"
            "Il = art det m s | mio = agg m s | amico = nome m s | mi = pron | ha invitato = verbo | al = prep | mare. = nome m s\n"
            "I = art | bambini = nome | giocano = verbo | in = prep | giardino = nomee\n"
            "Oh! = escl | Che = agg | bella = agg | giornata. = nome\n");
    f.close();

    QString note;
    auto analyser = editor::installedAnalyser(&note);
    editor::EditorWindow window(folder, std::make_unique<editor::SentenceProposer>(std::move(analyser)), note);
    window.resize(1250, 700);
    window.show();
    window.openFile(folder + QStringLiteral("/Classe 2B.txt"));
    auto *list = window.findChild<QListWidget *>();
    list->setCurrentRow(1);
    grab(&window, out + QStringLiteral("/editor-invalid-line.png"));

    list->setCurrentRow(2);
    window.analyseText(QStringLiteral("Mio fratello fece una smorfia così buffa che noi ridemmo, ma lui si "
                                      "arrabbiò e se ne andò."));
    while (window.analysing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    grab(&window, out + QStringLiteral("/editor-proposal.png"));

    // The teachers' guide of the Aiuto menu.
    {
        editor::GuideWindow guide(&window);
        guide.show();
        grab(&guide, out + QStringLiteral("/editor-guide.png"));
    }

    // The window while a proposal is on its way, from a stand-in analyser
    // that takes two seconds a sentence.
    {
        auto slow = std::make_unique<editor::Analyser>(
            std::vector<editor::PipelineStage>{
                {QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("while read -r -d '' x; do sleep 2; printf '\\0'; done")}}},
            10000);
        editor::EditorWindow busy(folder, std::make_unique<editor::SentenceProposer>(std::move(slow)), QString());
        busy.resize(window.size());
        busy.show();
        busy.openFile(folder + QStringLiteral("/Classe 2B.txt"));
        busy.findChild<QListWidget *>()->setCurrentRow(2);
        busy.findChild<QLineEdit *>()->setText(QStringLiteral("Che bella giornata di sole!"));  // typed, then Invio
        busy.analyseText(QStringLiteral("Che bella giornata di sole!"));
        auto *bar = busy.findChild<QProgressBar *>();
        while (busy.analysing() && !bar->isVisible())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        grab(&busy, out + QStringLiteral("/editor-working.png"));
        while (busy.analysing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    // The features of a unit: "una" selected, its kind, gender and number.
    auto *unitRow = window.findChild<editor::UnitRow *>();
    unitRow->select(3);
    grab(&window, out + QStringLiteral("/editor-features.png"));

    // The choice of a part of speech, opened on the fourth box.
    auto *row = window.findChild<editor::UnitRow *>();
    QTimer::singleShot(300, [&] {
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        grab(&window, out + QStringLiteral("/editor-choice-window.png"));
        if (menu) {
            // The window and the open menu in one picture.
            QPixmap shot = window.grab();
            QPainter p(&shot);
            p.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
            p.end();
            shot.save(out + QStringLiteral("/editor-choice.png"));
            menu->close();
        }
        QFile::remove(out + QStringLiteral("/editor-choice-window.png"));
    });
    row->setFocus();
    row->select(4);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(row, &space);  // opens the choice; the timer above takes the picture
    return 0;
}
