#include "sample_class.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "my_results.h"

namespace results {

bool writeSampleClass(const QString &folder, const QString &className, int pupils, history::SampleShape shape,
                      SampleClass &out, QString &error)
{
    static const char *const names[] = {
        "Anna R.",    "Bruno M.",  "Chiara L.", "Davide P.",  "Elena S.",   "Filippo G.", "Giulia T.", "Hamid K.",
        "Irene B.",   "Luca F.",   "Marta C.",  "Nicola V.",  "Olga D.",    "Paolo Z.",   "Rita A.",   "Samuele N.",
        "Teresa E.",  "Ugo I.",    "Viola O.",  "Zeno U.",    "Alice Q.",   "Bianca H.",  "Carlo J.",  "Diana W.",
        "Enrico X.",  "Fatima Y.", "Gianni K.", "Ilaria M.",  "Leonardo S.", "Matilde R."};
    const unsigned seed = shape.seed;
    for (int i = 0; i < pupils; ++i) {
        const QString history = QDir(folder).filePath(QStringLiteral("storico-%1.sqlite").arg(i));
        shape.seed = seed + unsigned(i);
        if (!history::writeSampleHistory(history, shape, out.size, error))
            return false;
        const QString pupil = i < int(std::size(names)) ? QString::fromUtf8(names[i]) : QStringLiteral("Alunno %1").arg(i + 1);
        const QString file = QDir(folder).filePath(QStringLiteral("risultati-%1.json").arg(i + 1));
        int saved = 0;
        if (!saveMyResults(history, {pupil, className}, file, QDateTime::currentMSecsSinceEpoch(), saved, error))
            return false;
        QFile::remove(history);
        out.files << file;
    }
    return true;
}

}  // namespace results
