// A routine's error trap: the common box, and the routine going on.
#include "platform/ErrorTrap.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace lumari {
namespace {

TEST(ErrorTrap, EachFailingStepIsReportedAndTheNextStillRuns)
{
    test::AppFolder app;
    test::TestRuntime rt(app.path());
    ErrorTrap trap(rt, "CaricaImmagini");
    std::vector<int> ran;
    EXPECT_TRUE(trap([&] { ran.push_back(1); }));
    EXPECT_FALSE(trap([&] { throw RuntimeError(err::SubscriptOutOfRange); }));
    EXPECT_TRUE(trap([&] { ran.push_back(3); }));
    EXPECT_FALSE(trap([&] { rt.DirNext(); }));  // a real runtime failure: no listing going on
    EXPECT_TRUE(trap([&] { ran.push_back(5); }));
    EXPECT_FALSE(trap([] { throw std::bad_alloc(); }));
    ErrorTrap(rt, "Casuale", ErrorTrap::Kind::Function)([] { throw RuntimeError(err::Overflow); });
    // A programming fault is not a run-time error of the program's own: it is not swallowed.
    EXPECT_THROW(trap([] { throw std::logic_error("bug"); }), std::logic_error);
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(rt.BoxTexts(), (QStringList{"Error \"Subscript out of range\" in CaricaImmagini() routine",
                                          "Error \"Invalid procedure call or argument\" in CaricaImmagini() routine",
                                          "Error \"Out of memory\" in CaricaImmagini() routine",
                                          "Error \"Overflow\" in Casuale() function"}));
    for (const test::ShownBox& box : rt.boxes) {
        EXPECT_EQ(box.style, mb::Critical);
        EXPECT_EQ(box.title, "");  // no title of its own: the caption is the program's
    }
}

}  // namespace
}  // namespace lumari
