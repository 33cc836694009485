#include "sentence_proposer.h"

#include <QOperatingSystemVersion>

namespace editor {

QString missingAnalyserNote(const QStringList &missing, bool onWindows)
{
    // Windows has no packages of the analyser to install: say what the
    // proposals are made of there instead.
    if (onWindows)
        return QStringLiteral("Su Windows l'analizzatore della lingua non c'è: le parti del discorso "
                              "proposte vengono solo dagli elenchi di parole del programma e dalle "
                              "terminazioni. Controllarle una per una.");
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
