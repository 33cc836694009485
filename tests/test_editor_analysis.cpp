// The sentence editor's analysis: the reader of the analyser's stream on
// good and broken input, the bridge's restart-once policy against fake
// analysers that crash, hang or print garbage, and the tag-to-unit rules on
// small sentences through the real analyser (skipped when not installed).

#include <QTemporaryDir>
#include <QtTest>

#include "editor/analyser.h"
#include "editor/propose_command.h"
#include "editor/sentence_proposer.h"
#include "editor/unit_rules.h"
#include "proposal_brief.h"
#include "editor/word_lexicon.h"

using namespace editor;

namespace {

std::vector<PipelineStage> shell(const QString &script)
{
    return {{QStringLiteral("bash"), {QStringLiteral("-c"), script}}};
}

}  // namespace

class TestEditorAnalysis : public QObject {
    Q_OBJECT

private slots:
    void streamReadsWords()
    {
        const StreamResult r = parseStream("^Il/il<det><def><m><sg>$ ^sull'/su<pr>+/il<det><def><mf><sg>$"
                                           "^,/,<cm>$ ^mostrarci/mostrare<vblex><inf>+ci<prn><enc>$ "
                                           "^smorfia/*smorfia$ ^a\\/b/a\\/b<n>$ ^ora/ora<n><f><sg>/ora<adv>$\n");
        QVERIFY2(r.error.empty(), r.error.c_str());
        QCOMPARE(r.tokens.size(), std::size_t(7));
        QCOMPARE(r.tokens[0].parts.front().lemma, std::string("il"));
        QVERIFY(r.tokens[0].has("def"));
        QCOMPARE(r.tokens[1].parts.size(), std::size_t(2));  // the tagger's "+/" is a join
        QCOMPARE(r.tokens[2].surface, std::string(","));
        QCOMPARE(r.tokens[3].parts.size(), std::size_t(2));
        QVERIFY(r.tokens[4].unknown);
        QCOMPARE(r.tokens[4].surface, std::string("smorfia"));
        QCOMPARE(r.tokens[5].surface, std::string("a/b"));  // escaped separator
        QCOMPARE(r.tokens[6].alternatives.size(), std::size_t(1));
    }

