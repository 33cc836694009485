#include "editor_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <utility>
#include <QVBoxLayout>

#include "guide_window.h"
#include "feature_panel.h"
#include "feature_proposal.h"
#include "feature_table.h"
#include "part_of_speech_style.h"
#include "unit_editing.h"
#include "unit_row.h"
#include "word_column_preview.h"
#include "results/class_results_window.h"

namespace editor {

namespace collection = engine::collection;

namespace {

const QString kFirstFile = QStringLiteral("Le mie frasi.txt");

std::vector<collection::Unit> plainUnits(const std::vector<ProposedUnit> &units)
{
    std::vector<collection::Unit> out;
    for (const auto &u : units)
        out.push_back(u.unit);
    return out;
}

// The sentence as typed: units joined by spaces, a verb split before its
// pronoun ("mostrar-" | "ci") and an elision joined again.
QString sentenceText(const std::vector<collection::Unit> &units)
{
    static const QRegularExpression hint(QStringLiteral("\\s*\\(\\.\\.\\.[^)]*\\)"));  // "così (...che )"
    QString text;
    for (const auto &u : units) {
        const QString t = QString::fromStdString(u.text).remove(hint);
        if (text.endsWith(QLatin1Char('-')))
            text.chop(1);
        else if (!text.isEmpty() && !text.endsWith(QLatin1Char('\'')))
            text += QLatin1Char(' ');
        text += t;
    }
    return text;
}

// The words of a line that could not be read, without its analyses: what
// to analyse again ("I = art | bambini = nomee" -> "I bambini").
QString wordsOfRawLine(const QString &raw)
{
    QStringList words;
    for (const QString &unit : raw.split(QLatin1Char('|')))
        words << unit.section(QLatin1Char('='), 0, 0).trimmed();
    words.removeAll(QString());
    return words.join(QLatin1Char(' '));
}

// "1 parte", "3 parti".
QString partsCount(std::size_t n)
{
    return n == 1 ? QStringLiteral("1 parte") : QStringLiteral("%1 parti").arg(n);
}

QString messagesText(const std::vector<collection::Message> &messages)
{
    QStringList out;
    for (const auto &m : messages)
        out << QString::fromStdString(m.text);
    return out.join(QStringLiteral("; "));
}

}  // namespace

EditorWindow::EditorWindow(QString folder, std::unique_ptr<SentenceProposer> proposer, QString analyserNote,
                           QWidget *parent)
    : QMainWindow(parent), folder_(std::move(folder)), service_(std::make_unique<ProposalService>(std::move(proposer)))
{
    auto *central = new QWidget(this);
    auto *outer = new QHBoxLayout(central);
    auto *splitter = new QSplitter(Qt::Horizontal, central);
    outer->addWidget(splitter);

    // Left: the collection and its sentences.
    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    auto *fileLabel = new QLabel(QStringLiteral("&Raccolta:"), left);
    files_ = new QComboBox(left);
    files_->setObjectName(QStringLiteral("raccolte"));
    fileLabel->setBuddy(files_);
    leftLayout->addWidget(fileLabel);
    leftLayout->addWidget(files_);
    onlyThese_ = new QCheckBox(QStringLiteral("Solo queste frasi\n(senza le 33 frasi del programma)"), left);
    leftLayout->addWidget(onlyThese_);
    auto *listLabel = new QLabel(QStringLiteral("&Elenco delle frasi:"), left);
    list_ = new QListWidget(left);
    listLabel->setBuddy(list_);
    list_->setWordWrap(true);
    leftLayout->addWidget(listLabel);
    leftLayout->addWidget(list_, 1);

    // Middle: the sentence being edited.
    auto *middle = new QWidget(splitter);
    auto *mid = new QVBoxLayout(middle);
    auto *textLabel = new QLabel(QStringLiteral("&Testo della frase (si possono incollare più frasi):"), middle);
    text_ = new QLineEdit(middle);
    text_->setPlaceholderText(QStringLiteral("Scrivere o incollare qui una frase, poi premere Invio o «Analizza»"));
    textLabel->setBuddy(text_);
    auto *analyse = new QPushButton(QStringLiteral("&Analizza"), middle);
    auto *textRow = new QHBoxLayout;
    textRow->addWidget(text_, 1);
    textRow->addWidget(analyse);
    mid->addWidget(textLabel);
    mid->addLayout(textRow);
    auto *partsLabel =
        new QLabel(QStringLiteral("Parti (clic o tasti 1..9 per la parte del discorso, D N T M F S P per le "
                                  "caratteristiche; ? = da controllare):"),
                   middle);
    partsLabel->setWordWrap(true);
    mid->addWidget(partsLabel);
    row_ = new UnitRow(middle);
    auto *scroll = new QScrollArea(middle);
    scroll->setWidget(row_);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(110);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mid->addWidget(scroll);
    features_ = new FeaturePanel(middle);
    mid->addWidget(features_);
    auto *join = new QPushButton(QStringLiteral("&Unisci con la successiva"), middle);
    auto *split = new QPushButton(QStringLiteral("&Dividi in due"), middle);
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(join);
    editRow->addWidget(split);
    editRow->addStretch(1);
    mid->addLayout(editRow);
    validation_ = new QLabel(middle);
    validation_->setWordWrap(true);
    mid->addWidget(validation_);
    // The nine parts of speech in the drill's colours, three to a row.
    auto *legend = new QGridLayout;
    for (int code = 1; code <= 9; ++code) {
        auto *item = new QLabel(QStringLiteral("%1  %2").arg(code).arg(partOfSpeechName(code).section(QLatin1Char(' '), 0, 0)),
                                middle);
        item->setToolTip(partOfSpeechName(code));
        item->setStyleSheet(QStringLiteral("background: %1; color: black; padding: 2px 6px;")
                                .arg(partOfSpeechColour(code).name()));
        legend->addWidget(item, (code - 1) / 3, (code - 1) % 3);
    }
    mid->addLayout(legend);
    mid->addStretch(1);

    // Right: the preview.
    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(new QLabel(QStringLiteral("Come la vedrà l'alunno:"), right));
    preview_ = new WordColumnPreview(right);
    // On a small screen the preview scrolls rather than push the window
    // past the screen's edge.
    auto *previewScroll = new QScrollArea(right);
    previewScroll->setWidget(preview_);
    previewScroll->setFrameShape(QFrame::NoFrame);
    previewScroll->setMinimumWidth(160);
    previewScroll->setMaximumSize(preview_->size() + QSize(previewScroll->frameWidth() * 2, previewScroll->frameWidth() * 2));
    rightLayout->addWidget(previewScroll, 1);

    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(central);

    analyserState_ = new QLabel(analyserNote.isEmpty() ? QStringLiteral("Analizzatore pronto.") : analyserNote, this);
    analyserState_->setWordWrap(true);
    statusBar()->addPermanentWidget(analyserState_, 1);
    // Shown when an analysis takes long enough to be noticed.
    working_ = new QWidget(this);
    auto *workingLayout = new QHBoxLayout(working_);
    workingLayout->setContentsMargins(0, 0, 0, 0);
    workingLayout->addWidget(new QLabel(QStringLiteral("Analisi in corso…"), working_));
    auto *bar = new QProgressBar(working_);
    bar->setRange(0, 0);  // no end known: a moving bar
    bar->setMaximumWidth(120);
    bar->setAccessibleName(QStringLiteral("Analisi in corso"));
    workingLayout->addWidget(bar);
    statusBar()->addWidget(working_);
    working_->hide();
    workingDelay_ = new QTimer(this);
    workingDelay_->setSingleShot(true);
    workingDelay_->setInterval(250);
    connect(workingDelay_, &QTimer::timeout, working_, &QWidget::show);
    connect(service_.get(), &ProposalService::busyChanged, this, &EditorWindow::setBusy);
    connect(service_.get(), &ProposalService::done, this, &EditorWindow::deliver);
    connect(service_.get(), &ProposalService::stateChanged, analyserState_, &QLabel::setText);

    connect(analyse, &QPushButton::clicked, this, [this] { analyseText(text_->text()); });
    connect(text_, &QLineEdit::returnPressed, this, [this] { analyseText(text_->text()); });
    connect(join, &QPushButton::clicked, this, &EditorWindow::joinSelected);
    connect(split, &QPushButton::clicked, this, &EditorWindow::splitSelected);
    connect(row_, &UnitRow::codeChosen, this, &EditorWindow::setCode);
    connect(list_, &QListWidget::currentRowChanged, this, &EditorWindow::chooseEntry);
    connect(row_, &UnitRow::selectionChanged, this, [this](int i) { features_->showUnit(row_->unitAt(i)); });
    connect(features_, &FeaturePanel::featureToggled, this,
            [this](std::size_t r, int value) { setFeature(row_->selected(), r, value); });
    connect(row_, &UnitRow::featureKey, this, [this](int unit, char key) {
        std::size_t r = 0;
        int value = 0;
        if (const ProposedUnit *u = row_->unitAt(unit); u && featureForKey(key, u->unit.code, u->unit.features, &r, &value))
            setFeature(unit, r, value);
        else if (u && textRowForKey(key, u->unit.code, &r))
            features_->focusText(r);
    });
    // A verb's infinitive typed in the panel: set like a chosen value.
    connect(features_, &FeaturePanel::textChanged, this, [this](std::size_t r, const QString &text) {
        const int unit = row_->selected();
        if (unit < 0 || unit >= int(units_.size()))
            return;
        ProposedUnit &u = units_[std::size_t(unit)];
        if (!withText(&u.unit.features, r, text.toStdString()))
            return;
        u.featuresToCheck = false;
        applyUnits(units_);
        row_->select(unit);
    });
    connect(onlyThese_, &QCheckBox::toggled, this, [this](bool on) {
        doc_.setOnlyThese(on);
        refreshList(current_);
    });
    connect(files_, &QComboBox::activated, this, [this](int i) {
        const QString path = files_->itemData(i).toString();
        refreshFileList();  // shows the open one until the other is open
        openWhenSettled(path);
    });

    buildActions();
    prepareFolder();
    // As large as it was designed, but never past the screen.
    const QSize wanted(1200, 680);
    resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size()) : wanted);
    text_->setFocus();  // typing works at once
}

