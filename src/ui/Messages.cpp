#include "ui/Messages.h"

#include "ui/Dialogs.h"

using namespace Qt::StringLiterals;

namespace zw {

namespace messages {

Message incompleteEntry() {
    return {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data...!"_s};
}

Message incompleteCalculation() {
    return {u"Belum Lengkap ..."_s, u"Anda Belum Lengkap Mengisikan Data ...!"_s};
}

Message wrongEntry() {
    return {u"ERROR ..."_s, u"Anda Salah Mengisikan Data ...!"_s};
}

Message spousesExclusive() {
    return {u"ERROR"_s, u"Anda Lebih Baik Meng-Klik Tombol 'Seluruhnya Lengkap' !"_s};
}

Message noPassword() {
    return {u"ERROR"_s, u"Anda Belum Mengisikan Password ...!"_s};
}

Message wrongPassword() {
    return {u"ERROR"_s, u"Anda Salah Memasukkan Password ...!"_s};
}

Message failure(const QString& text) {
    return {u"ERROR"_s, text};
}

} // namespace messages

void showMessage(Dialogs& dialogs, QWidget* parent, const Message& message) {
    dialogs.message(parent, message.title, message.text);
}

} // namespace zw
