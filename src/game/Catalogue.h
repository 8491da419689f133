#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace lumari {

struct GameOptions;
struct Services;

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

// Fill a catalogue from the current set's Images or Symbols folder, each
// through its own routine's trap. An empty folder gives count 1 and an empty
// slot 1; each file beyond the 1000th is reported once and not stored; a set
// name that would lead out of the program's folder lists nothing.
void CaricaImmagini(const Services& services, const GameOptions& options, Catalogue& images);
void CaricaSimboli(const Services& services, const GameOptions& options, Catalogue& symbols);

}  // namespace lumari
