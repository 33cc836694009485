// The results window on its own: how it can (not) be left, how the best time
// is written, and where it and the error report open.

#include <QtTest>

#include "drill_fixture.h"
#include "windows/error_report_window.h"

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void onlyProseguiClosesIt();
    void bestTimeUsesTheLocalesDecimalSeparator_data();
    void bestTimeUsesTheLocalesDecimalSeparator();
    void sideWindowsOpenAtTheirDesignPlaces_data();
    void sideWindowsOpenAtTheirDesignPlaces();
};

void ResultsWindowTest::onlyProseguiClosesIt()
{
    struct {
        engine::DrillState state;
        FakeClock clock;
    } d;
    d.state.gradeLevel = 3;
    d.state.answerCount = 20;
    d.state.errorCount = 2;
    d.state.seriesStart = d.clock.ms - 90000;
    QWidget owner;
    owner.show();
    classificaform r(d.state, d.clock, classificaform::Opening::SeriesEnded, &owner);
    r.show();
    QCoreApplication::processEvents();
    QVERIFY(!(r.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(r.isModal());

    QVERIFY(r.isVisible());
    QTest::keyClick(&r, Qt::Key_Escape);
    QVERIFY(r.isVisible());
    QVERIFY(!r.close());  // as the window manager's close would ask
    QVERIFY(r.isVisible());
    QCOMPARE(d.state.answerCount, 20);  // the series is still full

    QCOMPARE(r.RISULTATO->caption(), QStringLiteral("buono!"));
    QCOMPARE(d.state.buonoTally.value(), 1);
    d.clock.ms += 5000;
    QTest::mouseClick(r.Command1, Qt::LeftButton);
    QVERIFY(!r.isVisible());
    QCOMPARE(r.result(), int(QDialog::Accepted));
    QCOMPARE(d.state.answerCount, 0);
    QCOMPARE(d.state.errorCount, 0);
    QCOMPARE(d.state.seriesStart.value(), d.clock.ms);
}

void ResultsWindowTest::bestTimeUsesTheLocalesDecimalSeparator_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("the first best time") << 2000 << "it_IT" << "200";
    QTest::newRow("Italian") << 1234 << "it_IT" << "123,4";
    QTest::newRow("English") << 1234 << "en_GB" << "123.4";
    QTest::newRow("whole seconds") << 870 << "it_IT" << "87";
    QTest::newRow("under a second") << 7 << "it_IT" << "0,7";
    QTest::newRow("no group separator") << 12345 << "it_IT" << "1234,5";
}

void ResultsWindowTest::bestTimeUsesTheLocalesDecimalSeparator()
{
    QFETCH(int, tenths);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(classificaform::bestTimeText(tenths, QLocale(locale)), text);
}

void ResultsWindowTest::sideWindowsOpenAtTheirDesignPlaces_data()
{
    QTest::addColumn<bool>("results");
    QTest::addColumn<QPoint>("clientAt");  // pixels on the screen
    QTest::newRow("classificaform, at the corner") << true << QPoint(0, 0);
    QTest::newRow("FRM_ERRORI, at (60, 315) twips") << false << QPoint(4, 21);
}

void ResultsWindowTest::sideWindowsOpenAtTheirDesignPlaces()
{
    QFETCH(bool, results);
    QFETCH(QPoint, clientAt);
    // Both opened the way the pupil opens them, the exercise window moved off
    // the corner so that nothing places them by their owner.
    Drill d;
    d.form->move(200, 150);
    QVERIFY(d.press(d.form->Command8));  // mostra errori
    QPointer<FRM_ERRORI> report = d.form->errorReport();
    QVERIFY(QTest::qWaitForWindowExposed(report.data()));
    QRect client = report->geometry(), frame = report->frameGeometry();
    if (results) {
        d.results.inside = [&](classificaform *w) {
            client = w->geometry();
            frame = w->frameGeometry();
        };
        QVERIFY(d.press(report->Command2));  // mostra classifica
        QCOMPARE(d.results.opened, 1);
    }
    // The screen keeps a window's frame on it, as window managers do: a
    // client area placed at the very corner is pushed in by the frame's width.
    const QPoint border = client.topLeft() - frame.topLeft();
    QCOMPARE(client.topLeft(), QPoint(std::max(clientAt.x(), border.x()), std::max(clientAt.y(), border.y())));
}

QTEST_MAIN(ResultsWindowTest)
#include "test_results_window.moc"
