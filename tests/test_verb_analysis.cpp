// The verb's complete analysis: the key's verb values, the collection
// format's verb words and `@domande`, and the drill asking a verb's
// questions on the real exercise window (order, skipping, the path on the
// right, counting, filing, the keys 1..9, the error report's rows).

#include <QScreen>
#include <QtTest>

#include <map>

#include "drill_fixture.h"
#include "engine/collection_bank.h"
#include "engine/collection_format.h"
#include "engine/further_questions.h"
#include "windows/error_report_window.h"

namespace c = engine::collection;
using engine::Features;

Q_DECLARE_METATYPE(std::string)

namespace {

bool pressable(QAbstractButton *b)
{
    if (!b->isVisible() || !b->isEnabled())
        return false;
    QWidget *top = b->window();
    return top->childAt(b->mapTo(top, b->rect().center())) == b;
}

// The question on offer, as the window shows it: its row, or -1.
int openQuestion(const engine::FormB &f)
{
    if (!f.Domanda->isVisible())
        return -1;
    for (int q = 0; q < engine::kFurtherQuestionCount; ++q)
        if (f.Domanda->caption() == QString::fromUtf8(engine::kFurtherQuestions[q].prompt)
            && f.furtherButtons(q).front()->isVisible())
            return q;
    return -1;
}

// A drill in the complete analysis where only `position` of `sentence` keeps
// its key, so that every other word goes by at its part of speech.
struct VerbDrill : Drill {
    int sentence, position;
    VerbDrill(int s, int p, c::SourceReader collections = {}) : Drill(0, std::move(collections)), sentence(s), position(p)
    {
        state.seriesLength = 1000;  // no results window in the way of the counts
        const Features kept = state.bank.features(s, p);
        for (int w = 1; w <= engine::SentenceBank::kLastPosition; ++w)
            state.bank.setFeatures(s, w, w == p ? kept : Features{});
    }
    bool switchMode()
    {
        if (!pressable(form->AnalisiCompleta))
            return false;
        QTest::mouseClick(form->AnalisiCompleta, Qt::LeftButton);
        return true;
    }
    // Switched on, sentence drawn, the words before the verb classified and
    // the verb's part of speech answered.
    bool reachVerb()
    {
        if (!switchMode() || !via(sentence))
            return false;
        for (int w = 1; w < position; ++w)
            if (!answerWord())
                return false;
        return answerWord();
    }
    int rightChoice(int q) const
    {
        return engine::kFurtherQuestions[q].rightChoice(state.bank.features(sentence, position));
    }
    // Answers the open question right; the row answered, or -1.
    int answerRight()
    {
        const int q = openQuestion(*form);
        return q >= 0 && press(form->furtherButtons(q)[rightChoice(q) - 1]) ? q : -1;
    }
};

QStringList keywordsOf(const std::vector<int> &rows)
{
    QStringList out;
    for (int q : rows)
        out << QString::fromUtf8(engine::kFurtherQuestions[q].keyword);
    return out;
}

}  // namespace

class VerbAnalysisTest : public QObject {
    Q_OBJECT
private slots:
    void verbWordsReadAndWriteCanonically_data();
    void verbWordsReadAndWriteCanonically();
    void badVerbWords_data();
    void badVerbWords();
    void questionsLinesRestrictTheirFile();
    void keyGivesEveryVerbItsAnalysis();
    void aVerbIsAnalysedToTheEnd_data();
    void aVerbIsAnalysedToTheEnd();
    void wrongChoicesAreFiledAndCounted();
    void questionsLineRestrictsTheDrill();
    void reportShowsTheVerbRowsAndFits();
};

