#include "results_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <optional>

namespace results {

namespace {

const QString kKind = QStringLiteral("analisi-grammaticale/risultati");
// The columns of an answer, in this order; a file of version 1 names the same.
const QStringList kColumns = {
    QStringLiteral("momento"), QStringLiteral("frase"),    QStringLiteral("file"),    QStringLiteral("riga"),
    QStringLiteral("unità"),   QStringLiteral("parola"),   QStringLiteral("domanda"), QStringLiteral("premuto"),
    QStringLiteral("giusto"),  QStringLiteral("esatta"),   QStringLiteral("voce"),    QStringLiteral("completa"),
};
constexpr std::int64_t kLatestMs = 32'503'680'000'000;  // the year 3000: later is nonsense
constexpr int kMaxNameLength = 60;
constexpr int kMaxIdLength = 100;

QString question(history::Question q) { return QString::fromUtf8(history::questionName(q)); }

std::optional<history::Question> questionNamed(const QString &name)
{
    // Built once: a year of answers asks it half a million times.
    static const QHash<QString, history::Question> byName = [] {
        QHash<QString, history::Question> all;
        for (int q = 0; q <= int(history::Question::Transitivity); ++q)
            all.insert(question(history::Question(q)), history::Question(q));
        return all;
    }();
    const auto found = byName.constFind(name);
    return found == byName.constEnd() ? std::nullopt : std::optional(*found);
}

// A whole number within [low, high], or nothing.
std::optional<std::int64_t> whole(const QJsonValue &v, std::int64_t low, std::int64_t high)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!(d >= double(low) && d <= double(high)) || d != std::floor(d))
        return std::nullopt;
    return std::int64_t(d);
}

bool plainText(const QString &s, int maxLength)
{
    if (s.size() > maxLength)
        return false;
    for (const QChar c : s)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Surrogate)
            return false;
    return true;
}

// A series id: letters, digits and - _ . : only (UUIDs, and ids made from them).
bool plainId(const QString &s)
{
    if (s.isEmpty() || s.size() > kMaxIdLength)
        return false;
    for (const QChar c : s)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_') &&
            c != QLatin1Char('.') && c != QLatin1Char(':'))
            return false;
    return true;
}

