// The full-form lexicon: conversion of each kind of word from the data's
// JSON, refusal of malformed JSON and of damaged lexicon files with an
// Italian message, and the real lexicon of the build answering readings.

#include <QRandomGenerator>
#include <QTest>

#include "lexicon/lexicon.h"
#include "lexicon/lexicon_builder.h"

using engine::Gender;
using engine::Number;
using lexicon::Mood;
using lexicon::PartOfSpeech;
using lexicon::Tense;

namespace {

const QByteArray kWords = R"({"cane":{"G":"M","P":"cani"},"casa":{"G":"F","P":"case"},
    "articolo":{"G":"M","S":"artt.","P":"articoli"},"città":{"G":"F","P":"città"}})";
const QByteArray kAdjectives = R"({"alto":{"MP":"alti","FS":"alta","FP":"alte"},
    "felice":{"MP":"felici","FS":"felice","FP":"felici"}})";
const QByteArray kVerbs = R"({"correre":{"ind":{"pres":{"S3":"corre","P3":"corrono"},"fut":{"P1":"correremo"}},
    "inf":{"pres":"corrervi"},"ger":{"pres":"correndo"},"part":{"past":{"S":"corso","SF":"corsa","PF":"corse"}},
    "sub":{"pres":{"S1":"corra","S3":"corra"}}},"null":null})";

std::unique_ptr<lexicon::Lexicon> sample()
{
    lexicon::LexiconBuilder b;
    QString problem;
    if (!b.addWords(kWords, &problem) || !b.addAdjectives(kAdjectives, &problem) || !b.addVerbs(kVerbs, &problem))
        qFatal("%s", qPrintable(problem));
    return lexicon::Lexicon::fromBytes(b.build(), &problem);
}

// "pos lemma gender number mood tense person" of every reading, sorted.
QStringList describe(const std::vector<lexicon::Analysis> &readings)
{
    QStringList out;
    for (const auto &a : readings)
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                   .arg(int(a.pos)).arg(QString::fromUtf8(a.lemma.data(), qsizetype(a.lemma.size())))
                   .arg(int(a.gender)).arg(int(a.number)).arg(int(a.mood)).arg(int(a.tense)).arg(a.person);
    out.sort();
    return out;
}

}  // namespace

