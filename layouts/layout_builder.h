#pragma once
// Turns a window's layout table into widgets, at design scale (1 px = 15 twips).

#include <QRect>
#include <QString>
#include <QWidget>
#include <stdexcept>

#include "control_spec.h"
#include "design_widgets.h"

namespace layout {

// Creates every control of `design` inside `window` and gives the window its
// title, background and client size. Labels lie beneath buttons and frames;
// buttons take the tabled tab order.
void build(const WindowSpec &design, QWidget *window);

// Puts the window's client area (not its frame) at the design place of its
// table, keeping its size. For the windows that are not fitted to the screen.
void placeAtDesignPlace(const WindowSpec &design, QWidget *window);

// Design data kept on each built control, for screen fitting and checks.
QRect designTwips(const QWidget *control);
double designPoints(const QWidget *control);

// The control named `name` ("Com(3)" for an array element); a missing one is
// a programming error.
template <typename T = QWidget>
T *control(const QWidget *window, const QString &name)
{
    T *c = window->findChild<T *>(name);
    if (!c)
        throw std::logic_error("no control " + name.toStdString() + " in "
                               + window->objectName().toStdString());
    return c;
}

inline QString element(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

}  // namespace layout
