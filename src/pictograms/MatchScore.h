#pragma once

namespace lumari {

// How the typed words were found in one of a pictogram's words (its exact
// name or one keyword): consecutive, the last one maybe only begun.
struct TermMatch {
    bool name = false;     // an exact ("tts") name rather than a keyword
    bool whole = false;    // the last typed word is whole, not a prefix
    bool entire = false;   // the typed words are all the term's words
    bool atStart = false;  // the term begins with them
};

// Whole words rank above prefixes, and within each, exact names above
// keywords; an entire exact name ranks highest.
constexpr int kEntireName = 100;
constexpr int kLeastWholeWord = 60;

constexpr int Score(const TermMatch& m)
{
    if (m.entire && m.name) return kEntireName;
    if (m.entire) return kLeastWholeWord + 5;
    const int start = m.atStart ? 1 : 0;
    if (m.whole) return (m.name ? 80 : kLeastWholeWord) + start;
    return (m.name ? 40 : 20) + start;
}

}  // namespace lumari
