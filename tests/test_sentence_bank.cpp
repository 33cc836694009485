// The sentence bank: two tables, sentence 0..100 by position 0..22, with the
// 33 built-in sentences, their word counts, their units and answer codes.

#include <QtTest>

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "engine/sentence_bank.h"

using engine::SentenceBank;

namespace {

constexpr int kSentences = 33;  // rows 0..32 are filled
constexpr int kRows = 101;
constexpr int kPositions = 23;

// Each sentence of the bank: how it begins and how many units it has.
struct Opening {
    const char *begins;
    int count;
};
const std::array<Opening, kSentences> kOpenings = {{
    {"Era presto, perciò", 19},           // 0
    {"Mentre andavamo al", 22},           // 1
    {"Nel silenzio della", 21},           // 2
    {"I miei amici", 20},                 // 3
    {"Benché lo addestrassero", 22},      // 4
    {"Nonostante sia venuto", 22},        // 5
    {"Inghiottendo quella medicina,", 21},  // 6
    {"In mattinata, elaborati", 19},      // 7
    {"Il mio amico", 22},                 // 8
    {"Lassù, sull'", 21},                 // 9
    {"Ti ho detto", 20},                  // 10
    {"Per i reati", 21},                  // 11
    {"Per avidità molti", 20},            // 12
    {"Abbiamo fatto tanti", 21},          // 13
    {"Sembra che la", 22},                // 14
    {"La società del", 21},               // 15
    {"Con questa bicicletta,", 17},       // 16
    {"Accidenti, ha esclamato", 22},      // 17
    {"L' uomo, che", 21},                 // 18
    {"Poiché ti", 16},                    // 19
    {"Ohibò, disse", 22},                 // 20
    {"I due uomini,", 19},                // 21
    {"Gli uccelli cantavano", 19},        // 22
    {"Per Bacco! Questa", 20},            // 23
    {"Oh! Che bella", 21},                // 24
    {"Orsù! Non scoraggiatevi,", 19},     // 25
    {"Povero me! Ho", 22},                // 26
    {"Ahimè, mi sono", 21},               // 27
    {"Peccato! Ormai", 22},               // 28
    {"Un improvviso acquazzone,", 19},    // 29
    {"Quando ebbe superato", 20},         // 30
    {"Evviva! Siete stati", 21},          // 31
    {"Ehm! Vorrei trattenermi", 21},      // 32
}};

struct Cell {
    const char *text;
    int code;
};

// Sentence 0, every cell as stored: 19 units, then two one-space fillers
// and one empty filler.
const std::array<Cell, 22> kSentence0 = {{
    {" Era  ", 5}, {" presto, ", 6}, {" perciò ", 8}, {"restammo", 5}, {"ancora  ", 6},
    {"qualche", 3}, {"minuto ", 2}, {"per  ", 7}, {"parlare  ", 5}, {"delle  ", 7},
    {"vacanze,   ", 2}, {"trascorse  ", 5}, {"insieme con ", 7}, {"altri   ", 3},
    {"comuni  ", 3}, {"amici, ", 2}, {"la ", 1}, {"scorsa  ", 3}, {"estate.  ", 2},
    {" ", 0}, {" ", 0}, {"", 0},
}};

// Sentence 8, every cell as stored: 22 units, no filler.
const std::array<Cell, 22> kSentence8 = {{
    {"Il   ", 1}, {"mio  ", 3}, {"amico   ", 2}, {"mi  ", 4}, {"ha invitato  ", 5},
    {"in   ", 7}, {"campagna;   ", 2}, {"io    ", 4}, {"ci    ", 6}, {"andrei   ", 5},
    {"con    ", 7}, {"molto    ", 3}, {"piacere,    ", 2}, {"ma     ", 8}, {"non     ", 6},
    {"posso     ", 5}, {"attualmente;  ", 6}, {"vi   ", 6}, {"andrò   ", 5}, {"il   ", 1},
    {"prossimo    ", 3}, {"mese.    ", 2},
}};

QString qs(const std::string &s) { return QString::fromStdString(s); }

SentenceBank filledBank()
{
    SentenceBank bank;
    bank.fill();
    return bank;
}

bool isBlankFiller(const std::string &text)
{
    return text.size() <= 4 && text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

class TestSentenceBank : public QObject {
    Q_OBJECT

private slots:
    void readsOutsideTheTablesThrow_data();
    void readsOutsideTheTablesThrow();
    void cornersAreReadable();
    void emptyBeforeFill();
    void unfilledRowsStayEmpty();
    void fillWritesTheCountCellAndNeverTheWordCellAtZero();

    void sentenceShape_data();
    void sentenceShape();
    void sentencesBeginningWithAnExclamation();
    void bankTotals();

    void sentenceCells_data();
    void sentenceCells();
};

void TestSentenceBank::readsOutsideTheTablesThrow_data()
{
    QTest::addColumn<int>("sentence");
    QTest::addColumn<int>("position");
    QTest::newRow("sentence -1") << -1 << 0;
    QTest::newRow("sentence 101") << 101 << 0;
    QTest::newRow("sentence 101, position 22") << 101 << 22;
    QTest::newRow("position -1") << 0 << -1;
    QTest::newRow("position 23") << 0 << 23;
    QTest::newRow("position 23 of sentence 100") << 100 << 23;
    QTest::newRow("both far out") << 1000 << 1000;
    QTest::newRow("both negative") << -5 << -5;
}

void TestSentenceBank::readsOutsideTheTablesThrow()
{
    QFETCH(int, sentence);
    QFETCH(int, position);
    const SentenceBank bank = filledBank();
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.word(sentence, position));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.code(sentence, position));
    if (position == 0)
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, bank.wordCount(sentence));
}

