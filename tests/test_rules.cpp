// The window-free rules of the drill: the two answer checks, the error
// category of a wrong answer, the error percentage, the grade, the best time
// and the record, the draw of a sentence not yet shown, and the empty value.

#include <QtTest>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <deque>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "engine/or_empty.h"
#include "engine/random_source.h"
#include "engine/rules.h"

using engine::OrEmpty;
namespace rules = engine::rules;

namespace {

using UsedFlags = std::array<OrEmpty<int>, rules::kBankRows>;

constexpr int kLastSentence = 32;  // sentences 0..32 are in the bank

// A random source that plays back a script and records every request.
// Past the end of the script it repeats `fallback` (or the last value).
class ScriptedRandom final : public engine::RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> script = {}, int fallback = -1)
        : script_(std::move(script)), fallback_(fallback)
    {
    }
    int below(int n) override
    {
        ++calls;
        bounds.push_back(n);
        int v;
        if (!script_.empty()) {
            v = script_.front();
            script_.pop_front();
            last_ = v;
        } else {
            v = fallback_ >= 0 ? fallback_ : last_;
        }
        if (v < 0 || v >= n)
            outOfRange = true;
        return v;
    }
    void push(int v) { script_.push_back(v); }

    int calls = 0;
    bool outOfRange = false;
    std::vector<int> bounds;

private:
    std::deque<int> script_;
    int fallback_;
    int last_ = 0;
};

// A random source that yields `value(callNumber)` for call 1, 2, 3, ...
template <typename F>
class FunctionRandom final : public engine::RandomSource {
public:
    explicit FunctionRandom(F f) : f_(f) {}
    int below(int n) override
    {
        ++calls;
        if (n != kLastSentence + 1)
            wrongBound = true;
        return f_(calls);
    }
    int calls = 0;
    bool wrongBound = false;

private:
    F f_;
};

UsedFlags usedExcept(std::initializer_list<int> free)
{
    UsedFlags used{};
    for (int s = 0; s <= kLastSentence; ++s)
        used[s] = 1;
    for (int s : free)
        used[s] = OrEmpty<int>{};  // back to empty: never drawn
    return used;
}

}  // namespace

class TestRules : public QObject {
    Q_OBJECT

private slots:
    // --- the two kinds of part of speech -----------------------------------
    void kindOfCode_data();
    void kindOfCode();
    void firstStepButton_data();
    void firstStepButton();
    void errorCategory_data();
    void errorCategory();

    // --- statistics, grade, record -----------------------------------------
    void percentageNamedCases_data();
    void percentageNamedCases();
    void percentageIsTheFloorForEveryPair();
    void gradeFor_data();
    void gradeFor();
    void cutToTenths_data();
    void cutToTenths();
    void isRecord_data();
    void isRecord();

    // --- the draw of a sentence --------------------------------------------
    void drawAsksForOneOfTheBankIndexes();
    void drawReachesEveryIndexUniformly();
    void drawNeverReturnsAUsedSentenceWhileAFreeOneRemains();
    void drawTakesAFreeFirstDrawAtOnce();
    void drawSkipsUsedSentencesInOrder();
    void drawTreatsZeroFlagAsFree();
    void drawFindsTheOneFreeSentenceLeft();
    void drawFindsAFreeSentenceOnTheLastAllowedDraw();
    void drawIsExhaustedAfterMoreThanTheRetryLimit();
    void drawRetryCountRestartsEachCall();
    void drawInAGrownBankTakesEachSentenceOnceThenIsExhausted();
    void drawInAGrownBankCountsOnlyTheFreeSentences();

    // --- the empty value ---------------------------------------------------
    void orEmptyStartsEmpty();
    void orEmptyAddOnEmptyGivesOne();
    void orEmptyZeroIsNotEmpty();
    void orEmptyClear();
};

// ---------------------------------------------------------------------------

