// The real one-second answer pause, with clicks routed through the window as
// the window system delivers them.

#define QTEST_QPA_MOUSE_HANDLING
#include <QtTest>

#include "drill_fixture.h"
#include "windows/error_report_window.h"

class AnswerPauseTest : public QObject {
    Q_OBJECT
private slots:
    void holdsTheAnswerButtonsForOneSecond();
    void heldClicksMeetTheResultsWindowAsRealClicksWould();
};

void AnswerPauseTest::holdsTheAnswerButtonsForOneSecond()
{
    Drill d(1000);
    auto &f = *d.form;
    QVERIFY(d.via(0));  // word 1, "Era", is a verb

    // Sampled every 10 ms while the answer handler runs, and right after the
    // pupil's clicks; the times are read on a clock started before the press,
    // so they can only read long. A stall of the machine delays samples, but
    // cannot move one out of the pause nor keep one from its last moments.
    QElapsedTimer clock;
    struct Sample {
        qint64 at;
        QString message;
        bool answerButtonsDisabled;
        bool reportOpen;
        bool afterClicks;
    };
    QList<Sample> samples;
    auto sample = [&](bool afterClicks) {
        bool disabled = true;
        for (auto *b : f.answerButtons())
            disabled = disabled && !b->isEnabled();
        samples << Sample{clock.elapsed(), f.gratifica->caption(), disabled, f.errorReport() != nullptr,
                          afterClicks};
    };
    QTimer sampler;
    sampler.setTimerType(Qt::PreciseTimer);
    sampler.setInterval(10);
    connect(&sampler, &QTimer::timeout, [&] { sample(false); });
    QTimer::singleShot(300, [&] {
        // The pupil clicks during the pause: two answers and "mostra errori".
        QTest::mouseClick(f.Com10, Qt::LeftButton);
        QTest::mouseClick(f.Com11, Qt::LeftButton);
        QTest::mouseClick(f.Command8, Qt::LeftButton);
        sample(true);
    });

    sampler.start();
    clock.start();
    QVERIFY(d.press(f.Com11));  // wrong: PARTE  INVARIABILE on a verb
    const qint64 handlerTime = clock.elapsed();
    sampler.stop();

    QVERIFY2(handlerTime >= 1000, qPrintable(QString::number(handlerTime)));
    QVERIFY(std::any_of(samples.cbegin(), samples.cend(), [](const Sample &s) { return s.afterClicks; }));
    // The pause's last 10 ms are sampled too: the message stays to the end.
    QVERIFY2(samples.last().at >= 950, qPrintable(QString::number(samples.last().at)));
    for (const Sample &s : samples) {
        QCOMPARE(s.message, QStringLiteral("No riprova !"));
        QVERIFY(s.answerButtonsDisabled);
        QVERIFY2(!s.reportOpen, "a click was handled inside the running handler");
    }
    // The two answer clicks were lost: one answer, one error.
    QCOMPARE(d.state.answerCount, 1);
    QCOMPARE(d.state.errorCount, 1);
    QCOMPARE(d.state.errorTally[11].value(), 1);
    QVERIFY(d.state.errorTally[10].isEmpty());
    QVERIFY(f.gratifica->caption().isEmpty());
    for (auto *b : f.answerButtons())
        QVERIFY(b->isEnabled());

    // "mostra errori" was held and handled after the handler, so the report
    // already counts the answer just given.
    QTRY_VERIFY(f.errorReport() != nullptr);
    QCOMPARE(f.errorReport()->RR[11]->caption(), QStringLiteral("1"));

    // Nothing else arrives later.
    QTest::qWait(200);
    QCOMPARE(d.state.answerCount, 1);
}

void AnswerPauseTest::heldClicksMeetTheResultsWindowAsRealClicksWould()
{
    Drill d(300);
    auto &f = *d.form;
    QVERIFY(d.press(f.Command8));
    QPointer<FRM_ERRORI> report = f.errorReport();
    QVERIFY(QTest::qWaitForWindowExposed(report.data()));
    QVERIFY(d.via(0));
    // During the pause: "mostra classifica", then "CHIUDI FINESTRA". The
    // first opens the results window; the second then meets that modal
    // window and is lost, as a real click would be.
    QTimer::singleShot(100, [&] {
        QTest::mouseClick(report->Command2, Qt::LeftButton);
        QTest::mouseClick(report->Command1, Qt::LeftButton);
    });
    bool reportOpenBehindResults = false;
    d.results.inside = [&](classificaform *) { reportOpenBehindResults = report && report->isVisible(); };
    QVERIFY(d.press(f.Com10));
    QTRY_COMPARE(d.results.opened, 1);
    QTest::qWait(100);
    QVERIFY(reportOpenBehindResults);
    QVERIFY(report && report->isVisible());
    QCOMPARE(d.state.answerCount, 1);
}

QTEST_MAIN(AnswerPauseTest)
#include "test_answer_pause.moc"
