#include "screen_fit.h"

#include <QScreen>
#include <algorithm>

#include "../layouts/control_spec.h"
#include "../layouts/layout_builder.h"

namespace platform::ridimschermo {

namespace {

constexpr double kTwips = layout::kTwipsPerPixel;

// Places one control from its recorded values and the two factors.
void place(int i, double fx, double fy)
{
    FitState &s = state();
    QWidget *c = s.adaptControls[i];
    if (!c)
        return;
    c->setGeometry(qRound(s.savedLeft[i] * fx / kTwips), qRound(s.savedTop[i] * fy / kTwips),
                   std::max(0, qRound(s.savedWidth[i] * fx / kTwips)),
                   std::max(0, qRound(s.savedHeight[i] * fy / kTwips)));
    QFont f = c->font();
    f.setPointSizeF(std::clamp(s.savedFontSize[i] * fy, kMinPoints, kMaxPoints));
    c->setFont(f);
}

// The window's client size in twips. Client sizes are compared with client
// sizes: the design size is the window as laid out, before any frame exists,
// so a title bar added by the window manager does not push the bottom of
// the window out of sight.
QSizeF clientTwips(const QWidget *w) { return QSizeF(w->width() * kTwips, w->height() * kTwips); }

}  // namespace

FitState &state()
{
    static FitState s;
    return s;
}

void preparaelenco()
{
    FitState &s = state();
    const size_t n = static_cast<size_t>(s.adaptCount) + 1;
    s.adaptControls.assign(n, nullptr);
    s.savedLeft.assign(n, 0);
    s.savedTop.assign(n, 0);
    s.savedWidth.assign(n, 0);
    s.savedHeight.assign(n, 0);
    s.savedFontSize.assign(n, 0);
    s.refWidth = s.refHeight = 0;
}

void adattaschermo()
{
    FitState &s = state();
    QWidget *form = s.adaptForm;
    if (!form)
        return;
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    const QSizeF ref = clientTwips(form);
    s.refWidth = ref.width();
    s.refHeight = ref.height();
    for (int i = 1; i <= s.adaptCount; ++i) {
        QWidget *c = s.adaptControls[i];
        // The design geometry is exact in twips; the widget's pixels are rounded.
        const QRect t = layout::designTwips(c);
        s.savedLeft[i] = t.x();
        s.savedTop[i] = t.y();
        s.savedWidth[i] = t.width();
        s.savedHeight[i] = t.height();
        s.savedFontSize[i] = layout::designPoints(c);
    }
    const QScreen *screen = form->screen();
    const QSize sc = screen ? screen->geometry().size() : form->size();
    const double sx = sc.width() * kTwips / s.refWidth;
    const double sy = sc.height() * kTwips / s.refHeight;
    for (int i = 1; i <= s.adaptCount; ++i)
        place(i, sx, sy);
    form->move(0, 0);
}

void ridimensiona()
{
    FitState &s = state();
    QWidget *form = s.adaptForm;
    if (!form || s.refWidth <= 0 || s.refHeight <= 0)
        return;  // nothing recorded yet
    if (form->windowState() & Qt::WindowMinimized)
        return;  // a minimised window keeps its last fit
    const QSizeF now = clientTwips(form);
    const double rx = now.width() / s.refWidth;
    const double ry = now.height() / s.refHeight;
    for (int i = 1; i <= s.adaptCount; ++i)
        place(i, rx, ry);
}

void fitWindow(QWidget *window, const std::vector<QWidget *> &controls)
{
    FitState &s = state();
    s.adaptCount = static_cast<int>(controls.size());
    preparaelenco();
    s.adaptForm = window;
    for (size_t i = 0; i < controls.size(); ++i)
        s.adaptControls[i + 1] = controls[i];
    adattaschermo();
}

}  // namespace platform::ridimschermo
