// The exercise window driven as the pupil drives it, with a short pause, a
// clock the test moves, scripted sentence draws and recorded cues.

#include <QtTest>

#include "drill_fixture.h"
#include "windows/error_report_window.h"

using engine::rules::isVariable;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kDarkGreen = 0xFF004000;

QString caption(const layout::Label *l) { return l->caption(); }
QRgb ink(const layout::Label *l) { return l->textColor().rgba(); }

}  // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWaitingForVia();
    void viaShowsADrawnSentence();
    void wholeSentenceClassifiedRight();
    void rightFirstStepOpensTheGroup_data();
    void rightFirstStepOpensTheGroup();
    void wrongFirstStepIsFiledUnderItsButton_data();
    void wrongFirstStepIsFiledUnderItsButton();
    void wrongSecondStepIsFiledUnderTheWordsOwnPart();
    void rightSecondStepAdvancesTheWord();
    void anArticleMovesStraightOn();
    void statisticsAfterEachAnswer();
    void seriesEndsInTheMiddleOfAWord_data();
    void seriesEndsInTheMiddleOfAWord();
    void gradesAndTallies_data();
    void gradesAndTallies();
    void talliesStopAtTen();
    void recordRule_data();
    void recordRule();
    void exhaustedBank();
    void everySentenceOnceBeforeExhaustion();
    void clockCountsWholeSecondsFromTheFirstVia();
    void errorReportOpensOnceAndFollowsOnlyOnRequest();
    void lookingAtTheResultsChangesNothing();
    void fineEndsTheProgram();
    void closingTheWindowEndsTheProgram();
};

void ExerciseWindowTest::startsWaitingForVia()
{
    Drill d;
    auto &f = *d.form;
    QCOMPARE(caption(f.AVVISO), QStringLiteral("Clicca sul tasto VIA per partire"));
    QVERIFY(f.Com10->isVisible() && !f.Com10->isEnabled());
    QVERIFY(f.Com11->isVisible() && !f.Com11->isEnabled());
    for (int i = 1; i <= 9; ++i)
        QVERIFY(!f.Com[i]->isEnabled());
    for (int i = 1; i <= 3; ++i)
        QVERIFY(f.art[i]->isHidden());
    for (int i = 1; i <= 5; ++i)
        QVERIFY(f.display[i]->isHidden());
    QVERIFY(pressable(f.VIA) && pressable(f.FINE) && pressable(f.Command8));
    QCOMPARE(d.player.names(), QStringList{"premivia"});
    QCOMPARE(d.player.played.first(), QStringLiteral("/prog/suoni/premivia.wav"));
    QCOMPARE(d.state.answerCount, 0);
    QCOMPARE(d.state.errorCount, 0);
    QCOMPARE(d.state.bestTenths, 2000);
    QVERIFY(!d.state.clockRunning);
    QCOMPARE(caption(f.Lrisposte), QStringLiteral("_"));
    QCOMPARE(caption(f.Lerrori), QStringLiteral("_"));
    QCOMPARE(caption(f.Lpercentuale), QStringLiteral("_"));
    QCOMPARE(caption(f.Label1), QStringLiteral("n° della domanda"));
    QCOMPARE(caption(f.Lbclock), QStringLiteral("0"));
    for (int i = 1; i <= 22; ++i)
        QVERIFY(caption(f.Lbmostra[i]).isEmpty());
    // No answer can be given before VIA.
    QVERIFY(!d.press(f.Com10));
    QVERIFY(!d.press(f.Com[1]));
}

