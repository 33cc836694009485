// Access without the mouse: what assistive technology is told about every
// control of the four windows, the Tab order, Space and Return on the focused
// button, and the answer keys of the exercise window (1 to 9, V, I), which
// press only a button the pupil could click and are lost during the pause.
// Keys go in through the window, as the window system delivers them.

#include <QAccessible>
#include <QPointer>
#include <QtTest>

#include "drill_fixture.h"
#include "layouts/layout_builder.h"
#include "windows/error_report_window.h"
#include "windows/results_window.h"
#include "windows/splash_window.h"

using engine::rules::isVariable;

namespace {

void type(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(window->windowHandle(), key, modifiers);
}

Qt::Key digit(int n) { return static_cast<Qt::Key>(Qt::Key_0 + n); }

bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QAccessibleInterface *accessible(QWidget *w) { return QAccessible::queryAccessibleInterface(w); }
QString nameOf(QWidget *w) { return accessible(w)->text(QAccessible::Name); }
bool leftOut(QWidget *w) { return accessible(w)->state().invisible; }

// Checks every control shown in `window`: the role its kind calls for, a name
// (its caption, without the spaces that place it), a place in the accessible
// tree under its parent. Blank labels and shapes are left out. Counts what it
// saw in `named` and `leftOutCount`.
void checkShownControls(QWidget *window, int &named, int &leftOutCount)
{
    named = leftOutCount = 0;
    const QString form = window->objectName();
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (!c->isVisible() || c->window() != window)
            continue;
        const QString where = form + QLatin1Char('/') + c->objectName();
        QAccessibleInterface *iface = accessible(c);
        QVERIFY2(iface && iface->isValid(), qPrintable(where));
        QVERIFY2(iface->parent() && iface->parent()->object() == c->parentWidget(), qPrintable(where));
        QVERIFY2(iface->parent()->indexOfChild(iface) >= 0, qPrintable(where));
        const QString name = iface->text(QAccessible::Name);
        const bool out = iface->state().invisible;
        if (auto *b = qobject_cast<layout::Button *>(c)) {
            QVERIFY2(iface->role() == QAccessible::Button, qPrintable(where));
            QCOMPARE(name, b->caption());
            QVERIFY2(!out, qPrintable(where));
        } else if (auto *l = qobject_cast<layout::Label *>(c)) {
            QVERIFY2(iface->role() == QAccessible::StaticText, qPrintable(where));
            QCOMPARE(name, l->caption().simplified());
            QCOMPARE(out, l->caption().trimmed().isEmpty());
        } else if (auto *fr = qobject_cast<layout::Frame *>(c)) {
            QVERIFY2(!out, qPrintable(where));
            if (fr->caption().trimmed().isEmpty()) {
                QVERIFY2(iface->role() == QAccessible::Pane || iface->role() == QAccessible::StatusBar,
                         qPrintable(where));
                QVERIFY2(iface->childCount() > 0, qPrintable(where));  // a pane holds named controls
                continue;
            }
            QVERIFY2(iface->role() == QAccessible::Grouping, qPrintable(where));
            QCOMPARE(name, fr->caption().simplified());
        } else if (auto *box = qobject_cast<layout::CheckBox *>(c)) {
            QVERIFY2(iface->role() == QAccessible::CheckBox, qPrintable(where));
            QCOMPARE(name, box->caption());
            QCOMPARE(iface->state().checked, box->isChecked());
            QVERIFY2(!out, qPrintable(where));
        } else if (qobject_cast<layout::Shape *>(c)) {
            QVERIFY2(out, qPrintable(where));
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown control ") + where));
        }
        if (out) {
            ++leftOutCount;
        } else {
            QVERIFY2(!name.isEmpty(), qPrintable(where));
            ++named;
        }
    }
}

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT
private slots:
    // Assistive technology.
    void everyShownControlHasANameAndARole_data();
    void everyShownControlHasANameAndARole();
    void wordLabelsAreNamedWithoutTheirDisplaySpaces();
    void dotRowsAreToldByTheirLevelLabel();

    // Tab, Space and Return.
    void tabFollowsTheLayoutTables();
    void spaceAndReturnPressTheFocusedButton();
    void returnPressesViaWhenNoButtonHasTheFocus();
    void focusStaysOnTheAnswerPanel();

    // Answer keys.
    void answerKeysPressTheirButton_data();
    void answerKeysPressTheirButton();
    void answerKeysReachTheWindowWhateverHasTheFocus();
    void answerKeysPressNothingTheButtonCannotTake();
    void aWholeSentenceFromTheKeyboard();
    void keysDuringTheAnswerPauseAreLost();
};

