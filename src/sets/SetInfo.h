#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

namespace lumari {

class Files;

// A pictogram drawn as a pair's symbol, and whether it is a proposal the
// adult has yet to review.
struct PairPictogram {
    QString emoji;
    QString name;
    bool review = false;
    bool operator==(const PairPictogram&) const = default;
};

// What a set keeps beside its pictures, in Set_<name>/set.json (the game
// ignores the file): its word languages, and which pairs' symbols were drawn
// from a pictogram. A missing file means the defaults; a damaged one is read
// as the defaults, told by problem(), and kept aside as set.json.damaged the
// first time the set is saved. Pair names are compared ignoring letter case,
// as the game pairs pictures.
class SetInfo {
public:
    // Never throws.
    static SetInfo Load(const QString& setFolder);
    // "" or why the file could not be read.
    QString problem() const { return problem_; }
    // Written atomically; false, with the reason in why, when it cannot be.
    bool Save(const QString& setFolder, QString* why = nullptr) const;

    QStringList languages;  // the set's word languages in order; empty: the default
    // languages, or the default (the user's UI languages, then English) when empty.
    QStringList Languages() const;

    std::optional<PairPictogram> Pictogram(const QString& pair) const;
    void SetPictogram(const QString& pair, const PairPictogram& p);
    // The pair's symbol is no longer a pictogram, or the pair is gone.
    void Forget(const QString& pair);
    void Rename(const QString& from, const QString& to);
    // The pairs awaiting review, in the order the set's grid lists them.
    QStringList ToReview() const;
    // Every pair with a pictogram, by its name as stored.
    std::map<QString, PairPictogram> Pictograms() const;

private:
    struct Entry {
        QString pair;
        PairPictogram pictogram;
    };
    std::map<QString, Entry> entries_;  // by the upper-cased pair name
    QString problem_;
};

// The real folder of a set (Set_<name>, found ignoring letter case as the
// game finds it), for Load and Save. Error 76 for a name leading elsewhere.
QString SetInfoFolder(Files& files, const QString& set);

// Language codes as the adult types them ("de,en", "pt-BR") as the set
// keeps them: "de", "en", "pt_BR"; blanks and repeats dropped.
QStringList ParseLanguages(const QString& typed);

}  // namespace lumari
