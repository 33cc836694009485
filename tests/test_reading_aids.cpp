// Reading aloud and high legibility in the real exercise window, through the
// speech seam: what is said and when (order, a second press, an answer that
// cuts a reading, nothing said during the answer pause), the controls without
// a voice, and the legible face with its underlined unit.

#include <QtTest>

#include "drill_fixture.h"
#include "engine/collection_bank.h"
#include "engine/features.h"
#include "engine/sentence_bank.h"
#include "speech/speech_engine.h"
#include "windows/reading_aids.h"

namespace {

// Records what the drill asks of the voice: "say:<text>" and "stop".
struct FakeVoice final : speech::SpeechEngine {
    QString reason;
    bool talking = false;
    bool waiting = false;  // still looking for a voice
    std::function<void()> settled;
    QStringList calls;
    bool pending() const override { return waiting; }
    void whenSettled(std::function<void()> f) override { settled = std::move(f); }
    QString unavailableReason() const override { return reason; }
    bool speaking() const override { return talking; }
    void say(const QString &text) override
    {
        calls << QStringLiteral("say:") + text;
        talking = true;
    }
    void stop() override
    {
        calls << QStringLiteral("stop");
        talking = false;
    }
};

engine::collection::Sources oneCollection(const char *text)
{
    engine::collection::Sources s;
    s.files.push_back({"a.txt", text});
    return s;
}

// Sentence 8 of the bank: "Il mio amico mi ha invitato in campagna; ...".
constexpr int kSentence = 8;

QString sentenceOf(const engine::FormB &form)
{
    QStringList words;
    for (int i = 1; i <= 22; ++i)
        if (!form.Lbmostra[i]->caption().simplified().isEmpty())
            words << form.Lbmostra[i]->caption().simplified();
    return words.join(' ');
}

// Ticks or clears a switch as the pupil would; false when the pupil could not.
bool tick(QCheckBox *box)
{
    if (!box->isVisible() || !box->isEnabled())
        return false;
    QWidget *top = box->window();
    if (top->childAt(box->mapTo(top, box->rect().center())) != box)
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    return true;
}

}  // namespace

