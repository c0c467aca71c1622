// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long random walk of user actions on the real window: texts of every kind typed into every
// box, numbers of every magnitude above all in the maximum time and the query time, clicks on
// the three buttons and pointer moves in and around the chart. Nothing may crash or trip a
// sanitizer, and after every action the checks below must hold. The seed and the number of
// actions can be set with TANVERA_WALK_SEED and TANVERA_WALK_ACTIONS.
#include "chart/curves.h"
#include "model/integrator.h"
#include "runtime/fault.h"
#include "runtime/numtext.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <tuple>

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

    // A text a student might type, or one that tries to break the program. The times (maximum
    // and query) get a number of any magnitude more often: the chart's limits live there.
    QString text(bool isTime)
    {
        if (pick(isTime ? 2 : 5) == 0) {
            // Any magnitude a Double holds, 1e-45 to 1.78e308, either sign, in any notation; for
            // a time, the top decades, where the chart's arithmetic gives out, more often.
            const double magnitude
                = pick(isTime ? 3 : 8) ? uniform(-45, 308) : uniform(300, 308.25);
            const double value = std::pow(10.0, magnitude) * (pick(2) ? 1 : -1);
            // Few digits: every key typed runs the box's reaction again.
            const char format = magnitude < 12 && pick(2) ? 'f' : "eg"[pick(2)];
            QString number = QString::number(value, format, pick(4));
            return pick(4) == 0 ? number.replace('.', ',') : number;
        }
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

    std::mt19937 m_random;
};

// Whether a box shows all of its text: the line edit paints the same with the cursor at its end
// as at its start, with no need to scroll.
bool showsAllOfItsText(QLineEdit* box)
{
    const QImage start = box->grab().toImage();
    box->setCursorPosition(int(box->text().size()));
    const bool same = box->grab().toImage() == start;
    box->setCursorPosition(0);
    return same;
}

// A slot's curve as a fresh integration gives it over a time axis: its concentrations up to the
// step where its tank overflows, or nothing when the run faults.
struct FreshCurve
{
    std::vector<double> conc;
    std::vector<double> times; // s, of the same steps
    bool faults = false;
};

class RandomWalk : public WindowTest
{
protected:
    long curvesChecked = 0;

    // Shown and active, as a user's: a box then hears that the focus leaves it.
    void SetUp() override { restartProgram(); }
    void restartProgram()
    {
        window = std::make_unique<Form1>(',', messages);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        m_copied = m_printsChecked = std::nullopt;
    }

    // The checks run after every action, each while the ones before it hold.
    void expectSound(long action)
    {
        m_screen = onScreen();
        m_drawing = qHashBits(m_screen.constBits(), std::size_t(m_screen.sizeInBytes()));
        for (auto check :
            {&RandomWalk::expectCurvesAreFreshRuns, &RandomWalk::expectCopyIsTheCurvesDrawn,
                &RandomWalk::expectScaleStandsApart, &RandomWalk::expectNumbersShownWhole,
                &RandomWalk::expectReadoutReadsTheAxesShown, &RandomWalk::expectBoxesShowStart}) {
            if (!HasFatalFailure())
                (this->*check)(action);
        }
    }

    // The pointer readout reads the axes as printed, whatever the boxes hold since: at the plot's
    // top-right corner the end of the time axis and the top of the scale, at its origin 0 and 0.
    // Axes too long to invert without an overflow are left to the fault tests.
    void expectReadoutReadsTheAxesShown(long action)
    {
        const DrawnChart& chart = window->drawnChart();
        const auto number = [](std::string text) { return Val(Replace(text, ",", ".")); };
        if (chart.timeAxisEnd().empty() || std::abs(number(chart.timeAxisEnd())) > 1e12
            || number(chart.concAxisTop()) > 1e12)
            return;
        const double end = number(chart.timeAxisEnd()), top = number(chart.concAxisTop());
        const auto before = messages.shown.size();
        const double W = picture().Width(), H = picture().Height();
        for (const auto& [x, y, t, C] : {std::tuple(W - PlotMargin, PlotMargin, end, top),
                 std::tuple(800.0, H - 300.0, 0.0, 0.0)}) {
            moveTo(float(x), float(y));
            const QStringList read = QString::fromStdString(text("Label6(0)")).split(" , ");
            ASSERT_EQ(read.size(), 2)
                << "readout \"" << text("Label6(0)") << "\", action " << action;
            ASSERT_NEAR(number(read[0].toStdString()), t, 0.05 + 1e-12 * std::abs(t))
                << "time read over an axis ending at " << chart.timeAxisEnd() << ", action "
                << action;
            ASSERT_NEAR(number(read[1].toStdString()), C, 0.05 + 1e-6 * C)
                << "concentration read under a top of " << chart.concAxisTop() << ", action "
                << action;
        }
        ASSERT_EQ(messages.shown.size(), before) << "the readout faulted, action " << action;
    }

