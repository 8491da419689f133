#include "dirtest/Form1.h"

#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "platform/RuntimeError.h"
#include "state/CreaSet.h"
#include "state/SetLayout.h"

#include <QPushButton>

namespace lumari {
namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    PlaceTwips(button, l, t, w, h);
    return button;
}

}  // namespace

Form1::Form1(const Services& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(DialogFont());
    // Resizable, placed by the window system, with the default window icon.
    resize(TwipsToPixels(4680), TwipsToPixels(3090));

    Command1 = MakeButton(this, "Command1", QStringLiteral("Controla le dir esistenti"), 240, 240, 2175, 735);
    Command2 = MakeButton(this, "Command2", QStringLiteral("Crea una dir"), 240, 1200, 2175, 615);
    setTabOrder(Command1, Command2);
    // Neither routine has a trap of its own: nothing escapes them all the same.
    connect(Command1, &QPushButton::clicked, this, [this] { Untrapped(services_.boxes, [this] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { Untrapped(services_.boxes, [this] { Command2_Click(); }); });
}

void Form1::Command1_Click()
{
    Files& files = services_.files;
    const QString folder = SetLayout(files.AppPath()).FolderListing();
    QString entry = files.Dir(folder, attr::Directory);
    while (!entry.isEmpty()) {
        if (entry != u"." && entry != u"..") {
            // An entry removed since the listing has no attributes left to
            // read; the walk just goes on.
            try {
                files.GetAttr(folder + entry);
            } catch (const RuntimeError&) {
            }
        }
        entry = files.DirNext();
    }
}

void Form1::Command2_Click()
{
    for (int n = 1; n <= 20; ++n) CreaSet(services_, QString::number(n));
}

}  // namespace lumari
