#include "design_widgets.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace layout {

QColor toColor(int rgb)
{
    return rgb == kStandard ? QColor() : QColor::fromRgb(static_cast<QRgb>(rgb));
}

// --- Label -------------------------------------------------------------------

Label::Label(const ControlSpec &spec, QWidget *parent)
    : QLabel(parent), autoSize_(spec.autoSize)
{
    setTextFormat(Qt::PlainText);  // captions are shown as they are, "<" included
    Qt::Alignment h = spec.centred ? Qt::AlignHCenter
                      : spec.rightAligned ? Qt::AlignRight
                                          : Qt::AlignLeft;
    setAlignment(h | Qt::AlignTop);
    setWordWrap(!spec.autoSize);  // a fixed-size label wraps its caption
    if (spec.border) {
        setFrameShape(QFrame::Box);
        setFrameShadow(QFrame::Plain);
        setLineWidth(1);
    }
    if (spec.fore != kStandard)
        setTextColor(spec.fore);
    if (!spec.transparent && spec.back != kStandard)
        setBackgroundColor(toColor(spec.back));
    setAutoFillBackground(!spec.transparent);
}

void Label::setCaption(const QString &text)
{
    setText(text);
    fitToCaption();
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

void Label::fitToCaption()
{
    if (autoSize_)
        resize(sizeHint());
}

// --- Button ------------------------------------------------------------------

Button::Button(const ControlSpec &spec, QWidget *parent)
    : QPushButton(QString::fromUtf8(spec.caption), parent), face_(toColor(spec.back))
{
    if (face_.isValid()) {
        // A style sheet with a border of its own keeps the exact face colour
        // in every state (a palette colour would be drawn lightened).
        const QString hex = face_.name();
        setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %1; }"
                                     "QPushButton:pressed { border-style: inset; }")
                          .arg(hex));
    }
    if (spec.fore != kStandard) {
        QPalette p = palette();
        p.setColor(QPalette::ButtonText, toColor(spec.fore));
        setPalette(p);
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

// --- Frame -------------------------------------------------------------------

Frame::Frame(const ControlSpec &spec, QWidget *parent)
    : QFrame(parent), caption_(QString::fromUtf8(spec.caption)), captionColor_(toColor(spec.fore))
{
    // The ground is set even when standard, so that a frame inside a coloured
    // frame does not take its parent's colour.
    QPalette p = palette();
    p.setColor(QPalette::Button, spec.back != kStandard ? toColor(spec.back)
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

Shape::Shape(const ControlSpec &spec, QWidget *parent)
    : QWidget(parent),
      circle_(spec.kind == Kind::Circle),
      outline_(toColor(spec.fore)),
      fill_(spec.filled ? toColor(spec.back) : QColor()),
      outlineWidth_(spec.outlineWidth)
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

}  // namespace layout
