// The complete analysis ("analisi completa") driven as the pupil drives it:
// the switch, the further questions after the part of speech and their order,
// the path labels, the counting, the filing under categories 12 to 14, the
// answer pause, the grading and the error report's rows. The features of the
// units asked about are set here, whatever the built-in key holds.

#include <QtTest>

#include "drill_fixture.h"
#include "engine/further_questions.h"
#include "windows/error_report_window.h"

using engine::ArticleKind;
using engine::Features;
using engine::Gender;
using engine::Number;

Q_DECLARE_METATYPE(Features)

namespace {

constexpr int kSentence = 8;  // "Il mio amico mi ha invitato ..."

bool pressable(QAbstractButton *b)
{
    if (!b->isVisible() || !b->isEnabled())
        return false;
    QWidget *top = b->window();
    return top->childAt(b->mapTo(top, b->rect().center())) == b;
}

// A drill of sentence 8 whose units carry only the features a test gives.
struct FullDrill : Drill {
    explicit FullDrill(int pauseMs = 0) : Drill(pauseMs)
    {
        for (int p = 1; p <= engine::SentenceBank::kLastPosition; ++p)
            state.bank.setFeatures(kSentence, p, Features{});
    }
    bool switchMode()
    {
        if (!pressable(form->AnalisiCompleta))
            return false;
        QTest::mouseClick(form->AnalisiCompleta, Qt::LeftButton);
        return true;
    }
    // The further question on offer, or -1.
    int openQuestion() const
    {
        for (int q = 0; q < 3; ++q)
            if (form->furtherButtons(q).front()->isVisible())
                return q;
        return -1;
    }
    int rightChoice(int q) const
    {
        return engine::kFurtherQuestions[q].rightChoice(state.bank.features(kSentence, word()));
    }
    bool further(bool right)
    {
        const int q = openQuestion();
        if (q < 0)
            return false;
        const auto &buttons = form->furtherButtons(q);
        const int k = rightChoice(q);
        return press(buttons[right ? k - 1 : k % buttons.size()]);
    }
    // Sentence 8, switched on, the words before `word` classified.
    bool startAt(int word)
    {
        if (!switchMode() || !via(kSentence))
            return false;
        for (int w = 1; w < word; ++w)
            if (!answerWord())
                return false;
        return true;
    }
};

}  // namespace

class CompleteAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void questionsFollowTheKey_data();
    void questionsFollowTheKey();
    void wrongAnswersAreFiledAndLeaveTheQuestionOpen_data();
    void wrongAnswersAreFiledAndLeaveTheQuestionOpen();
    void thePauseHoldsTheFurtherButtons();
    void twentiethAnswerDuringAFurtherQuestion();
    void theSwitchIsOfferedOnlyWithVia();
    void modeOffAsksNothingMore();
    void reportRowsAppearOnceTheModeIsUsed();
    void keysPressTheButtonsOfTheOpenQuestion();
};

void CompleteAnalysisTest::questionsFollowTheKey_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<Features>("features");
    QTest::addColumn<QStringList>("path");  // display(3), display(4), ... in order
    const Features none{};
    QTest::newRow("article: kind, gender, number")
        << 1 << Features{ArticleKind::Determinativo, Gender::Maschile, Number::Singolare}
        << QStringList{"Determinativo", "Maschile", "Singolare"};
    QTest::newRow("partitive article, feminine plural")
        << 1 << Features{ArticleKind::Partitivo, Gender::Femminile, Number::Plurale}
        << QStringList{"Partitivo", "Femminile", "Plurale"};
    QTest::newRow("article: kind only") << 1 << Features{ArticleKind::Indeterminativo, Gender::Unset, Number::Unset}
                                        << QStringList{"Indeterminativo"};
    QTest::newRow("article without kind: gender first")
        << 1 << Features{ArticleKind::Unset, Gender::Femminile, Number::Plurale} << QStringList{"Femminile", "Plurale"};
    QTest::newRow("noun") << 3 << Features{ArticleKind::Unset, Gender::Maschile, Number::Singolare}
                          << QStringList{"Maschile", "Singolare"};
    QTest::newRow("noun: number only") << 3 << Features{ArticleKind::Unset, Gender::Unset, Number::Plurale}
                                       << QStringList{"Plurale"};
    QTest::newRow("adjective: a kind is never asked")
        << 2 << Features{ArticleKind::Determinativo, Gender::Maschile, Number::Singolare}
        << QStringList{"Maschile", "Singolare"};
    QTest::newRow("pronoun without features") << 4 << none << QStringList{};
    QTest::newRow("verb: nothing is asked") << 5 << Features{ArticleKind::Unset, Gender::Maschile, Number::Singolare}
                                            << QStringList{};
}