void EditorWindow::buildActions()
{
    struct Item {
        QMenu *menu;
        QString name;
        QKeySequence keys;
        std::function<void()> run;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu *sentence = menuBar()->addMenu(QStringLiteral("Fra&se"));
    QMenu *parts = menuBar()->addMenu(QStringLiteral("&Parti"));
    const std::vector<Item> items = {
        {file, QStringLiteral("&Apri…"), QKeySequence::Open,
         [this] {
             const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Apri una raccolta di frasi"),
                                                               folder_, QStringLiteral("Frasi (*.txt)"));
             if (!path.isEmpty())
                 openWhenSettled(path);
         }},
        {file, QStringLiteral("&Salva"), QKeySequence::Save, [this] { save(); }},
        {file, QStringLiteral("Salva &con nome…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { saveAs(); }},
        {file, QStringLiteral("&Esci"), QKeySequence(QStringLiteral("Ctrl+Q")), [this] { close(); }},
        {sentence, QStringLiteral("&Nuova frase"), QKeySequence(QStringLiteral("Ctrl+N")), [this] { addEntry(); }},
        {sentence, QStringLiteral("&Incolla più frasi…"), QKeySequence(QStringLiteral("Ctrl+Shift+V")),
         [this] { pasteSentences(); }},
        {sentence, QStringLiteral("&Analizza"), QKeySequence(QStringLiteral("Ctrl+Return")),
         [this] { analyseText(text_->text()); }},
        {sentence, QStringLiteral("&Elimina frase"), QKeySequence(QStringLiteral("Ctrl+Delete")),
         [this] { removeEntry(); }},
        {sentence, QStringLiteral("Sposta &su"), QKeySequence(QStringLiteral("Alt+Up")), [this] { move(true); }},
        {sentence, QStringLiteral("Sposta &giù"), QKeySequence(QStringLiteral("Alt+Down")), [this] { move(false); }},
        {sentence, QStringLiteral("Solo &queste frasi"), QKeySequence(QStringLiteral("Ctrl+L")),
         [this] { onlyThese_->toggle(); }},
        {sentence, QStringLiteral("Vai all'&elenco"), QKeySequence(QStringLiteral("Ctrl+R")),
         [this] { list_->setFocus(); }},
        {sentence, QStringLiteral("Vai al &testo"), QKeySequence(QStringLiteral("Ctrl+E")),
         [this] { text_->setFocus(); }},
        {sentence, QStringLiteral("&Riavvia l'analizzatore"), QKeySequence(QStringLiteral("Ctrl+Shift+R")),
         [this] { restartAnalyser(); }},
        {parts, QStringLiteral("Vai alle &parti"), QKeySequence(QStringLiteral("Ctrl+P")), [this] { row_->setFocus(); }},
        {parts, QStringLiteral("&Unisci con la successiva"), QKeySequence(QStringLiteral("Ctrl+J")),
         [this] { joinSelected(); }},
        {parts, QStringLiteral("&Dividi in due"), QKeySequence(QStringLiteral("Ctrl+D")), [this] { splitSelected(); }},
    };
    for (const Item &item : items) {
        QAction *a = item.menu->addAction(item.name);
        a->setShortcut(item.keys);
        connect(a, &QAction::triggered, this, item.run);
        // Saving and leaving wait for the analysis; the rest would change
        // what it is for.
        if (item.menu != file || item.keys == QKeySequence::Open)
            editingActions_.push_back(a);
        if (item.name.contains(QStringLiteral("Riavvia")))
            a->setEnabled(service_->hasAnalyser());
    }
    // The nine parts of speech, on Alt+1..9 from anywhere and on 1..9 in the
    // row of parts.
    parts->addSeparator();
    for (int code = 1; code <= 9; ++code) {
        QAction *a = parts->addAction(QStringLiteral("%1 %2").arg(code).arg(partOfSpeechName(code)));
        a->setShortcut(QKeySequence(QStringLiteral("Alt+%1").arg(code)));
        connect(a, &QAction::triggered, this, [this, code] { setCode(row_->selected(), code); });
        editingActions_.push_back(a);
    }
    // The class's results, gathered from the school's server, where there is
    // one, and from the files the pupils saved.
    QMenu *classMenu = menuBar()->addMenu(QStringLiteral("&Classe"));
    connect(classMenu->addAction(QStringLiteral("&Risultati della classe…")), &QAction::triggered, this,
            [this] { results::showClassResults(this, results::schoolServer); });
    // The teachers' guide, beside the window (not modal).
    QMenu *help = menuBar()->addMenu(QStringLiteral("A&iuto"));
    QAction *guide = help->addAction(QStringLiteral("&Guida alle raccolte di frasi"));
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, [this] {
        auto *window = findChild<GuideWindow *>();
        if (!window)
            window = new GuideWindow(this);
        window->show();
        window->raise();
        window->activateWindow();
    });
}

void EditorWindow::warn(const QString &text)
{
    // Window-modal but not blocking: the window behind stays as it was.
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Frasi per l'analisi grammaticale"), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void EditorWindow::prepareFolder()
{
    if (!QDir().mkpath(folder_)) {
        warn(QStringLiteral("Impossibile creare la cartella delle raccolte «%1». Le frasi si potranno salvare "
                            "solo in un altro file, con «Salva con nome».")
                 .arg(QDir::toNativeSeparators(folder_)));
        refreshFileList();
        refreshList(-1);
        return;
    }
    const QString first = QDir(folder_).filePath(kFirstFile);
    if (QDir(folder_).entryList({QStringLiteral("*.txt")}, QDir::Files).isEmpty()) {
        QSaveFile f(first);
        const QByteArray header = "# Le mie frasi: una frase per riga, le parti separate da |\n";
        if (!f.open(QIODevice::WriteOnly) || f.write(header) != header.size() || !f.commit())
            warn(QStringLiteral("Impossibile creare «%1»: %2.").arg(kFirstFile, f.errorString()));
    }
    QString open = first;
    if (!QFileInfo::exists(open)) {
        const QStringList all = QDir(folder_).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        open = all.isEmpty() ? QString() : QDir(folder_).filePath(all.first());
    }
    if (open.isEmpty() || !openFile(open)) {
        refreshFileList();
        refreshList(-1);
    }
}

void EditorWindow::refreshFileList()
{
    const QSignalBlocker block(files_);
    files_->clear();
    for (const QFileInfo &f : QDir(folder_).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files_->addItem(f.fileName(), f.absoluteFilePath());
    const QString current = doc_.path().isEmpty() ? QString() : QFileInfo(doc_.path()).absoluteFilePath();
    int at = files_->findData(current);
    if (at < 0 && !current.isEmpty()) {
        files_->addItem(QDir::toNativeSeparators(current), current);
        at = files_->count() - 1;
    }
    if (at < 0) {
        files_->addItem(QStringLiteral("(nuova raccolta, non ancora salvata)"), QString());
        at = files_->count() - 1;
    }
    files_->setCurrentIndex(at);
}

bool EditorWindow::openFile(const QString &path)
{
    CollectionDocument next;
    if (!next.load(path)) {
        warn(next.error());
        return false;
    }
    doc_ = std::move(next);
    current_ = -1;
    refreshFileList();
    refreshList(doc_.entryCount() > 0 ? 0 : -1);
    updateTitle();
    return true;
}

void EditorWindow::openWhenSettled(const QString &path)
{
    // Typed text is analysed first; the file the teacher chose is opened
    // when that is over, not forgotten.
    const auto open = [this, path] {
        if (path != doc_.path() && askToSave())
            openFile(path);
    };
    if (settleText(open))
        open();
}

void EditorWindow::updateTitle()
{
    const QString name = doc_.path().isEmpty() ? QStringLiteral("nuova raccolta") : QFileInfo(doc_.path()).fileName();
    setWindowTitle(QStringLiteral("%1%2 — Frasi per l'analisi grammaticale")
                       .arg(name, doc_.modified() ? QStringLiteral(" *") : QString()));
}

void EditorWindow::refreshList(int select)
{
    // Text typed for this entry and not analysed stays in the field.
    const bool keepTyped = select >= 0 && select == current_ && textPending();
    const QString typed = text_->text();
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (int i = 0; i < doc_.entryCount(); ++i) {
            const auto &line = doc_.entry(i);
            QString label;
            QColor colour;
            if (line.kind == CollectionDocument::Line::Kind::Sentence) {
                label = QStringLiteral("%1. %2\n%3 — valida").arg(i + 1).arg(sentenceText(line.units), partsCount(line.units.size()));
            } else {
                label = QStringLiteral("%1. (riga %2) NON VALIDA: %3\n%4")
                            .arg(i + 1)
                            .arg(doc_.lineNumber(i))
                            .arg(QString::fromStdString(line.problem.text),
                                 QString::fromStdString(line.raw).left(200));
                colour = QColor(0xFF, 0xD0, 0xD0);
            }
            auto *item = new QListWidgetItem(label, list_);
            if (colour.isValid())
                item->setBackground(colour);
        }
        const QSignalBlocker block2(onlyThese_);
        onlyThese_->setChecked(doc_.onlyThese());
    }
    current_ = -1;
    if (select >= 0 && select < doc_.entryCount()) {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(select);
        showEntry(select);
    } else {
        showEntry(-1);
    }
    if (keepTyped)
        text_->setText(typed);
    updateTitle();
}

void EditorWindow::showEntry(int index)
{
    current_ = index;
    units_.clear();
    if (index >= 0 && index < doc_.entryCount()) {
        const auto &line = doc_.entry(index);
        units_ = marks_.recall(line.units);
        text_->setText(line.kind == CollectionDocument::Line::Kind::Sentence || !line.units.empty()
                           ? sentenceText(line.units)
                           : wordsOfRawLine(QString::fromStdString(line.raw)));
    } else {
        text_->clear();
    }
    shownText_ = text_->text();
    row_->setUnits(units_);
    refreshValidation();
}

void EditorWindow::refreshValidation()
{
    QStringList texts;
    for (const auto &u : units_)
        texts << QString::fromStdString(u.unit.text);
    preview_->showUnits(texts);
    if (current_ < 0) {
        validation_->setText(QStringLiteral("Nessuna frase scelta: «Nuova frase» (Ctrl+N) o scegliere una frase "
                                            "dall'elenco."));
        validation_->setStyleSheet(QString());
        return;
    }
    const auto &line = doc_.entry(current_);
    if (units_.empty() && line.kind == CollectionDocument::Line::Kind::Invalid) {
        validation_->setText(QStringLiteral("Riga %1 non valida: %2. Resterà nel file così com'è finché non viene "
                                            "corretta: modificare il testo e premere «Analizza».")
                                 .arg(doc_.lineNumber(current_))
                                 .arg(QString::fromStdString(line.problem.text)));
        validation_->setStyleSheet(QStringLiteral("color: #A00000"));
        return;
    }
    const auto problems = collection::checkUnits(plainUnits(units_));
    int toCheck = 0;
    for (const auto &u : units_)
        toCheck += u.toCheck ? 1 : 0;
    if (problems.empty()) {
        validation_->setText(QStringLiteral("Frase valida: %1.%2")
                                 .arg(partsCount(units_.size()))
                                 .arg(toCheck ? QStringLiteral(" Da controllare (?): %1 con parole sconosciute "
                                                               "all'analizzatore.")
                                                    .arg(partsCount(std::size_t(toCheck)))
                                              : QString()));
        validation_->setStyleSheet(QStringLiteral("color: #006000"));
    } else {
        validation_->setText(QStringLiteral("Frase non valida: %1.").arg(messagesText(problems)));
        validation_->setStyleSheet(QStringLiteral("color: #A00000"));
    }
}

void EditorWindow::applyUnits(const std::vector<ProposedUnit> &units)
{
    units_ = units;
    marks_.remember(units_);
    row_->setUnits(units_);
    if (current_ >= 0 && !units_.empty()) {
        doc_.setUnits(current_, plainUnits(units_));
        const int keep = current_;
        const auto saved = units_;
        refreshList(keep);  // the list's line shows the change
        units_ = saved;     // keeps the marks of what to check
        row_->setUnits(units_);
    }
    refreshValidation();
    updateTitle();
}

QStringList EditorWindow::splitSentences(const QString &text)
{
    QStringList out;
    static const QRegularExpression end(QStringLiteral("(?<=[.!?])\\s+(?=[\"«“(]?[[:upper:]])"));
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]+"))))
        for (const QString &s : line.split(end))
            if (!s.trimmed().isEmpty())
                out << s.trimmed();
    return out;
}

void EditorWindow::analyseText(const QString &text) { analyse(text, {}); }

void EditorWindow::analyse(const QString &text, std::function<void()> then)
{
    if (service_->busy()) {
        afterBusy_.push_back([this, text, then] { analyse(text, then); });
        return;
    }
    const QStringList sentences = splitSentences(text);
    if (sentences.isEmpty()) {
        validation_->setText(QStringLiteral("Il testo è vuoto: non c'è nulla da analizzare."));
        if (then)
            then();
        return;
    }
    request_ = {false, current_, std::move(then)};
    service_->request(sentences);
}

void EditorWindow::deliver(const ProposalService::Proposals &proposals)
{
    const Request r = std::exchange(request_, Request{});
    if (r.paste) {
        const int before = doc_.entryCount();
        int at = doc_.entryCount() - 1;
        for (const auto &units : proposals)
            if (!units.empty()) {
                at = doc_.insertSentence(at, plainUnits(units));
                marks_.remember(units);
            }
        refreshList(before < doc_.entryCount() ? before : at);
    } else {
        bool any = false;
        int at = r.target;
        current_ = r.target;
        for (std::size_t i = 0; i < proposals.size(); ++i) {
            const std::vector<ProposedUnit> &units = proposals[i];
            if (units.empty())
                continue;
            if (!any)
                shownText_ = text_->text();  // analysed: no longer pending
            if (!any && at >= 0) {
                current_ = at;
                applyUnits(units);
            } else {
                at = doc_.insertSentence(at, plainUnits(units));
                marks_.remember(units);
                refreshList(at);
            }
            any = true;
        }
        if (any) {
            row_->setFocus();
        } else {
            validation_->setText(QStringLiteral("Il testo non contiene parole da analizzare."));
            text_->setFocus();
        }
    }
    if (r.then)
        r.then();
    for (auto &f : std::exchange(afterBusy_, {}))
        f();
}

void EditorWindow::setBusy(bool busy)
{
    // Menus, scrolling and repainting go on; what would change the entry
    // being analysed waits.
    centralWidget()->setEnabled(!busy);
    for (QAction *a : editingActions_)
        a->setEnabled(!busy);
    if (busy) {
        workingDelay_->start();
    } else {
        workingDelay_->stop();
        working_->hide();
    }
}

void EditorWindow::restartAnalyser()
{
    analyserState_->setText(QStringLiteral("Riavvio dell'analizzatore…"));
    service_->restartAnalyser();
}

bool EditorWindow::textPending() const
{
    const QString typed = text_->text().trimmed();
    return !typed.isEmpty() && typed != shownText_.trimmed();
}

bool EditorWindow::settleText(std::function<void()> later)
{
    const auto whenBack = [this, later] {
        if (!textPending() || askToDropText())
            later();
    };
    if (service_->busy()) {
        afterBusy_.push_back(whenBack);
        return false;
    }
    if (!textPending())
        return true;
    analyse(text_->text(), {});
    if (service_->busy()) {
        afterBusy_.push_back(whenBack);
        return false;
    }
    return !textPending() || askToDropText();
}

bool EditorWindow::askToDropText()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Testo non analizzato"),
                    QStringLiteral("Il testo «%1» in «Testo della frase» non contiene parole da analizzare e non è "
                                   "diventato una frase. Scartarlo?")
                        .arg(text_->text().trimmed().left(200)),
                    QMessageBox::NoButton, this);
    QPushButton *drop = box.addButton(QStringLiteral("Scarta il testo"), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    if (box.clickedButton() != drop) {
        text_->setFocus();
        return false;
    }
    text_->setText(shownText_);
    return true;
}