    // A box the user is not in shows the start of its text, whoever wrote it: a long number
    // scrolled to its end would read as another.
    void expectBoxesShowStart(long action)
    {
        for (std::size_t i = 0; i < std::size(Boxes); ++i) {
            QLineEdit* edit = box(Boxes[i]);
            const auto seen = std::tuple(edit->text(), edit->cursorPosition(), edit->hasFocus());
            if (std::exchange(m_boxesSeen[i], seen) == seen || edit->hasFocus()
                || edit->hasSelectedText())
                continue; // unchanged, or with a selection, which is painted apart
            const QImage shown = edit->grab().toImage();
            edit->setCursorPosition(0); // where a box the user is not in has it
            ASSERT_TRUE(edit->grab().toImage() == shown)
                << Boxes[i] << " shows the end of \"" << edit->text().toStdString() << "\", action "
                << action;
        }
    }

    // Every label that shows a number shows whole words of it on whole lines, and the boxes the
    // program writes show their whole value or a shorter form of it, all of it in view. A text is
    // checked when it changes.
    void expectNumbersShownWhole(long action)
    {
        static constexpr std::array<const char*, 7> readouts
            = {"Label2", "Label5", "Label6(0)", "Label4(0)", "Label4(1)", "Label4(2)", "Text1(6)"};
        for (std::size_t i = 0; i < readouts.size(); ++i) {
            QWidget* widget = control(readouts[i]);
            auto* edit = qobject_cast<QLineEdit*>(widget);
            const auto* label = qobject_cast<const QLabel*>(widget);
            const QString shown = edit ? edit->text() : label->text();
            if (shown == captionsChecked[i])
                continue;
            if (edit) {
                static const QRegularExpression digit(QStringLiteral("\\d"));
                const QString whole = edit->toolTip();
                ASSERT_TRUE(!shown.contains(digit)
                    || ((shown == whole || ReadsAsTheSameNumber(shown, whole))
                        && showsAllOfItsText(edit)))
                    << readouts[i] << " shows part of \"" << shown.toStdString() << "\", action "
                    << action;
            } else {
                ASSERT_TRUE(ShowsWholeWords(label)) << "after action " << action;
            }
            captionsChecked[i] = shown;
        }
    }
    std::array<QString, 7> captionsChecked;
    std::array<std::tuple<QString, int, bool>, std::size(Boxes)> m_boxesSeen;

