#include "game/Catalogue.h"

#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "game/GameOptions.h"
#include "state/SetLayout.h"

#include <algorithm>

namespace lumari {

void Catalogue::Check(std::int32_t slot)
{
    if (slot < 0 || slot > kLastSlot) throw RuntimeError(err::SubscriptOutOfRange);
}

const QString& Catalogue::At(std::int32_t slot) const
{
    Check(slot);
    return slots_[std::size_t(slot)];
}

void Catalogue::Set(std::int32_t slot, const QString& name)
{
    Check(slot);
    slots_[std::size_t(slot)] = name;
}

QStringList Catalogue::Names() const
{
    QStringList names;
    const std::int32_t last = std::min(count_, std::int32_t(kLastSlot));
    for (std::int32_t i = 1; i <= last; ++i) names << slots_[std::size_t(i)];
    return names;
}

void Catalogue::Remove(std::int32_t slot)
{
    for (std::int32_t m = slot; m <= count_ - 1; ++m) Set(m, At(m + 1));
    count_ -= 1;
}

namespace {

using PatternOf = QString (SetLayout::*)(const QString& set) const;

void LoadCatalogue(const Services& services, const QString& set, Catalogue& catalogue, PatternOf pattern,
                   const QString& routine)
{
    ErrorTrap trap(services.boxes, routine);
    const SetLayout layout(services.files.AppPath());
    std::int32_t i = 1;
    QString name;
    trap([&] { name = services.files.Dir((layout.*pattern)(set), attr::Normal); });
    trap([&] { catalogue.Set(i, name); });
    while (!name.isEmpty()) {
        // A listing that fails cannot go on: stop rather than ask forever.
        if (!trap([&] { name = services.files.DirNext(); })) break;
        if (name.isEmpty()) break;
        // A name beyond slot 1000 is refused by the slot check and reported;
        // the count stays at the last stored name.
        trap([&] {
            catalogue.Set(i + 1, name);
            ++i;
        });
    }
    catalogue.SetCount(i);
}

}  // namespace

void CaricaImmagini(const Services& services, const GameOptions& options, Catalogue& images)
{
    LoadCatalogue(services, options.ImagesSet, images, &SetLayout::ImagesPattern, QStringLiteral("CaricaImmagini"));
}

void CaricaSimboli(const Services& services, const GameOptions& options, Catalogue& symbols)
{
    LoadCatalogue(services, options.ImagesSet, symbols, &SetLayout::SymbolsPattern, QStringLiteral("CaricaSimboli"));
}

}  // namespace lumari