void VerbAnalysisTest::verbWordsReadAndWriteCanonically_data()
{
    QTest::addColumn<std::string>("line");
    QTest::addColumn<std::string>("canonical");
    QTest::newRow("canonical") << std::string("ha preparato = verbo preparare ind passato-prossimo 3 s att tr")
                               << std::string("ha preparato = verbo preparare ind passato-prossimo 3 s att tr");
    QTest::newRow("any order, abbreviations, capitals, dots")
        << std::string("x = v. tr 3 IND. att s pass-pross Preparare.")
        << std::string("x = verbo preparare ind passato-prossimo 3 s att tr");
    QTest::newRow("reflexive, full words")
        << std::string("si arrabbiò = verbo riflessiva indicativo passato-remoto arrabbiarsi terza singolare")
        << std::string("si arrabbiò = verbo arrabbiarsi ind passato-remoto 3 s rifl");
    QTest::newRow("infinitive without person")
        << std::string("parlare = 5 infinito presente parlare intransitivo attiva")
        << std::string("parlare = verbo parlare inf presente att intr");
    QTest::newRow("cong is the subjunctive after verbo")
        << std::string("sia = verbo cong pres 3 s essere") << std::string("sia = verbo essere cong presente 3 s");
    QTest::newRow("passive past of the subjunctive")
        << std::string("fosse stato visto = verbo vedere cong trap 3 s pass")
        << std::string("fosse stato visto = verbo vedere cong trapassato 3 s pass");
    QTest::newRow("imperative, -rre infinitive")
        << std::string("traducete = verbo imper presente 2 p tradurre tr")
        << std::string("traducete = verbo tradurre imper presente 2 p tr");
    QTest::newRow("number alone") << std::string("corre = verbo s") << std::string("corre = verbo s");
    QTest::newRow("no values") << std::string("corre = verbo") << std::string("corre = verbo");
}

void VerbAnalysisTest::verbWordsReadAndWriteCanonically()
{
    QFETCH(std::string, line);
    QFETCH(std::string, canonical);
    const c::Line read = c::parseLine(line, 1);
    QVERIFY2(read.kind == c::Line::Kind::Sentence, read.problem.text.c_str());
    QCOMPARE(c::writeLine(read.units), canonical);
    const c::Line again = c::parseLine(canonical, 1);
    QVERIFY(again.kind == c::Line::Kind::Sentence);
    QVERIFY(again.units == read.units);
    QVERIFY(c::checkUnits(read.units).empty());
}

void VerbAnalysisTest::badVerbWords_data()
{
    QTest::addColumn<std::string>("line");
    QTest::addColumn<std::string>("atWord");  // the message's column is this word's
    QTest::addColumn<std::string>("message");
    QTest::newRow("tense without mood") << std::string("x = verbo presente") << std::string("presente")
                                        << std::string("«presente»: il tempo si indica insieme al modo (per esempio "
                                                       "«ind presente»)");
    QTest::newRow("tense of another mood") << std::string("x = verbo cond imperfetto") << std::string("imperfetto")
                                           << std::string("«imperfetto» non è un tempo del modo «cond»");
    QTest::newRow("the imperative's one tense") << std::string("x = verbo passato imper") << std::string("passato")
                                                << std::string("«passato» non è un tempo del modo «imper»");
    QTest::newRow("person of an infinitive") << std::string("x = verbo inf presente 3") << std::string("3")
                                             << std::string("«3»: persona e numero si indicano solo per i modi "
                                                            "indicativo, congiuntivo, condizionale e imperativo");
    QTest::newRow("number of a gerund") << std::string("x = verbo p ger") << std::string("p")
                                        << std::string("«p»: persona e numero si indicano solo per i modi "
                                                       "indicativo, congiuntivo, condizionale e imperativo");
    QTest::newRow("unknown verb word") << std::string("x = verbo ind prox") << std::string("prox")
                                       << "«prox»" + std::string(
                                              " non è una caratteristica del verbo (l'infinito, come «preparare»; "
                                              "il modo: ind, cong, cond, imper, inf, part, ger; il tempo, come "
                                              "«presente» o «passato-prossimo»; la persona: 1, 2, 3; il numero: s, "
                                              "p; la forma: att, pass, rifl; tr o intr)");
    QTest::newRow("two infinitives") << std::string("x = verbo andare venire") << std::string("venire")
                                     << std::string("«venire» contraddice «andare»");
    QTest::newRow("mood twice") << std::string("x = verbo ind indicativo") << std::string("indicativo")
                                << std::string("«indicativo» ripete il modo");
    QTest::newRow("two persons") << std::string("x = verbo ind 1 2") << std::string("2")
                                 << std::string("«2» contraddice «1»");
    QTest::newRow("mood on a noun") << std::string("cane = nome ind") << std::string("ind")
                                    << std::string("«ind»: modo, tempo, persona, forma e transitività si indicano "
                                                   "solo per il verbo");
    QTest::newRow("second part of speech after verbo") << std::string("x = verbo avv") << std::string("avv")
                                                       << std::string("una sola parte del discorso per parte: «avv» "
                                                                      "è di troppo");
    QTest::newRow("unknown question") << std::string("@domande modo verbi") << std::string("verbi")
                                      << std::string("«verbi» non è una domanda (tipo, genere, numero, "
                                                     "coniugazione, modo, tempo, persona, forma, transitività, grado)");
    QTest::newRow("no question") << std::string("  @domande") << std::string("@domande")
                                 << std::string("«@domande» senza domande: scrivi quali chiedere (tipo, genere, "
                                                "numero, coniugazione, modo, tempo, persona, forma, transitività, grado)");
}

