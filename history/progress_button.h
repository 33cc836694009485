#pragma once
// The results window's way to "I miei progressi": a button in the free room
// just above the right end of PROSEGUI.

#include <QWidget>
#include <functional>

class classificaform;

namespace history {

void addProgressButton(classificaform &results, const std::function<void(QWidget *)> &showProgress);

}  // namespace history