void EditorWindow::chooseEntry(int index)
{
    if (index == current_)
        return;
    if (!textPending()) {
        showEntry(index);
        return;
    }
    // The typed text goes into the entry it was typed for, then the chosen
    // one is shown (further down by as many entries as were added).
    const int from = current_;
    const int before = doc_.entryCount();
    {
        const QSignalBlocker block(list_);
        list_->setCurrentRow(from);
    }
    analyse(text_->text(), [this, index, from, before] {
        const int to = from >= 0 && index > from ? index + doc_.entryCount() - before : index;
        if (!textPending() || askToDropText())
            list_->setCurrentRow(to);
    });
}

void EditorWindow::setFeature(int unit, std::size_t row, int value)
{
    if (unit < 0 || unit >= int(units_.size()))
        return;
    ProposedUnit &u = units_[std::size_t(unit)];
    if (!featureTable().at(row).carriedBy(u.unit.code))
        return;
    // A press on a doubtful proposal's own value confirms it; otherwise the
    // press sets the value, or clears it when it was already set.
    if (!(u.featuresToCheck && featureTable()[row].get(u.unit.features) == value))
        u.unit.features = toggled(u.unit.features, row, value);
    u.featuresToCheck = false;
    applyUnits(units_);
    row_->select(unit);
}

