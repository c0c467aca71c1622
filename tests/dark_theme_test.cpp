// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <algorithm>
#include <cmath>

using namespace tanvera;

namespace {

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QColor colour)
{
    auto linear
        = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark(QColor(238, 238, 236), QColor(53, 53, 53), QColor(80, 80, 80), QColor(30, 30, 30),
        QColor(45, 45, 45), QColor(238, 238, 236), Qt::white, QColor(45, 45, 45),
        QColor(53, 53, 53));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(145, 145, 145));
    return dark;
}

// The window built while the desktop's palette is dark, as under a dark GNOME or KDE theme.
class DarkDesktop : public WindowTest
{
protected:
    DarkDesktop()
        : m_saved(QApplication::palette())
    {
        QApplication::setPalette(darkPalette());
        window = std::make_unique<Form1>(',', messages);
    }
    ~DarkDesktop() override
    {
        window.reset();
        QApplication::setPalette(m_saved);
    }

    // The least contrast between a label's text colour and the pixels of the picture beneath
    // the label's text, measured with the label taken away.
    double worstContrastBehind(QLabel* label)
    {
        const QRect textRect = label->fontMetrics().boundingRect(label->contentsRect(),
            int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0), label->text());
        label->hide();
        const QImage behind
            = window->grab(textRect.translated(label->pos()) & label->geometry()).toImage();
        label->show();
        const QColor text = label->palette().color(label->foregroundRole());
        double worst = 21;
        for (int y = 0; y < behind.height(); ++y) {
            for (int x = 0; x < behind.width(); ++x)
                worst = std::min(worst, contrast(text, behind.pixelColor(x, y)));
        }
        return worst;
    }

private:
    QPalette m_saved;
};

} // namespace

TEST_F(DarkDesktop, EveryTextStaysLegible)
{
    // The labels drawn straight over the diagram, and the hours beside the maximum time.
    for (const char* name : {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)",
             "Label1(5)", "Label1(6)", "Label1(7)", "Label1(8)", "Label1(9)", "Label5"})
        EXPECT_GE(worstContrastBehind(control<QLabel>(name)), 4.5) << name;

    // Every other text on its own background: boxes (the locked ones in grey), buttons, the
    // frame's caption and the opaque labels.
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QPalette& p = widget->palette();
        double ratio = 21;
        if (qobject_cast<QLineEdit*>(widget))
            ratio = contrast(p.color(QPalette::Text), p.color(QPalette::Base));
        else if (qobject_cast<QPushButton*>(widget))
            ratio = contrast(p.color(QPalette::ButtonText), p.color(QPalette::Button));
        else if (qobject_cast<QGroupBox*>(widget) || qobject_cast<QLabel*>(widget))
            ratio = contrast(p.color(QPalette::WindowText), p.color(QPalette::Window));
        EXPECT_GE(ratio, 4.5) << widget->objectName().toStdString();
    }
}

TEST_F(DarkDesktop, ChartKeepsItsLightBackgroundUnderTheCurves)
{
    drawThreeCurves();
    ASSERT_EQ(state().CurveSlot, 3);
    // A spot of the plot that no curve and no grid line crosses: high concentration, late time.
    const QImage chart = picture().grab().toImage();
    const QColor background
        = chart.pixelColor(QPoint(6400 / 14, 600 / 14) * chart.devicePixelRatio());
    EXPECT_GE(contrast(picture().palette().color(QPalette::WindowText), background), 4.5);
    EXPECT_GE(contrast(QColor(0, 0, 255), background), 4.5); // blue curve
    EXPECT_GE(contrast(QColor(255, 0, 0), background), 3.0); // red curve
}
