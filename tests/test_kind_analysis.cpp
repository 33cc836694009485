// The kinds in the complete analysis, driven as the pupil drives them: for one
// unit of each part of speech, the kind first, then the degree or the person,
// then gender and number, each stated in words and answered on the choice
// buttons by the keys; the path on the right; a wrong answer filed under its
// own category, shown in the error report and kept in the history by name;
// the `@domande` words; the progress chart's share. The features are set here
// by hand on sentence 8, whatever the built-in key holds.

#include <QtTest>

#include "drill_fixture.h"
#include "engine/further_questions.h"
#include "history/events.h"
#include "history/progress_data.h"
#include "history/sqlite_history.h"
#include "history_fakes.h"
#include "windows/error_report_window.h"
#include "windows/reading_aids.h"

using namespace engine;

Q_DECLARE_METATYPE(Features)

namespace {

constexpr int kSentence = 8;

// A drill whose first unit of sentence 8 has the part of speech and the
// features a test gives, every other unit none; its answers are kept.
struct KindDrill {
    FakeClock clock;
    ScriptedRandom random;
    RecordingPlayer player;
    platform::Audio audio{player, random, [] { return QStringLiteral("/prog"); }};
    KeptRecorder kept;
    DrillState state;
    std::unique_ptr<FormB> form;
    ResultsWatcher results;

    KindDrill(int code, const Features &features, bool full = true)
    {
        form = std::make_unique<FormB>(state, ExerciseServices{clock, random, audio, 0, {}, nullptr, &kept});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        for (int p = 1; p <= SentenceBank::kLastPosition; ++p)
            state.bank.setFeatures(kSentence, p, Features{});
        state.bank.setCode(kSentence, 1, std::int16_t(code));
        state.bank.setFeatures(kSentence, 1, features);
        if (full)
            QTest::keyClick(form.get(), Qt::Key_A);
        random.next.push_back(kSentence);
        QTest::keyClick(form.get(), Qt::Key_Return);
        // Both steps by their keys.
        QTest::keyClick(form.get(), rules::isVariable(code) ? Qt::Key_V : Qt::Key_I);
        QTest::keyClick(form.get(), Qt::Key(Qt::Key_0 + code));
    }
    int word() const { return state.currentWord.value(); }
    bool press(QPushButton *b)
    {
        if (!pressable(b))
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        return true;
    }
    // The buttons that answer the question on show, as many as it offers.
    QStringList offered() const
    {
        QStringList out;
        for (layout::Button *b : {form->Masfem[1], form->Masfem[2], form->Singplu[1], form->Singplu[2]})
            if (pressable(b))
                out << b->caption();
        for (int k = 1; k <= kMaxChoices; ++k)
            if (pressable(form->Scelta[k]))
                out << form->Scelta[k]->caption();
        return out;
    }
};

// The key that answers `caption`: its place among the choices, or the letter
// of gender and number.
Qt::Key keyFor(const QString &caption, const QStringList &offered)
{
    static const QMap<QString, Qt::Key> letters = {{"Maschile", Qt::Key_M},
                                                   {"Femminile", Qt::Key_F},
                                                   {"Singolare", Qt::Key_S},
                                                   {"Plurale", Qt::Key_P}};
    return letters.value(caption, Qt::Key(Qt::Key_1 + offered.indexOf(caption)));
}

}  // namespace

class KindAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void walkOfEachKind_data();
    void walkOfEachKind();
    void wrongKindIsFiledAndKept_data();
    void wrongKindIsFiledAndKept();
    void modeOffAsksNoKind();
    void reportHoldsEveryRowAndFits();
    void keywordsNameTheRows_data();
    void keywordsNameTheRows();
    void shareOfTheProgressChart_data();
    void shareOfTheProgressChart();
    void questionNamesAreStoredAsWritten();
};

