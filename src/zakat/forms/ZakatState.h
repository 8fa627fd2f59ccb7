#pragma once

#include <QString>

#include <cstdint>

namespace zw::zakat {

// What the zakat road keeps between its screens for the whole run of the program.
struct ZakatState {
    std::int16_t rowCount = 0; // filled rows of the result sheet, 0 to 4
    QString fitrahText;        // the last zakat fitrah sentence
};

} // namespace zw::zakat
