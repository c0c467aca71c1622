#include "runtime/numtext.h"
#include "window_fixture.h"

using namespace tanvera;

namespace {

class ShownNumbers : public WindowTest
{ };

} // namespace

TEST_F(ShownNumbers, BoxesTheProgramWritesShowTheirStart)
{
    // The comma rule on box 0, reading into box 6 and the valve limit into box 4.
    calculate("12345678,5", "10000", "250", "20000", "150");
    EXPECT_EQ(messages.shown, std::vector<std::string> {ValveMessage});
    for (const char* name : {"Text1(0)", "Text1(6)", "Text1(4)"})
        EXPECT_EQ(box(name)->cursorPosition(), 0) << name;
    EXPECT_EQ(text("Text1(0)"), "12345678.5");
    EXPECT_EQ(text("Text1(6)"), "10000,00");
    EXPECT_EQ(text("Text1(4)"), "100");
}
