// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Run by the build: draws an SVG file at one size, exactly as the program would draw it, and
// writes the premultiplied ARGB pixels, row after row with no padding, in the machine's byte
// order. The program shows these pixels instead of drawing the picture while it starts. A ".png"
// output is compressed instead, for the larger pictures that only scaled desktops show; an
// ".ico" output is a Windows icon with the picture in every size given, each in 16 colours, 24-bit
// colour and 32-bit colour with transparency.
//   bake_picture picture.svg picture.raw|picture.png width height
//   bake_picture picture.svg picture.ico size...
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <iterator>
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

// The sixteen colours every Windows display can show, for the icon's 16-colour images.
const QRgb WindowsColours[16]
    = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
        0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

int nearestWindowsColour(QRgb colour)
{
    int nearest = 0, nearestDistance = 1 << 30;
    for (int i = 0; i < 16; ++i) {
        const int r = qRed(colour) - qRed(WindowsColours[i]);
        const int g = qGreen(colour) - qGreen(WindowsColours[i]);
        const int b = qBlue(colour) - qBlue(WindowsColours[i]);
        if (r * r + g * g + b * b < nearestDistance)
            nearest = i, nearestDistance = r * r + g * g + b * b;
    }
    return nearest;
}

// An icon image without an alpha channel, for displays of 16 colours or 24 bits: the colours
// bottom row first, then a mask with a bit set for every pixel that is more transparent than
// opaque.
QByteArray bitmap(const QImage& premultiplied, int bits)
{
    const QImage image = premultiplied.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    QByteArray bytes;
    put<quint32>(bytes, 40); // BITMAPINFOHEADER
    put<qint32>(bytes, size);
    put<qint32>(bytes, 2 * size); // the colours and the mask
    put<quint16>(bytes, 1);
    put<quint16>(bytes, quint16(bits));
    for (int i = 0; i < 6; ++i)
        put<quint32>(bytes, 0); // no compression; sizes and palette counts implied
    if (bits == 4) {
        for (QRgb colour : WindowsColours)
            put<quint32>(bytes, colour); // blue, green, red, 0 in memory
    }
    const auto padded = [](QByteArray row) {
        while (row.size() % 4)
            row.append(char(0));
        return row;
    };
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = qAlpha(image.pixel(x, y)) >= 128 ? image.pixel(x, y) : 0;
            if (bits == 24) {
                row.append(char(qBlue(pixel)));
                row.append(char(qGreen(pixel)));
                row.append(char(qRed(pixel)));
            } else if (x % 2 == 0) {
                row.append(char(nearestWindowsColour(pixel) << 4));
            } else {
                row.back() = char(row.back() | nearestWindowsColour(pixel));
            }
        }
        bytes.append(padded(row));
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row((size + 7) / 8, 0);
        for (int x = 0; x < size; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        bytes.append(padded(row));
    }
    return bytes;
}

// The icon file: a directory of images, each size in 16 colours, in 24-bit colour and in 32-bit
// colour with transparency, the last stored as PNG.
QByteArray ico(QSvgRenderer& renderer, const std::vector<int>& sizes)
{
    const int depths[] = {4, 24, 32};
    const auto count = quint16(sizes.size() * std::size(depths));
    QByteArray header, images;
    put<quint16>(header, 0); // reserved
    put<quint16>(header, 1); // an icon
    put<quint16>(header, count);
    for (int size : sizes) {
        const QImage drawn = draw(renderer, size, size);
        for (int bits : depths) {
            const QByteArray image = bits == 32 ? png(drawn) : bitmap(drawn, bits);
            header.append(char(size & 0xFF)); // 0 stands for 256
            header.append(char(size & 0xFF));
            header.append(char(bits == 4 ? 16 : 0)); // colours in the palette
            header.append(char(0));
            put<quint16>(header, 1); // colour planes
            put<quint16>(header, quint16(bits));
            put<quint32>(header, quint32(image.size()));
            put<quint32>(header, quint32(6 + 16 * count + images.size()));
            images.append(image);
        }
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
