#pragma once

#include <QString>

class QWidget;

namespace zw {

class Dialogs;

struct Message {
    QString title;
    QString text;
};

// Every message the forms show. Two spellings of "incomplete" are both in use on purpose: the
// entry forms write "Data...!", the calculation and its count dialog "Data ...!".
namespace messages {

Message incompleteEntry();
Message incompleteCalculation();
Message wrongEntry();
Message spousesExclusive();
Message noPassword();
Message wrongPassword();
Message failure(const QString& text);

} // namespace messages

void showMessage(Dialogs& dialogs, QWidget* parent, const Message& message);

} // namespace zw