void TestRules::kindOfCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("variable");
    QTest::addColumn<bool>("invariable");
    QTest::newRow("0 filler") << 0 << false << false;
    QTest::newRow("1 article") << 1 << true << false;
    QTest::newRow("2 noun") << 2 << true << false;
    QTest::newRow("3 adjective") << 3 << true << false;
    QTest::newRow("4 pronoun") << 4 << true << false;
    QTest::newRow("5 verb, last variable") << 5 << true << false;
    QTest::newRow("6 adverb, first invariable") << 6 << false << true;
    QTest::newRow("7 preposition") << 7 << false << true;
    QTest::newRow("8 conjunction") << 8 << false << true;
    QTest::newRow("9 exclamation") << 9 << false << true;
    QTest::newRow("10 button, not a part of speech") << 10 << false << false;
    QTest::newRow("11 button, not a part of speech") << 11 << false << false;
}

void TestRules::kindOfCode()
{
    QFETCH(int, code);
    QFETCH(bool, variable);
    QFETCH(bool, invariable);
    QCOMPARE(rules::isVariable(code), variable);
    QCOMPARE(rules::isInvariable(code), invariable);
}

void TestRules::firstStepButton_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("variableRight");
    for (int code = 1; code <= 9; ++code)
        QTest::addRow("code %d", code) << code << (code <= 5);
}

void TestRules::firstStepButton()
{
    QFETCH(int, code);
    QFETCH(bool, variableRight);
    QCOMPARE(rules::kVariableButton, 10);
    QCOMPARE(rules::kInvariableButton, 11);
    QCOMPARE(rules::rightAtFirstStep(10, code), variableRight);
    QCOMPARE(rules::rightAtFirstStep(11, code), !variableRight);
}

void TestRules::errorCategory_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("expectedCode");
    QTest::addColumn<int>("category");
    // A first-step button pressed wrongly files under the button.
    for (int code = 6; code <= 9; ++code)
        QTest::addRow("VARIABILE on code %d", code) << 10 << code << 10;
    for (int code = 1; code <= 5; ++code)
        QTest::addRow("INVARIABILE on code %d", code) << 11 << code << 11;
    // A wrong part of speech files under what the word really is.
    QTest::newRow("Nome on an adjective") << 2 << 3 << 3;
    for (int given = 1; given <= 9; ++given)
        for (int code = 1; code <= 9; ++code)
            if (given != code && (given <= 5) == (code <= 5))
                QTest::addRow("Com(%d) on code %d", given, code) << given << code << code;
}

void TestRules::errorCategory()
{
    QFETCH(int, given);
    QFETCH(int, expectedCode);
    QFETCH(int, category);
    QCOMPARE(rules::errorCategory(given, expectedCode), category);
}

// ---------------------------------------------------------------------------

void TestRules::percentageNamedCases_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("percent");
    QTest::newRow("2 of 3") << 2 << 3 << 66;
    QTest::newRow("1 of 3") << 1 << 3 << 33;
    QTest::newRow("1 of 1") << 1 << 1 << 100;
    QTest::newRow("0 of 20") << 0 << 20 << 0;
    QTest::newRow("20 of 20") << 20 << 20 << 100;
    QTest::newRow("1 of 20") << 1 << 20 << 5;
    QTest::newRow("7 of 20") << 7 << 20 << 35;
    QTest::newRow("19 of 20") << 19 << 20 << 95;
    QTest::newRow("1 of 7") << 1 << 7 << 14;
    QTest::newRow("29 of 100") << 29 << 100 << 29;    // 0.29 * 100 is 28.999... in floating point
    QTest::newRow("57 of 100") << 57 << 100 << 57;    // 0.57 * 100 is 56.999... in floating point
    QTest::newRow("32766 of 32767") << 32766 << 32767 << 99;
    QTest::newRow("32767 of 32767") << 32767 << 32767 << 100;
}

void TestRules::percentageNamedCases()
{
    QFETCH(int, errors);
    QFETCH(int, answers);
    QFETCH(int, percent);
    QCOMPARE(rules::percentage(errors, answers), percent);
}

