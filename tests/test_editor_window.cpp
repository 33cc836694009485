// The sentence editor's window, driven as a teacher drives it (offscreen,
// without the analyser: every proposal is then a guess from the words):
// first use of the folder, pasting several sentences, keys 1..9 on the
// unit boxes, join and split, the preview, and bad pasted input.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "file_bytes.h"

#include "editor/editor_window.h"
#include "editor/guide_window.h"
#include "editor/unit_row.h"
#include "layouts/design_widgets.h"
#include "layouts/layout_builder.h"

using namespace editor;

namespace {

// Presses the button `answer` of the next modal question, noting its text.
void answerNextQuestion(const QString &answer, QString *text)
{
    QTimer::singleShot(0, [answer, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *text = box->text();
        for (QAbstractButton *b : box->buttons())
            if (b->text() == answer)
                b->click();
    });
}

// Presses the button `answer` of the first modal question that shows up,
// however late (after an analysis, say).
void answerWhenAsked(const QString &answer, QObject *owner)
{
    auto *poll = new QTimer(owner);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton *b : box->buttons())
            if (b->text() == answer) {
                poll->stop();
                b->click();
            }
    });
    poll->start();
}

}  // namespace

class TestEditorWindow : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    std::unique_ptr<EditorWindow> window(const QString &folder)
    {
        return std::make_unique<EditorWindow>(folder, std::make_unique<SentenceProposer>(nullptr, nullptr), QString());
    }

