#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace tanvera {

char setUpApplication(QApplication& app)
{
    // QApplication adopted the user's locale for C's number formatting; the program's own
    // conversions never depend on it, and nothing else should start writing commas.
    std::setlocale(LC_NUMERIC, "C");

    QApplication::setApplicationName(QString::fromLatin1(ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(ApplicationVersion));
    QApplication::setDesktopFileName(QStringLiteral("tanvera"));

    // Qt's own texts (the text boxes' context menu, standard buttons) in Spanish as well.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

} // namespace tanvera
