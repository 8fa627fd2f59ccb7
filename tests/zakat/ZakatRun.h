#pragma once

#include "TestApp.h"

#include <QLocale>
#include <QString>
#include <QStringList>

class QWidget;

namespace zw::test {

// A valid entry for one kind form and the sentence it gives.
struct KindSample {
    QString text1;
    QString text2;      // empty on the forms with one text box
    QString optionName; // "Option1" / "Option2", empty on the forms without options
    QString sentence;
};

// Numbers are typed with the locale's marks: wealth 100,000,000 at 100,000 per gram, a harvest
// of 12,345 kg irrigated, 75 head of cattle, 4 persons at 2,500 per litre.
KindSample kindSample(const QString& formName, const QLocale& locale);

// The row label each kind form writes into the result sheet.
QString kindRowText(const QString& formName);

// Types the inputs into the emptied fields of a kind form, chooses the option and presses
// "&Hasilnya...".
void enterAndCompute(QWidget& kindForm, const KindSample& sample);

enum class CancelBy { None, Escape, WindowClose };

// Answers the next `count` kind forms of a run as they open: each is recorded in `asked`, gets
// its sample and is confirmed with "&O  K  >>", except the one at position `cancelAt`, which is
// cancelled instead (and ends the run).
void answerKindForms(TestApp& app, QStringList& asked, int count, int cancelAt = -1,
                     CancelBy cancelBy = CancelBy::None);

// Sets the payer's particulars on Form2 (missing ones empty), ticks the kinds whose forms are named
// (e.g. "Form5") and presses "&O  K ".
void startRun(TestApp& app, const QStringList& particulars, const QStringList& kindForms);

// The kinds in the order a run asks them.
inline const QStringList askingOrder{QStringLiteral("Form4"), QStringLiteral("Form5"),
                                     QStringLiteral("Form7"), QStringLiteral("Form6")};

} // namespace zw::test