    // "Copiar datos" copies exactly the curves drawn: read back as numbers, the time points of
    // the longest, and in each curve's column its fresh run over the axis shown, down to its last
    // dot and blank below. Checked again only when what the copy could be made of changed: the
    // drawing, or the results of the curves drawn, which "Calcular" can rewrite and then fault
    // before it redraws.
    void expectCopyIsTheCurvesDrawn(long action)
    {
        const std::uint64_t drawing = m_drawing;
        std::uint64_t key = drawing;
        for (int k = 0; k < 3; ++k) {
            for (std::size_t j = 0; m_drawn[k] && j < m_drawn[k]->conc.size(); ++j)
                key = (key ^ std::bit_cast<std::uint64_t>(state().ConcResults(k, long(j))))
                    * 0x100000001b3;
        }
        if (key == m_copied)
            return;
        const bool resultsOnly = m_copied && drawing == m_copiedDrawing;
        m_copied = key;
        m_copiedDrawing = drawing;
        QAction* copyData = nullptr;
        for (QAction* entry : picture().findChild<QMenu*>()->actions())
            copyData = entry->text() == QStringLiteral("Copiar datos") ? entry : copyData;
        ASSERT_NE(copyData, nullptr);
        std::vector<const FreshCurve*> curves; // drawn, in slot order
        QStringList header {QStringLiteral("t (s)")};
        const Legends texts = legends();
        for (int k = 0; k < 3; ++k) {
            if (m_drawn[k]) {
                curves.push_back(m_drawn[k]);
                header << QString::fromStdString(texts[k]);
            }
        }
        ASSERT_EQ(copyData->isEnabled(), !curves.empty()) << "\"Copiar datos\", action " << action;

        // The record the copy is written from, at every change; the copy itself every few
        // changes, since writing out every number costs more than all the other checks, and
        // whenever the results changed under the same drawing, which the copy must not follow.
        const DrawnChart& drawn = window->drawnChart();
        ASSERT_EQ(std::size_t(drawn.curveCount()), curves.size()) << "action " << action;
        for (std::size_t i = 0; i < curves.size(); ++i)
            ASSERT_TRUE(drawn.curves[i].conc == curves[i]->conc)
                << "curve " << drawn.curves[i].legend.whole() << " recorded not as drawn, action "
                << action;
        if (curves.empty() || (++m_copiesChecked % 8 != 0 && !resultsOnly))
            return;
        QGuiApplication::clipboard()->clear();
        copyData->trigger();
        const QStringList rows = QGuiApplication::clipboard()->text().split(u'\n');
        const std::vector<double>& times
            = (*std::max_element(curves.begin(), curves.end(), [](auto* a, auto* b) {
                  return a->conc.size() < b->conc.size();
              }))->times;
        ASSERT_EQ(std::size_t(rows.size()), times.size() + 2) << "action " << action; // a last \n
        ASSERT_EQ(rows[0].split(u'\t'), header) << "action " << action;
        const auto reads = [](QString cell, double value) { // with the regional separator
            bool ok = false;
            return !cell.contains(u'.')
                && std::abs(cell.replace(u',', u'.').toDouble(&ok) - value)
                <= 1e-14 * std::abs(value)
                && ok;
        };
        for (std::size_t j = 0; j < times.size(); ++j) {
            const QStringList cells = rows[qsizetype(j) + 1].split(u'\t');
            bool asDrawn
                = cells.size() == qsizetype(curves.size()) + 1 && reads(cells[0], times[j]);
            for (std::size_t i = 0; asDrawn && i < curves.size(); ++i) {
                const QString& cell = cells[qsizetype(i) + 1];
                asDrawn
                    = j < curves[i]->conc.size() ? reads(cell, curves[i]->conc[j]) : cell.isEmpty();
            }
            ASSERT_TRUE(asDrawn) << "\"Copiar datos\" row " << j + 1 << " is \""
                                 << rows[qsizetype(j) + 1].toStdString() << "\", action " << action;
        }
    }

    // No two texts of the scale run into each other and none touches a line or the border,
    // where a number would read as another: "t(s)12345678", or a last "1" lost in the border.
    // Checked when the chart changes.
    void expectScaleStandsApart(long action)
    {
        const std::uint64_t key = m_drawing;
        if (m_printsChecked == key || window->drawnChart().scale.empty())
            return;
        m_printsChecked = key;
        ASSERT_TRUE(scaleStandsApart()) << "action " << action;
        // Every number of the scale reads as its line's value: within half a unit of its last
        // digit, and a concentration also within 1 % of the top; and a time stands nearer its
        // own tick than any other.
        const DrawnChart& chart = window->drawnChart();
        const double top = chart.axes->concAxisMax, end = chart.axes->maxTime;
        const double spacing = chart.axes->plotWidth() / 4 / 14;
        static const QRegularExpression form(
            QStringLiteral(R"(^-?\d*(?:,(\d+))?(?:E([-+]\d+))?$)"));
        constexpr std::size_t numbers[] = {0, 3, 4, 5, 8, 9, 10, 12}; // column, then row
        for (int k = 0; k < 8; ++k) {
            const int tick = k < 4 ? -1 : k - 3; // and a concentration's slack: 1 % of the top
            const double value = k < 4 ? top * (4 - k) / 4 : end * tick / 4, slack = 0.01 * top;
            const DrawnChart::Text& printed = chart.scale[numbers[k]];
            const QString text = QString::fromStdString(printed.text).trimmed();
            const QRegularExpressionMatch digits = form.match(text);
            const double unit
                = std::pow(10.0, digits.captured(2).toInt() - digits.captured(1).size());
            ASSERT_TRUE(digits.hasMatch()) << text.toStdString();
            ASSERT_LE(std::abs(Val(Replace(text.toStdString(), ",", ".")) - value),
                std::max(tick < 0 ? slack : 0, unit / 2 + 1e-12 * std::abs(value)))
                << "scale text " << text.toStdString() << " for " << value << ", action " << action;
            const QFontMetricsF metrics(picture().textFont(printed.pixels));
            const double centre = printed.x / 14
                + metrics.horizontalAdvance(QString::fromStdString(printed.text)) / 2;
            ASSERT_TRUE(tick < 0 || std::abs(centre - (800 / 14.0 + spacing * tick)) < spacing / 2)
                << text.toStdString() << " away from tick " << tick << ", action " << action;
        }
    }

