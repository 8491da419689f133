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
// keywords. A term that is exactly what was typed ranks above a term that only
// holds it: "car" finds the automobile, whose keyword it is, before the tram
// car, and "moon" a moon before the moon cake.
constexpr int kEntireName = 100;
constexpr int kEntireKeyword = 90;
constexpr int kLeastWholeWord = 60;

constexpr int Score(const TermMatch& m)
{
    if (m.entire) return m.name ? kEntireName : kEntireKeyword;
    const int start = m.atStart ? 1 : 0;
    if (m.whole) return (m.name ? 80 : kLeastWholeWord) + start;
    return (m.name ? 40 : 20) + start;
}

}  // namespace lumari
