#include "propose_command.h"

#include "engine/collection_format.h"
#include "sentence_proposer.h"

namespace editor {

int runProposeCommand(SentenceProposer &proposer, QTextStream &in, QTextStream &out, QTextStream &err)
{
    int lineNumber = 0;
    QString reported;
    QString line;
    if (!proposer.lexiconProblem().isEmpty())
        err << proposer.lexiconProblem() << '\n';
    while (in.readLineInto(&line)) {
        ++lineNumber;
        const std::vector<ProposedUnit> proposal = proposer.propose(line);
        std::vector<engine::collection::Unit> units;
        QStringList toCheck;
        for (const ProposedUnit &p : proposal) {
            units.push_back(p.unit);
            if (p.toCheck)
                toCheck << QString::fromStdString(p.unit.text);
        }
        out << (units.empty() ? QString() : QString::fromStdString(engine::collection::writeLine(units))) << '\n';
        out.flush();
        if (proposer.analyserProblem() != reported) {
            reported = proposer.analyserProblem();
            err << reported << '\n';
        }
        if (!toCheck.isEmpty())
            err << QStringLiteral("riga %1: da controllare (parole sconosciute all'analizzatore e al lessico): %2\n")
                       .arg(lineNumber)
                       .arg(toCheck.join(QStringLiteral(", ")));
        for (const auto &m : units.empty() ? std::vector<engine::collection::Message>{}
                                           : engine::collection::checkUnits(units))
            err << QStringLiteral("riga %1: %2\n").arg(lineNumber).arg(QString::fromStdString(m.text));
        err.flush();
    }
    return 0;
}

}  // namespace editor