    // A clearing, also the one that starts a fourth curve, leaves no legend of slots from
    // `firstCleared` on and CurveSlot at most `slotAfter`.
    void expectCleared(long action, int firstCleared, int slotAfter)
    {
        ASSERT_LE(state().CurveSlot, slotAfter) << "clearing at action " << action;
        const Marks shown = legendMarks();
        for (int k = firstCleared; k < 3; ++k)
            ASSERT_FALSE(shown[k]) << "legend " << k << " after clearing at action " << action;
    }

    // Legends follow their curves, CurveSlot counts them, and every curve on the chart is its
    // slot's stored parameters integrated afresh over the time axis drawn and the current
    // StepCount: as many dots as steps up to where its tank overflows, each at its step's x, and
    // a few at the heights of the fresh concentrations.
    void expectCurvesAreFreshRuns(long action)
    {
        const ChartState& s = state();
        ASSERT_GE(s.ConcAxisMax, 0.f) << "action " << action;
        m_drawn = {};
        if (m_fresh.size() > 64) // not while this check holds curves found in it
            m_fresh.clear();
        const DrawnChart& record = window->drawnChart();
        const Marks shown = legendMarks();
        const Legends texts = legends();
        int drawn = 0;
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(shown[k], record.curves[k].drawn())
                << "legend " << k << ", action " << action;
            ASSERT_EQ(shown[k], !texts[k].empty()) << "legend text " << k << ", action " << action;
            drawn += shown[k];
        }
        // The next "Calcular" computes slot CurveSlot: one past the curves drawn, faults or not.
        ASSERT_EQ(s.CurveSlot, drawn) << "slots drawn after action " << action;

        // On the screen, at a few steps, where the axis drawn puts the fresh concentrations, or
        // under a later curve; and nothing of its colour right of its last point. The positions
        // are worked out here from the plot's bounds, not by the mapping that placed the dots.
        const auto& axes = record.axes;
        const ChartMapping map = ChartMapping::of(s, picture());
        const double base = map.H - map.offsetY; // the time axis, C = 0
        const auto xOf = [&](std::size_t j) {
            return map.offsetX + double(j) * map.plotWidth() / double(s.StepCount);
        };
        const bool seen = std::exchange(m_curvesSeen, m_drawing) == m_drawing;
        for (int k = 0; k < 3; ++k) {
            const std::vector<double>& conc = record.curves[k].conc;
            if (conc.empty())
                continue;
            ASSERT_TRUE(axes) << "curve " << k << " without a time axis, action " << action;
            const FreshCurve& fresh = freshRun(k, axes->maxTime, s.StepCount);
            ASSERT_FALSE(fresh.faults) << "curve " << k << " drawn, but its run over "
                                       << axes->maxTime << " s faults; action " << action;
            ASSERT_EQ(conc.size(), fresh.conc.size())
                << "points of curve " << k << " over " << axes->maxTime << " s, action " << action;
            m_drawn[k] = &fresh;
            ++curvesChecked;
            if (seen)
                continue;
            const std::size_t last = conc.size() - 1;
            const double perConc = (base - 100) / double(axes->concAxisMax);
            for (std::size_t j : {std::size_t(0), last / 3, last / 2, 2 * last / 3, last}) {
                const double x = xOf(j), y = base - fresh.conc[j] * perConc;
                if (!(perConc * fresh.conc[0] >= 50 && y > 0 && y < map.H))
                    continue; // too near the axis to read the scale from it, or off the chart
                bool inked = false;
                for (int near = k; near < 3 && !inked; ++near)
                    inked = CurveAt(m_screen, Colours[near], float(x), float(y));
                ASSERT_TRUE(inked) << "curve " << k << " step " << j << ", action " << action;
            }
            for (int y = 0; y < m_screen.height(); ++y)
                for (int x = int(xOf(last) / 14) + 3; x < m_screen.width(); ++x)
                    ASSERT_FALSE(Tinted(m_screen.pixel(x, y), Colours[k]))
                        << "curve " << k << " beyond its last point, action " << action;
        }
    }