// --- Assistive technology ------------------------------------------------------

void KeyboardAccessTest::everyShownControlHasANameAndARole_data()
{
    QTest::addColumn<QString>("scene");
    QTest::newRow("exercise, waiting for VIA") << "start";
    QTest::newRow("exercise, variable step") << "sentence";
    QTest::newRow("exercise, part-of-speech step") << "group";
    QTest::newRow("error report") << "report";
    QTest::newRow("results") << "results";
    QTest::newRow("splash") << "splash";
}

void KeyboardAccessTest::everyShownControlHasANameAndARole()
{
    QFETCH(QString, scene);
    Drill d;
    auto &f = *d.form;
    QWidget *window = &f;
    std::unique_ptr<classificaform> results;
    QPointer<Iniziale> splash;
    if (scene == QLatin1String("sentence") || scene == QLatin1String("group")) {
        QVERIFY(d.via(8));
        if (scene == QLatin1String("group"))
            QVERIFY(d.firstStep(true));
    } else if (scene == QLatin1String("report")) {
        QVERIFY(d.press(f.Command8));
        window = f.errorReport();
    } else if (scene == QLatin1String("results")) {
        d.state.ottimoTally = 2;
        d.state.buonoTally = 10;
        d.state.gradeLevel = 5;
        results = std::make_unique<classificaform>(d.state, d.clock, classificaform::Opening::LookOnly, &f);
        results->setProperty("watched", true);  // not for the fixture to close
        window = results.get();
    } else if (scene == QLatin1String("splash")) {
        f.hide();
        splash = new Iniziale(d.audio, [] {}, 600000);
        window = splash;
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    int named = 0, out = 0;
    checkShownControls(window, named, out);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(named >= 5);
    // The window keeps its title as its name.
    QCOMPARE(accessible(window)->text(QAccessible::Name), window->windowTitle());

    if (window == &f) {
        QCOMPARE(accessible(layout::control(&f, "Frame5"))->role(), QAccessible::StatusBar);
        QCOMPARE(nameOf(layout::control(&f, "Frame1")), QStringLiteral("risposte"));
        QCOMPARE(nameOf(layout::control(&f, "Frame3")), QStringLiteral("errori %"));
        QCOMPARE(nameOf(f.Com11), QStringLiteral("PARTE  INVARIABILE"));
        // Hidden controls are out of the tree as well.
        for (auto *b : {f.art[1], f.Masfem[1], f.Singplu[2]})
            QVERIFY(leftOut(b));
        if (scene == QLatin1String("group")) {
            QVERIFY(leftOut(f.Com10) && leftOut(f.Com11));
            QCOMPARE(nameOf(f.display[1]), QStringLiteral("Parte variabile"));
        }
    }
    if (results)
        QCOMPARE(out, 1 + 2 + 10 + 1);  // the border, the dots shown, the blank "nuovo record"
    if (splash) {
        QCOMPARE(named, 6);  // its six texts
        delete splash.data();
    }
}

void KeyboardAccessTest::wordLabelsAreNamedWithoutTheirDisplaySpaces()
{
    Drill d;
    auto &f = *d.form;
    // Before VIA the word column is blank and left out.
    for (int i = 1; i <= 22; ++i)
        QVERIFY(f.Lbmostra[i]->isVisible() && leftOut(f.Lbmostra[i]));
    QVERIFY(leftOut(f.gratifica));

    QVERIFY(d.via(8));
    QCOMPARE(f.Lbmostra[1]->caption(), QStringLiteral("Il   "));
    QCOMPARE(nameOf(f.Lbmostra[1]), QStringLiteral("Il"));
    QCOMPARE(nameOf(f.Lbmostra[5]), QStringLiteral("ha invitato"));
    QCOMPARE(nameOf(f.Lbmostra[22]), QStringLiteral("mese."));
    for (int i = 1; i <= 22; ++i)
        QVERIFY(!leftOut(f.Lbmostra[i]));

    // Sentence 0 ends at word 19: the blank fillers stay out.
    Drill d0;
    QVERIFY(d0.via(0));
    QCOMPARE(nameOf(d0.form->Lbmostra[1]), QStringLiteral("Era"));
    QVERIFY(!leftOut(d0.form->Lbmostra[19]));
    for (int i = 20; i <= 22; ++i)
        QVERIFY(d0.form->Lbmostra[i]->isVisible() && leftOut(d0.form->Lbmostra[i]));

    // A blank label comes in once it gets a text.
    QVERIFY(d0.answerWord());
    QVERIFY(leftOut(d0.form->gratifica));  // the answer's message has come and gone
    d0.state.currentWord = 19;  // on to the last word
    d0.state.expectedCode = d0.code();
    QVERIFY(d0.answerWord());
    QCOMPARE(d0.form->gratifica->caption(), QStringLiteral("COMPLETATA"));
    QCOMPARE(nameOf(d0.form->gratifica), QStringLiteral("COMPLETATA"));
    QVERIFY(!leftOut(d0.form->gratifica));
}

void KeyboardAccessTest::dotRowsAreToldByTheirLevelLabel()
{
    Drill d;
    d.state.ottimoTally = 3;
    d.state.distintoTally = 10;
    d.state.sufficienteTally = 1;
    d.state.occorreTally = 0;  // buono never reached: empty
    const std::array<int, 6> expected = {0, 0, 1, 0, 10, 3};
    {
        classificaform r(d.state, d.clock, classificaform::Opening::LookOnly, d.form.get());
        r.setProperty("watched", true);  // not for the fixture to close
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        for (int g = 1; g <= 5; ++g) {
            int shown = 0;
            for (int k = 1; k <= 10; ++k) {
                QVERIFY(leftOut(r.dots[g][k]));
                QCOMPARE(accessible(r.dots[g][k])->role(), QAccessible::Graphic);
                shown += r.dots[g][k]->isVisible() ? 1 : 0;
            }
            QCOMPARE(shown, expected[g]);
            QAccessibleInterface *level = accessible(r.levels[g]);
            QCOMPARE(level->text(QAccessible::Name), r.levels[g]->caption());
            QCOMPARE(level->text(QAccessible::Description), QString::number(shown));
        }
        QCOMPARE(nameOf(r.levels[5]), QStringLiteral("OTTIMO"));
        r.Command1_Click();
    }
    // A series just graded adds a dot, and the label says so.
    d.state.gradeLevel = 5;
    d.state.seriesStart = d.clock.ms;
    classificaform r(d.state, d.clock, classificaform::Opening::SeriesEnded, d.form.get());
    QCOMPARE(accessible(r.levels[5])->text(QAccessible::Description), QStringLiteral("4"));
    QCOMPARE(accessible(r.levels[3])->text(QAccessible::Description), QStringLiteral("0"));
    r.Command1_Click();
}

// --- Tab, Space and Return ----------------------------------------------------------

void KeyboardAccessTest::tabFollowsTheLayoutTables()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    auto walk = [&](QWidget *window, QWidget *from, int steps, Qt::Key key = Qt::Key_Tab) {
        QStringList seen;
        from->setFocus(Qt::OtherFocusReason);
        for (int i = 0; i < steps; ++i) {
            type(window, key);
            seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        return seen;
    };

    // Every tabbed button on show and enabled: the full table order, round again.
    for (auto *b : f.answerButtons()) {
        b->setVisible(true);
        b->setEnabled(true);
    }
    // Without a voice "Leggi" and "risposte a voce" are disabled, so left out.
    QCOMPARE(walk(&f, f.VIA, 16),
             QStringList({"AnalisiCompleta", "Com(2)", "Com(3)", "Com(4)", "Com(5)", "Com(6)", "Com(7)", "Com(1)",
                          "Com(8)", "Com11", "Com10", "Com(9)", "FINE", "Command8", "AltaLeggibilita", "VIA"}));
    QCOMPARE(walk(&f, f.VIA, 3, Qt::Key_Backtab), QStringList({"AltaLeggibilita", "Command8", "FINE"}));

    // In the drill only the buttons on show are visited, still in table order.
    Drill v;
    QVERIFY(activate(v.form.get()));
    QVERIFY(v.via(0));
    QCOMPARE(walk(v.form.get(), v.form->Com11, 4), QStringList({"Com10", "FINE", "Command8", "Com11"}));
    QVERIFY(v.firstStep(true));
    QCOMPARE(walk(v.form.get(), v.form->Com[2], 7),
             QStringList({"Com(3)", "Com(4)", "Com(5)", "Com(1)", "FINE", "Command8", "Com(2)"}));

    // The error report: CHIUDI FINESTRA, then mostra classifica.
    QVERIFY(v.press(v.form->Command8));
    FRM_ERRORI *report = v.form->errorReport();
    QVERIFY(activate(report));
    QCOMPARE(walk(report, report->Command1, 2), QStringList({"Command2", "Command1"}));
}

void KeyboardAccessTest::spaceAndReturnPressTheFocusedButton()
{
    {  // the exercise window: word 1 of sentence 0 is a verb.
        Drill d;
        auto &f = *d.form;
        QVERIFY(activate(&f));
        QVERIFY(d.via(0));
        f.Com11->setFocus();
        type(&f, Qt::Key_Return);
        QCOMPARE(d.state.givenAnswer.value(), 11);
        QCOMPARE(d.state.answerCount, 1);
        f.Com11->setFocus();
        type(&f, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(d.state.givenAnswer.value(), 11);
        QCOMPARE(d.state.answerCount, 2);
        f.Com10->setFocus();
        type(&f, Qt::Key_Space);
        QCOMPARE(d.state.givenAnswer.value(), 10);
        QCOMPARE(d.state.answerCount, 3);
        QCOMPARE(d.state.errorCount, 2);
        // With a modifier Return is no press.
        f.Com[5]->setFocus();
        type(&f, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(d.state.answerCount, 3);
        f.Com[5]->setFocus();
        type(&f, Qt::Key_Space);
        QCOMPARE(d.state.givenAnswer.value(), 5);
        QCOMPARE(d.word(), 2);
    }  // (one drill at a time: each one's watcher closes any results window)

    // Return on a focused button that is not VIA presses that button, not VIA.
    Drill s;
    QVERIFY(activate(s.form.get()));
    s.form->Command8->setFocus();
    type(s.form.get(), Qt::Key_Return);
    QVERIFY(s.form->errorReport() != nullptr);
    QVERIFY(s.state.currentSentence.isEmpty());
    QVERIFY(s.form->VIA->isVisible());

    // The error report: Return on mostra classifica, then on CHIUDI FINESTRA.
    QPointer<FRM_ERRORI> report = s.form->errorReport();
    QVERIFY(activate(report));
    report->Command2->setFocus();
    const int opened = s.results.opened;
    type(report, Qt::Key_Return);  // the watcher closes the results window
    QCOMPARE(s.results.opened, opened + 1);
    QVERIFY(activate(report));
    report->Command1->setFocus();
    type(report, Qt::Key_Return);
    QTRY_VERIFY(report.isNull());

    // The results window: Return and Space on PROSEGUI.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        classificaform r(s.state, s.clock, classificaform::Opening::LookOnly, s.form.get());
        r.setProperty("watched", true);  // not for the fixture to close
        r.show();
        QVERIFY(activate(&r));
        r.Command1->setFocus();
        type(&r, key);
        QVERIFY2(!r.isVisible(), qPrintable(QKeySequence(key).toString()));
        QCOMPARE(r.result(), int(QDialog::Accepted));
    }
}

void KeyboardAccessTest::returnPressesViaWhenNoButtonHasTheFocus()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    f.setFocus();  // the window itself, no button
    d.random.next.push_back(8);
    type(&f, Qt::Key_Return);
    QCOMPARE(d.state.currentSentence.value(), 8);
    QVERIFY(f.VIA->isHidden());

    // With VIA hidden, Return on the window presses nothing else.
    f.setFocus();
    type(&f, Qt::Key_Return);
    QCOMPARE(d.state.answerCount, 0);
    QVERIFY(d.state.givenAnswer.isEmpty());
    QCOMPARE(d.state.currentSentence.value(), 8);
}

void KeyboardAccessTest::focusStaysOnTheAnswerPanel()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    f.VIA->setFocus();
    d.random.next.push_back(0);
    type(&f, Qt::Key_Space);
    QCOMPARE(d.state.currentSentence.value(), 0);
    QCOMPARE(f.focusWidget(), f.Com11);  // VIA hidden: the next button in tab order

    // A wrong answer leaves the focus where it was, though the pause disabled it.
    type(&f, Qt::Key_Space);
    QCOMPARE(d.state.givenAnswer.value(), 11);
    QCOMPARE(f.focusWidget(), f.Com11);

    // A right answer hides the focused button: the focus goes to the first
    // button on show in tab order, never on to FINE.
    f.Com10->setFocus();
    type(&f, Qt::Key_Space);
    QCOMPARE(d.state.givenAnswer.value(), 10);
    QCOMPARE(f.focusWidget(), f.Com[2]);
    type(&f, Qt::Key_5);  // right: word 2 opens
    QCOMPARE(d.word(), 2);
    QCOMPARE(f.focusWidget(), f.Com11);

    // Focus away from the answer panel is left alone.
    f.Command8->setFocus();
    type(&f, Qt::Key_V);  // wrong: presto is an adverb
    QCOMPARE(d.state.givenAnswer.value(), 10);
    QCOMPARE(f.focusWidget(), f.Command8);
}

