#include "error_report_window.h"

#include <QPointer>
#include <algorithm>

#include "exercise_window.h"
#include "../engine/further_questions.h"
#include "../layouts/layout_builder.h"
#include "results_window.h"

FRM_ERRORI::FRM_ERRORI(engine::DrillState &state, const engine::FormB &exerciseWindow,
                       const engine::Clock &clock)
    : QWidget(nullptr), state_(state), exerciseWindow_(exerciseWindow), clock_(clock)
{
    setAttribute(Qt::WA_DeleteOnClose);  // closing unloads it; the next opening starts anew
    layout::build(layout::errorReportLayout(), this);
    setFixedSize(size());
    layout::placeAtDesignPlace(layout::errorReportLayout(), this);
    using layout::control;
    for (int k = 0; k <= 16; ++k)
        RR[k] = control<layout::Label>(this, layout::element("RR", k));
    for (int k = 1; k <= 16; ++k)
        Lberrori[k] = control<layout::Label>(this, QStringLiteral("Lberrori%1").arg(k));
    for (int k : engine::furtherErrorCategories()) {
        RR[k] = control<layout::Label>(this, layout::element("RR", k));
        Lberrori[k] = control<layout::Label>(this, QStringLiteral("Lberrori%1").arg(k));
    }
    Titolo_tipi = control<layout::Label>(this, "Titolo_tipi");
    Command1 = control<layout::Button>(this, "Command1");
    Command2 = control<layout::Button>(this, "Command2");
    connect(Command1, &QPushButton::clicked, this, &FRM_ERRORI::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FRM_ERRORI::Command2_Click);
    Form_Load();
}

void FRM_ERRORI::Form_Load()
{
    for (int k = 1; k <= 9; ++k)
        Lberrori[k]->setCaption(exerciseWindow_.Com[k]->caption());
    Lberrori[10]->setCaption(exerciseWindow_.Com10->caption());
    Lberrori[11]->setCaption(exerciseWindow_.Com11->caption());
    showFurtherRows();
}

void FRM_ERRORI::showFurtherRows()
{
    if (!state_.fullAnalysisUsed)
        return;
    for (const engine::FurtherQuestion &q : engine::kFurtherQuestions) {
        if (!Lberrori[q.errorCategory]->isHidden())
            continue;  // a category shared by two rows
        Lberrori[q.errorCategory]->setCaption(QString::fromUtf8(q.categoryName));
        RR[q.errorCategory]->setVisible(true);
        Lberrori[q.errorCategory]->setVisible(true);
    }
    Titolo_tipi->setVisible(true);
    if (RR[15]->isHidden())
        return;  // already laid out below
    // The second column moves away from the first's long names, so that the
    // two read apart; it runs below the buttons' place: they move under it
    // and the window grows by as much. Rows 15 and 16, never named and kept
    // below the lower edge, would then come into view.
    constexpr int kGap = 40;
    Titolo_tipi->move(Titolo_tipi->x() + kGap, Titolo_tipi->y());
    int bottom = 0;
    for (int k : engine::furtherErrorCategories()) {
        if (k >= 17) {
            RR[k]->move(RR[k]->x() + kGap, RR[k]->y());
            Lberrori[k]->move(Lberrori[k]->x() + kGap, Lberrori[k]->y());
        }
        bottom = std::max(bottom, Lberrori[k]->geometry().bottom());
    }
    const int shift = std::max(0, bottom + 12 - Command2->y());
    for (int k : {15, 16}) {
        RR[k]->setVisible(false);
        Lberrori[k]->setVisible(false);
    }
    Command1->move(Command1->x(), Command1->y() + shift);
    Command2->move(Command2->x(), Command2->y() + shift);
    setFixedHeight(height() + shift);
}

void FRM_ERRORI::Command1_Click() { close(); }

void FRM_ERRORI::Command2_Click()
{
    // Held by a guarded pointer: should the report go while the results
    // window is open, the results window goes with it, and only once.
    QPointer<classificaform> results =
        new classificaform(state_, clock_, classificaform::Opening::LookOnly, this);
    results->exec();
    delete results.data();
}