void CompleteAnalysisTest::questionsFollowTheKey()
{
    QFETCH(int, word);
    QFETCH(Features, features);
    QFETCH(QStringList, path);
    FullDrill d;
    auto &f = *d.form;
    d.state.bank.setFeatures(kSentence, word, features);
    QVERIFY(d.startAt(word));
    const int answersBefore = d.state.answerCount;
    QVERIFY(d.firstStep(true));
    QVERIFY(d.secondStep(true));

    int lastQuestion = -1;
    for (int i = 0; i < path.size(); ++i) {
        const int q = d.openQuestion();
        QVERIFY2(q > lastQuestion, "the questions came out of order");
        lastQuestion = q;
        QCOMPARE(d.word(), word);
        QVERIFY(f.Com10->isHidden() && f.Com11->isHidden());
        for (int k = 1; k <= 9; ++k)
            QVERIFY(f.Com[k]->isHidden());
        for (int r = 0; r < 3; ++r)
            for (layout::Button *b : f.furtherButtons(r))
                QCOMPARE(pressable(b), r == q);
        QVERIFY(f.display[3 + i]->isHidden());
        layout::Button *chosen = f.furtherButtons(q)[d.rightChoice(q) - 1];
        d.player.played.clear();
        QVERIFY(d.further(true));
        QVERIFY(d.player.names().first().startsWith("esatto"));
        QCOMPARE(f.display[3 + i]->caption(), path[i]);
        QCOMPARE(f.display[3 + i]->caption(), chosen->caption());
        QCOMPARE(f.display[3 + i]->palette().color(QPalette::Window), chosen->faceColor());
        QVERIFY(f.display[3 + i]->isVisible());
    }
    // The word is done: the next one opens as after a part of speech.
    QCOMPARE(d.openQuestion(), -1);
    QCOMPARE(d.word(), word + 1);
    QVERIFY(pressable(f.Com10) && pressable(f.Com11));
    for (layout::Button *b : f.furtherButtons())
        QVERIFY(b->isHidden());
    QVERIFY(f.display[1]->isVisible() && f.display[2]->isVisible());
    for (int k = 3 + int(path.size()); k <= 5; ++k)
        QVERIFY(f.display[k]->isHidden());
    QCOMPARE(d.state.answerCount, answersBefore + 2 + int(path.size()));
    QCOMPARE(d.state.errorCount, 0);
    // The first click on the next word hides the whole path.
    QVERIFY(d.firstStep(true));
    for (int k = 3; k <= 5; ++k)
        QVERIFY(f.display[k]->isHidden());
}

void CompleteAnalysisTest::wrongAnswersAreFiledAndLeaveTheQuestionOpen_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("category");
    QTest::newRow("article's kind") << 0 << 12;
    QTest::newRow("gender") << 1 << 13;
    QTest::newRow("number") << 2 << 14;
}

void CompleteAnalysisTest::wrongAnswersAreFiledAndLeaveTheQuestionOpen()
{
    QFETCH(int, question);
    QFETCH(int, category);
    FullDrill d;
    auto &f = *d.form;
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Maschile, Number::Singolare});
    QVERIFY(d.startAt(1));
    QVERIFY(d.answerWord());
    while (d.openQuestion() < question)
        QVERIFY(d.further(true));
    QCOMPARE(d.openQuestion(), question);

    d.player.played.clear();
    QVERIFY(d.further(false));
    QVERIFY(d.further(false));
    QCOMPARE(d.player.names(), (QStringList{"sbagliato1", "sbagliato1"}));
    QCOMPARE(d.state.errorTally[category].value(), 2);
    for (int k = 1; k <= 16; ++k)
        if (k != category)
            QVERIFY(d.state.errorTally[k].isEmpty());
    QCOMPARE(d.state.errorCount, 2);
    QCOMPARE(d.state.answerCount, 2 + question + 2);
    QCOMPARE(f.Lerrori->caption(), QStringLiteral("2"));
    // The same question stays open, its path label still empty.
    QCOMPARE(d.openQuestion(), question);
    for (layout::Button *b : f.furtherButtons(question))
        QVERIFY(pressable(b));
    QVERIFY(f.display[3 + question]->isHidden());
    QCOMPARE(d.word(), 1);
    QVERIFY(f.gratifica->caption().isEmpty());

    QVERIFY(d.press(f.Command8));
    QCOMPARE(f.errorReport()->RR[category]->caption(), QStringLiteral("2"));
    QCOMPARE(f.errorReport()->Lberrori[category]->caption(),
             QString::fromUtf8(engine::kFurtherQuestions[question].categoryName));
}

