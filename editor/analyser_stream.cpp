#include "analyser_stream.h"

#include <algorithm>

namespace editor {

bool Reading::has(std::string_view tag) const
{
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

namespace {

constexpr std::string_view kReserved = "[]^$/\\@<>{}";
constexpr std::size_t kMaxToken = 4096;  // a longer word means a broken stream

// "lemma<a><b>" -> Reading; false when the tags are not closed.
bool readReading(std::string_view text, Reading &out)
{
    const std::size_t firstTag = text.find('<');
    out.lemma = std::string(text.substr(0, firstTag));
    out.lemma.erase(std::remove(out.lemma.begin(), out.lemma.end(), '#'), out.lemma.end());
    if (firstTag == std::string_view::npos)
        return true;
    std::size_t pos = firstTag;
    while (pos < text.size()) {
        if (text[pos] != '<')
            return false;  // "lemma<tag>junk"
        const std::size_t close = text.find('>', pos);
        if (close == std::string_view::npos)
            return false;
        out.tags.emplace_back(text.substr(pos + 1, close - pos - 1));
        pos = close + 1;
        // a multiword's invariable tail after the tags: "cercare<vblex>...# di"
        if (pos < text.size() && text[pos] == '#') {
            const std::size_t next = text.find('<', pos);
            out.lemma += std::string(text.substr(pos + 1, next - pos - 1));
            pos = next == std::string_view::npos ? text.size() : next;
        }
    }
    return true;
}

// The inside of one "^...$", escapes already removed except those marking
// literal separators, which come in as `literal` flags.
bool readToken(const std::string &body, const std::vector<bool> &literal, Token &out)
{
    std::size_t slash = std::string::npos;
    for (std::size_t i = 0; i < body.size(); ++i)
        if (body[i] == '/' && !literal[i]) {
            slash = i;
            break;
        }
    if (slash == std::string::npos || slash == 0)
        return false;
    out.surface = body.substr(0, slash);
    // The tagger puts its choice first; the others are kept for context rules.
    std::vector<std::size_t> cuts{slash};
    for (std::size_t i = slash + 1; i < body.size(); ++i)
        // "su<pr>+/il<det>": the tagger's reordering can put a separator
        // after a join; the join wins.
        if (body[i] == '/' && !literal[i] && !(body[i - 1] == '+' && !literal[i - 1]))
            cuts.push_back(i);
    cuts.push_back(body.size());
    for (std::size_t a = 0; a + 1 < cuts.size(); ++a) {
        const std::size_t from = cuts[a] + 1, end = cuts[a + 1];
        if (from >= end)
            return false;
        if (body[from] == '*') {
            if (a > 0)
                return false;
            out.unknown = true;
            return true;
        }
        std::vector<Reading> analysis;
        std::size_t start = from;
        for (std::size_t i = from; i <= end; ++i) {
            if (i == end || (body[i] == '+' && !literal[i])) {
                if (i + 1 < end && body[i + 1] == '/' && !literal[i + 1])
                    ++i;  // the "+/" above
                Reading r;
                const std::size_t partEnd = (i < end && body[i] == '/') ? i - 1 : i;
                if (partEnd == start || !readReading(std::string_view(body).substr(start, partEnd - start), r))
                    return false;
                analysis.push_back(std::move(r));
                start = i + 1;
            }
        }
        if (a == 0)
            out.parts = std::move(analysis);
        else
            out.alternatives.push_back(std::move(analysis));
    }
    return !out.parts.empty();
}

}  // namespace

StreamResult parseStream(std::string_view stream)
{
    StreamResult result;
    std::string blank;
    std::size_t i = 0;
    auto fail = [&](std::string message) {
        result.error = std::move(message) + " (carattere " + std::to_string(i + 1) + ")";
        return result;
    };
    while (i < stream.size()) {
        const char c = stream[i];
        if (c == '\\' && i + 1 < stream.size()) {
            blank += stream[i + 1];
            i += 2;
        } else if (c == '[') {  // a superblank: formatting kept verbatim
            const std::size_t close = stream.find(']', i);
            if (close == std::string_view::npos)
                return fail("parentesi quadra non chiusa");
            blank += ' ';
            i = close + 1;
        } else if (c == '^') {
            std::string body;
            std::vector<bool> literal;
            ++i;
            bool closed = false;
            while (i < stream.size()) {
                const char d = stream[i];
                if (d == '\\' && i + 1 < stream.size()) {
                    body += stream[i + 1];
                    literal.push_back(true);
                    i += 2;
                    continue;
                }
                if (d == '$') {
                    closed = true;
                    ++i;
                    break;
                }
                if (d == '^' || d == '\0')
                    return fail("parola non chiusa");
                body += d;
                literal.push_back(false);
                ++i;
                if (body.size() > kMaxToken)
                    return fail("parola troppo lunga");
            }
            if (!closed)
                return fail("parola non chiusa");
            Token token;
            if (!readToken(body, literal, token))
                return fail("analisi illeggibile «" + body.substr(0, 40) + "»");
            token.blankBefore = std::move(blank);
            blank.clear();
            result.tokens.push_back(std::move(token));
        } else if (c == '$' || c == ']') {
            return fail("carattere inatteso «" + std::string(1, c) + "»");
        } else {
            if (c != '\0')
                blank += c;
            ++i;
        }
    }
    result.trailingBlank = std::move(blank);
    return result;
}

std::string escapeForAnalyser(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        if (c == '\0')
            continue;
        if (kReserved.find(c) != std::string_view::npos)
            out += '\\';
        out += c;
    }
    return out;
}

}  // namespace editor
