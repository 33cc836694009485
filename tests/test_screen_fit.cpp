// Screen fitting on simulated screens: CTest runs this program once per
// screen description in tests/screens (the offscreen platform's configfile).

#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

#include "drill_fixture.h"
#include "layouts/layout_builder.h"
#include "platform/screen_fit.h"
#include "windows/error_report_window.h"
#include "windows/splash_window.h"

namespace fit = platform::ridimschermo;

namespace {

constexpr double kDesignWidth = 12375.0 / 15;  // the exercise window's client area, px
constexpr double kDesignHeight = 8940.0 / 15;

// Where control i of the fit list belongs at factors fx, fy.
void expectPlaced(int i, double fx, double fy)
{
    const fit::FitState &s = fit::state();
    QWidget *c = s.adaptControls[i];
    const QRect g = c->geometry();
    const QString what = c->objectName();
    QVERIFY2(qAbs(g.x() - s.savedLeft[i] * fx / 15) <= 1, qPrintable(what));
    QVERIFY2(qAbs(g.y() - s.savedTop[i] * fy / 15) <= 1, qPrintable(what));
    const auto *label = qobject_cast<layout::Label *>(c);
    if (!label || !label->autoSize()) {  // an auto-size label takes its text's size
        QVERIFY2(qAbs(g.width() - s.savedWidth[i] * fx / 15) <= 1, qPrintable(what));
        QVERIFY2(qAbs(g.height() - s.savedHeight[i] * fy / 15) <= 1, qPrintable(what));
    }
    QVERIFY2(qAbs(c->font().pointSizeF() - std::max(1.0, s.savedFontSize[i] * fy)) < 0.01,
             qPrintable(what));
}

void expectFitted(const QWidget *form)
{
    const fit::FitState &s = fit::state();
    const double fx = form->width() * 15.0 / s.refWidth;
    const double fy = form->height() * 15.0 / s.refHeight;
    for (int i = 1; i <= s.adaptCount; ++i)
        expectPlaced(i, fx, fy);
}

struct Snapshot {
    QList<QRect> geometry;
    QList<double> points;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot()
{
    Snapshot s;
    const fit::FitState &st = fit::state();
    for (int i = 1; i <= st.adaptCount; ++i) {
        s.geometry << st.adaptControls[i]->geometry();
        s.points << st.adaptControls[i]->font().pointSizeF();
    }
    return s;
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void exerciseWindowFillsTheScreen();
    void refitsFromTheRecordedValuesOnResize();
    void manyResizesDoNotDrift();
    void minimisedOrTinyWindowsStayValid();
    void splashFillsTheScreen();
    void splashPlaysCongaJustAfterItIsDrawn();
    void sideWindowsKeepTheirDesignSize();
};

void ScreenFitTest::exerciseWindowFillsTheScreen()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    Drill d;
    QTRY_COMPARE(d.form->size(), screen);
    QVERIFY(d.form->windowState() & Qt::WindowMaximized);
    // The design's 63, the complete analysis's switch, the reading aids'
    // three, then the verb's questions: display(6), Domanda, Scelta(1..9).
    QCOMPARE(fit::state().adaptCount, 78);
    QCOMPARE(fit::state().adaptForm.data(), d.form.get());
    QCOMPARE(fit::state().refWidth, 12375.0);
    QCOMPARE(fit::state().refHeight, 8940.0);
    QCOMPARE(fit::state().adaptControls[16].data(), static_cast<QWidget *>(d.form->Com10));
    QCOMPARE(fit::state().adaptControls[29].data(), static_cast<QWidget *>(d.form->Com[9]));
    QCOMPARE(fit::state().adaptControls[51].data(), static_cast<QWidget *>(d.form->Lbmostra[22]));
    QCOMPARE(fit::state().adaptControls[64].data(), static_cast<QWidget *>(d.form->AnalisiCompleta));
    expectFitted(d.form.get());

