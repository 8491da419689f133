#include "game/Catalogue.h"

#include "platform/ErrorTrap.h"
#include "platform/Runtime.h"
#include "platform/RuntimeError.h"
#include "state/Module1.h"

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

void LoadCatalogue(Runtime& runtime, const Module1& module1, Catalogue& catalogue, const QString& subPattern,
                   const QString& routine)
{
    ErrorTrap trap(runtime, routine);
    std::int32_t i = 1;
    QString folder;
    QString name;
    trap([&] { folder = runtime.AppPath() + QStringLiteral("\\Set_") + module1.ImagesSet; });
    trap([&] { name = runtime.Dir(folder + subPattern, attr::Normal); });
    trap([&] { catalogue.Set(i, name); });
    while (!name.isEmpty()) {
        // A listing that fails cannot go on: stop rather than ask forever.
        if (!trap([&] { name = runtime.DirNext(); })) break;
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

void CaricaImmagini(Runtime& runtime, const Module1& module1, Catalogue& images)
{
    LoadCatalogue(runtime, module1, images, QStringLiteral("\\images\\*.jpg"), QStringLiteral("CaricaImmagini"));
}

void CaricaSimboli(Runtime& runtime, const Module1& module1, Catalogue& symbols)
{
    LoadCatalogue(runtime, module1, symbols, QStringLiteral("\\symbols\\*.jpg"), QStringLiteral("CaricaSimboli"));
}

}  // namespace lumari
