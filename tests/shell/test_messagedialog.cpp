// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"
#include "support/dialogs.h"
#include "shell/messagedialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace {

QWidget* KeyTarget(QDialog* dialog)
{
    return dialog->focusWidget() ? dialog->focusWidget() : dialog;
}

// Performs "esc", "enter", "close", "click:NAME" or "focus:NAME" on the dialog.
void Perform(QDialog* dialog, const QString& action)
{
    if (action == u"esc")
        QTest::keyClick(KeyTarget(dialog), Qt::Key_Escape);
    else if (action == u"enter")
        QTest::keyClick(KeyTarget(dialog), Qt::Key_Return);
    else if (action == u"close")
        dialog->close();
    else {
        auto* button = dialog->findChild<QPushButton*>(action.section(u':', 1));
        QVERIFY2(button, qPrintable(action));
        if (action.startsWith(u"focus:"))
            button->setFocus();
        else
            button->click();
    }
}

QRect Geometry(QDialog* form, const char* name)
{
    auto* widget = form->findChild<QWidget*>(QLatin1String(name));
    return widget ? widget->geometry() : QRect();
}

QFont BoldDialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

int BoldTextHeight(const QString& text, int wrapWidth)
{
    return QFontMetrics(BoldDialogFont())
        .boundingRect(QRect(0, 0, wrapWidth, 0), Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic, text)
        .height();
}

} // namespace

class THelpRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> FOpened;
public Q_SLOTS:
    void open(const QUrl& url) { FOpened.append(url); }
};

class TestMessageDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        InstallFontSubstitutes();
        QCOMPARE(QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("Liberation Sans"));
    }

    void closeQuestionLayout()
    {
        std::unique_ptr<QDialog> form(CreateMessageForm(QStringLiteral("Luk?"), mkConfirmation, mbYes | mbNo));
        QVERIFY(!form->isVisible());
        QCOMPARE(form->size(), QSize(192, 87));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QCOMPARE(Geometry(form.get(), "Image"), QRect(10, 10, 32, 32));
        const int textHeight = BoldTextHeight(QStringLiteral("Luk?"), 1000);
        const QRect message = Geometry(form.get(), "Message");
        QCOMPARE(message.topLeft(), QPoint(52, 10 + 16 - textHeight / 2));
        QCOMPARE(message.height(), textHeight);
        QCOMPARE(Geometry(form.get(), "YES"), QRect(15, 52, 77, 27));
        QCOMPARE(Geometry(form.get(), "NO"), QRect(100, 52, 77, 27));
        QCOMPARE(form->findChildren<QPushButton*>().size(), 2);
        auto* yes = form->findChild<QPushButton*>(QStringLiteral("YES"));
        auto* no = form->findChild<QPushButton*>(QStringLiteral("NO"));
        QCOMPARE(yes->text(), QStringLiteral("&Ja"));
        QCOMPARE(no->text(), QStringLiteral("&Nej"));
        QVERIFY(yes->isDefault());
        QVERIFY(!no->isDefault());
        QVERIFY(!yes->icon().isNull());
        QVERIFY(!no->icon().isNull());
        QVERIFY(!form->findChild<QLabel*>(QStringLiteral("Image"))->pixmap().isNull());
        QCOMPARE(form->focusWidget(), yes);
        QVERIFY(form->windowTitle().isEmpty());
        QVERIFY(form->font().bold());
        QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Centred on the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form->pos(), QPoint(screen.width() / 2 - 96, screen.height() / 2 - 87 / 2));
    }

    void askYesNo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Enter presses the focused Ja") << QStringLiteral("enter") << true;
        QTest::newRow("Ja") << QStringLiteral("click:YES") << true;
        QTest::newRow("Esc presses Nej") << QStringLiteral("esc") << false;
        QTest::newRow("Nej") << QStringLiteral("click:NO") << false;
        QTest::newRow("close button") << QStringLiteral("close") << false;
    }

    void askYesNo()
    {
        QFETCH(QString, action);
        QFETCH(bool, answer);
        QString focused;
        QString title = QStringLiteral("unset");
        bool bold = true;
        OnDialog([&](QDialog* dialog) {
            focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
            title = dialog->windowTitle();
            bold = dialog->findChild<QLabel*>(QStringLiteral("Message"))->font().bold();
            Perform(dialog, action);
        });
        QCOMPARE(AskYesNo(QStringLiteral("Luk?")), answer);
        QCOMPARE(focused, QStringLiteral("YES"));
        QVERIFY(title.isEmpty());
        QVERIFY(!bold);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void results_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("result");
        auto row = [](const char* name, int buttons, QStringList actions, TModalResultCode result) {
            QTest::newRow(name) << buttons << actions << int(result);
        };
        row("close button", mbYes | mbNo, {QStringLiteral("close")}, rcCancel);
        row("OK alone answers Esc", mbOK, {QStringLiteral("esc")}, rcOk);
        row("OK alone answers Enter", mbOK, {QStringLiteral("enter")}, rcOk);
        row("OK+CANCEL: Esc is CANCEL", mbOK | mbCancel, {QStringLiteral("esc")}, rcCancel);
        row("OK+CANCEL: Enter is OK", mbOK | mbCancel, {QStringLiteral("enter")}, rcOk);
        row("NO+CANCEL: Esc is CANCEL", mbNo | mbCancel, {QStringLiteral("esc")}, rcCancel);
        row("YES+NO+CANCEL: Esc", mbYes | mbNo | mbCancel, {QStringLiteral("esc")}, rcCancel);
        row("NO+OK: Enter presses the focused NO", mbNo | mbOK, {QStringLiteral("enter")}, rcNo);
        row("no cancel button: Esc", mbAbort | mbRetry | mbIgnore, {QStringLiteral("esc")}, rcCancel);
        row("NOTOALL", mbYes | mbNoToAll, {QStringLiteral("click:NOTOALL")}, rcNo);
        row("NOTOALL answers Esc", mbYes | mbNoToAll, {QStringLiteral("esc")}, rcNo);
        row("YESTOALL", mbNo | mbYesToAll, {QStringLiteral("click:YESTOALL")}, rcYes);
        row("ABORT", mbAbort | mbRetry | mbIgnore, {QStringLiteral("click:ABORT")}, rcAbort);
        row("RETRY", mbAbort | mbRetry | mbIgnore, {QStringLiteral("click:RETRY")}, rcRetry);
        row("IGNORE", mbAbort | mbRetry | mbIgnore, {QStringLiteral("click:IGNORE")}, rcIgnore);
        row("ALL", mbAll | mbCancel, {QStringLiteral("click:ALL")}, rcAll);
        row("HELP never closes", mbHelp | mbOK,
            {QStringLiteral("click:HELP"), QStringLiteral("focus:HELP"), QStringLiteral("enter"),
             QStringLiteral("esc")},
            rcOk);
    }

    void results()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, actions);
        QFETCH(int, result);
        int closedEarly = -1;
        OnDialog([&](QDialog* dialog) {
            for (int i = 0; i < actions.size(); ++i) {
                if (!dialog->isVisible()) {
                    closedEarly = i;
                    return;
                }
                Perform(dialog, actions.at(i));
            }
        });
        const TModalResultCode code =
            ShowMessageDialog(QStringLiteral("Vælg"), mkWarning, static_cast<TMessageButtons>(buttons), 0);
        QCOMPARE(closedEarly, -1);
        QCOMPARE(int(code), result);
    }

    void captions_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("icon");
        QTest::newRow("warning") << int(mkWarning) << QStringLiteral("Advarsel") << true;
        QTest::newRow("error") << int(mkError) << QStringLiteral("Fejl") << true;
        QTest::newRow("information") << int(mkInformation) << QStringLiteral("Information") << true;
        QTest::newRow("confirmation") << int(mkConfirmation) << QString() << true;
        QTest::newRow("custom") << int(mkCustom) << QCoreApplication::applicationFilePath() << false;
    }

    void captions()
    {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(bool, icon);
        QString shownTitle = QStringLiteral("unset");
        bool shownIcon = false;
        OnDialog([&](QDialog* dialog) {
            shownTitle = dialog->windowTitle();
            shownIcon = dialog->findChild<QLabel*>(QStringLiteral("Image")) != nullptr;
            dialog->close();
        });
        QCOMPARE(ShowMessageDialog(QStringLiteral("Tekst"), static_cast<TMessageKind>(kind), mbOK, 0), rcCancel);
        QCOMPARE(shownTitle, caption);
        QCOMPARE(shownIcon, icon);
    }

    void helpButtonOpensHelpAtItsContext()
    {
        THelpRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
        OnDialog([](QDialog* dialog) {
            Perform(dialog, QStringLiteral("click:HELP"));
            Perform(dialog, QStringLiteral("esc"));
        });
        QCOMPARE(ShowMessageDialog(QStringLiteral("Hjælp?"), mkInformation, mbHelp | mbCancel, 42), rcCancel);
        OnDialog([](QDialog* dialog) {
            Perform(dialog, QStringLiteral("click:HELP"));
            Perform(dialog, QStringLiteral("esc"));
        });
        QCOMPARE(ShowMessageDialog(QStringLiteral("Hjælp?"), mkInformation, mbHelp | mbCancel, 0), rcCancel);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(recorder.FOpened.size(), 1);
        QVERIFY(recorder.FOpened.front().path().endsWith(u"/Vorlen.HLP"));
        QCOMPARE(recorder.FOpened.front().fragment(), QStringLiteral("42"));
    }

    void oneButtonIsAtLeast150Wide()
    {
        std::unique_ptr<QDialog> form(CreateMessageForm(QStringLiteral("Ok"), mkCustom, mbOK));
        const int textHeight = BoldTextHeight(QStringLiteral("Ok"), 1000);
        QCOMPARE(form->size(), QSize(150, textHeight + 10 + 45));
        QVERIFY(!form->findChild<QLabel*>(QStringLiteral("Image")));
        QCOMPARE(Geometry(form.get(), "Message").topLeft(), QPoint(10, 10));
        // Centred: 150/2 - (77 + 30)/2 + 15.
        QCOMPARE(Geometry(form.get(), "OK"), QRect(37, 10 + textHeight + 10, 77, 27));
    }

    void buttonRowIsCentredInBitOrder()
    {
        // Created out of bit order on purpose: the row follows the bits.
        std::unique_ptr<QDialog> form(
            CreateMessageForm(QStringLiteral("?"), mkError, mbHelp | mbIgnore | mbAbort | mbRetry));
        const int rowWidth = 4 * 77 + 3 * 8 + 30;
        QCOMPARE(form->width(), rowWidth);
        const char* order[] = {"ABORT", "RETRY", "IGNORE", "HELP"};
        int x = form->width() / 2 - rowWidth / 2 + 15;
        for (const char* name : order) {
            QCOMPARE(Geometry(form.get(), name), QRect(x, 52, 77, 27));
            x += 85;
        }
        QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("HELP"))->text(), QStringLiteral("&Hjælp"));
        QCOMPARE(form->focusWidget()->objectName(), QStringLiteral("ABORT"));
    }

    void everyButtonShowsItsGlyphTwoPixelsFromTheLeft()
    {
        std::unique_ptr<QDialog> form(CreateMessageForm(QStringLiteral("?"), mkWarning, 0x7FF));
        const QList<QPushButton*> buttons = form->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 11);
        for (QPushButton* button : buttons) {
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
            const QImage with = button->grab().toImage();
            const QIcon glyph = button->icon();
            button->setIcon(QIcon());
            const QImage without = button->grab().toImage();
            button->setIcon(glyph);
            QRect changed;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    if (with.pixel(x, y) != without.pixel(x, y))
                        changed |= QRect(x, y, 1, 1);
            QVERIFY2(changed.isValid(), qPrintable(button->objectName()));
            QVERIFY2(changed.left() >= 2 && changed.right() < 2 + 16,
                     qPrintable(button->objectName() + QStringLiteral(" glyph at %1..%2")
                                                           .arg(changed.left())
                                                           .arg(changed.right())));
        }
    }

    void longTextWrapsAtHalfTheScreen()
    {
        const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
        // Long enough for three lines on any screen.
        QString text = QStringLiteral("plade");
        while (QFontMetrics(BoldDialogFont()).horizontalAdvance(text) < 3 * half)
            text += QStringLiteral(" plade");
        std::unique_ptr<QDialog> form(CreateMessageForm(text, mkConfirmation, mbYes | mbNo));
        const QRect message = Geometry(form.get(), "Message");
        const int textHeight = BoldTextHeight(text, half);
        QCOMPARE(message.height(), textHeight);
        QVERIFY(message.width() <= half);
        QVERIFY(message.width() > half - 60);
        const int lineHeight = BoldTextHeight(QStringLiteral("plade"), half);
        QVERIFY2(message.height() >= 3 * lineHeight, qPrintable(QString::number(message.height())));
        // Taller than the icon: the text starts at the top, the icon is centred on it.
        QCOMPARE(message.topLeft(), QPoint(52, 10));
        QCOMPARE(Geometry(form.get(), "Image").topLeft(), QPoint(10, 10 + textHeight / 2 - 16));
        QCOMPARE(form->size(), QSize(message.width() + 62, textHeight + 10 + 45));
        QCOMPARE(Geometry(form.get(), "YES").top(), 10 + textHeight + 10);
        // Laid out in bold; regular text fits in the same room.
        QFont regular = form->font();
        regular.setBold(false);
        QCOMPARE(QFontMetrics(regular)
                     .boundingRect(QRect(0, 0, message.width(), 0), Qt::TextWordWrap, text)
                     .height() <= textHeight,
                 true);
    }
};

QTEST_MAIN(TestMessageDialog)
#include "test_messagedialog.moc"
