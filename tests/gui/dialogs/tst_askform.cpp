#include "gui/dialogs/AskForm.h"

#include "support/DataTable.h"
#include "support/TestRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace z3d;
using namespace z3d::test;

namespace {

// Runs `interact` on the prompt once it is showing, then returns the prompt's answer.
NameAnswer askWith(bool customFont, const QString& frameCaption, const QString& buttonCaption,
                   const QString& defaultText, std::function<void(AskForm&)> interact)
{
    AskForm form(customFont);
    QTimer::singleShot(0, &form, [&form, interact] {
        QTRY_VERIFY(form.isVisible());
        interact(form);
    });
    return form.ask(frameCaption, QStringLiteral(" Rename"), buttonCaption, defaultText);
}

QLineEdit* box(AskForm& form)
{
    return form.findChild<QLineEdit*>(QStringLiteral("edProfName"));
}
QPushButton* button(AskForm& form)
{
    return form.findChild<QPushButton*>(QStringLiteral("OKButton"));
}

} // namespace

class TestAskForm : public QObject
{
    Q_OBJECT

private slots:
    void cancelPressedAtOnceReportsCancelled()
    {
        const NameAnswer answer = askWith(false, " Name ", "Cancel", "CASTLE", [](AskForm& f) {
            QCOMPARE(button(f)->text(), QStringLiteral("Cancel"));
            QTest::mouseClick(button(f), Qt::LeftButton);
        });
        QVERIFY(answer.cancelled);
        QCOMPARE(answer.text, QStringLiteral("CASTLE"));
    }

    void typingTurnsCancelIntoOkAndUpperCasesUnderName()
    {
        const NameAnswer answer = askWith(false, " Name ", "Cancel", "", [](AskForm& f) {
            QTest::keyClicks(box(f), QStringLiteral("castle"));
            QCOMPARE(box(f)->text(), QStringLiteral("CASTLE"));
            QCOMPARE(button(f)->text(), QStringLiteral("OK"));
            QTest::mouseClick(button(f), Qt::LeftButton);
        });
        QVERIFY(!answer.cancelled);
        QCOMPARE(answer.text, QStringLiteral("CASTLE"));
    }

    void lettersStayAsTypedUnderOtherCaptionsOrWithACustomFont_data()
    {
        const DataTable<bool, QString, QString> row("customFont", "frameCaption",
                                                    "buttonAfterTyping");
        row("games list name", false, "Games List Name", "Cancel");
        row("custom font", true, " Name ", "OK");
        row("caption without blanks", false, "Name", "Cancel");
    }
    void lettersStayAsTypedUnderOtherCaptionsOrWithACustomFont()
    {
        QFETCH(bool, customFont);
        QFETCH(QString, frameCaption);
        QFETCH(QString, buttonAfterTyping);
        const NameAnswer answer = askWith(customFont, frameCaption, "Cancel", "", [&](AskForm& f) {
            QTest::keyClicks(box(f), QStringLiteral("Castle"));
            QCOMPARE(button(f)->text(), buttonAfterTyping);
            QTest::mouseClick(button(f), Qt::LeftButton);
        });
        QCOMPARE(answer.text, QStringLiteral("Castle"));
        QCOMPARE(answer.cancelled, buttonAfterTyping == QLatin1String("Cancel"));
    }

    void closingByTitleBarKeepsDefaultAndIsNotCancelled()
    {
        const NameAnswer answer = askWith(false, " Name ", "Cancel", "OLDNAME", [](AskForm& f) {
            QTest::keyClicks(box(f), QStringLiteral("new"));
            f.reject();
        });
        QVERIFY(!answer.cancelled);
        QCOMPARE(answer.text, QStringLiteral("OLDNAME"));
    }

    void defaultTextIsSelectedWithoutTrailingBlanksAndBlanksAreReturned()
    {
        const NameAnswer answer =
            askWith(false, "Name of Playlist", "OK", "My list  ", [](AskForm& f) {
                QCOMPARE(box(f)->selectedText(), QStringLiteral("My list"));
                QTest::mouseClick(button(f), Qt::LeftButton);
            });
        QCOMPARE(answer.text, QStringLiteral("My list  "));
        QVERIFY(!answer.cancelled);
    }
};

Z3D_TEST_MAIN(TestAskForm)
#include "tst_askform.moc"