void CompleteAnalysisTest::thePauseHoldsTheFurtherButtons()
{
    FullDrill d(300);
    auto &f = *d.form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Unset, Number::Unset});
    QVERIFY(d.startAt(1));
    QVERIFY(d.answerWord());
    QCOMPARE(d.openQuestion(), 0);
    QString message;
    bool allDisabled = false;
    QTimer::singleShot(100, [&] {
        message = f.gratifica->caption();
        allDisabled = !f.AnalisiCompleta->isEnabled();
        for (layout::Button *b : f.answerButtons())
            allDisabled = allDisabled && !b->isEnabled();
        for (layout::Button *b : f.furtherButtons())
            allDisabled = allDisabled && !b->isEnabled();
        QTest::mouseClick(f.art[1], Qt::LeftButton);  // the right answer, lost
        QTest::keyClick(f.windowHandle(), Qt::Key_D);  // and its key
    });
    QVERIFY(d.press(f.art[2]));  // wrong
    QCOMPARE(message, QStringLiteral("No riprova"));
    QVERIFY(allDisabled);
    QTest::qWait(100);
    QCOMPARE(d.state.answerCount, 3);
    QCOMPARE(d.openQuestion(), 0);
    for (layout::Button *b : f.furtherButtons(0))
        QVERIFY(pressable(b));
}

void CompleteAnalysisTest::twentiethAnswerDuringAFurtherQuestion()
{
    FullDrill d;
    auto &f = *d.form;
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Maschile, Number::Unset});
    QVERIFY(d.startAt(1));
    for (int i = 0; i < 17; ++i)
        QVERIFY(d.firstStep(false));
    QVERIFY(d.answerWord());
    QCOMPARE(d.state.answerCount, 19);
    QCOMPARE(d.openQuestion(), 0);

    bool checked = false;
    d.results.inside = [&](classificaform *) {
        // after the count, before the path label and the next question
        QCOMPARE(f.Lrisposte->caption(), QStringLiteral("20"));
        QVERIFY(f.display[3]->isHidden());
        QVERIFY(f.art[1]->isVisible() && f.Masfem[1]->isHidden());
        checked = true;
    };
    QVERIFY(d.further(true));
    QVERIFY(checked);
    QCOMPARE(d.results.opened, 1);
    QCOMPARE(d.state.gradeLevel, 1);
    QCOMPARE(d.state.answerCount, 0);
    QCOMPARE(f.display[3]->caption(), QStringLiteral("Determinativo"));
    QCOMPARE(d.openQuestion(), 1);
    QVERIFY(d.further(true));
    QCOMPARE(d.word(), 2);
    QCOMPARE(f.Lrisposte->caption(), QStringLiteral("1"));
}

void CompleteAnalysisTest::theSwitchIsOfferedOnlyWithVia()
{
    FullDrill d;
    auto &f = *d.form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Unset, Number::Unset});
    // Off at the start, offered with VIA; switching it off again keeps "used".
    QVERIFY(!f.AnalisiCompleta->isChecked() && !d.state.fullAnalysis && !d.state.fullAnalysisUsed);
    QVERIFY(d.switchMode() && d.state.fullAnalysis && d.state.fullAnalysisUsed);
    QVERIFY(d.switchMode() && !d.state.fullAnalysis && d.state.fullAnalysisUsed);
    QTest::keyClick(f.windowHandle(), Qt::Key_A);
    QVERIFY(f.AnalisiCompleta->isChecked() && d.state.fullAnalysis);

    // Never while a sentence is being classified, whatever step is open.
    QVERIFY(d.via(kSentence));
    QVERIFY(!pressable(f.AnalisiCompleta));
    QVERIFY(d.firstStep(false) && !pressable(f.AnalisiCompleta));
    QVERIFY(d.answerWord());
    QCOMPARE(d.openQuestion(), 0);
    QVERIFY(!pressable(f.AnalisiCompleta));
    QTest::keyClick(f.windowHandle(), Qt::Key_A);
    QVERIFY(d.further(true));
    while (d.word() <= d.state.wordCount()) {
        QVERIFY(!pressable(f.AnalisiCompleta));
        QVERIFY(d.answerWord());
    }
    QVERIFY(d.state.fullAnalysis);
    // The sentence is complete: offered again, with VIA.
    QVERIFY(pressable(f.VIA) && pressable(f.AnalisiCompleta));
}

