// A routine's error trap: the common box, and the routine going on.
#include "platform/ErrorTrap.h"
#include "platform/RuntimeError.h"
#include "support/TestFiles.h"
#include "support/TestRuntime.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace lumari {
namespace {

class ErrorTrapTest : public ::testing::Test {
protected:
    test::AppFolder app;
    test::TestRuntime rt{app.path()};
};

TEST_F(ErrorTrapTest, EachFailingStepIsReportedAndTheNextStillRuns)
{
    ErrorTrap trap(rt, "CaricaImmagini");
    std::vector<int> ran;
    EXPECT_TRUE(trap([&] { ran.push_back(1); }));
    EXPECT_FALSE(trap([&] { throw RuntimeError(err::SubscriptOutOfRange); }));
    EXPECT_TRUE(trap([&] { ran.push_back(3); }));
    EXPECT_FALSE(trap([&] { rt.DirNext(); }));  // a real runtime failure: no listing going on
    EXPECT_TRUE(trap([&] { ran.push_back(5); }));
    EXPECT_EQ(ran, (std::vector<int>{1, 3, 5}));
    ASSERT_EQ(rt.boxes.size(), 2u);
    EXPECT_EQ(rt.boxes[0].prompt, "Error \"Subscript out of range\" in CaricaImmagini() routine");
    EXPECT_EQ(rt.boxes[1].prompt, "Error \"Invalid procedure call or argument\" in CaricaImmagini() routine");
    for (const test::ShownBox& box : rt.boxes) {
        EXPECT_EQ(box.style, mb::Critical);
        EXPECT_EQ(box.title, "");  // no title of its own: the caption is the program's
    }
}

TEST_F(ErrorTrapTest, AFailedAssignmentLeavesTheOldValue)
{
    ErrorTrap trap(rt, "Form_Load");
    int value = 7;
    trap([&] { value = [] () -> int { throw RuntimeError(err::TypeMismatch); }(); });
    EXPECT_EQ(value, 7);
    EXPECT_EQ(rt.BoxTexts(), QStringList{"Error \"Type mismatch\" in Form_Load() routine"});
}

TEST_F(ErrorTrapTest, WordingByKindAndDescription)
{
    struct Case {
        int number;
        const char* name;
        ErrorTrap::Kind kind;
        const char* text;
    } cases[] = {
        {err::SubscriptOutOfRange, "Casuale", ErrorTrap::Kind::Function,
         "Error \"Subscript out of range\" in Casuale() function"},
        {err::Overflow, "cmdOK_Click", ErrorTrap::Kind::Routine, "Error \"Overflow\" in cmdOK_Click() routine"},
        {err::FileNotFound, "Cambia", ErrorTrap::Kind::Routine, "Error \"File not found\" in Cambia() routine"},
        {err::InvalidPicture, "Cambia", ErrorTrap::Kind::Routine, "Error \"Invalid picture\" in Cambia() routine"},
        {err::PathFileAccessError, "ControllaCoerenza", ErrorTrap::Kind::Routine,
         "Error \"Path/File access error\" in ControllaCoerenza() routine"},
        {err::DllLoadError, "API_PlaySound", ErrorTrap::Kind::Routine,
         "Error \"Error in loading DLL\" in API_PlaySound() routine"},
        {err::PermissionDenied, "FormUnload", ErrorTrap::Kind::Routine,
         "Error \"Permission denied\" in FormUnload() routine"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        rt.boxes.clear();
        ErrorTrap trap(rt, c.name, c.kind);
        trap([&] { throw RuntimeError(c.number); });
        ASSERT_EQ(rt.boxes.size(), 1u);
        EXPECT_EQ(rt.boxes[0].prompt, QString::fromUtf8(c.text));
    }
}

TEST_F(ErrorTrapTest, OutOfMemoryIsTrappedOtherFaultsAreNot)
{
    ErrorTrap trap(rt, "Cambia");
    EXPECT_FALSE(trap([] { throw std::bad_alloc(); }));
    EXPECT_EQ(rt.BoxTexts(), QStringList{"Error \"Out of memory\" in Cambia() routine"});
    // A programming fault is not a run-time error of the program's own: it is not swallowed.
    EXPECT_THROW(trap([] { throw std::logic_error("bug"); }), std::logic_error);
}

TEST(RuntimeErrorNumbers, ClassicDescriptions)
{
    struct Case {
        int number;
        const char* text;
    } cases[] = {
        {5, "Invalid procedure call or argument"}, {6, "Overflow"}, {7, "Out of memory"},
        {9, "Subscript out of range"}, {11, "Division by zero"}, {13, "Type mismatch"},
        {48, "Error in loading DLL"}, {52, "Bad file name or number"}, {53, "File not found"},
        {57, "Device I/O error"}, {58, "File already exists"}, {70, "Permission denied"},
        {75, "Path/File access error"}, {76, "Path not found"}, {380, "Invalid property value"},
        {481, "Invalid picture"}, {12345, "Application-defined or object-defined error"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RuntimeError(c.number).description(), QString::fromUtf8(c.text)) << c.number;
        EXPECT_EQ(RuntimeError(c.number).number(), c.number);
    }
}

}  // namespace
}  // namespace lumari
