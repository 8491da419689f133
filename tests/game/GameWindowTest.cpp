#include "GameFixture.h"

#include "platform/Geometry.h"

#include <QCursor>

namespace lumari::test {
namespace {

struct RowCase {
    int placeholders;
    int imageLeft;                // twips
    std::vector<int> symbolLeft;  // twips, the placeholders in use
};

class GameWindowRow : public GameTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(GameWindowRow, ShowsAndPlacesThePlaceholdersInUse)
{
    const RowCase& row = GetParam();
    module1.MaxPlaceholders = row.placeholders;
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    StartGame();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->Immagine()->x(), TwipsToPixels(row.imageLeft));
    EXPECT_EQ(window->lblImmagine()->x(), window->Immagine()->x());
    for (int i = 0; i < kPlaceholderSlots; ++i) {
        SCOPED_TRACE(i);
        const bool used = i < row.placeholders;
        EXPECT_EQ(window->Simbolo(i)->isVisible(), used);
        EXPECT_EQ(window->lblSimbolo(i)->isVisible(), used);
        EXPECT_EQ(window->lblSimbolo(i)->x(), window->Simbolo(i)->x());
        if (used) EXPECT_EQ(window->Simbolo(i)->x(), TwipsToPixels(row.symbolLeft[std::size_t(i)]));
        else EXPECT_EQ(window->lblSimbolo(i)->text(), "Label1");  // untouched design
        // A hidden placeholder takes no click: no control lies under a corner no visible one covers.
        if (!used) EXPECT_EQ(window->childAt(window->Simbolo(i)->geometry().bottomRight() - QPoint(5, 5)), nullptr);
        // Only the left edges move.
        EXPECT_EQ(window->Simbolo(i)->y(), TwipsToPixels(6720));
        EXPECT_EQ(window->lblSimbolo(i)->y(), TwipsToPixels(6240));
    }
    EXPECT_EQ(RightPositions().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, GameWindowRow,
                         ::testing::Values(RowCase{1, 720, {720}}, RowCase{2, 720, {720, 6675}},
                                           RowCase{3, 1080, {720, 4160, 7600}},
                                           RowCase{4, 2880, {720, 4160, 7600, 11040}}));

TEST_F(GameTest, WindowAsDesignedAndResizingMovesNothing)
{
    module1.MaxPlaceholders = 4;
    MakeSet({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}, {"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    StartGame();
    EXPECT_EQ(window->windowTitle(), "Lumari !");
    EXPECT_EQ(window->size(), QSize(TwipsToPixels(15135), TwipsToPixels(10140)));
    EXPECT_EQ(window->cmdCambia()->text(), "Change set");
    EXPECT_EQ(window->cmdCambia()->geometry(), TwipsRect(12120, 840, 1935, 495));
    EXPECT_EQ(window->Immagine()->size(), QSize(TwipsToPixels(9000), TwipsToPixels(4500)));
    EXPECT_EQ(window->Simbolo(3)->size(), QSize(TwipsToPixels(3015), TwipsToPixels(3015)));
    EXPECT_DOUBLE_EQ(window->lblImmagine()->font().pointSizeF(), 24.0);
    EXPECT_DOUBLE_EQ(window->lblSimbolo(0)->font().pointSizeF(), 13.5);

    // The button is the only control that takes focus, and has it.
    for (QWidget* child : window->findChildren<QWidget*>())
        EXPECT_EQ(child->focusPolicy() != Qt::NoFocus, child == window->cmdCambia()) << child->objectName().toStdString();
    EXPECT_EQ(window->focusWidget(), window->cmdCambia());

    // Pointers: the hand over placeholders, the crosshair over the rest of the window.
    EXPECT_EQ(window->Simbolo(0)->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window->Simbolo(0)->cursor().hotSpot(), QPoint(13, 4));
    for (QWidget* w : {(QWidget*)window.data(), (QWidget*)window->Immagine(), (QWidget*)window->lblSimbolo(0),
                       (QWidget*)window->cmdCambia()})
        EXPECT_EQ(w->cursor().shape(), Qt::CrossCursor) << w->objectName().toStdString();

    // Resizable, and nothing is laid out again.
    EXPECT_NE(window->minimumSize(), window->maximumSize());
    const QList<QWidget*> controls = window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QList<QRect> before;
    for (QWidget* c : controls) before << c->geometry();
    window->resize(300, 200);
    QCoreApplication::processEvents();
    for (int i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->geometry(), before[i]);
}

// Too few symbols: the refusal changes nothing and counts no round.
TEST_F(GameTest, StartUpOrderCheckBoxesComeFirstThenTheRoundBeforeTheWindowShows)
{
    module1.MaxPlaceholders = 3;
    module1.SessionShown = 99;
    module1.SessionCorrect = 42;
    MakeSet({"a.jpg", "b.jpg"}, {"a.jpg", "c.jpg"});  // b lacks a symbol, c an image; too few symbols
    bool windowShownDuringBoxes = false;
    runtime.onBox = [&](const ShownBox&) {
        for (QWidget* w : QApplication::topLevelWidgets())
            windowShownDuringBoxes |= qobject_cast<frmMain*>(w) && w->isVisible();
    };
    StartGame();
    EXPECT_FALSE(windowShownDuringBoxes);
    const QString refusal = "Not enough symbols in Simbols folder to fill 3 symbols placeholders";
    EXPECT_EQ(runtime.BoxTexts(), QStringList({"These images have no correspondant symbol:\r\nb.jpg",
                                               "These symbols have no correspondant image:\r\nc.jpg", refusal}));
    EXPECT_EQ(runtime.boxes.back().style, mb::Critical);
    EXPECT_EQ(runtime.boxes.back().title, "");  // the program's title
    EXPECT_TRUE(QFile::exists(app("LumariCheck.log")));
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(module1.SessionShown, 0);
    EXPECT_EQ(module1.SessionCorrect, 0);
    EXPECT_EQ(window->lblImmagine()->text(), "");
    EXPECT_TRUE(window->Immagine()->image().isNull());

    runtime.boxes.clear();
    Skip();
    // With nothing drawn every tag is empty, so a click is judged right:
    // nothing is counted, the right sound plays and the refusal comes again.
    ClickSymbol(2);
    EXPECT_EQ(runtime.BoxTexts(), QStringList({refusal, refusal}));
    EXPECT_EQ(module1.SessionShown + module1.SessionCorrect + module1.SessionWrong, 0);
    EXPECT_EQ(runtime.playedSounds, QStringList({Path("\\Sounds\\ok.wav")}));
    EXPECT_EQ(window->game().images.Count(), 2);
}

}  // namespace
}  // namespace lumari::test
