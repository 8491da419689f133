// The access settings without a window: switch scanning and dwell on a
// stepped clock, the scan keys' names, and the game window's layout scaled
// to screens of every shape.
#include "game/AccessOptions.h"
#include "game/Dwell.h"
#include "game/ScaledLayout.h"
#include "game/Scanner.h"

#include <gtest/gtest.h>

namespace lumari::test {
namespace {

using std::chrono::milliseconds;

const MonotonicTime kShown{std::chrono::hours(1)};
MonotonicTime At(int ms) { return kShown + milliseconds(ms); }
std::optional<int> MsOf(const std::optional<MonotonicTime>& at) { return at ? std::optional(int((*at - kShown) / milliseconds(1))) : std::nullopt; }

// Something that happens after the round is shown, at ms after the image.
struct Event { enum Kind { Time, Press } kind; int ms; int key = Qt::Key_Space; };

ScanKeys Keys(const char* text) { return *ScanKeysNamed(QString::fromLatin1(text)); }

TEST(Scanner, TheFrameStepsAtItsPaceAndTheSwitchesSelectMoveAndWakeItAndOnlyTheirKeysAreTaken)
{
    using enum Event::Kind;
    // After the events: the symbols selected, the one framed, paused or not, the next step due.
    struct Row { const char* name; ScanMode mode; ScanKeys keys; int symbols; std::vector<Event> events;
                 std::vector<int> selected; std::optional<int> framed; bool paused; std::optional<int> dueMs; } const rows[] = {
        {"the first symbol framed for a step and a half, then a step each", ScanMode::Auto, {}, 4, {{Time, 1499}, {Time, 3500}}, {}, 3, false, 4500},
        {"from the last symbol back to the first", ScanMode::Auto, {}, 4, {{Time, 4500}}, {}, 0, false, 5500},
        {"a late timer takes every step due, on the beat", ScanMode::Auto, {}, 4, {{Time, 2600}}, {}, 2, false, 3500},
        {"Space selects the framed symbol; the frame starts again from the left", ScanMode::Auto, {}, 4,
         {{Time, 2500}, {Press, 2600}}, {2}, 0, false, 4100},
        {"Return selects too", ScanMode::Auto, {}, 3, {{Press, 100, Qt::Key_Return}}, {0}, 0, false, 1600},
        {"a second press within the debounce time is ignored", ScanMode::Auto, {}, 4,
         {{Time, 1500}, {Press, 1600}, {Press, 1899, Qt::Key_Return}}, {1}, 0, false, 3100},
        {"a press after the debounce time counts", ScanMode::Auto, {}, 4,
         {{Time, 1500}, {Press, 1600}, {Press, 1900}}, {1, 0}, 0, false, 3400},
        {"three silent passes over four symbols: still scanning before the twelfth step", ScanMode::Auto, {}, 4,
         {{Time, 12499}}, {}, 3, false, 12500},
        {"then paused, no frame", ScanMode::Auto, {}, 4, {{Time, 12500}}, {}, {}, true, {}},
        {"three symbols pause after nine steps", ScanMode::Auto, {}, 3, {{Time, 9500}}, {}, {}, true, {}},
        {"a press wakes the pause from the left without selecting", ScanMode::Auto, {}, 4,
         {{Time, 12500}, {Press, 13000}}, {}, 0, false, 14500},
        {"a step key moves the frame at once and the silent passes count again", ScanMode::Auto, Keys("step=1"), 4,
         {{Time, 1500}, {Press, 2000, Qt::Key_1}, {Time, 13999}}, {}, 1, false, 14000},
        {"two switches: nothing moves by itself", ScanMode::Step, {}, 4, {{Time, 60000}}, {}, 0, false, {}},
        {"two switches: Space moves, Return selects", ScanMode::Step, {}, 4,
         {{Press, 100}, {Press, 500}, {Press, 900, Qt::Key_Return}}, {2}, 0, false, {}},
        {"two switches: the debounce holds across both", ScanMode::Step, {}, 4,
         {{Press, 100}, {Press, 300, Qt::Key_Return}}, {}, 1, false, {}},
        {"remapped: 1 moves, 2 selects, Space is no switch", ScanMode::Step, Keys("select=2,step=1"), 3,
         {{Press, 100, Qt::Key_1}, {Press, 500, Qt::Key_1}, {Press, 900, Qt::Key_Space}, {Press, 1300, Qt::Key_2}},
         {2}, 0, false, {}},
        {"remapped one switch: F5 selects, Space does nothing", ScanMode::Auto, Keys("select=F5"), 4,
         {{Press, 100}, {Press, 200, Qt::Key_F5}}, {0}, 0, false, 1700},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scanner scanner(1000, row.mode, row.keys, 300);
        scanner.RoundShown(kShown, row.symbols);
        std::vector<int> selected;
        for (const Event& event : row.events) {
            if (event.kind == Time) scanner.TimePassed(At(event.ms));
            else if (const auto chosen = scanner.Pressed(At(event.ms), event.key)) selected.push_back(*chosen);
        }
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(scanner.State().framed, row.framed);
        EXPECT_EQ(scanner.State().paused, row.paused);
        EXPECT_EQ(MsOf(scanner.NextDue()), row.dueMs);
    }
    // The digits stay the window's answers unless a switch sends them.
    EXPECT_FALSE(Scanner(1000, ScanMode::Auto, {}, 300).Takes(Qt::Key_1));
    EXPECT_TRUE(Scanner(1000, ScanMode::Auto, Keys("select=1"), 300).Takes(Qt::Key_1));
}


TEST(Dwell, RestingSelectsOnceTheRingFillsAndEmpties)
{
    struct Event { enum Kind { Show, Point, Time } kind; int ms; int symbol = -1; };  // Point: -1 over no symbol
    using enum Event::Kind;
    // After the events: the symbols selected, the ring's fill at fillAtMs, the symbol filling, the dwell's end.
    struct Row { const char* name; std::vector<Event> events; std::vector<int> selected; int fillAtMs; double fill;
                 std::optional<int> filling; std::optional<int> dueMs; } const rows[] = {
        {"resting for the dwell time selects", {{Point, 100, 2}, {Time, 1099}, {Time, 1100}}, {2}, 1100, 0, {}, {}},
        {"leaving empties the ring and the next symbol starts afresh", {{Point, 100, 1}, {Point, 700, 2}, {Time, 1100}},
         {}, 1200, 0.5, 2, 1700},
        {"over no symbol nothing fills", {{Point, 100, 1}, {Point, 500}, {Time, 5000}}, {}, 5000, 0, {}, {}},
        {"resting on after a selection selects nothing more", {{Point, 100, 1}, {Time, 1100}, {Time, 5000}}, {1}, 5000, 0, {}, {}},
        {"leaving and coming back selects again",
         {{Point, 100, 1}, {Time, 1100}, {Point, 1200}, {Point, 1300, 1}, {Time, 2300}}, {1, 1}, 2300, 0, {}, {}},
        {"a new round starts the dwell afresh under the resting pointer",
         {{Point, 100, 1}, {Time, 1100}, {Show, 1500}, {Time, 2499}, {Time, 2500}}, {1, 1}, 2500, 0, {}, {}},
        {"a dwell completed before a move selects", {{Point, 100, 1}, {Point, 1500, 2}}, {1}, 1500, 0, 2, 2500},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Dwell dwell(1000);
        dwell.RoundShown(kShown);
        std::vector<int> selected;
        for (const Event& event : row.events) {
            std::optional<int> chosen;
            if (event.kind == Show) dwell.RoundShown(At(event.ms));
            if (event.kind == Time) chosen = dwell.TimePassed(At(event.ms));
            if (event.kind == Point)
                chosen = dwell.PointerAt(At(event.ms), event.symbol < 0 ? std::nullopt : std::optional<int>(event.symbol));
            if (chosen) selected.push_back(*chosen);
        }
        EXPECT_EQ(selected, row.selected);
        EXPECT_DOUBLE_EQ(dwell.Fill(At(row.fillAtMs)), row.fill);
        EXPECT_EQ(dwell.Filling(), row.filling);
        EXPECT_EQ(MsOf(dwell.NextDue()), row.dueMs);
    }
}

TEST(Dwell, NothingFillsBeforeTheRoundIsShown)
{
    Dwell dwell(1000);
    EXPECT_FALSE(dwell.PointerAt(At(0), 3));
    EXPECT_FALSE(dwell.TimePassed(At(5000)));
    dwell.RoundShown(At(6000));
    EXPECT_FALSE(dwell.TimePassed(At(6999)));
    EXPECT_EQ(dwell.TimePassed(At(7000)), 3);
}

TEST(AccessOptions, ScanKeysReadAndWriteTheirNames)
{
    struct Row { const char* text; std::optional<QString> written; } const rows[] = {  // written: none when refused
        {"default", "default"}, {"select=space", "select=Space"}, {"step=1, select=2+Return", "select=2+Return,step=1"},
        {"select=F13+comma", "select=F13+Comma"}, {"select=Ctrl+A", {}}, {"select=Space,step=Space", {}}, {"select=", {}},
        {"press=1", {}}, {"select=1,select=2", {}}, {"Space", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const auto keys = ScanKeysNamed(QString::fromLatin1(row.text));
        EXPECT_EQ(keys ? std::optional<QString>(ScanKeysName(*keys)) : std::nullopt, row.written);
    }
}

TEST(ScaledLayout, TheDescribedLayoutFitsEachScreenWholeAndCentred)
{
    // full: "Change set" out of reach, what is shown centred. image: with four placeholders, or as given.
    struct Row { QSize client; int placeholders; bool full; double scale; QPoint offset; QRect image; } const rows[] = {
        {{1009, 676}, 4, false, 1.0, {0, 0}, {192, 56, 600, 300}},
        {{1600, 1200}, 4, false, 1600 / 1009.0, {0, 64}, {304, 153, 952, 476}},
        {{3840, 2160}, 4, false, 2160 / 676.0, {308, 0}, {921, 179, 1918, 959}},
        {{800, 600}, 4, false, 800 / 1009.0, {0, 32}, {152, 76, 476, 238}},
        {{1080, 1920}, 4, false, 1080 / 1009.0, {0, 598}, {206, 658, 642, 321}},
        {{1920, 1080}, 4, false, 1080 / 676.0, {154, 0}, {461, 89, 958, 480}},
        {{2560, 1080}, 2, false, 1080 / 676.0, {474, 0}, {551, 89, 958, 480}},
        {{1600, 1200}, 2, true, 1600 / 1009.0, {247, 79}, {323, 168, 952, 476}},
        {{1920, 1080}, 2, true, 1080 / 676.0, {403, 15}, {480, 104, 958, 480}},
        {{2560, 1080}, 2, true, 1080 / 676.0, {723, 15}, {800, 104, 958, 480}},
        {{3840, 2160}, 3, true, 2160 / 676.0, {712, 30}, {942, 209, 1917, 959}},
        {{1080, 1920}, 4, true, 1080 / 1009.0, {13, 608}, {219, 668, 642, 321}},
        {{768, 1366}, 2, true, 768 / 1009.0, {119, 433}, {156, 476, 456, 228}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QString("%1x%2 %3").arg(row.client.width()).arg(row.client.height()).arg(row.full).toStdString());
        const GameGeometry described = DescribedGeometry(row.placeholders);
        const QRect centred = CentredArea(described, row.placeholders, !row.full);
        const LayoutFit fit = FitLayout(row.client, centred);
        EXPECT_DOUBLE_EQ(fit.scale, row.scale);
        EXPECT_EQ(fit.offset, row.offset);
        const GameGeometry scaled = Scaled(described, fit);
        EXPECT_EQ(scaled.image, row.image);
        // Every control shown is on the screen.
        const QRect client(QPoint(0, 0), row.client);
        QList<QRect> shown{scaled.imageCaption, scaled.image};
        for (int i = 0; i < row.placeholders; ++i) shown << scaled.symbols[std::size_t(i)] << scaled.symbolCaptions[std::size_t(i)];
        if (!row.full) shown << scaled.changeSet;
        for (const QRect& rect : shown) EXPECT_TRUE(client.contains(rect)) << rect.x() << ',' << rect.y();
        // As much room on the left as on the right, above as below.
        const QRect area = Scaled(centred, fit);
        EXPECT_LE(std::abs(area.left() - (client.right() - area.right())), 1);
        EXPECT_LE(std::abs(area.top() - (client.bottom() - area.bottom())), 1);
    }
    for (int placeholders : {2, 3, 4})
        EXPECT_EQ(Scaled(DescribedGeometry(placeholders), FitLayout(kDescribedClientSize)), DescribedGeometry(placeholders));
}

}  // namespace
}  // namespace lumari::test