void TestRules::percentageIsTheFloorForEveryPair()
{
    // For every 0 <= e <= a <= 32767 the result p must satisfy
    //   p * a <= 100 * e < (p + 1) * a,
    // the definition of floor(100 * e / a). Two threads share the answers
    // counts; failures are collected and reported once.
    constexpr int kMax = 32767;
    std::atomic<long long> failures{0};
    std::atomic<long long> checked{0};
    std::mutex firstMutex;
    int firstE = -1, firstA = -1, firstP = -1;

    auto work = [&](int parity) {
        long long localChecked = 0, localFailures = 0;
        for (int a = 1 + parity; a <= kMax; a += 2) {
            const long long la = a;
            for (int e = 0; e <= a; ++e) {
                const long long p = rules::percentage(e, a);
                const long long hundredE = 100LL * e;
                if (!(p * la <= hundredE && hundredE < p * la + la)) {
                    if (localFailures++ == 0) {
                        std::lock_guard lock(firstMutex);
                        if (firstA < 0 || a < firstA) {
                            firstE = e;
                            firstA = a;
                            firstP = static_cast<int>(p);
                        }
                    }
                }
            }
            localChecked += a + 1;
        }
        checked += localChecked;
        failures += localFailures;
    };

    QElapsedTimer timer;
    timer.start();
    std::thread other(work, 1);
    work(0);
    other.join();
    qInfo("percentage: %lld pairs checked in %lld ms", checked.load(), timer.elapsed());

    // Every pair was visited: sum over a of (a + 1).
    QCOMPARE(checked.load(), static_cast<long long>(kMax) * (kMax + 3) / 2);
    QVERIFY2(failures.load() == 0,
             qPrintable(QStringLiteral("%1 wrong results; first: percentage(%2, %3) = %4")
                            .arg(failures.load())
                            .arg(firstE)
                            .arg(firstA)
                            .arg(firstP)));
}

void TestRules::gradeFor_data()
{
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("grade");
    QTest::newRow("0 wrong") << 0 << 5;
    QTest::newRow("1 wrong") << 1 << 4;
    QTest::newRow("2 wrong") << 2 << 3;
    QTest::newRow("3 wrong") << 3 << 2;
    QTest::newRow("4 wrong") << 4 << 1;
    QTest::newRow("5 wrong") << 5 << 1;
    QTest::newRow("7 wrong") << 7 << 1;
    QTest::newRow("20 wrong") << 20 << 1;
}

void TestRules::gradeFor()
{
    QFETCH(int, wrong);
    QFETCH(int, grade);
    QCOMPARE(rules::gradeFor(wrong), grade);
}

void TestRules::cutToTenths_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<int>("tenths");
    QTest::newRow("123.47 s") << qint64(123470) << 1234;
    QTest::newRow("123.499 s, never rounded up") << qint64(123499) << 1234;
    QTest::newRow("123.4 s exactly") << qint64(123400) << 1234;
    QTest::newRow("0.099 s") << qint64(99) << 0;
    QTest::newRow("0 s") << qint64(0) << 0;
    QTest::newRow("199.999 s") << qint64(199999) << 1999;
    QTest::newRow("200 s") << qint64(200000) << 2000;
}

void TestRules::cutToTenths()
{
    QFETCH(qint64, ms);
    QFETCH(int, tenths);
    QCOMPARE(rules::cutToTenths(ms), tenths);
}

void TestRules::isRecord_data()
{
    QTest::addColumn<int>("grade");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<int>("bestTenths");
    QTest::addColumn<bool>("record");
    QTest::newRow("initial best is 200 s") << 5 << qint64(199999) << rules::kInitialBestTenths << true;
    QTest::newRow("123.47 s against 200 s") << 5 << qint64(123470) << 2000 << true;
    QTest::newRow("exactly the best time") << 5 << qint64(200000) << 2000 << false;
    QTest::newRow("one ms under the best") << 5 << qint64(199999) << 2000 << true;
    QTest::newRow("slower than the best") << 5 << qint64(250000) << 2000 << false;
    QTest::newRow("exactly 123.4 s") << 5 << qint64(123400) << 1234 << false;
    QTest::newRow("123.45 s against 123.4 s") << 5 << qint64(123450) << 1234 << false;
    QTest::newRow("123.399 s against 123.4 s") << 5 << qint64(123399) << 1234 << true;
    QTest::newRow("grade 4, 123 ms") << 4 << qint64(123) << 2000 << false;
    QTest::newRow("grade 3, fast") << 3 << qint64(1000) << 2000 << false;
    QTest::newRow("grade 2, fast") << 2 << qint64(1000) << 2000 << false;
    QTest::newRow("grade 1, fast") << 1 << qint64(1000) << 2000 << false;
    QTest::newRow("no series yet (grade 0)") << 0 << qint64(1000) << 2000 << false;
}

