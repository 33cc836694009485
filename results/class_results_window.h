#pragma once
// "Risultati della classe", the teacher's view in the sentence editor: the
// series of the class gathered from the pupils' results files the teacher
// imports and from the sources configured on the machine (the school's
// server), shown per pupil and for the class, filtered by dates, class and
// pupil; exported to CSV and printed to PDF. Every file is untrusted: its
// problems are listed in the window and the rest is shown.

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

#include "class_summary.h"
#include "history/class_list.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;

namespace results {

using Sources = std::vector<std::unique_ptr<history::ClassResultsSource>>;

class ClassResultsWindow : public QDialog {
    Q_OBJECT
public:
    // `configured` are read at once and at each "Aggiorna"; `classLists`
    // name the pupils of each class (the system's class lists).
    ClassResultsWindow(Sources configured, std::vector<history::Pupil> classLists, QWidget *parent = nullptr);
    ~ClassResultsWindow() override;

    // Adds the results files at `paths` and reads every source again.
    void importFiles(const QStringList &paths);
    void reload();

    const ClassSummary &summary() const { return summary_; }
    const QStringList &problems() const { return problems_; }
    Filter filter() const;
    void setDates(QDate from, QDate to);
    void choosePupil(const QString &className, const QString &pupil);  // empty pupil: the whole class
    void chooseClass(const QString &className);                       // empty: every class

    // False with an Italian `error` when the file cannot be written.
    bool exportCsv(const QString &path, QString &error) const;
    bool printPdf(const QString &path, QString &error) const;
    // The printout's text, as HTML.
    QString report() const;

private:
    void refresh();
    void fillClasses();
    void fillPupils();
    void fillTables();
    void showProblems();

    Sources configured_;
    Sources files_;
    std::vector<history::Pupil> classLists_;
    std::vector<history::PupilSeries> series_;
    QStringList problems_;
    int repeated_ = 0;
    ClassSummary summary_;
    bool filling_ = false;

    QDateEdit *from_;
    QDateEdit *to_;
    QComboBox *class_;
    QComboBox *pupil_;
    QLabel *status_;
    QListWidget *problemList_;
    QTabWidget *tabs_;
    QTableWidget *pupils_;
    QTableWidget *weeks_;
    QTableWidget *errors_;
    QTableWidget *sentences_;
};

// The school's server, when this machine's system setting names one (its
// faults go to standard error, as the drill reports them); else none.
Sources schoolServer();

// Opens the view over `parent`; `configured` makes the sources of this
// machine (none by default: only imported files).
void showClassResults(QWidget *parent, const std::function<Sources()> &configured = {});

}  // namespace results