void KindAnalysisTest::walkOfEachKind_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Features>("features");
    // Per question: the words on screen, the choice pressed, the path label after it.
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("path");

    QTest::newRow("article")
        << 1 << Features{.kind = ArticleKind::Partitivo, .gender = Gender::Femminile, .number = Number::Plurale}
        << QStringList{"Che tipo di articolo è?", "È maschile o femminile?", "È singolare o plurale?"}
        << QStringList{"Partitivo", "Femminile", "Plurale"} << QStringList{"Partitivo", "Femminile", "Plurale"};
    QTest::newRow("proper noun")
        << 2 << Features{.gender = Gender::Maschile, .number = Number::Singolare, .nounKind = NounKind::Proprio}
        << QStringList{"Che tipo di nome è?", "È maschile o femminile?", "È singolare o plurale?"}
        << QStringList{"Proprio", "Maschile", "Singolare"} << QStringList{"proprio", "Maschile", "Singolare"};
    QTest::newRow("qualifying adjective, superlative")
        << 3
        << Features{.gender = Gender::Femminile,
                    .number = Number::Singolare,
                    .adjectiveKind = AdjectiveKind::Qualificativo,
                    .degree = Degree::Superlativo}
        << QStringList{"Che tipo di aggettivo è?", "Di che grado è?", "È maschile o femminile?",
                       "È singolare o plurale?"}
        << QStringList{"Qualificativo", "Superlativo", "Femminile", "Singolare"}
        << QStringList{"qualificativo", "qualificativo, grado superlativo", "Femminile", "Singolare"};
    QTest::newRow("exclamative adjective, no degree, no gender")
        << 3 << Features{.number = Number::Plurale, .adjectiveKind = AdjectiveKind::Esclamativo}
        << QStringList{"Che tipo di aggettivo è?", "È singolare o plurale?"} << QStringList{"Esclamativo", "Plurale"}
        << QStringList{"esclamativo", "Plurale"};
    QTest::newRow("personal pronoun")
        << 4
        << Features{.number = Number::Plurale, .pronounKind = PronounKind::Personale, .pronounPerson = Person::Seconda}
        << QStringList{"Che tipo di pronome è?", "A quale persona è?", "È singolare o plurale?"}
        << QStringList{"Personale", "Seconda persona", "Plurale"}
        << QStringList{"personale", "personale, 2ª persona", "Plurale"};
    QTest::newRow("relative pronoun, nothing more")
        << 4 << Features{.pronounKind = PronounKind::Relativo} << QStringList{"Che tipo di pronome è?"}
        << QStringList{"Relativo"} << QStringList{"relativo"};
    QTest::newRow("adverb, the last of eight")
        << 6 << Features{.adverbKind = AdverbKind::Interrogativo} << QStringList{"Che tipo di avverbio è?"}
        << QStringList{"Interrogativo"} << QStringList{"interrogativo"};
    QTest::newRow("prepositional phrase")
        << 7 << Features{.prepositionKind = PrepositionKind::Locuzione} << QStringList{"Che tipo di preposizione è?"}
        << QStringList{"Locuzione"} << QStringList{"locuzione prepositiva"};
    QTest::newRow("conjunction") << 8 << Features{.conjunctionKind = ConjunctionKind::Subordinante}
                                 << QStringList{"Che tipo di congiunzione è?"} << QStringList{"Subordinante"}
                                 << QStringList{"subordinante"};
    QTest::newRow("exclamation") << 9 << Features{.exclamationKind = ExclamationKind::Impropria}
                                 << QStringList{"Che tipo di esclamazione è?"} << QStringList{"Impropria"}
                                 << QStringList{"impropria"};
}

void KindAnalysisTest::walkOfEachKind()
{
    QFETCH(int, code);
    QFETCH(Features, features);
    QFETCH(QStringList, prompts);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, path);
    KindDrill d(code, features);
    FormB &f = *d.form;
    QCOMPARE(d.state.answerCount, 2);

    int label = 3;
    for (int i = 0; i < prompts.size(); ++i) {
        QVERIFY2(f.Domanda->isVisible(), qPrintable(prompts[i]));
        QCOMPARE(f.Domanda->caption(), prompts[i]);
        for (int k = 1; k <= 9; ++k)
            QVERIFY(f.Com[k]->isHidden());
        const QStringList offered = d.offered();
        QVERIFY2(offered.contains(answers[i]), qPrintable(offered.join(", ")));
        // Read aloud: the question and its choices.
        const QString read = f.readingAids()->textToRead();
        QVERIFY2(read.contains(prompts[i]) && read.contains(offered.first(), Qt::CaseInsensitive),
                 qPrintable(read));
        d.player.played.clear();
        QTest::keyClick(&f, keyFor(answers[i], offered));
        QVERIFY(d.player.names().first().startsWith("esatto"));
        // A degree or a person joins its kind's label; the rest take the next.
        if (i > 0 && !path[i].startsWith(path[i - 1]))
            ++label;
        QCOMPARE(f.display[label]->caption(), path[i]);
        QVERIFY(f.display[label]->isVisible());
    }
    QVERIFY(f.Domanda->isHidden());
    QCOMPARE(d.word(), 2);
    QCOMPARE(d.state.answerCount, 2 + int(prompts.size()));
    QCOMPARE(d.state.errorCount, 0);
    for (int k = label + 1; k <= 6; ++k)
        QVERIFY(f.display[k]->isHidden());
}

