#pragma once
// The teachers' sentence editor: a collection's sentences in a list, the
// sentence being edited as coloured unit boxes with the analyser's proposal,
// live validation, and a preview of the word column the pupil will see.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "check_marks.h"
#include "collection_document.h"
#include "proposal_service.h"
#include "sentence_proposer.h"
#include "unit_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace editor {

class FeaturePanel;
class UnitRow;
class WordColumnPreview;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    // `folder`: the teacher's collections (created when missing, with
    // "Le mie frasi.txt"); `proposer`: the analyser, or guesses without it.
    EditorWindow(QString folder, std::unique_ptr<SentenceProposer> proposer, QString analyserNote,
                 QWidget *parent = nullptr);

    // Opens a file; false (and the teacher told) when it cannot be read.
    bool openFile(const QString &path);
    const CollectionDocument &document() const { return doc_; }

    // Sentences of a pasted text: one per line, and a line with several
    // sentences split after its full stops (also ! and ?).
    static QStringList splitSentences(const QString &text);

    // Actions the tests drive.
    void analyseText(const QString &text);  // into the current entry, or new entries
    bool save();                            // asks before overwriting a changed file
    void restartAnalyser();                 // "Riavvia l'analizzatore"

    // A proposal is on its way from the analyser: the window shows it and
    // waits for it before saving, moving elsewhere or closing.
    bool analysing() const { return service_->busy(); }
    const std::vector<ProposedUnit> &shownUnits() const { return units_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildActions();
    void prepareFolder();
    void refreshFileList();
    void refreshList(int select);
    void showEntry(int index);
    void applyUnits(const std::vector<ProposedUnit> &units);
    void refreshValidation();
    bool saveAs();
    bool askToSave();  // false when the teacher cancels
    void setCode(int unit, int code);
    void setFeature(int unit, std::size_t row, int value);  // a row of featureTable(); again clears
    void joinSelected();
    void splitSelected();
    void addEntry();
    void pasteSentences();
    void removeEntry();
    void move(bool up);
    void updateTitle();
    void warn(const QString &text);
    // Text typed in "Testo della frase" and not yet analysed.
    bool textPending() const;
    // Analyses pending text first. True when nothing is left pending now;
    // false when the teacher cancelled, or when the analysis is on its way
    // (then `later` runs once it is back).
    bool settleText(std::function<void()> later);
    void openWhenSettled(const QString &path);  // after the typed text is analysed
    bool askToDropText();  // a text with no word in it
    void chooseEntry(int index);  // the teacher picked another sentence
    void analyse(const QString &text, std::function<void()> then);
    void deliver(const ProposalService::Proposals &proposals);
    void setBusy(bool busy);

    QString folder_;
    std::unique_ptr<ProposalService> service_;
    CollectionDocument doc_;
    int current_ = -1;
    std::vector<ProposedUnit> units_;  // of the current entry
    CheckMarks marks_;
    QString shownText_;  // the text of the current entry as last shown or analysed
    // The analysis on its way: where its proposals go and what follows.
    struct Request {
        bool paste = false;  // new entries at the end
        int target = -1;     // the entry of the first sentence, or -1 for new ones
        std::function<void()> then;
    };
    Request request_;
    std::vector<std::function<void()>> afterBusy_;
    std::vector<QAction *> editingActions_;  // off while an analysis is on its way
    QWidget *working_;
    QTimer *workingDelay_;

    QComboBox *files_;
    QListWidget *list_;
    QCheckBox *onlyThese_;
    QLineEdit *text_;
    UnitRow *row_;
    FeaturePanel *features_;
    QLabel *validation_;
    QLabel *analyserState_;
    WordColumnPreview *preview_;
};

}  // namespace editor
