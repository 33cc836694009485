#pragma once
// Test doubles for the history: a calendar clock the test sets, a recorder
// that keeps what it is told, and a read-only look into a history file.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <vector>

#include "history/recorder.h"
#include "history/wall_clock.h"

struct FakeWallClock final : history::WallClock {
    std::int64_t ms = 1'780'000'000'000;  // a day in 2026
    std::int64_t nowMsSinceEpoch() const override { return ms; }
};

struct KeptRecorder final : history::Recorder {
    std::vector<history::AnswerEvent> answers;
    std::vector<history::SeriesEvent> series;
    std::vector<std::size_t> answersAtClose;  // answers kept when each series closed
    void answerGiven(const history::AnswerEvent &a) override { answers.push_back(a); }
    void seriesClosed(const history::SeriesEvent &s) override
    {
        series.push_back(s);
        answersAtClose.push_back(answers.size());
    }
};

// Opens a history file on a connection of its own, as a second program would.
class HistoryFile {
public:
    explicit HistoryFile(const QString &path)
    {
        static int next = 0;
        name_ = QStringLiteral("lettura-%1").arg(next++);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~HistoryFile()
    {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    // The first column of every row of `sql`.
    QVariantList column(const QString &sql) const
    {
        QSqlQuery q(QSqlDatabase::database(name_, false));
        QVariantList out;
        if (q.exec(sql))
            while (q.next())
                out << q.value(0);
        return out;
    }
    QVariant value(const QString &sql) const
    {
        const QVariantList c = column(sql);
        return c.isEmpty() ? QVariant() : c.first();
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};
