#pragma once
// Sends the series waiting in the pupil's outbox to the school's server, on a
// thread of its own so that the drill never waits for the network. Each
// series goes with its answers in one transaction, under its own id: a
// series the server already has is kept once. A series leaves the outbox only
// once the server has committed it; when the server cannot be reached the
// series stay, in order, and are tried again later.

#include <QObject>
#include <QString>
#include <QThread>
#include <QVariantList>
#include <atomic>
#include <functional>
#include <vector>

#include "server_settings.h"

class QTimer;

namespace history {

// The worker, living on the sending thread.
class ServerSender : public QObject {
    Q_OBJECT
public:
    ServerSender(ServerSettings settings, QString localPath, QString pupil, int retryMs);

public slots:
    void sendWaiting();
    void stop();  // closes the connections, on the sending thread

signals:
    void trouble(const QString &message);  // once per trouble, in Italian
    void allSent();

private:
    enum class Result { Sent, LocalBusy, Unreachable, Refused };
    bool openLocal();
    void closeLocal();
    void drain();
    Result openServer(QString &error);  // Sent: open
    Result sendOne(const QString &seriesId, QString &error);
    Result insert(const QVariantList &seriesRow, const std::vector<QVariantList> &answerRows, QString &error);
    void dropServer();
    void retryLater();
    void tell(const QString &message, const QString &detail);

    ServerSettings settings_;
    QString localPath_;
    QString pupil_;  // for series without a pupil's name: the account's
    int retryMs_;
    QString local_, server_;  // the connections' names
    QTimer *retry_ = nullptr;
    bool troubled_ = false;

public:
    std::atomic<bool> stopping{false};
};

// The sending thread and its worker, owned by the program; the notices come
// back on the thread that made it.
class ServerSending : public QObject {
    Q_OBJECT
public:
    using Notice = std::function<void(const QString &)>;
    ServerSending(ServerSettings settings, QString localPath, QString pupil, Notice notice, int retryMs = 30000);
    ~ServerSending() override;

    // Sends what waits, now; callable from any thread.
    void wake();

signals:
    void allSent();

private:
    static constexpr int kEndWaitMs = 15000;
    QThread *thread_;  // left running at the end only when stuck on the network
    ServerSender *sender_;
};

}  // namespace history
