#include "unit_row.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>

#include "feature_table.h"
#include "part_of_speech_style.h"

namespace editor {

UnitRow::UnitRow(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Parti della frase"));
}

void UnitRow::setUnits(const std::vector<ProposedUnit> &units)
{
    const int keep = selected_;
    for (QPushButton *b : buttons_)
        delete b;
    buttons_.clear();
    units_ = units;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        auto *b = new QPushButton(this);
        b->setFocusPolicy(Qt::NoFocus);  // the row takes the keys
        connect(b, &QPushButton::clicked, this, [this, i] {
            select(int(i));
            offerChoices(int(i));
        });
        b->show();
        buttons_.push_back(b);
    }
    selected_ = units_.empty() ? -1 : std::min(std::max(keep, 0), int(units_.size()) - 1);
    restyle();
    emit selectionChanged(selected_);
}

// The boxes flow like words: left to right, onto a new line when the row is full.
void UnitRow::placeBoxes()
{
    const int gap = 4, margin = 2;
    int x = margin, y = margin, lineHeight = 0;
    for (QPushButton *b : buttons_) {
        const QSize s = b->sizeHint();
        if (x > margin && x + s.width() > width() - margin) {
            x = margin;
            y += lineHeight + gap;
            lineHeight = 0;
        }
        b->setGeometry(QRect(QPoint(x, y), s));
        x += s.width() + gap;
        lineHeight = std::max(lineHeight, s.height());
    }
    setMinimumHeight(y + lineHeight + margin);
}

void UnitRow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBoxes();
}

void UnitRow::select(int index)
{
    if (index < 0 || index >= int(units_.size()) || index == selected_)
        return;
    selected_ = index;
    restyle();
    emit selectionChanged(index);
}

void UnitRow::restyle()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const ProposedUnit &u = units_[i];
        const QColor c = partOfSpeechColour(u.unit.code);
        const bool sel = int(i) == selected_;
        QString text = QString::fromStdString(u.unit.text);
        if (u.toCheck)
            text += QStringLiteral(" ?");
        const std::string features = featureSummary(u.unit.code, u.unit.features);
        if (!features.empty())
            text += QLatin1Char('\n') + QString::fromStdString(features) + (u.featuresToCheck ? QStringLiteral(" ?") : QString());
        buttons_[i]->setText(text);
        buttons_[i]->setStyleSheet(
            QStringLiteral("QPushButton { background: %1; color: black; font-weight: bold; padding: 4px 8px;"
                           " border: %2px %3 %4; border-radius: 3px; }")
                .arg(c.name())
                .arg(sel ? 3 : 1)
                .arg(u.toCheck ? QStringLiteral("dashed") : QStringLiteral("solid"))
                .arg(sel ? QStringLiteral("#000080") : QStringLiteral("#606060")));
        buttons_[i]->adjustSize();
        buttons_[i]->setToolTip(QStringLiteral("%1%2 — clic per cambiare la parte del discorso (tasti 1..9)")
                                    .arg(partOfSpeechName(u.unit.code),
                                         u.toCheck ? QStringLiteral(", da controllare: parola sconosciuta all'analizzatore e al lessico")
                                                   : QString()));
        buttons_[i]->setAccessibleName(QStringLiteral("%1: %2").arg(text, partOfSpeechName(u.unit.code)));
    }
    placeBoxes();
}

void UnitRow::offerChoices(int index)
{
    QMenu menu(this);
    for (int code = 1; code <= 9; ++code) {
        QPixmap swatch(16, 16);
        swatch.fill(partOfSpeechColour(code));
        QAction *a = menu.addAction(QIcon(swatch), QStringLiteral("&%1  %2").arg(code).arg(partOfSpeechName(code)));
        a->setCheckable(true);
        a->setChecked(units_[std::size_t(index)].unit.code == code);
        connect(a, &QAction::triggered, this, [this, index, code] { emit codeChosen(index, code); });
    }
    QPushButton *b = buttons_[std::size_t(index)];
    menu.exec(b->mapToGlobal(QPoint(0, b->height())));
}

void UnitRow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && selected_ >= 0 && !(event->modifiers() & Qt::ControlModifier)) {
        emit codeChosen(selected_, key - Qt::Key_0);
    } else if (key == Qt::Key_Left && selected_ > 0) {
        select(selected_ - 1);
    } else if (key == Qt::Key_Right && selected_ + 1 < int(units_.size())) {
        select(selected_ + 1);
    } else if (key >= Qt::Key_A && key <= Qt::Key_Z && selected_ >= 0 && !(event->modifiers() & ~Qt::ShiftModifier)) {
        emit featureKey(selected_, char('A' + (key - Qt::Key_A)));
    } else if ((key == Qt::Key_Space || key == Qt::Key_Return) && selected_ >= 0) {
        offerChoices(selected_);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace editor
