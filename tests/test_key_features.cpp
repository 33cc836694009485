// The answer key's complete analysis: article kind, gender and number of the
// built-in sentences' articles, nouns, adjectives and pronouns; the kind of
// every other unit but the verbs, a qualifying adjective's degree and a
// personal pronoun's person.

#include <QtTest>

#include <array>

#include "engine/kind_words.h"
#include "engine/sentence_bank.h"

using engine::ArticleKind;
using engine::Features;
using engine::Gender;
using engine::Number;
using engine::SentenceBank;

Q_DECLARE_METATYPE(Features)

namespace {

constexpr int kSentences = 33;

// Calls f(sentence, position, code, features) for every unit of the bank.
template <typename F>
void forEachUnit(const SentenceBank &bank, F f)
{
    for (int s = 0; s < kSentences; ++s)
        for (int p = 1; p <= bank.wordCount(s); ++p)
            f(s, p, bank.code(s, p).value(), bank.features(s, p));
}

}  // namespace

class TestKeyFeatures : public QObject {
    Q_OBJECT
    SentenceBank bank_;

private slots:
    void initTestCase() { bank_.fill(); }

    // Counted once over the whole key, by hand and with tools/key_dump.
    void totals()
    {
        int kinds[4] = {}, genders[3] = {}, numbers[3] = {};
        forEachUnit(bank_, [&](int, int, int, Features f) {
            ++kinds[int(f.kind)];
            ++genders[int(f.gender)];
            ++numbers[int(f.number)];
        });
        QCOMPARE(kinds[int(ArticleKind::Determinativo)], 52);
        QCOMPARE(kinds[int(ArticleKind::Indeterminativo)], 10);
        QCOMPARE(kinds[int(ArticleKind::Partitivo)], 0);
        QCOMPARE(genders[int(Gender::Maschile)], 186);
        QCOMPARE(genders[int(Gender::Femminile)], 125);
        QCOMPARE(numbers[int(Number::Singolare)], 250);
        QCOMPARE(numbers[int(Number::Plurale)], 85);
    }

    // Articles are complete; nouns and adjectives always agree in gender and
    // number; only pronouns may leave them open; nothing past code 4, and no
    // fillers with features.
    void everyUnitFits()
    {
        forEachUnit(bank_, [&](int s, int p, int code, Features f) {
            const QByteArray where = QByteArray::number(s) + "." + QByteArray::number(p);
            QVERIFY2(engine::featuresFit(code, f), where);
            if (code == 1)
                QVERIFY2(f.kind != ArticleKind::Unset, where);
            if (code >= 1 && code <= 3)
                QVERIFY2(f.gender != Gender::Unset && f.number != Number::Unset, where);
        });
        for (int s = 0; s < kSentences; ++s)
            for (int p = bank_.wordCount(s) + 1; p <= SentenceBank::kLastPosition; ++p)
                QVERIFY(bank_.features(s, p).isEmpty());
    }

    void byHand_data()
    {
        QTest::addColumn<int>("sentence");
        QTest::addColumn<int>("position");
        QTest::addColumn<Features>("expected");
        constexpr auto U = ArticleKind::Unset;
        constexpr auto M = Gender::Maschile, F = Gender::Femminile, noGender = Gender::Unset;
        constexpr auto S = Number::Singolare, P = Number::Plurale, noNumber = Number::Unset;
        QTest::newRow("I (miei amici)") << 3 << 1 << Features{ArticleKind::Determinativo, M, P};
        QTest::newRow("un' escursione") << 31 << 18 << Features{ArticleKind::Indeterminativo, F, S};
        QTest::newRow("gli occhiali") << 17 << 8 << Features{ArticleKind::Determinativo, M, P};
        QTest::newRow("l' autobus: noun") << 16 << 17 << Features{U, M, S};
        QTest::newRow("la società") << 15 << 2 << Features{U, F, S};
        QTest::newRow("il nostro autista") << 30 << 11 << Features{U, M, S};
        QTest::newRow("qualche minuto") << 0 << 6 << Features{U, M, S};
        QTest::newRow("due cerbiatti") << 1 << 21 << Features{U, M, P};
        QTest::newRow("la quale") << 3 << 16 << Features{U, F, S};
        QTest::newRow("noi ... addormentati") << 2 << 13 << Features{U, M, P};
        QTest::newRow("mi ha invitato") << 8 << 4 << Features{U, noGender, S};
        QTest::newRow("le ho promesso") << 32 << 17 << Features{U, F, S};
        QTest::newRow("campana che") << 9 << 12 << Features{U, noGender, noNumber};
        QTest::newRow("chi vincerà") << 15 << 13 << Features{U, noGender, S};
    }
    void byHand()
    {
        QFETCH(int, sentence);
        QFETCH(int, position);
        QFETCH(Features, expected);
        const Features got = bank_.features(sentence, position);
        QCOMPARE(int(got.kind), int(expected.kind));
        QCOMPARE(int(got.gender), int(expected.gender));
        QCOMPARE(int(got.number), int(expected.number));
    }

