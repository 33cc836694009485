#pragma once
// How the history's troubles reach the pupil: one message box that does not
// block the drill, over the window in front; the same line on standard error.

#include <QString>

namespace history {

void showNotice(const QString &message);

}  // namespace history
