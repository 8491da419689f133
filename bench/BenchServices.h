#pragma once

#include "platform/Notifier.h"
#include "platform/QtPictures.h"
#include "platform/QtFiles.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"
#include "platform/TextOutput.h"

#include <cstdint>

namespace lumari::bench {

// Boxes no hand has to answer: each one is counted and answered OK, so a
// round that asked for one shows up in the count.
class CountingBoxes : public Boxes {
public:
    int MsgBox(const QString&, int, const QString&) noexcept override { return ++count, mb::Ok; }
    QString InputBox(const QString&, const QString&) noexcept override { return ++count, QString(); }
    int count = 0;
};

class SilentSound : public SoundOutput {
public:
    void Play(const QString&) override {}
};

class NoFolderOpener : public FolderOpener {
public:
    void Open(const QString&) noexcept override {}
};

// The program's own services on the photo folder, but no box waits for a
// hand, no sound plays unless one is set, and the generator is seeded with a
// counter for a clock so that both ways play the same rounds.
struct BenchServices {
    BenchServices(const QString& appFolder, std::uint64_t seed)
        : files(appFolder), random(seed, [this] { return ++tick; })
    {
    }
    BenchServices(const BenchServices&) = delete;
    BenchServices& operator=(const BenchServices&) = delete;

    Services services() { return {settings, files, boxes, pictures, random, clock, log, folders, *sound}; }

    QtFiles files;
    QtPictures pictures;
    SettingsStore settings;
    TextOutput log;
    QtClock clock;
    CountingBoxes boxes;
    BoxesNotifier notifier{boxes};
    SilentSound silence;
    SoundOutput* sound = &silence;  // no sound unless one is set
    NoFolderOpener folders;
    std::uint64_t tick = 0;
    Random random;
};

}  // namespace lumari::bench
