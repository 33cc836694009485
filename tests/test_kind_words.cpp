// The collection format's words for the kind of each part of speech, the
// qualifying adjective's degree and the personal pronoun's person: read in
// any order and spelling, written canonically, refused with a message at the
// word at fault.

#include <QtTest>

#include <string>

#include "engine/collection_format.h"

namespace c = engine::collection;

Q_DECLARE_METATYPE(std::string)

class TestKindWords : public QObject {
    Q_OBJECT

private slots:
    void readAndWrittenCanonically_data()
    {
        QTest::addColumn<std::string>("line");
        QTest::addColumn<std::string>("canonical");
        const auto row = [](const char *name, const char *line, const char *canonical) {
            QTest::newRow(name) << std::string(line) << std::string(canonical);
        };
        row("possessive adjective", "mio = agg poss m s", "mio = agg poss m s");
        row("degree before kind, full words, capitals", "alte = aggettivo Superlativo F P qualificativo",
            "alte = agg qual sup f p");
        row("comparative", "migliore = agg comp qual s", "migliore = agg qual comp s");
        row("exclamative and interrogative adjectives", "Che = agg esclamativo f s | quale = 3 interrogativo",
            "Che = agg esclam f s | quale = agg interr");
        row("personal pronoun, person in words", "io = pronome prima personale singolare", "io = pron pers 1 s");
        row("relative pronoun with dots", "la quale = pron. rel. f. s.", "la quale = pron rel f s");
        row("other pronouns", "chi = pron interrogativo s | nessuno = pron indefinito m s | il mio = pron poss m s",
            "chi = pron interr s | nessuno = pron indef m s | il mio = pron poss m s");
        row("adverbs", "lentamente = avverbio modo | molto = avv quantita | forse = avv dubbio | sì = avv aff",
            "lentamente = avv modo | molto = avv quantità | forse = avv dubbio | sì = avv affermazione");
        row("art after prep is articolata", "sull' = prep articolata | sotto = prep impr | di = prep",
            "sull' = prep art | sotto = prep impropria | di = prep");
        row("prepositional locution", "insieme con = 7 loc", "insieme con = prep locuzione");
        row("conjunctions", "perché = cong subordinante | e = 8 coord", "perché = cong sub | e = cong coord");
        row("proper noun, kind after gender", "Roma = nome f s proprio", "Roma = nome proprio f s");
        row("exclamations", "Peccato = escl impropria | Per Bacco = inter loc | Oh = interiezione propria",
            "Peccato = escl impropria | Per Bacco = escl locuzione | Oh = escl propria");
        row("the article keeps its own kinds", "la = art det f s", "la = art det f s");
    }
    void readAndWrittenCanonically()
    {
        QFETCH(std::string, line);
        QFETCH(std::string, canonical);
        const c::Line read = c::parseLine(line, 1);
        QVERIFY2(read.kind == c::Line::Kind::Sentence, read.problem.text.c_str());
        QCOMPARE(c::writeLine(read.units), canonical);
        const c::Line again = c::parseLine(canonical, 1);
        QVERIFY(again.kind == c::Line::Kind::Sentence);
        QVERIFY(again.units == read.units);
        QVERIFY(c::checkUnits(read.units).empty());
    }

    void refused_data()
    {
        QTest::addColumn<std::string>("line");
        QTest::addColumn<std::string>("atWord");  // the message's column is this word's, its last occurrence
        QTest::addColumn<std::string>("message");
        const auto row = [](const char *name, const char *line, const char *at, const std::string &message) {
            QTest::newRow(name) << std::string(line) << std::string(at) << message;
        };
        row("kind of two other parts", "cane = nome poss", "poss",
            "«poss» indica un tipo di aggettivo o di pronome, non di nome");
        row("pronoun kind on an adverb", "qui = avv rel", "rel", "«rel» indica un tipo di pronome, non di avverbio");
        row("conjunction kind on a verb", "corre = verbo ind sub", "sub",
            "«sub» indica un tipo di congiunzione, non di verbo");
        row("noun kind on an article", "il = art det proprio", "proprio",
            "«proprio» indica un tipo di nome, non di articolo");
        const std::string degree =
            ": il grado (positivo, comparativo, superlativo) si indica solo per l'aggettivo qualificativo";
        row("degree of a possessive", "mio = agg sup poss", "sup", "«sup»" + degree + " («qual»)");
        row("degree without kind", "alto = agg superlativo m s", "superlativo", "«superlativo»" + degree + " («qual»)");
        row("degree on a noun", "cane = nome sup", "sup", "«sup»" + degree);
        row("person of a relative", "che = pron 3 rel", "3",
            "«3»: la persona si indica solo per il pronome personale («pers»)");
        row("person on a noun", "cane = nome terza", "terza",
            "«terza»: la persona si indica solo per il verbo e per il pronome personale");
        row("two kinds", "e = cong coord sub", "sub", "«sub» contraddice «coord»");
        row("kind repeated", "io = pron pers personale", "personale", "«personale» ripete il tipo");
        row("person repeated", "io = pron pers 1 prima", "prima", "«prima» ripete la persona");
        row("degree contradicted", "alto = agg qual pos comp", "comp", "«comp» contraddice «pos»");
        row("no kind of adverb", "qui = avv lontano", "lontano",
            "«lontano» non è un tipo di avverbio (modo, tempo, luogo, quantità, affermazione, negazione, dubbio, "
            "interr)");
        row("no kind of exclamation", "oh = escl forte", "forte",
            "«forte» non è un tipo di esclamazione (propria, impropria, locuzione)");
        row("article kind on a preposition", "del = prep art det", "det",
            "«det»: il tipo (determinativo, indeterminativo, partitivo) si indica solo per l'articolo");
        row("art after agg is a second part of speech", "mio = agg art", "art",
            "una sola parte del discorso per parte: «art» è di troppo");
    }
    void refused()
    {
        QFETCH(std::string, line);
        QFETCH(std::string, atWord);
        QFETCH(std::string, message);
        const c::Line read = c::parseLine(line, 6);
        QCOMPARE(int(read.kind), int(c::Line::Kind::Invalid));
        QCOMPARE(read.problem.text, message);
        QCOMPARE(read.problem.line, 6);
        QCOMPARE(read.problem.column, int(line.rfind(atWord)) + 1);
    }
};

QTEST_APPLESS_MAIN(TestKindWords)
#include "test_kind_words.moc"
