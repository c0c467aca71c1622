// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include "runtime/numtext.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tanvera {

std::string WindowTest::text(const char* name) const
{
    QWidget* widget = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().replace(u'\n', u' ').toStdString(); // its lines, read on
    ADD_FAILURE() << name << " holds no text";
    return {};
}

testing::AssertionResult ShowsWholeWords(const QLabel* label)
{
    const auto* caption = qobject_cast<const CaptionLabel*>(label);
    if (!caption)
        return testing::AssertionFailure() << "not a caption label";
    const QString shown = caption->text(),
                  whole = QString::fromStdString(caption->caption().whole());
    const auto failure = [&] {
        return testing::AssertionFailure()
            << caption->objectName().toStdString() << " shows \"" << shown.toStdString()
            << "\" of \"" << whole.toStdString() << "\"";
    };
    const qsizetype lines = shown.isEmpty() ? 0 : shown.count(u'\n') + 1;
    const QFontMetricsF metrics(caption->font());
    if (lines > 0
        && metrics.height() + (lines - 1) * metrics.lineSpacing()
            > caption->contentsRect().height())
        return failure() << ": more lines than its height holds";
    // Word by word, so that a word broken over two lines shows as none of the caption's.
    const QStringList words = whole.split(u' ', Qt::SkipEmptyParts);
    QStringList seen = QString(shown).replace(u'\n', u' ').split(u' ', Qt::SkipEmptyParts);
    const bool shortened = !seen.isEmpty() && seen.back() == QStringLiteral("…");
    if (shortened)
        seen.pop_back();
    static const QRegularExpression digit(QStringLiteral("\\d"));
    const auto number = std::find_if(
        words.rbegin(), words.rend(), [](const QString& word) { return word.contains(digit); });
    if (seen.size() > words.size() - shortened || (!shortened && seen.size() != words.size())
        || (shortened && words.rend() - number > seen.size()))
        return failure();
    for (qsizetype i = 0; i < seen.size(); ++i) {
        if (seen[i] != words[i] && !ReadsAsTheSameNumber(seen[i], words[i]))
            return failure() << ": \"" << seen[i].toStdString() << "\" is no word of it";
    }
    return testing::AssertionSuccess();
}

bool ReadsAsTheSameNumber(const QString& shorter, const QString& number)
{
    // "3,4028235E+38" for "340282346638528859811704183484516925440,00", or "-30209996800" for
    // "-30209996800,00": fewer characters, and within half a unit of its last digit.
    static const QRegularExpression numberForm(
        QStringLiteral("^[-+]?\\d+(?:[.,](\\d+))?(?:E([-+]\\d+))?$"));
    const QRegularExpressionMatch form = numberForm.match(shorter);
    if (!form.hasMatch() || shorter.size() >= number.size())
        return false;
    const auto value = [](QString text) { return Val(text.replace(u',', u'.').toStdString()); };
    const double unit = std::pow(10.0, form.captured(2).toInt() - form.captured(1).size());
    return std::abs(value(shorter) - value(number)) <= unit * (0.5 + 1e-9);
}