void VerbAnalysisTest::badVerbWords()
{
    QFETCH(std::string, line);
    QFETCH(std::string, atWord);
    QFETCH(std::string, message);
    const c::Line read = c::parseLine(line, 4);
    QVERIFY(read.kind == c::Line::Kind::Invalid);
    QCOMPARE(read.problem.text, message);
    QCOMPARE(read.problem.line, 4);
    QCOMPARE(read.problem.column, int(line.rfind(atWord)) + 1);
    QCOMPARE(read.raw, line);
}

void VerbAnalysisTest::questionsLinesRestrictTheirFile()
{
    const auto bit = [](int q) { return engine::QuestionSet{1} << q; };
    const c::File restricted = c::parseFile("@domande modo tempo\nè = verbo essere ind presente 3 s\n@DOMANDE numero\n");
    QCOMPARE(restricted.questions, bit(4) | bit(5) | bit(2) | bit(7));  // "numero" names both numbers
    QVERIFY(restricted.messages.empty());
    QCOMPARE(c::parseFile("è = verbo\n").questions, engine::kAllQuestions);
    QCOMPARE(c::parseFile("@domande transitivita\nè = verbo\n").questions, bit(9));

    // Only the file's own sentences are restricted.
    engine::SentenceBank bank;
    const c::Loaded loaded = c::fillBank(
        bank, c::Sources{{{"a.txt", "@domande persona\nè = verbo essere ind presente 3 s\n"},
                          {"b.txt", "fu = verbo essere ind passato-remoto 3 s\n"}},
                         {}});
    QCOMPARE(loaded.lastSentence, 34);
    QCOMPARE(bank.questions(33), bit(6) | bit(14));  // "persona" names the personal pronoun's too
    QCOMPARE(bank.questions(34), engine::kAllQuestions);
    QCOMPARE(bank.questions(0), engine::kAllQuestions);
}

void VerbAnalysisTest::keyGivesEveryVerbItsAnalysis()
{
    engine::SentenceBank bank;
    bank.fill();
    int verbs = 0, finite = 0, compound = 0;
    std::map<engine::VerbForm, int> forms;
    std::map<engine::Transitivity, int> transitivities;
    for (int s = 0; s <= 32; ++s)
        for (int p = 1; p <= bank.wordCount(s); ++p) {
            const Features f = bank.features(s, p);
            const QByteArray where = QByteArray::number(s) + "." + QByteArray::number(p) + " "
                                     + QByteArray::fromStdString(bank.word(s, p));
            if (bank.code(s, p).value() != 5) {
                QVERIFY2(!f.hasVerbValues(), where);
                continue;
            }
            ++verbs;
            QVERIFY2(engine::featuresFit(5, f), where);
            QVERIFY2(engine::conjugationOf(f.lemma) != engine::Conjugation::Unset, where);
            QVERIFY2(f.mood != engine::Mood::Unset && f.tense != engine::Tense::Unset, where);
            QVERIFY2(f.form != engine::VerbForm::Unset, where);
            QVERIFY2(engine::isFinite(f.mood) == (f.person != engine::Person::Unset), where);
            QVERIFY2(engine::isFinite(f.mood) == (f.verbNumber != engine::Number::Unset), where);
            compound += f.tense == engine::Tense::PassatoProssimo || f.tense == engine::Tense::TrapassatoProssimo
                        || f.tense == engine::Tense::TrapassatoRemoto
                        || (f.tense == engine::Tense::Passato && f.mood == engine::Mood::Congiuntivo);
            finite += engine::isFinite(f.mood);
            ++forms[f.form];
            ++transitivities[f.transitivity];
        }
    QCOMPARE(verbs, 130);
    QCOMPARE(finite, 104);
    QCOMPARE(compound, 37);
    QCOMPARE(forms[engine::VerbForm::Riflessiva], 15);
    QCOMPARE(forms[engine::VerbForm::Passiva], 4);
    QCOMPARE(transitivities[engine::Transitivity::Unset], 22);
}

