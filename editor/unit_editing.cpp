#include "unit_editing.h"

#include <array>
#include <string_view>

namespace editor {

bool joinWithNext(std::vector<Unit> &units, int index)
{
    if (index < 0 || index + 1 >= int(units.size()))
        return false;
    Unit &a = units[std::size_t(index)];
    const Unit &b = units[std::size_t(index) + 1];
    if (!a.text.empty() && a.text.back() == '-')
        a.text.pop_back();  // the hyphen only marked the split
    else if (!a.text.empty() && a.text.back() != '\'')
        a.text += ' ';
    a.text += b.text;
    a.features = {};
    units.erase(units.begin() + index + 1);
    return true;
}

bool split(std::vector<Unit> &units, int index, int space)
{
    if (index < 0 || index >= int(units.size()))
        return false;
    const std::string text = units[std::size_t(index)].text;
    std::size_t at = std::string::npos;
    for (std::size_t i = 0, seen = 0; i < text.size(); ++i)
        if (text[i] == ' ' && int(seen++) == space) {
            at = i;
            break;
        }
    std::string first, second;
    if (at != std::string::npos) {
        first = text.substr(0, at);
        second = text.substr(at + 1);
    } else if (const std::size_t apostrophe = text.find('\''); apostrophe != std::string::npos
                                                              && apostrophe + 1 < text.size()) {
        first = text.substr(0, apostrophe + 1);  // "l'uomo" -> "l'" | "uomo"
        second = text.substr(apostrophe + 1);
    } else {
        // A pronoun written onto a verb: the longest known ending that
        // leaves a verb-like stem before it.
        static const std::array<std::string_view, 17> pronouns = {
            "glie", "gli", "mi", "me", "ti", "te", "ci", "ce", "vi", "ve", "si", "se", "lo", "la", "li", "le", "ne"};
        std::size_t end = text.size();
        while (end > 0 && std::string_view(",.;:!?").find(text[end - 1]) != std::string_view::npos)
            --end;
        for (std::string_view p : pronouns)
            if (end > p.size() + 2 && std::string_view(text).substr(end - p.size(), p.size()) == p) {
                first = text.substr(0, end - p.size()) + "-";
                second = text.substr(end - p.size());
                break;
            }
        if (first.empty())
            return false;
    }
    if (first.empty() || second.empty())
        return false;
    Unit left = units[std::size_t(index)];
    left.text = first;
    left.features = {};
    Unit right = left;
    right.text = second;
    units[std::size_t(index)] = left;
    units.insert(units.begin() + index + 1, right);
    return true;
}

}  // namespace editor
