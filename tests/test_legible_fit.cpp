// High legibility on the screens the drill is laid out for: CTest runs this
// once per screen description (1024x768, 1366x768). Every built-in sentence
// is shown in the legible face and every text must stay in its place: each
// unit of the word column before the answer buttons, the message bar's text
// within the bar, each button's caption within its button, the answers'
// messages and the new controls within the window.

#include <QtTest>

#include "drill_fixture.h"
#include "windows/reading_aids.h"

namespace {

bool tick(QCheckBox *box)
{
    if (!box->isVisible() || !box->isEnabled())
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    return true;
}

// A caption drawn as Button::paintEvent draws it: wrapped within the face.
bool captionFits(const layout::Button *b)
{
    const QRect area = b->rect().adjusted(4, 2, -4, -2);
    const QRect need = QFontMetrics(b->font()).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, b->text());
    return area.contains(need);
}

bool messageFits(const engine::FormB &f)
{
    const layout::Label *m = f.gratifica;
    return m->x() + QFontMetrics(m->font()).horizontalAdvance(m->caption()) <= f.width();
}

}  // namespace

class TestLegibleFit : public QObject {
    Q_OBJECT
private slots:
    void everyBuiltInSentenceFits()
    {
        Drill d;
        engine::FormB &f = *d.form;
        QVERIFY(tick(f.readingAids()->AltaLeggibilita));
        const QRect window = f.rect();
        for (int s = 0; s <= 32; ++s) {
            QVERIFY(d.via(s));
            QCOMPARE(d.state.currentSentence.value(), s);
            QTest::qWait(0);  // the labels take their captions' sizes
            for (int i = 1; i <= d.state.wordCount(); ++i) {
                const layout::Label *unit = f.Lbmostra[i];
                const QString what = QStringLiteral("sentence %1 unit %2 «%3»").arg(s).arg(i).arg(unit->caption());
                QVERIFY2(unit->font().family() == QStringLiteral("Open Sans"), qPrintable(what));
                QString drawn = unit->caption();  // leading blanks move it, trailing ones do not show
                while (drawn.endsWith(QLatin1Char(' ')))
                    drawn.chop(1);
                const int right = unit->x() + QFontMetrics(unit->font()).horizontalAdvance(drawn);
                QVERIFY2(right < f.Com10->x(), qPrintable(what));
            }
            const QFontMetrics bar(f.AVVISO->font());
            QVERIFY2(bar.horizontalAdvance(f.AVVISO->caption()) <= f.AVVISO->width(), qPrintable(f.AVVISO->caption()));
            while (d.word() <= d.state.wordCount())
                QVERIFY(d.answerWord());
            QVERIFY2(messageFits(f), qPrintable(f.gratifica->caption()));
        }
        // The answers' messages, right of the answer column.
        for (const char *text : {"Bravo !", "No riprova !", "bravo!", "No riprova"}) {
            const QString message = QString::fromLatin1(text);
            f.readingAids()->answered(message);
            f.gratifica->setCaption(message);
            QVERIFY2(messageFits(f), qPrintable(message));
        }
        // The buttons' captions, and every control within the window.
        std::vector<layout::Button *> buttons = {f.Com10, f.Com11, f.VIA, f.readingAids()->Leggi};
        for (int i = 1; i <= 9; ++i)
            buttons.push_back(f.Com[i]);
        for (layout::Button *b : f.furtherButtons())
            buttons.push_back(b);
        for (const layout::Button *b : buttons)
            QVERIFY2(captionFits(b), qPrintable(b->objectName()));
        for (const QWidget *w : f.readingAids()->controls())
            QVERIFY2(window.contains(w->geometry()), qPrintable(w->objectName()));
        for (const QCheckBox *box : {static_cast<QCheckBox *>(f.AnalisiCompleta),
                                     static_cast<QCheckBox *>(f.readingAids()->VoceRisposte),
                                     static_cast<QCheckBox *>(f.readingAids()->AltaLeggibilita)})
            QVERIFY2(box->sizeHint().width() <= box->width() + 2, qPrintable(box->objectName()));
    }
};

QTEST_MAIN(TestLegibleFit)
#include "test_legible_fit.moc"