void KindAnalysisTest::wrongKindIsFiledAndKept_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<Features>("features");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("row");     // its name in the error report
    QTest::addColumn<QString>("stored");  // the question's name in the history

    QTest::newRow("article") << 1 << Features{.kind = ArticleKind::Determinativo} << 12 << "Tipo di articolo"
                             << "tipo";
    QTest::newRow("noun") << 2 << Features{.nounKind = NounKind::Comune} << 24 << "Tipo di nome"
                          << "tipo di nome";
    QTest::newRow("adjective") << 3 << Features{.adjectiveKind = AdjectiveKind::Possessivo} << 25 << "Tipo di aggettivo"
                               << "tipo di aggettivo";
    QTest::newRow("degree") << 3 << Features{.degree = Degree::Comparativo} << 26 << "Grado dell'aggettivo"
                            << "grado";
    QTest::newRow("pronoun") << 4 << Features{.pronounKind = PronounKind::Dimostrativo} << 27 << "Tipo di pronome"
                             << "tipo di pronome";
    QTest::newRow("pronoun's person") << 4 << Features{.pronounPerson = Person::Prima} << 28 << "Persona del pronome"
                                      << "persona del pronome";
    QTest::newRow("adverb") << 6 << Features{.adverbKind = AdverbKind::Tempo} << 29 << "Tipo di avverbio"
                            << "tipo di avverbio";
    QTest::newRow("preposition") << 7 << Features{.prepositionKind = PrepositionKind::Semplice} << 30
                                 << "Tipo di preposizione"
                                 << "tipo di preposizione";
    QTest::newRow("conjunction") << 8 << Features{.conjunctionKind = ConjunctionKind::Coordinante} << 31
                                 << "Tipo di congiunzione"
                                 << "tipo di congiunzione";
    QTest::newRow("exclamation") << 9 << Features{.exclamationKind = ExclamationKind::Propria} << 32
                                 << "Tipo di esclamazione"
                                 << "tipo di esclamazione";
}

void KindAnalysisTest::wrongKindIsFiledAndKept()
{
    QFETCH(int, code);
    QFETCH(Features, features);
    QFETCH(int, category);
    QFETCH(QString, row);
    QFETCH(QString, stored);
    KindDrill d(code, features);
    FormB &f = *d.form;
    QVERIFY(f.Domanda->isVisible());
    const QStringList offered = d.offered();
    QVERIFY(offered.size() >= 2);

    // The last choice is wrong for every row here (the right one comes first
    // or second): twice, and the question stays open.
    QTest::keyClick(&f, Qt::Key(Qt::Key_0 + offered.size()));
    QTest::keyClick(&f, Qt::Key(Qt::Key_0 + offered.size()));
    QCOMPARE(d.player.names().filter("sbagliato1").size(), 2);
    QCOMPARE(d.state.errorTally[category].value(), 2);
    QCOMPARE(d.state.errorCount, 2);
    QCOMPARE(d.state.answerCount, 4);
    QCOMPARE(d.offered(), offered);
    QCOMPARE(d.word(), 1);

    QCOMPARE(d.kept.answers.size(), std::size_t(4));
    const history::AnswerEvent &wrong = d.kept.answers.back();
    QCOMPARE(QString::fromUtf8(history::questionName(wrong.question)), stored);
    QVERIFY(!wrong.right);
    QCOMPARE(wrong.errorCategory, category);
    QCOMPARE(wrong.pressed, int(offered.size()));

    QVERIFY(d.press(f.Command8));
    FRM_ERRORI *report = f.errorReport();
    QCOMPARE(report->Lberrori[category]->caption(), row);
    QCOMPARE(report->RR[category]->caption(), QStringLiteral("2"));
    QVERIFY(report->Lberrori[category]->isVisible());
}

