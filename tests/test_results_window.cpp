// The results window on its own: how it can (not) be left, and how the best
// time is written.

#include <QtTest>

#include "drill_fixture.h"

class ResultsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void onlyProseguiClosesIt();
    void bestTimeUsesTheLocalesDecimalSeparator_data();
    void bestTimeUsesTheLocalesDecimalSeparator();
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

QTEST_MAIN(ResultsWindowTest)
#include "test_results_window.moc"
