// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program talks to the user outside its controls: a modal message with an OK
// button. The window shows a real message box; tests plug in a recorder.
#pragma once

#include <string>

namespace tanvera {

class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows the text (UTF-8) and returns once the user has closed the box; in a browser's page,
    // which cannot wait inside an event, at once, with the window closed to input until then.
    virtual void show(const std::string& text) = 0;
};

} // namespace tanvera