void KindAnalysisTest::modeOffAsksNoKind()
{
    KindDrill d(6, Features{.adverbKind = AdverbKind::Modo}, false);
    QVERIFY(d.form->Domanda->isHidden());
    QCOMPARE(d.word(), 2);
    QCOMPARE(d.state.answerCount, 2);
}

void KindAnalysisTest::reportHoldsEveryRowAndFits()
{
    KindDrill d(6, Features{.adverbKind = AdverbKind::Modo});
    QVERIFY(d.press(d.form->Command8));
    FRM_ERRORI *report = d.form->errorReport();
    QVERIFY(QTest::qWaitForWindowExposed(report));
    std::vector<QWidget *> shown;
    for (int k = 1; k <= 32; ++k)
        if (report->Lberrori[k] && report->Lberrori[k]->isVisible())
            shown.insert(shown.end(), {report->RR[k], report->Lberrori[k]});
    shown.push_back(report->Titolo_tipi);
    QCOMPARE(shown.size(), std::size_t(2 * (11 + 19) + 1));  // the first step's, the parts', the further rows
    for (QWidget *w : shown) {
        QVERIFY2(report->rect().contains(w->geometry()), qPrintable(w->objectName()));
        for (QPushButton *b : {report->Command1, report->Command2})
            QVERIFY2(w->geometry().bottom() < b->y(), qPrintable(w->objectName()));
        for (QWidget *other : shown)
            if (other != w && !other->geometry().intersected(w->geometry()).isEmpty())
                QFAIL(qPrintable(w->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
    }
    // The offscreen screen, 800x600, is smaller than the smallest a school has.
    QVERIFY(report->screen()->availableGeometry().contains(report->frameGeometry()));
}

void KindAnalysisTest::keywordsNameTheRows_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("tipo: every kind") << "tipo" << QList<int>{0, 10, 11, 13, 15, 16, 17, 18};
    QTest::newRow("grado") << "grado" << QList<int>{kDegreeQuestion};
    QTest::newRow("persona: verb and pronoun") << "persona" << QList<int>{6, kPronounPersonQuestion};
    QTest::newRow("numero: both numbers") << "numero" << QList<int>{2, 7};
}

void KindAnalysisTest::keywordsNameTheRows()
{
    QFETCH(QString, word);
    QFETCH(QList<int>, rows);
    QuestionSet expected = 0;
    for (int q : rows)
        expected |= QuestionSet{1} << q;
    QCOMPARE(questionsNamed(word.toStdString()), expected);
    QVERIFY(QString::fromStdString(questionKeywords()).contains(word));
}

void KindAnalysisTest::shareOfTheProgressChart_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("share");
    QTest::newRow("article's kind") << "tipo" << 9;
    QTest::newRow("noun's kind") << "tipo di nome" << 13;
    QTest::newRow("degree") << "grado" << 13;
    QTest::newRow("pronoun's person") << "persona del pronome" << 13;
    QTest::newRow("verb's person") << "persona" << 12;
    QTest::newRow("transitivity") << QString::fromUtf8(history::questionName(history::Question::Transitivity)) << 12;
    // Written as Latin-1 before: those rows count as well.
    QTest::newRow("transitivity, old spelling") << QString::fromLatin1("transitivit\xc3\xa0") << 12;
}

void KindAnalysisTest::shareOfTheProgressChart()
{
    QFETCH(QString, question);
    QFETCH(int, share);
    QCOMPARE(history::shareCategory(question, 0), share);
}

// The names leave the program as UTF-8, so that the progress chart finds them.
void KindAnalysisTest::questionNamesAreStoredAsWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("storico.sqlite");
    FakeWallClock clock;
    QStringList told;
    {
        history::SqliteHistory h(path, QString(), clock, [&](const QString &m) { told << m; });
        for (history::Question q : {history::Question::Transitivity, history::Question::PronounPerson}) {
            history::AnswerEvent a;
            a.unitText = "lo";
            a.question = q;
            a.pressed = a.expected = 1;
            a.right = true;
            clock.ms += 1000;
            h.answerGiven(a);
        }
    }
    QVERIFY(told.isEmpty());
    HistoryFile file(path);
    QCOMPARE(file.column("SELECT question FROM answers ORDER BY seq"),
             (QVariantList{QString::fromUtf8("transitività"), QStringLiteral("persona del pronome")}));
}

QTEST_MAIN(KindAnalysisTest)
#include "test_kind_analysis.moc"
