// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run by the build: draws an SVG file at one size, exactly as the program would draw it, and
// writes the premultiplied ARGB pixels, row after row with no padding, in the machine's byte
// order. The program shows these pixels instead of drawing the picture while it starts.
//   bake_picture picture.svg picture.raw width height
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bake_picture picture.svg picture.raw width height\n");
        return 2;
    }
    const int width = QByteArray(argv[3]).toInt(), height = QByteArray(argv[4]).toInt();
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "bake_picture: cannot draw %s at %sx%s\n", argv[1], argv[3], argv[4]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();

    QFile out(QString::fromLocal8Bit(argv[2]));
    bool written = out.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < height; ++y) {
        const auto* row = reinterpret_cast<const char*>(image.constScanLine(y));
        written = out.write(row, qint64(width) * 4) == qint64(width) * 4;
    }
    if (!written || !out.flush()) {
        std::fprintf(stderr, "bake_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