void EditorWindow::setCode(int unit, int code)
{
    if (unit < 0 || unit >= int(units_.size()))
        return;
    ProposedUnit &u = units_[std::size_t(unit)];
    u.unit.code = code;
    if (!engine::featuresFit(code, u.unit.features)) {
        u.unit.features = {};
        u.featuresToCheck = false;
    }
    // A noun or adjective without gender and number: the lexicon's, to check.
    if (u.unit.features.isEmpty() && service_->lexicon()) {
        const FeatureProposal p = proposeFeatures(*service_->lexicon(), u.unit.text, code);
        u.unit.features = p.features;
        u.featuresToCheck = !p.features.isEmpty();
    }
    u.toCheck = false;  // the teacher has looked at it
    const int keep = row_->selected();
    applyUnits(units_);
    row_->select(keep);
}

void EditorWindow::joinSelected()
{
    std::vector<collection::Unit> plain = plainUnits(units_);
    const int at = row_->selected();
    if (!joinWithNext(plain, at))
        return;
    std::vector<ProposedUnit> next;
    for (std::size_t i = 0; i < plain.size(); ++i)
        next.push_back({plain[i], int(i) == at ? false : units_[i < std::size_t(at) + 1 ? i : i + 1].toCheck});
    applyUnits(next);
    row_->select(at);
}