void ExerciseWindowTest::viaShowsADrawnSentence()
{
    Drill d;
    auto &f = *d.form;
    d.clock.ms = 5000;
    QVERIFY(d.via(8));
    QCOMPARE(d.state.currentSentence.value(), 8);
    QCOMPARE(d.state.sentenceUsed[8].value(), 1);
    QCOMPARE(d.state.clockStart.value(), 5000);
    QCOMPARE(d.state.seriesStart.value(), 5000);
    QVERIFY(d.state.clockRunning);
    QCOMPARE(caption(f.Label1), QStringLiteral("8"));
    QCOMPARE(caption(f.Lbmostra[1]), QStringLiteral("Il   "));
    QCOMPARE(caption(f.Lbmostra[5]), QStringLiteral("ha invitato  "));
    QCOMPARE(caption(f.Lbmostra[22]), QStringLiteral("mese.    "));
    QCOMPARE(ink(f.Lbmostra[1]), kRed);
    for (int i = 2; i <= 22; ++i)
        QCOMPARE(ink(f.Lbmostra[i]), kDarkGreen);
    QCOMPARE(caption(f.AVVISO),
             QStringLiteral("Classifica la parte in rosso prima VARIABILE o INVARIABILE poi..."));
    QVERIFY(caption(f.gratifica).isEmpty());
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(f.Com[i]->isHidden());
    QVERIFY(f.VIA->isHidden());
    QCOMPARE(d.player.names().last(), QStringLiteral("rumorevia"));
    QCOMPARE(d.state.expectedCode.value(), 1);

    // A sentence with fillers: every label shown, the ones past the end blank.
    d.state.sentenceUsed.fill(engine::OrEmpty<int>());
    Drill d0;
    QVERIFY(d0.via(0));
    QCOMPARE(caption(d0.form->Label1), QStringLiteral("0"));
    for (int i = 20; i <= 22; ++i) {
        QVERIFY(d0.form->Lbmostra[i]->isVisible());
        QVERIFY(caption(d0.form->Lbmostra[i]).trimmed().isEmpty());
    }
}

void ExerciseWindowTest::wholeSentenceClassifiedRight()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    const int n = d.state.wordCount();
    QCOMPARE(n, 19);
    for (int w = 1; w <= n; ++w) {
        QCOMPARE(d.word(), w);
        QCOMPARE(ink(f.Lbmostra[w]), kRed);
        QVERIFY(d.answerWord());
        if (w < n)
            QCOMPARE(ink(f.Lbmostra[w]), QApplication::palette().color(QPalette::ButtonText).rgba());
    }
    QCOMPARE(d.word(), n + 1);
    QCOMPARE(d.state.answerCount, 2 * n - 20);  // the series of 20 ended on the way
    QCOMPARE(d.state.errorCount, 0);
    QCOMPARE(caption(f.gratifica), QStringLiteral("COMPLETATA"));
    QCOMPARE(caption(f.AVVISO),
             QStringLiteral("Bene, hai completato questa frase; ora premi il VIA per proseguire."));
    QCOMPARE(d.player.names().last(), QStringLiteral("premivia"));
    QVERIFY(pressable(f.VIA));
    QVERIFY(f.Com10->isHidden() && f.Com11->isHidden());
    for (int i = 1; i <= 9; ++i)
        QVERIFY(f.Com[i]->isHidden());
    QCOMPARE(ink(f.Lbmostra[n]), kRed);  // the last word keeps its mark
    QCOMPARE(d.state.expectedCode.value(), 2);
}

void ExerciseWindowTest::rightFirstStepOpensTheGroup_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<bool>("variable");
    // Sentence 0: word 1 "Era" is a verb, word 2 "presto" an adverb.
    QTest::newRow("verb, PARTE VARIABILE") << 1 << true;
    QTest::newRow("adverb, PARTE  INVARIABILE") << 2 << false;
}

void ExerciseWindowTest::rightFirstStepOpensTheGroup()
{
    QFETCH(int, word);
    QFETCH(bool, variable);
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    for (int w = 1; w < word; ++w)
        QVERIFY(d.answerWord());
    d.player.played.clear();
    QVERIFY(d.firstStep(true));
    layout::Button *pressed = variable ? f.Com10 : f.Com11;
    QVERIFY(pressed->isHidden() && !pressed->isEnabled());
    QVERIFY((variable ? f.Com11 : f.Com10)->isHidden());
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(f.Com[i]->isVisible(), (i <= 5) == variable);
    QVERIFY(f.display[1]->isVisible());
    QCOMPARE(caption(f.display[1]),
             variable ? QStringLiteral("Parte variabile") : QStringLiteral("Parte invariabile"));
    QCOMPARE(f.display[1]->palette().color(QPalette::Window), pressed->faceColor());
    QVERIFY(d.player.names().first().startsWith("esatto"));
    QCOMPARE(d.state.givenAnswer.value(), variable ? 10 : 11);
    QCOMPARE(d.state.errorCount, 0);
    QVERIFY(caption(f.gratifica).isEmpty());  // the pause's message is gone
}

