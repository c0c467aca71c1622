// What the program sets up around its window: its identity, Qt's Spanish texts and the number
// settings of the process.
#pragma once

class QApplication;

namespace tanvera {

constexpr const char* ApplicationName = "TANVERA";
constexpr const char* ApplicationVersion = "1.00";

// Call right after the QApplication is made. Returns the user's regional decimal separator.
char setUpApplication(QApplication& app);

} // namespace tanvera