// --- Answer keys -----------------------------------------------------------------------

void KeyboardAccessTest::answerKeysPressTheirButton_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("button");  // the answer the press records
    QTest::newRow("V") << int(Qt::Key_V) << 0 << 10;
    QTest::newRow("Shift+V") << int(Qt::Key_V) << int(Qt::ShiftModifier) << 10;
    QTest::newRow("I") << int(Qt::Key_I) << 0 << 11;
    for (int n = 1; n <= 9; ++n)
        QTest::addRow("%d", n) << int(digit(n)) << 0 << n;
    QTest::newRow("keypad 3") << int(Qt::Key_3) << int(Qt::KeypadModifier) << 3;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 7;
}

void KeyboardAccessTest::answerKeysPressTheirButton()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, button);
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    QVERIFY(d.via(0));  // word 1 "Era" is a verb, word 2 "presto" an adverb
    if (button <= 9) {
        if (button >= 6)
            QVERIFY(d.answerWord());
        QVERIFY(d.firstStep(true));  // opens the group that holds the button
        QVERIFY(pressable(f.Com[button]));
    }
    const int answers = d.state.answerCount;
    const int word = d.word();
    const bool right = button <= 9 ? button == d.state.expectedCode.value()
                                   : (button == 10) == isVariable(d.code());

    type(&f, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(d.state.givenAnswer.value(), button);
    QCOMPARE(d.state.answerCount, answers + 1);  // one press, of this button only
    QCOMPARE(d.state.errorCount, right ? 0 : 1);
    QCOMPARE(d.word(), right && button <= 9 ? word + 1 : word);
}

