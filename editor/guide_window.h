#pragma once
// The teachers' guide to the collections (docs/raccolte.md, carried inside
// the program), shown from the editor's "Aiuto" menu beside the editor.

#include <QDialog>

namespace editor {

class GuideWindow : public QDialog {
    Q_OBJECT
public:
    explicit GuideWindow(QWidget *parent = nullptr);
    // The guide's text (Markdown), or empty when it is missing.
    static QString guideText();
};

}  // namespace editor