void ExerciseWindowTest::wrongFirstStepIsFiledUnderItsButton_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("category");
    QTest::newRow("PARTE  INVARIABILE on a verb") << 1 << 11;
    QTest::newRow("PARTE VARIABILE on an adverb") << 2 << 10;
}

void ExerciseWindowTest::wrongFirstStepIsFiledUnderItsButton()
{
    QFETCH(int, word);
    QFETCH(int, category);
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    for (int w = 1; w < word; ++w)
        QVERIFY(d.answerWord());
    const int answersBefore = d.state.answerCount;
    d.player.played.clear();
    QVERIFY(d.firstStep(false));
    QCOMPARE(d.player.names(), QStringList{"sbagliato1"});
    QCOMPARE(d.state.errorTally[category].value(), 1);
    QCOMPARE(d.state.errorTally[d.code()].value(), 0);
    QCOMPARE(d.state.errorCount, 1);
    QCOMPARE(d.state.answerCount, answersBefore + 1);
    QCOMPARE(d.word(), word);
    for (int i = 1; i <= 9; ++i)
        QVERIFY(f.Com[i]->isHidden());
    QVERIFY(f.display[1]->isHidden() && f.display[2]->isHidden());
    // The same question again, and this time right.
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
    QCOMPARE(ink(f.Lbmostra[word]), kRed);
    QVERIFY(d.answerWord());
    QCOMPARE(d.word(), word + 1);
}

void ExerciseWindowTest::wrongSecondStepIsFiledUnderTheWordsOwnPart()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    for (int w = 1; w < 6; ++w)
        QVERIFY(d.answerWord());
    QCOMPARE(d.code(), 3);  // "qualche", an adjective
    QVERIFY(d.firstStep(true));
    QVERIFY(d.press(f.Com[2]));  // "Nome"
    QVERIFY(d.press(f.Com[4]));  // "Pronome"
    QCOMPARE(d.state.errorTally[3].value(), 2);
    QVERIFY(d.state.errorTally[2].isEmpty());
    QVERIFY(d.state.errorTally[4].isEmpty());
    QCOMPARE(d.state.errorCount, 2);
    QCOMPARE(d.state.givenAnswer.value(), 4);
    // Nothing moved: the same group, display(1) still on show.
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(pressable(f.Com[i]), i <= 5);
    QVERIFY(f.display[1]->isVisible());
    QCOMPARE(d.word(), 6);
    QCOMPARE(d.player.names().last(), QStringLiteral("sbagliato1"));
}

void ExerciseWindowTest::rightSecondStepAdvancesTheWord()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    QVERIFY(d.answerWord());  // "Era": verb
    QVERIFY(d.firstStep(true));
    QVERIFY(d.press(f.Com[6]));  // "presto": adverb
    QCOMPARE(d.word(), 3);
    QCOMPARE(caption(f.display[2]), QStringLiteral("Avverbio e locuzione avv."));
    QCOMPARE(f.display[2]->palette().color(QPalette::Window), f.Com[6]->faceColor());
    QVERIFY(f.display[2]->isVisible() && f.display[1]->isVisible());
    QCOMPARE(ink(f.Lbmostra[2]), QApplication::palette().color(QPalette::ButtonText).rgba());
    QCOMPARE(ink(f.Lbmostra[3]), kRed);
    QCOMPARE(ink(f.Lbmostra[4]), kDarkGreen);
    QCOMPARE(d.state.expectedCode.value(), 8);
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(f.Com[i]->isHidden());
    // The first click on the next word hides the last word's answers.
    QVERIFY(d.firstStep(false));
    QVERIFY(f.display[1]->isHidden() && f.display[2]->isHidden());
}