void typeKeys(QWidget* widget, const QString& typed)
{
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed[i];
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        // Beyond ASCII there is no key code: the key event carries the character as text.
        const qsizetype length = c.isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        QTest::sendKeyEvent(
            QTest::Click, widget, Qt::Key_unknown, typed.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

void WindowTest::typeInto(const char* name, const QString& typed)
{
    QLineEdit* edit = box(name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        typeKeys(edit, typed);
}

void WindowTest::click(const char* name)
{
    QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
}

void WindowTest::moveTo(float xTwips, float yTwips)
{
    // A pointer event at the logical position of those twips; float rounding gives them back.
    const QPointF at(xTwips / 14.0, yTwips / 14.0);
    QMouseEvent move(QEvent::MouseMove, at, picture().mapToGlobal(at), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(&picture(), &move);
}

void WindowTest::setParameters(
    const char* litres, const char* flow, const char* conc, const char* time, const char* valve)
{
    typeInto("Text1(0)", QString::fromUtf8(litres));
    typeInto("Text1(1)", QString::fromUtf8(flow));
    typeInto("Text1(2)", QString::fromUtf8(conc));
    typeInto("Text1(3)", QString::fromUtf8(time));
    typeInto("Text1(4)", QString::fromUtf8(valve));
}

void WindowTest::calculate(
    const char* litres, const char* flow, const char* conc, const char* time, const char* valve)
{
    setParameters(litres, flow, conc, time, valve);
    click("Command1");
}

void WindowTest::drawThreeCurves()
{
    click("Command1");
    calculate("5.4", "20", "250", "20000", "100");
    click("Command1");
}

WindowTest::Legends WindowTest::legends() const
{
    return {text("Label4(0)"), text("Label4(1)"), text("Label4(2)")};
}

WindowTest::Marks WindowTest::legendMarks() const
{
    return {!control("Line3(0)")->isHidden(), !control("Line3(1)")->isHidden(),
        !control("Line3(2)")->isHidden()};
}

testing::AssertionResult OneOverflowFault(const std::vector<std::string>& shown)
{
    const std::string fault = "Error en tiempo de ejecución: Desbordamiento.";
    if (shown.size() == 1 && shown[0].starts_with(fault))
        return testing::AssertionSuccess();
    auto failure = testing::AssertionFailure() << shown.size() << " messages";
    for (const std::string& message : shown)
        failure << "\n  " << message;
    return failure;
}

bool Tinted(QRgb pixel, std::uint32_t colour)
{
    const int channel[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int own = colour == Red ? 0 : colour == Green ? 1 : 2;
    return channel[own] - std::max(channel[(own + 1) % 3], channel[(own + 2) % 3]) > 60;
}

bool CurveAt(const QImage& image, std::uint32_t colour, float x, float y)
{
    const double scale = image.devicePixelRatio() / 14; // device pixels a twip
    const int column = int(std::floor(x * scale)), row = int(std::floor(y * scale));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(column + dx, row + dy)
                && Tinted(image.pixel(column + dx, row + dy), colour))
                return true;
    return false;
}

std::size_t WindowTest::points(std::uint32_t colour) const
{
    const DrawnChart& drawn = window->drawnChart();
    const auto slot = std::size_t(std::ranges::find(Colours, colour) - Colours.begin());
    const std::vector<double>& conc = drawn.curves[slot].conc;
    const QImage image = onScreen();
    int right = -1; // the last column with the curve's ink
    for (int y = 0; y < image.height(); ++y)
        for (int x = right + 1; x < image.width(); ++x)
            right = Tinted(image.pixel(x, y), colour) ? x : right;
    const double ratio = image.devicePixelRatio();
    if (conc.empty())
        EXPECT_EQ(right, -1) << "ink of a curve with no points";
    else
        EXPECT_NEAR(right,
            drawn.axes->stepToX(long(conc.size()) - 1, state().StepCount) / 14 * ratio, 1.5 * ratio)
            << conc.size() << " points";
    return conc.size();
}

testing::AssertionResult WindowTest::hasTexts(std::initializer_list<Printed> wanted) const
{
    const QImage image = onScreen();
    const QRgb blank = picture().palette().color(QPalette::Window).rgb();
    const int full = QFontInfo(picture().font()).pixelSize();
    for (const auto& [text, x, y] : wanted) {
        bool found = false;
        // Painted alone as the chart paints its texts: in the box's own font (0), then smaller.
        for (int pixels = 0; !found && (pixels == 0 || pixels >= 7);
             pixels = (pixels == 0 ? full : pixels) - 1) {
            QImage alone(image.size(), QImage::Format_RGB32);
            alone.setDevicePixelRatio(image.devicePixelRatio());
            alone.fill(blank);
            QPainter painter(&alone);
            painter.setPen(picture().palette().color(QPalette::WindowText));
            painter.setFont(picture().textFont(pixels));
            painter.drawText(QPointF(x / 14.0, y / 14.0 + painter.fontMetrics().ascent()),
                QString::fromUtf8(text));
            painter.end();
            bool inked = false, same = true;
            for (int row = 0; row < image.height() && same; ++row)
                for (int column = 0; column < image.width() && same; ++column) {
                    const QRgb pixel = alone.pixel(column, row);
                    inked |= pixel != blank;
                    same = pixel == blank || image.pixel(column, row) == pixel;
                }
            found = inked && same;
        }
        if (!found)
            return testing::AssertionFailure() << "no \"" << text << "\" at " << x << ", " << y;
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult WindowTest::scaleStandsApart() const
{
    const QImage image = picture().grab().toImage();
    const int width = image.width(), height = image.height();
    // The pixels within two of a curve's colour, which its dots may have touched; and the
    // frame's lines, runs of their colours longer than any glyph, perhaps crossed by curves.
    std::vector<bool> line(std::size_t(width * height)), dot(line.size());
    const QRgb background = image.pixel(width / 2, height - 2);
    const auto grey = [](QRgb p) { return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p); };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (grey(image.pixel(x, y)))
                continue;
            for (int ny = std::max(0, y - 2); ny <= std::min(height - 1, y + 2); ++ny)
                for (int nx = std::max(0, x - 2); nx <= std::min(width - 1, x + 2); ++nx)
                    dot[std::size_t(ny * width + nx)] = true;
        }
    }
    const QRgb frame[]
        = {picture().palette().color(QPalette::WindowText).rgb(), qRgb(200, 200, 200)};
    const auto ofFrame = [&](std::pair<int, int> at) {
        return std::ranges::count(frame, image.pixel(at.first, at.second)) > 0;
    };
    const auto inLine = [&](std::pair<int, int> at) {
        return dot[std::size_t(at.second * width + at.first)] || ofFrame(at);
    };
    for (auto [lines, along] : {std::pair(height, width), std::pair(width, height)}) {
        const bool rows = lines == height;
        auto at = [&](int l, int a) { return rows ? std::pair(a, l) : std::pair(l, a); };
        for (int l = 0; l < lines; ++l) {
            for (int a = 0, end = 0; a < along; a = end) {
                const bool inRun = inLine(at(l, a));
                while (end < along && inLine(at(l, end)) == inRun)
                    ++end;
                for (int i = a; inRun && end - a >= 20 && i < end; ++i)
                    line[std::size_t(at(l, i).second * width + at(l, i).first)] = ofFrame(at(l, i));
            }
        }
    }
    // Text is painted in grey levels, the curves in colour (three dots together may leave grey).
    auto ink = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        const auto i = std::size_t(y * width + x);
        const bool border = x == 0 || y == 0 || x == width - 1 || y == height - 1;
        return p != background && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && !line[i]
            && !dot[i] && !border;
    };
    // The ink of the time row by column, and of the concentration column (left of its axis) by row.
    std::vector<int> rowInk(static_cast<std::size_t>(width)),
        columnInk(static_cast<std::size_t>(height));
    const int timeRow = int((picture().Height() - 200) / 14) + 3; // below the concentration "0"
    bool crossed = false; // by a curve's dots, where ink alone cannot tell the texts apart
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            crossed |= dot[std::size_t(y * width + x)] && (y >= timeRow || x < 800 / 14);
            if (!ink(x, y))
                continue;
            if (x < 2 || y < 2 || x >= width - 2 || y >= height - 2)
                return testing::AssertionFailure()
                    << "ink at " << x << ", " << y << " by the border";
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (line[std::size_t((y + dy) * width + x + dx)])
                        return testing::AssertionFailure()
                            << "ink at " << x << ", " << y << " touches a line";
            rowInk[std::size_t(x)] += y >= timeRow;
            columnInk[std::size_t(y)] += y < timeRow && x < 800 / 14;
        }
    }
    // Glyphs of one text stand closer than five columns, and on rows next to each other.
    const auto runs = [](const std::vector<int>& ink, int apart) {
        int count = 0, blank = apart;
        for (const int inked : ink) {
            count += inked > 0 && blank >= apart;
            blank = inked > 0 ? 0 : blank + 1;
        }
        return count;
    };
    if (!crossed && runs(rowInk, 5) != 6)
        return testing::AssertionFailure() << "time row shows " << runs(rowInk, 5) << " texts";
    if (!crossed && runs(columnInk, 1) != 7)
        return testing::AssertionFailure() << "column shows " << runs(columnInk, 1) << " texts";
    return testing::AssertionSuccess();
}

} // namespace tanvera