private:
    // Cached by the run's inputs, so an unchanged curve is not integrated again.
    const FreshCurve& freshRun(int k, double T, std::int16_t steps)
    {
        const ChartState& s = state();
        const auto key = std::make_tuple(s.InflowRate(k), s.OutflowRate(k), s.StartVolume(k),
            s.MaxVolume(k), s.InitialConc(k), T, steps);
        if (const auto found = m_fresh.find(key); found != m_fresh.end())
            return found->second;
        ChartState& run = *m_scratch;
        run.CurveSlot = static_cast<std::int16_t>(k);
        run.InflowRate(k) = s.InflowRate(k);
        run.OutflowRate(k) = s.OutflowRate(k);
        run.StartVolume(k) = s.StartVolume(k);
        run.MaxVolume(k) = s.MaxVolume(k);
        FreshCurve fresh;
        try {
            RungeKutta(run, 0, T, steps, s.InitialConc(k));
            for (long j = 0; j <= steps; ++j) {
                fresh.conc.push_back(run.ConcPoints(j));
                fresh.times.push_back(run.TimePoints(j));
                if (tankOverflows(run, k, j))
                    break;
            }
        } catch (const RuntimeFault&) {
            fresh.faults = true;
        }
        return m_fresh.emplace(key, std::move(fresh)).first->second;
    }

    std::array<const FreshCurve*, 3> m_drawn {}; // of each slot drawn, its fresh run
    std::optional<std::uint64_t> m_copied; // what the last copy checked was made of
    std::uint64_t m_copiedDrawing = 0;
    long m_copiesChecked = 0;
    std::optional<std::uint64_t> m_printsChecked; // the drawing last checked
    QImage m_screen; // the chart as shown after the last action
    std::uint64_t m_drawing = 0, m_curvesSeen = 0; // its hash, and that of the last one checked

    std::unique_ptr<ChartState> m_scratch = std::make_unique<ChartState>();
    std::map<std::tuple<float, float, float, float, float, double, std::int16_t>, FreshCurve>
        m_fresh;
};

} // namespace

TEST_F(RandomWalk, NoActionCrashesOrLeavesTheStateUnsound)
{
    const long actions = fromEnvironment("TANVERA_WALK_ACTIONS", 20000);
    const auto seed = static_cast<unsigned>(fromEnvironment("TANVERA_WALK_SEED", 20261208));
    Walker walk(seed);
    long restarts = 0;
    std::deque<std::string> recent; // the last actions, to reproduce a failure by hand
    auto note = [&](std::string what) {
        recent.push_back(std::move(what));
        if (recent.size() > 12)
            recent.pop_front();
    };
    for (long action = 0; action < actions; ++action) {
        const auto before = messages.shown.size(); // the action's messages go into the trail
        const int kind = walk.pick(20);
        if (kind < 11) {
            const int boxIndex = walk.pick(std::size(Boxes));
            const char* name = Boxes[boxIndex];
            const QString typed = walk.text(boxIndex == 3 || boxIndex == 7);
            const int how = walk.pick(4);
            if (how == 0) {
                note(std::string("append \"") + typed.toStdString() + "\" to " + name);
                box(name)->setFocus();
                typeKeys(box(name), typed); // typed where the cursor stands
            } else if (how == 1) {
                // Pasted over the whole text: one change, with no shorter text before it.
                note(std::string("paste \"") + typed.toStdString() + "\" into " + name);
                // A locked box takes no paste.
                box(name)->setFocus();
                box(name)->selectAll();
                if (!box(name)->isReadOnly())
                    box(name)->insert(typed);
            } else {
                note(std::string("type \"") + typed.toStdString() + "\" into " + name);
                typeInto(name, typed);
            }
        } else if (kind < 15) {
            note("Calcular");
            const bool fourth = state().CurveSlot > 2;
            click("Command1");
            if (fourth)
                expectCleared(action, 1, 1);
        } else if (kind < 16) {
            note("Borrar");
            click("Command2");
            expectCleared(action, 0, 0);
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
        picture().grab(); // painted, as the shown window would be
        if (!HasFatalFailure())
            expectSound(action);
        if (HasFatalFailure()) {
            for (auto i = before; i < messages.shown.size(); ++i)
                note("message: " + messages.shown[i]);
            std::string trail, boxes;
            for (const std::string& step : recent)
                trail += "\n  " + step;
            for (const char* name : Boxes)
                boxes += " [" + text(name) + "]";
            ADD_FAILURE() << "seed " << seed << ", the last actions:" << trail
                          << "\nboxes:" << boxes << "\nCurveSlot " << state().CurveSlot
                          << ", MaxTime " << state().MaxTime;
            return;
        }
    }
    RecordProperty("messages", static_cast<int>(messages.shown.size()));
    RecordProperty("restarts", static_cast<int>(restarts));
    RecordProperty("curves checked", static_cast<int>(curvesChecked));
}
