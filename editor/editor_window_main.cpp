// The editor's window program: Italian texts also in Qt's own dialogs, the
// teacher's collection folder; the window starts the analyser at once so
// that the first "Analizza" answers without waiting.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "editor_window.h"
#include "sentence_proposer.h"

int runEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("analisi-grammaticale-frasi"));
    QApplication::setApplicationDisplayName(QStringLiteral("Frasi per l'analisi grammaticale"));
    QApplication::setDesktopFileName(QStringLiteral("it.scuola.AnalisiGrammaticale.Frasi"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("it.scuola.AnalisiGrammaticale.Frasi")));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QString note;
    // Started by the window, on the thread that talks to it.
    auto analyser = editor::installedAnalyser(&note);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/analisi-grammaticale/frasi");
    auto proposer = std::make_unique<editor::SentenceProposer>(std::move(analyser));
    if (!proposer->lexiconProblem().isEmpty())
        note = (note.isEmpty() ? QString() : note + QLatin1Char(' ')) + proposer->lexiconProblem();
    editor::EditorWindow window(folder, std::move(proposer), note);
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && !args.at(1).startsWith(QLatin1Char('-')))
        window.openFile(args.at(1));  // a file given on the command line or by the desktop
    window.show();
    return QApplication::exec();
}
