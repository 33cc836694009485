#include "word_column_preview.h"

#include <cstring>

#include "layouts/design_widgets.h"
#include "layouts/layout_builder.h"

namespace editor {

namespace {

// The exercise window cut down to its word column: every Lbmostra row, and
// the window up to the answer column and the status bar.
const layout::WindowSpec &wordColumnLayout()
{
    static const layout::WindowSpec column = [] {
        const layout::WindowSpec &full = layout::exerciseLayout();
        layout::WindowSpec s{full.name, full.title, 5000, 8100, full.background, 0, 0, {}};
        for (const auto &c : full.controls)
            if (std::strncmp(c.name, "Lbmostra(", 9) == 0)
                s.controls.push_back(c);
        return s;
    }();
    return column;
}

}  // namespace

WordColumnPreview::WordColumnPreview(QWidget *parent) : QWidget(parent)
{
    layout::build(wordColumnLayout(), this);
    setFixedSize(size());
    setWindowTitle(QString());
    setAccessibleName(QStringLiteral("Anteprima: la frase come la vedrà l'alunno"));
}

void WordColumnPreview::showUnits(const QStringList &texts)
{
    for (int i = 1; i <= 22; ++i) {
        auto *label = layout::control<layout::Label>(this, layout::element("Lbmostra", i));
        label->setCaption(i <= texts.size() ? texts[i - 1] : QString());
    }
}

}  // namespace editor