    // The design's own numbers at the three proportions.
    const double fx = screen.width() / kDesignWidth, fy = screen.height() / kDesignHeight;
    const QRect com10 = d.form->Com10->geometry();
    QVERIFY(qAbs(com10.x() - 339 * fx) <= 1 && qAbs(com10.y() - 34 * fy) <= 1);
    QVERIFY(qAbs(com10.width() - 153 * fx) <= 1 && qAbs(com10.height() - 208 * fy) <= 1);
    QCOMPARE(d.form->Com10->font().pointSizeF(), 14.25 * fy);
    QCOMPARE(d.form->AVVISO->font().pointSizeF(), 18 * fy);
    if (screen == QSize(825, 596)) {
        QCOMPARE(com10, QRect(339, 34, 153, 208));
        QCOMPARE(d.form->gratifica->font().pointSizeF(), 27.75);
    }
    // A word of the sentence grows with its text at the scaled font.
    QVERIFY(d.via(8));
    expectPlaced(29 + 7, fx, fy);
    QVERIFY(d.form->Lbmostra[7]->width() > 40 * fy);
}

void ScreenFitTest::refitsFromTheRecordedValuesOnResize()
{
    Drill d;
    QTRY_VERIFY(d.form->windowState() & Qt::WindowMaximized);
    d.form->showNormal();
    d.form->resize(700, 450);
    QTRY_COMPARE(d.form->size(), QSize(700, 450));
    expectFitted(d.form.get());
    QCOMPARE(d.form->Com10->font().pointSizeF(), 14.25 * 450 / kDesignHeight);
    // Wider only: widths follow, fonts stay.
    d.form->resize(1400, 450);
    QTRY_COMPARE(d.form->size(), QSize(1400, 450));
    expectFitted(d.form.get());
    QCOMPARE(d.form->Com10->font().pointSizeF(), 14.25 * 450 / kDesignHeight);
}

void ScreenFitTest::manyResizesDoNotDrift()
{
    Drill d;
    d.form->showNormal();
    QRandomGenerator random(20261208);
    for (int i = 0; i < 1000; ++i) {
        d.form->resize(50 + random.bounded(2000), 50 + random.bounded(1500));
        QCoreApplication::processEvents();
    }
    d.form->resize(911, 613);
    QCoreApplication::processEvents();
    const Snapshot afterMany = snapshot();

    Drill fresh;  // one resize straight to the final size
    fresh.form->showNormal();
    fresh.form->resize(911, 613);
    QCoreApplication::processEvents();
    QCOMPARE(snapshot(), afterMany);
    expectFitted(fresh.form.get());
}

void ScreenFitTest::minimisedOrTinyWindowsStayValid()
{
    Drill d;
    d.form->showNormal();
    d.form->resize(900, 600);
    QCoreApplication::processEvents();
    const Snapshot before = snapshot();
    d.form->showMinimized();
    QCoreApplication::processEvents();
    fit::ridimensiona();  // a resize notice while minimised changes nothing
    QCOMPARE(snapshot(), before);

    d.form->showNormal();
    for (QSize size : {QSize(1, 1), QSize(0, 0), QSize(3, 2000), QSize(7680, 4320)}) {
        d.form->resize(size);
        QCoreApplication::processEvents();
        fit::ridimensiona();
        for (const QRect &g : snapshot().geometry)
            QVERIFY(g.width() >= 0 && g.height() >= 0);
        for (double p : snapshot().points)
            QVERIFY(p >= fit::kMinPoints && p <= fit::kMaxPoints);
    }
}

void ScreenFitTest::splashFillsTheScreen()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    FakeClock clock;
    ScriptedRandom random;
    RecordingPlayer player;
    platform::Audio audio(player, random);
    auto *splash = new Iniziale(audio, [] {}, 60000);
    QPointer<Iniziale> guard(splash);
    splash->show();
    QTRY_COMPARE(splash->size(), screen);
    QCOMPARE(fit::state().adaptCount, 6);
    QCOMPARE(fit::state().adaptControls[1]->objectName(), QStringLiteral("Label1"));
    QCOMPARE(fit::state().adaptControls[6]->objectName(), QStringLiteral("Label3"));
    QCOMPARE(fit::state().refWidth, 11880.0);
    QCOMPARE(fit::state().refHeight, 8535.0);
    expectFitted(splash);
    QCOMPARE(layout::control(splash, "Label1")->font().pointSizeF(), 42 * screen.height() / (8535 / 15.0));
    delete guard.data();
}

void ScreenFitTest::splashPlaysCongaJustAfterItIsDrawn()
{
    // "conga" plays once, as the splash appears: after its first drawing, so
    // that starting the cue never holds the first picture up.
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } count;
    struct Player final : platform::CuePlayer {
        const PaintCount *count = nullptr;
        QStringList files;
        QList<int> paintsBefore;
        void play(const QString &path) override
        {
            files << path.section('/', -2);
            paintsBefore << count->paints;
        }
    } player;
    player.count = &count;
    ScriptedRandom random;
    platform::Audio audio(player, random);
    auto *splash = new Iniziale(audio, [] {}, 60000);
    QPointer<Iniziale> guard(splash);
    splash->installEventFilter(&count);
    QCoreApplication::processEvents();
    QVERIFY(player.files.isEmpty());  // not while it is built and not yet shown

    splash->show();
    QTRY_COMPARE(player.files, QStringList{QStringLiteral("suoni/conga.wav")});
    QVERIFY2(player.paintsBefore.first() >= 1, "conga started before the splash was drawn");
    // Drawn again, it stays quiet.
    splash->repaint();
    QTest::qWait(50);
    QCOMPARE(player.files.size(), 1);
    delete guard.data();
}

void ScreenFitTest::sideWindowsKeepTheirDesignSize()
{
    Drill d;
    QVERIFY(d.press(d.form->Command8));
    FRM_ERRORI *report = d.form->errorReport();
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QCOMPARE(report->size(), QSize(633, 451));
    QCOMPARE(report->Command1->geometry(), QRect(255, 348, 372, 78));
    QCOMPARE(report->Command1->font().pointSizeF(), 18.0);

    classificaform results(d.state, d.clock, classificaform::Opening::LookOnly, d.form.get());
    results.show();
    QCoreApplication::processEvents();
    QCOMPARE(results.size(), QSize(511, 446));
    QCOMPARE(results.Command1->geometry(), QRect(36, 366, 410, 58));
    // The exercise window's fit list is untouched by either.
    QCOMPARE(fit::state().adaptForm.data(), d.form.get());
    results.Command1_Click();
}

QTEST_MAIN(ScreenFitTest)
#include "test_screen_fit.moc"