void TestRules::isRecord()
{
    QFETCH(int, grade);
    QFETCH(qint64, ms);
    QFETCH(int, bestTenths);
    QFETCH(bool, record);
    QCOMPARE(rules::kInitialBestTenths, 2000);
    QCOMPARE(rules::isRecord(grade, ms, bestTenths), record);
}

// ---------------------------------------------------------------------------

void TestRules::drawAsksForOneOfTheBankIndexes()
{
    UsedFlags used{};
    ScriptedRandom random({0});
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QCOMPARE(d.sentence, 0);  // index 0 is a valid draw
    QVERIFY(!d.exhausted);
    QCOMPARE(random.calls, 1);
    QCOMPARE(random.bounds.front(), kLastSentence + 1);  // 33 equally likely values

    // A smaller bank asks for that many values.
    ScriptedRandom small({4});
    QCOMPARE(rules::drawSentence(used, 4, small).sentence, 4);
    QCOMPARE(small.bounds.front(), 5);
}

void TestRules::drawReachesEveryIndexUniformly()
{
    engine::SystemRandom random;
    const UsedFlags noneUsed{};
    constexpr int kCells = kLastSentence + 1;
    constexpr int kDraws = kCells * 1000;
    std::array<int, kCells> counts{};
    for (int i = 0; i < kDraws; ++i) {
        const rules::Draw d = rules::drawSentence(noneUsed, kLastSentence, random);
        QVERIFY(!d.exhausted);
        QVERIFY(d.sentence >= 0 && d.sentence <= kLastSentence);
        ++counts[d.sentence];
    }
    double chi2 = 0;
    const double expected = double(kDraws) / kCells;
    for (int s = 0; s < kCells; ++s) {
        QVERIFY2(counts[s] > 0, qPrintable(QStringLiteral("sentence %1 never drawn").arg(s)));
        chi2 += (counts[s] - expected) * (counts[s] - expected) / expected;
    }
    qInfo("draw uniformity: chi-square %.1f over %d cells (32 degrees of freedom)", chi2, kCells);
    // 32 degrees of freedom: mean 32, and 100 is exceeded with probability ~1e-8.
    QVERIFY2(chi2 < 100, qPrintable(QStringLiteral("chi-square %1").arg(chi2)));

    // Two runs of draws differ (the generator is seeded by the system).
    std::array<int, 40> first{}, second{};
    for (int &v : first)
        v = rules::drawSentence(noneUsed, kLastSentence, random).sentence;
    for (int &v : second)
        v = rules::drawSentence(noneUsed, kLastSentence, random).sentence;
    QVERIFY(first != second);
}

void TestRules::drawNeverReturnsAUsedSentenceWhileAFreeOneRemains()
{
    engine::SystemRandom random;
    // Use up the sentences one by one in a random order; every draw must
    // land on a free sentence until none is left.
    for (int round = 0; round < 20; ++round) {
        UsedFlags used{};
        for (int left = kLastSentence + 1; left > 0; --left) {
            const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
            QVERIFY2(!d.exhausted, qPrintable(QStringLiteral("round %1, %2 left").arg(round).arg(left)));
            QVERIFY(d.sentence >= 0 && d.sentence <= kLastSentence);
            QVERIFY2(used[d.sentence].value() == 0,
                     qPrintable(QStringLiteral("sentence %1 drawn twice").arg(d.sentence)));
            used[d.sentence] = 1;
        }
        // Every one of the 33 was drawn once.
        for (int s = 0; s <= kLastSentence; ++s)
            QCOMPARE(used[s].value(), 1);
    }
}

void TestRules::drawTakesAFreeFirstDrawAtOnce()
{
    // With most sentences used, a press whose first draw finds a free one
    // stops there: one draw, no retry, not exhausted.
    const UsedFlags used = usedExcept({7, 20});
    ScriptedRandom random({20, 3, 3, 3});
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QCOMPARE(d.sentence, 20);
    QVERIFY(!d.exhausted);
    QCOMPARE(random.calls, 1);
    QVERIFY(!random.outOfRange);
}

