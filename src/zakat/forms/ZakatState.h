#pragma once

#include "zakat/engine/designed/ZakatReport.h"
#include "zakat/forms/ZakatKind.h"

#include <QList>
#include <QString>

namespace zw::zakat {

// What the zakat road keeps between its screens for the whole run of the program.
struct ZakatState {
    struct Answer {
        ZakatKind kind;
        QString sentence;
    };

    ZakatSheet sheet;
    // The kinds chosen for the present run, in the order they are asked.
    QList<ZakatKind> chosen;
    // The kinds answered so far in the present run, in the order asked.
    QList<Answer> answers;
    QString fitrahText; // the last zakat fitrah sentence

    // A run that went through its last kind fills the sheet from the answers. The chain of kind
    // forms is a chain of modal windows that unwinds from the last one, so the last kind asked
    // lands in row 1 and the first kind asked in the last filled row.
    void fillRows() {
        sheet.rows = {};
        sheet.filledRows = 0;
        for (auto answer = answers.crbegin(); answer != answers.crend(); ++answer) {
            if (sheet.filledRows >= static_cast<std::int16_t>(sheet.rows.size()))
                break;
            sheet.rows[static_cast<std::size_t>(sheet.filledRows++)] = {kindRowText(answer->kind),
                                                                        answer->sentence};
        }
    }
};

} // namespace zw::zakat