class TestLexicon : public QObject {
    Q_OBJECT
private slots:
    void readings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("expected");
        auto s = [](std::initializer_list<const char *> l) {
            QStringList out;
            for (const char *x : l)
                out << QString::fromUtf8(x);
            out.sort();
            return out;
        };
        QTest::newRow("noun singular") << "cane" << s({"1 cane 1 1 0 0 0"});
        QTest::newRow("noun plural, capital") << "Case" << s({"1 casa 2 2 0 0 0"});
        QTest::newRow("same form both numbers") << "città" << s({"1 città 2 1 0 0 0", "1 città 2 2 0 0 0"});
        QTest::newRow("abbreviation left out") << "artt." << QStringList();
        QTest::newRow("adjective lemma") << "alto" << s({"2 alto 1 1 0 0 0"});
        QTest::newRow("adjective feminine plural") << "alte" << s({"2 alto 2 2 0 0 0"});
        QTest::newRow("adjective of two forms") << "felici"
                                                << s({"2 felice 1 2 0 0 0", "2 felice 2 2 0 0 0"});
        QTest::newRow("infinitive from the lemma") << "correre" << s({"3 correre 0 0 5 1 0"});
        QTest::newRow("the data's infinitive with a pronoun left out") << "corrervi" << QStringList();
        QTest::newRow("indicative present") << "corre" << s({"3 correre 0 1 1 1 3"});
        QTest::newRow("future") << "correremo" << s({"3 correre 0 2 1 4 1"});
        QTest::newRow("subjunctive, two persons") << "corra" << s({"3 correre 0 1 2 1 1", "3 correre 0 1 2 1 3"});
        QTest::newRow("gerund") << "correndo" << s({"3 correre 0 0 7 1 0"});
        QTest::newRow("past participle") << "corsa" << s({"3 correre 2 1 6 5 0"});
        QTest::newRow("participle or past") << "corse" << s({"3 correre 2 2 6 5 0"});
        QTest::newRow("unknown") << "zzz" << QStringList();
        QTest::newRow("empty") << "" << QStringList();
    }
    void readings()
    {
        QFETCH(QString, word);
        QFETCH(QStringList, expected);
        static const auto lex = sample();
        QVERIFY(lex);
        QCOMPARE(describe(lex->lookUp(word.toStdString())), expected);
    }

    void malformedJson_data()
    {
        QTest::addColumn<int>("file");  // 0 words, 1 adjectives, 2 verbs
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << 0 << QByteArray("{\"cane\":") << "words.json: non è JSON valido";
        QTest::newRow("an array") << 1 << QByteArray("[1,2]") << "adjectives.json: manca l'oggetto";
        QTest::newRow("bad gender") << 0 << QByteArray(R"({"cane":{"G":"X","P":"cani"}})")
                                    << "words.json: «cane»: genere «X» non è M né F";
        QTest::newRow("entry a number") << 0 << QByteArray(R"({"cane":3})") << "words.json: «cane»: non è un oggetto";
        QTest::newRow("form a number") << 1 << QByteArray(R"({"alto":{"FS":7}})")
                                       << "adjectives.json: «alto»: la forma FS non è un testo";
        QTest::newRow("person key unknown") << 2 << QByteArray(R"({"dire":{"ind":{"pres":{"X9":"dico"}}}})")
                                            << "verbs.json: «dire»: chiave «X9» sconosciuta";
        QTest::newRow("tense a number") << 2 << QByteArray(R"({"dire":{"ind":{"pres":4}}})")
                                        << "verbs.json: «dire»: ind pres non è né un testo né un oggetto";
    }
    void malformedJson()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        lexicon::LexiconBuilder b;
        QString problem;
        const bool ok = file == 0 ? b.addWords(json, &problem)
                                  : file == 1 ? b.addAdjectives(json, &problem) : b.addVerbs(json, &problem);
        QVERIFY(!ok);
        QVERIFY2(problem.startsWith(message), qPrintable(problem));
    }

    // A damaged file is refused with a message, never read out of bounds.
    void damagedFile_data()
    {
        QTest::addColumn<int>("cut");     // bytes kept (-1: all)
        QTest::addColumn<int>("offset");  // byte overwritten (-1: none)
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << 0 << -1 << "il file è troppo corto";
        QTest::newRow("truncated") << 100 << -1 << "la lunghezza del file";
        QTest::newRow("bad magic") << -1 << 0 << "non è un lessico";
        QTest::newRow("bad version") << -1 << 8 << "versione";
        QTest::newRow("form count") << -1 << 12 << "la lunghezza del file";
        QTest::newRow("a form's text offset") << -1 << 27 << "forma 0: il testo è fuori dal file";
    }
    void damagedFile()
    {
        QFETCH(int, cut);
        QFETCH(int, offset);
        QFETCH(QString, message);
        lexicon::LexiconBuilder b;
        QString problem;
        QVERIFY(b.addWords(kWords, &problem));
        QByteArray bytes = b.build();
        if (cut >= 0)
            bytes.truncate(cut);
        if (offset >= 0)
            bytes[offset] = char(0x7f);
        QVERIFY(!lexicon::Lexicon::fromBytes(bytes, &problem));
        QVERIFY2(problem.contains(message), qPrintable(problem));
        QVERIFY(problem.contains(QStringLiteral("file danneggiato")));
    }

    // Random damage: each file either loads and answers, or is refused.
    void randomDamage()
    {
        lexicon::LexiconBuilder b;
        QString problem;
        QVERIFY(b.addWords(kWords, &problem) && b.addVerbs(kVerbs, &problem));
        const QByteArray good = b.build();
        QRandomGenerator random(15);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = good;
            for (int flips = 1 + int(random.bounded(4)); flips > 0; --flips)
                bytes[qsizetype(random.bounded(quint32(bytes.size())))] = char(random.bounded(256));
            if (const auto lex = lexicon::Lexicon::fromBytes(bytes, &problem))
                for (const char *w : {"cane", "corre", "corsa", "zzz"})
                    lex->lookUp(w);
            else
                QVERIFY(!problem.isEmpty());
        }
    }

    // The build's own lexicon: everyday forms with their features.
    void realLexicon()
    {
        const QString path = QStringLiteral(LEXICON_FILE);
        QString problem;
        const auto lex = lexicon::Lexicon::open(path, &problem);
        QVERIFY2(lex, qPrintable(problem));
        QVERIFY(lex->formCount() > 250000);
        QVERIFY(describe(lex->lookUp("abbaiano")).contains("3 abbaiare 0 2 1 1 3"));
        QVERIFY(describe(lex->lookUp("randagi")).contains("2 randagio 1 2 0 0 0"));
        QVERIFY(describe(lex->lookUp("Rondini")).contains("1 rondine 2 2 0 0 0"));
        QVERIFY(!lex->knows("zzzqx"));
    }
};

QTEST_GUILESS_MAIN(TestLexicon)
#include "test_lexicon.moc"
