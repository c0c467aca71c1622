// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numtext.h"
#include "ui/baked_pictures.h"
#include "ui/qt_message_box.h"
#include "ui/window_pictures.h"
#include "window_fixture.h"

#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <span>
#ifdef TANVERA_TESTS_DRAW_SVG
#include <QSvgRenderer>
#endif

using namespace tanvera;

namespace {

using CommaWindow = WindowTest;

class PointWindow : public WindowTest
{
protected:
    PointWindow()
        : WindowTest('.')
    { }
};

} // namespace

TEST_F(CommaWindow, StartsWithSlotZeroReadAndAnEmptyChart)
{
    EXPECT_EQ(window->windowTitle().toStdString(), "TANVERA");
    EXPECT_EQ(window->size(), QSize(1077, 548));
    EXPECT_EQ(text("Label5"), "= 5,56 h");
    EXPECT_EQ(legendMarks(), (Marks {false, false, false}));

    const ChartState& s = state(); // slot 0 read from the boxes, and only it
    EXPECT_EQ(std::tuple(s.CurveSlot, s.ConcAxisMax, s.MaxTime, s.TankVolume(0), s.MaxVolume(0),
                  s.InitialConc(0), s.ValveOpening(0), s.TankVolume(1)),
        std::tuple(0, 250.0f, 20000.0, 0.0054f, 0.054f, 250.0f, 100.0f, 0.0f));
    EXPECT_EQ(
        std::pair(s.StartVolume(0), s.OutflowRate(0)), std::pair(s.TankVolume(0), s.InflowRate(0)));
}

TEST_F(CommaWindow, FrameHasItsAxesGridAndScales)
{
    const QImage image = onScreen();
    const QRgb axis = picture().palette().color(QPalette::WindowText).rgb(),
               grid = qRgb(200, 200, 200);
    // Whether the pixels from (x, y) to the end, in twips along a row or a column, are all of
    // those colours, and the one after them is not.
    const auto line = [&](double x, double y, double end, bool row, std::vector<QRgb> colours) {
        const auto at = [&](double twips) { return int(twips * image.devicePixelRatio() / 14); };
        for (int i = at(row ? x : y); i <= at(end) + 1; ++i)
            if (std::ranges::count(colours, image.pixel(row ? i : at(x), row ? at(y) : i))
                != (i <= at(end)))
                return false;
        return true;
    };
    // The axes from a tick's length beyond each other, under the grid; the grid's lines a
    // quarter of the plot apart, the top one and the right one at the plot's edges.
    EXPECT_TRUE(
        line(700, 4760, 6755, true, {axis, grid}) && line(800, 100, 4860, false, {axis, grid}));
    for (const double y : {100.0, 1265.0, 2430.0, 3595.0})
        EXPECT_TRUE(line(700, y, 6755, true, {grid})) << y;
    for (const double x : {2288.75, 3777.5, 5266.25, 6755.0})
        EXPECT_TRUE(line(x, 100, 4860, false, {grid})) << x;
    EXPECT_TRUE(hasTexts({{"250,0", 300, 1}, {"Conc. HCl", 28, 400}, {"(mol/m3)", 28, 600},
        {" 187,5 ", 300, 1065}, {" 125 ", 300, 2230}, {" 62,5 ", 300, 3395}, {"0", 600, 4760},
        {"0", 700, 4860}, {" 5000 ", 2013.75f, 4860}, {" 10000 ", 3527.5f, 4860},
        {" 15000 ", 5041.25f, 4860}, {"t(s)", 6005, 4860}, {" 20000 ", 6355, 4860}}));
}

TEST_F(CommaWindow, ScaleTextsStandApartAndClearOfTheFrame)
{
    // Tops up to the largest Single, under time axes whose end once ran into "t(s)", overprinted
    // the value before it, touched the border, or is as wide as a Double prints.
    EXPECT_TRUE(scaleStandsApart()) << "at start";
    for (const char* top : {"250", "123456789", "3.4e38"}) {
        typeInto("Text1(2)", top);
        click("Command1");
        // Each number reads as its line's value (the walk checks); shortened, in one precision.
        const auto& scale = window->drawnChart().scale;
        EXPECT_TRUE(std::string(top) != "3.4e38"
            || scale[0].text + scale[3].text + scale[4].text + scale[5].text
                == "3,4E+38 2,55E+38  1,7E+38  8,5E+37 ");
        for (const char* time : {"12345678", "1234567.891", "2345678", "100000", "0.0001",
                 "-1.23456789012345e-30", "9.87e37", "3.4e38", "1e-30"}) {
            typeInto("Text1(3)", time);
            EXPECT_TRUE(scaleStandsApart()) << "top " << top << ", time " << time;
        }
    }
}