void ExerciseWindowTest::anArticleMovesStraightOn()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(8));
    QCOMPARE(d.code(), 1);  // "Il"
    QVERIFY(d.firstStep(true));
    QVERIFY(d.press(f.Com[1]));
    QCOMPARE(d.word(), 2);
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(f.art[i]->isHidden());
    for (int i = 1; i <= 2; ++i)
        QVERIFY(f.Masfem[i]->isHidden() && f.Singplu[i]->isHidden());
    for (int i = 3; i <= 5; ++i)
        QVERIFY(f.display[i]->isHidden() && caption(f.display[i]).isEmpty());
}

void ExerciseWindowTest::statisticsAfterEachAnswer()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(0));
    auto expect = [&](const char *answers, const char *errors, const char *percent) {
        QCOMPARE(caption(f.Lrisposte), QString::fromLatin1(answers));
        QCOMPARE(caption(f.Lerrori), QString::fromLatin1(errors));
        QCOMPARE(caption(f.Lpercentuale), QString::fromLatin1(percent));
    };
    QVERIFY(d.firstStep(false));
    expect("1", "1", "100");
    QVERIFY(d.firstStep(true));
    expect("2", "1", "50");
    QVERIFY(d.secondStep(false));
    expect("3", "2", "66");
    QVERIFY(d.secondStep(true));
    expect("4", "2", "50");
    QVERIFY(d.answerWord());
    expect("6", "2", "33");
}

void ExerciseWindowTest::seriesEndsInTheMiddleOfAWord_data()
{
    QTest::addColumn<bool>("atFirstStep");
    QTest::newRow("twentieth answer: PARTE VARIABILE") << true;
    QTest::newRow("twentieth answer: the part of speech") << false;
}

void ExerciseWindowTest::seriesEndsInTheMiddleOfAWord()
{
    QFETCH(bool, atFirstStep);
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(8));
    // 19 answers: nine words and a half, or nine words and a wrong answer.
    for (int w = 1; w <= 9; ++w)
        QVERIFY(d.answerWord());
    QCOMPARE(d.code(), 5);  // "andrei": verb
    if (atFirstStep)
        QVERIFY(d.firstStep(false));
    else
        QVERIFY(d.firstStep(true));
    QCOMPARE(d.state.answerCount, 19);

    bool checked = false;
    d.results.inside = [&](classificaform *) {
        QCOMPARE(caption(f.Lrisposte), QStringLiteral("20"));
        QCOMPARE(d.word(), 10);
        if (atFirstStep) {
            // after the group is shown, before display(1) is filled
            for (int i = 1; i <= 5; ++i)
                QVERIFY(f.Com[i]->isVisible());
            QVERIFY(f.display[1]->isHidden());
        } else {
            // before display(2) changes and before the word advances
            QVERIFY(f.display[2]->isHidden());
            QCOMPARE(ink(f.Lbmostra[10]), kRed);
        }
        checked = true;
    };
    QVERIFY(atFirstStep ? d.firstStep(true) : d.secondStep(true));
    QVERIFY(checked);
    QCOMPARE(d.results.opened, 1);
    QCOMPARE(d.state.gradeLevel, atFirstStep ? 4 : 5);
    // The handler went on after PROSEGUI.
    QCOMPARE(d.state.answerCount, 0);
    QCOMPARE(d.state.errorCount, 0);
    QCOMPARE(caption(f.Lrisposte), QStringLiteral("20"));  // until the next answer
    if (atFirstStep) {
        QVERIFY(f.display[1]->isVisible());
        QVERIFY(d.secondStep(true));
    } else {
        QCOMPARE(d.word(), 11);
        QVERIFY(f.display[2]->isVisible());
    }
    QVERIFY(d.firstStep(true));
    QCOMPARE(caption(f.Lrisposte), atFirstStep ? QStringLiteral("2") : QStringLiteral("1"));
}

