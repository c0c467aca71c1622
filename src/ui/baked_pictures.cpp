// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "baked_pictures.h"

// The pictures written by bake_picture (tools/), taken in as they are: copying them costs the
// start-up next to nothing, where drawing their SVGs cost a large share of it. CMakeLists.txt
// lists them in baked_list.inc, one TANVERA_BAKED(name, width, height, file) each, read twice
// here: for the data, then for the table. ELF, PE/COFF and WebAssembly name the read-only section
// differently (WebAssembly wants one per symbol, its flags written out), and only ELF has
// .previous: top-level assembly comes before any function in COFF and WebAssembly, so the code
// section is the one to go back to there.
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
#define TANVERA_INCBIN(symbol, file)                                                               \
    __asm__(TANVERA_READ_ONLY_SECTION(symbol) ".balign 16\n" #symbol ":\n.incbin \"" file          \
                                              "\"\n" #symbol "_end:\n" TANVERA_PREVIOUS_SECTION);  \
    extern "C" const unsigned char symbol[], symbol##_end[];
#define TANVERA_BAKED(name, width, height, file)                                                   \
    TANVERA_INCBIN(tanvera_baked_##name##_##width##_##height, file)
#include "baked_list.inc"
#undef TANVERA_BAKED

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
#define TANVERA_BAKED(name, width, height, file)                                                   \
    {":/" #name ".svg", width, height, tanvera_baked_##name##_##width##_##height,                  \
        tanvera_baked_##name##_##width##_##height##_end},
#include "baked_list.inc"
#undef TANVERA_BAKED
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

std::vector<QSize> bakedSizes(const QString& file)
{
    std::vector<QSize> sizes;
    for (const Entry& entry : Baked) {
        if (file == QLatin1String(entry.file))
            sizes.emplace_back(entry.width, entry.height);
    }
    return sizes;
}

} // namespace tanvera
