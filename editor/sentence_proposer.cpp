#include "sentence_proposer.h"

namespace editor {

std::unique_ptr<Analyser> installedAnalyser(QString *whyNot)
{
    const QStringList missing = Analyser::missingPackages();
    if (!missing.isEmpty()) {
        if (whyNot)
            *whyNot = QStringLiteral("Analizzatore non installato: senza proposte automatiche. "
                                     "Per averle installare i pacchetti: %1.")
                          .arg(missing.join(QStringLiteral(", ")));
        return nullptr;
    }
    return std::make_unique<Analyser>();
}

SentenceProposer::SentenceProposer(std::unique_ptr<Analyser> analyser) : analyser_(std::move(analyser)) {}

QString SentenceProposer::analyserProblem() const { return analyser_ ? analyser_->status() : QString(); }

std::vector<ProposedUnit> SentenceProposer::propose(const QString &text)
{
    const std::string clean = cleanSentence(text.toStdString());
    if (clean.empty())
        return {};
    if (analyser_ && analyser_->usable())
        if (auto tokens = analyser_->analyse(QString::fromStdString(clean)))
            return proposeUnits(*tokens);
    return proposeUnits(plainTokens(clean));
}

}  // namespace editor