void EditorWindow::splitSelected()
{
    std::vector<collection::Unit> plain = plainUnits(units_);
    const int at = row_->selected();
    if (!split(plain, at)) {
        validation_->setText(QStringLiteral("Questa parte non si può dividere: è una sola parola."));
        return;
    }
    std::vector<ProposedUnit> next;
    for (std::size_t i = 0; i < plain.size(); ++i)
        next.push_back({plain[i], false});
    applyUnits(next);
    row_->select(at);
}

void EditorWindow::addEntry()
{
    if (!settleText([this] { addEntry(); }))
        return;
    current_ = -1;
    {
        // No current row either: a click on the sentence that was current
        // must still choose it.
        const QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
    }
    showEntry(-1);
    text_->setFocus();
    validation_->setText(QStringLiteral("Scrivere la nuova frase e premere Invio per analizzarla."));
}

void EditorWindow::pasteSentences()
{
    if (!settleText([this] { pasteSentences(); }))
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Incolla più frasi"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Incollare qui le frasi: una per riga, oppure un paragrafo "
                                                "(viene diviso ai punti). Ognuna diventa una frase nuova, analizzata."),
                                 &dialog));
    auto *edit = new QPlainTextEdit(&dialog);
    layout->addWidget(edit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aggiungi le frasi"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    edit->paste();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList sentences = splitSentences(edit->toPlainText());
    if (sentences.isEmpty() || service_->busy())
        return;
    current_ = -1;
    request_ = {true, -1, {}};
    service_->request(sentences);
}

