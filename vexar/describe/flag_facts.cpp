// What the description says of a flag beyond its table row: what its value is, read from
// the usage text of its command, and what the flag means, read from the command's page.

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "describe/syntax_description.h"
#include "flag_spec.h"

namespace vxdescribe {
namespace {

// The parts placeholders are made of ("temp-dir-pname", "job-id") that tell what a value
// names; the only place that knows them. A placeholder of other parts names something
// only the system knows (a host, a date, a replica); in braces such a part is a word.
struct PlaceholderPart {
    std::string_view part;
    Offer offer;
};

constexpr PlaceholderPart kPlaceholderParts[] = {
    {"pname", Offer::files},  // a path name
    {"vob", Offer::files},    // a VOB goes by a path: its tag, its storage, an object in it
    {"id", Offer::nothing},  {"uuid", Offer::nothing}, {"name", Offer::nothing},
};

// What the known parts of `placeholder` offer (files when one names a path), or nothing
// when it has no known part: a word.
std::optional<Offer> offer_of_parts(std::string_view placeholder) {
    std::optional<Offer> offer;
    for (size_t start = 0; start <= placeholder.size();) {
        size_t end = placeholder.find('-', start);
        if (end == std::string_view::npos) end = placeholder.size();
        for (const PlaceholderPart &known : kPlaceholderParts)
            if (known.part == placeholder.substr(start, end - start) && offer != Offer::files) offer = known.offer;
        start = end + 1;
    }
    return offer;
}

constexpr std::string_view kBlanks = " \t";
// What ends a flag's spelling, or a placeholder, in a usage text.
constexpr const char *kWordEnd = " \t\n[]{}|";
constexpr const char *kPlaceholderEnd = " \t\n[]{}|=,:";

// "replica-selector" of "replica-selector=[oplog-start]", "state" of "state[,...]".
std::string_view placeholder_name(std::string_view shown) {
    return shown.substr(0, std::min(shown.find_first_of(kPlaceholderEnd), shown.size()));
}

// The text a usage shows as the value of `flag`: a placeholder ("hostname" of
// "-host hostname", "display-format" of "-time_units display-format]") or a group in
// braces, after one of the flag's spellings and blanks.
std::optional<std::string_view> shown_value(std::string_view usage, const FlagDescription &flag) {
    for (size_t at = usage.find('-'); at != std::string_view::npos; at = usage.find('-', at + 1)) {
        if (at > 0 && std::string_view(" \t\n[{|").find(usage[at - 1]) == std::string_view::npos) continue;
        const size_t end = std::min(usage.find_first_of(kWordEnd, at), usage.size());
        if (!vx_spec::spelling_of(flag.name, flag.shortest).accepts(usage.substr(at, end - at))) continue;
        const size_t value = std::min(usage.find_first_not_of(kBlanks, end), usage.size());
        if (value == end || value == usage.size()) continue;
        if (usage[value] == '{') {
            const size_t close = usage.find('}', value);
            if (close != std::string_view::npos) return usage.substr(value, close + 1 - value);
            continue;
        }
        if (std::string_view("[]|}-\n").find(usage[value]) != std::string_view::npos) continue;
        return placeholder_name(usage.substr(value));
    }
    return std::nullopt;
}

// "{months | days}": the alternatives that are words, else what the placeholders offer.
ValueFacts braced_facts(std::string_view braces) {
    ValueFacts facts{std::string(braces), Offer::nothing, {}};
    std::istringstream alternatives(std::string(braces.substr(1, braces.size() - 2)));
    for (std::string alternative; std::getline(alternatives, alternative, '|');) {
        const size_t first = alternative.find_first_not_of(kBlanks);
        if (first == std::string::npos) continue;
        alternative = alternative.substr(first, alternative.find_last_not_of(kBlanks) + 1 - first);
        const std::optional<Offer> offer = offer_of_parts(alternative);
        if (!offer)
            facts.words.push_back(alternative);
        else if (*offer == Offer::files)
            facts.offer = Offer::files;
    }
    if (!facts.words.empty()) facts.offer = Offer::words;
    return facts;
}

// A line of mdoc text as it reads: "\-" a dash, "\e" a backslash, "\&" nothing.
std::string unescaped(std::string_view line) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            text += line[i];
            continue;
        }
        const char next = line[++i];
        if (next == '-')
            text += '-';
        else if (next == 'e')
            text += '\\';
        else if (next != '&')
            text += std::string("\\") + next;
    }
    return text;
}

// ".It Fl inv Ns Oo ob Oc Ar vob-selector" is -invob, taking a vob-selector;
// ".It Fl endrange" is -endrange.
PageEntry entry_of(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    PageEntry entry{"-" + words.at(2), "", ""};
    if (words.size() >= 6 && words[3] == "Ns" && (words[4] == "Op" || words[4] == "Oo")) entry.name += words[5];
    const auto value = std::find(words.begin(), words.end(), "Ar");
    if (value != words.end() && value + 1 != words.end()) entry.placeholder = placeholder_name(*(value + 1));
    return entry;
}

// A page that cannot be read would leave its flags without meanings unnoticed.
std::string file_text(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in || in.bad()) throw std::runtime_error("cannot read the page " + path);
    return text.str();
}

}  // namespace

const char *offer_name(Offer offer) {
    switch (offer) {
        case Offer::files: return "files";
        case Offer::words: return "words";
        case Offer::nothing: break;
    }
    return "nothing";
}

ValueFacts value_facts(std::string_view usage, const FlagDescription &flag, std::string_view page_placeholder) {
    if (flag.value == Value::none) return {};
    const std::string_view shown = shown_value(usage, flag).value_or(page_placeholder);
    if (shown.empty()) return {"", Offer::files, {}};
    if (shown.front() == '{') return braced_facts(shown);
    return {std::string(shown), offer_of_parts(shown) == Offer::files ? Offer::files : Offer::nothing, {}};
}

std::vector<PageEntry> page_entries(std::string_view page) {
    std::vector<PageEntry> entries;
    std::istringstream lines{std::string(page)};
    bool in_options = false;
    bool entry_begins = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(".Sh ", 0) == 0) {
            in_options = line == ".Sh OPTIONS";
            continue;
        }
        if (!in_options) continue;
        if (entry_begins && !line.empty() && line[0] != '.') entries.back().meaning = unescaped(line);
        entry_begins = line.rfind(".It Fl ", 0) == 0;
        if (entry_begins) entries.push_back(entry_of(line));
    }
    return entries;
}

void add_flag_facts(std::vector<CommandDescription> &commands, const std::string &page_folder) {
    for (CommandDescription &command : commands) {
        if (command.flags.empty()) continue;
        const std::vector<PageEntry> entries = page_entries(file_text(page_folder + "/vexar-" + command.word + ".1"));
        for (FlagDescription &flag : command.flags) {
            const auto entry = std::find_if(entries.begin(), entries.end(),
                                            [&](const PageEntry &listed) { return listed.name == flag.name; });
            const bool listed = entry != entries.end();
            ValueFacts facts = value_facts(command.usage, flag, listed ? entry->placeholder : "");
            flag.placeholder = std::move(facts.placeholder);
            flag.offer = facts.offer;
            flag.words = std::move(facts.words);
            if (listed) flag.meaning = entry->meaning;
        }
    }
}

}  // namespace vxdescribe
