#include "progress_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QSqlDatabase>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "../layouts/control_spec.h"
#include "../layouts/design_widgets.h"
#include "../windows/results_window.h"

namespace history {

namespace {

const QColor kPlotBackground(0x40, 0x44, 0x55);  // dark, so the buttons' light colours stand out

const layout::ControlSpec *answerButton(const char *name) { return layout::findControl(layout::exerciseLayout(), name); }

QColor buttonColour(const char *name)
{
    const layout::ControlSpec *b = answerButton(name);
    return b && b->back != layout::kStandard ? layout::toColor(b->back) : QColor(Qt::lightGray);
}

// The categories of WeekShares as the pupil reads them, with their colours.
struct Category {
    QString name;
    QColor colour;
};
Category category(int c)
{
    if (c < 9) {
        const std::string button = "Com(" + std::to_string(c + 1) + ")";
        const layout::ControlSpec *b = answerButton(button.c_str());
        // "Avverbio e locuzione avv." and the like: the first word is enough here.
        const QString caption = b ? QString::fromUtf8(b->caption).simplified().section(QLatin1Char(' '), 0, 0) : QString();
        return {caption, buttonColour(button.c_str())};
    }
    static const char *const names[] = {"Tipo di articolo", "Genere", "Numero", "Analisi del verbo"};
    static const char *const buttons[] = {"art(1)", "Masfem(1)", "Singplu(1)", "Com(5)"};
    if (c == 13)
        return {QStringLiteral("Tipo e grado"), QColor(0x008080)};  // a hue no button has
    return {QString::fromUtf8(names[c - 9]), buttonColour(buttons[c - 9])};
}

QFont big(int points, bool bold = false)
{
    QFont f(QStringLiteral("Arial"), points);
    f.setBold(bold);
    return f;
}

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(big(15, true));
    chart->setPlotAreaBackgroundBrush(kPlotBackground);
    chart->setPlotAreaBackgroundVisible(true);
    chart->legend()->setFont(big(11));
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

void styleAxis(QAbstractAxis *axis, int points = 11)
{
    axis->setLabelsFont(big(points));
    axis->setTitleFont(big(11, true));
    axis->setGridLineColor(QColor(0x70, 0x74, 0x88));
}

QWidget *panel(QChart *chart, const QString &caption, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *view = new QChartView(chart, box);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 200);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(caption);
    column->addWidget(view, 1);
    auto *text = new QLabel(caption, box);
    text->setWordWrap(true);
    text->setFont(big(12));
    column->addWidget(text);
    return box;
}

QWidget *gradesPanel(const Progress &p, QWidget *parent)
{
    QChart *chart = newChart(QStringLiteral("I voti delle serie, giorno per giorno"));
    auto *bars = new QStackedBarSeries;
    QStringList days;
    for (const DayGrades &d : p.days)
        days << d.day.toString(QStringLiteral("d"));
    int most = 1;
    for (const DayGrades &d : p.days) {
        int sum = 0;
        for (int g = 1; g <= 5; ++g)
            sum += d.series[std::size_t(g)];
        most = std::max(most, sum);
    }
    for (int g = 5; g >= 1; --g) {
        auto *set = new QBarSet(classificaform::gradeWord(g).remove(QLatin1Char('!')).trimmed());
        set->setColor(layout::toColor(classificaform::gradeColour(g)));
        set->setBorderColor(set->color().darker(140));
        for (const DayGrades &d : p.days)
            *set << d.series[std::size_t(g)];
        bars->append(set);
    }
    chart->addSeries(bars);
    auto *x = new QBarCategoryAxis;
    x->append(days);
    // The day of the month under each column; the months in the axis' title.
    if (!p.days.empty())
        x->setTitleText(QStringLiteral("giorni dal %1 al %2")
                            .arg(p.days.front().day.toString(QStringLiteral("d/M")),
                                 p.days.back().day.toString(QStringLiteral("d/M"))));
    auto *y = new QValueAxis;
    y->setRange(0, most);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(std::min(most, 5) + 1);
    y->setTitleText(QStringLiteral("serie"));
    styleAxis(x, 10);
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);
    // Below the columns, so that two weeks of them have room on a small screen.
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(big(10));
    const QString caption = p.days.empty()
        ? QStringLiteral("Qui vedrai, giorno per giorno, i voti delle tue serie di 20 risposte.")
        : QStringLiteral("Ogni colonna è un giorno in cui hai finito almeno una serie (gli ultimi %1): "
                         "i colori sono i voti, dal giallo di «ottimo» al rosso di «occorre esercitarsi».")
              .arg(p.days.size());
    return panel(chart, caption, parent);
}

