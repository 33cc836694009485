// Prints the whole sentence bank as JSON, for reviewing the answer key:
// [{"index": 0, "count": 19, "origin": "built-in", "units": [{"text": " Era  ", "code": 5}, ...]}, ...]
// Texts are exactly as stored; filler cells are left out. The bank is filled
// as the exercise window fills it: from the collection files named on the
// command line, or with none from the collection folders. "origin" is
// "built-in" or "<file>:<line>"; a unit's "features" appear where set
// ({"kind": "determinativo", "gender": "maschile", "number": "singolare"};
// {"partKind": "qualificativo", "degree": "positivo"}, {"partKind":
// "personale", "person": "prima"}, {"partKind": "articolata"}; each key only
// when given). What was left out, and why, goes to standard
// error, one message a line; the JSON on standard output stays clean.

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTextStream>

#include "../engine/collection_bank.h"
#include "../engine/collection_format.h"
#include "../engine/further_questions.h"
#include "../engine/kind_words.h"
#include "../platform/collection_folders.h"

namespace {

// A JSON value written by Qt's own writer, compact.
QString json(const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

QString quoted(const std::string &text) { return json(QString::fromStdString(text)); }

QJsonObject featuresObject(const engine::Features &f)
{
    static const char *const kinds[] = {"", "determinativo", "indeterminativo", "partitivo"};
    static const char *const genders[] = {"", "maschile", "femminile"};
    static const char *const numbers[] = {"", "singolare", "plurale"};
    QJsonObject o;
    if (f.kind != engine::ArticleKind::Unset)
        o.insert(QStringLiteral("kind"), kinds[int(f.kind)]);
    if (f.gender != engine::Gender::Unset)
        o.insert(QStringLiteral("gender"), genders[int(f.gender)]);
    if (f.number != engine::Number::Unset)
        o.insert(QStringLiteral("number"), numbers[int(f.number)]);

    // The kind of the unit's part of speech, a qualifying adjective's degree
    // and a personal pronoun's person, in full words.
    if (const std::string k = engine::collection::kindName(f); !k.empty())
        o.insert(QStringLiteral("partKind"), QString::fromStdString(k));
    if (f.degree != engine::Degree::Unset)
        o.insert(QStringLiteral("degree"), QString::fromStdString(engine::collection::degreeName(f.degree)));
    if (f.pronounPerson != engine::Person::Unset)
        o.insert(QStringLiteral("person"), QString::fromStdString(engine::collection::personName(f.pronounPerson)));

    // A verb's values, in the words of the collection format.
    if (f.hasVerbValues())
        o.insert(QStringLiteral("verb"), QString::fromStdString(engine::collection::featureWords(5, f)));
    return o;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    const engine::collection::Sources sources =
        files.isEmpty() ? platform::readCollections() : platform::readCollectionFiles(files);

    engine::SentenceBank bank;
    const engine::collection::Loaded loaded = engine::collection::fillBank(bank, sources);
    QTextStream err(stderr);
    for (const std::string &m : loaded.messages)
        err << QString::fromStdString(m) << "\n";

    QTextStream out(stdout);
    out << "[";
    for (int s = 0; s <= loaded.lastSentence; ++s) {
        const int count = bank.wordCount(s);
        const engine::collection::Origin &origin = loaded.origins[s];
        const std::string from =
            origin.file.empty() ? std::string("built-in") : origin.file + ":" + std::to_string(origin.line);
        out << (s == 0 ? "\n" : ",\n") << "  {\"index\": " << s << ", \"count\": " << count
            << ", \"origin\": " << quoted(from);
        if (bank.questions(s) != engine::kAllQuestions) {
            QJsonArray asked;  // the collection's `@domande`, by row
            for (int q = 0; q < engine::kFurtherQuestionCount; ++q)
                if (bank.questions(s) & (engine::QuestionSet{1} << q))
                    asked.append(QString::fromUtf8(engine::kFurtherQuestions[q].keyword));
            out << ", \"questions\": " << json(asked);
        }
        out << ", \"units\": [";
        for (int p = 1; p <= count; ++p) {
            out << (p == 1 ? "\n" : ",\n") << "    {\"text\": " << quoted(bank.word(s, p))
                << ", \"code\": " << bank.code(s, p).value();
            const engine::Features f = bank.features(s, p);
            if (!f.isEmpty())
                out << ", \"features\": " << json(featuresObject(f));
            out << "}";
        }
        out << "\n  ]}";
    }
    out << "\n]\n";
    return 0;
}
