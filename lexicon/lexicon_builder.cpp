#include "lexicon_builder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>
#include <unordered_map>

#include "lexicon_format.h"

namespace lexicon {

namespace {

using engine::Gender;
using engine::Number;

bool sameEntry(const LexiconBuilder::Entry &a, const LexiconBuilder::Entry &b)
{
    return a.lemma == b.lemma && a.pos == b.pos && a.gender == b.gender && a.number == b.number
           && a.mood == b.mood && a.tense == b.tense && a.person == b.person;
}

std::string lower(const QString &s) { return s.toLower().toStdString(); }

// The top object of one data file, or a message.
bool topObject(const QByteArray &json, const char *file, QJsonObject *out, QString *problem)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("%1: non è JSON valido al byte %2 (%3)")
                       .arg(QLatin1String(file)).arg(error.offset).arg(error.errorString());
        return false;
    }
    if (!doc.isObject()) {
        *problem = QStringLiteral("%1: manca l'oggetto delle parole").arg(QLatin1String(file));
        return false;
    }
    *out = doc.object();
    return true;
}

// A form field: a string, or null/absent for a form the word lacks.
// Abbreviations ("artt.") are no forms a pupil meets.
bool formField(const QJsonValue &v, QString *form)
{
    if (v.isString()) {
        *form = v.toString();
        return !form->isEmpty() && !form->endsWith(QLatin1Char('.'));
    }
    return false;
}

bool badEntry(const char *file, const QString &key, const QString &why, QString *problem)
{
    *problem = QStringLiteral("%1: «%2»: %3").arg(QLatin1String(file), key, why);
    return false;
}

}  // namespace

void LexiconBuilder::add(const std::string &form, const Entry &entry)
{
    auto &list = forms_[form];
    for (const Entry &e : list)
        if (sameEntry(e, entry))
            return;
    list.push_back(entry);
}

bool LexiconBuilder::addWords(const QByteArray &json, QString *problem)
{
    QJsonObject top;
    if (!topObject(json, "words.json", &top, problem))
        return false;
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (!it.value().isObject())
            return badEntry("words.json", it.key(), QStringLiteral("non è un oggetto"), problem);
        const QJsonObject w = it.value().toObject();
        const QString g = w.value(QStringLiteral("G")).toString();
        Gender gender = Gender::Unset;
        if (g == QLatin1String("M"))
            gender = Gender::Maschile;
        else if (g == QLatin1String("F"))
            gender = Gender::Femminile;
        else if (!w.value(QStringLiteral("G")).isNull())
            return badEntry("words.json", it.key(), QStringLiteral("genere «%1» non è M né F").arg(g), problem);
        const std::string lemma = lower(it.key());
        if (lemma.empty())
            return badEntry("words.json", it.key(), QStringLiteral("parola vuota"), problem);
        add(lemma, {lemma, PartOfSpeech::Noun, gender, Number::Singolare});
        QString form;
        if (formField(w.value(QStringLiteral("S")), &form))
            add(lower(form), {lemma, PartOfSpeech::Noun, gender, Number::Singolare});
        if (formField(w.value(QStringLiteral("P")), &form))
            add(lower(form), {lemma, PartOfSpeech::Noun, gender, Number::Plurale});
    }
    return true;
}

bool LexiconBuilder::addAdjectives(const QByteArray &json, QString *problem)
{
    QJsonObject top;
    if (!topObject(json, "adjectives.json", &top, problem))
        return false;
    static const struct {
        const char *key;
        Gender gender;
        Number number;
    } kForms[] = {{"MS", Gender::Maschile, Number::Singolare},
                  {"MP", Gender::Maschile, Number::Plurale},
                  {"FS", Gender::Femminile, Number::Singolare},
                  {"FP", Gender::Femminile, Number::Plurale}};
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (!it.value().isObject())
            return badEntry("adjectives.json", it.key(), QStringLiteral("non è un oggetto"), problem);
        const QJsonObject a = it.value().toObject();
        const std::string lemma = lower(it.key());
        if (lemma.empty())
            return badEntry("adjectives.json", it.key(), QStringLiteral("parola vuota"), problem);
        add(lemma, {lemma, PartOfSpeech::Adjective, Gender::Maschile, Number::Singolare});
        for (const auto &f : kForms) {
            const QJsonValue v = a.value(QLatin1String(f.key));
            QString form;
            if (formField(v, &form))
                add(lower(form), {lemma, PartOfSpeech::Adjective, f.gender, f.number});
            else if (!v.isNull() && !v.isUndefined() && !v.isString())
                return badEntry("adjectives.json", it.key(),
                                QStringLiteral("la forma %1 non è un testo").arg(QLatin1String(f.key)), problem);
        }
    }
    return true;
}