class TestReadingAids : public QObject {
    Q_OBJECT
private slots:
    void readsSentenceUnitAndQuestion_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("answers");  // right answers given before reading
        QTest::addColumn<QString>("question");
        QTest::newRow("first unit") << false << 0 << "";
        QTest::newRow("second step, no question without the complete analysis") << false << 1 << "";
        QTest::newRow("later unit") << false << 4 << "";
        QTest::newRow("complete: variable or not") << true << 0 << "È una parte variabile o invariabile?";
        QTest::newRow("complete: part of speech") << true << 1 << "Che parte del discorso è?";
        QTest::newRow("complete: article kind, with its choices") << true << 2
                                                << "Che tipo di articolo è? Determinativo, Indeterminativo o Partitivo.";
        QTest::newRow("complete: gender") << true << 3 << "È maschile o femminile?";
    }
    void readsSentenceUnitAndQuestion()
    {
        QFETCH(bool, complete);
        QFETCH(int, answers);
        QFETCH(QString, question);
        FakeVoice voice;
        Drill d(0, {}, &voice);
        using namespace engine;
        // "Il" of sentence 8 is a masculine singular definite article.
        d.state.bank.setFeatures(kSentence, 1, {ArticleKind::Determinativo, Gender::Maschile, Number::Singolare});
        if (complete)
            QVERIFY(tick(d.form->AnalisiCompleta));
        QVERIFY(d.via(kSentence));
        for (int i = 0; i < answers; ++i)
            QVERIFY(d.answerOnce() || d.press(d.form->furtherButtons(0)[0]));
        QVERIFY(d.press(d.form->readingAids()->Leggi));
        const QString unit = d.form->Lbmostra[d.word()]->caption().simplified();
        QString expected = sentenceOf(*d.form) + " La parola da analizzare è: " + unit + ".";
        if (!question.isEmpty())
            expected += " " + question;
        QCOMPARE(voice.calls, QStringList{"say:" + expected});
    }

    void secondPressStopsAndKeyLDoesTheSame()
    {
        FakeVoice voice;
        Drill d(0, {}, &voice);
        QVERIFY(d.via(kSentence));
        QVERIFY(d.press(d.form->readingAids()->Leggi));
        QVERIFY(d.press(d.form->readingAids()->Leggi));  // while it speaks: stops
        QTest::keyClick(d.form.get(), Qt::Key_L);        // stopped: reads again
        QTest::keyClick(d.form.get(), Qt::Key_L);
        QCOMPARE(voice.calls.size(), 4);
        QVERIFY(voice.calls[0].startsWith("say:Il mio amico"));
        QCOMPARE(voice.calls[1], "stop");
        QCOMPARE(voice.calls[2], voice.calls[0]);
        QCOMPARE(voice.calls[3], "stop");
    }

    void beforeVIAItReadsTheMessageBar()
    {
        FakeVoice voice;
        Drill d(0, {}, &voice);
        QVERIFY(d.press(d.form->readingAids()->Leggi));
        QCOMPARE(voice.calls, QStringList{"say:Clicca sul tasto VIA per partire"});
    }

    // An answer makes any reading out of date; the message is said only when
    // the pupil switched spoken answers on; the counting does not wait.
    void answerCutsReadingAndSaysMessageWhenAsked_data()
    {
        QTest::addColumn<bool>("spokenAnswers");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("after");
        QTest::newRow("silent, right") << false << true << "stop";
        QTest::newRow("silent, wrong") << false << false << "stop";
        QTest::newRow("spoken, right") << true << true << "say:Bravo";
        QTest::newRow("spoken, wrong") << true << false << "say:No riprova";
    }
    void answerCutsReadingAndSaysMessageWhenAsked()
    {
        QFETCH(bool, spokenAnswers);
        QFETCH(bool, right);
        QFETCH(QString, after);
        FakeVoice voice;
        Drill d(0, {}, &voice);
        if (spokenAnswers)
            QVERIFY(tick(d.form->readingAids()->VoceRisposte));
        QVERIFY(d.via(kSentence));
        QVERIFY(d.press(d.form->readingAids()->Leggi));
        QVERIFY(d.firstStep(right));
        QCOMPARE(voice.calls.size(), 2);
        QCOMPARE(voice.calls[1], after);
        QCOMPARE(d.state.answerCount, 1);
        QCOMPARE(d.state.errorCount, right ? 0 : 1);
    }

    // During the pause the red mark still shows the unit just answered:
    // reading now would name it as the one to analyse. The press and the key
    // are lost, like answers; the spoken message was started before the pause.
    void nothingReadDuringThePause()
    {
        FakeVoice voice;
        Drill d(400, {}, &voice);
        QVERIFY(tick(d.form->readingAids()->VoceRisposte));
        QVERIFY(d.via(kSentence));
        QStringList heardInPause;
        bool pausing = false;
        QTimer::singleShot(100, d.form.get(), [&] {
            pausing = d.form->inAnswerPause();
            heardInPause = voice.calls;
            voice.talking = false;  // "Bravo" is over
            QTest::mouseClick(d.form->readingAids()->Leggi, Qt::LeftButton);
            QTest::keyClick(d.form.get(), Qt::Key_L);
        });
        QVERIFY(d.firstStep(true));
        QVERIFY(pausing);
        QCOMPARE(heardInPause, QStringList{"say:Bravo"});
        QCOMPARE(voice.calls, QStringList{"say:Bravo"});
        QVERIFY(d.press(d.form->readingAids()->Leggi));  // after the pause it reads again
        QCOMPARE(voice.calls.size(), 2);
    }

    void withoutAVoiceTheControlsSayWhy_data()
    {
        QTest::addColumn<bool>("engine");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("no engine") << false << "Sintesi vocale non disponibile";
        QTest::newRow("no Italian voice") << true << "Sintesi vocale non disponibile: nessuna voce italiana";
    }
    void withoutAVoiceTheControlsSayWhy()
    {
        QFETCH(bool, engine);
        QFETCH(QString, tooltip);
        FakeVoice voice;
        voice.reason = tooltip;
        Drill d(0, {}, engine ? &voice : nullptr);
        auto *aids = d.form->readingAids();
        for (QWidget *w : {static_cast<QWidget *>(aids->Leggi), static_cast<QWidget *>(aids->VoceRisposte)}) {
            QVERIFY(!w->isEnabled());
            QCOMPARE(w->toolTip(), tooltip);
        }
        QVERIFY(d.via(kSentence));
        QTest::keyClick(d.form.get(), Qt::Key_L);
        QVERIFY(d.answerWord());  // the drill goes on as ever
        QVERIFY(!aids->VoceRisposte->isEnabled());
        QVERIFY(voice.calls.isEmpty());
        QVERIFY(aids->AltaLeggibilita->isEnabled() == false);  // not while a sentence runs
    }

    // The system's voice is looked for while the window is already up: the
    // controls wait, disabled, and come on once it is found.
    void aVoiceFoundLaterEnablesTheControls()
    {
        FakeVoice voice;
        voice.waiting = true;
        voice.reason = QStringLiteral("Sintesi vocale in preparazione…");
        Drill d(0, {}, &voice);
        auto *aids = d.form->readingAids();
        QVERIFY(!aids->Leggi->isEnabled());
        QCOMPARE(aids->Leggi->toolTip(), voice.reason);
        QTest::keyClick(d.form.get(), Qt::Key_L);
        QVERIFY(voice.calls.isEmpty());
        voice.waiting = false;
        voice.reason.clear();
        QVERIFY(voice.settled);
        voice.settled();
        QVERIFY(aids->Leggi->isEnabled());
        QVERIFY(aids->VoceRisposte->isEnabled());  // VIA is offered
        QVERIFY(d.press(aids->Leggi));
        QCOMPARE(voice.calls.size(), 1);
    }

    // Off at every start; offered, like "analisi completa", only with VIA.
    void switchesOnlyWithVIA()
    {
        FakeVoice voice;
        Drill d(0, {}, &voice);
        auto *aids = d.form->readingAids();
        for (QCheckBox *s : {aids->VoceRisposte, aids->AltaLeggibilita}) {
            QVERIFY(!s->isChecked());
            QVERIFY(s->isEnabled());
        }
        QVERIFY(d.via(kSentence));
        QVERIFY(!aids->VoceRisposte->isEnabled());
        QVERIFY(!aids->AltaLeggibilita->isEnabled());
        QVERIFY(d.press(aids->Leggi));  // reading is always at hand
        while (d.word() <= d.state.wordCount())
            QVERIFY(d.answerWord());
        QVERIFY(aids->VoceRisposte->isEnabled());
        QVERIFY(aids->AltaLeggibilita->isEnabled());
    }

    void legibleFaceUnderlinesTheRedUnit()
    {
        Drill d;
        auto *aids = d.form->readingAids();
        const QString standard = d.form->Lbmostra[1]->font().family();
        QVERIFY(d.form->AVVISO->font().italic());
        QVERIFY(tick(aids->AltaLeggibilita));
        QVERIFY(d.via(kSentence));
        QVERIFY(d.answerWord());
        for (QWidget *w : {static_cast<QWidget *>(d.form->Lbmostra[2]), static_cast<QWidget *>(d.form->AVVISO),
                           static_cast<QWidget *>(d.form->Com10), static_cast<QWidget *>(d.form->gratifica)}) {
            QCOMPARE(w->font().family(), QStringLiteral("Open Sans"));
            QVERIFY(!w->font().italic());
            QVERIFY(w->font().letterSpacing() > 100);
        }
        for (int i = 1; i <= 22; ++i)
            QCOMPARE(d.form->Lbmostra[i]->font().underline(), i == 2);
        // Off again between sentences: the design's faces, italic included.
        while (d.word() <= d.state.wordCount())
            QVERIFY(d.answerWord());
        QVERIFY(tick(aids->AltaLeggibilita));
        QCOMPARE(d.form->Lbmostra[2]->font().family(), standard);
        QVERIFY(d.form->AVVISO->font().italic());
        for (int i = 1; i <= 22; ++i)
            QVERIFY(!d.form->Lbmostra[i]->font().underline());
    }

    // A teacher's unit that fits its row in the standard face but not in the
    // legible one: drilled as usual, and in the legible face drawn smaller so
    // that it stays clear of the answer buttons.
    void aUnitTooWideForTheLegibleFaceIsDrawnSmaller()
    {
        Drill d(0, [] {
            return oneCollection("Egli = pron | parlava = verbo | sempre = avv | e = cong | "
                                 "precipitevolissimevolmente = avv\n");
        });
        QVERIFY(tick(d.form->readingAids()->AltaLeggibilita));
        QVERIFY(d.via(33));
        QCOMPARE(d.form->Lbmostra[5]->caption().simplified(), QStringLiteral("precipitevolissimevolmente"));
        const double standardPoints = d.form->Lbmostra[4]->font().pointSizeF();  // "e" keeps its size
        const double legiblePoints = d.form->Lbmostra[5]->font().pointSizeF();
        QVERIFY(legiblePoints < standardPoints);
        // Drawn, it ends before the answer buttons begin.
        QTRY_VERIFY(d.form->Lbmostra[5]->geometry().right() < d.form->Com10->geometry().left());
        // A refit keeps it small, and does not shrink it again.
        d.form->resize(d.form->size() + QSize(0, 1));
        d.form->resize(d.form->size() - QSize(0, 1));
        QCOMPARE(d.form->Lbmostra[5]->font().pointSizeF(), legiblePoints);
    }

    // A collection line is checked in both faces: too wide in the standard
    // one, it is left out as ever; too wide only in the legible one, it is
    // drilled, with a note naming the file, the line and the unit.
    void collectionLinesCheckedInBothFaces_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("message");
        QTest::newRow("fits both") << "Il = art | cane = nome | corre = verbo" << true << "";
        QTest::newRow("fits only the standard face")
            << "Egli = pron | parlava = verbo | sempre = avv | e = cong | precipitevolissimevolmente = avv" << true
            << "a.txt, riga 1: «precipitevolissimevolmente» al posto 5 con l'alta leggibilità è scritto più piccolo";
        QTest::newRow("fits neither")
            << "a = prep | b = prep | c = prep | d = prep | e = cong | f = prep | g = prep | h = prep | i = prep | "
               "l = prep | m = prep | n = prep | o = cong | p = prep | precipitevolissimevolmente = avv"
            << false << "troppo lungo per stare al posto 15";
    }
    void collectionLinesCheckedInBothFaces()
    {
        QFETCH(QString, line);
        QFETCH(bool, loaded);
        QFETCH(QString, message);
        engine::SentenceBank bank;
        const auto result = engine::collection::fillBank(bank, oneCollection(line.toUtf8().constData()));
        QCOMPARE(result.lastSentence, loaded ? 33 : 32);
        if (message.isEmpty()) {
            QVERIFY(result.messages.empty());
        } else {
            QCOMPARE(result.messages.size(), std::size_t(1));
            QVERIFY2(QString::fromStdString(result.messages[0]).contains(message), result.messages[0].c_str());
        }
    }
};

QTEST_MAIN(TestReadingAids)
#include "test_reading_aids.moc"