void VerbAnalysisTest::aVerbIsAnalysedToTheEnd_data()
{
    QTest::addColumn<int>("sentence");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("asked");  // the rows' @domande words, in order
    QTest::addColumn<QStringList>("path");   // display(3..)
    const QStringList all{"coniugazione", "modo", "tempo", "persona", "numero", "forma", "transitività"};
    QTest::newRow("simple: Era") << 0 << 1 << all
                                 << QStringList{"essere, coniugazione propria", "indicativo imperfetto",
                                                "3ª persona singolare", "forma attiva, intransitivo"};
    QTest::newRow("compound: abbiamo preparato")
        << 3 << 6 << all
        << QStringList{"preparare, 1ª coniugazione", "indicativo passato prossimo", "1ª persona plurale",
                       "forma attiva, transitivo"};
    QTest::newRow("passive: era accusato")
        << 11 << 6 << all
        << QStringList{"accusare, 1ª coniugazione", "indicativo imperfetto", "3ª persona singolare",
                       "forma passiva, transitivo"};
    QTest::newRow("reflexive: si arrabbiò, no transitivity")
        << 6 << 16 << QStringList{"coniugazione", "modo", "tempo", "persona", "numero", "forma"}
        << QStringList{"arrabbiarsi, 1ª coniugazione", "indicativo passato remoto", "3ª persona singolare",
                       "forma riflessiva"};
    QTest::newRow("modal + infinitive: potrebbe cadere")
        << 9 << 21 << all
        << QStringList{"cadere, 2ª coniugazione", "condizionale presente", "3ª persona singolare",
                       "forma attiva, intransitivo"};
    QTest::newRow("infinitive: no person, no number")
        << 0 << 9 << QStringList{"coniugazione", "modo", "tempo", "forma", "transitività"}
        << QStringList{"parlare, 1ª coniugazione", "infinito presente", "forma attiva, intransitivo"};
    QTest::newRow("gerund") << 9 << 18 << QStringList{"coniugazione", "modo", "tempo", "forma", "transitività"}
                            << QStringList{"essere, coniugazione propria", "gerundio presente",
                                           "forma attiva, intransitivo"};
    QTest::newRow("imperative: its one tense is not asked")
        << 25 << 3 << QStringList{"coniugazione", "modo", "persona", "numero", "forma"}
        << QStringList{"scoraggiarsi, 1ª coniugazione", "imperativo", "2ª persona plurale", "forma riflessiva"};
    QTest::newRow("transitive verb used without object")
        << 10 << 9 << QStringList{"coniugazione", "modo", "tempo", "persona", "numero", "forma"}
        << QStringList{"studiare, 1ª coniugazione", "indicativo presente", "3ª persona singolare",
                       "forma attiva"};
}

void VerbAnalysisTest::aVerbIsAnalysedToTheEnd()
{
    QFETCH(int, sentence);
    QFETCH(int, position);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, path);
    VerbDrill d(sentence, position);
    auto &f = *d.form;
    QVERIFY(d.reachVerb());
    const int before = d.state.answerCount;
    std::vector<int> rows;
    d.player.played.clear();
    for (int guard = 0; guard < 10 && d.word() == position; ++guard) {
        const int q = d.answerRight();
        QVERIFY2(q >= 0, "no question on offer while the verb is on");
        rows.push_back(q);
        // Every right answer is on the path at once, nothing covers it.
        for (int i = 3; i <= 6; ++i)
            if (f.display[i]->isVisible())
                QCOMPARE(f.childAt(f.display[i]->geometry().center()), f.display[i]);
    }
    QCOMPARE(keywordsOf(rows), asked);
    QCOMPARE(d.word(), position + 1);
    QVERIFY(f.Domanda->isHidden());
    QCOMPARE(d.state.answerCount, before + int(asked.size()));
    QCOMPARE(d.state.errorCount, 0);
    QCOMPARE(d.player.names().filter(QRegularExpression(QStringLiteral("^esatto\\d?$"))).size(), asked.size());
    QStringList shown;
    for (int i = 3; i <= 6; ++i)
        if (f.display[i]->isVisible())
            shown << f.display[i]->caption();
    QCOMPARE(shown, path);
    for (int k = 1; k <= engine::kMaxChoices; ++k)
        QVERIFY(f.Scelta[k]->isHidden());
}