    // Counted with tools/key_dump; a change here is a change of reading,
    // to be written in the key's header.
    void kindTotals_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        const struct {
            const char *name;
            int code, kind, count;
        } rows[] = {
            {"nome comune", 2, 1, 142}, {"nome proprio", 2, 2, 1},
            {"agg qualificativo", 3, 1, 32}, {"agg possessivo", 3, 2, 28}, {"agg dimostrativo", 3, 3, 5},
            {"agg indefinito", 3, 4, 17}, {"agg numerale", 3, 5, 4}, {"agg interrogativo", 3, 6, 0},
            {"agg esclamativo", 3, 7, 1},
            {"pron personale", 4, 1, 35}, {"pron possessivo", 4, 2, 0}, {"pron dimostrativo", 4, 3, 1},
            {"pron indefinito", 4, 4, 4}, {"pron relativo", 4, 5, 12}, {"pron interrogativo", 4, 6, 1},
            {"pron esclamativo", 4, 7, 0},
            {"avv modo", 6, 1, 4}, {"avv tempo", 6, 2, 28}, {"avv luogo", 6, 3, 5}, {"avv quantità", 6, 4, 3},
            {"avv affermazione", 6, 5, 4}, {"avv negazione", 6, 6, 14}, {"avv dubbio", 6, 7, 0},
            {"avv interrogativo", 6, 8, 0},
            {"prep semplice", 7, 1, 58}, {"prep articolata", 7, 2, 18}, {"prep impropria", 7, 3, 3},
            {"prep locuzione", 7, 4, 1},
            {"cong coordinante", 8, 1, 30}, {"cong subordinante", 8, 2, 21},
            {"escl propria", 9, 1, 7}, {"escl impropria", 9, 2, 3}, {"escl locuzione", 9, 3, 2},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.code << r.kind << r.count;
    }
    void kindTotals()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(int, count);
        int got = 0;
        forEachUnit(bank_, [&](int, int, int c, Features f) {
            got += c == code && engine::collection::kindValue(f) == kind;
        });
        QCOMPARE(got, count);
    }

    // Every unit but verbs and fillers has its kind; every qualifying
    // adjective its degree (all positivo: none is compared in the bank), every
    // personal pronoun its person (16 prima, 7 seconda, 12 terza).
    void everyUnitHasItsKind()
    {
        int persons[4] = {}, degrees[4] = {};
        forEachUnit(bank_, [&](int s, int p, int code, Features f) {
            const QByteArray where = QByteArray::number(s) + "." + QByteArray::number(p);
            if (code != 1 && code != 5)
                QVERIFY2(engine::collection::kindValue(f) != 0, where);
            if (f.adjectiveKind == engine::AdjectiveKind::Qualificativo)
                QVERIFY2(f.degree != engine::Degree::Unset, where);
            if (f.pronounKind == engine::PronounKind::Personale)
                QVERIFY2(f.pronounPerson != engine::Person::Unset, where);
            ++persons[int(f.pronounPerson)];
            ++degrees[int(f.degree)];
        });
        QCOMPARE((std::array{persons[1], persons[2], persons[3]}), (std::array{16, 7, 12}));
        QCOMPARE((std::array{degrees[1], degrees[2], degrees[3]}), (std::array{32, 0, 0}));
    }

    // Words read two ways, each as the header says.
    void kindsByHand_data()
    {
        QTest::addColumn<int>("sentence");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("words");
        QTest::newRow("Giulia") << 27 << 8 << "proprio";
        QTest::newRow("con molto piacere") << 8 << 12 << "indef";
        QTest::newRow("molto pesante") << 9 << 19 << "quantità";
        QTest::newRow("io ci andrei") << 8 << 9 << "luogo";
        QTest::newRow("ci ha detto") << 7 << 15 << "pers 1";
        QTest::newRow("chi vincerà") << 15 << 13 << "rel";
        QTest::newRow("chi ha scritto?") << 20 << 5 << "interr";
        QTest::newRow("campana che") << 9 << 12 << "rel";
        QTest::newRow("ha detto che") << 7 << 17 << "sub";
        QTest::newRow("Che bella giornata") << 24 << 2 << "esclam";
        QTest::newRow("non ubbidiva mai") << 4 << 17 << "tempo";
        QTest::newRow("sull'") << 9 << 2 << "art";
        QTest::newRow("insieme con") << 0 << 13 << "locuzione";
        QTest::newRow("senza parlare") << 5 << 19 << "impropria";
        QTest::newRow("così (...che)") << 6 << 9 << "sub";
        QTest::newRow("Per Bacco!") << 23 << 1 << "locuzione";
        QTest::newRow("Evviva!") << 31 << 1 << "impropria";
        QTest::newRow("il primo premio") << 31 << 11 << "num";
        QTest::newRow("l' ultimo autobus") << 28 << 4 << "qual pos";
    }
    void kindsByHand()
    {
        QFETCH(int, sentence);
        QFETCH(int, position);
        QFETCH(QString, words);
        QCOMPARE(QString::fromStdString(engine::collection::kindWords(bank_.features(sentence, position))), words);
    }
};

QTEST_APPLESS_MAIN(TestKeyFeatures)
#include "test_key_features.moc"
