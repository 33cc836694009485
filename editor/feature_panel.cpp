#include "feature_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "feature_table.h"

namespace editor {

FeaturePanel::FeaturePanel(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    grid->addWidget(title_, 0, 0, 1, 5);
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r) {
        auto *name = new QLabel(QString::fromUtf8(table[r].name) + QLatin1Char(':'), this);
        grid->addWidget(name, int(r) + 1, 0);
        names_.push_back(name);
        std::vector<QPushButton *> row;
        for (std::size_t c = 0; c < table[r].choices.size(); ++c) {
            const FeatureChoice &choice = table[r].choices[c];
            auto *b = new QPushButton(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(choice.label)).arg(QChar(choice.key)), this);
            b->setCheckable(true);
            b->setToolTip(QStringLiteral("%1: %2 — di nuovo per toglierlo (tasto %3 con le parti selezionate)")
                              .arg(QString::fromUtf8(table[r].name), QString::fromUtf8(choice.label))
                              .arg(QChar(choice.key)));
            const int value = choice.value;
            connect(b, &QPushButton::clicked, this, [this, r, value] { emit featureToggled(r, value); });
            grid->addWidget(b, int(r) + 1, int(c) + 1);
            row.push_back(b);
        }
        buttons_.push_back(row);
    }
    grid->setColumnStretch(4, 1);
    showUnit(nullptr);
}

void FeaturePanel::showUnit(const ProposedUnit *unit)
{
    const auto &table = featureTable();
    const int code = unit ? unit->unit.code : 0;
    bool any = false;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const bool carried = unit && table[r].carriedBy(code);
        any = any || carried;
        names_[r]->setVisible(carried);
        for (std::size_t c = 0; c < buttons_[r].size(); ++c) {
            QPushButton *b = buttons_[r][c];
            b->setVisible(carried);
            b->setChecked(carried && table[r].get(unit->unit.features) == table[r].choices[c].value);
            // A proposal the teacher should check is drawn like a doubtful box.
            const bool doubt = unit && unit->featuresToCheck && b->isChecked();
            b->setStyleSheet(QStringLiteral("QPushButton { padding: 3px 8px; }"
                                            " QPushButton:checked { background: #c8d8f0; color: #000040;"
                                            " border: 2px %1 #000080; border-radius: 3px; }")
                                 .arg(doubt ? QStringLiteral("dashed") : QStringLiteral("solid")));
        }
    }
    if (!unit)
        title_->setText(QStringLiteral("Caratteristiche: scegliere una parte."));
    else if (!any)
        title_->setText(QStringLiteral("«%1»: nessuna caratteristica da indicare per questa parte del discorso.")
                            .arg(QString::fromStdString(unit->unit.text)));
    else
        title_->setText(QStringLiteral("Caratteristiche di «%1»%2 (per l'analisi completa):")
                            .arg(QString::fromStdString(unit->unit.text),
                                 unit->featuresToCheck ? QStringLiteral(" — proposte da controllare (?)") : QString()));
}

QPushButton *FeaturePanel::button(std::size_t row, int value) const
{
    const auto &choices = featureTable().at(row).choices;
    for (std::size_t c = 0; c < choices.size(); ++c)
        if (choices[c].value == value)
            return buttons_[row][c];
    return nullptr;
}

}  // namespace editor
