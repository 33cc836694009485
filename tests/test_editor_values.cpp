// The editor's proposals of a verb's values and of each word's kind, from
// the analyser's output of everyday sentences (kept here as the analyser
// wrote it, so no analyser is needed), and the features panel's keyboard
// path for a verb: the stepping keys, the tense offered by its mood, the
// infinitive typed.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/editor_window.h"
#include "editor/feature_panel.h"
#include "editor/feature_table.h"
#include "editor/unit_row.h"
#include "editor/value_proposal.h"

using namespace editor;
using namespace engine;

namespace {

struct Proposal {
    std::vector<ProposedUnit> units;
};

std::vector<ProposedUnit> propose(const QByteArray &stream)
{
    const StreamResult r = parseStream(std::string_view(stream.constData(), std::size_t(stream.size())));
    std::vector<UnitWords> words;
    std::vector<ProposedUnit> units = proposeUnits(r.tokens, nullptr, nullptr, &words);
    addProposedValues(units, words);
    return units;
}

// The unit whose text starts with `text`.
const ProposedUnit *unitOf(const std::vector<ProposedUnit> &units, const QString &text)
{
    for (const ProposedUnit &u : units)
        if (QString::fromStdString(u.unit.text).startsWith(text))
            return &u;
    return nullptr;
}

Features verb(const char *words)
{
    return collection::parseLine(std::string("x = verbo ") + words, 0).units.front().features;
}

}  // namespace