TEST_F(PointWindow, PointSettingShowsPoints)
{
    EXPECT_EQ(text("Text1(6)"), "10.00");
    EXPECT_EQ(text("Label5"), "= 5.56 h");
    EXPECT_TRUE(hasTexts({{"250.0", 300, 1}, {" 62.5 ", 300, 3395}}));
}

TEST_F(CommaWindow, ScaleFollowsTheTopValueAsShown)
{
    // 5.4 as a Single rounds to the text 5,4; the lower values derive from that text.
    click("Command2"); // axis top back to 0
    calculate("5.4", "10", "5.4", "1001", "100");
    EXPECT_TRUE(hasTexts(
        {{"5,4", 300, 1}, {" 4,05 ", 300, 1065}, {" 2,7 ", 300, 2230}, {" 1,35 ", 300, 3395},
            {" 250,25 ", 2013.75f, 4860}, {" 750,75 ", 5041.25f, 4860}, {" 1001 ", 6355, 4860}}));

    click("Command2"); // cleared: the frame keeps the old scale, the next one starts at 0
    typeInto("Text1(3)", "1000");
    EXPECT_TRUE(hasTexts({{",0", 300, 1}, {" 0 ", 300, 1065}}));
}

TEST_F(CommaWindow, TabVisitsBoxesAndButtonsInLayoutOrder)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), box("Text1(0)"));
    const char* order[] = {"Text1(1)", "Text1(2)", "Command1", "Picture2", "Command2", "Text1(3)",
        "Text2", "Text1(4)", "Text1(5)", "Text1(6)", "Command3", "Text1(0)"};
    for (const char* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), next);
        const bool chart = QApplication::focusWidget() == &picture(); // its border shows the focus
        EXPECT_EQ(picture().grab().toImage().pixel(0, 100)
                == picture().palette().color(QPalette::Highlight).rgb(),
            chart);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), "Command3");
}

TEST_F(CommaWindow, LockedBoxesIgnoreTypingAndKeysPressNoButton)
{
    int changes = 0;
    QObject::connect(box("Text1(5)"), &QLineEdit::textChanged, [&] { ++changes; });
    typeInto("Text1(5)", "42");
    typeInto("Text1(6)", "7");
    EXPECT_EQ(text("Text1(5)"), "0");
    EXPECT_EQ(text("Text1(6)"), "10,00");
    EXPECT_EQ(changes, 0);

    int presses = 0;
    for (const char* button : {"Command1", "Command2", "Command3"})
        QObject::connect(control<QPushButton>(button), &QPushButton::clicked, [&] { ++presses; });
    for (const char* name : {"Text1(0)", "Text1(3)", "Text2"}) {
        QTest::keyClick(box(name), Qt::Key_Return);
        QTest::keyClick(box(name), Qt::Key_Enter);
        QTest::keyClick(box(name), Qt::Key_Escape);
    }
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(points(Red), 0u);
}

TEST_F(CommaWindow, MessagesShowInABoxTitledAndAnsweredInSpanish)
{
    std::vector<QString> seen; // title, text, number of buttons, the default one
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), QString::number(box->buttons().size()),
                box->defaultButton()->text(), QString::number(box->icon())};
            box->defaultButton()->click();
        }
    });
    QtMessageBox().show(ValidationMessage);
    EXPECT_EQ(seen, (std::vector<QString> {"TANVERA", ValidationMessage, "1", "Aceptar", "0"}));
}

TEST_F(CommaWindow, SalirClosesTheWindowWithoutAQuestion)
{
    click("Command1");
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    click("Command3");
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(messages.shown.empty());
}

