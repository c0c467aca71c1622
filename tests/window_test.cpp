// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numtext.h"
#include "ui/baked_pictures.h"
#include "window_fixture.h"

#include <QPainter>
#include <QSet>
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
    EXPECT_EQ(text("Text1(6)"), "10,00");
    EXPECT_EQ(text("Label5"), "= 5,56 h");
    EXPECT_EQ(text("Label2"), "");
    EXPECT_EQ(text("Label6(0)"), "");
    EXPECT_EQ(legends(), Legends {});
    EXPECT_EQ(legendMarks(), (Marks {false, false, false}));
    EXPECT_TRUE(messages.shown.empty());

    const ChartState& s = state();
    EXPECT_EQ(s.CurveSlot, 0);
    EXPECT_EQ(s.ConcAxisMax, 250.0f);
    EXPECT_EQ(s.MaxTime, 20000.0);
    EXPECT_EQ(s.TankVolume(0), 0.0054f);
    EXPECT_EQ(s.MaxVolume(0), 0.054f);
    EXPECT_EQ(s.StartVolume(0), s.TankVolume(0));
    EXPECT_EQ(s.OutflowRate(0), s.InflowRate(0));
    EXPECT_EQ(s.InitialConc(0), 250.0f);
    EXPECT_EQ(s.ValveOpening(0), 100.0f);
    EXPECT_EQ(s.TankVolume(1), 0.0f); // only slot 0 is read
    EXPECT_TRUE(dots(Red).empty());
}

TEST_F(CommaWindow, FrameHasItsAxesGridAndScales)
{
    const auto& items = picture().items();
    using Kind = Picture2::Item::Kind;
    ASSERT_GE(items.size(), 10u);
    // Time axis, concentration axis, then the grey grid over them.
    EXPECT_EQ(items[0].kind, Kind::Line);
    EXPECT_TRUE(items[0].foreground);
    EXPECT_EQ(std::tie(items[0].x1, items[0].y1, items[0].x2, items[0].y2),
        std::make_tuple(700.f, 4760.f, 6755.f, 4760.f));
    EXPECT_EQ(std::tie(items[1].x1, items[1].y1, items[1].x2, items[1].y2),
        std::make_tuple(800.f, 4860.f, 800.f, 100.f));
    EXPECT_EQ(items[2].colour, RGB(200, 200, 200));
    EXPECT_EQ(items[2].y1, 1265.f); // a quarter of the plot height below the top line
    EXPECT_EQ(items[5].y1, 100.f); // top grid line
    EXPECT_EQ(items[9].x1, 6755.f); // the right edge of the plot

    EXPECT_TRUE(hasTexts({{"250,0", 300, 1}, {"Conc. HCl", 28, 400}, {"(mol/m3)", 28, 600},
        {" 187,5 ", 300, 1065}, {" 125 ", 300, 2230}, {" 62,5 ", 300, 3395}, {"0", 600, 4760},
        {"0", 700, 4860}, {" 5000 ", 2013.75f, 4860}, {" 10000 ", 3527.5f, 4860},
        {" 15000 ", 5041.25f, 4860}, {"t(s)", 6005, 4860}, {" 20000 ", 6355, 4860}}));
    EXPECT_EQ(state().PlotOffsetX, 800.0);
    EXPECT_EQ(state().PlotOffsetY, 300.0);
}

TEST_F(CommaWindow, ScaleTextsStandApartAndClearOfTheFrame)
{
    // Tops of the concentration scale from the default to the largest Single, each under time
    // axes whose end once ran into "t(s)", overprinted the value before it, touched the border,
    // or is as wide as a Double prints; each number still reads as itself.
    EXPECT_TRUE(scaleStandsApart()) << "at start";
    for (const char* top : {"250", "123456789", "3.4e38"}) {
        typeInto("Text1(2)", top);
        click("Command1");
        // The top reads as the value it stands for, in a shorter form where it has to.
        const DrawnChart& chart = window->drawnChart();
        EXPECT_NEAR(Val(Replace(chart.concAxisTop(), ",", ".")) / chart.axes->concAxisMax, 1, 0.05)
            << chart.concAxisTop();
        for (const char* time : {"12345678", "1234567.891", "2345678", "100000", "0.0001",
                 "-1.23456789012345e-30", "9.87e37", "3.4e38", "1e-30"}) {
            typeInto("Text1(3)", time);
            EXPECT_TRUE(scaleStandsApart()) << "top " << top << ", time " << time;
            const auto& scale = window->drawnChart().scale;
            ASSERT_EQ(scale.size(), 13u);
            EXPECT_EQ(window->drawnChart().timeAxisEnd(), Str(state().MaxTime, ','));
            EXPECT_NEAR(
                Val(Replace(scale[10].text, ",", ".")) / (state().MaxTime * 3 / 4), 1, 1e-14)
                << time;
            EXPECT_EQ(scale[11].text, "t(s)");
        }
    }
    typeInto("Text1(3)", "20000");
    EXPECT_TRUE(hasText(" 20000 ", 6355, 4860)); // a number that fits stays where it was put
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

TEST_F(CommaWindow, BoxesAreNamedByTheirCaptionsForScreenReaders)
{
    const char* boxes[][2]
        = {{"Text1(0)", "V (l):"}, {"Text1(1)", "Q1 (l/h):"}, {"Text1(2)", "Cjo (mol/m3):"},
            {"Text1(3)", "t máximo (s):"}, {"Text1(4)", "Apertura válvula (%)"},
            {"Text1(5)", "C1j (mol/m3):"}, {"Text1(6)", "Q2 (l/h):"}, {"Text2", "t (s)"}};
    const QString longText(40000, '7'); // and no box limits the length of its text
    for (auto& [name, caption] : boxes) {
        EXPECT_EQ(box(name)->accessibleName().toStdString(), caption) << name;
        box(name)->setText(longText);
        // A locked box shows a shorter form of a number too long for it, and holds it whole.
        const bool locked = box(name)->isReadOnly();
        EXPECT_EQ((locked ? box(name)->toolTip() : box(name)->text()), longText) << name;
    }
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
    EXPECT_TRUE(dots(Red).empty());
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

// The pictures are drawn from compiled-in SVG files; a wrong name or an unregistered resource
// would leave them blank without any error.
TEST_F(CommaWindow, IconAndDiagramAreDrawnFromTheirPictures)
{
    const QImage icon = window->windowIcon().pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_GT(qAlpha(icon.pixel(16, 16)), 0);

    const QImage diagram = control("Image1")->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < diagram.height(); y += 5)
        for (int x = 0; x < diagram.width(); x += 5)
            colours.insert(diagram.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
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

    // At a size not drawn at build time (an uncommon scale), the SVG is drawn when it is shown;
    // where Qt SVG is missing, the nearest picture drawn at build time is scaled to it.
    QWidget* diagram = control("Image1");
    diagram->resize(diagram->size() / 2);
    const QImage half = diagram->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage drawn(half.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
#ifdef TANVERA_TESTS_DRAW_SVG
    QSvgRenderer(QStringLiteral(":/diagram.svg")).render(&painter);
#else
    painter.drawImage(QPoint(0, 0),
        bakedPicture(QStringLiteral(":/diagram.svg"), QSize(530, 365))
            .scaled(half.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
#endif
    painter.end();
    EXPECT_EQ(half.pixel(5, half.height() - 5), drawn.pixel(5, drawn.height() - 5));
    EXPECT_EQ(half.pixel(half.width() / 2, half.height() / 2),
        drawn.pixel(drawn.width() / 2, drawn.height() / 2));
}
