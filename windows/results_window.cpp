#include "results_window.h"

#include <QCloseEvent>
#include <QLocale>

#include "../layouts/layout_builder.h"

namespace {

struct Grade {
    const char *word;
    int colour;
    const char *dotRow;
    const char *levelLabel;  // heads the row of dots
};

// Indexed by grade; row 0 is the state before any series has ended.
constexpr Grade kGrades[] = {
    {"", 0, "", ""},
    {"occorre esercitarsi", 0xFF8080, "ShOccorre", "LbOccorre"},
    {"sufficiente", 0xC0FFFF, "ShSufficiente", "LbSufficiente"},
    {"buono!", 0x80FF80, "ShBuono", "LbBuono"},
    {"distinto!! ", 0x00C000, "ShDistinto", "LbDistinto"},
    {"ottimo!!!", 0xFFFF00, "ShOttimo", "LbOttimo"},
};

bool isGrade(int g) { return g >= 1 && g <= 5; }

}  // namespace

classificaform::classificaform(engine::DrillState &state, const engine::Clock &clock,
                               Opening opening, QWidget *owner)
    : QDialog(owner), state_(state), clock_(clock), opening_(opening)
{
    // A title bar without a close button: the window is left through PROSEGUI.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    layout::build(layout::resultsLayout(), this);
    setFixedSize(size());
    layout::placeAtDesignPlace(layout::resultsLayout(), this);
    using layout::control;
    RISULTATO = control<layout::Label>(this, "RISULTATO");
    LbNuovoRecord = control<layout::Label>(this, "LbNuovoRecord");
    LbTrecord = control<layout::Label>(this, "LbTrecord");
    Command1 = control<layout::Button>(this, "Command1");
    for (int g = 1; g <= 5; ++g) {
        levels[g] = control<layout::Label>(this, kGrades[g].levelLabel);
        for (int k = 1; k <= 10; ++k)
            dots[g][k] = control<layout::Shape>(this, layout::element(kGrades[g].dotRow, k));
    }
    Command1->setDefault(false);
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &classificaform::Command1_Click);
    Form_Load();
}

QString classificaform::gradeWord(int grade) { return QString::fromUtf8(kGrades[grade].word); }
int classificaform::gradeColour(int grade) { return kGrades[grade].colour; }

QString classificaform::bestTimeText(int tenths, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plain.toString(tenths / 10);
    if (tenths % 10 != 0)
        text += plain.decimalPoint() + plain.toString(tenths % 10);
    return text;
}

void classificaform::Form_Load()
{
    for (int k = 1; k <= 10; ++k)
        for (int g = 5; g >= 1; --g)
            dots[g][k]->setVisible(true);

    const int grade = state_.gradeLevel;
    const bool seriesEnded = opening_ == Opening::SeriesEnded;
    if (isGrade(grade)) {
        RISULTATO->setCaption(gradeWord(grade));
        RISULTATO->setBackgroundColor(layout::toColor(gradeColour(grade)));
        if (seriesEnded) {
            engine::OrEmpty<int> &tally = state_.tallyFor(grade);
            tally.add(1);
            if (tally.value() > 10)
                tally = 10;
        }
    }
    for (int g = 5; g >= 1; --g)
        for (int k = state_.tallyFor(g).value() + 1; k <= 10; ++k)
            dots[g][k]->setVisible(false);
    // The dots are left out of the accessible tree; the label heading each
    // row tells assistive technology how many of them are shown.
    for (int g = 1; g <= 5; ++g) {
        int shown = 0;
        for (int k = 1; k <= 10; ++k)
            shown += dots[g][k]->isVisibleTo(this) ? 1 : 0;
        levels[g]->setAccessibleDescription(QString::number(shown));
    }

    LbNuovoRecord->setCaption(QString());
    if (seriesEnded) {
        const std::int64_t seriesMs = clock_.nowMs() - state_.seriesStart.value();
        if (engine::rules::isRecord(grade, seriesMs, state_.bestTenths)) {
            LbNuovoRecord->setCaption(QStringLiteral("Nuovo Record!"));
            state_.bestTenths = engine::rules::cutToTenths(seriesMs);
        }
    }
    LbTrecord->setCaption(bestTimeText(state_.bestTenths, QLocale::system()));
}

void classificaform::Command1_Click()
{
    if (opening_ == Opening::SeriesEnded) {
        state_.answerCount = 0;
        state_.errorCount = 0;
        state_.seriesStart = clock_.nowMs();
    }
    closing_ = true;
    accept();
}

void classificaform::reject() {}

void classificaform::closeEvent(QCloseEvent *event)
{
    if (closing_)
        event->accept();
    else
        event->ignore();
}