bool LexiconBuilder::addVerbs(const QByteArray &json, QString *problem)
{
    QJsonObject top;
    if (!topObject(json, "verbs.json", &top, problem))
        return false;
    static const std::unordered_map<std::string, Mood> kMoods = {
        {"ind", Mood::Indicativo},  {"sub", Mood::Congiuntivo}, {"cond", Mood::Condizionale},
        {"impr", Mood::Imperativo}, {"inf", Mood::Infinito},    {"part", Mood::Participio},
        {"ger", Mood::Gerundio}};
    static const std::unordered_map<std::string, Tense> kTenses = {
        {"pres", Tense::Presente}, {"impf", Tense::Imperfetto}, {"past", Tense::PassatoRemoto},
        {"fut", Tense::Futuro}};
    for (auto it = top.begin(); it != top.end(); ++it) {
        const std::string lemma = lower(it.key());
        if (lemma.empty())
            return badEntry("verbs.json", it.key(), QStringLiteral("verbo vuoto"), problem);
        add(lemma, {lemma, PartOfSpeech::Verb, Gender::Unset, Number::Unset, Mood::Infinito, Tense::Presente});
        if (it.value().isNull())
            continue;
        if (!it.value().isObject())
            return badEntry("verbs.json", it.key(), QStringLiteral("non è un oggetto"), problem);
        const QJsonObject moods = it.value().toObject();
        for (auto m = moods.begin(); m != moods.end(); ++m) {
            const auto mood = kMoods.find(m.key().toStdString());
            if (mood == kMoods.end() || m.value().isNull())
                continue;  // the data's own oddities ("null" as a mood): nothing a pupil meets
            if (mood->second == Mood::Infinito)
                continue;  // the lemma is the infinitive; the field adds a pronoun to it
            if (!m.value().isObject())
                return badEntry("verbs.json", it.key(), QStringLiteral("modo %1 non è un oggetto").arg(m.key()), problem);
            const QJsonObject tenses = m.value().toObject();
            for (auto t = tenses.begin(); t != tenses.end(); ++t) {
                const auto tense = kTenses.find(t.key().toStdString());
                if (tense == kTenses.end() || t.value().isNull())
                    continue;
                Entry e{lemma, PartOfSpeech::Verb, Gender::Unset, Number::Unset, mood->second, tense->second};
                // The past participle is the "passato"; the present participle "presente".
                if (mood->second == Mood::Participio && tense->second == Tense::PassatoRemoto)
                    e.tense = Tense::Passato;
                QString form;
                if (formField(t.value(), &form)) {  // gerund: one form
                    add(lower(form), e);
                    continue;
                }
                if (!t.value().isObject())
                    return badEntry("verbs.json", it.key(),
                                    QStringLiteral("%1 %2 non è né un testo né un oggetto").arg(m.key(), t.key()), problem);
                const QJsonObject persons = t.value().toObject();
                for (auto p = persons.begin(); p != persons.end(); ++p) {
                    // S1..P3 for the persons; S, P, SF, PF for a participle.
                    const QString k = p.key();
                    Entry pe = e;
                    if (k.isEmpty() || (k[0] != QLatin1Char('S') && k[0] != QLatin1Char('P')))
                        return badEntry("verbs.json", it.key(), QStringLiteral("chiave «%1» sconosciuta").arg(k), problem);
                    pe.number = k[0] == QLatin1Char('S') ? Number::Singolare : Number::Plurale;
                    if (k.size() == 2 && k[1] >= QLatin1Char('1') && k[1] <= QLatin1Char('3'))
                        pe.person = k[1].unicode() - '0';
                    else if (k.size() == 2 && k[1] == QLatin1Char('F'))
                        pe.gender = Gender::Femminile;
                    else if (k.size() == 1)
                        pe.gender = mood->second == Mood::Participio ? Gender::Maschile : Gender::Unset;
                    else
                        return badEntry("verbs.json", it.key(), QStringLiteral("chiave «%1» sconosciuta").arg(k), problem);
                    if (formField(p.value(), &form))
                        add(lower(form), pe);
                }
            }
        }
    }
    return true;
}

QByteArray LexiconBuilder::build() const
{
    // The pool holds each distinct string once: forms and lemmas share it.
    QByteArray pool;
    std::unordered_map<std::string, std::uint32_t> offsets;
    auto intern = [&](const std::string &s) {
        auto [it, fresh] = offsets.try_emplace(s, std::uint32_t(pool.size()));
        if (fresh) {
            pool.append(s.data(), qsizetype(s.size()));
            pool.append('\0');
        }
        return it->second;
    };
    std::vector<FormRecord> forms;
    std::vector<AnalysisRecord> analyses;
    for (const auto &[form, entries] : forms_) {  // std::map: byte order, as the reader searches
        forms.push_back({intern(form), std::uint32_t(analyses.size())});
        for (const Entry &e : entries)
            analyses.push_back({intern(e.lemma), std::uint8_t(e.pos), std::uint8_t(e.gender), std::uint8_t(e.number),
                                std::uint8_t(e.mood), std::uint8_t(e.tense), std::uint8_t(e.person), {0, 0}});
    }
    forms.push_back({0, std::uint32_t(analyses.size())});
    if (pool.isEmpty())
        pool.append('\0');
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.version = kVersion;
    h.formCount = std::uint32_t(forms.size() - 1);
    h.analysisCount = std::uint32_t(analyses.size());
    h.poolSize = std::uint32_t(pool.size());
    QByteArray out;
    out.append(reinterpret_cast<const char *>(&h), sizeof h);
    out.append(reinterpret_cast<const char *>(forms.data()), qsizetype(forms.size() * sizeof(FormRecord)));
    out.append(reinterpret_cast<const char *>(analyses.data()), qsizetype(analyses.size() * sizeof(AnalysisRecord)));
    out.append(pool);
    return out;
}

}  // namespace lexicon
