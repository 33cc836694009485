#include "splash_window.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include "../layouts/layout_builder.h"
#include "../platform/screen_fit.h"

Iniziale::Iniziale(platform::Audio &audio, std::function<void()> showExercise, int delayMs)
    : QWidget(nullptr), audio_(audio), showExercise_(std::move(showExercise)), delayMs_(delayMs)
{
    setAttribute(Qt::WA_DeleteOnClose);
    layout::build(layout::splashLayout(), this);
    Timer1 = new QTimer(this);  // no interval until the window has loaded
    Timer1->setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5 % early
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &Iniziale::Timer1_Timer);
    Form_Load();
}

void Iniziale::Form_Load()
{
    std::vector<QWidget *> fitList;
    for (const char *name : {"Label1", "Label2", "Label5", "Label4", "Label6", "Label3"})
        fitList.push_back(layout::control(this, name));
    platform::ridimschermo::fitWindow(this, fitList);

    playConga();
    Timer1->setInterval(delayMs_);
    Timer1->start();
}

void Iniziale::Form_Click() { handOver(); }
void Iniziale::Timer1_Timer() { handOver(); }

void Iniziale::mousePressEvent(QMouseEvent *event)
{
    // A click on a text reaches the window too; only its bare surface counts.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        Form_Click();
}

void Iniziale::closeEvent(QCloseEvent *event)
{
    // Closed from its title bar before the hand-over: no window would be
    // left, so the program ends, as FINE ends it.
    if (!handedOver_)
        QCoreApplication::exit(0);
    QWidget::closeEvent(event);
}

void Iniziale::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    platform::ridimschermo::ridimensiona();
}

void Iniziale::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    painted_ = true;
    if (congaWaiting_) {
        congaWaiting_ = false;
        playConga();
    }
}

void Iniziale::playConga()
{
    // The cue (and, the first time, loading the sound player) starts from the
    // event loop once the window has been drawn, so that it never holds up
    // the first picture; the pupil hears it a few milliseconds later.
    if (!painted_) {
        congaWaiting_ = true;
        return;
    }
    QTimer::singleShot(0, this, [this] { audio_.suona(QStringLiteral("conga")); });
}

void Iniziale::handOver()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    Timer1->stop();
    showExercise_();
    close();
}
