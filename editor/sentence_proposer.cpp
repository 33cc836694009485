#include "sentence_proposer.h"

#include <QOperatingSystemVersion>
#include <optional>

#include "value_proposal.h"

namespace editor {

QString missingAnalyserNote(const QStringList &missing, bool onWindows)
{
    // Windows has no packages of the analyser to install: say what the
    // proposals are made of there instead.
    if (onWindows)
        return QStringLiteral("Su Windows l'analizzatore della lingua non c'è: le parti del discorso "
                              "proposte vengono solo dal lessico, dagli elenchi di parole del programma "
                              "e dalle terminazioni. Controllarle una per una.");
    return QStringLiteral("Analizzatore non installato: senza proposte automatiche. "
                          "Per averle installare i pacchetti: %1.")
        .arg(missing.join(QStringLiteral(", ")));
}

std::unique_ptr<Analyser> installedAnalyser(QString *whyNot)
{
    const QStringList missing = Analyser::missingPackages();
    if (!missing.isEmpty()) {
        if (whyNot)
            *whyNot = missingAnalyserNote(
                missing, QOperatingSystemVersion::currentType() == QOperatingSystemVersion::Windows);
        return nullptr;
    }
    return std::make_unique<Analyser>();
}

namespace {
QString g_lexiconProblem;
}

std::shared_ptr<const lexicon::Lexicon> SentenceProposer::installedLexicon()
{
    const QString path = lexicon::installedLexiconPath();
    if (path.isEmpty()) {
        g_lexiconProblem = QStringLiteral("Lessico non installato: le parole che l'analizzatore non conosce "
                                          "restano da controllare.");
        return nullptr;
    }
    QString problem;
    std::shared_ptr<const lexicon::Lexicon> lex = lexicon::Lexicon::open(path, &problem);
    g_lexiconProblem = lex ? QString() : problem;
    return lex;
}

SentenceProposer::SentenceProposer(std::unique_ptr<Analyser> analyser, std::shared_ptr<const lexicon::Lexicon> lex)
    : analyser_(std::move(analyser)), lexicon_(std::move(lex)), lexiconProblem_(lexicon_ ? QString() : g_lexiconProblem)
{
}

QString SentenceProposer::analyserProblem() const { return analyser_ ? analyser_->status() : QString(); }

std::vector<ProposedUnit> SentenceProposer::propose(const QString &text)
{
    const std::string clean = cleanSentence(text.toStdString());
    if (clean.empty())
        return {};
    std::vector<UnitWords> words;
    std::vector<ProposedUnit> units;
    std::optional<std::vector<Token>> tokens;
    if (analyser_ && analyser_->usable())
        tokens = analyser_->analyse(QString::fromStdString(clean));
    units = proposeUnits(tokens ? *tokens : plainTokens(clean), lexicon_.get(), nullptr, &words);
    addProposedValues(units, words);
    return units;
}

}  // namespace editor