void KeyboardAccessTest::answerKeysReachTheWindowWhateverHasTheFocus()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    QVERIFY(d.via(0));
    int answers = 0;
    for (QWidget *focus : std::initializer_list<QWidget *>{f.FINE, f.Command8, f.Com10, f.Com11, &f}) {
        focus->setFocus();
        QCOMPARE(QApplication::focusWidget(), focus);
        type(&f, Qt::Key_I);  // wrong on the verb: the question stays open
        QCOMPARE(d.state.answerCount, ++answers);
        QCOMPARE(d.state.givenAnswer.value(), 11);
    }
    // The key sent straight to a control, not through the window, too.
    QTest::keyClick(f.FINE, Qt::Key_V);
    QCOMPARE(d.state.answerCount, ++answers);
    QCOMPARE(d.state.givenAnswer.value(), 10);
}

void KeyboardAccessTest::answerKeysPressNothingTheButtonCannotTake()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    const QList<Qt::Key> answerKeys = {Qt::Key_V, Qt::Key_I, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                       Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9};
    auto typeAll = [&](const QList<Qt::Key> &keys) {
        for (Qt::Key k : keys)
            type(&f, k);
    };

    // Before VIA: Com10 and Com11 disabled, Com(1..9) disabled behind them.
    typeAll(answerKeys);
    QCOMPARE(d.state.answerCount, 0);
    QVERIFY(d.state.givenAnswer.isEmpty());

    // Variable step: Com(1..9) hidden.
    QVERIFY(d.via(0));
    typeAll(answerKeys.mid(2));
    QCOMPARE(d.state.answerCount, 0);

    // Not an answer key with Control or Alt, nor repeated while held.
    type(&f, Qt::Key_V, Qt::ControlModifier);
    type(&f, Qt::Key_I, Qt::AltModifier);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_V, Qt::NoModifier, QStringLiteral("v"), true);
    QApplication::sendEvent(&f, &held);
    QCOMPARE(d.state.answerCount, 0);

    // Part-of-speech step of the verb: Com10, Com11 and Com(6..9) hidden.
    QVERIFY(d.firstStep(true));
    typeAll({Qt::Key_V, Qt::Key_I, Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9});
    QCOMPARE(d.state.answerCount, 1);
    QCOMPARE(d.state.givenAnswer.value(), 10);

    // Covered: a part-of-speech button on show and enabled, but behind Com10.
    Drill c;
    QVERIFY(activate(c.form.get()));
    QVERIFY(c.via(0));
    QVERIFY(c.firstStep(false));  // the pause enables every answer button
    QCOMPARE(c.state.answerCount, 1);
    c.form->Com[5]->setVisible(true);
    QVERIFY(c.form->Com[5]->isVisible() && c.form->Com[5]->isEnabled());
    type(c.form.get(), Qt::Key_5);
    QCOMPARE(c.state.answerCount, 1);
    c.form->Com10->setVisible(false);  // uncovered, the same key presses it
    type(c.form.get(), Qt::Key_5);
    QCOMPARE(c.state.answerCount, 2);
    QCOMPARE(c.state.givenAnswer.value(), 5);
}

