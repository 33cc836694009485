#include "class_csv.h"

#include <QStringList>

namespace results {

namespace {

QString field(const QString &s)
{
    // A field that a spreadsheet would take for a formula is quoted and
    // led by an apostrophe: a pupil's name never runs as one.
    QString text = s;
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r')) || text != s) {
        text.replace(QLatin1String("\""), QLatin1String("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

}  // namespace

QString gradeName(int grade)
{
    static const char *const names[] = {"", "occorre esercitarsi", "sufficiente", "buono", "distinto", "ottimo"};
    return grade >= 1 && grade <= 5 ? QString::fromUtf8(names[grade]) : QString();
}

QString categoryName(int category)
{
    static const char *const names[] = {"Articolo", "Nome",         "Aggettivo",        "Pronome", "Verbo",
                                        "Avverbio", "Preposizione", "Congiunzione",     "Esclamazione",
                                        "Tipo di articolo", "Genere", "Numero", "Analisi del verbo", "Tipo e grado"};
    static_assert(std::size(names) == history::kShareCategories);
    return category >= 0 && category < history::kShareCategories ? QString::fromUtf8(names[category]) : QString();
}

QByteArray classCsv(const ClassSummary &summary)
{
    QStringList header = {QStringLiteral("Classe"), QStringLiteral("Alunno"), QStringLiteral("Settimana dal"),
                          QStringLiteral("Serie"), QStringLiteral("Risposte"), QStringLiteral("Risposte sbagliate")};
    for (int g = 5; g >= 1; --g)
        header << QStringLiteral("Serie %1").arg(gradeName(g));
    for (int c = 0; c < history::kShareCategories; ++c)
        header << QStringLiteral("%1: risposte").arg(categoryName(c)) << QStringLiteral("%1: sbagliate").arg(categoryName(c));
    QByteArray out("\xEF\xBB\xBF");
    out += header.join(QLatin1Char(',')).toUtf8() + "\r\n";
    for (const PupilWeek &w : summary.pupilWeeks) {
        const Totals &t = w.totals;
        QStringList row = {field(w.className), field(w.pupil), w.monday.toString(Qt::ISODate),
                           QString::number(t.series), QString::number(t.answers), QString::number(t.wrong)};
        for (int g = 5; g >= 1; --g)
            row << QString::number(t.grades[std::size_t(g)]);
        for (int c = 0; c < history::kShareCategories; ++c)
            row << QString::number(t.asked[std::size_t(c)]) << QString::number(t.missed[std::size_t(c)]);
        out += row.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}

}  // namespace results
