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
#if defined(Q_OS_WASM)
#include "web_page.h"

#include <QFontDatabase>
#endif

namespace tanvera {

QFont interfaceFont(const FontSpec& wanted)
{
    QFont font;
#if defined(Q_OS_WIN)
    // The system's own faces for the layout's "MS Sans Serif" and Arial.
    if (wanted.face == FontSpec::Face::Arial)
        font.setFamilies({QStringLiteral("Arial")});
    else
        font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial")});
#else
    // Liberation Sans has the metrics of Arial, and sets the narrow captions as intended.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
        QStringLiteral("DejaVu Sans")});
#endif
#if defined(Q_OS_WIN) || defined(Q_OS_WASM)
    // The default full hinting of Windows, and of Qt's own FreeType in a browser, rounds every
    // advance to whole pixels, which pushes captions past their labels; hinting only vertically
    // keeps the widths the layout was made for, as the slight hinting of Linux does.
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    font.setPixelSize(static_cast<int>(std::lround(pointsToPixels(wanted.points))));
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

    QApplication::setApplicationName(QStringLiteral("TANVERA"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("tanvera"));
#if defined(Q_OS_WIN)
    // The look the window was laid out in, Linux's default: the same buttons and box frames.
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif

#if defined(Q_OS_WASM)
    // Qt in a browser carries only DejaVu; the layout's face comes with the program.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
#endif
    // The window's font for the whole program: message boxes match the window, and no text is
    // ever set in a second face (a new text box lays out its empty text in the application's
    // font before it takes its own, which would load a whole face for nothing).
    QApplication::setFont(interfaceFont(Fonts::Window));

    // Qt's own texts (the text boxes' context menu, standard buttons) in Spanish as well: built
    // into the Windows program, beside the installed Qt on Linux.
    auto* translator = new QTranslator(&app);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    if (translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
            QStringLiteral(":/translations"))
        || translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

#if defined(Q_OS_WASM)
    return web::browserDecimalSeparator();
#else
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
#endif
}

} // namespace tanvera
