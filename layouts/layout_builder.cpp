#include "layout_builder.h"

#include <QFont>
#include <algorithm>
#include <map>
#include <string>

namespace layout {

namespace {

int px(int twips) { return qRound(twips / double(kTwipsPerPixel)); }

QFont fontFor(const FontSpec &f)
{
    QFont font(QString::fromLatin1(f.face));
    font.setPointSizeF(f.points);
    font.setWeight(static_cast<QFont::Weight>(f.weight));
    font.setItalic(f.italic);
    return font;
}

QWidget *create(const ControlSpec &design, QWidget *parent)
{
    switch (design.kind) {
    case Kind::Label: return new Label(design, parent);
    case Kind::Button: return new Button(design, parent);
    case Kind::Frame: return new Frame(design, parent);
    case Kind::Rectangle:
    case Kind::Circle: return new Shape(design, parent);
    case Kind::CheckBox: return new CheckBox(design, parent);
    }
    return nullptr;
}

}  // namespace

void placeAtDesignPlace(const WindowSpec &design, QWidget *window)
{
    // setGeometry, unlike move, places a window by its client area; it also
    // keeps a dialog from being centred over its owner.
    window->setGeometry(QRect(QPoint(px(design.designLeft), px(design.designTop)), window->size()));
}

QRect designTwips(const QWidget *control) { return control->property("designTwips").toRect(); }
double designPoints(const QWidget *control) { return control->property("designPoints").toDouble(); }

void build(const WindowSpec &design, QWidget *window)
{
    // The layouts name this bitmap face of old; the metric-compatible sans
    // that stands in for Arial is the nearest match.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    installAccessibility();

    window->setObjectName(QString::fromLatin1(design.name));
    window->setWindowTitle(QString::fromUtf8(design.title));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, toColor(design.background));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->resize(px(design.clientWidth), px(design.clientHeight));

    std::map<std::string, QWidget *> byName;
    std::vector<QWidget *> lightweight;  // labels and shapes
    std::vector<std::pair<int, QWidget *>> tabbed;
    for (const ControlSpec &c : design.controls) {
        QWidget *parent = *c.container ? byName.at(c.container) : window;
        QWidget *w = create(c, parent);
        w->setObjectName(QString::fromLatin1(c.name));
        w->setFont(fontFor(c.font));
        w->setGeometry(px(c.left), px(c.top), px(c.width), px(c.height));
        w->setProperty("designTwips", QRect(c.left, c.top, c.width, c.height));
        w->setProperty("designPoints", c.font.points);
        if (auto *label = qobject_cast<Label *>(w))
            label->setCaption(QString::fromUtf8(c.caption));
        if (!c.visible)
            w->setVisible(false);
        if (c.kind == Kind::Label || c.kind == Kind::Rectangle || c.kind == Kind::Circle)
            lightweight.push_back(w);
        if (c.kind == Kind::Button || c.kind == Kind::CheckBox) {
            w->setFocusPolicy(Qt::StrongFocus);
            if (c.tab >= 0)
                tabbed.emplace_back(c.tab, w);
        }
        byName[c.name] = w;
    }
    // Labels and shapes lie beneath buttons and frames, keeping their own order.
    for (auto it = lightweight.rbegin(); it != lightweight.rend(); ++it)
        (*it)->lower();
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(tabbed[i - 1].second, tabbed[i].second);
}

}  // namespace layout
