// House-style checks shared by the catalogue tests: the words of a reading,
// grouped into clauses, and the places where a person (the lover, a sign's
// native) is called "it".
#pragma once

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

namespace textcheck {

struct Word {
    std::wstring text;  // lower case, typographic apostrophes made plain
    int clause;         // a new clause starts at , ; : . ! ? ( ) a dash or a line break
};

inline std::vector<Word> ClauseWords(const std::wstring& text) {
    std::vector<Word> words;
    std::wstring current;
    int clause = 0;
    const auto flush = [&] {
        while (!current.empty() && current.back() == L'\'') current.pop_back();
        if (!current.empty()) words.push_back({current, clause});
        current.clear();
    };
    for (const wchar_t raw : text) {
        const wchar_t c = (raw == L'\u2019' || raw == L'\u2018') ? L'\'' : raw;
        if (std::iswalnum(c) || (c == L'\'' && !current.empty()) || (c == L'-' && !current.empty())) {
            current += static_cast<wchar_t>(std::towlower(c));
            continue;
        }
        flush();
        if (std::wcschr(L",;:.!?()\r\n\u2014\u2013", c)) ++clause;
    }
    flush();
    return words;
}

// The words alone, for phrase counts: case and punctuation do not matter,
// line breaks join words like spaces.
inline std::vector<std::wstring> PlainWords(const std::wstring& text) {
    std::vector<std::wstring> plain;
    for (const Word& word : ClauseWords(text)) plain.push_back(word.text);
    return plain;
}

inline std::wstring WithoutPossessive(const std::wstring& word) {
    return word.size() > 2 && word.compare(word.size() - 2, 2, L"'s") == 0
               ? word.substr(0, word.size() - 2)
               : word;
}

// A word that names the lover or a sign's native.
inline bool NamesThePerson(const std::vector<Word>& words, size_t i) {
    static const std::set<std::wstring> names = {
        L"aries", L"leo", L"sagittarius", L"taurus", L"virgo", L"capricorn", L"gemini",
        L"libra", L"aquarius", L"aquarious", L"cancer", L"scorpio", L"pisces", L"arian",
        L"sagittarian", L"taurean", L"virgoan", L"libran", L"aquarian", L"cancerian",
        L"piscean", L"capricornian"};
    const std::wstring word = WithoutPossessive(words[i].text);
    if (names.count(word)) return true;
    return word == L"lover" && i > 0 && words[i - 1].clause == words[i].clause &&
           (words[i - 1].text == L"your" || words[i - 1].text == L"the");
}

// Phrases where "it" or "its" can only mean a person:
//  - "its" later in a clause that names the lover ("Gemini can change its
//    mind", "Scorpio's passion and its need");
//  - "its" before a word only a person has ("its pride", "its shell");
//  - "it" as the subject of a verb only a person does, after at most three
//    helping words ("it cares", "it may say", "it feels secure").
// Ordinary "it" (a plan, the budget, the relationship) passes. Texts that
// speak of a sign as a sign ("its ruling planet") check only the verbs.
inline std::vector<std::wstring> PersonCalledIt(const std::wstring& text, bool lover = true) {
    static const std::set<std::wstring> personal = {
        L"mind", L"feelings", L"shell", L"pride", L"temper", L"moods", L"worries",
        L"ruler", L"heart", L"self-consciousness", L"idealism", L"dreams"};
    static const std::set<std::wstring> helpers = {
        L"may", L"might", L"can", L"could", L"will", L"would", L"does", L"doesn't",
        L"did", L"didn't", L"usually", L"often", L"rarely", L"never", L"always", L"really",
        L"also", L"still", L"truly", L"only", L"just", L"not", L"then", L"quietly"};
    static const std::set<std::wstring> doings = {
        L"cares", L"care", L"says", L"say", L"talks", L"talk", L"thinks", L"think",
        L"wants", L"want", L"loves", L"love", L"knows", L"know", L"adores", L"senses",
        L"respects", L"appreciates", L"admires", L"enjoys", L"deserves",
        L"sulks", L"worries", L"retreats", L"withdraws", L"trusts", L"forgives",
        L"argues", L"forgets", L"shares", L"coaxes", L"flirts", L"hopes", L"wishes",
        L"believes", L"prefers"};
    static const std::set<std::wstring> feelings = {
        L"secure", L"safe", L"loved", L"hurt", L"neglected", L"rejected", L"ignored",
        L"understood", L"appreciated", L"wanted", L"cherished", L"jealous"};
    const std::vector<Word> words = ClauseWords(text);
    std::vector<std::wstring> found;
    const auto phrase = [&](size_t from, size_t to) {
        std::wstring out;
        for (size_t k = from; k <= to && k < words.size(); ++k) out += (k > from ? L" " : L"") + words[k].text;
        found.push_back(out);
    };
    int namedIn = -1;
    size_t namedAt = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::wstring& w = words[i].text;
        if (lover && NamesThePerson(words, i)) {
            namedIn = words[i].clause;
            namedAt = i;
        }
        if (w == L"its") {
            // "at its best", "at its head": an idiom, never the lover
            const bool idiom = i > 0 && words[i - 1].text == L"at";
            const bool sameClause = namedIn == words[i].clause && !idiom;
            size_t next = i + 1;
            if (next < words.size() && (words[next].text == L"own" || words[next].text == L"traditional")) ++next;
            const bool personalNoun = lover && next < words.size() &&
                                      words[next].clause == words[i].clause &&
                                      personal.count(words[next].text) && !idiom;
            if (sameClause) phrase(namedAt, std::min(i + 1, words.size() - 1));
            else if (personalNoun) phrase(i, next);
        } else if (w == L"it") {
            size_t k = i + 1;
            while (k < words.size() && k - i <= 3 && helpers.count(words[k].text)) ++k;
            if (k >= words.size() || words[k].clause != words[i].clause) continue;
            const std::wstring& verb = words[k].text;
            const bool feels = (verb == L"feels" || verb == L"feel") && k + 1 < words.size() &&
                               feelings.count(words[k + 1].text);
            if (doings.count(verb) || feels) phrase(i > 4 ? i - 4 : 0, k + (feels ? 1 : 0));
        }
    }
    return found;
}

// UTF-8, for test messages.
inline std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t wide : text) {
        const auto c = static_cast<unsigned>(wide);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | ((c >> 12) & 0x0F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace textcheck
