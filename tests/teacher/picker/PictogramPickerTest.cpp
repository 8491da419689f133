// The pictogram picker with real widgets: typing, choosing by keyboard and
// by double click, icons drawn as they are shown, and the words missing.
#include "support/TestServices.h"
#include "teacher/picker/PictogramDialog.h"
#include "teacher/picker/PictogramLanguages.h"
#include "teacher/picker/PictogramPicker.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

namespace lumari::test {
namespace {

const PictogramIndex& ItalianAndEnglish()
{
    static const PictogramIndex index = PictogramIndex::Load(PictogramIndex::DefaultRoot(), {"it", "en"});
    return index;
}

// The picker shown in an active window, its choices recorded.
struct Shown {
    Shown() : picker(ItalianAndEnglish()), chosen(&picker, &PictogramPicker::chosen)
    {
        picker.resize(520, 400);
        picker.show();
        picker.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&picker));
        field = picker.findChild<QLineEdit*>();
        grid = picker.findChild<QListView*>();
    }
    QString Name(int row) const { return grid->model()->index(row, 0).data().toString(); }
    Pictogram Chosen(int i) const { return chosen.at(i).at(0).value<Pictogram>(); }

    PictogramPicker picker;
    QSignalSpy chosen;
    QLineEdit* field = nullptr;
    QListView* grid = nullptr;
};

TEST(PictogramPicker, ResultsFollowTheTypingAndEnterChoosesTheFirst)
{
    Shown s;
    ASSERT_TRUE(s.field && s.grid);
    QTest::keyClicks(s.field, "gat");
    EXPECT_EQ(s.Name(0), "gatto");
    const int begun = s.grid->model()->rowCount();
    QTest::keyClicks(s.field, "to n");
    EXPECT_EQ(s.Name(0), "gatto nero");
    EXPECT_LT(s.grid->model()->rowCount(), begun);
    QTest::keyClick(s.field, Qt::Key_Return);
    ASSERT_EQ(s.chosen.count(), 1);
    EXPECT_EQ(s.Chosen(0).emoji, "🐈‍⬛");
    s.field->clear();
    QTest::keyClicks(s.field, "xqzzy");
    EXPECT_EQ(s.grid->model()->rowCount(), 0);
    EXPECT_EQ(s.picker.nothingFound(), "No pictogram for \"xqzzy\" in Italiano, English");
    QTest::keyClick(s.field, Qt::Key_Return);
    EXPECT_EQ(s.chosen.count(), 1);
    s.field->clear();
    QTest::keyClicks(s.field, "gat");
    EXPECT_EQ(s.picker.nothingFound(), "");
}

TEST(PictogramPicker, ArrowsAndDoubleClickChooseInTheGridWhereIconsAreDrawnInColour)
{
    Shown s;
    s.picker.SetWord("dog");
    auto colourful = [&] {
        const QImage icon = s.grid->model()->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
        int coloured = 0;  // a blank icon has none
        for (int i = 0; i < icon.width() * icon.height(); ++i) coloured += icon.pixelColor(i % icon.width(), i / icon.width()).hsvSaturation() > 60;
        return coloured > icon.width() * icon.height() / 10;
    };
    EXPECT_TRUE(QTest::qWaitFor(colourful, 5000));
    s.field->setFocus();
    QTest::keyClick(s.field, Qt::Key_Down);
    EXPECT_TRUE(s.grid->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(s.chosen.count(), 1);
    EXPECT_EQ(s.Chosen(0).name, s.Name(1));
    const QRect third = s.grid->visualRect(s.grid->model()->index(2, 0));
    QTest::mouseClick(s.grid->viewport(), Qt::LeftButton, {}, third.center());  // a double click's first press
    QTest::mouseDClick(s.grid->viewport(), Qt::LeftButton, {}, third.center());
    ASSERT_EQ(s.chosen.count(), 2);
    EXPECT_EQ(s.Chosen(1).name, s.Name(2));
}

TEST(PictogramPicker, TheDialogSaysWhereAWordWasNotFoundSearchesALanguageAddedAndTakesThePickedOnOk)
{
    const PictogramIndexes indexes;
    PictogramDialog dialog(indexes, {"it", "en"}, "Marienkäfer");
    dialog.show();
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    const auto said = [&] {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->isVisible() && label->text().startsWith("No pictogram")) return label->text();
        return QString();
    };
    EXPECT_EQ(said(), "No pictogram for \"Marienkäfer\" in Italiano, English");
    EXPECT_FALSE(ok->isEnabled());
    dialog.AddLanguage("de");
    EXPECT_EQ(said(), "");
    ASSERT_TRUE(ok->isEnabled());
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice().value_or(Pictogram{}).emoji, "🐞");
}

TEST(PictogramPicker, WithoutTheWordsItSaysWhatToInstall)
{
    AppFolder empty;
    const PictogramIndex none = PictogramIndex::Load(empty.path(), {"en"});
    PictogramPicker picker(none);
    picker.show();
    EXPECT_TRUE(picker.missing().contains("unicode-cldr-core"));
    ASSERT_TRUE(picker.findChild<QLabel*>());
    EXPECT_EQ(picker.findChild<QLabel*>()->text(), picker.missing());
    EXPECT_FALSE(picker.findChild<QLineEdit*>());
    picker.SetWord("cat");  // nothing to search in, and no harm
}

}  // namespace
}  // namespace lumari::test