class TestEditorValues : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void verbValues_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("expected");  // as a collection line writes them
        QTest::newRow("passive in a compound tense")
            << QByteArray("^Il/Il<det><def><m><sg>$ ^quadro/quadro<n><m><sg>$ ^è/essere<vbser><pri><p3><sg>$ "
                          "^stato/essere<vbser><pp><m><sg>$ ^dipinto/dipingere<vblex><pp><m><sg>$ ^da/da<pr>$ "
                          "^un/un<det><ind><m><sg>$ ^pittore/pittore<n><m><sg>$^./.<sent>$")
            << "è stato dipinto" << "dipingere ind passato-prossimo 3 s pass tr";
        QTest::newRow("essere with a verb of motion: active")
            << QByteArray("^Le/Il<det><def><f><pl>$ ^ragazze/ragazzo<n><f><pl>$ ^sono/essere<vbser><pri><p3><pl>$ "
                          "^arrivate/arrivare<vblex><pp><f><pl>$ ^tardi/tardi<adv>$^./.<sent>$")
            << "sono arrivate" << "arrivare ind passato-prossimo 3 p att intr";
        QTest::newRow("reflexive particle before the auxiliary")
            << QByteArray("^Mi/Mi<prn><pro><p1><mf><sg>$ ^sono/essere<vbser><pri><p1><sg>$ "
                          "^svegliato/svegliare<vblex><pp><m><sg>$ ^presto/presto<adv>$^./.<sent>$")
            << "Mi sono svegliato" << "svegliarsi ind passato-prossimo 1 s rifl";
        QTest::newRow("modal and a reflexive infinitive")
            << QByteArray("^Vorrei/Volere<vbmod><cni><p1><sg>$ ^trattenermi/trattenere<vblex><inf>+mi<prn><enc><p1><mf><sg>$ "
                          "^ancora/ancora<adv>$^./.<sent>$")
            << "Vorrei" << "trattenersi cond presente 1 s rifl";
        QTest::newRow("modal with its infinitive")
            << QByteArray("^Potremo/Potere<vbmod><fti><p1><pl>$ ^partire/partire<vblex><inf>$ ^domani/domani<adv>$^./.<sent>$")
            << "Potremo partire" << "partire ind futuro 1 p att intr";
        QTest::newRow("compound gerund with its object")
            << QByteArray("^Avendo/Avere<vbhaver><ger>$ ^letto/leggere<vblex><pp><m><sg>$ ^il/il<det><def><m><sg>$ "
                          "^libro/libro<n><m><sg>$^,/,<cm>$ ^lo/lo<prn><pro><p3><nt>$ ^restituì/restituire<vblex><ifi><p3><sg>$^./.<sent>$")
            << "Avendo letto" << "leggere ger passato att tr";
        QTest::newRow("object pronoun before the verb")
            << QByteArray("^Avendo/Avere<vbhaver><ger>$ ^letto/leggere<vblex><pp><m><sg>$ ^il/il<det><def><m><sg>$ "
                          "^libro/libro<n><m><sg>$^,/,<cm>$ ^lo/lo<prn><pro><p3><nt>$ ^restituì/restituire<vblex><ifi><p3><sg>$^./.<sent>$")
            << "restituì" << "restituire ind passato-remoto 3 s att tr";
        QTest::newRow("relative che as the object")
            << QByteArray("^Il/Il<det><def><m><sg>$ ^dolce/dolce<n><m><sg>$ ^che/che<rel><an><mf><sp>$ "
                          "^avevamo/avere<vbhaver><pii><p1><pl>$ ^comprato/comprare<vblex><pp><m><sg>$ "
                          "^era/essere<vbser><pii><p3><sg>$ ^buono/buono<adj><m><sg>$^./.<sent>$")
            << "avevamo comprato" << "comprare ind trapassato-prossimo 1 p att tr";
        QTest::newRow("subject pronoun chooses the person")
            << QByteArray("^Spero/Sperare<vblex><pri><p1><sg>$ ^che/che<cnjsub>$ ^tu/tu<prn><tn><p2><mf><sg>$ "
                          "^mi/mi<prn><pro><p1><mf><sg>$ ^ascolti/ascoltare<vblex><prs><p3><sg>/ascoltare<vblex><prs><p2><sg>"
                          "/ascoltare<vblex><pri><p2><sg>$^./.<sent>$")
            << "ascolti" << "ascoltare cong presente 2 s att tr";
        QTest::newRow("second person opening a sentence: an order")
            << QByteArray("^Chiudete/Chiudere<vblex><pri><p2><pl>$ ^la/il<det><def><f><sg>$ ^porta/porta<n><f><sg>$^./.<sent>$")
            << "Chiudete" << "chiudere imper presente 2 p att tr";
        QTest::newRow("non with an infinitive: the negative order")
            << QByteArray("^Non/Non<adv>$ ^toccare/toccare<vblex><inf>$ ^il/il<det><def><m><sg>$ ^forno/forno<n><m><sg>$^!/!<sent>$")
            << "toccare" << "toccare imper presente 2 s att tr";
        QTest::newRow("participle standing for a clause")
            << QByteArray("^La/Il<det><def><f><sg>$ ^lettera/lettera<n><f><sg>$ ^scritta/scrivere<vblex><pp><f><sg>$ "
                          "^da/da<pr>$ ^Anna/Anna<np><ant><f><sg>$ ^è/essere<vbser><pri><p3><sg>$ "
                          "^arrivata/arrivare<vblex><pp><f><sg>$^./.<sent>$")
            << "scritta" << "scrivere part passato pass tr";
        QTest::newRow("intransitive verb")
            << QByteArray("^Camminava/Camminare<vblex><pii><p3><sg>$ ^lentamente/lentamente<adv>$ ^verso/verso<pr>$ "
                          "^casa/casa<n><f><sg>$^./.<sent>$")
            << "Camminava" << "camminare ind imperfetto 3 s att intr";
    }
    void verbValues()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, unit);
        QFETCH(QString, expected);
        const auto units = propose(stream);
        const ProposedUnit *u = unitOf(units, unit);
        QVERIFY2(u, qPrintable(unit));
        QCOMPARE(u->unit.code, 5);
        QCOMPARE(collection::featureWords(5, u->unit.features), collection::featureWords(5, verb(expected.toUtf8().constData())));
        QVERIFY(featuresFit(5, u->unit.features));
    }

    // Kinds are compared as values: one row per kind the tags or the word
    // lists give.
    void kinds_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<Features>("expected");
        const QByteArray lettera = "^La/Il<det><def><f><sg>$ ^lettera/lettera<n><f><sg>$ ^scritta/scrivere<vblex><pp><f><sg>$ "
                                   "^da/da<pr>$ ^Anna/Anna<np><ant><f><sg>$ ^è/essere<vbser><pri><p3><sg>$ "
                                   "^arrivata/arrivare<vblex><pp><f><sg>$^./.<sent>$";
        const QByteArray libro = "^Questo/Questo<det><dem><m><sg>$ ^libro/libro<n><m><sg>$ ^è/essere<vbser><pri><p3><sg>$ "
                                 "^più/più<adv>$ ^bello/bello<adj><m><sg>$ ^di/di<pr>$ ^quello/quello<prn><tn><nt><sg>$^./.<sent>$";
        const QByteArray casa = "^Vedo/Vedere<vblex><pri><p1><sg>$ ^Paolo/*Paolo$ ^e/e<cnjcoo>$ ^la/il<det><def><f><sg>$ "
                                "^sua/suo<det><pos><f><sg>$ ^bellissima/bello<adj><sup><f><sg>$ ^casa/casa<n><f><sg>$^./.<sent>$";
        const QByteArray chi = "^Tu/Tu<prn><tn><p2><mf><sg>$ ^vieni/venire<vblex><pri><p2><sg>$^?/?<sent>$ "
                               "^Chi/Chi<prn><itg><mf><sp>$ ^viene/venire<vblex><pri><p3><sg>$^?/?<sent>$";
        const QByteArray camminava = "^Camminava/Camminare<vblex><pii><p3><sg>$ ^lentamente/lentamente<adv>$ ^verso/verso<pr>$ "
                                     "^casa/casa<n><f><sg>$ ^e/e<cnjcoo>$ ^non/non<adv>$ ^parlava/parlare<vblex><pii><p3><sg>$^,/,<cm>$ "
                                     "^perché/perché<cnjadv>$ ^era/essere<vbser><pii><p3><sg>$ ^stanco/stanco<adj><m><sg>$ "
                                     "^nel/en<pr>+il<det><def><m><sg>$ ^bosco/bosco<n><m><sg>$^./.<sent>$ ^Oh/*Oh$^!/!<sent>$";
        auto f = [](auto set) {
            Features x;
            set(x);
            return x;
        };
        QTest::newRow("proper noun, tagged") << lettera << "Anna" << f([](Features &x) { x.nounKind = NounKind::Proprio; });
        QTest::newRow("proper noun, unknown but capital") << casa << "Paolo" << f([](Features &x) { x.nounKind = NounKind::Proprio; });
        QTest::newRow("common noun") << lettera << "lettera" << f([](Features &x) { x.nounKind = NounKind::Comune; });
        QTest::newRow("demonstrative adjective") << libro << "Questo" << f([](Features &x) { x.adjectiveKind = AdjectiveKind::Dimostrativo; });
        QTest::newRow("possessive adjective") << casa << "sua" << f([](Features &x) { x.adjectiveKind = AdjectiveKind::Possessivo; });
        QTest::newRow("comparative after più") << libro << "bello" << f([](Features &x) {
            x.adjectiveKind = AdjectiveKind::Qualificativo;
            x.degree = Degree::Comparativo;
        });
        QTest::newRow("superlative") << casa << "bellissima" << f([](Features &x) {
            x.adjectiveKind = AdjectiveKind::Qualificativo;
            x.degree = Degree::Superlativo;
        });
        QTest::newRow("positive") << camminava << "stanco" << f([](Features &x) {
            x.adjectiveKind = AdjectiveKind::Qualificativo;
            x.degree = Degree::Positivo;
        });
        QTest::newRow("demonstrative pronoun") << libro << "quello" << f([](Features &x) { x.pronounKind = PronounKind::Dimostrativo; });
        QTest::newRow("personal pronoun and its person") << chi << "Tu" << f([](Features &x) {
            x.pronounKind = PronounKind::Personale;
            x.pronounPerson = Person::Seconda;
        });
        QTest::newRow("interrogative pronoun") << chi << "Chi" << f([](Features &x) { x.pronounKind = PronounKind::Interrogativo; });
        QTest::newRow("adverb of manner") << camminava << "lentamente" << f([](Features &x) { x.adverbKind = AdverbKind::Modo; });
        QTest::newRow("adverb of negation") << camminava << "non" << f([](Features &x) { x.adverbKind = AdverbKind::Negazione; });
        QTest::newRow("improper preposition") << camminava << "verso" << f([](Features &x) { x.prepositionKind = PrepositionKind::Impropria; });
        QTest::newRow("simple preposition") << libro << "di" << f([](Features &x) { x.prepositionKind = PrepositionKind::Semplice; });
        QTest::newRow("articulated preposition") << camminava << "nel" << f([](Features &x) { x.prepositionKind = PrepositionKind::Articolata; });
        QTest::newRow("coordinating conjunction") << camminava << "e" << f([](Features &x) { x.conjunctionKind = ConjunctionKind::Coordinante; });
        QTest::newRow("subordinating conjunction") << camminava << "perché" << f([](Features &x) { x.conjunctionKind = ConjunctionKind::Subordinante; });
        QTest::newRow("proper exclamation") << camminava << "Oh" << f([](Features &x) { x.exclamationKind = ExclamationKind::Propria; });
    }
    void kinds()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QString, unit);
        QFETCH(Features, expected);
        const auto units = propose(stream);
        const ProposedUnit *u = unitOf(units, unit);
        QVERIFY2(u, qPrintable(unit));
        Features kind;  // the kind values alone: gender and number are the tags' own
        kind.nounKind = u->unit.features.nounKind;
        kind.adjectiveKind = u->unit.features.adjectiveKind;
        kind.degree = u->unit.features.degree;
        kind.pronounKind = u->unit.features.pronounKind;
        kind.pronounPerson = u->unit.features.pronounPerson;
        kind.adverbKind = u->unit.features.adverbKind;
        kind.prepositionKind = u->unit.features.prepositionKind;
        kind.conjunctionKind = u->unit.features.conjunctionKind;
        kind.exclamationKind = u->unit.features.exclamationKind;
        QVERIFY2(kind == expected, qPrintable(QStringLiteral("%1: %2").arg(unit).arg(u->unit.code)));
        QVERIFY(featuresFit(u->unit.code, u->unit.features));
    }

    // The keyboard path of a verb with the boxes selected: stepping keys,
    // the tense that follows the mood, the number's own keys, the
    // infinitive typed after 'I'.
    void verbKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");  // the verb's words
        QTest::newRow("mood steps") << "OO" << "cong";
        QTest::newRow("mood then tenses of the mood") << "OTTT" << "ind passato-remoto";
        QTest::newRow("past the last tense clears it") << "OOOOOOT" << "part presente";
        QTest::newRow("person and number only with a finite mood") << "EOES" << "ind 1 s";
        QTest::newRow("an infinitive has no person") << "OEOOOO" << "inf";
        QTest::newRow("mood change drops a tense of the other mood") << "OTTTTTO" << "cong";
        QTest::newRow("form and transitivity") << "FFRR" << "pass intr";
        QTest::newRow("keys of other parts of speech do nothing") << "DMGN" << "";
    }
    void verbKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        auto w = std::make_unique<EditorWindow>(home_.filePath(QString::number(qHash(keys))),
                                                std::make_unique<SentenceProposer>(nullptr, nullptr), QString());
        w->show();
        QApplication::setActiveWindow(w.get());
        w->analyseText(QStringLiteral("Il cane corre."));
        auto *row = w->findChild<UnitRow *>();
        row->setFocus();
        row->select(2);
        QTest::keyClick(row, '5');
        for (QChar c : keys)
            QTest::keyClick(row, c.toLatin1());
        const auto &u = w->document().entry(0).units[2];
        QCOMPARE(QString::fromStdString(collection::featureWords(u.code, u.features)), expected);
    }

    void infinitiveTypedAndChecked()
    {
        auto w = std::make_unique<EditorWindow>(home_.filePath(QStringLiteral("typed")),
                                                std::make_unique<SentenceProposer>(nullptr, nullptr), QString());
        w->show();
        QApplication::setActiveWindow(w.get());
        w->analyseText(QStringLiteral("Il cane corre."));
        auto *row = w->findChild<UnitRow *>();
        auto *panel = w->findChild<FeaturePanel *>();
        row->setFocus();
        row->select(2);
        QTest::keyClick(row, '5');
        std::size_t lemmaRow = 0;
        QVERIFY(textRowForKey('I', 5, &lemmaRow));
        QTest::keyClick(row, 'I');
        QLineEdit *field = panel->textField(lemmaRow);
        QVERIFY(field->hasFocus());
        const auto lemma = [&] { return w->document().entry(0).units[2].features.lemma; };
        QTest::keyClicks(field, QStringLiteral("corr3"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(lemma(), std::string());  // no infinitive: refused, said in the field's tip
        QVERIFY(field->toolTip().contains(QStringLiteral("non è un infinito")));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("Correre"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(lemma(), std::string("correre"));
        // The mood's list sets and "—" clears, as the buttons do.
        std::size_t moodRow = 0;
        int value = 0;
        QVERIFY(featureForKey('O', 5, Features{}, &moodRow, &value));
        QComboBox *moods = panel->choiceList(moodRow);
        QVERIFY(moods && moods->isVisible());
        moods->setCurrentIndex(moods->findData(int(Mood::Gerundio)));
        emit moods->activated(moods->currentIndex());
        QCOMPARE(w->document().entry(0).units[2].features.mood, Mood::Gerundio);
        moods->setCurrentIndex(0);
        emit moods->activated(0);
        QCOMPARE(w->document().entry(0).units[2].features.mood, Mood::Unset);
    }
};

QTEST_MAIN(TestEditorValues)
#include "test_editor_values.moc"
