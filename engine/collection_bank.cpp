#include "collection_bank.h"

#include <algorithm>
#include <map>

#include "collection_format.h"
#include "sentence_source.h"
#include "word_room.h"
#include "text_decoding.h"

namespace engine::collection {

namespace {

// What makes two sentences the same: their unit texts and codes, in order.
std::string sameKey(const std::vector<Unit> &units)
{
    std::string key;
    for (const Unit &u : units)
        key += u.text + '\x1F' + char('0' + u.code) + '\x1E';
    return key;
}


std::string where(const Origin &o)
{
    return o.file.empty() ? "una frase del programma" : visibleName(o.file) + ", riga " + std::to_string(o.line);
}

struct Candidate {
    Origin origin;
    const std::vector<Unit> *units;
    QuestionSet questions = kAllQuestions;  // its file's `@domande`
};

class Filler {
public:
    Filler(SentenceBank &bank, Loaded &out) : bank_(bank), out_(out) {}

    void addBuiltIn()
    {
        bank_.fill();
        for (const SentenceSource &s : sentenceSources()) {
            std::vector<Unit> units;
            for (int p = 0; p < s.count; ++p)
                units.push_back({std::string(trim(s.cells[p].text)), s.cells[p].code, {}});
            seen_.emplace(sameKey(units), Origin{});
            out_.origins.push_back({});
        }
        out_.lastSentence = static_cast<int>(sentenceSources().size()) - 1;
    }

    void add(const Candidate &c)
    {
        const auto [it, isNew] = seen_.emplace(sameKey(*c.units), c.origin);
        if (!isNew) {
            out_.messages.push_back(visibleName(c.origin.file) + ", riga " + std::to_string(c.origin.line)
                                    + ": la frase ripete " + where(it->second) + ", lasciata fuori");
            return;
        }
        if (out_.lastSentence + 1 >= kMaxSentences) {
            if (!full_)
                out_.messages.push_back(visibleName(c.origin.file) + ", riga " + std::to_string(c.origin.line)
                                        + ": raggiunto il massimo di " + std::to_string(kMaxSentences)
                                        + " frasi: da qui in poi le frasi sono lasciate fuori");
            full_ = true;
            return;
        }
        const int s = ++out_.lastSentence;
        bank_.ensureRows(s + 1);
        const std::vector<Unit> &units = *c.units;
        bank_.setCode(s, 0, static_cast<std::int16_t>(units.size()));
        for (int p = 1; p <= SentenceBank::kLastPosition; ++p) {
            const bool filled = p <= static_cast<int>(units.size());
            bank_.setWord(s, p, filled ? units[p - 1].text : std::string());
            bank_.setCode(s, p, filled ? static_cast<std::int16_t>(units[p - 1].code) : std::int16_t{0});
            bank_.setFeatures(s, p, filled ? units[p - 1].features : Features{});
        }
        bank_.setQuestions(s, c.questions);
        out_.origins.push_back(c.origin);
        noteLegibleWidth(c);
    }

private:
    // Every unit fits its row in the standard face (the line is checked so);
    // one too wide for it in the high-legibility face is drawn smaller there.
    void noteLegibleWidth(const Candidate &c)
    {
        const std::vector<Unit> &units = *c.units;
        for (std::size_t p = 1; p <= units.size(); ++p)
            if (!fitsWordRow(units[p - 1].text, static_cast<int>(p), WordFace::Legible))
                out_.messages.push_back(c.origin.file + ", riga " + std::to_string(c.origin.line) + ": «"
                                        + units[p - 1].text + "» al posto " + std::to_string(p)
                                        + " con l'alta leggibilità è scritto più piccolo per stare nella "
                                          "colonna delle parole");
    }

    SentenceBank &bank_;
    Loaded &out_;
    std::map<std::string, Origin> seen_;
    bool full_ = false;
};

}  // namespace

Loaded fillBank(SentenceBank &bank, const Sources &sources)
{
    Loaded out;
    out.messages = sources.messages;
    std::vector<File> parsed;
    parsed.reserve(sources.files.size());
    bool onlyThese = false;
    for (const Source &f : sources.files) {
        parsed.push_back(parseFile(f.bytes));
        onlyThese |= parsed.back().onlyThese;
        for (const Message &m : parsed.back().messages)
            out.messages.push_back(describe(f.name, m));
    }
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < parsed.size(); ++i)
        for (std::size_t n = 0; n < parsed[i].lines.size(); ++n)
            if (parsed[i].lines[n].kind == Line::Kind::Sentence)
                candidates.push_back({{sources.files[i].name, static_cast<int>(n) + 1}, &parsed[i].lines[n].units,
                                      parsed[i].questions});

    if (onlyThese && candidates.empty())
        out.messages.push_back("«" + std::string(kOnlyTheseLine)
                               + "»: nessuna frase delle raccolte si può usare, restano le frasi del programma");
    Filler filler(bank, out);
    if (!onlyThese || candidates.empty())
        filler.addBuiltIn();
    for (const Candidate &c : candidates)
        filler.add(c);
    return out;
}

void loadSentences(DrillState &state, const SourceReader &read, std::ostream &log)
{
    const Loaded loaded = fillBank(state.bank, read ? read() : Sources{});
    for (const std::string &m : loaded.messages)
        log << m << '\n';
    state.lastSentence = loaded.lastSentence;
    state.origins.clear();
    for (const Origin &o : loaded.origins)
        state.origins.push_back({o.file, o.line});
    if (state.sentenceUsed.size() < static_cast<std::size_t>(state.bank.rows()))
        state.sentenceUsed.resize(static_cast<std::size_t>(state.bank.rows()));
}

}  // namespace engine::collection