void EditorWindow::removeEntry()
{
    if (current_ < 0)
        return;
    const auto &line = doc_.entry(current_);
    if (line.kind == CollectionDocument::Line::Kind::Invalid) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Elimina frase"),
                        QStringLiteral("Eliminare la riga non valida %1? Il suo testo andrà perso.")
                            .arg(doc_.lineNumber(current_)),
                        QMessageBox::NoButton, this);
        QPushButton *yes = box.addButton(QStringLiteral("Elimina"), QMessageBox::DestructiveRole);
        box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() != yes)
            return;
    }
    const int at = current_;
    shownText_ = text_->text();  // what was typed for it goes with it
    doc_.remove(at);
    refreshList(std::min(at, doc_.entryCount() - 1));
}

void EditorWindow::move(bool up)
{
    if (current_ < 0 || !settleText([this, up] { move(up); }))
        return;
    const int at = current_;
    if (up ? doc_.moveUp(at) : doc_.moveDown(at))
        refreshList(up ? at - 1 : at + 1);
}

bool EditorWindow::save()
{
    if (!settleText([this] { save(); }))
        return false;
    if (doc_.path().isEmpty())
        return saveAs();
    auto result = doc_.save();
    if (result == CollectionDocument::SaveResult::ChangedOnDisk) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("File modificato"),
                        doc_.error() + QStringLiteral(" Salvando qui si perderebbero quelle modifiche."),
                        QMessageBox::NoButton, this);
        QPushButton *overwrite = box.addButton(QStringLiteral("Sovrascrivi"), QMessageBox::DestructiveRole);
        QPushButton *other = box.addButton(QStringLiteral("Salva con nome…"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() == other)
            return saveAs();
        if (box.clickedButton() != overwrite)
            return false;
        result = doc_.save(QString(), true);
    }
    if (result != CollectionDocument::SaveResult::Saved) {
        warn(doc_.error());
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Salvato: %1").arg(QDir::toNativeSeparators(doc_.path())), 5000);
    updateTitle();
    return true;
}

bool EditorWindow::saveAs()
{
    if (!settleText([this] { saveAs(); }))
        return false;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva la raccolta con nome"),
                                                      doc_.path().isEmpty() ? folder_ : doc_.path(),
                                                      QStringLiteral("Frasi (*.txt)"));
    if (path.isEmpty())
        return false;
    if (doc_.save(path, true) != CollectionDocument::SaveResult::Saved) {
        warn(doc_.error());
        return false;
    }
    refreshFileList();
    updateTitle();
    return true;
}

bool EditorWindow::askToSave()
{
    if (!doc_.modified())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Modifiche non salvate"),
                    QStringLiteral("La raccolta «%1» ha modifiche non salvate. Salvarle?")
                        .arg(doc_.path().isEmpty() ? QStringLiteral("nuova") : QFileInfo(doc_.path()).fileName()),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(QStringLiteral("Salva"), QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(QStringLiteral("Non salvare"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() == yes)
        return save();
    return box.clickedButton() == no;
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!settleText([this] { close(); })) {
        event->ignore();
        return;
    }
    if (askToSave())
        event->accept();
    else
        event->ignore();
}

}  // namespace editor
