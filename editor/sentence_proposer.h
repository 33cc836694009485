#pragma once
// One sentence in, its proposed units out: the analyser when it can be used,
// the rules on bare words when it cannot. Shared by the editor window and
// the command line.

#include <QString>
#include <memory>
#include <vector>

#include "analyser.h"
#include "lexicon/lexicon.h"
#include "unit_rules.h"

namespace editor {

class SentenceProposer {
public:
    // Without an analyser every proposal is a guess from the words alone,
    // helped by the lexicon when there is one.
    explicit SentenceProposer(std::unique_ptr<Analyser> analyser,
                              std::shared_ptr<const lexicon::Lexicon> lex = installedLexicon());

    // `text` as typed or pasted; cleaned first (cleanSentence).
    std::vector<ProposedUnit> propose(const QString &text);

    // Italian: why there are no proposals from the analyser, or empty.
    QString analyserProblem() const;
    bool hasAnalyser() const { return analyser_ && analyser_->usable(); }
    Analyser *analyser() { return analyser_.get(); }

    // Italian: why the lexicon is missing, or empty.
    QString lexiconProblem() const { return lexiconProblem_; }
    const lexicon::Lexicon *lexicon() const { return lexicon_.get(); }
    // The same lexicon, to be read from another thread (it is never written).
    std::shared_ptr<const lexicon::Lexicon> sharedLexicon() const { return lexicon_; }

    // The lexicon the build or the package installed, or nothing (the
    // reason in lastLexiconProblem()).
    static std::shared_ptr<const lexicon::Lexicon> installedLexicon();

private:
    std::unique_ptr<Analyser> analyser_;
    std::shared_ptr<const lexicon::Lexicon> lexicon_;
    QString lexiconProblem_;
};

// The analyser of the installed packages, or nothing (with the reason) when
// some are missing.
std::unique_ptr<Analyser> installedAnalyser(QString *whyNot);

// Italian: the editor's note when the analyser's `missing` packages are not
// there; on Windows, where they cannot be, what the proposals come from.
QString missingAnalyserNote(const QStringList &missing, bool onWindows);

}  // namespace editor
