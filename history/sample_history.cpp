#include "sample_history.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <random>

#include "../engine/sentence_bank.h"
#include "../engine/rules.h"
#include "schema.h"

namespace history {

namespace {

bool run(QSqlQuery &q, QString &error)
{
    if (q.exec())
        return true;
    error = q.lastError().text();
    return false;
}

}  // namespace

bool writeSampleHistory(const QString &path, const SampleShape &shape, SampleSize &size, QString &error)
{
    const QString name = QStringLiteral("esempio");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() && schema::migrate(db, error) && db.transaction();
        if (!ok && error.isEmpty())
            error = db.lastError().text();
        engine::SentenceBank bank;
        bank.fill();
        std::mt19937 random(shape.seed);
        std::uniform_real_distribution<double> chance(0, 1);
        QSqlQuery series(db), answer(db);
        // Columns named: later versions add columns of their own.
        series.prepare(QStringLiteral("INSERT INTO series (id, pupil, started_at, ended_at, answers, errors, grade, "
                                      "duration_ms) VALUES (?, '', ?, ?, ?, ?, ?, ?)"));
        answer.prepare(QStringLiteral("INSERT INTO answers (series_id, seq, given_at, sentence, source_file, source_line, "
                                      "unit, unit_text, question, pressed, expected, correct, error_category, "
                                      "full_analysis) VALUES (?, ?, ?, ?, '', 0, ?, ?, ?, ?, ?, ?, ?, 0)"));
        const double span = std::max<qint64>(1, shape.first.daysTo(shape.last));
        for (QDate day = shape.first; ok && day <= shape.last; day = day.addDays(1)) {
            if (chance(random) > shape.practiceDays)
                continue;
            // Mistakes fall from about one in six to one in thirty; adjectives
            // and pronouns stay harder a little longer.
            const double progress = shape.first.daysTo(day) / span;
            const int count = 1 + int(random() % unsigned(shape.seriesPerDay));
            qint64 at = QDateTime(day, QTime(15, 0)).toMSecsSinceEpoch();
            for (int s = 0; ok && s < count; ++s) {
                const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
                const qint64 start = at;
                int given = 0, wrong = 0, sentence = int(random() % 33), unit = 1;
                while (ok && given < 20) {
                    const int code = bank.code(sentence, unit).value();
                    const double hard = (code == 3 || code == 4) ? 1.6 : 1.0;
                    const double miss = (0.17 - 0.14 * progress) * hard;
                    for (int step = 0; step < 2 && given < 20; ++step) {
                        const bool right = chance(random) > miss;
                        const int expected = step == 0 ? (engine::rules::isVariable(code) ? 10 : 11) : code;
                        const int pressed = right ? expected : (step == 0 ? 21 - expected : code % 9 + 1);
                        at += 1500 + qint64(random() % 3000);
                        for (const QVariant &v : {QVariant(id), QVariant(given + 1), QVariant(at), QVariant(sentence),
                                                  QVariant(unit),
                                                  QVariant(QString::fromStdString(bank.word(sentence, unit)).trimmed()),
                                                  QVariant(QString::fromLatin1(step == 0 ? "variabile" : "parte")),
                                                  QVariant(pressed), QVariant(expected), QVariant(right ? 1 : 0),
                                                  QVariant(right ? 0 : (step == 0 ? pressed : code))})
                            answer.addBindValue(v);
                        ok = run(answer, error);
                        ++given;
                        wrong += right ? 0 : 1;
                        if (!right)
                            --step;  // asked again, as the drill does
                    }
                    if (++unit > bank.wordCount(sentence)) {
                        sentence = int(random() % 33);
                        unit = 1;
                    }
                }
                for (const QVariant &v : {QVariant(id), QVariant(start), QVariant(at), QVariant(given), QVariant(wrong),
                                          QVariant(engine::rules::gradeFor(wrong)), QVariant(at - start)})
                    series.addBindValue(v);
                ok = ok && run(series, error);
                size.series += 1;
                size.answers += given;
                at += 60'000;
            }
        }
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace history
