// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A locked box that the program writes: it shows its whole text, in a smaller font where the
// text is too wide for it, and where even the smallest font is too large, the digits that fit
// followed by "…". A digit string cut at the edge would read as another number. What the box
// holds (and a screen reader reads) is its text as written; the tool tip shows it too.
#pragma once

#include <QLineEdit>

namespace tanvera {

class ReadoutBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit ReadoutBox(QWidget* parent = nullptr);

    // What the box shows of its text, and in which font.
    QString shownText() const;
    QFont shownFont() const;
    // Where the text stands: inside the frame and the line edit's own margins.
    QRect textArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Shown
    {
        QString text;
        QFont font;
        bool asItIs; // the text fits in the box's own font
    };
    Shown layOut() const;
};

} // namespace tanvera