void TestSentenceBank::cornersAreReadable()
{
    const SentenceBank bank = filledBank();
    for (int s : {0, 32, 33, 100})
        for (int p : {0, 1, 22}) {
            QVERIFY_THROWS_NO_EXCEPTION(bank.word(s, p));
            QVERIFY_THROWS_NO_EXCEPTION(bank.code(s, p));
        }
}

void TestSentenceBank::emptyBeforeFill()
{
    const SentenceBank bank;
    for (int s = 0; s < kRows; ++s)
        for (int p = 0; p < kPositions; ++p) {
            QVERIFY(bank.code(s, p).isEmpty());
            QCOMPARE(bank.code(s, p).value(), std::int16_t{0});
            QCOMPARE(bank.word(s, p), std::string());
        }
    QCOMPARE(bank.wordCount(0), 0);
}

void TestSentenceBank::unfilledRowsStayEmpty()
{
    const SentenceBank bank = filledBank();
    for (int s = kSentences; s < kRows; ++s) {
        QCOMPARE(bank.wordCount(s), 0);  // an empty count reads as 0
        for (int p = 0; p < kPositions; ++p) {
            QVERIFY2(bank.code(s, p).isEmpty(), qPrintable(QStringLiteral("code (%1, %2)").arg(s).arg(p)));
            QCOMPARE(bank.word(s, p), std::string());
        }
    }
}

void TestSentenceBank::fillWritesTheCountCellAndNeverTheWordCellAtZero()
{
    // Mark the cells at position 0 beforehand: fill() must overwrite the code
    // cell with the count and leave the word cell alone.
    SentenceBank bank;
    for (int s = 0; s < kSentences; ++s) {
        bank.setWord(s, 0, "untouched");
        bank.setCode(s, 0, -7);
    }
    bank.fill();
    for (int s = 0; s < kSentences; ++s) {
        QCOMPARE(bank.word(s, 0), std::string("untouched"));
        QVERIFY(!bank.code(s, 0).isEmpty());
        QCOMPARE(int(bank.code(s, 0).value()), kOpenings[s].count);
        QCOMPARE(bank.wordCount(s), kOpenings[s].count);
    }
    // And a fresh bank's word cells at position 0 stay empty text.
    const SentenceBank fresh = filledBank();
    for (int s = 0; s < kSentences; ++s)
        QCOMPARE(fresh.word(s, 0), std::string());
}

void TestSentenceBank::sentenceShape_data()
{
    QTest::addColumn<int>("sentence");
    for (int s = 0; s < kSentences; ++s)
        QTest::addRow("%d", s) << s;
}