// Reads the answer whose columns start at `first` in the series' flat list
// (one list per series, not one per answer: half a million small lists
// would cost more to read than the answers themselves); an empty string
// when it is fine, else what is wrong.
QString readAnswer(const QJsonArray &list, qsizetype first, history::TimedAnswer &out)
{
    const auto column = [&](int c) { return list.at(first + c); };
    const auto at = whole(column(0), 0, kLatestMs);
    const auto sentence = whole(column(1), 0, 10'000'000);
    const auto line = whole(column(3), 0, 100'000'000);
    const auto unit = whole(column(4), 0, 1000);
    const auto pressed = whole(column(7), -100'000, 100'000);
    const auto expected = whole(column(8), -100'000, 100'000);
    const auto right = whole(column(9), 0, 1);
    const auto category = whole(column(10), 0, 100'000);
    const auto full = whole(column(11), 0, 1);
    if (!at)
        return QStringLiteral("il momento non è una data valida");
    if (!sentence || !line || !unit || !pressed || !expected || !right || !category || !full)
        return QStringLiteral("un numero manca o è fuori misura");
    const QJsonValue fileValue = column(2), textValue = column(5), questionValue = column(6);
    if (!fileValue.isString() || !textValue.isString() || !questionValue.isString())
        return QStringLiteral("un testo manca");
    const QString file = fileValue.toString(), text = textValue.toString();
    if (!plainText(file, kMaxTextLength) || !plainText(text, kMaxTextLength))
        return QStringLiteral("un testo è troppo lungo o contiene caratteri di controllo");
    const auto q = questionNamed(questionValue.toString());
    if (!q)
        return QStringLiteral("la domanda «%1» non è conosciuta").arg(questionValue.toString().left(40));
    out.at = *at;
    history::AnswerEvent &e = out.event;
    e.sentence = int(*sentence);
    e.sourceFile = file.toStdString();
    e.sourceLine = int(*line);
    e.unit = int(*unit);
    e.unitText = text.toStdString();
    e.question = *q;
    e.pressed = int(*pressed);
    e.expected = int(*expected);
    e.right = *right == 1;
    e.errorCategory = int(*category);
    e.fullAnalysis = *full == 1;
    return {};
}

// Reads one series; an empty string when it is fine, else what is wrong.
QString readSeries(const QJsonValue &v, history::PupilSeries &out)
{
    if (!v.isObject())
        return QStringLiteral("non è una serie");
    const QJsonObject o = v.toObject();
    const QString id = o.value(QStringLiteral("id")).toString();
    if (!plainId(id))
        return QStringLiteral("il codice della serie manca o non è valido");
    out.id = id;
    const auto start = whole(o.value(QStringLiteral("inizio")), 0, kLatestMs);
    const auto end = whole(o.value(QStringLiteral("fine")), 0, kLatestMs);
    if (!start || !end || *start > *end)
        return QStringLiteral("l'inizio o la fine non sono date valide");
    const auto answers = whole(o.value(QStringLiteral("risposte")), 1, kMaxAnswersPerSeries);
    const auto errors = whole(o.value(QStringLiteral("errori")), 0, kMaxAnswersPerSeries);
    const auto grade = whole(o.value(QStringLiteral("voto")), 1, 5);
    const auto duration = whole(o.value(QStringLiteral("durata_ms")), 0, kLatestMs);
    if (!answers || !errors || !grade || !duration || *errors > *answers)
        return QStringLiteral("risposte, errori, voto o durata mancano o non tornano");
    out.startedAt = *start;
    out.closedAt = *end;
    out.series = {int(*answers), int(*errors), int(*grade), *duration};
    const QJsonValue given = o.value(QStringLiteral("domande"));
    const QJsonArray list = given.toArray();
    const qsizetype width = kColumns.size();
    if (!given.isArray() || list.size() > kMaxAnswersPerSeries * width)
        return QStringLiteral("l'elenco delle risposte manca o è troppo lungo");
    if (list.size() % width != 0)
        return QStringLiteral("l'elenco delle risposte non ha %1 colonne per risposta").arg(width);
    out.answers.reserve(std::size_t(list.size() / width));
    for (qsizetype first = 0; first < list.size(); first += width) {
        history::TimedAnswer a;
        const QString wrong = readAnswer(list, first, a);
        if (!wrong.isEmpty())
            return QStringLiteral("la risposta %1 %2").arg(first / width + 1).arg(wrong);
        out.answers.push_back(std::move(a));
    }
    return {};
}

}  // namespace

QByteArray writeResults(const Owner &owner, const std::vector<history::PupilSeries> &series, std::int64_t savedAt)
{
    QJsonArray all;
    for (const history::PupilSeries &s : series) {
        QJsonArray given;
        for (const history::TimedAnswer &t : s.answers) {
            const history::AnswerEvent &e = t.event;
            for (const QJsonValue &v :
                 {QJsonValue(qint64(t.at)), QJsonValue(e.sentence), QJsonValue(QString::fromStdString(e.sourceFile)),
                  QJsonValue(e.sourceLine), QJsonValue(e.unit), QJsonValue(QString::fromStdString(e.unitText)),
                  QJsonValue(question(e.question)), QJsonValue(e.pressed), QJsonValue(e.expected),
                  QJsonValue(e.right ? 1 : 0), QJsonValue(e.errorCategory), QJsonValue(e.fullAnalysis ? 1 : 0)})
                given.append(v);
        }
        all.append(QJsonObject{{QStringLiteral("id"), s.id},
                               {QStringLiteral("inizio"), qint64(s.startedAt)},
                               {QStringLiteral("fine"), qint64(s.closedAt)},
                               {QStringLiteral("risposte"), s.series.answers},
                               {QStringLiteral("errori"), s.series.errors},
                               {QStringLiteral("voto"), s.series.grade},
                               {QStringLiteral("durata_ms"), qint64(s.series.durationMs)},
                               {QStringLiteral("domande"), given}});
    }
    const QJsonObject top{
        {QStringLiteral("formato"), kKind},
        {QStringLiteral("versione"), kFileVersion},
        {QStringLiteral("alunno"), owner.pupil},
        {QStringLiteral("classe"), owner.className},
        {QStringLiteral("salvato"), QDateTime::fromMSecsSinceEpoch(savedAt, Qt::UTC).toString(Qt::ISODate)},
        {QStringLiteral("colonne"), QJsonArray::fromStringList(kColumns)},
        {QStringLiteral("serie"), all},
    };
    return QJsonDocument(top).toJson(QJsonDocument::Compact);
}

