#include "design_widgets.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <algorithm>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace layout {

QColor toColor(int rgb)
{
    return rgb == kStandard ? QColor() : QColor::fromRgb(static_cast<QRgb>(rgb));
}

// --- Label -------------------------------------------------------------------

Label::Label(const ControlSpec &design, QWidget *parent)
    : QLabel(parent), autoSize_(design.autoSize)
{
    setTextFormat(Qt::PlainText);  // captions are shown as they are, "<" included
    Qt::Alignment h = design.centred ? Qt::AlignHCenter
                      : design.rightAligned ? Qt::AlignRight
                                          : Qt::AlignLeft;
    setAlignment(h | Qt::AlignTop);
    setWordWrap(!design.autoSize);  // a fixed-size label wraps its caption
    if (design.border) {
        setFrameShape(QFrame::Box);
        setFrameShadow(QFrame::Plain);
        setLineWidth(1);
    }
    if (design.fore != kStandard)
        setTextColor(design.fore);
    if (!design.transparent && design.back != kStandard)
        setBackgroundColor(toColor(design.back));
    setAutoFillBackground(!design.transparent);
}

void Label::setCaption(const QString &text)
{
    const bool wasBlank = spokenCaption().isEmpty();
    setText(text);
    fitToCaption();
    if (wasBlank != spokenCaption().isEmpty()) {
        // A blank label is left out of the accessible tree; tell the tools it
        // has come in or gone out.
        QAccessible::State changed;
        changed.invisible = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::setTextColor(int rgb) { setTextColor(toColor(rgb)); }

void Label::setTextColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void Label::setBackgroundColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QColor Label::textColor() const { return palette().color(QPalette::WindowText); }

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToCaption();
}

bool Label::event(QEvent *event)
{
    // Polish and Show come once the window has its native window: a sizing
    // that waits can then watch it.
    if (fitPending_ && (event->type() == QEvent::Polish || event->type() == QEvent::Show))
        fitToCaption();
    return QLabel::event(event);
}

bool Label::eventFilter(QObject *watched, QEvent *event)
{
    // The window's exposure reaches the filter before the window is drawn.
    if (watched == watched_ && event->type() == QEvent::Expose && watched_->isExposed()) {
        watched_->removeEventFilter(this);
        watched_ = nullptr;
        if (fitPending_)
            fitToCaption();
    }
    return QLabel::eventFilter(watched, event);
}

void Label::fitToCaption()
{
    if (!autoSize_)
        return;
    const QWindow *shown = window()->windowHandle();
    if (!shown || !shown->isExposed()) {
        fitPending_ = true;
        waitForWindow();
        return;
    }
    fitPending_ = false;
    resize(sizeHint());
}

void Label::waitForWindow()
{
    QWindow *w = window()->windowHandle();
    if (!w || w == watched_)
        return;  // no native window yet (Polish or Show will call again), or already watched
    if (watched_)
        watched_->removeEventFilter(this);
    w->installEventFilter(this);
    watched_ = w;
}

// --- Button ------------------------------------------------------------------

Button::Button(const ControlSpec &design, QWidget *parent)
    : QPushButton(QString::fromUtf8(design.caption), parent)
{
    setFaceColor(toColor(design.back));
    if (design.fore != kStandard) {
        QPalette p = palette();
        p.setColor(QPalette::ButtonText, toColor(design.fore));
        setPalette(p);
    }
}

void Button::setFaceColor(const QColor &color)
{
    face_ = color;
    if (face_.isValid()) {
        // A style sheet with a border of its own keeps the exact face colour
        // in every state (a palette colour would be drawn lightened).
        const QString hex = face_.name();
        setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                     "QPushButton:pressed { border-style: inset; }")
                          .arg(hex));
    }
}

