// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMenu>

using namespace tanvera;

namespace {

class ChartCopy : public WindowTest
{
protected:
    // An entry of the chart's menu: 0 "Copiar gráfica", 1 "Copiar datos".
    QAction* entry(int i) const { return picture().findChild<QMenu*>()->actions().value(i); }

    // "Copiar datos", read back from the clipboard as rows of cells.
    std::vector<QStringList> copiedRows() const
    {
        QGuiApplication::clipboard()->clear();
        entry(1)->trigger();
        std::vector<QStringList> rows;
        for (const QString& line : QGuiApplication::clipboard()->text().split('\n'))
            rows.push_back(line.split('\t'));
        EXPECT_TRUE(rows.back() == QStringList {""}); // every row ends its line
        rows.pop_back();
        return rows;
    }
};

} // namespace

// A right click, the menu key and Shift+F10 open it, and Escape closes it. "Copiar datos" is
// enabled with a curve on the chart only: the walk checks it at every change.
TEST_F(ChartCopy, RightClickOrMenuKeysOpenAMenuWithTheChartAndItsData)
{
    QContextMenuEvent click(
        QContextMenuEvent::Mouse, {100, 100}, picture().mapToGlobal(QPoint(100, 100)));
    for (const auto& [key, modifiers] :
        {std::pair {Qt::Key_unknown, Qt::NoModifier}, std::pair {Qt::Key_Menu, Qt::NoModifier},
            std::pair {Qt::Key_F10, Qt::ShiftModifier}}) {
        if (key == Qt::Key_unknown)
            QApplication::sendEvent(&picture(), &click);
        else
            QTest::keyClick(&picture(), key, modifiers);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << key;
        const QList<QAction*> entries = menu->actions();
        QTest::keyClick(menu, Qt::Key_Escape);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        ASSERT_EQ(entries.size(), 2);
        EXPECT_EQ(entries[0]->text() + "/" + entries[1]->text(), "Copiar gráfica/Copiar datos");
        EXPECT_TRUE(entries[0]->isEnabled() && !entries[1]->isEnabled());
    }
    QTest::keyClick(&picture(), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "F10 alone opens nothing";
}

TEST_F(ChartCopy, DataAfterAFailedCalculationAreTheRunsStillDrawn)
{
    typeInto("Text1(3)", "1");
    click("Command1");
    calculate("0.1", "1000", "250", "1", "100");
    // The chart takes 0.0001 s for -1000 s; the calculation reads -1000 s, draws the first curve
    // again over it and fails on the second: the copy is the first curve alone, not the new run.
    setParameters("2.7", "10", "250", "-1000", "100");
    messages.shown.clear();
    click("Command1");
    ASSERT_TRUE(OneOverflowFault(messages.shown));
    const auto rows = copiedRows();
    ASSERT_EQ(rows.size(), 1u + 5001u);
    ASSERT_EQ(rows[5001].size(), 2); // the time and one curve, 250·exp(1000 s / 1944 s) at -1000 s
    EXPECT_NEAR(QLocale(QLocale::Spanish).toDouble(rows[5001][1]), 418.16, 0.01);
}

TEST_F(ChartCopy, PictureHoldsTheChartAndTheLegendAtTheScreensPixelRatio)
{
    click("Command1");
    QGuiApplication::clipboard()->clear();
    entry(0)->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    const qreal ratio = window->devicePixelRatioF();
    // The chart's 490 pixels across, and from its top down to the last legend row.
    EXPECT_EQ(image.size(), QSize(490, 439) * ratio);
    const QPoint mark = control("Line3(0)")->geometry().center() - picture().pos();
    EXPECT_EQ(image.pixelColor(mark * ratio), QColor(255, 0, 0));
    // The chart as it is, without the edge of the maximum-time box that overlaps it.
    const QImage chart = picture().grab().toImage().convertToFormat(image.format());
    EXPECT_EQ(image.copy(QRect(QPoint(0, 0), chart.size())), chart);
}
