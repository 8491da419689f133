// make_assets: draws the program's icons, cursor, image set and sounds.
// Usage: make_assets <repository root>
#include "make_assets.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // Painting into images needs no screen; this also runs on build machines.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <repository root>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }

    assets::Output out(root);
    const bool ok = assets::writeIcons(out) && assets::writePictures(out) && assets::writeSounds(out);
    return ok ? 0 : 1;
}
