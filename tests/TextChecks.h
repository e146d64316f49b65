// House-style checks shared by the catalogue tests: the words of a reading,
// grouped into clauses, the places where a person (the lover, a sign's
// native) is called "it", British forms in American writing, and how
// sentences and paragraphs open.
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

// The catalogue speaks American English. These British forms are refused
// in its own writing (quoted texts, such as a colour's heading, are left
// out by the caller): spellings, words and phrases, each matched as whole
// words; a form ending in '*' also matches longer words it begins.
inline const std::vector<std::wstring>& BritishForms() {
    static const std::vector<std::wstring> forms = {
        // spellings
        L"colour*", L"favour*", L"honour*", L"behaviour*", L"neighbour*", L"humour*", L"rumour*",
        L"flavour*", L"savour*", L"harbour*", L"labour*", L"vigour*", L"splendour*", L"ardour*",
        L"odour*", L"centre*", L"theatre*", L"metre*", L"litre*", L"fibre*", L"sombre", L"travell*",
        L"cancell*", L"jewell*", L"marvell*", L"quarrell*", L"counsell*", L"modell*", L"levell*",
        L"realise*", L"realising", L"realisation*", L"organise*", L"organising", L"organisation*",
        L"recognise*", L"recognising", L"apologise*", L"apologising", L"criticise*", L"criticising",
        L"emphasise*", L"emphasising", L"prioritise*", L"prioritising", L"sympathise*",
        L"sympathising", L"familiarise*", L"analyse", L"analysed", L"analysing",
        L"catalogue*", L"programme*", L"cheque*", L"pyjama*", L"tyre*", L"kerb", L"kerbs", L"kerbside", L"plough*",
        L"sceptic*", L"manoeuvr*", L"grey*", L"whilst", L"amongst", L"towards", L"learnt", L"spelt",
        L"judgement*", L"ageing", L"fulfil", L"enrol", L"instil", L"skilful*", L"wilful*",
        L"defence*", L"offence*", L"licence*", L"practise*", L"storey*",
        // words
        L"holiday", L"summer holidays", L"family holidays", L"diary", L"diaries", L"rota", L"rotas",
        L"larder*", L"weekly shop", L"standing order*", L"footballer*", L"full stop*", L"the flat",
        L"flatmate*", L"the post", L"unopened post", L"the shop", L"a shop", L"furniture shop",
        L"fortnight*", L"queue*", L"lorry", L"lorries", L"petrol", L"pavement*", L"motorway*",
        L"car park*", L"mobile phone*", L"rubbish", L"mum", L"mums", L"maths", L"telly", L"carer*",
        L"timetable*", L"leaking tap", L"leaky tap", L"dripping tap", L"team sport",
        L"competitive sport", L"city break*", L"rucksack*", L"boiler*",
        L"come round", L"comes round", L"coming round", L"came round", L"out of the door",
        L"mantelpiece*", L"move house", L"moving house",
        // "agree" takes "on" before what is agreed
        L"agree a", L"agree an", L"agree the", L"agree one", L"agree who", L"agree how",
        L"agree which", L"agree what", L"agree firm", L"agree very"};
    return forms;
}

// The British forms in `text`, and a period or comma after a closing quote
// (American punctuation keeps them inside).
inline std::vector<std::wstring> BritishFormsIn(const std::wstring& text) {
    std::wstring plain = L" ";
    for (const std::wstring& word : PlainWords(text)) plain += word + L" ";
    std::replace(plain.begin(), plain.end(), L'-', L' ');  // "Messi-footballer" is two words here
    std::vector<std::wstring> found;
    for (const std::wstring& form : BritishForms()) {
        const bool open = form.back() == L'*';
        const std::wstring head = L" " + (open ? form.substr(0, form.size() - 1) : form + L" ");
        if (plain.find(head) != std::wstring::npos) found.push_back(form);
    }
    for (size_t at = 1; at + 1 < text.size(); ++at)
        if (text[at] == L'"' && !std::iswspace(text[at - 1]) && (text[at + 1] == L'.' || text[at + 1] == L','))
            found.push_back(text.substr(at > 20 ? at - 20 : 0, at > 20 ? 22 : at + 2));
    return found;
}

// The first two words of every sentence (a sentence ends at . ! or ?
// before a space, or at a line break), for counting stock openings.
inline std::vector<std::wstring> SentenceOpenings(const std::wstring& text) {
    std::vector<std::wstring> openings;
    size_t start = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        const bool end = at == text.size() || text[at] == L'\n' || text[at] == L'\r' ||
                         (std::wcschr(L".!?", text[at]) && at + 1 < text.size() &&
                          std::iswspace(text[at + 1]));
        if (!end) continue;
        const std::vector<std::wstring> words = PlainWords(text.substr(start, at - start));
        if (words.size() >= 2) openings.push_back(words[0] + L" " + words[1]);
        start = at + 1;
    }
    return openings;
}

// How a paragraph opens: its words up to the first that is not an article,
// pronoun or possessive ("money", "the budget", "your social").
inline std::wstring ParagraphOpening(const std::wstring& paragraph) {
    static const std::set<std::wstring> leading = {
        L"the", L"a", L"an", L"your", L"you", L"their", L"they", L"its", L"it", L"this", L"that",
        L"these", L"those", L"both", L"each", L"our", L"we", L"his", L"her", L"my", L"i"};
    std::wstring opening;
    for (const std::wstring& word : PlainWords(paragraph)) {
        opening += (opening.empty() ? L"" : L" ") + word;
        if (!leading.count(word)) break;
    }
    return opening;
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