// Each picture shows its parts in their colours wherever it was drawn: a wrong name, an
// unregistered resource or a changed file would show something else without any error.
TEST_F(CommaWindow, IconAndDiagramShowTheirParts)
{
    // What, where (the diagram's pixels, the icon's 256ths) and in which colour.
    using Part = std::tuple<const char*, int, int, QRgb>;
    const auto near = [](QRgb a, QRgb b, int by) {
        return std::abs(qRed(a) - qRed(b)) <= by && std::abs(qGreen(a) - qGreen(b)) <= by
            && std::abs(qBlue(a) - qBlue(b)) <= by && std::abs(qAlpha(a) - qAlpha(b)) <= by;
    };
    // Parts four pixels across and more first: they show at half the size too.
    const Part parts[] = {{"empty tank", 220, 140, 0xFFFFFFFF}, {"liquid", 220, 240, 0xFFC9E2F9},
        {"feed arrow", 60, 40, 0xFF1F2A38}, {"pump", 118, 31, 0xFFFFFFFF},
        {"motor", 268, 8, 0xFF4A5A70}, {"rotation arrow", 281, 23, 0xFFC0392B},
        {"impeller", 250, 255, 0xFF4A5A70}, {"standpipe", 385, 200, 0xFF1F2A38},
        {"outlet arrow", 365, 270, 0xFF1F2A38}, {"valve", 423, 184, 0xFFFFFFFF},
        {"blue corner", 5, 360, 0xFF6D9BDB}, {"white corner", 525, 5, 0xFFFFFFFF},
        {"inlet pipe", 30, 40, 0xFF1F2A38}, {"drain", 450, 215, 0xFF1F2A38}};
    // As the window shows it; as drawn for a desktop at twice the scale; and at a size not drawn
    // at build time, where the SVG is drawn when shown, or without Qt SVG the nearest picture
    // drawn at build time is scaled to it.
    QWidget* shown = control("Image1");
    for (const qreal scale : {1.0, 2.0, 0.5}) {
        if (scale == 0.5)
            shown->resize(shown->size() / 2);
        const QImage diagram = scale == 2
            ? svgPicture(QStringLiteral(":/diagram.svg"), shown->size() * 2)
            : shown->grab().toImage();
        for (const auto& [what, x, y, colour] : std::span(parts).first(scale < 1 ? 12 : 14)) {
            const QRgb seen = diagram.pixel(int(x * scale), int(y * scale));
            EXPECT_TRUE(near(seen, colour, 6))
                << what << " at " << scale << ": " << std::hex << seen;
        }
    }
    // White letters on a red body, on no background, at every size the icon has.
    for (const QSize size : window->windowIcon().availableSizes()) {
        const QImage icon = window->windowIcon().pixmap(size).toImage();
        for (const auto& [what, x, y, colour] :
            std::initializer_list<Part> {{"corner", 2, 2, 0}, {"T", 85, 150, 0xFFFFFFFF},
                {"V", 177, 165, 0xFFFFFFFF}, {"body", 128, 215, 0xFFB31111}}) {
            const QRgb seen = icon.pixel(x * size.width() / 256, y * size.height() / 256);
            EXPECT_TRUE(near(seen, colour, 16))
                << what << " at " << size.width() << ": " << std::hex << seen;
        }
    }
}

// What the window paints by hand: the query's frame and its rules, the legend marks and the
// chart's border, in the colours of the window's palette.
TEST_F(CommaWindow, HandPaintedControlsShowInTheirColours)
{
    const QPalette& palette = window->palette();
    const QImage frame = control("Frame1")->grab().toImage();
    EXPECT_EQ(frame.pixel(0, 60), palette.color(QPalette::Window).darker(111).rgb());
    EXPECT_EQ(frame.pixel(50, 80), palette.color(QPalette::Window).darker(101).rgb());
    EXPECT_LT(qGray(frame.pixel(1, 6)), 128); // the title's first letter
    QPalette green = palette; // a rule takes the text colour of its theme
    green.setColor(QPalette::WindowText, Qt::darkGreen);
    control("Line1")->setPalette(green);
    EXPECT_EQ(control("Line1")->grab().toImage().pixel(100, 0), QColor(Qt::darkGreen).rgb());
    drawThreeCurves();
    EXPECT_EQ(control("Line3(0)")->grab().toImage().pixel(20, 1), qRgb(255, 0, 0));
    EXPECT_EQ(control("Line3(2)")->grab().toImage().pixel(20, 1), qRgb(0, 0, 255));

    // The chart's border.
    EXPECT_EQ(picture().grab().toImage().pixel(0, 100), palette.color(QPalette::Mid).rgb());
}

// The diagram and the icon shown at start-up were drawn when the program was built: they must be
// what their files draw now, and the diagram must have been drawn at the size the window gives it
// at each common desktop scale, so that it stays sharp there.
TEST_F(CommaWindow, PicturesDrawnAtBuildTimeAreTheirFilesPixels)
{
    for (const QString& file : {QStringLiteral(":/diagram.svg"), QStringLiteral(":/tanvera.svg")})
        for (const QSize size : bakedSizes(file)) {
            const QImage image = bakedPicture(file, size);
            ASSERT_FALSE(image.isNull()) << file.toStdString();
#ifdef TANVERA_TESTS_DRAW_SVG
            QImage drawn(image.size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            QSvgRenderer(file).render(&painter);
            painter.end();
            EXPECT_EQ(drawn, image) << file.toStdString() << " at " << image.width() << " px";
#endif
        }
    for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        const QSize pixels = (QSizeF(control("Image1")->size()) * scale).toSize();
        EXPECT_FALSE(bakedPicture(QStringLiteral(":/diagram.svg"), pixels).isNull()) << scale;
    }
    // Every size the icon was drawn at, from the smallest a title bar shows to Windows' largest.
    const auto iconSizes = bakedSizes(QStringLiteral(":/tanvera.svg"));
    EXPECT_EQ(window->windowIcon().availableSizes(), QList(iconSizes.begin(), iconSizes.end()));
    EXPECT_EQ(iconSizes.front(), QSize(16, 16));
    EXPECT_EQ(iconSizes.back(), QSize(256, 256));
}
