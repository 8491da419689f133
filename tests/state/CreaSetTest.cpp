// Creating a set's folders on real folders: one report on failure, never a folder out of the program's.
#include "state/CreaSet.h"
#include "support/TestServices.h"

#include <QFileInfo>


namespace lumari::test {

TEST(CreaSet, CreatesTheThreeFoldersOrReportsOnce)
{
    World w;
    for (const char* folder : {"Set_half", "Set_x"}) w.app.MakeFolder(folder);  // half: left without Images
    const QString out = "x/../../" + QFileInfo(w.app.path()).fileName() + "-out";  // beside the program's folder
    for (const QString& name : {QString("Birds"), QString("bIRDS"), QString("half"), QString("a\\b"), out, QString("..")})
        CreaSet(w.services(), name);
    const QString path = "Error \"Path not found\" in CreaSet() routine";
    EXPECT_EQ(w.boxes.Texts(), (QStringList{"Cannot create set \"bIRDS\". Set already exists",
                                            "Cannot create set \"half\". Set already exists", path, path,
                                            "Error \"Bad file name or number\" in CreaSet() routine"}));
    for (const ShownBox& box : w.boxes.shown) EXPECT_EQ(QString::number(box.style) + box.title, "16");
    EXPECT_EQ(Tree(w.app.path()), (QStringList{"Set_Birds", "Set_Birds/Images", "Set_Birds/Symbols", "Set_half", "Set_x"}));
    EXPECT_FALSE(QFileInfo::exists(w.app.path() + "-out"));
}

}  // namespace lumari::test