private slots:
    void firstUseCreatesTheCollection()
    {
        const QString folder = home_.filePath(QStringLiteral("a/frasi"));
        auto w = window(folder);
        QVERIFY(QFile::exists(folder + QStringLiteral("/Le mie frasi.txt")));
        QCOMPARE(w->document().path(), folder + QStringLiteral("/Le mie frasi.txt"));
        QCOMPARE(w->document().entryCount(), 0);
    }

    void uncreatableFolderIsSaid()
    {
        QFile blocker(home_.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto w = window(home_.filePath(QStringLiteral("file/frasi")));  // a folder inside a file
        auto *box = w->findChild<QMessageBox *>();
        QVERIFY(box);
        QVERIFY2(box->text().startsWith(QStringLiteral("Impossibile creare la cartella")), qPrintable(box->text()));
        QVERIFY(w->document().path().isEmpty());
    }

    void splitsPastedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("sentences");
        QTest::newRow("lines") << QStringLiteral("Piove.\n\nNevica.\r\n") << QStringList{"Piove.", "Nevica."};
        QTest::newRow("paragraph") << QStringLiteral("Piove. Che freddo! Vieni? «Sì.»")
                                   << QStringList{"Piove.", "Che freddo!", "Vieni?", "«Sì.»"};
        QTest::newRow("abbreviation kept") << QStringLiteral("Ho visto il sig. rossi.")
                                           << QStringList{"Ho visto il sig. rossi."};
        QTest::newRow("empty") << QStringLiteral(" \n\t\n") << QStringList{};
    }
    void splitsPastedText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, sentences);
        QCOMPARE(EditorWindow::splitSentences(text), sentences);
    }

    void pastedParagraphBecomesEntriesAndKeysSetTheParts()
    {
        auto w = window(home_.filePath(QStringLiteral("b")));
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->analyseText(QStringLiteral("Il cane corre. Il gatto\u00A0dorme\tsul divano."));
        QCOMPARE(w->document().entryCount(), 2);
        QVERIFY(w->document().modified());
        QCOMPARE(w->document().entry(1).units.size(), std::size_t(5));
        QCOMPARE(w->document().entry(1).units[2].text, std::string("dorme"));

        // The boxes of the second sentence: pick the third and press 5.
        auto *row = w->findChild<UnitRow *>();
        row->setFocus();
        row->select(2);
        QTest::keyClick(row, Qt::Key_5);
        QCOMPARE(w->document().entry(1).units[2].code, 5);
        QTest::keyClick(row, Qt::Key_Left);
        QTest::keyClick(row, Qt::Key_2);
        QCOMPARE(w->document().entry(1).units[1].code, 2);

        // Join "sul" with "divano." and split it again.
        row->select(3);
        QTest::keyClick(w.get(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(w->document().entry(1).units.size(), std::size_t(4));
        QCOMPARE(w->document().entry(1).units[3].text, std::string("sul divano."));
        QTest::keyClick(w.get(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(w->document().entry(1).units.size(), std::size_t(5));

        // The preview shows the units in the drill's word rows.
        auto *first = layout::control<layout::Label>(w.get(), layout::element("Lbmostra", 1));
        auto *fifth = layout::control<layout::Label>(w.get(), layout::element("Lbmostra", 5));
        QCOMPARE(first->caption(), QStringLiteral("Il"));
        QCOMPARE(fifth->caption(), QStringLiteral("divano."));
        QVERIFY(layout::control<layout::Label>(w.get(), layout::element("Lbmostra", 6))->caption().isEmpty());
        w->findChild<QListWidget *>()->clear();  // nothing to ask at close
    }

    void unreadableLinesAreShownAndKept()
    {
        const QString folder = home_.filePath(QStringLiteral("d"));
        QDir().mkpath(folder);
        const QByteArray bytes = "# classe 2B\nPiove. = verbo\nIl = art | gatto = nomee\n";
        writeBytes(folder + QStringLiteral("/Le mie frasi.txt"), bytes);
        auto w = window(folder);
        auto *list = w->findChild<QListWidget *>();
        QCOMPARE(list->count(), 2);
        QVERIFY(list->item(1)->text().contains(QStringLiteral("NON VALIDA")));
        QVERIFY(list->item(1)->text().contains(QStringLiteral("«nomee»")));
        // Its words, without the analyses, are offered for analysing again.
        list->setCurrentRow(1);
        QCOMPARE(w->findChild<QLineEdit *>()->text(), QStringLiteral("Il gatto"));
        // "Solo queste frasi" writes its line; unticked again, the file is as it was.
        auto *only = w->findChild<QCheckBox *>();
        only->setChecked(true);
        QVERIFY(w->document().onlyThese());
        only->setChecked(false);
        QVERIFY(w->save());
        QCOMPARE(readBytes(folder + QStringLiteral("/Le mie frasi.txt")), bytes);
    }

    void changedFileIsNotOverwrittenWithoutAsking()
    {
        const QString folder = home_.filePath(QStringLiteral("e"));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/Le mie frasi.txt");
        writeBytes(path, "Piove. = verbo\n");
        auto w = window(folder);
        w->analyseText(QStringLiteral("Nevica."));
        writeBytes(path, "Grandina. = verbo\n");  // another editor saved meanwhile
        QString asked;
        answerNextQuestion(QStringLiteral("Annulla"), &asked);
        QVERIFY(!w->save());
        QVERIFY2(asked.contains(QStringLiteral("modificato")), qPrintable(asked));
        QCOMPARE(readBytes(path), QByteArray("Grandina. = verbo\n"));
        answerNextQuestion(QStringLiteral("Sovrascrivi"), &asked);
        QVERIFY(w->save());
        QVERIFY(readBytes(path).startsWith("Nevica. = "));  // the selected sentence, edited
    }

    void closingAsksAboutUnsavedChanges()
    {
        auto w = window(home_.filePath(QStringLiteral("f")));
        w->show();
        w->analyseText(QStringLiteral("Nevica."));
        QString asked;
        answerNextQuestion(QStringLiteral("Annulla"), &asked);
        QVERIFY(!w->close());
        QVERIFY(asked.contains(QStringLiteral("non salvate")));
        answerNextQuestion(QStringLiteral("Non salvare"), &asked);
        QVERIFY(w->close());
        QCOMPARE(readBytes(home_.filePath(QStringLiteral("f/Le mie frasi.txt"))).count('\n'), 1);  // header only
    }

    // Text typed in "Testo della frase" and not analysed reaches the file
    // by every way out of it: it is analysed first.
    void typedTextIsNeverDropped_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("entries");
        QTest::newRow("Ctrl+S") << QStringList{"type", "Ctrl+S"} << 2;
        QTest::newRow("other sentence") << QStringList{"type", "choose 2", "Ctrl+S"} << 2;
        QTest::newRow("Ctrl+N") << QStringList{"type", "Ctrl+N", "Ctrl+S"} << 2;
        QTest::newRow("typed after Ctrl+N") << QStringList{"Ctrl+N", "type", "Ctrl+S"} << 3;
        QTest::newRow("typed after Ctrl+N, other sentence")
            << QStringList{"Ctrl+N", "type", "choose 2", "Ctrl+S"} << 3;
        QTest::newRow("typed after Ctrl+N, the sentence that was current")
            << QStringList{"Ctrl+N", "type", "choose 1", "Ctrl+S"} << 3;
        QTest::newRow("move down") << QStringList{"type", "Alt+Down", "Ctrl+S"} << 2;
        QTest::newRow("part of speech set") << QStringList{"type", "Alt+5", "Ctrl+S"} << 2;
        QTest::newRow("close") << QStringList{"type", "close"} << 2;
        QTest::newRow("Ctrl+Q") << QStringList{"type", "Ctrl+Q"} << 2;
    }
    void typedTextIsNeverDropped()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, entries);
        const QString folder = home_.filePath(QStringLiteral("h/") + QTest::currentDataTag());
        const QString path = folder + QStringLiteral("/Le mie frasi.txt");
        writeBytes(path, "Piove. = verbo\nNevica. = verbo\n");
        auto w = window(folder);
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *text = w->findChild<QLineEdit *>();
        auto *list = w->findChild<QListWidget *>();
        QString asked;
        for (const QString &step : steps) {
            if (step == QLatin1String("type")) {
                text->selectAll();
                QTest::keyClicks(text, QStringLiteral("Grandina forte."));
            } else if (step.startsWith(QLatin1String("choose "))) {
                const int row = step.mid(7).toInt() - 1;
                list->setCurrentRow(row);
                QCOMPARE(text->text(), row == 0 ? QStringLiteral("Piove.") : QStringLiteral("Nevica."));  // shown
            } else if (step == QLatin1String("close")) {
                answerNextQuestion(QStringLiteral("Salva"), &asked);
                QVERIFY(w->close());
            } else {
                if (step == QLatin1String("Ctrl+Q"))
                    answerNextQuestion(QStringLiteral("Salva"), &asked);
                const QKeySequence keys(step);
                QTest::keyClick(w.get(), Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
            }
        }
        const QByteArray saved = readBytes(path);
        QVERIFY2(saved.contains("Grandina = "), saved.constData());
        QCOMPARE(saved.count('\n'), entries);
        QCOMPARE(saved.contains("Piove. = "), !steps.startsWith(QStringLiteral("type")));  // typed over it: edited
        QVERIFY(saved.contains("Nevica. = "));
    }

    void textWithoutWordsIsNotDroppedUnasked()
    {
        const QString folder = home_.filePath(QStringLiteral("i"));
        auto w = window(folder);
        auto *text = w->findChild<QLineEdit *>();
        text->setText(QStringLiteral("\u00AD\u00AD"));  // soft hyphens: nothing left once cleaned
        QString asked;
        answerNextQuestion(QStringLiteral("Annulla"), &asked);  // the default
        QVERIFY(!w->save());
        QVERIFY2(asked.contains(QStringLiteral("non contiene parole")), qPrintable(asked));
        QCOMPARE(text->text(), QStringLiteral("\u00AD\u00AD"));
        answerNextQuestion(QStringLiteral("Scarta il testo"), &asked);
        QVERIFY(w->close());
    }

    void marksToCheckStayWithTheirSentence()
    {
        auto w = window(home_.filePath(QStringLiteral("j")));
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->analyseText(QStringLiteral("Il ragazzo mangia una mela. Piove."));
        auto *list = w->findChild<QListWidget *>();
        list->setCurrentRow(0);
        auto marks = [&] {
            std::vector<bool> out;
            for (const auto &u : w->shownUnits())
                out.push_back(u.toCheck);
            return out;
        };
        const std::vector<bool> first = marks();
        QVERIFY(std::count(first.begin(), first.end(), true) > 0);  // guesses without the analyser
        list->setCurrentRow(1);
        QTest::keyClick(w.get(), Qt::Key_Up, Qt::AltModifier);  // moved: now the first
        list->setCurrentRow(1);
        QCOMPARE(marks(), first);
        list->clear();
    }

    void startsReadyToTypeAndCountsOnePart()
    {
        auto w = window(home_.filePath(QStringLiteral("k")));
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *text = w->findChild<QLineEdit *>();
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClicks(text, QStringLiteral("Piove."));
        QTest::keyClick(text, Qt::Key_Return);
        auto *list = w->findChild<QListWidget *>();
        QVERIFY2(list->item(0)->text().contains(QStringLiteral("1 parte — valida")), qPrintable(list->item(0)->text()));
        bool said = false;
        for (auto *label : w->findChildren<QLabel *>())
            said = said || label->text().startsWith(QStringLiteral("Frase valida: 1 parte."));
        QVERIFY(said);
        list->clear();
    }

    void helpMenuOpensTheGuide()
    {
        auto w = window(home_.filePath(QStringLiteral("m")));
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QTest::keyClick(w.get(), Qt::Key_F1);
        auto *guide = w->findChild<GuideWindow *>();
        QVERIFY(guide && guide->isVisible());
        const QString text = guide->findChild<QTextBrowser *>()->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("Raccolte di frasi per gli insegnanti")), qPrintable(text.left(80)));
        QVERIFY(text.contains(QStringLiteral("UTF-16")));
        // Without an analyser there is nothing to restart.
        for (QAction *a : w->findChildren<QAction *>())
            if (a->text().contains(QStringLiteral("Riavvia")))
                QVERIFY(!a->isEnabled());
    }

    void analyserAnswersWhileTheWindowWaits()
    {
        // A slow fake analyser: the window goes on, then saves what was typed.
        const QString folder = home_.filePath(QStringLiteral("l"));
        auto analyser = std::make_unique<Analyser>(
            std::vector<PipelineStage>{{QStringLiteral("bash"),
                                        {QStringLiteral("-c"),
                                         QStringLiteral("while read -r -d '' x; do sleep 0.2; printf "
                                                        "'^Grandina/grandinare<vblex><pri><p3><sg>$^./.<sent>$\\n\\0'; done")}}},
            10000);
        EditorWindow w(folder, std::make_unique<SentenceProposer>(std::move(analyser)), QString());
        w.findChild<QLineEdit *>()->setText(QStringLiteral("Grandina."));
        QTRY_VERIFY_WITH_TIMEOUT(!w.analysing(), 30000);  // the start-up check
        QVERIFY(!w.save());  // not yet: the text is being analysed
        QVERIFY(w.analysing());
        QVERIFY(!w.centralWidget()->isEnabled());
        const QString path = folder + QStringLiteral("/Le mie frasi.txt");
        QTRY_VERIFY_WITH_TIMEOUT(readBytes(path).contains("Grandina. = verbo"), 30000);
        QVERIFY(w.centralWidget()->isEnabled());
        QVERIFY(!w.shownUnits().front().toCheck);
    }

    void fileChosenWhileTypedTextIsAnalysedIsOpenedAfter()
    {
        // The typed text goes to the slow analyser; the collection chosen
        // meanwhile is opened once it is back, the text saved first.
        const QString folder = home_.filePath(QStringLiteral("n"));
        writeBytes(folder + QStringLiteral("/Le mie frasi.txt"), "Nevica. = verbo\n");
        writeBytes(folder + QStringLiteral("/Altre frasi.txt"), "Piove. = verbo\n");
        auto analyser = std::make_unique<Analyser>(
            std::vector<PipelineStage>{{QStringLiteral("bash"),
                                        {QStringLiteral("-c"),
                                         QStringLiteral("while read -r -d '' x; do sleep 0.2; printf "
                                                        "'^Grandina/grandinare<vblex><pri><p3><sg>$^./.<sent>$\\n\\0'; done")}}},
            10000);
        EditorWindow w(folder, std::make_unique<SentenceProposer>(std::move(analyser)), QString());
        QTRY_VERIFY_WITH_TIMEOUT(!w.analysing(), 30000);  // the start-up check
        const QString first = w.document().path();
        const QString other = folder + (first.endsWith(QStringLiteral("/Altre frasi.txt")) ? QStringLiteral("/Le mie frasi.txt")
                                                                                         : QStringLiteral("/Altre frasi.txt"));
        w.findChild<QLineEdit *>()->setText(QStringLiteral("Grandina."));
        auto *files = w.findChild<QComboBox *>(QStringLiteral("raccolte"));
        const int at = files->findData(other);
        QVERIFY(at >= 0);
        answerWhenAsked(QStringLiteral("Salva"), &w);
        emit files->activated(at);
        QVERIFY(w.analysing());
        QTRY_COMPARE_WITH_TIMEOUT(w.document().path(), other, 30000);
        QVERIFY2(readBytes(first).contains("Grandina. = verbo"), readBytes(first).constData());
        QCOMPARE(w.findChild<QListWidget *>()->count(), 1);  // the other file's one sentence
    }

    void filesThatCannotBeOpenedAreSaid_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("missing") << QStringLiteral("manca.txt") << QStringLiteral("non esiste");
        QTest::newRow("folder") << QStringLiteral("cartella.txt") << QStringLiteral("è una cartella");
        QTest::newRow("binary") << QStringLiteral("binario.txt") << QStringLiteral("per intero");
    }
    void filesThatCannotBeOpenedAreSaid()
    {
        QFETCH(QString, name);
        QFETCH(QString, said);
        const QString folder = home_.filePath(QStringLiteral("g"));
        QDir().mkpath(folder + QStringLiteral("/cartella.txt"));
        writeBytes(folder + QStringLiteral("/binario.txt"), QByteArray("a = nome\n\0\0", 12));
        auto w = window(folder);
        const QString before = w->document().path();
        QVERIFY(!w->openFile(folder + QLatin1Char('/') + name));
        QMessageBox *box = nullptr;
        for (auto *b : w->findChildren<QMessageBox *>())
            box = b;
        QVERIFY(box);
        QVERIFY2(box->text().contains(said), qPrintable(box->text()));
        QCOMPARE(w->document().path(), before);  // the open collection stays open
    }

    void hugeLineIsKeptAsInvalid()
    {
        auto w = window(home_.filePath(QStringLiteral("c")));
        QString line;
        while (line.size() < 10000)
            line += QStringLiteral("parola \U0001F600 ");
        w->analyseText(line);
        QCOMPARE(w->document().entryCount(), 1);
        QCOMPARE(w->document().entry(0).kind, CollectionDocument::Line::Kind::Invalid);
        QVERIFY(!w->document().entry(0).problem.text.empty());
    }
};

QTEST_MAIN(TestEditorWindow)
#include "test_editor_window.moc"
