#include "progress_button.h"

#include <QPushButton>

#include "../windows/results_window.h"

namespace history {

void addProgressButton(classificaform &results, const std::function<void(QWidget *)> &showProgress)
{
    auto *button = new QPushButton(QStringLiteral("I miei progressi"), &results);
    button->setObjectName(QStringLiteral("progressi"));
    QFont font = results.Command1->font();
    font.setPointSizeF(font.pointSizeF() * 0.7);
    button->setFont(font);
    button->setAutoDefault(false);
    // Between the last row of dots and PROSEGUI, flush with its right end.
    const QRect prosegui = results.Command1->geometry();
    const int height = std::max(24, prosegui.height() * 55 / 100);
    const int width = std::max(button->sizeHint().width(), prosegui.width() * 38 / 100);
    button->setGeometry(prosegui.right() - width + 1, prosegui.top() - height - 4, width, height);
    button->show();
    QObject::connect(button, &QPushButton::clicked, &results, [&results, showProgress] { showProgress(&results); });
}

}  // namespace history
