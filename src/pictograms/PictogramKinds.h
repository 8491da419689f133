#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace lumari {

// What a pictogram shows, as far as a proposal needs to know: a person (or
// people) doing something, or a symbol (a sign, a flag, a letter) rather than
// a thing a child can point at.
struct PictogramKind {
    bool person = false;
    bool symbol = false;
};

// The base a skin-tone or gender variant folds into, when known() has it:
// "🏃🏽‍♀" → "🏃", "👩‍✈" → "🧑‍✈", "👋🏿" → "👋"; the emoji itself otherwise.
QString VariantBase(const QString& emoji, const std::function<bool(const QString&)>& known);

// Whether a variant differs from its base by gender (a man or woman pilot,
// a woman running) rather than by skin tone only.
bool GenderVariant(const QString& emoji);

// The kind of each emoji CLDR's labels name (<root>/properties/labels.txt),
// with what the sequence itself shows (people's code points, a character
// from before the pictographs). Emoji the labels leave out are judged by
// their sequence alone; a missing file leaves only that.
class PictogramKinds {
public:
    explicit PictogramKinds(const QString& root);
    PictogramKind Of(const QString& emoji) const;

private:
    QHash<QString, PictogramKind> labelled_;
};

}  // namespace lumari