void VerbAnalysisTest::wrongChoicesAreFiledAndCounted()
{
    VerbDrill d(3, 6);  // abbiamo preparato
    auto &f = *d.form;
    QVERIFY(d.reachVerb());
    int answers = d.state.answerCount;
    int wrong = 0;
    while (d.word() == 6) {
        const int q = openQuestion(f);
        QVERIFY(q >= engine::kFirstVerbQuestion);
        // The choices sit in the places of the part-of-speech buttons.
        const int offered = int(engine::choicesOf(q, d.state.bank.features(3, 6)).size());
        for (int k = 1; k <= engine::kMaxChoices; ++k) {
            QCOMPARE(f.Scelta[k]->isVisible(), k <= offered);
            QCOMPARE(f.Scelta[k]->geometry(), f.Com[k]->geometry());
        }
        // A wrong key press: filed under the question's category, the question stays.
        const int right = d.rightChoice(q);
        const int other = right % offered + 1;
        QTest::keyClick(&f, Qt::Key(Qt::Key_0 + other));
        ++wrong;
        QCOMPARE(d.state.errorTally[engine::kFurtherQuestions[q].errorCategory].value(), 1);
        QCOMPARE(d.state.errorCount, wrong);
        QCOMPARE(d.state.answerCount, ++answers);
        QCOMPARE(openQuestion(f), q);
        QTest::keyClick(&f, Qt::Key(Qt::Key_0 + right));
        QCOMPARE(d.state.answerCount, ++answers);
    }
    QCOMPARE(wrong, 7);
    QCOMPARE(d.state.errorCount, 7);
    for (int k : {12, 13, 14})
        QVERIFY(d.state.errorTally[k].isEmpty());
}

void VerbAnalysisTest::questionsLineRestrictsTheDrill()
{
    const c::SourceReader only = [] {
        return c::Sources{{{"modo.txt", "@solo queste frasi\n@domande modo persona\n"
                                        "Io = pron s | ho preparato = verbo preparare ind passato-prossimo 1 s att tr\n"}},
                          {}};
    };
    VerbDrill d(0, 2, only);
    QCOMPARE(d.state.lastSentence, 0);
    auto &f = *d.form;
    QVERIFY(d.switchMode() && d.via(0));
    QVERIFY(d.answerWord());  // "Io": its number is not asked
    QCOMPARE(d.word(), 2);
    QVERIFY(d.answerWord());
    std::vector<int> rows;
    while (d.word() == 2) {
        const int q = d.answerRight();
        QVERIFY(q >= 0);
        rows.push_back(q);
    }
    QCOMPARE(keywordsOf(rows), (QStringList{"modo", "persona"}));
    QCOMPARE(f.display[3]->caption(), QStringLiteral("indicativo"));
    QCOMPARE(f.display[4]->caption(), QStringLiteral("1ª persona"));
}

void VerbAnalysisTest::reportShowsTheVerbRowsAndFits()
{
    VerbDrill d(3, 6);
    auto &f = *d.form;
    QVERIFY(d.press(f.Command8));
    FRM_ERRORI *report = f.errorReport();
    for (int k = 17; k <= 23; ++k)
        QVERIFY(report->Lberrori[k]->isHidden());
    QVERIFY(d.reachVerb());
    QTest::keyClick(&f, Qt::Key_2);  // "Seconda" for "preparare"
    QVERIFY(d.press(f.Command8));
    QStringList names;
    for (int k = 17; k <= 23; ++k) {
        QVERIFY(report->Lberrori[k]->isVisible() && report->RR[k]->isVisible());
        names << report->Lberrori[k]->caption();
        QVERIFY(report->rect().contains(report->Lberrori[k]->geometry()));
    }
    QCOMPARE(names, (QStringList{"Coniugazione", "Modo del verbo", "Tempo del verbo", "Persona del verbo",
                                 "Numero del verbo", "Forma del verbo", "Transitivo o intransitivo"}));
    QCOMPARE(report->RR[17]->caption(), QStringLiteral("1"));
    QVERIFY(report->screen()->availableGeometry().contains(report->frameGeometry()));
}

QTEST_MAIN(VerbAnalysisTest)
#include "test_verb_analysis.moc"