void ExerciseWindowTest::gradesAndTallies_data()
{
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("word");
    QTest::newRow("none") << 0 << 5 << "ottimo!!!";
    QTest::newRow("one") << 1 << 4 << "distinto!! ";
    QTest::newRow("two") << 2 << 3 << "buono!";
    QTest::newRow("three") << 3 << 2 << "sufficiente";
    QTest::newRow("four") << 4 << 1 << "occorre esercitarsi";
    QTest::newRow("seven") << 7 << 1 << "occorre esercitarsi";
}

void ExerciseWindowTest::gradesAndTallies()
{
    QFETCH(int, wrong);
    QFETCH(int, grade);
    QFETCH(QString, word);
    Drill d;
    QVERIFY(d.via(8));
    for (int i = 0; i < wrong; ++i)
        QVERIFY(d.firstStep(false));
    QString shown;
    int dotsShown = -1;
    d.results.inside = [&](classificaform *r) {
        shown = r->RISULTATO->caption();
        dotsShown = 0;
        for (int k = 1; k <= 10; ++k)
            dotsShown += r->dots[grade][k]->isVisible();
        QCOMPARE(r->RISULTATO->palette().color(QPalette::Window).rgb(),
                 QColor::fromRgb(classificaform::gradeColour(grade)).rgb());
    };
    while (d.state.gradeLevel == 0)
        QVERIFY(d.answerOnce());
    QCOMPARE(d.state.gradeLevel, grade);
    QCOMPARE(shown, word);
    QCOMPARE(dotsShown, 1);
    QCOMPARE(d.state.tallyFor(grade).value(), 1);
    for (int g = 1; g <= 5; ++g)
        if (g != grade)
            QVERIFY(d.state.tallyFor(g).isEmpty());
}

void ExerciseWindowTest::talliesStopAtTen()
{
    Drill d;
    d.state.occorreTally = 10;
    d.state.buonoTally = 1;
    d.state.gradeLevel = 1;
    int shownOccorre = 0, shownBuono = 0, shownOttimo = 0;
    d.results.inside = [&](classificaform *r) {
        for (int k = 1; k <= 10; ++k) {
            shownOccorre += r->dots[1][k]->isVisible();
            shownBuono += r->dots[3][k]->isVisible();
            shownOttimo += r->dots[5][k]->isVisible();
        }
    };
    d.form->classifica(4);
    QCOMPARE(d.state.occorreTally.value(), 10);
    QCOMPARE(shownOccorre, 10);
    QCOMPARE(shownBuono, 1);
    QCOMPARE(shownOttimo, 0);
}

void ExerciseWindowTest::recordRule_data()
{
    QTest::addColumn<int>("wrong");
    QTest::addColumn<int>("seriesMs");
    QTest::addColumn<int>("bestAfter");
    QTest::addColumn<bool>("record");
    QTest::newRow("faultless, faster") << 0 << 123470 << 1234 << true;
    QTest::newRow("faultless, exactly the best") << 0 << 200000 << 2000 << false;
    QTest::newRow("faultless, slower") << 0 << 250000 << 2000 << false;
    QTest::newRow("one wrong, very fast") << 1 << 30000 << 2000 << false;
}

void ExerciseWindowTest::recordRule()
{
    QFETCH(int, wrong);
    QFETCH(int, seriesMs);
    QFETCH(int, bestAfter);
    QFETCH(bool, record);
    Drill d;
    d.clock.ms = 10000;
    QVERIFY(d.via(8));
    for (int i = 0; i < wrong; ++i)
        QVERIFY(d.firstStep(false));
    QString recordText, bestText;
    d.results.inside = [&](classificaform *r) {
        recordText = r->LbNuovoRecord->caption();
        bestText = r->LbTrecord->caption();
    };
    while (d.state.answerCount < 19)
        QVERIFY(d.answerOnce());
    d.clock.ms = 10000 + seriesMs;
    QVERIFY(d.answerOnce());
    QCOMPARE(d.results.opened, 1);
    QCOMPARE(d.state.bestTenths, bestAfter);
    QCOMPARE(recordText, record ? QStringLiteral("Nuovo Record!") : QString());
    QCOMPARE(bestText, classificaform::bestTimeText(bestAfter, QLocale::system()));
    QCOMPARE(d.state.seriesStart.value(), 10000 + seriesMs);  // PROSEGUI restarts the time
}

