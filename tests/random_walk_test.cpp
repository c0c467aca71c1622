// A long random walk of user actions on the real window: texts of every kind typed into every
// box, clicks on the three buttons and pointer moves in and around the chart. Nothing may crash
// or trip a sanitizer, and after every action the state must stay sound. The seed and the
// number of actions can be set with TANVERA_WALK_SEED and TANVERA_WALK_ACTIONS for longer runs.
#include "runtime/numtext.h"
#include "window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <array>
#include <cstdlib>
#include <deque>
#include <random>

using namespace tanvera;

namespace {

long fromEnvironment(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : fallback;
}

class Walker
{
public:
    explicit Walker(unsigned seed)
        : m_random(seed)
    { }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    double uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(m_random);
    }

    // A text a student might type, or one that tries to break the program.
    QString text()
    {
        static const std::array<const char*, 40> odd
            = {"", "-", "+", ".", ",", "e", "E5", "1e", "abc", "12abc", "3,6E4", "1.234,5",
                " 2 45 7", "1e308", "1e400", "9e99", "-1e300", "3.5e38", "1e39", "1e-300",
                "0.00001", "1e-45", "4e-7", "-100", "-0.6", "-3e9", "2e9", "ñ", "µ5", "ü", "日本",
                "٣", "Ω", "🙂", "&H7FFF", "&O777", "&HFFFFFFFF", "0", "100", "150"};
        switch (pick(4)) {
        case 0:
            return QString::fromUtf8(odd[pick(odd.size())]);
        case 1:
            return QString::number(pick(2000));
        case 2: {
            QString number = QString::number(uniform(-50, 500), 'f', pick(4));
            return pick(2) ? number.replace('.', ',') : number;
        }
        default:
            return QString::number(uniform(0.001, 100), 'g', 3);
        }
    }

private:
    std::mt19937 m_random;
};

class RandomWalk : public WindowTest
{
protected:
    void restartProgram() { window = std::make_unique<Form1>(',', messages); }

    std::string boxTexts() const
    {
        std::string texts;
        for (int i = 0; i <= 6; ++i)
            texts += " [" + text(("Text1(" + std::to_string(i) + ")").c_str()) + "]";
        return texts + " [" + text("Text2") + "]";
    }

    void expectSound(long action)
    {
        const ChartState& s = state();
        ASSERT_GE(s.CurveSlot, 0) << "action " << action;
        ASSERT_LE(s.CurveSlot, 3) << "action " << action;
        ASSERT_GE(s.ConcAxisMax, 0.f) << "action " << action;
        const std::array<std::uint32_t, 3> colours = {Red, Green, Blue};
        for (int k = 0; k < 3; ++k) {
            const std::string mark = "Line3(" + std::to_string(k) + ")";
            const std::string legend = "Label4(" + std::to_string(k) + ")";
            const bool shown = !control(mark.c_str())->isHidden();
            ASSERT_EQ(shown, picture().hasCircleOf(colours[k]))
                << "legend " << k << " after action " << action;
            ASSERT_EQ(shown, !text(legend.c_str()).empty())
                << "legend text " << k << " after action " << action;
        }
    }
};

} // namespace

TEST_F(RandomWalk, NoActionCrashesOrLeavesTheStateUnsound)
{
    const long actions = fromEnvironment("TANVERA_WALK_ACTIONS", 20000);
    const auto seed = static_cast<unsigned>(fromEnvironment("TANVERA_WALK_SEED", 20261208));
    Walker walk(seed);
    const char* boxes[] = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text1(4)", "Text1(5)",
        "Text1(6)", "Text2"};
    long restarts = 0;
    std::deque<std::string> recent; // the last actions, to reproduce a failure by hand
    auto note = [&](std::string what) {
        recent.push_back(std::move(what));
        if (recent.size() > 12)
            recent.pop_front();
    };
    for (long action = 0; action < actions; ++action) {
        const int kind = walk.pick(20);
        if (kind < 11) {
            const char* name = boxes[walk.pick(8)];
            const QString typed = walk.text();
            if (walk.pick(3) == 0) {
                note(std::string("append \"") + typed.toStdString() + "\" to " + name);
                box(name)->setFocus();
                typeKeys(box(name), typed); // typed where the cursor stands
            } else {
                note(std::string("type \"") + typed.toStdString() + "\" into " + name);
                typeInto(name, typed);
            }
        } else if (kind < 15) {
            note("Calcular");
            click("Command1");
        } else if (kind < 16) {
            note("Borrar");
            click("Command2");
        } else if (kind < 19) {
            note("pointer");
            moveTo(static_cast<float>(walk.uniform(-2000, 9000)),
                static_cast<float>(walk.uniform(-2000, 7000)));
        } else if (walk.pick(20) == 0) {
            note("Salir");
            click("Command3"); // "Salir" ends the program; the walk starts it again
            ASSERT_TRUE(window->isHidden());
            restartProgram();
            ++restarts;
        }
        const auto before = messages.shown.size();
        expectSound(action);
        if (HasFatalFailure())
            for (auto i = before; i < messages.shown.size(); ++i)
                note("message: " + messages.shown[i]);
        if (HasFatalFailure()) {
            std::string trail;
            for (const std::string& step : recent)
                trail += "\n  " + step;
            ADD_FAILURE() << "seed " << seed << ", the last actions:" << trail
                          << "\nboxes:" << boxTexts() << "\nCurveSlot " << state().CurveSlot
                          << ", MaxTime " << state().MaxTime;
            return;
        }
    }
    RecordProperty("messages", static_cast<int>(messages.shown.size()));
    RecordProperty("restarts", static_cast<int>(restarts));
}
