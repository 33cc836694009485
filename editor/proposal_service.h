#pragma once
// The editor's way to the analyser without freezing the window: proposals
// are made on a thread of their own and come back through done(). When the
// analyser has given up, it is tried again on its own after a while, and the
// teacher can restart it at once. Without an analyser (guesses from the
// words only) every answer is immediate, inside request().
// Qt Core only: testable without a screen.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <memory>
#include <vector>

#include "sentence_proposer.h"

namespace editor {

class ProposalService : public QObject {
    Q_OBJECT
public:
    using Proposals = std::vector<std::vector<ProposedUnit>>;  // one per sentence, same order

    // `retryMs`: how long after the analyser gave up it is tried again.
    explicit ProposalService(std::unique_ptr<SentenceProposer> proposer, int retryMs = 30000,
                             QObject *parent = nullptr);
    ~ProposalService() override;

    // Proposals for `sentences`, given by done(). One request at a time:
    // false (and nothing done) while another is pending.
    bool request(const QStringList &sentences);
    bool busy() const { return busy_; }
    // Starts the analyser again at once, forgetting its failures.
    void restartAnalyser();
    bool hasAnalyser() const { return threaded_; }
    // Italian, for the status line: ready, restarted, or what the teacher can do.
    QString state() const { return state_; }
    // The proposer's lexicon, for the features the teacher sets by hand; or none.
    const lexicon::Lexicon *lexicon() const { return lexicon_.get(); }

signals:
    void done(const editor::ProposalService::Proposals &proposals);
    void busyChanged(bool busy);
    void stateChanged(const QString &state);

private:
    class Worker;
    void report(const QString &analyserStatus, bool usable, bool retrying);
    void finish(Proposals proposals);

    std::unique_ptr<SentenceProposer> direct_;  // without an analyser: no thread
    bool threaded_ = false;
    int retryMs_;
    QThread thread_;
    Worker *worker_ = nullptr;
    bool busy_ = false;
    QString state_;
    std::shared_ptr<const lexicon::Lexicon> lexicon_;
};

}  // namespace editor