    void streamRejectsGarbage_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::newRow("unclosed word") << QByteArray("^casa/casa<n>");
        QTest::newRow("nested word") << QByteArray("^ca^sa/casa<n>$");
        QTest::newRow("no analysis") << QByteArray("^casa$");
        QTest::newRow("empty analysis") << QByteArray("^casa/$");
        QTest::newRow("unclosed tag") << QByteArray("^casa/casa<n$");
        QTest::newRow("text after tags") << QByteArray("^casa/casa<n>xx$");
        QTest::newRow("stray end") << QByteArray("casa$ ");
        QTest::newRow("unclosed superblank") << QByteArray("[casa ^a/a<pr>$");
        QTest::newRow("huge word") << QByteArray("^") + QByteArray(10000, 'a') + "/a<n>$";
    }
    void streamRejectsGarbage()
    {
        QFETCH(QByteArray, stream);
        const StreamResult r = parseStream(std::string_view(stream.constData(), std::size_t(stream.size())));
        QVERIFY(!r.error.empty());
    }

    void escapesReservedCharacters()
    {
        const std::string e = escapeForAnalyser("a[b]^c$/d\\e@f<g>{h}");
        const StreamResult r = parseStream(e);  // read back as blank text: nothing taken for a word
        QVERIFY(r.error.empty());
        QVERIFY(r.tokens.empty());
        QCOMPARE(r.trailingBlank, std::string("a[b]^c$/d\\e@f<g>{h}"));
    }

    void badAnalyserGivesUpAfterOneRestart_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("timeoutMs");  // short only where the wait is the point
        QTest::addColumn<QString>("said");
        QTest::newRow("crash") << QStringLiteral("exit 3") << 10000 << QStringLiteral("interrotto");
        QTest::newRow("hang") << QStringLiteral("cat > /dev/null") << 300 << QStringLiteral("non ha risposto");
        QTest::newRow("garbage") << QStringLiteral("while read -r x; do printf '^rotto\\0'; done") << 10000
                                 << QStringLiteral("illeggibile");
        QTest::newRow("endless output") << QStringLiteral("while read -r x; do yes ^a/a\\<n\\>\\$; done") << 10000
                                        << QStringLiteral("troppo lungo");
    }
    void badAnalyserGivesUpAfterOneRestart()
    {
        QFETCH(QString, script);
        QFETCH(int, timeoutMs);
        QFETCH(QString, said);
        Analyser a(shell(script), timeoutMs);
        QVERIFY(!a.analyse(QStringLiteral("Il cane corre.")).has_value());
        QCOMPARE(a.restarts(), 1);
        QVERIFY(!a.usable());
        QVERIFY2(a.status().contains(said), qPrintable(a.status()));
        QVERIFY(a.status().contains(QStringLiteral("senza proposte")));
        QVERIFY(!a.analyse(QStringLiteral("Ancora.")).has_value());  // no further attempts
        QCOMPARE(a.restarts(), 1);
    }

    void missingProgramIsNamed()
    {
        Analyser a({{QStringLiteral("/nonexistent/lt-proc"), {}}}, 300);
        QVERIFY(!a.analyse(QStringLiteral("Ciao.")).has_value());
        QVERIFY2(a.status().contains(QStringLiteral("lt-proc")), qPrintable(a.status()));
    }

    void restartRecovers()
    {
        // Fails on its first start, then answers every NUL-ended text with
        // an empty analysis.
        QTemporaryDir dir;
        const QString flag = dir.filePath(QStringLiteral("started"));
        Analyser a(shell(QStringLiteral("if [ -e '%1' ]; then while read -r -d '' x; do printf '\\0'; done; else touch '%1'; exit 1; fi")
                             .arg(flag)),
                   2000);
        const auto tokens = a.analyse(QStringLiteral("Il cane."));
        QVERIFY(tokens.has_value());
        QVERIFY(a.usable());
        QCOMPARE(a.restarts(), 1);
        QVERIFY(a.status().contains(QStringLiteral("riavviato")));
        QVERIFY(a.analyse(QStringLiteral("Il gatto.")).has_value());  // the same pipeline, still up
        QCOMPARE(a.restarts(), 1);
    }

    void cleansPastedText_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("clean");
        QTest::newRow("curly apostrophe") << QStringLiteral("L\u2019uomo") << QStringLiteral("L'uomo");
        QTest::newRow("nbsp and tabs") << QStringLiteral("Il\u00A0cane\t\tcorre ") << QStringLiteral("Il cane corre");
        QTest::newRow("soft hyphen") << QStringLiteral("bel\u00ADlis\u00ADsimo") << QStringLiteral("bellissimo");
        QTest::newRow("separators") << QStringLiteral("a | b = c") << QStringLiteral("a / b - c");
        QTest::newRow("emoji kept") << QStringLiteral("Ciao \U0001F600!") << QStringLiteral("Ciao \U0001F600!");
        QTest::newRow("control") << QStringLiteral("a\u0007b") << QStringLiteral("a b");
    }
    void cleansPastedText()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, clean);
        QCOMPARE(QString::fromStdString(cleanSentence(pasted.toStdString())), clean);
    }

    void guessesWithoutAnalyser()
    {
        // Every word a guess, marked for the teacher; the elision and the
        // punctuation follow the same conventions.
        const auto units = proposeUnits(plainTokens("L'uomo, comperandola, è felice!"));
        QCOMPARE(brief(units), QStringLiteral("L'/1 uomo,/2 comperando-/5 la,/4 è/5 felice!/2"));
        for (const auto &u : units)
            if (u.unit.text != "L'" && u.unit.text != "è")
                QVERIFY2(u.toCheck, u.unit.text.c_str());
    }

    // The rules on analyses written out by hand, so that they hold with or
    // without the analyser installed.
    void rulesOnGivenAnalyses_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("units");
        QTest::newRow("own pronoun stays on the verb")
            << QByteArray("^Vorrei/volere<vbmod><cni><p1><sg>$ ^trattenermi/trattenere<vblex><inf>+mi<prn><enc><p1><mf><sg>$"
                          "^./.<sent>$")
            << QStringLiteral("Vorrei trattenermi./5");
        QTest::newRow("two pronouns split off")
            << QByteArray("^lui/lui<prn><tn><p3><m><sg>$ ^voleva/volere<vbmod><pii><p3><sg>$ "
                          "^prestarmela/prestare<vblex><inf>+mi<prn><enc><p1><mf><sg>+lo<prn><enc><p3><f><sg>$^,/,<cm>$")
            << QStringLiteral("lui/4 voleva prestar-/5 me-/4 la,/4");
        QTest::newRow("particle of another person stays apart")
            << QByteArray("^mia/mio<det><pos><f><sg>$ ^madre/madre<n><f><sg>$ ^mi/mi<prn><pro><p1><mf><sg>$ "
                          "^aspetta/aspettare<vblex><pri><p3><sg>$")
            << QStringLiteral("mia/3 madre/2 mi/4 aspetta/5");
        QTest::newRow("particle of the same person joins")
            << QByteArray("^non/non<adv>$ ^mi/mi<prn><pro><p1><mf><sg>$ ^aspettavo/aspettare<vblex><pii><p1><sg>$")
            << QStringLiteral("non/6 mi aspettavo/5");
        QTest::newRow("passive and phrasal verb")
            << QByteArray("^sono/essere<vbser><pri><p3><pl>$ ^stati/essere<vbser><pp><m><pl>$ ^premiati/premiare<vblex><pp><m><pl>$ "
                          "^e/e<cnjcoo>$ ^cercano di/cercare# di<vblex><pri><p3><pl>$ ^vincere/vincere<vblex><inf>$")
            << QStringLiteral("sono stati premiati/5 e/8 cercano di vincere/5");
        QTest::newRow("determiners before a noun and alone")
            << QByteArray("^molti/molto<det><ind><m><pl>$ ^anni/anno<n><m><pl>$ ^e/e<cnjcoo>$ ^nessuno/nessuno<prn><tn><m><sg>$ "
                          "^suona/suonare<vblex><pri><p3><sg>$ ^questa/questo<det><dem><f><sg>$^./.<sent>$")
            << QStringLiteral("molti/3 anni/2 e/8 nessuno/4 suona/5 questa./4");
        QTest::newRow("article and possessive written as one")
            << QByteArray("^i miei/il mio<det><pos><m><pl>$ ^amici/amico<n><m><pl>$ ^dei nostri/di<pr>+il nostro<prn><tn><pos><m><pl>$ "
                          "^vicini/vicino<adj><m><pl>/vicino<n><m><pl>$")
            << QStringLiteral("i/1 miei/3 amici/2 dei/7 nostri/3 vicini/2");
        QTest::newRow("che after a noun, after a verb, exclamative")
            << QByteArray("^Che/che<rel><an><mf><sp>$ ^bella/bello<adj><f><sg>$ ^casa/casa<n><f><sg>$^!/!<sent>$ ^Il/il<det><def><m><sg>$ "
                          "^libro/libro<n><m><sg>$ ^che/che<rel><an><mf><sp>$ ^leggo/leggere<vblex><pri><p1><sg>$ "
                          "^dice/dire<vblex><pri><p3><sg>$ ^che/che<rel><an><mf><sp>$ ^piove/piovere<vblex><pri><p3><sg>$")
            << QStringLiteral("Che/3 bella/3 casa!/2 Il/1 libro/2 che/4 leggo/5 dice/5 che/8 piove/5");
        QTest::newRow("ci of place, ci pronoun")
            << QByteArray("^vi/vi<prn><pro><p2><mf><pl>$ ^andrò/andare<vblex><fti><p1><sg>$ ^e/e<cnjcoo>$ "
                          "^ci/ci<prn><pro><adv>$ ^porterà/portare<vblex><fti><p3><sg>$")
            << QStringLiteral("vi/6 andrò/5 e/8 ci/4 porterà/5");
        QTest::newRow("school conjunctions and a two-word preposition")
            << QByteArray("^perciò/perciò<adv>$ ^restammo/restare<vblex><ifi><p1><pl>$ ^insieme/insieme<adv>$ "
                          "^con/con<pr>$ ^amici/amico<n><m><pl>$")
            << QStringLiteral("perciò/8 restammo/5 insieme con/7 amici/2");
        QTest::newRow("unknown words guessed")
            << QByteArray("^si/si<prn><pro><ref><p3><mf><sp>$ ^arrabbiò/*arrabbiò$ ^e/e<cnjcoo>$ "
                          "^comperandola/*comperandola$")
            << QStringLiteral("si arrabbiò/5 e/8 comperando-/5 la/4");
        QTest::newRow("quotes and emoji in the blanks")
            << QByteArray("«^Ciao/*Ciao$» \xF0\x9F\x98\x80 ^disse/dire<vblex><ifi><p3><sg>$")
            << QStringLiteral("«Ciao» \U0001F600/9 disse/5");
    }
    void rulesOnGivenAnalyses()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, units);
        const StreamResult r = parseStream(std::string_view(stream.constData(), std::size_t(stream.size())));
        QVERIFY2(r.error.empty(), r.error.c_str());
        QCOMPARE(brief(proposeUnits(r.tokens)), units);
    }

    void featuresFromTheTags()
    {
        const StreamResult r = parseStream("^L'/il<det><def><mf><sg>$^uomo/uomo<n><m><sg>$ ^una/un<det><ind><f><sg>$ "
                                           "^casa/casa<n><f><sg>$ ^che/che<rel><an><mf><sp>$");
        const auto units = proposeUnits(r.tokens);
        QCOMPARE(units.size(), std::size_t(5));
        using engine::ArticleKind, engine::Gender, engine::Number;
        // The elided article takes its noun's gender.
        QCOMPARE(units[0].unit.features, (engine::Features{ArticleKind::Determinativo, Gender::Maschile, Number::Singolare}));
        QCOMPARE(units[1].unit.features, (engine::Features{ArticleKind::Unset, Gender::Maschile, Number::Singolare}));
        QCOMPARE(units[2].unit.features, (engine::Features{ArticleKind::Indeterminativo, Gender::Femminile, Number::Singolare}));
        QVERIFY(units[4].unit.features.isEmpty());  // "che": neither gender nor number
    }

    void pipelineStaysUp()
    {
        if (!Analyser::missingPackages().isEmpty())
            QSKIP("analizzatore non installato");
        Analyser a;
        for (int i = 0; i < 50; ++i)
            QVERIFY(a.analyse(QStringLiteral("Il gatto numero %1 dorme.").arg(i)).has_value());
        QVERIFY(a.running());
        QCOMPARE(a.restarts(), 0);
        QVERIFY(a.status().isEmpty());
        // Reserved characters and an empty text do not upset it.
        QVERIFY(a.analyse(QStringLiteral("a[b]^c$/d\\e@f<g>{h}")).has_value());
        QVERIFY(a.analyse(QString()).has_value());
        QCOMPARE(a.restarts(), 0);
    }

    void proposeCommandKeepsLines()
    {
        SentenceProposer guesses(nullptr, nullptr);  // neither analyser nor lexicon: all guesses
        QString input = QStringLiteral("Piove.\n\n  \nIl\u00A0cane   dorme.\n"), output, notes;
        QTextStream in(&input), out(&output), err(&notes);
        QCOMPARE(runProposeCommand(guesses, in, out, err), 0);
        const QStringList lines = output.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);  // four lines and the final line end
        QVERIFY(lines[0].startsWith(QStringLiteral("Piove. = ")));
        QVERIFY(lines[1].isEmpty());
        QVERIFY(lines[2].isEmpty());
        QVERIFY(lines[3].startsWith(QStringLiteral("Il = art")));
        QVERIFY(notes.contains(QStringLiteral("riga 4: da controllare")));
        QVERIFY(!notes.contains(QStringLiteral("riga 2")));
    }

    void answersStayInStep()
    {
        // Line ends, NULs and reserved characters inside one sentence must
        // not leave a stray answer behind for the next one.
        if (!Analyser::missingPackages().isEmpty())
            QSKIP("analizzatore non installato");
        Analyser a;
        for (const QString &awkward : {QStringLiteral("Il cane.\nIl gatto.\r\nIl topo."),
                                       QStringLiteral("Uno\u0000due"), QStringLiteral("^a/b$ [c] \\0 @d"),
                                       QStringLiteral("\U0001F600 \u00AB\u00BB")}) {
            QVERIFY(a.analyse(awkward).has_value());
            const auto next = a.analyse(QStringLiteral("Piove."));
            QVERIFY(next.has_value());
            QVERIFY(!next->empty());
            QCOMPARE(next->front().surface, std::string("Piove"));
        }
        QCOMPARE(a.restarts(), 0);
    }

    void guessesFromEndings_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("code");
        QTest::newRow("adverb") << QStringLiteral("velocemente") << 6;
        QTest::newRow("gerund") << QStringLiteral("correndo") << 5;
        QTest::newRow("infinitive") << QStringLiteral("ubbidire") << 5;
        QTest::newRow("imperfect") << QStringLiteral("ubbidiva") << 5;
        QTest::newRow("past participle") << QStringLiteral("allagato") << 5;
        QTest::newRow("noun in -zione") << QStringLiteral("escursione") << 2;
        QTest::newRow("adjective in -oso") << QStringLiteral("noioso") << 3;
        QTest::newRow("plain noun") << QStringLiteral("cerbiatto") << 2;
    }
    void guessesFromEndings()
    {
        QFETCH(QString, word);
        QFETCH(int, code);
        QCOMPARE(guessFromEnding(word.toStdString(), false).code, code);
        // A capital inside a sentence is a name.
        QString name = word;
        name[0] = name[0].toUpper();
        QCOMPARE(guessFromEnding(name.toStdString(), false).code, 2);
    }

    void guessesPronounsOnVerbs_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("split");
        QTest::newRow("gerund") << QStringLiteral("comperandola") << QStringLiteral("comperando+la");
        QTest::newRow("two") << QStringLiteral("portandoglielo") << QStringLiteral("portando+glie+lo");
        QTest::newRow("infinitive") << QStringLiteral("vederci") << QStringLiteral("veder+ci");
        QTest::newRow("imperative") << QStringLiteral("scoraggiatevi") << QStringLiteral("scoraggiate+vi");
        QTest::newRow("plural noun") << QStringLiteral("risparmi") << QString();
        QTest::newRow("noun in -ne") << QStringLiteral("escursione") << QString();
        QTest::newRow("short") << QStringLiteral("dirle") << QString();
    }
    void guessesPronounsOnVerbs()
    {
        QFETCH(QString, word);
        QFETCH(QString, split);
        const EncliticSplit s = guessEnclitics(word.toStdString());
        QStringList parts;
        if (!s.verb.empty())
            parts << QString::fromStdString(s.verb);
        for (const auto &p : s.pronouns)
            parts << QString::fromStdString(p);
        QCOMPARE(parts.join(QLatin1Char('+')), split);
    }

    void plainWordsAndMarks()
    {
        QStringList surfaces;
        for (const Token &t : plainTokens("L'uomo, dell'altro: «sì»!"))
            surfaces << QString::fromStdString(t.surface);
        QCOMPARE(surfaces.join(QLatin1Char('|')), QStringLiteral("L'|uomo|,|dell'|altro|:|«sì»|!"));
    }

    void rulesThroughTheAnalyser_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("units");
        QTest::newRow("compound tense, possessive")
            << QStringLiteral("Il mio amico mi ha invitato.")
            << QStringLiteral("Il/1 mio/3 amico/2 mi/4 ha invitato./5");
        QTest::newRow("pronominal verbs")
            << QStringLiteral("Lui si arrabbiò e se ne andò.")
            << QStringLiteral("Lui/4 si arrabbiò/5 e/8 se ne andò./5");
        QTest::newRow("modal with infinitive")
            << QStringLiteral("Ora non posso leggere il giornale.")
            << QStringLiteral("Ora/6 non/6 posso leggere/5 il/1 giornale./2");
        QTest::newRow("enclitic pronoun split")
            << QStringLiteral("La professoressa è venuta per mostrarci i voti.")
            << QStringLiteral("La/1 professoressa/2 è venuta/5 per/7 mostrar-/5 ci/4 i/1 voti./2");
        QTest::newRow("articulated preposition, elision")
            << QStringLiteral("Sull'alta torre c'è una campana.")
            << QStringLiteral("Sull'/7 alta/3 torre/2 c'/6 è/5 una/1 campana./2");
        QTest::newRow("che relative and conjunction")
            << QStringLiteral("La festa che abbiamo preparato dice che siamo bravi.")
            << QStringLiteral("La/1 festa/2 che/4 abbiamo preparato/5 dice/5 che/8 siamo/5 bravi./3");
        QTest::newRow("ci of place, demonstrative pronoun")
            << QStringLiteral("Questa è casa mia: ci andiamo.")
            << QStringLiteral("Questa/4 è/5 casa/2 mia:/3 ci/6 andiamo./5");
        QTest::newRow("exclamation")
            << QStringLiteral("Per Bacco! Che bella giornata.")
            << QStringLiteral("Per Bacco!/9 Che/3 bella/3 giornata./2");
    }
    void rulesThroughTheAnalyser()
    {
        if (!Analyser::missingPackages().isEmpty())
            QSKIP(qPrintable(QStringLiteral("analizzatore non installato (mancano: %1)")
                                 .arg(Analyser::missingPackages().join(QStringLiteral(", ")))));
        QFETCH(QString, sentence);
        QFETCH(QString, units);
        static Analyser analyser;  // one pipeline for all rows, as in the editor
        const auto tokens = analyser.analyse(sentence);
        QVERIFY2(tokens.has_value(), qPrintable(analyser.status()));
        QCOMPARE(brief(proposeUnits(*tokens)), units);
    }

    // Without the analyser the note must fit the system: packages to install
    // on Debian, none on Windows, where it says the proposals are guesses.
    void missingAnalyserNoteFitsTheSystem_data()
    {
        QTest::addColumn<bool>("onWindows");
        QTest::addColumn<QStringList>("mustSay");
        QTest::addColumn<QStringList>("mustNotSay");
        QTest::newRow("debian") << false << QStringList{"installare", "apertium, cg3"}
                                << QStringList{"Windows"};
        QTest::newRow("windows") << true << QStringList{"Windows", "lessico", "elenchi di parole", "Controllarle"}
                                 << QStringList{"installare", "apertium", "cg3"};
    }
    void missingAnalyserNoteFitsTheSystem()
    {
        QFETCH(bool, onWindows);
        QFETCH(QStringList, mustSay);
        QFETCH(QStringList, mustNotSay);
        const QString note = missingAnalyserNote({"apertium", "cg3"}, onWindows);
        for (const QString &s : mustSay)
            QVERIFY2(note.contains(s), qPrintable(note));
        for (const QString &s : mustNotSay)
            QVERIFY2(!note.contains(s), qPrintable(note));
    }
};

QTEST_GUILESS_MAIN(TestEditorAnalysis)
#include "test_editor_analysis.moc"
