#include "class_results_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <set>

#include "class_csv.h"
#include "history/server_results.h"
#include "engine/sentence_bank.h"
#include "results_file.h"

namespace results {

namespace {

constexpr int kTextPoints = 13;

// Numbers and dates as an Italian teacher writes them, whatever the
// machine's language.
const QLocale &italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

QString percent(int part, int whole)
{
    return whole == 0 ? QStringLiteral("–") : italian().toString(100.0 * part / whole, 'f', 1) + QStringLiteral(" %");
}

QString number(int n) { return italian().toString(n); }

QString day(QDate d) { return italian().toString(d, QStringLiteral("d MMM yyyy")); }

// A built-in sentence's words, for the teacher to recognise it.
QString builtInText(int sentence)
{
    static const engine::SentenceBank bank = [] {
        engine::SentenceBank b;
        b.fill();
        return b;
    }();
    if (sentence < 0 || sentence >= 33)
        return QStringLiteral("frase %1").arg(sentence);
    QStringList words;
    for (int unit = 1; unit <= bank.wordCount(sentence); ++unit)
        words << QString::fromStdString(bank.word(sentence, unit)).trimmed();
    return words.join(QLatin1Char(' '));
}

QString sentenceText(const MissedSentence &m)
{
    return m.sourceFile.isEmpty() ? builtInText(m.sentence) : QStringLiteral("(frase della raccolta)");
}
QString sentenceWhere(const MissedSentence &m)
{
    return m.sourceFile.isEmpty() ? QStringLiteral("frasi del programma, n. %1").arg(m.sentence + 1)
                                  : QStringLiteral("%1, riga %2").arg(m.sourceFile).arg(m.sourceLine);
}

// One table's rows as text, shared by the window and the printout.
struct Table {
    QStringList header;
    std::vector<QStringList> rows;
};

Table pupilTable(const ClassSummary &s)
{
    Table t{{QStringLiteral("Alunno"), QStringLiteral("Classe"), QStringLiteral("Serie"), QStringLiteral("Risposte"),
             QStringLiteral("Sbagliate")},
            {}};
    for (int g = 5; g >= 1; --g)
        t.header << gradeName(g).replace(QLatin1Char(' '), QLatin1Char('\n'));
    t.header << QStringLiteral("Ultima\nserie");
    const auto row = [](const QString &who, const QString &cls, const Totals &x) {
        QStringList r = {who, cls, number(x.series), number(x.answers), percent(x.wrong, x.answers)};
        for (int g = 5; g >= 1; --g)
            r << number(x.grades[std::size_t(g)]);
        r << (x.lastMs ? day(QDateTime::fromMSecsSinceEpoch(x.lastMs).date()) : QString());
        return r;
    };
    for (const PupilRow &p : s.pupils)
        t.rows.push_back(row(p.pupil, p.className, p.totals));
    if (!s.pupils.empty())
        t.rows.push_back(row(QStringLiteral("Tutti (%1 alunni)").arg(s.pupils.size()), QString(), s.all));
    return t;
}

Table weekTable(const ClassSummary &s)
{
    Table t{{QStringLiteral("Settimana dal"), QStringLiteral("Serie"), QStringLiteral("Risposte"),
             QStringLiteral("Sbagliate")},
            {}};
    for (int g = 5; g >= 1; --g)
        t.header << gradeName(g).replace(QLatin1Char(' '), QLatin1Char('\n'));
    for (auto w = s.weeks.rbegin(); w != s.weeks.rend(); ++w) {  // the latest week on top
        QStringList r = {day(w->monday), number(w->totals.series), number(w->totals.answers),
                         percent(w->totals.wrong, w->totals.answers)};
        for (int g = 5; g >= 1; --g)
            r << number(w->totals.grades[std::size_t(g)]);
        t.rows.push_back(r);
    }
    return t;
}

Table errorTable(const ClassSummary &s)
{
    Table t{{QStringLiteral("Domanda"), QStringLiteral("Risposte"), QStringLiteral("Sbagliate"),
             QStringLiteral("Quota sbagliata")},
            {}};
    for (int c = 0; c < history::kShareCategories; ++c) {
        const int asked = s.all.asked[std::size_t(c)], missed = s.all.missed[std::size_t(c)];
        if (asked == 0)
            continue;
        t.rows.push_back({categoryName(c), number(asked), number(missed), percent(missed, asked)});
    }
    return t;
}

Table sentenceTable(const ClassSummary &s)
{
    // The sentence last: it is long, and the rest must show without scrolling.
    Table t{{QStringLiteral("Sbagliate"), QStringLiteral("Risposte"), QStringLiteral("Alunni"),
             QStringLiteral("Parola più\nsbagliata"), QStringLiteral("Dove"), QStringLiteral("Frase")},
            {}};
    for (const MissedSentence &m : s.missed)
        t.rows.push_back({number(m.wrong), number(m.answers), number(m.pupils), m.unit, sentenceWhere(m),
                          sentenceText(m)});
    return t;
}

void showTable(QTableWidget *w, const Table &t)
{
    w->setSortingEnabled(false);
    w->clear();
    w->setColumnCount(int(t.header.size()));
    w->setHorizontalHeaderLabels(t.header);
    w->setRowCount(int(t.rows.size()));
    for (int r = 0; r < int(t.rows.size()); ++r)
        for (int c = 0; c < int(t.rows[std::size_t(r)].size()); ++c) {
            const QString &text = t.rows[std::size_t(r)][c];
            auto *item = new QTableWidgetItem(text);
            item->setToolTip(text);  // a long sentence, whole
            if (!text.isEmpty() && text.front().isDigit())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            w->setItem(r, c, item);
        }
    w->resizeColumnsToContents();
}

QTableWidget *newTable(QWidget *parent, const QString &name)
{
    auto *t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAlternatingRowColors(true);
    t->setWordWrap(false);
    return t;
}

QString htmlTable(const QString &title, const Table &t)
{
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>")
                       .arg(title.toHtmlEscaped());
    for (const QString &h : t.header)
        html += QStringLiteral("<th>%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const QStringList &r : t.rows) {
        html += QStringLiteral("<tr>");
        for (const QString &c : r)
            html += QStringLiteral("<td>%1</td>").arg(c.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ClassResultsWindow::ClassResultsWindow(Sources configured, std::vector<history::Pupil> classLists, QWidget *parent)
    : QDialog(parent), configured_(std::move(configured)), classLists_(std::move(classLists))
{
    setWindowTitle(QStringLiteral("Risultati della classe"));
    QFont f = font();
    f.setPointSize(kTextPoints);
    setFont(f);

    auto *column = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *import = button(QStringLiteral("&Importa file dei risultati…"), this);
    auto *again = button(QStringLiteral("A&ggiorna"), this);
    from_ = new QDateEdit(this);
    to_ = new QDateEdit(this);
    for (QDateEdit *d : {from_, to_}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setDate(QDate::currentDate());
    }
    class_ = new QComboBox(this);
    pupil_ = new QComboBox(this);
    pupil_->setMinimumContentsLength(14);
    pupil_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const auto labelled = [this](const QString &text, QWidget *w) {
        auto *l = new QLabel(text, this);
        l->setBuddy(w);
        return l;
    };
    // Two rows, so the window fits a screen 1024 wide in large type.
    auto *files = new QHBoxLayout;
    files->addWidget(import);
    files->addWidget(again);
    files->addStretch(1);
    column->addLayout(files);
    bar->addWidget(labelled(QStringLiteral("&Dal"), from_));
    bar->addWidget(from_);
    bar->addWidget(labelled(QStringLiteral("a&l"), to_));
    bar->addWidget(to_);
    bar->addSpacing(12);
    bar->addWidget(labelled(QStringLiteral("Cla&sse"), class_));
    bar->addWidget(class_);
    bar->addWidget(labelled(QStringLiteral("Al&unno"), pupil_));
    bar->addWidget(pupil_, 1);
    column->addLayout(bar);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    column->addWidget(status_);

    tabs_ = new QTabWidget(this);
    pupils_ = newTable(this, QStringLiteral("alunni"));
    pupils_->setSortingEnabled(true);
    weeks_ = newTable(this, QStringLiteral("settimane"));
    errors_ = newTable(this, QStringLiteral("errori"));
    errors_->horizontalHeader()->setStretchLastSection(false);
    sentences_ = newTable(this, QStringLiteral("frasi"));
    tabs_->addTab(pupils_, QStringLiteral("Alunni"));
    tabs_->addTab(weeks_, QStringLiteral("Settimane"));
    tabs_->addTab(errors_, QStringLiteral("Errori per domanda"));
    tabs_->addTab(sentences_, QStringLiteral("Frasi più sbagliate"));
    column->addWidget(tabs_, 1);

    problemList_ = new QListWidget(this);
    problemList_->setObjectName(QStringLiteral("problemi"));
    problemList_->setAccessibleName(QStringLiteral("File con problemi"));
    problemList_->setMaximumHeight(fontMetrics().height() * 5);
    problemList_->hide();
    column->addWidget(problemList_);

    auto *bottom = new QHBoxLayout;
    auto *csv = button(QStringLiteral("Esporta &CSV…"), this);
    auto *pdf = button(QStringLiteral("Stampa &PDF…"), this);
    auto *close = button(QStringLiteral("Chiudi"), this);
    bottom->addWidget(csv);
    bottom->addWidget(pdf);
    bottom->addStretch(1);
    bottom->addWidget(close);
    column->addLayout(bottom);

    connect(import, &QPushButton::clicked, this, [this] {
        const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
        const QStringList paths = QFileDialog::getOpenFileNames(this, QStringLiteral("Importa i file dei risultati"),
                                                                home, QStringLiteral("Risultati (*.json);;Tutti i file (*)"));
        if (!paths.isEmpty())
            importFiles(paths);
    });
    connect(again, &QPushButton::clicked, this, &ClassResultsWindow::reload);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    const auto save = [this](const QString &title, const QString &suffix, auto write) {
        const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString suggested = QStringLiteral("%1/risultati-della-classe-%2.%3")
                                      .arg(home, QDate::currentDate().toString(Qt::ISODate), suffix);
        const QString path = QFileDialog::getSaveFileName(this, title, suggested,
                                                          suffix.toUpper() + QStringLiteral(" (*.") + suffix + ')');
        QString error;
        if (!path.isEmpty() && !write(path, error))
            QMessageBox::warning(this, title, error);
    };
    connect(csv, &QPushButton::clicked, this, [this, save] {
        save(QStringLiteral("Esporta per il foglio di calcolo"), QStringLiteral("csv"),
             [this](const QString &p, QString &e) { return exportCsv(p, e); });
    });
    connect(pdf, &QPushButton::clicked, this, [this, save] {
        save(QStringLiteral("Stampa in PDF"), QStringLiteral("pdf"),
             [this](const QString &p, QString &e) { return printPdf(p, e); });
    });
    for (QDateEdit *d : {from_, to_})
        connect(d, &QDateEdit::dateChanged, this, [this] { refresh(); });
    connect(class_, &QComboBox::currentIndexChanged, this, [this] {
        if (filling_)
            return;
        fillPupils();
        refresh();
    });
    connect(pupil_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });

    const QRect room = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(room.width() - 20, 1300), std::min(room.height() - 40, 860));
    reload();
}

ClassResultsWindow::~ClassResultsWindow() = default;

void ClassResultsWindow::importFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        files_.push_back(std::make_unique<ResultsFileSource>(path));
    reload();
}

void ClassResultsWindow::reload()
{
    std::vector<history::ClassResultsSource *> configured;
    for (const auto &s : configured_)
        configured.push_back(s.get());
    Gathered g = gather(configured);
    // The files on every core, each on its own: a class's year is thirty
    // files of a megabyte. The sources configured stay on this thread (a
    // server's connection belongs to the thread that opened it).
    struct Read {
        std::vector<history::PupilSeries> series;
        QStringList problems;
    };
    QList<history::ClassResultsSource *> files;
    for (const auto &f : files_)
        files << f.get();
    const std::function<Read(history::ClassResultsSource *)> readOne = [](history::ClassResultsSource *file) {
        Read r;
        r.series = file->read(r.problems);
        return r;
    };
    QList<Read> read = QtConcurrent::blockingMapped<QList<Read>>(files, readOne);
    for (Read &r : read)
        g.add(std::move(r.series), r.problems);
    series_ = std::move(g.series);
    problems_ = std::move(g.problems);
    repeated_ = g.repeated;
    // The dates span everything read; the teacher narrows them.
    std::int64_t first = 0, last = 0;
    for (const history::PupilSeries &s : series_) {
        first = first == 0 ? s.closedAt : std::min(first, s.closedAt);
        last = std::max(last, s.closedAt);
    }
    filling_ = true;
    if (last != 0)
        setDates(QDateTime::fromMSecsSinceEpoch(first).date(), QDateTime::fromMSecsSinceEpoch(last).date());
    fillClasses();
    fillPupils();
    filling_ = false;
    showProblems();
    refresh();
}

void ClassResultsWindow::setDates(QDate from, QDate to)
{
    const bool was = filling_;
    filling_ = true;
    from_->setDate(from);
    to_->setDate(to);
    filling_ = was;
    refresh();
}

void ClassResultsWindow::fillClasses()
{
    const QString chosen = class_->currentData().toString();
    std::set<QString> names;
    for (const history::Pupil &p : classLists_)
        names.insert(p.className);
    for (const history::PupilSeries &s : series_)
        if (!s.className.isEmpty())
            names.insert(s.className);
    const bool was = filling_;
    filling_ = true;
    class_->clear();
    class_->addItem(QStringLiteral("Tutte le classi"), QString());
    for (const QString &n : names)
        class_->addItem(n, n);
    class_->setCurrentIndex(std::max(0, class_->findData(chosen)));
    filling_ = was;
}

void ClassResultsWindow::fillPupils()
{
    const QStringList chosen = pupil_->currentData().toStringList();
    Filter byClass = filter();
    byClass.pupil.clear();
    byClass.from = byClass.to = QDate();
    if (!class_->currentData().toString().isEmpty())
        byClass.className = class_->currentData().toString();
    std::set<std::pair<QString, QString>> names;  // name, class
    for (const history::PupilSeries &s : series_)
        if (passes(s, byClass))
            names.insert({s.pupil, s.className});
    const bool was = filling_;
    filling_ = true;
    pupil_->clear();
    pupil_->addItem(QStringLiteral("Tutti gli alunni"), QStringList());
    for (const auto &[name, cls] : names)
        pupil_->addItem(cls.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, cls), QStringList{cls, name});
    pupil_->setCurrentIndex(std::max(0, pupil_->findData(chosen)));
    filling_ = was;
}

Filter ClassResultsWindow::filter() const
{
    Filter f;
    f.from = from_->date();
    f.to = to_->date();
    f.className = class_->currentData().toString();
    for (const history::Pupil &p : classLists_)
        if (p.className == f.className)
            f.classPupils << p.name;
    const QStringList who = pupil_->currentData().toStringList();
    if (who.size() == 2) {
        f.pupil = who[1];
        if (!who[0].isEmpty())
            f.className = who[0];
    }
    return f;
}

void ClassResultsWindow::chooseClass(const QString &className)
{
    class_->setCurrentIndex(std::max(0, class_->findData(className)));
}

void ClassResultsWindow::choosePupil(const QString &className, const QString &pupil)
{
    pupil_->setCurrentIndex(pupil.isEmpty() ? 0 : std::max(0, pupil_->findData(QStringList{className, pupil})));
}

void ClassResultsWindow::refresh()
{
    if (filling_)
        return;
    summary_ = summarize(series_, filter());
    QString text = QStringLiteral("%1 alunni, %2 serie, %3 risposte, %4 sbagliate.")
                       .arg(number(int(summary_.pupils.size())), number(summary_.all.series),
                            number(summary_.all.answers), percent(summary_.all.wrong, summary_.all.answers));
    if (series_.empty())
        text = QStringLiteral("Nessuna serie da mostrare: importa i file dei risultati degli alunni "
                              "(«Importa file dei risultati…»).");
    if (repeated_ > 0)
        text += QStringLiteral(" %1 serie già presenti sono state contate una volta sola.").arg(number(repeated_));
    status_->setText(text);
    fillTables();
}

void ClassResultsWindow::fillTables()
{
    showTable(pupils_, pupilTable(summary_));
    showTable(weeks_, weekTable(summary_));
    showTable(errors_, errorTable(summary_));
    showTable(sentences_, sentenceTable(summary_));
    pupils_->setSortingEnabled(true);
}

void ClassResultsWindow::showProblems()
{
    problemList_->clear();
    problemList_->addItems(problems_);
    problemList_->setVisible(!problems_.isEmpty());
}

bool ClassResultsWindow::exportCsv(const QString &path, QString &error) const
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(classCsv(summary_)) >= 0 && file.commit())
        return true;
    error = QStringLiteral("Non riesco a scrivere %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

QString ClassResultsWindow::report() const
{
    const Filter f = filter();
    QString who = f.pupil.isEmpty() ? (f.className.isEmpty() ? QStringLiteral("tutte le classi")
                                                              : QStringLiteral("classe %1").arg(f.className))
                                    : f.pupil;
    QString html = QStringLiteral("<html><body style=\"font-family: Arial; font-size: 10pt\">"
                                  "<h2>Risultati della classe: %1, dal %2 al %3</h2><p>%4</p>")
                       .arg(who.toHtmlEscaped(), day(f.from), day(f.to), status_->text().toHtmlEscaped());
    html += htmlTable(QStringLiteral("Alunni"), pupilTable(summary_));
    html += htmlTable(QStringLiteral("Settimane"), weekTable(summary_));
    html += htmlTable(QStringLiteral("Errori per domanda"), errorTable(summary_));
    html += htmlTable(QStringLiteral("Frasi più sbagliate"), sentenceTable(summary_));
    if (!problems_.isEmpty()) {
        html += QStringLiteral("<h3>File con problemi</h3><ul>");
        for (const QString &p : problems_)
            html += QStringLiteral("<li>%1</li>").arg(p.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    }
    return html + QStringLiteral("</body></html>");
}

bool ClassResultsWindow::printPdf(const QString &path, QString &error) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Risultati della classe"));
    QTextDocument doc;
    doc.setHtml(report());
    doc.print(&printer);
    if (printer.printerState() == QPrinter::Error || !QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        error = QStringLiteral("Non riesco a scrivere il PDF %1.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

Sources schoolServer()
{
    QStringList problems;
    const history::ServerSettings settings = history::readServerSettings(history::serverSettingsFile(), problems);
    for (const QString &p : problems)
        qWarning("%s", qPrintable(p));
    Sources out;
    if (settings.configured())
        out.push_back(std::make_unique<history::ServerResults>(settings));
    return out;
}

void showClassResults(QWidget *parent, const std::function<Sources()> &configured)
{
    const history::ClassLists lists = history::readClassLists();
    ClassResultsWindow window(configured ? configured() : Sources{}, lists.pupils, parent);
    window.exec();
}

}  // namespace results
