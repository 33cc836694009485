#pragma once
// The kinds of control a layout table can hold, drawn as the design
// describes them: labels that may size themselves to their caption, buttons
// with a coloured face and wrapping caption, captioned frames, shapes, and
// check boxes.
//
// Each kind also tells assistive technology what it is: a label is static text
// named by its caption without the spaces that only place it on screen (a blank
// label is left out), a button is named by its caption, a captioned frame is a
// group named by its caption, a shape is left out as decoration, and a check
// box is a check box named by its caption.

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <QWindow>

#include "control_spec.h"

namespace layout {

QColor toColor(int rgb);

// An auto-size label takes its caption's size whenever its caption or font
// changes. Until its window is on screen (exposed) the sizing waits and is
// done once, just before the window is drawn: while a window is built and
// fitted to the screen, fonts and captions change several times, and each
// sizing costs a text layout and perhaps the loading of a font.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const ControlSpec &design, QWidget *parent);
    // Sets the caption; an auto-size label then takes the caption's size.
    void setCaption(const QString &text);
    QString caption() const { return text(); }
    // The caption as assistive technology reads it: without the spaces that
    // place it on screen. Empty for a blank label, which it leaves out.
    QString spokenCaption() const { return text().simplified(); }
    void setTextColor(int rgb);
    void setTextColor(const QColor &color);
    void setBackgroundColor(const QColor &color);
    QColor textColor() const;
    bool autoSize() const { return autoSize_; }

protected:
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitToCaption();
    void waitForWindow();
    bool autoSize_;
    bool fitPending_ = false;      // a sizing waits for the window to be on screen
    QPointer<QWindow> watched_;    // the window whose exposure it waits for
};

class Button : public QPushButton {
    Q_OBJECT
public:
    Button(const ControlSpec &design, QWidget *parent);
    void setCaption(const QString &text) { setText(text); }
    QString caption() const { return text(); }
    // The face colour; invalid for the standard face.
    QColor faceColor() const { return face_; }
    // Repaints the face (the choices of the complete analysis change colour).
    void setFaceColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Return and Enter press the button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor face_;
};

// A check box with the design's caption colour (greyed while disabled), on its
// container's ground unless the design gives it one. Its box grows with its
// font, so that it stays in proportion when the window is fitted to the screen.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const ControlSpec &design, QWidget *parent);
    QString caption() const { return text(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    void sizeBoxToFont();
    int boxSide_ = 0;
};

class Frame : public QFrame {
    Q_OBJECT
public:
    Frame(const ControlSpec &design, QWidget *parent);
    QString caption() const { return caption_; }
    QColor captionColor() const { return captionColor_; }
    QColor groundColor() const;
    // What the frame is to assistive technology: a group named by its caption,
    // or, without a caption, a plain pane unless set otherwise.
    QAccessible::Role accessibleRole() const { return role_; }
    void setAccessibleRole(QAccessible::Role role) { role_ = role; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    QColor captionColor_;
    QAccessible::Role role_;
};

class Shape : public QWidget {
    Q_OBJECT
public:
    Shape(const ControlSpec &design, QWidget *parent);
    bool isCircle() const { return circle_; }
    QColor outlineColor() const { return outline_; }
    QColor fillColor() const { return fill_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool circle_;
    QColor outline_;
    QColor fill_;  // invalid: transparent interior
    int outlineWidth_;
};

// Lets assistive technology see the controls above as described; called once
// by the layout builder, harmless to call again.
void installAccessibility();

}  // namespace layout