void TestRules::drawSkipsUsedSentencesInOrder()
{
    const UsedFlags used = usedExcept({7});
    ScriptedRandom random({5, 5, 0, 32, 7, 9});
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QCOMPARE(d.sentence, 7);
    QVERIFY(!d.exhausted);
    QCOMPARE(random.calls, 5);
}

void TestRules::drawTreatsZeroFlagAsFree()
{
    // An empty flag and a flag holding 0 both mean "not used".
    UsedFlags used = usedExcept({});
    used[11] = 0;
    ScriptedRandom random({4, 11});
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QCOMPARE(d.sentence, 11);
    QVERIFY(!d.exhausted);
    QCOMPARE(random.calls, 2);
}

void TestRules::drawFindsTheOneFreeSentenceLeft()
{
    engine::SystemRandom random;
    for (int free = 0; free <= kLastSentence; ++free) {
        const UsedFlags used = usedExcept({free});
        const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
        QCOMPARE(d.sentence, free);
        QVERIFY(!d.exhausted);
    }
}

void TestRules::drawFindsAFreeSentenceOnTheLastAllowedDraw()
{
    // 10000 hits on used sentences are allowed; a free sentence on draw
    // 10001 is still found and taken.
    const UsedFlags used = usedExcept({13});
    auto script = [](int call) { return call <= rules::kMaxRetries ? call % 13 : 13; };
    FunctionRandom random(script);
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QCOMPARE(rules::kMaxRetries, 10000);
    QCOMPARE(d.sentence, 13);
    QVERIFY(!d.exhausted);
    QCOMPARE(random.calls, rules::kMaxRetries + 1);
    QVERIFY(!random.wrongBound);
}

void TestRules::drawIsExhaustedAfterMoreThanTheRetryLimit()
{
    // A free sentence is never missed: after more than the retry limit of
    // hits on used sentences the draw picks among the free ones left (one
    // number below their count), and the bank is not exhausted.
    UsedFlags used = usedExcept({13});
    std::deque<int> hits(rules::kMaxRetries + 1, 29);
    hits.push_back(0);
    ScriptedRandom random(hits);
    const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
    QVERIFY(!d.exhausted);
    QCOMPARE(d.sentence, 13);
    QCOMPARE(random.calls, rules::kMaxRetries + 2);
    QCOMPARE(random.bounds.back(), 1);
    QVERIFY(!random.outOfRange);

    // The whole bank used: the 10001st hit on a used sentence ends the draw
    // as exhausted, and the index of that last draw is returned.
    used = usedExcept({});
    for (int last : {0, 17, 32}) {
        auto allUsed = [last](int call) { return call == rules::kMaxRetries + 1 ? last : (call * 7) % 33; };
        FunctionRandom r2(allUsed);
        const rules::Draw e = rules::drawSentence(used, kLastSentence, r2);
        QVERIFY(e.exhausted);
        QCOMPARE(e.sentence, last);
        QCOMPARE(r2.calls, rules::kMaxRetries + 1);
    }
}

void TestRules::drawRetryCountRestartsEachCall()
{
    // Two presses in a row, each with 10000 fruitless draws before a free
    // one: neither is exhausted, as each press counts from 0.
    const UsedFlags used = usedExcept({30});
    int phase = 0;
    auto script = [&phase](int call) {
        const int within = call - phase * (rules::kMaxRetries + 1);
        return within == rules::kMaxRetries + 1 ? 30 : within % 30;
    };
    FunctionRandom random(script);
    for (phase = 0; phase < 3; ++phase) {
        const rules::Draw d = rules::drawSentence(used, kLastSentence, random);
        QVERIFY2(!d.exhausted, qPrintable(QStringLiteral("press %1").arg(phase + 1)));
        QCOMPARE(d.sentence, 30);
        QCOMPARE(random.calls, (phase + 1) * (rules::kMaxRetries + 1));
    }

    // An exhausted press does not leave a count behind either.
    const UsedFlags allUsed = usedExcept({});
    ScriptedRandom exhausting({}, 3);
    QVERIFY(rules::drawSentence(allUsed, kLastSentence, exhausting).exhausted);
    QCOMPARE(exhausting.calls, rules::kMaxRetries + 1);
    ScriptedRandom free({0, 1, 2, 30});
    const rules::Draw d = rules::drawSentence(used, kLastSentence, free);
    QVERIFY(!d.exhausted);
    QCOMPARE(d.sentence, 30);
    QCOMPARE(free.calls, 4);
}