void ExerciseWindowTest::exhaustedBank()
{
    Drill d;
    auto &f = *d.form;
    for (auto &used : d.state.sentenceUsed)
        used = 1;
    // 10000 fruitless draws, then the 10001st, which ends the search and is
    // shown all the same.
    for (int i = 0; i < 10000; ++i)
        d.random.next.push_back(i % 33);
    d.random.next.push_back(8);
    d.player.played.clear();
    QVERIFY(d.press(f.VIA));
    QVERIFY(d.random.next.empty());
    QCOMPARE(caption(f.AVVISO), QStringLiteral("TUTTE LA FRASI SONO COMPLETATE"));
    QVERIFY(f.VIA->isHidden());
    QCOMPARE(d.player.names(), (QStringList{"rumorevia", "conga"}));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(!f.Com[i]->isEnabled());
    QCOMPARE(d.state.currentSentence.value(), 8);
    QCOMPARE(caption(f.Lbmostra[1]), QStringLiteral("Il   "));
    QCOMPARE(ink(f.Lbmostra[1]), kRed);
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
}

void ExerciseWindowTest::everySentenceOnceBeforeExhaustion()
{
    Drill d;
    auto &f = *d.form;
    QSet<int> seen;
    const int sentences = d.state.lastSentence + 1;
    for (int s = 0; s < sentences; ++s) {
        QVERIFY(d.press(f.VIA));
        QVERIFY2(!seen.contains(d.state.currentSentence.value()), "a sentence came twice");
        seen.insert(d.state.currentSentence.value());
        const int n = d.state.wordCount();
        QVERIFY(n >= 16 && n <= 22);
        for (int w = 1; w <= n; ++w)
            QVERIFY(d.answerWord());
        QVERIFY(pressable(f.VIA));
    }
    QCOMPARE(seen.size(), sentences);
    QVERIFY(d.results.opened > 0);
}

void ExerciseWindowTest::clockCountsWholeSecondsFromTheFirstVia()
{
    Drill d;
    auto &f = *d.form;
    d.clock.ms = 1000;
    f.Timer1_Timer();
    QCOMPARE(caption(f.Lbclock), QStringLiteral("0"));
    d.clock.ms = 50000;
    QVERIFY(d.via(0));
    d.clock.ms += 400;
    f.Timer1_Timer();
    QCOMPARE(caption(f.Lbclock), QStringLiteral("0"));
    d.clock.ms = 50000 + 59990;
    f.Timer1_Timer();
    QCOMPARE(caption(f.Lbclock), QStringLiteral("59"));
    for (int w = 1; w <= 19; ++w)
        QVERIFY(d.answerWord());
    QVERIFY(d.via(8));  // a second VIA leaves the origin alone
    QCOMPARE(d.state.clockStart.value(), 50000);
    d.clock.ms = 50000 + 125000;
    f.Timer1_Timer();
    QCOMPARE(caption(f.Lbclock), QStringLiteral("125"));
    QCOMPARE(f.Timer1->interval(), 1000);
    QVERIFY(f.Timer1->isActive());
}

