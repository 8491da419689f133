#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace lumari {

class Runtime;
struct Module1;

// One of the game's two tables of file names: slots 1 to 1000 hold names,
// slot 0 is never used. Every access is checked against 0 to 1000.
class Catalogue {
public:
    static constexpr int kLastSlot = 1000;

    // Error 9 for a slot outside 0 to 1000.
    const QString& At(std::int32_t slot) const;
    void Set(std::int32_t slot, const QString& name);

    std::int32_t Count() const { return count_; }
    void SetCount(std::int32_t count) { count_ = count; }

    // Slots 1 to Count (never past the last slot), in catalogue order.
    QStringList Names() const;

    // Takes slot k out: the names after it move up one, the count drops by one.
    void Remove(std::int32_t slot);

private:
    static void Check(std::int32_t slot);

    std::array<QString, kLastSlot + 1> slots_;
    std::int32_t count_ = 0;
};

// Fills a catalogue from the set folder's sub-folder pattern (such as
// "\images\*.jpg"), through the error trap of the named routine. An empty
// folder gives count 1 and an empty slot 1; each file beyond the 1000th is
// reported once and not stored.
void LoadCatalogue(Runtime& runtime, const Module1& module1, Catalogue& catalogue, const QString& subPattern,
                   const QString& routine);

void CaricaImmagini(Runtime& runtime, const Module1& module1, Catalogue& images);
void CaricaSimboli(Runtime& runtime, const Module1& module1, Catalogue& symbols);

}  // namespace lumari