void Button::paintEvent(QPaintEvent *)
{
    // The style draws the face; the caption is drawn here so that a long one
    // wraps within the button, as the design has it.
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    p.drawControl(QStyle::CE_PushButton, opt);

    QRect area = rect().adjusted(4, 2, -4, -2);
    if (isDown())
        area.translate(1, 1);
    const QColor ink = isEnabled() ? palette().color(QPalette::ButtonText) : QColor(0x80, 0x80, 0x80);
    p.setPen(ink);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(5, 5, -5, -5);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void Button::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();  // a held key presses once
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// --- CheckBox ----------------------------------------------------------------

CheckBox::CheckBox(const ControlSpec &design, QWidget *parent)
    : QCheckBox(QString::fromUtf8(design.caption), parent)
{
    QPalette p = palette();
    if (design.fore != kStandard) {
        p.setColor(QPalette::Active, QPalette::WindowText, toColor(design.fore));
        p.setColor(QPalette::Inactive, QPalette::WindowText, toColor(design.fore));
        // Greyed, yet readable on the coloured grounds of the drill.
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x50, 0x68, 0x50));
    }
    if (!design.transparent && design.back != kStandard)
        p.setColor(QPalette::Window, toColor(design.back));
    setPalette(p);
    setAutoFillBackground(!design.transparent);
    sizeBoxToFont();
}

void CheckBox::changeEvent(QEvent *event)
{
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeBoxToFont();
}

void CheckBox::sizeBoxToFont()
{
    const int side = std::max(8, QFontMetrics(font()).ascent());
    if (side == boxSide_)
        return;
    boxSide_ = side;
    setStyleSheet(QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(side));
}

// --- Frame -------------------------------------------------------------------

Frame::Frame(const ControlSpec &design, QWidget *parent)
    : QFrame(parent),
      caption_(QString::fromUtf8(design.caption)),
      captionColor_(toColor(design.fore)),
      role_(caption_.trimmed().isEmpty() ? QAccessible::Pane : QAccessible::Grouping)
{
    // The ground is set even when standard, so that a frame inside a coloured
    // frame does not take its parent's colour.
    QPalette p = palette();
    p.setColor(QPalette::Button, design.back != kStandard ? toColor(design.back)
                                                        : QApplication::palette().color(QPalette::Button));
    setPalette(p);
}

QColor Frame::groundColor() const { return palette().color(QPalette::Button); }

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), groundColor());
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    // An etched line: dark, then light one pixel further in.
    const QRect box = rect().adjusted(0, y, -1, -1);
    p.setPen(groundColor().darker(160));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(groundColor().lighter(160));
    p.drawRect(box.adjusted(1, 1, 0, 0));
    if (!caption_.isEmpty()) {
        const QRect textRect(8, 0, fm.horizontalAdvance(caption_) + 4, fm.height());
        p.fillRect(textRect, groundColor());
        p.setPen(captionColor_.isValid() ? captionColor_ : palette().color(QPalette::WindowText));
        p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }
}

// --- Shape -------------------------------------------------------------------

Shape::Shape(const ControlSpec &design, QWidget *parent)
    : QWidget(parent),
      circle_(design.kind == Kind::Circle),
      outline_(toColor(design.fore)),
      fill_(design.filled ? toColor(design.back) : QColor()),
      outlineWidth_(design.outlineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal half = outlineWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    p.setPen(outline_.isValid() ? QPen(outline_, outlineWidth_) : QPen(Qt::NoPen));
    p.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (circle_)
        p.drawEllipse(r);
    else
        p.drawRect(r);
}

// --- Accessibility -------------------------------------------------------------

namespace {

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString given = widget()->accessibleName();
            return given.isEmpty() ? label()->spokenCaption() : given;
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (text(QAccessible::Name).isEmpty())
            s.invisible = true;  // a blank label says nothing: leave it out
        return s;
    }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

class AccessibleFrame : public QAccessibleWidget {
public:
    explicit AccessibleFrame(Frame *frame) : QAccessibleWidget(frame) {}

    QAccessible::Role role() const override { return frame()->accessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString given = widget()->accessibleName();
            return given.isEmpty() ? frame()->caption().simplified() : given;
        }
        return QAccessibleWidget::text(t);
    }

private:
    Frame *frame() const { return static_cast<Frame *>(widget()); }
};

// Borders and dots are decoration: what a row of dots means is told by the
// label that heads the row.
class AccessibleShape : public QAccessibleWidget {
public:
    explicit AccessibleShape(Shape *shape) : QAccessibleWidget(shape, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new AccessibleLabel(static_cast<Label *>(object));
    if (className == QLatin1String(Frame::staticMetaObject.className()))
        return new AccessibleFrame(static_cast<Frame *>(object));
    if (className == QLatin1String(Shape::staticMetaObject.className()))
        return new AccessibleShape(static_cast<Shape *>(object));
    return nullptr;  // buttons and check boxes: the toolkit names them by their caption
}

}  // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace layout
