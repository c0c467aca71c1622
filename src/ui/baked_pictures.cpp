// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "baked_pictures.h"

// The pictures written by bake_picture (tools/), taken into the program as they are: copying them
// costs the start-up next to nothing, where drawing them from their SVGs cost a large share of it
// (DESIGN.md, start-up). Each file is in the build's baked/ directory, named
// after its picture and size, and CMakeLists.txt draws the same list. ELF, PE/COFF and
// WebAssembly name the read-only section differently (WebAssembly wants one section for each
// symbol, with its flags written out), and only ELF has .previous: top-level assembly comes before
// any function in COFF and WebAssembly, so the code section is the one to go back to there.
#if defined(_WIN32)
#define TANVERA_READ_ONLY_SECTION(symbol) ".section .rdata,\"dr\"\n"
#define TANVERA_PREVIOUS_SECTION ".text\n"
#elif defined(__wasm__)
#define TANVERA_READ_ONLY_SECTION(symbol) ".section .rodata." #symbol ",\"\",@\n"
#define TANVERA_PREVIOUS_SECTION ".text\n"
#else
#define TANVERA_READ_ONLY_SECTION(symbol) ".section .rodata\n"
#define TANVERA_PREVIOUS_SECTION ".previous\n"
#endif
#define TANVERA_BAKED(symbol, name)                                                                \
    __asm__(TANVERA_READ_ONLY_SECTION(symbol) ".balign 16\n" #symbol                               \
                                              ":\n.incbin \"" TANVERA_BAKED_DIR "/" name           \
                                              "\"\n" #symbol "_end:\n" TANVERA_PREVIOUS_SECTION);  \
    extern "C" const unsigned char symbol[], symbol##_end[];

TANVERA_BAKED(tanvera_baked_diagram, TANVERA_DIAGRAM_FILE) // raw on Linux, PNG on Windows
TANVERA_BAKED(tanvera_baked_diagram_125, "diagram-663x456.png")
TANVERA_BAKED(tanvera_baked_diagram_150, "diagram-795x548.png")
TANVERA_BAKED(tanvera_baked_diagram_175, "diagram-928x639.png")
TANVERA_BAKED(tanvera_baked_diagram_200, "diagram-1060x730.png")
TANVERA_BAKED(tanvera_baked_icon_16, "tanvera-16x16.raw")
TANVERA_BAKED(tanvera_baked_icon_32, "tanvera-32x32.raw")
TANVERA_BAKED(tanvera_baked_icon_48, "tanvera-48x48.raw")
TANVERA_BAKED(tanvera_baked_icon_64, "tanvera-64x64.raw")
TANVERA_BAKED(tanvera_baked_icon_256, "tanvera-256x256.raw")

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
    {":/diagram.svg", 663, 456, tanvera_baked_diagram_125, tanvera_baked_diagram_125_end},
    {":/diagram.svg", 795, 548, tanvera_baked_diagram_150, tanvera_baked_diagram_150_end},
    {":/diagram.svg", 928, 639, tanvera_baked_diagram_175, tanvera_baked_diagram_175_end},
    {":/diagram.svg", 1060, 730, tanvera_baked_diagram_200, tanvera_baked_diagram_200_end},
    {":/tanvera.svg", 16, 16, tanvera_baked_icon_16, tanvera_baked_icon_16_end},
    {":/tanvera.svg", 32, 32, tanvera_baked_icon_32, tanvera_baked_icon_32_end},
    {":/tanvera.svg", 48, 48, tanvera_baked_icon_48, tanvera_baked_icon_48_end},
    {":/tanvera.svg", 64, 64, tanvera_baked_icon_64, tanvera_baked_icon_64_end},
    {":/tanvera.svg", 256, 256, tanvera_baked_icon_256, tanvera_baked_icon_256_end},
};

QImage imageOf(const Entry& entry)
{
    const std::ptrdiff_t size = entry.end - entry.begin;
    QImage image;
    if (size == std::ptrdiff_t(entry.width) * entry.height * 4) // raw pixels: shown in place
        image = QImage(entry.begin, entry.width, entry.height, entry.width * 4,
            QImage::Format_ARGB32_Premultiplied);
    else
        image = QImage::fromData(entry.begin, int(size), "PNG")
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() != QSize(entry.width, entry.height))
        return {}; // not what bake_picture writes: drawn from the SVG instead
    return image;
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

QImage nearestBakedPicture(const QString& file, QSize devicePixels)
{
    // The smallest picture at least as large, since shrinking keeps it sharper than enlarging;
    // else the largest.
    const Entry* nearest = nullptr;
    for (const Entry& entry : Baked) {
        if (file != QLatin1String(entry.file))
            continue;
        const bool large = entry.width >= devicePixels.width();
        const bool nearestLarge = nearest && nearest->width >= devicePixels.width();
        if (!nearest || (large && (!nearestLarge || entry.width < nearest->width))
            || (!large && !nearestLarge && entry.width > nearest->width))
            nearest = &entry;
    }
    return nearest ? imageOf(*nearest) : QImage();
}

std::vector<BakedPicture> allBakedPictures()
{
    std::vector<BakedPicture> all;
    for (const Entry& entry : Baked)
        all.push_back({QString::fromLatin1(entry.file), imageOf(entry)});
    return all;
}

} // namespace tanvera