void TestSentenceBank::sentenceShape()
{
    QFETCH(int, sentence);
    const SentenceBank bank = filledBank();
    const Opening &o = kOpenings[sentence];

    QVERIFY(!bank.code(sentence, 0).isEmpty());
    QCOMPARE(bank.wordCount(sentence), o.count);
    QVERIFY(o.count >= 16 && o.count <= 22);

    // Units: positions 1..count, codes 1..9, texts not blank.
    QStringList units;
    for (int p = 1; p <= o.count; ++p) {
        const auto code = bank.code(sentence, p);
        QVERIFY2(!code.isEmpty() && code.value() >= 1 && code.value() <= 9,
                 qPrintable(QStringLiteral("position %1 code %2").arg(p).arg(code.value())));
        const QString text = qs(bank.word(sentence, p));
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(QStringLiteral("position %1 is blank").arg(p)));
        units << text;
    }
    // Fillers: the rest up to 22, code 0 (assigned) and blank text.
    for (int p = o.count + 1; p <= 22; ++p) {
        const auto code = bank.code(sentence, p);
        QVERIFY2(!code.isEmpty(), qPrintable(QStringLiteral("filler %1 never assigned").arg(p)));
        QCOMPARE(code.value(), std::int16_t{0});
        const std::string text = bank.word(sentence, p);
        QVERIFY2(isBlankFiller(text),
                 qPrintable(QStringLiteral("filler %1 is \"%2\"").arg(p).arg(qs(text))));
    }
    // The units read in order begin with the tabled first words.
    const QString joined = units.join(QLatin1Char(' ')).simplified();
    QVERIFY2(joined.startsWith(QString::fromUtf8(o.begins)),
             qPrintable(QStringLiteral("sentence reads \"%1\"").arg(joined.left(60))));
}

void TestSentenceBank::sentencesBeginningWithAnExclamation()
{
    const SentenceBank bank = filledBank();
    const QSet<int> exclamations = {17, 20, 23, 24, 25, 26, 27, 28, 31, 32};
    for (int s = 0; s < kSentences; ++s) {
        const bool startsWithExclamation = bank.code(s, 1).value() == 9;
        QVERIFY2(startsWithExclamation == exclamations.contains(s),
                 qPrintable(QStringLiteral("sentence %1 starts with code %2").arg(s).arg(bank.code(s, 1).value())));
    }
}

void TestSentenceBank::bankTotals()
{
    const SentenceBank bank = filledBank();
    std::array<int, 10> byCode{};
    int fillers = 0;
    int units = 0;
    for (int s = 0; s < kSentences; ++s)
        for (int p = 1; p <= 22; ++p) {
            const int code = bank.code(s, p).value();
            QVERIFY(code >= 0 && code <= 9);
            ++byCode[code];
            if (code == 0)
                ++fillers;
            else
                ++units;
        }
    QCOMPARE(units, 676);
    QCOMPARE(fillers, 50);
    const std::array<int, 10> expected = {50, 62, 143, 87, 53, 130, 58, 80, 51, 12};
    for (int code = 1; code <= 9; ++code)
        QVERIFY2(byCode[code] == expected[code],
                 qPrintable(QStringLiteral("code %1: %2 units, expected %3").arg(code).arg(byCode[code]).arg(expected[code])));

    int sumOfCounts = 0;
    for (int s = 0; s < kSentences; ++s)
        sumOfCounts += bank.wordCount(s);
    QCOMPARE(sumOfCounts, 676);
}

void TestSentenceBank::sentenceCells_data()
{
    QTest::addColumn<int>("sentence");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    for (int p = 1; p <= 22; ++p)
        QTest::addRow("0/%d", p) << 0 << p << QString::fromUtf8(kSentence0[p - 1].text) << kSentence0[p - 1].code;
    for (int p = 1; p <= 22; ++p)
        QTest::addRow("8/%d", p) << 8 << p << QString::fromUtf8(kSentence8[p - 1].text) << kSentence8[p - 1].code;
}

void TestSentenceBank::sentenceCells()
{
    QFETCH(int, sentence);
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(int, code);
    const SentenceBank bank = filledBank();
    QCOMPARE(qs(bank.word(sentence, position)), text);  // spaces included
    QVERIFY(!bank.code(sentence, position).isEmpty());
    QCOMPARE(int(bank.code(sentence, position).value()), code);
    QCOMPARE(bank.wordCount(sentence), sentence == 0 ? 19 : 22);
}

QTEST_APPLESS_MAIN(TestSentenceBank)
#include "test_sentence_bank.moc"