QWidget *sharesPanel(const Progress &p, QWidget *parent)
{
    QChart *chart = newChart(QStringLiteral("Errori per settimana"));
    QStringList weeks;
    for (const WeekShares &w : p.weeks)
        weeks << w.monday.toString(QStringLiteral("d"));
    auto *x = new QBarCategoryAxis;
    x->append(weeks);
    if (!p.weeks.empty())  // none when the history could not be read
        x->setTitleText(QStringLiteral("settimane, dal lunedì %1 al lunedì %2")
                            .arg(p.weeks.front().monday.toString(QStringLiteral("d/M")),
                                 p.weeks.back().monday.toString(QStringLiteral("d/M"))));
    chart->legend()->setFont(big(10));
    auto *y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d%%"));
    y->setTickCount(6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    styleAxis(x, 10);
    styleAxis(y);
    bool any = false;
    for (int c = 0; c < kShareCategories; ++c) {
        const Category cat = category(c);
        auto *line = new QLineSeries;
        auto *dots = new QScatterSeries;
        for (int w = 0; w < int(p.weeks.size()); ++w) {
            const WeekShares &s = p.weeks[std::size_t(w)];
            if (s.answers[std::size_t(c)] == 0)
                continue;
            const double share = 100.0 * s.wrong[std::size_t(c)] / s.answers[std::size_t(c)];
            line->append(w, share);
            dots->append(w, share);
        }
        if (line->count() == 0) {
            delete line;
            delete dots;
            continue;
        }
        any = true;
        line->setName(cat.name);
        line->setPen(QPen(cat.colour, 3));
        dots->setColor(cat.colour);
        dots->setBorderColor(cat.colour);
        dots->setMarkerSize(9);
        for (QXYSeries *s : {static_cast<QXYSeries *>(line), static_cast<QXYSeries *>(dots)}) {
            chart->addSeries(s);
            s->attachAxis(x);
            s->attachAxis(y);
        }
        chart->legend()->markers(dots).front()->setVisible(false);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    const QString caption = any
        ? QStringLiteral("Per ogni parte del discorso (e per tipo, genere e numero), quante risposte su 100 "
                         "erano sbagliate in ciascuna delle ultime %1 settimane: più la linea scende, meglio va.")
              .arg(kWeeks)
        : QStringLiteral("Qui vedrai, settimana per settimana, quante risposte sbagli per ogni parte del discorso.");
    return panel(chart, caption, parent);
}

QWidget *bestTimePanel(const Progress &p, QWidget *parent)
{
    QChart *chart = newChart(QStringLiteral("Il tuo tempo migliore in una serie senza errori"));
    auto *line = new QLineSeries;
    line->setPen(QPen(buttonColour("Com10"), 3));
    line->setPointsVisible(true);
    for (const BestTime &b : p.bestTimes)
        line->append(double(b.day.startOfDay().toMSecsSinceEpoch()), b.seconds);
    if (!p.bestTimes.empty())  // the best time holds until today
        line->append(double(QDate::currentDate().startOfDay().toMSecsSinceEpoch()), p.bestTimes.back().seconds);
    chart->addSeries(line);
    chart->legend()->hide();
    auto *x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("d/M/yy"));
    x->setTickCount(5);
    auto *y = new QValueAxis;
    y->setLabelFormat(QStringLiteral("%d s"));
    double top = 60;
    for (const BestTime &b : p.bestTimes)
        top = std::max(top, b.seconds);
    y->setRange(0, top * 1.1);
    y->setTickCount(5);
    styleAxis(x);
    styleAxis(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
    const QString caption = p.bestTimes.empty()
        ? QStringLiteral("Qui vedrai il tuo tempo migliore quando finirai una serie senza errori.")
        : QStringLiteral("Ogni punto è un giorno in cui hai battuto il tuo record: ora è %1 secondi. "
                         "Più la linea scende, più sei veloce.")
              .arg(QLocale().toString(p.bestTimes.back().seconds, 'f', 1));
    return panel(chart, caption, parent);
}

QWidget *missedPanel(const Progress &p, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    auto *title = new QLabel(QStringLiteral("Le parole che sbagli più spesso"), box);
    title->setFont(big(15, true));
    title->setAlignment(Qt::AlignHCenter);
    column->addWidget(title);
    for (const MissedUnit &m : p.missed) {
        const Category right = category(m.rightCode >= 1 && m.rightCode <= 9 ? m.rightCode - 1 : 0);
        auto *row = new QLabel(box);
        row->setFont(big(14));
        row->setTextFormat(Qt::RichText);
        const QString part = m.rightCode >= 1 && m.rightCode <= 9 ? right.name.toHtmlEscaped() : QStringLiteral("?");
        row->setText(QStringLiteral("<b>«%1»</b> è <span style=\"background:%2\">&nbsp;%3&nbsp;</span> "
                                    "&nbsp;(sbagliata %4 %5)")
                         .arg(m.text.toHtmlEscaped(), right.colour.name(), part)
                         .arg(m.wrong)
                         .arg(m.wrong == 1 ? QStringLiteral("volta") : QStringLiteral("volte")));
        row->setAccessibleName(QStringLiteral("%1 è %2, sbagliata %3 volte").arg(m.text, part).arg(m.wrong));
        column->addWidget(row);
    }
    column->addStretch(1);
    auto *text = new QLabel(p.missed.empty()
                                ? QStringLiteral("Negli ultimi tre mesi non hai sbagliato nessuna parola.")
                                : QStringLiteral("Le parole su cui hai sbagliato più risposte negli ultimi tre "
                                                 "mesi, con la parte del discorso giusta."),
                            box);
    text->setWordWrap(true);
    text->setFont(big(12));
    column->addWidget(text);
    return box;
}

}  // namespace

ProgressWindow::ProgressWindow(const Progress &progress, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("I miei progressi"));
    setModal(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(gradesPanel(progress, this), 0, 0);
    grid->addWidget(sharesPanel(progress, this), 0, 1);
    grid->addWidget(bestTimePanel(progress, this), 1, 0);
    grid->addWidget(missedPanel(progress, this), 1, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto *close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("chiudi"));
    close->setFont(big(13, true));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // A row of its own, so other parts can put their buttons beside Chiudi.
    auto *buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("pulsanti"));
    buttons->addStretch(1);
    buttons->addWidget(close);
    grid->addLayout(buttons, 2, 0, 1, 2);
    // As large as the screen allows, never past it.
    const QRect room = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(room.width() - 20, 1300), std::min(room.height() - 40, 860));
}

void showProgress(const QString &path, QWidget *parent) { showProgress(path, parent, {}); }

void showProgress(const QString &path, QWidget *parent, const std::function<void(ProgressWindow &)> &extend)
{
    Progress progress;
    const QString name = QStringLiteral("progressi");
    if (QFileInfo::exists(path)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (db.open())
            progress = readProgress(db, QDate::currentDate());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    ProgressWindow window(progress, parent);
    if (extend)
        extend(window);
    window.exec();
}

}  // namespace history
