// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "baked_pictures.h"

// The pixels written by bake_picture (tools/), taken into the program as they are. Drawing the
// diagram and the window icon from their SVGs cost the start-up about 6 million instructions;
// copying these costs next to nothing. Each file is in the build's baked/ directory, named
// after its picture and size, and CMakeLists.txt draws the same list.
#define TANVERA_BAKED(symbol, name)                                                                \
    __asm__(".section .rodata\n.balign 16\n" #symbol ":\n.incbin \"" TANVERA_BAKED_DIR "/" name    \
            "\"\n" #symbol "_end:\n.previous\n");                                                  \
    extern "C" const unsigned char symbol[], symbol##_end[];

TANVERA_BAKED(tanvera_baked_diagram, "diagram-530x365.raw")
TANVERA_BAKED(tanvera_baked_icon_16, "tanvera-16x16.raw")
TANVERA_BAKED(tanvera_baked_icon_32, "tanvera-32x32.raw")
TANVERA_BAKED(tanvera_baked_icon_64, "tanvera-64x64.raw")

namespace tanvera {

namespace {

struct Entry
{
    const char* file;
    int width, height;
    const unsigned char* begin;
    const unsigned char* end;
};

const Entry Baked[] = {
    {":/diagram.svg", 530, 365, tanvera_baked_diagram, tanvera_baked_diagram_end},
    {":/tanvera.svg", 16, 16, tanvera_baked_icon_16, tanvera_baked_icon_16_end},
    {":/tanvera.svg", 32, 32, tanvera_baked_icon_32, tanvera_baked_icon_32_end},
    {":/tanvera.svg", 64, 64, tanvera_baked_icon_64, tanvera_baked_icon_64_end},
};

QImage imageOf(const Entry& entry)
{
    if (entry.end - entry.begin != std::ptrdiff_t(entry.width) * entry.height * 4)
        return {}; // not what bake_picture writes: drawn from the SVG instead
    return QImage(entry.begin, entry.width, entry.height, entry.width * 4,
        QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage bakedPicture(const QString& file, QSize devicePixels)
{
    for (const Entry& entry : Baked) {
        if (file == QLatin1String(entry.file) && devicePixels == QSize(entry.width, entry.height))
            return imageOf(entry);
    }
    return {};
}

std::vector<BakedPicture> allBakedPictures()
{
    std::vector<BakedPicture> all;
    for (const Entry& entry : Baked)
        all.push_back({QString::fromLatin1(entry.file), imageOf(entry)});
    return all;
}

} // namespace tanvera
