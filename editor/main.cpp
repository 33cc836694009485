// analisi-grammaticale-frasi: the teachers' sentence editor, and with
// --proponi its command line for scripts and measurements.
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "propose_command.h"
#include "sentence_proposer.h"

int runEditor(int argc, char **argv);  // editor_window_main.cpp

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--proponi") == 0) {
        QCoreApplication app(argc, argv);
        QString whyNot;
        editor::SentenceProposer proposer(editor::installedAnalyser(&whyNot));
        QTextStream in(stdin), out(stdout), err(stderr);
        if (!whyNot.isEmpty())
            err << whyNot << '\n';
        return editor::runProposeCommand(proposer, in, out, err);
    }
    return runEditor(argc, argv);
}
