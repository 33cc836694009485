#pragma once
// Iniziale, the splash window the program starts on. It plays "conga" as it
// appears (the cue starts just after the window is first drawn) and, after
// six seconds or at a click on its surface (not on its texts), hands over to
// the exercise window, exactly once, and unloads itself. Closed before that,
// it ends the program.

#include <QTimer>
#include <QWidget>
#include <functional>

#include "../platform/audio.h"

class Iniziale : public QWidget {
    Q_OBJECT
public:
    // `showExercise` shows the exercise window, loading it the first time.
    Iniziale(platform::Audio &audio, std::function<void()> showExercise, int delayMs = 6000);

    void Form_Load();
    void Form_Click();
    void Timer1_Timer();

    QTimer *Timer1;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void handOver();
    void playConga();

    platform::Audio &audio_;
    std::function<void()> showExercise_;
    int delayMs_;
    bool handedOver_ = false;
    bool painted_ = false;      // the window has been drawn at least once
    bool congaWaiting_ = false;  // "conga" waits for the first drawing
};
