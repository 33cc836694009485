#pragma once
// The pupil's history in one SQLite file: every answer is committed as it is
// given (write-ahead log, full sync), so ending the program in any way loses
// at most the answer being written. A file that is not a database, is
// damaged or comes from a newer program is moved aside and a new one is
// started; a folder that cannot be written or a full disk gives one message
// and the answers wait in memory, written in order as soon as the file takes
// them again. The drill never stops because of the history. The file is
// opened (and created) with the first answer.

#include <QString>
#include <deque>
#include <functional>
#include <variant>

#include "recorder.h"
#include "wall_clock.h"

namespace history {

class SqliteHistory final : public Recorder {
public:
    // Told once per trouble, in Italian, ready to show the pupil.
    using Notice = std::function<void(const QString &)>;

    SqliteHistory(QString path, QString pupil, const WallClock &clock, Notice notice);
    ~SqliteHistory() override;
    SqliteHistory(const SqliteHistory &) = delete;
    SqliteHistory &operator=(const SqliteHistory &) = delete;

    void answerGiven(const AnswerEvent &answer) override;
    void seriesClosed(const SeriesEvent &series) override;
    bool rememberedSwitch(const std::string &name) override;
    void rememberSwitch(const std::string &name, bool on) override;

    // With a school's server: every series from now on carries `className`
    // and, once closed, waits in the outbox for the server; `queued` is
    // called (on this thread) after each series put there.
    void queueForServer(QString className, std::function<void()> queued);

    bool isOpen() const { return open_; }
    // Answers and closes not yet in the file.
    int waiting() const { return int(pending_.size()); }
    const QString &path() const { return path_; }

private:
    struct Answer {
        QString seriesId;
        int seq;
        std::int64_t at;
        AnswerEvent event;
    };
    struct Close {
        QString seriesId;
        std::int64_t at;
        SeriesEvent event;
    };
    using Pending = std::variant<Answer, Close>;

    bool openFile();
    bool tryOpen(QString &error, bool &damaged);
    void moveAside();
    void closeFile();
    void flush();
    bool write(const Answer &a);
    bool write(const Close &c);
    void tell(const QString &message);

    QString path_;
    QString pupil_;
    const WallClock &clock_;
    Notice notice_;
    QString connection_;
    bool open_ = false;
    bool troubled_ = false;  // a message has been given and not yet resolved
    std::deque<Pending> pending_;
    QString className_;
    bool queueing_ = false;
    std::function<void()> queued_;
    QString seriesId_;  // the open series, empty before its first answer
    int seq_ = 0;
};

// Where the account's history lives: analisi-grammaticale/storico/ in the
// user's data folder; one file per pupil when a class list names them.
QString historyFile(const QString &pupil);

}  // namespace history
