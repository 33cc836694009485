// The sentence editor's window, driven as a teacher drives it (offscreen,
// without the analyser: every proposal is then a guess from the words):
// first use of the folder, pasting several sentences, keys 1..9 on the
// unit boxes, join and split, the preview, and bad pasted input.

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

#include "file_bytes.h"

#include "editor/editor_window.h"
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