std::vector<history::PupilSeries> readResults(const QByteArray &bytes, const QString &shownName, QStringList &problems)
{
    const auto refuse = [&](const QString &why) {
        problems << QStringLiteral("%1: %2. Il file è stato saltato.").arg(shownName, why);
        return std::vector<history::PupilSeries>{};
    };
    if (bytes.size() > kMaxFileBytes)
        return refuse(QStringLiteral("è troppo grande per essere un file di risultati"));
    QJsonParseError parse{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError) {
        // A file of ours always starts with its kind: anything else is foreign.
        if (!bytes.contains(kKind.toUtf8()))
            return refuse(QStringLiteral("non è un file di risultati dell'analisi grammaticale"));
        // Written compact, the file is one line: the place is a byte count.
        if (parse.offset >= bytes.trimmed().size())
            return refuse(QStringLiteral("è incompleto: si interrompe dopo %1 byte (forse la copia non è finita)")
                              .arg(bytes.size()));
        return refuse(QStringLiteral("è danneggiato alla posizione %1 (byte dall'inizio) su %2")
                          .arg(parse.offset)
                          .arg(bytes.size()));
    }
    const QJsonObject top = doc.object();
    if (!doc.isObject() || top.value(QStringLiteral("formato")).toString() != kKind)
        return refuse(QStringLiteral("non è un file di risultati dell'analisi grammaticale"));
    const auto version = whole(top.value(QStringLiteral("versione")), 1, 1'000'000);
    if (!version)
        return refuse(QStringLiteral("la versione del file manca o non è valida"));
    if (*version > kFileVersion)
        return refuse(QStringLiteral("è stato salvato da una versione più recente del programma (formato %1): "
                                     "aggiornare il programma per leggerlo")
                          .arg(*version));
    const QJsonValue pupil = top.value(QStringLiteral("alunno"));
    const QJsonValue className = top.value(QStringLiteral("classe"));
    if (!pupil.isString() || pupil.toString().trimmed().isEmpty() || !plainText(pupil.toString(), kMaxNameLength))
        return refuse(QStringLiteral("il nome dell'alunno manca o non è valido"));
    if (!className.isString() || !plainText(className.toString(), kMaxNameLength))
        return refuse(QStringLiteral("il nome della classe non è valido"));
    if (top.value(QStringLiteral("colonne")).toArray() != QJsonArray::fromStringList(kColumns))
        return refuse(QStringLiteral("le colonne delle risposte non sono quelle previste"));
    const QJsonValue list = top.value(QStringLiteral("serie"));
    if (!list.isArray())
        return refuse(QStringLiteral("l'elenco delle serie manca"));

    std::vector<history::PupilSeries> out;
    const QJsonArray all = list.toArray();
    out.reserve(std::size_t(all.size()));
    for (qsizetype i = 0; i < all.size(); ++i) {
        history::PupilSeries s;
        const QString wrong = readSeries(all[i], s);
        if (!wrong.isEmpty()) {
            problems << QStringLiteral("%1, serie %2: %3. La serie è stata saltata.").arg(shownName).arg(i + 1).arg(wrong);
            continue;
        }
        s.pupil = pupil.toString().trimmed();
        s.className = className.toString().trimmed();
        out.push_back(std::move(s));
    }
    return out;
}

QString ResultsFileSource::where() const { return QFileInfo(path_).fileName(); }

std::vector<history::PupilSeries> ResultsFileSource::read(QStringList &problems)
{
    QFile file(path_);
    const QString shown = where();
    if (!file.open(QIODevice::ReadOnly)) {
        problems << QStringLiteral("%1: non si può leggere (%2). Il file è stato saltato.").arg(shown, file.errorString());
        return {};
    }
    if (file.size() > kMaxFileBytes) {
        problems << QStringLiteral("%1: è troppo grande per essere un file di risultati. Il file è stato saltato.")
                        .arg(shown);
        return {};
    }
    return readResults(file.readAll(), shown, problems);
}

}  // namespace results
