// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QGroupBox>

using namespace tanvera;

namespace {

class Captions : public WindowTest
{
protected:
    // Where a control lies in the window, in pixels, whichever container holds it.
    QRect placeOf(const QWidget* w) const { return {w->mapTo(window.get(), QPoint()), w->size()}; }
    QRect placeOf(const char* name) const { return placeOf(control(name)); }
};

} // namespace

TEST_F(Captions, ReadWhatTheUserNeedsWithTheirUnits)
{
    const char* captions[][2] = {{"Label1(0)", "V (l):"}, {"Label1(1)", "Q1 (l/h):"},
        {"Label1(2)", "Cjo (mol/m3):"}, {"Label1(3)", "t máximo (s):"},
        {"Label1(4)", "Apertura válvula (%)"}, {"Label1(5)", "C1j (mol/m3):"},
        {"Label1(6)", "C2j (mol/m3): ?"}, {"Label1(7)", "Q2 (l/h):"}, {"Label1(8)", "V"},
        {"Label1(9)", "Vmax=V·10"}, {"Label3(0)", "t (s)"},
        {"Label7",
            "Con agradecimiento a los profesores y estudiantes de Ingeniería Química que "
            "inspiraron este programa."},
        {"Label3(1)", "Cj (mol/m3)"}, {"Text1(5)", "0"}, {"Text2", "0"}};
    for (auto& [name, caption] : captions)
        EXPECT_EQ(text(name), caption) << name;
    // Every caption shows whole, in whatever face the window found (TANVERA_TEST_FACE), on one
    // line but for the valve's.
    for (const auto* label : window->findChildren<CaptionLabel*>()) {
        EXPECT_TRUE(ShowsWholeWords(label) && label->toolTip().isEmpty())
            << label->text().toStdString();
        const bool twoLines = label->objectName() == "Label1(4)";
        EXPECT_EQ(label->text().contains(u'\n'), twoLines) << label->text().toStdString();
    }
    for (auto& [name, caption] :
        {std::pair {"Command1", "Calcular"}, {"Command2", "Borrar Gráfica"}, {"Command3", "Salir"}})
        EXPECT_EQ(control<QPushButton>(name)->text().toStdString(), caption) << name;
    EXPECT_EQ(control<QGroupBox>("Frame1")->title().toStdString(), "Instantáneo C = f(t)");
}

TEST_F(Captions, StandNextToWhatTheyName)
{
    // Each caption ends where its box begins, level with it.
    const char* besideTheirBoxes[][2] = {{"Label1(0)", "Text1(0)"}, {"Label1(1)", "Text1(1)"},
        {"Label1(2)", "Text1(2)"}, {"Label1(3)", "Text1(3)"}, {"Label1(5)", "Text1(5)"},
        {"Label1(7)", "Text1(6)"}, {"Text1(3)", "Label5"}, {"Text2", "Label2"}};
    for (auto& [left, right] : besideTheirBoxes) {
        const QRect a = placeOf(left), b = placeOf(right);
        EXPECT_TRUE(b.contains(b.left(), a.center().y())) << left;
        EXPECT_GE(b.left() - (a.left() + a.width()), -2) << left;
        EXPECT_LE(b.left() - (a.left() + a.width()), 20) << left;
    }
    // The valve caption stands over its box; the headings over their columns.
    const char* aboveTheirBoxes[][2]
        = {{"Label1(4)", "Text1(4)"}, {"Label3(0)", "Text2"}, {"Label3(1)", "Label2"}};
    for (auto& [upper, lower] : aboveTheirBoxes) {
        const QRect a = placeOf(upper), b = placeOf(lower);
        EXPECT_LE(a.bottom(), b.top() + 1) << upper;
        EXPECT_GT(a.bottom(), b.top() - 20) << upper;
        EXPECT_LE(a.left(), b.left()) << upper;
        EXPECT_GE(a.right(), b.right()) << upper;
    }
}

TEST_F(Captions, PaintWhatTheyShowInTheirTypeColourAndPlaceOffTheDiagramsFrame)
{
    typeInto("Text2", "100"); // a readout in a bordered label
    typeInto("Text1(3)", "3.4e38"); // the hours in smaller type and a shorter number
    moveTo(2288.75f, 4900); // the pointer's readout in an opaque label
    const QImage shown = window->grab().toImage();
    const QRect diagram = placeOf("Image1");
    for (auto* label : window->findChildren<CaptionLabel*>()) {
        const std::string name = label->objectName().toStdString();
        QPalette palette = label->palette(), black = palette;
        palette.setColor(QPalette::WindowText, Qt::red);
        label->setPalette(palette);
        const QImage image = window->grab().toImage();
        label->setPalette(black);
        // The text's ink as the window shows it: the pixels inside the frame that the text's
        // colour changed, each by the red it adds to the black alone (green and blue the same).
        const QRect place = placeOf(label),
                    inside = label->contentsRect().translated(place.topLeft());
        QRect inked;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QRgb p = image.pixel(x, y), was = shown.pixel(x, y);
                if (p == was)
                    continue;
                inked |= QRect(x, y, 1, 1);
                ASSERT_TRUE(qRed(p) > qRed(was) && (p & 0xFFFF) == (was & 0xFFFF)) << name;
            }
        }
        // Within the lines its own type and alignment lay out, filling their width; over the
        // diagram or off it, a blank pixel clear of its frame line (the picture's outermost).
        const QRect laidOut = QFontMetrics(label->font())
                                  .boundingRect(inside, int(label->alignment()), label->text());
        EXPECT_TRUE(inked.isEmpty() ? laidOut.width() == 0
                                    : laidOut.adjusted(-1, -1, 1, 1).contains(inked)
                    && inked.width() >= laidOut.width() - 3
                    && (diagram.adjusted(2, 2, -2, -2).contains(inked)
                        || !diagram.adjusted(-2, -2, 2, 2).intersects(inked)))
            << name << " inks " << inked.x() << ", " << inked.y() << " " << inked.width() << "×"
            << inked.height();
        const bool framed = label->frameShape() != QFrame::NoFrame;
        EXPECT_EQ(image.pixel(place.left(), place.center().y()) == qRgb(255, 0, 0), framed)
            << name << "'s frame";
    }
    // The frame line is whole but where a box lies on it: no caption, nor the chart, over it.
    QRegion line = QRegion(diagram).subtracted(diagram.adjusted(1, 1, -1, -1));
    for (const auto* box : window->findChildren<QLineEdit*>())
        line -= placeOf(box);
    for (const QRect& part : line)
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                ASSERT_EQ(shown.pixel(x, y), qRgb(0x1f, 0x2a, 0x38))
                    << "frame line at " << x << ", " << y;
    // A caption shown shorter than written tells the whole as its tool tip.
    EXPECT_EQ(control<CaptionLabel>("Label5")->toolTip().toStdString(),
        "= 94444444444444447630982682047938560,00 h");
}