void KeyboardAccessTest::aWholeSentenceFromTheKeyboard()
{
    Drill d;
    auto &f = *d.form;
    QVERIFY(activate(&f));
    f.VIA->setFocus();
    d.random.next.push_back(0);
    type(&f, Qt::Key_Space);
    const int n = d.state.wordCount();
    for (int w = 1; w <= n; ++w) {
        QCOMPARE(d.word(), w);
        type(&f, isVariable(d.code()) ? Qt::Key_V : Qt::Key_I);
        type(&f, digit(d.state.expectedCode.value()));
    }
    QCOMPARE(d.word(), n + 1);
    QCOMPARE(d.results.opened, 1);  // the series of 20 ended on the way
    QCOMPARE(d.state.errorCount, 0);
    QVERIFY(pressable(f.VIA));
    QCOMPARE(f.focusWidget(), f.VIA);
    d.random.next.push_back(8);
    type(&f, Qt::Key_Return);
    QCOMPARE(d.state.currentSentence.value(), 8);
}

void KeyboardAccessTest::keysDuringTheAnswerPauseAreLost()
{
    // The real one-second pause, on the last word of sentence 0 (a noun).
    Drill d(1000);
    auto &f = *d.form;
    QVERIFY(activate(&f));
    QVERIFY(d.via(0));
    d.state.currentWord = 19;
    d.state.expectedCode = d.code();
    QCOMPARE(d.state.expectedCode.value(), 2);

    bool parked = false;
    auto typeDuringThePause = [&](const QList<Qt::Key> &keys) {
        QTimer::singleShot(300, [&, keys] {
            parked = f.inAnswerPause() && f.focusWidget() == &f;  // the focus rests on the window
            for (Qt::Key k : keys)
                type(&f, k);
        });
    };

    // Variable step: the answer keys pressed during its pause are lost,
    // Tab is held and moves the focus once the answer is done.
    f.Com10->setFocus();
    typeDuringThePause({Qt::Key_I, Qt::Key_V, Qt::Key_2, Qt::Key_Tab});
    QElapsedTimer clock;
    clock.start();
    type(&f, Qt::Key_V);
    QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(parked);
    QCOMPARE(d.state.answerCount, 1);
    QCOMPARE(d.state.givenAnswer.value(), 10);
    QCOMPARE(d.state.errorCount, 0);
    // The focus went back to the first button on show, Com(2), and the held
    // Tab moved it on from there.
    QTRY_COMPARE(f.focusWidget(), f.Com[3]);

    // Part-of-speech step, completing the sentence: Return on the window,
    // which would press the VIA just shown, is lost too.
    parked = false;
    typeDuringThePause({Qt::Key_Return, Qt::Key_1, Qt::Key_3, Qt::Key_V});
    type(&f, Qt::Key_2);
    QVERIFY(parked);
    QCOMPARE(d.state.answerCount, 2);
    QCOMPARE(d.state.givenAnswer.value(), 2);
    QCOMPARE(d.word(), 20);
    QTest::qWait(200);
    QCOMPARE(d.state.answerCount, 2);
    QCOMPARE(d.state.currentSentence.value(), 0);
    QVERIFY(pressable(f.VIA));
    QCOMPARE(f.focusWidget(), f.VIA);
}

QTEST_MAIN(KeyboardAccessTest)
#include "test_keyboard_access.moc"
