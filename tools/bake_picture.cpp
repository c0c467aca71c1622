// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run by the build: draws an SVG file at one size, exactly as the program would draw it, and
// writes the premultiplied ARGB pixels, row after row with no padding, in the machine's byte
// order. The program shows these pixels instead of drawing the picture while it starts. A ".png"
// output is compressed instead, for the larger pictures that only scaled desktops show; an
// ".ico" output is a Windows icon with the picture in every size given, each stored as PNG.
//   bake_picture picture.svg picture.raw|picture.png width height
//   bake_picture picture.svg picture.ico size...
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

QImage draw(QSvgRenderer& renderer, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    return image;
}

QByteArray raw(const QImage& image)
{
    QByteArray bytes;
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return bytes;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 0); // 0: the smallest file
    return bytes;
}

template <typename T> void put(QByteArray& bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// The icon file: a directory of images, each a PNG of 32-bit colour with transparency.
QByteArray ico(QSvgRenderer& renderer, const std::vector<int>& sizes)
{
    QByteArray header, images;
    put<quint16>(header, 0); // reserved
    put<quint16>(header, 1); // an icon
    put<quint16>(header, quint16(sizes.size()));
    for (int size : sizes) {
        const QByteArray image = png(draw(renderer, size, size));
        header.append(char(size & 0xFF)); // 0 stands for 256
        header.append(char(size & 0xFF));
        header.append(char(0)); // no palette
        header.append(char(0));
        put<quint16>(header, 1); // colour planes
        put<quint16>(header, 32); // bits per pixel
        put<quint32>(header, quint32(image.size()));
        put<quint32>(header, quint32(6 + 16 * sizes.size() + images.size()));
        images.append(image);
    }
    return header + images;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString output = QString::fromLocal8Bit(argc > 2 ? argv[2] : "");
    const bool icon = output.endsWith(QLatin1String(".ico"));
    if (argc < 4 || (!icon && argc != 5)) {
        std::fprintf(stderr,
            "usage: bake_picture picture.svg picture.raw|picture.png width height\n"
            "       bake_picture picture.svg picture.ico size...\n");
        return 2;
    }
    std::vector<int> numbers;
    for (int i = 3; i < argc; ++i)
        numbers.push_back(QByteArray(argv[i]).toInt());
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    bool valid = renderer.isValid();
    for (int number : numbers)
        valid = valid && number > 0 && number <= 256 * 16;
    if (!valid) {
        std::fprintf(stderr, "bake_picture: cannot draw %s at those sizes\n", argv[1]);
        return 1;
    }

    QByteArray bytes;
    if (icon)
        bytes = ico(renderer, numbers);
    else if (output.endsWith(QLatin1String(".png")))
        bytes = png(draw(renderer, numbers[0], numbers[1]));
    else
        bytes = raw(draw(renderer, numbers[0], numbers[1]));
    QFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        std::fprintf(stderr, "bake_picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
