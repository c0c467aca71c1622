// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace tanvera {

// The picture file drawn when the program was built at this size in device pixels, or a null
// image if it was not drawn at that size. The image shares the program's read-only data.
QImage bakedPicture(const QString& file, QSize devicePixels);

// Of the pictures drawn from this file at build time, the one nearest in size to scale to this
// size: the smallest that is at least as wide, else the widest. Null if none was drawn.
QImage nearestBakedPicture(const QString& file, QSize devicePixels);

// The sizes in device pixels this file was drawn at when the program was built.
std::vector<QSize> bakedSizes(const QString& file);

} // namespace tanvera
