#pragma once

#include "platform/QtDesktop.h"
#include "platform/QtPictures.h"
#include "platform/QtFiles.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"
#include "platform/TextOutput.h"
#include "platform/WavePlayer.h"

namespace lumari {

// Every service on Qt and the local file system, as the program runs.
class QtServices {
public:
    // programFolder: the folder the program treats as its own.
    explicit QtServices(QString programFolder)
        : files_(std::move(programFolder)), random_(Random::SystemClock())
    {
    }

    Services services()
    {
        return {settings_, files_, boxes_, pictures_, random_, clock_, log_, folders_, sound_};
    }

private:
    SettingsStore settings_;
    QtFiles files_;
    QtBoxes boxes_;
    QtPictures pictures_;
    Random random_;
    QtClock clock_;
    TextOutput log_;
    QtFolderOpener folders_;
    WavePlayer sound_;
};

}  // namespace lumari
