// What a set keeps beside its pictures, read back by new objects as a restarted program reads it.
#include "support/TestServices.h"
#include "sets/SetInfo.h"

namespace lumari::test {

TEST(SetInfoFile, KeptAcrossARestartFollowingRenamesAndRemovals)
{
    AppFolder app;
    SetInfo info;
    info.languages = ParseLanguages(" it, pt-BR,it ");
    info.SetPictogram("cup", {"☕", "hot beverage", true});
    info.SetPictogram("Cat", {"🐈", "cat", false});
    info.SetPictogram("owl", {"🦉", "owl", true});
    info.Rename("CUP", "mug");
    info.Forget("OWL");
    ASSERT_TRUE(info.Save(app.path()));

    const SetInfo read = SetInfo::Load(app.path());
    EXPECT_EQ(read.problem(), "");
    EXPECT_EQ(read.Languages(), (QStringList{"it", "pt_BR"}));
    EXPECT_EQ(read.ToReview(), QStringList{"mug"});
    EXPECT_EQ(read.Pictogram("cat").value_or(PairPictogram{}).emoji, "🐈");  // letter case ignored
    EXPECT_FALSE(read.Pictogram("owl").has_value());
}

TEST(SetInfoFile, DamagedFileReadAsDefaultsAndKeptAsideWhenSaved)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"cut", R"({"languages": ["de")"}, {"not an object", "[1, 2]"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFolder app;
        app.WriteFile("set.json", c.bytes);
        SetInfo info = SetInfo::Load(app.path());
        EXPECT_NE(info.problem(), "");
        EXPECT_TRUE(info.languages.isEmpty());
        EXPECT_EQ(ReadBytes(app("set.json")), c.bytes);  // reading changes nothing
        info.languages = {"de"};
        ASSERT_TRUE(info.Save(app.path()));
        EXPECT_EQ(ReadBytes(app("set.json.damaged")), c.bytes);
        EXPECT_EQ(SetInfo::Load(app.path()).Languages(), QStringList{"de"});
    }
}

}  // namespace lumari::test
