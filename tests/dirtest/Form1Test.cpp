// Form1 on a real program folder: Command2 creates the sets "1" to "20"; Command1 changes nothing.
#include "dirtest/Form1.h"
#include "support/TestServices.h"


namespace lumari::test {

TEST(Form1, CreatesTheTwentySetsAndWalksWithoutEffect)
{
    World w;
    w.app.MakeFolder("Set_7");
    QStringList tree{"Set_7"};
    for (int n = 1; n <= 20; ++n)
        if (n != 7) tree << QString("Set_%1").arg(n) << QString("Set_%1/Images").arg(n) << QString("Set_%1/Symbols").arg(n);
    tree.sort();
    Form1 form(w.services());  // an existing set is reported alone
    for (const char* button : {"Command2", "Command1"}) QMetaObject::invokeMethod(form.findChild<QObject*>(button), "click");
    EXPECT_EQ(w.boxes.Texts(), QStringList{"Cannot create set \"7\". Set already exists"});
    EXPECT_EQ(Tree(w.app.path()), tree);
}

}  // namespace lumari::test
