#include "feature_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "feature_table.h"

namespace editor {

namespace {

// Rows with more choices than this show them as a list.
constexpr std::size_t kMostButtons = 3;

QString doubtStyle(const char *widget, bool doubt)
{
    return QStringLiteral("%1 { border: 2px %2 #000080; border-radius: 3px; padding: 2px 6px; background: #c8d8f0;"
                          " color: #000040; }")
        .arg(QLatin1String(widget), doubt ? QStringLiteral("dashed") : QStringLiteral("solid"));
}

}  // namespace

FeaturePanel::FeaturePanel(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    grid->addWidget(title_, 0, 0, 1, 2);
    const auto &table = featureTable();
    for (std::size_t r = 0; r < table.size(); ++r) {
        const FeatureDescriptor &d = table[r];
        const QString rowName = QString::fromUtf8(d.name);
        auto *name = new QLabel(d.stepKey ? QStringLiteral("%1 (%2):").arg(rowName).arg(QChar(d.stepKey))
                                          : rowName + QLatin1Char(':'),
                                this);
        grid->addWidget(name, int(r) + 1, 0);
        names_.push_back(name);
        auto *controls = new QWidget(this);
        auto *line = new QHBoxLayout(controls);
        line->setContentsMargins(0, 0, 0, 0);
        rows_.push_back(controls);
        std::vector<QPushButton *> row;
        QComboBox *list = nullptr;
        QLineEdit *field = nullptr;
        if (d.text) {
            field = new QLineEdit(controls);
            field->setPlaceholderText(QStringLiteral("es. preparare, arrabbiarsi"));
            field->setAccessibleName(rowName);
            field->setToolTip(QStringLiteral("%1: scriverlo e premere Invio (tasto %2 con le parti selezionate); "
                                             "vuoto per toglierlo")
                                  .arg(rowName)
                                  .arg(QChar(d.stepKey)));
            connect(field, &QLineEdit::returnPressed, this, [this, r] { commitText(r); });
            connect(field, &QLineEdit::editingFinished, this, [this, r] { commitText(r); });
            line->addWidget(field, 1);
        } else if (d.choices.size() > kMostButtons) {
            list = new QComboBox(controls);
            list->setAccessibleName(rowName);
            list->setToolTip(QStringLiteral("%1: scegliere dall'elenco (tasto %2 con le parti selezionate: "
                                            "il successivo)")
                                 .arg(rowName)
                                 .arg(QChar(d.stepKey)));
            connect(list, &QComboBox::activated, this, [this, r](int index) { chooseFromList(r, index); });
            line->addWidget(list);
            line->addStretch(1);
        } else {
            for (const FeatureChoice &choice : d.choices) {
                const QChar key = QChar(choice.key ? choice.key : d.stepKey);
                auto *b = new QPushButton(choice.key ? QStringLiteral("%1 (%2)").arg(QString::fromUtf8(choice.label)).arg(key)
                                                     : QString::fromUtf8(choice.label),
                                          controls);
                b->setCheckable(true);
                b->setToolTip(QStringLiteral("%1: %2 — di nuovo per toglierlo (tasto %3 con le parti selezionate)")
                                  .arg(rowName, QString::fromUtf8(choice.label))
                                  .arg(key));
                const int value = choice.value;
                connect(b, &QPushButton::clicked, this, [this, r, value] { emit featureToggled(r, value); });
                line->addWidget(b);
                row.push_back(b);
            }
            line->addStretch(1);
        }
        grid->addWidget(controls, int(r) + 1, 1);
        buttons_.push_back(row);
        lists_.push_back(list);
        fields_.push_back(field);
    }
    grid->setColumnStretch(1, 1);
    showUnit(nullptr);
}

void FeaturePanel::showUnit(const ProposedUnit *unit)
{
    unit_ = unit;
    const auto &table = featureTable();
    const int code = unit ? unit->unit.code : 0;
    const engine::Features none;
    const engine::Features &f = unit ? unit->unit.features : none;
    bool any = false;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const FeatureDescriptor &d = table[r];
        const bool carried = unit && d.carriedBy(code);
        const bool shown = unit && rowShown(d, code, f);
        any = any || carried;
        names_[r]->setVisible(shown);
        rows_[r]->setVisible(shown);
        const int value = d.get(f);
        // A proposal the teacher should check is drawn like a doubtful box.
        const bool doubt = unit && unit->featuresToCheck && value != 0;
        for (std::size_t c = 0; c < buttons_[r].size(); ++c) {
            QPushButton *b = buttons_[r][c];
            b->setVisible(carried && choiceOffered(d, f, d.choices[c].value));
            b->setChecked(carried && value == d.choices[c].value);
            b->setStyleSheet(QStringLiteral("QPushButton { padding: 3px 8px; } ")
                             + doubtStyle("QPushButton:checked", doubt && b->isChecked()));
        }
        if (QComboBox *list = lists_[r]) {
            const QSignalBlocker quiet(list);
            list->clear();
            list->addItem(QStringLiteral("—"), 0);
            for (const FeatureChoice &c : d.choices)
                if (choiceOffered(d, f, c.value))
                    list->addItem(QString::fromUtf8(c.label), c.value);
            list->setCurrentIndex(std::max(0, list->findData(value)));
            list->setStyleSheet(value != 0 ? doubtStyle("QComboBox", doubt) : QString());
        }
        if (QLineEdit *field = fields_[r]) {
            if (!field->hasFocus() || field->text().isEmpty())
                field->setText(QString::fromStdString(d.text(f)));
            field->setStyleSheet(value != 0 ? doubtStyle("QLineEdit", doubt) : QString());
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
    for (std::size_t c = 0; c < choices.size() && c < buttons_[row].size(); ++c)
        if (choices[c].value == value)
            return buttons_[row][c];
    return nullptr;
}

void FeaturePanel::focusText(std::size_t row)
{
    if (QLineEdit *field = fields_.at(row); field && field->isVisible()) {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    }
}

void FeaturePanel::chooseFromList(std::size_t row, int index)
{
    if (!unit_)
        return;
    const FeatureDescriptor &d = featureTable().at(row);
    const int value = lists_[row]->itemData(index).toInt();
    const int current = d.get(unit_->unit.features);
    // "—" clears; the value already set stays (a second choice would clear it).
    if (value != current || (value != 0 && unit_->featuresToCheck))
        emit featureToggled(row, value);
}

void FeaturePanel::commitText(std::size_t row)
{
    QLineEdit *field = fields_[row];
    if (!unit_ || !field)
        return;
    const QString text = field->text().trimmed().toLower();
    const FeatureDescriptor &d = featureTable().at(row);
    if (text.toStdString() == d.text(unit_->unit.features))
        return;
    if (!text.isEmpty() && !validInfinitive(text.toStdString())) {
        field->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid #c00000; }"));
        field->setToolTip(QStringLiteral("«%1» non è un infinito (come «preparare», «leggere», «arrabbiarsi»): "
                                         "non è stato preso.")
                              .arg(text));
        return;
    }
    emit textChanged(row, text);
}

}  // namespace editor
