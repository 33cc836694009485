#include "proposal_service.h"

#include <QTimer>
#include <functional>

namespace editor {

// Lives on the service's thread: the analyser's processes are started,
// fed and stopped there only.
class ProposalService::Worker : public QObject {
public:
    Worker(std::unique_ptr<SentenceProposer> proposer, int retryMs)
        : proposer_(std::move(proposer)), retryMs_(retryMs)
    {
    }

    // On the worker's thread: what the service reports after each step.
    struct Outcome {
        QString status;
        bool usable = true;
        bool retrying = false;
    };

    Outcome start()
    {
        probe();
        return outcome();
    }

    // A program that starts is not yet one that answers: a short sentence
    // tells.
    void probe()
    {
        Analyser *a = proposer_->analyser();
        if (a->start())
            a->analyse(QStringLiteral("Prova."));
    }

    Proposals propose(const QStringList &sentences)
    {
        Proposals out;
        for (const QString &s : sentences)
            out.push_back(proposer_->propose(s));
        return out;
    }

    Outcome outcome()
    {
        Analyser *a = proposer_->analyser();
        if (!a->usable() && !retry_) {
            retry_ = new QTimer(this);
            retry_->setSingleShot(true);
            connect(retry_, &QTimer::timeout, this, [this] {
                proposer_->analyser()->revive();
                probe();
                if (onRetry)
                    onRetry(outcome());
            });
        }
        if (!a->usable() && !retry_->isActive())
            retry_->start(retryMs_);
        return {a->status(), a->usable(), retry_ && retry_->isActive()};
    }

    Outcome revive()
    {
        if (retry_)
            retry_->stop();
        proposer_->analyser()->revive();
        probe();
        return outcome();
    }

    void shutDown()
    {
        delete retry_;
        retry_ = nullptr;
        proposer_.reset();
    }

    std::function<void(Outcome)> onRetry;  // runs on the worker's thread

private:
    std::unique_ptr<SentenceProposer> proposer_;
    int retryMs_;
    QTimer *retry_ = nullptr;
};

ProposalService::ProposalService(std::unique_ptr<SentenceProposer> proposer, int retryMs, QObject *parent)
    : QObject(parent), threaded_(proposer && proposer->analyser()), retryMs_(retryMs),
      lexicon_(proposer ? proposer->sharedLexicon() : nullptr)
{
    if (!threaded_) {
        direct_ = std::move(proposer);
        return;
    }
    worker_ = new Worker(std::move(proposer), retryMs);
    worker_->moveToThread(&thread_);
    worker_->onRetry = [this](Worker::Outcome o) {
        QMetaObject::invokeMethod(this, [this, o] { report(o.status, o.usable, o.retrying); }, Qt::QueuedConnection);
    };
    thread_.setObjectName(QStringLiteral("analizzatore"));
    thread_.start();
    // Started at once, so that the first "Analizza" does not wait for it.
    QMetaObject::invokeMethod(worker_, [this] {
        const Worker::Outcome o = worker_->start();
        QMetaObject::invokeMethod(this, [this, o] { report(o.status, o.usable, o.retrying); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

ProposalService::~ProposalService()
{
    if (!worker_)
        return;
    QMetaObject::invokeMethod(worker_, [this] { worker_->shutDown(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

bool ProposalService::request(const QStringList &sentences)
{
    if (busy_)
        return false;
    if (!threaded_) {
        Proposals out;
        for (const QString &s : sentences)
            out.push_back(direct_->propose(s));
        emit done(out);
        return true;
    }
    busy_ = true;
    emit busyChanged(true);
    QMetaObject::invokeMethod(worker_, [this, sentences] {
        Proposals out = worker_->propose(sentences);
        const Worker::Outcome o = worker_->outcome();
        QMetaObject::invokeMethod(this, [this, out = std::move(out), o]() mutable {
            report(o.status, o.usable, o.retrying);
            finish(std::move(out));
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    return true;
}

void ProposalService::restartAnalyser()
{
    if (!threaded_)
        return;
    QMetaObject::invokeMethod(worker_, [this] {
        const Worker::Outcome o = worker_->revive();
        QMetaObject::invokeMethod(this, [this, o] {
            report(o.status, o.usable, o.retrying);
            if (o.usable)  // said even when all was well before
                emit stateChanged(state_ = QStringLiteral("Analizzatore riavviato: pronto."));
        }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void ProposalService::report(const QString &analyserStatus, bool usable, bool retrying)
{
    QString state;
    if (usable)
        state = analyserStatus.isEmpty() ? QStringLiteral("Analizzatore pronto.") : analyserStatus;
    else
        state = analyserStatus
                + (retrying ? QStringLiteral(" Nuovo tentativo da solo fra %1 secondi; per riprovare subito: menu "
                                             "«Frase», «Riavvia l'analizzatore». Se non riparte mai, reinstallare "
                                             "i pacchetti apertium, apertium-spa-ita e cg3.")
                                  .arg((retryMs_ + 999) / 1000)
                            : QString());
    if (state != state_) {
        state_ = state;
        emit stateChanged(state_);
    }
}

void ProposalService::finish(Proposals proposals)
{
    busy_ = false;
    emit busyChanged(false);
    emit done(proposals);
}

}  // namespace editor
