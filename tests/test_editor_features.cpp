// The features of a unit in the editor: shown under each box, set and
// cleared with the keys D N T M F S P and with the panel's buttons,
// offered only where the part of speech carries them, and proposed from
// the lexicon (marked "?" when in doubt) when the teacher sets a part of
// speech. Offscreen, without the analyser, with a small lexicon.

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/editor_window.h"
#include "editor/feature_panel.h"
#include "editor/unit_row.h"
#include "lexicon/lexicon_builder.h"

using namespace editor;

namespace {

std::shared_ptr<const lexicon::Lexicon> smallLexicon()
{
    lexicon::LexiconBuilder b;
    QString problem;
    b.addWords(R"({"rondine":{"G":"F","P":"rondini"},"gru":{"G":"F","P":"gru"}})", &problem);
    b.addAdjectives(R"({"felice":{"MP":"felici","FS":"felice","FP":"felici"}})", &problem);
    return lexicon::Lexicon::fromBytes(b.build(), &problem);
}

std::string features(const EditorWindow &w, int unit)
{
    const auto &u = w.document().entry(0).units[std::size_t(unit)];
    return engine::collection::featureWords(u.code, u.features);
}

}  // namespace

class TestEditorFeatures : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    int folders_ = 0;

    std::unique_ptr<EditorWindow> window(std::shared_ptr<const lexicon::Lexicon> lex = nullptr)
    {
        auto w = std::make_unique<EditorWindow>(home_.filePath(QString::number(++folders_)),
                                                std::make_unique<SentenceProposer>(nullptr, std::move(lex)), QString());
        w->show();
        QApplication::setActiveWindow(w.get());
        return w;
    }

private slots:
    // Keys on the selected box: the unit's part of speech first, then letters.
    void keysSetAndClear_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");  // feature words of unit 1 ("cane")
        QTest::newRow("gender") << "2M" << "m";
        QTest::newRow("again clears") << "2MM" << "";
        QTest::newRow("other value replaces") << "2MF" << "f";
        QTest::newRow("gender and number") << "2FP" << "f p";
        QTest::newRow("kind only on an article") << "2DM" << "m";
        QTest::newRow("article: kind, gender, number") << "1NMS" << "indet m s";
        QTest::newRow("lower case works") << "2ms" << "m s";
        QTest::newRow("verb carries none") << "5MS" << "";
        QTest::newRow("part of speech change drops what no longer fits") << "1DM5" << "";
    }
    void keysSetAndClear()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        auto w = window();
        w->analyseText(QStringLiteral("Il cane corre."));
        auto *row = w->findChild<UnitRow *>();
        row->setFocus();
        row->select(1);
        for (QChar c : keys)
            QTest::keyClick(row, c.toLatin1());
        QCOMPARE(features(*w, 1), expected.toStdString());
    }

    void buttonsSetClearAndHide()
    {
        auto w = window();
        w->analyseText(QStringLiteral("Il cane corre."));
        auto *row = w->findChild<UnitRow *>();
        auto *panel = w->findChild<FeaturePanel *>();
        row->setFocus();
        row->select(1);
        QTest::keyClick(row, '2');
        QPushButton *feminine = panel->button(1, 2), *kind = panel->button(0, 1);
        QVERIFY(feminine->isVisible());
        QVERIFY(!kind->isVisible());  // a noun has no kind of article
        feminine->click();
        QCOMPARE(features(*w, 1), std::string("f"));
        QVERIFY(feminine->isChecked());
        QVERIFY(row->findChildren<QPushButton *>().at(1)->text().endsWith(QStringLiteral("\nf")));
        feminine->click();
        QCOMPARE(features(*w, 1), std::string());
        QTest::keyClick(row, '5');  // a verb: no features to show
        QVERIFY(!feminine->isVisible());
    }

    // Setting a part of speech proposes its kind, gender and number;
    // a form of two genders or numbers is marked, and a press on the
    // proposed value confirms it.
    void lexiconProposesOnPartOfSpeech_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("unit");
        QTest::addColumn<char>("code");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("doubt");
        QTest::newRow("noun") << "Tornano le rondini." << 2 << '2' << "comune f p" << false;
        QTest::newRow("noun of both numbers") << "Vola una gru." << 2 << '2' << "comune f s" << true;
        QTest::newRow("adjective of both genders") << "Sono felici." << 1 << '3' << "qual pos m p" << true;
        QTest::newRow("unknown word: nothing") << "Vola un zzz." << 2 << '2' << "" << false;
        QTest::newRow("verb: nothing") << "Tornano le rondini." << 2 << '5' << "" << false;
    }
    void lexiconProposesOnPartOfSpeech()
    {
        QFETCH(QString, sentence);
        QFETCH(int, unit);
        QFETCH(char, code);
        QFETCH(QString, expected);
        QFETCH(bool, doubt);
        auto w = window(smallLexicon());
        w->analyseText(sentence);
        auto *row = w->findChild<UnitRow *>();
        row->setFocus();
        row->select(unit);
        QTest::keyClick(row, code);
        QCOMPARE(QString::fromStdString(features(*w, unit)), expected);
        QCOMPARE(row->unitAt(unit)->featuresToCheck, doubt);
        if (doubt) {
            QVERIFY(row->findChildren<QPushButton *>().at(unit)->text().endsWith(QStringLiteral(" ?")));
            const QStringList words = expected.split(QLatin1Char(' '));
            QTest::keyClick(row, words.at(words.size() - 2).at(0).toLatin1());  // the proposed gender: confirmed, kept
            QCOMPARE(features(*w, unit), expected.toStdString());
            QVERIFY(!row->unitAt(unit)->featuresToCheck);
        }
    }
};

QTEST_MAIN(TestEditorFeatures)
#include "test_editor_features.moc"
