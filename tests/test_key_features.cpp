// The answer key's complete analysis: article kind, gender and number of the
// built-in sentences' articles, nouns, adjectives and pronouns.

#include <QtTest>

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
};

QTEST_APPLESS_MAIN(TestKeyFeatures)
#include "test_key_features.moc"