void TestRules::drawInAGrownBankTakesEachSentenceOnceThenIsExhausted()
{
    // 10,000 sentences from collections: every press asks one number below
    // the count of sentences left and lands on a new one; the press after the
    // last is exhausted and shows a sentence drawn among all of them.
    constexpr int kSentences = 10000;
    std::vector<OrEmpty<int>> used(kSentences);
    engine::SystemRandom system;
    int drawn = 0;
    for (int left = kSentences; left > 0; --left) {
        ScriptedRandom random({system.below(left)});
        const rules::Draw d = rules::drawSentence(used, kSentences - 1, random);
        if (d.exhausted || used[d.sentence].value() != 0 || random.calls != 1 || random.bounds[0] != left)
            QFAIL(qPrintable(QStringLiteral("press %1: sentence %2").arg(kSentences - left + 1).arg(d.sentence)));
        used[d.sentence] = 1;
        ++drawn;
    }
    QCOMPARE(drawn, kSentences);
    ScriptedRandom last({9876});
    const rules::Draw e = rules::drawSentence(used, kSentences - 1, last);
    QVERIFY(e.exhausted);
    QCOMPARE(e.sentence, 9876);
    QCOMPARE(last.bounds, std::vector<int>{kSentences});
}

void TestRules::drawInAGrownBankCountsOnlyTheFreeSentences()
{
    // The number drawn is the rank among the free sentences, in index order.
    std::vector<OrEmpty<int>> used(200);
    for (int s : {0, 1, 2, 5, 150})
        used[s] = 1;
    used[3] = 0;  // a flag holding 0 is free too
    for (auto [rank, sentence] : {std::pair{0, 3}, {1, 4}, {2, 6}, {145, 149}, {146, 151}, {194, 199}}) {
        ScriptedRandom random({rank});
        const rules::Draw d = rules::drawSentence(used, 199, random);
        QCOMPARE(d.sentence, sentence);
        QCOMPARE(random.bounds, std::vector<int>{195});
    }
    // Only the rows up to the last sentence count.
    ScriptedRandom random({0});
    QCOMPARE(rules::drawSentence(used, 120, random).sentence, 3);
    QCOMPARE(random.bounds, std::vector<int>{117});
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, rules::drawSentence(used, 200, random));
}

// ---------------------------------------------------------------------------

void TestRules::orEmptyStartsEmpty()
{
    const OrEmpty<int> v;
    QVERIFY(v.isEmpty());
    QCOMPARE(v.value(), 0);  // counts as 0
    QCOMPARE(engine::text(v), std::string());  // shows as ""
    QVERIFY(v.value() < 1);

    const OrEmpty<std::string> s;
    QVERIFY(s.isEmpty());
    QCOMPARE(s.value(), std::string());
}

void TestRules::orEmptyAddOnEmptyGivesOne()
{
    OrEmpty<int> v;
    v.add(1);
    QVERIFY(!v.isEmpty());
    QCOMPARE(v.value(), 1);
    QCOMPARE(engine::text(v), std::string("1"));
    v.add(1);
    QCOMPARE(v.value(), 2);
    QCOMPARE(engine::text(v), std::string("2"));

    OrEmpty<std::int64_t> big;
    big.add(5);
    QCOMPARE(big.value(), std::int64_t{5});
}

void TestRules::orEmptyZeroIsNotEmpty()
{
    const OrEmpty<int> zero(0);
    QVERIFY(!zero.isEmpty());
    QCOMPARE(zero.value(), 0);
    QCOMPARE(engine::text(zero), std::string("0"));  // an assigned 0 shows "0"
    QVERIFY(!(zero == OrEmpty<int>{}));
    QCOMPARE(engine::text(OrEmpty<int>(17)), std::string("17"));
}

void TestRules::orEmptyClear()
{
    OrEmpty<int> v(4);
    v.clear();
    QVERIFY(v.isEmpty());
    QCOMPARE(engine::text(v), std::string());
    QVERIFY(v == OrEmpty<int>{});
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