void CompleteAnalysisTest::modeOffAsksNothingMore()
{
    FullDrill d;
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Maschile, Number::Singolare});
    QVERIFY(d.via(kSentence));
    QVERIFY(d.answerWord());
    QCOMPARE(d.word(), 2);
    QCOMPARE(d.openQuestion(), -1);
    for (int k = 3; k <= 5; ++k)
        QVERIFY(d.form->display[k]->isHidden() && d.form->display[k]->caption().isEmpty());
}

void CompleteAnalysisTest::reportRowsAppearOnceTheModeIsUsed()
{
    FullDrill d;
    auto &f = *d.form;
    QVERIFY(d.press(f.Command8));
    QPointer<FRM_ERRORI> report = f.errorReport();
    for (int k = 12; k <= 14; ++k)
        QVERIFY(report->RR[k]->isHidden() && report->Lberrori[k]->isHidden());

    // Switched on and off again: the open report shows the rows at the next
    // "mostra errori", and a report opened anew shows them from the start.
    QVERIFY(d.switchMode() && d.switchMode());
    QVERIFY(d.press(f.Command8));
    const QStringList names{"Tipo di articolo", "Genere", "Numero"};
    for (int k = 12; k <= 14; ++k) {
        QVERIFY(report->RR[k]->isVisible() && report->Lberrori[k]->isVisible());
        QCOMPARE(report->Lberrori[k]->caption(), names[k - 12]);
        QVERIFY(report->RR[k]->caption().isEmpty());
    }
    report->close();
    QTRY_VERIFY(!report);
    QVERIFY(d.press(f.Command8));
    QCOMPARE(f.errorReport()->Lberrori[13]->caption(), names[1]);
    QVERIFY(f.errorReport()->Lberrori[13]->isVisible());
}

void CompleteAnalysisTest::keysPressTheButtonsOfTheOpenQuestion()
{
    FullDrill d;
    auto &f = *d.form;
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Partitivo, Gender::Femminile, Number::Plurale});
    QVERIFY(d.startAt(1));
    QVERIFY(d.answerWord());
    // Each key in turn: those of questions not on offer press nothing, the
    // wrong ones are answers filed under their question.
    for (Qt::Key key : {Qt::Key_M, Qt::Key_S, Qt::Key_D, Qt::Key_N, Qt::Key_T, Qt::Key_P, Qt::Key_M, Qt::Key_F,
                        Qt::Key_D, Qt::Key_S, Qt::Key_P})
        QTest::keyClick(f.windowHandle(), key);
    QCOMPARE(d.word(), 2);
    QCOMPARE(d.state.answerCount, 2 + 3 + 2 + 2);
    QCOMPARE(d.state.errorTally[12].value(), 2);
    QCOMPARE(d.state.errorTally[13].value(), 1);
    QCOMPARE(d.state.errorTally[14].value(), 1);
    QCOMPARE(f.display[5]->caption(), QStringLiteral("Plurale"));

    // Space on the focused button: the focus stays on the answer panel, on
    // the first button of the next question once the answered one is gone.
    QVERIFY(d.firstStep(true));
    QVERIFY(d.secondStep(true));  // "mio": no further question
    QVERIFY(d.answerWord());      // "amico"
    d.state.bank.setFeatures(kSentence, 4, {ArticleKind::Unset, Gender::Maschile, Number::Singolare});
    QVERIFY(d.firstStep(true));
    f.Com[4]->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_Space);  // "mi": Pronome
    QCOMPARE(f.focusWidget(), f.Masfem[1]);
    f.Masfem[2]->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_Space);  // wrong
    QCOMPARE(f.focusWidget(), f.Masfem[2]);
    f.Masfem[1]->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_Space);
    QCOMPARE(f.focusWidget(), f.Singplu[1]);
}

QTEST_MAIN(CompleteAnalysisTest)
#include "test_complete_analysis.moc"
