// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "chart/twips.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace tanvera {

QFont interfaceFont(double points)
{
    // Liberation Sans has the metrics of Arial, and sets the narrow captions as intended.
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(std::lround(pointsToPixels(points))));
    // Every text is Latin with precomposed accents: glyphs straight from the character map draw
    // the same pixels as HarfBuzz here, at a fraction of the start-up's cost. Scripts that need
    // shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

char setUpApplication(QApplication& app)
{
    // QApplication adopted the user's locale for C's number formatting; the program's own
    // conversions never depend on it, and nothing else should start writing commas.
    std::setlocale(LC_NUMERIC, "C");

    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    QApplication::setDesktopFileName(QStringLiteral("tanvera"));

    // The window's font for the whole program: message boxes match the window, and no text is
    // ever set in a second face (a new text box lays out its empty text in the application's
    // font before it takes its own, which would load a whole face for nothing).
    QApplication::setFont(interfaceFont(WindowFontPoints));

    // Qt's own texts (the text boxes' context menu, standard buttons) in Spanish as well.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace tanvera
