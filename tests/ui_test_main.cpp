// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"
#include "ui/layout.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // TANVERA_TEST_FACE names the one face the window may find, as on a machine without the face
    // it was laid out for. On Linux fontconfig is told to list no other; a run whose platform
    // reads its fonts from a folder (QT_QPA_FONTDIR, as under Wine) puts that face alone there.
    const QString face = qEnvironmentVariable("TANVERA_TEST_FACE");
    QFile faceOnly(QDir::temp().filePath(QStringLiteral("tanvera-test-face.conf")));
    if (!face.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")
        && faceOnly.open(QIODevice::WriteOnly)) {
        faceOnly.write(
            QStringLiteral("<fontconfig><include>/etc/fonts/fonts.conf</include><selectfont>"
                           "<rejectfont><pattern/></rejectfont><acceptfont><pattern><patelt "
                           "name=\"family\"><string>%1</string></patelt></pattern>"
                           "</acceptfont></selectfont></fontconfig>")
                .arg(face)
                .toUtf8());
        faceOnly.close();
        qputenv("FONTCONFIG_FILE", faceOnly.fileName().toLocal8Bit());
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QString found = QFontInfo(tanvera::interfaceFont(tanvera::Fonts::Window)).family();
    if (!face.isEmpty() && found != face)
        qFatal("The window's face is \"%s\", not %s", qPrintable(found), qPrintable(face));
    return RUN_ALL_TESTS();
}