void ExerciseWindowTest::errorReportOpensOnceAndFollowsOnlyOnRequest()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.press(f.Command8));
    QPointer<FRM_ERRORI> report = f.errorReport();
    QVERIFY(report && report->isVisible());
    for (int k = 1; k <= 16; ++k)
        QVERIFY(report->RR[k]->caption().isEmpty());
    QCOMPARE(report->Lberrori[7]->caption(), QStringLiteral("Preposizione  e locuzione prep."));
    QCOMPARE(report->Lberrori[11]->caption(), QStringLiteral("PARTE  INVARIABILE"));
    QCOMPARE(report->Lberrori[12]->caption(), QStringLiteral("c1"));
    for (int k = 12; k <= 14; ++k)
        QVERIFY(report->RR[k]->isHidden() && report->Lberrori[k]->isHidden());

    // The drill goes on while the report is open; the report waits.
    QVERIFY(d.via(0));
    QVERIFY(d.firstStep(false));  // verb: PARTE  INVARIABILE
    QVERIFY(d.firstStep(true));
    QVERIFY(d.secondStep(false));
    QVERIFY(d.secondStep(false));
    QVERIFY(report->RR[11]->caption().isEmpty());
    QVERIFY(d.press(f.Command8));
    QCOMPARE(f.errorReport(), report.data());
    QCOMPARE(report->RR[11]->caption(), QStringLiteral("1"));
    QCOMPARE(report->RR[5]->caption(), QStringLiteral("2"));
    QVERIFY(report->RR[10]->caption().isEmpty());
    const auto tops = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(tops.begin(), tops.end(),
                           [](QWidget *w) { return qobject_cast<FRM_ERRORI *>(w) && w->isVisible(); }),
             1);

    QVERIFY(d.press(report->Command1));  // CHIUDI FINESTRA
    QTRY_VERIFY(!report);
    QVERIFY(d.press(f.Command8));
    QVERIFY(f.errorReport() && f.errorReport()->isVisible());
    QCOMPARE(f.errorReport()->RR[5]->caption(), QStringLiteral("2"));
}

void ExerciseWindowTest::lookingAtTheResultsChangesNothing()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(d.via(8));
    QVERIFY(d.press(f.Command8));
    auto *report = f.errorReport();

    // Before any series has ended.
    QString grade, record, best;
    d.results.inside = [&](classificaform *r) {
        grade = r->RISULTATO->caption();
        record = r->LbNuovoRecord->caption();
        best = r->LbTrecord->caption();
    };
    QVERIFY(d.press(report->Command2));
    QCOMPARE(d.results.opened, 1);
    QCOMPARE(grade, QStringLiteral("RISULTATO"));
    QVERIFY(record.isEmpty());
    QCOMPARE(best, QStringLiteral("200"));

    // A faultless series, then a few answers of the next one, then a look.
    d.clock.ms += 1000;
    while (d.state.gradeLevel == 0)
        QVERIFY(d.answerOnce());
    QCOMPARE(d.results.opened, 2);
    const int best1 = d.state.bestTenths;
    QVERIFY(d.firstStep(false));
    QVERIFY(d.firstStep(true));
    const auto seriesStart = d.state.seriesStart;
    d.clock.ms += 500;  // a few moments into the new series
    QVERIFY(d.press(report->Command2));
    QCOMPARE(d.results.opened, 3);
    QCOMPARE(grade, QStringLiteral("ottimo!!!"));
    QVERIFY(record.isEmpty());
    QCOMPARE(d.state.ottimoTally.value(), 1);
    QCOMPARE(d.state.bestTenths, best1);
    QCOMPARE(d.state.answerCount, 2);
    QCOMPARE(d.state.errorCount, 1);
    QCOMPARE(d.state.seriesStart, seriesStart);
    QVERIFY(report->isVisible());
}

void ExerciseWindowTest::fineEndsTheProgram()
{
    Drill d;
    QVERIFY(d.via(0));
    QVERIFY(d.answerWord());
    QVERIFY(d.press(d.form->Command8));
    QTimer::singleShot(0, [&] { d.press(d.form->FINE); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });  // a safety net only
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(d.player.names().last(), QStringLiteral("congafine"));
    QVERIFY(!d.form->isVisible());
    QVERIFY(!d.form->errorReport()->isVisible());
}

void ExerciseWindowTest::closingTheWindowEndsTheProgram()
{
    Drill d;
    QTimer::singleShot(0, [&] { d.form->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(d.player.names().last(), QStringLiteral("congafine"));
}

QTEST_MAIN(ExerciseWindowTest)
#include "test_exercise_window.moc"
