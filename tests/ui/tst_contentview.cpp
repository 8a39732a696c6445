#include "configstate.h"
#include "contentview.h"
#include "enrollmentform.h"
#include "fakeagent.h"
#include "messageview.h"
#include "progressindicator.h"
#include "statuspanel.h"

#include "contractstrings.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ConfigState::Phase)

namespace {

// A window with a fake agent and a quit action that only counts.
struct Window
{
    explicit Window(bool configured = false,
                    DesktopConventions conventions = DesktopConventions::freedesktop())
        : agent(std::make_shared<FakeAgent>())
    {
        agent->setConfigured(configured);
        view = std::make_unique<ContentView>(
            agent, [this] { ++quits; }, conventions);
    }
    // The redraw and the move of focus after it are queued.
    static void drain()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // Shows the window and waits for the probe's answer.
    void open()
    {
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Checking>(view->state().phase()));
        drain();
    }
    void openForm()
    {
        open();
        if (auto *reconfigure = button(u"Reconfigure"_s)) {
            reconfigure->click();
            drain();
        }
        QVERIFY(form());
    }
    void show(const ConfigState::Phase &phase)
    {
        view->state().setPhase(phase);
        drain();
    }

    EnrollmentForm *form() const { return qobject_cast<EnrollmentForm *>(view->content()); }
    QPushButton *button(const QString &title) const
    {
        for (auto *b : view->findChildren<QPushButton *>()) {
            if (b->text() == title && b->isVisible()) {
                return b;
            }
        }
        return nullptr;
    }
    void press(Qt::Key key, QWidget *target = nullptr,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *receiver = target ? target : view.get();
        QTest::keyClick(receiver, key, key == Qt::Key_Enter ? Qt::KeypadModifier : modifiers);
        drain();
    }
    void settle()
    {
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Submitting>(view->state().phase()));
        drain();
    }
    MessageView *message() const { return view->findChild<MessageView *>(); }

    std::shared_ptr<FakeAgent> agent;
    std::unique_ptr<ContentView> view;
    int quits = 0;
};

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelsReadAndAct_data()
    {
        QTest::addColumn<ConfigState::Phase>("phase");
        QTest::addColumn<QStringList>("buttons"); // the last is the default
        QTest::addColumn<int>("quitsOnDefault");
        QTest::newRow("already enrolled") << ConfigState::Phase(ConfigState::AlreadyConfigured{})
                                          << QStringList{u"Quit"_s, u"Reconfigure"_s} << 0;
        QTest::newRow("success") << ConfigState::Phase(ConfigState::Success{})
                                 << QStringList{u"Done"_s} << 1;
        QTest::newRow("failure") << ConfigState::Phase(ConfigState::Failure{u"why"_s})
                                 << QStringList{u"Quit"_s, u"Try Again"_s} << 0;
    }
    void panelsReadAndAct()
    {
        QFETCH(ConfigState::Phase, phase);
        QFETCH(QStringList, buttons);
        QFETCH(int, quitsOnDefault);
        Window window;
        window.open();
        window.view->state().setToken(u"T"_s);
        window.show(phase);
        QVERIFY(qobject_cast<StatusPanel *>(window.view->content()));
        QStringList titles;
        for (auto *b : window.view->findChildren<QPushButton *>()) {
            titles.append(b->text());
        }
        QCOMPARE(titles, buttons);
        QVERIFY(window.view->findChildren<QLineEdit *>().isEmpty());
        // Focus on the default button: announced, and Space acts on it.
        QCOMPARE(window.view->focusWidget(), window.view->defaultButton());
        QCOMPARE(window.view->defaultButton()->text(), buttons.last());
        window.press(Qt::Key_Space, window.view->defaultButton());
        QCOMPARE(window.quits, quitsOnDefault);
        if (buttons.first() == u"Quit"_s) {
            window.show(phase);
            window.button(u"Quit"_s)->click();
            QCOMPARE(window.quits, 1);
        }
        QCoreApplication::processEvents();
        QVERIFY(window.agent->configureCalls().isEmpty());
    }

    // Return presses the focused button on a freedesktop desktop, and
    // always the default button on macOS.
    void returnFollowsTheDesktop_data()
    {
        QTest::addColumn<bool>("macOS");
        QTest::addColumn<bool>("failurePanel"); // else the form, token filled
        QTest::addColumn<int>("quits");
        QTest::addColumn<int>("configureCalls");
        QTest::newRow("Cancel focused") << false << false << 1 << 0;
        QTest::newRow("Cancel focused, macOS") << true << false << 0 << 1;
        QTest::newRow("Quit focused") << false << true << 1 << 0;
        QTest::newRow("Quit focused, macOS") << true << true << 0 << 0; // Try Again
    }
    void returnFollowsTheDesktop()
    {
        QFETCH(bool, macOS);
        QFETCH(bool, failurePanel);
        QFETCH(int, quits);
        QFETCH(int, configureCalls);
        Window window(true,
                      macOS ? DesktopConventions::macOS() : DesktopConventions::freedesktop());
        window.open();
        QCOMPARE(qobject_cast<StatusPanel *>(window.view->content())->headline()->text(),
                 macOS ? u"This Mac is already enrolled."_s
                       : u"This computer is already enrolled."_s);
        window.view->state().setToken(u"T"_s);
        window.show(failurePanel ? ConfigState::Phase(ConfigState::Failure{u"x"_s})
                                 : ConfigState::Phase(ConfigState::Form{}));
        QPushButton *other = window.button(failurePanel ? u"Quit"_s : u"Cancel"_s);
        other->setFocus();
        window.press(Qt::Key_Return, other);
        window.settle();
        QCOMPARE(window.quits, quits);
        QCOMPARE(window.agent->configureCalls().size(), configureCalls);
        if (macOS && failurePanel) {
            QVERIFY(window.form());
        }
    }

    // Closed while saving: the window stays and says so, then closes once
    // the enrollment has succeeded; a failure stays shown. (A second close
    // is walked through the window manager.)
    void closingWhileSaving_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::newRow("succeeds") << false;
        QTest::newRow("fails") << true;
    }
    void closingWhileSaving()
    {
        QFETCH(bool, fails);
        Window window;
        window.agent->holdConfigure();
        if (fails) {
            window.agent->setFailure([] {
                throw ConfigureError(ConfigureError::OsascriptFailed{1, u"no"_s});
            });
        }
        window.openForm();
        window.form()->tokenField()->insert(u"T"_s);
        window.press(Qt::Key_Return, window.form()->tokenField());
        QVERIFY(!window.view->close());
        auto *indicator = qobject_cast<ProgressIndicator *>(window.view->content());
        QVERIFY(indicator && indicator->note()->isVisible());
        QVERIFY(indicator->note()->text().startsWith(u"The enrollment is still running."_s));
        window.agent->release();
        window.settle();
        QCOMPARE(window.view->isVisible(), fails);
        QCOMPARE(window.agent->configureCalls().size(), 1);
        if (fails) {
            QCOMPARE(window.message()->toPlainText(), u"Configuration command failed:\nno"_s);
            QVERIFY(window.view->close()); // nothing is running now
        }
    }

    // Whatever changes a field's text (typing, undo, an assistive
    // technology), the state and "Save and Enroll" follow, and what is sent
    // is what is shown.
    void fieldAndStateAgree()
    {
        Window window;
        window.openForm();
        auto *field = window.form()->tokenField();
        auto *save = window.button(u"Save and Enroll"_s);
        QTest::keyClick(field, Qt::Key_Space);
        QVERIFY(!save->isEnabled());
        QTest::keyClicks(field, u"ab"_s);
        QVERIFY(save->isEnabled());
        QCOMPARE(window.view->state().token(), u" ab"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(window.view->state().token(), u" a"_s);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QString());
        QCOMPARE(window.view->state().token(), QString());
        QVERIFY(!save->isEnabled());
        field->insert(u"\t\u2028\u3000"_s); // blank all the same
        QVERIFY(!save->isEnabled());
        window.press(Qt::Key_Return, field);
        window.press(Qt::Key_Enter, field);
        window.press(Qt::Key_Escape, field); // not bound
        QVERIFY(window.form());
        QVERIFY(window.agent->configureCalls().isEmpty());
        QCOMPARE(window.quits, 0);
        field->clear();

        // An assistive technology sets the text.
        QAccessible::queryAccessibleInterface(field)->setText(QAccessible::Value, u"spoken"_s);
        QCOMPARE(window.view->state().token(), u"spoken"_s);
        // Showing the state's value is no second write.
        int notifications = 0;
        connect(&window.view->state(), &ConfigState::objectWillChange, this,
                [&notifications] { ++notifications; });
        window.view->state().setUpnOverride(u"shown"_s);
        QCoreApplication::processEvents();
        QCOMPARE(window.form()->upnOverrideField()->text(), u"shown"_s);
        QCOMPARE(notifications, 1);
        window.press(Qt::Key_Enter, field); // the keypad's
        window.settle();
        QCOMPARE(
            window.agent->configureCalls(),
            (QList<QStringList>{
                {u"spoken"_s, QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl)),
                 u"shown"_s}}));
    }

    void longValuesAreNeverCut_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("1 MiB") << QString(1 << 20, u't');
        QTest::newRow("40,000 emoji") << QString(u"\U0001F600"_s).repeated(40000);
    }
    void longValuesAreNeverCut()
    {
        QFETCH(QString, value);
        Window window;
        window.openForm();
        window.form()->tokenField()->insert(value);
        QCOMPARE(window.view->state().token(), value);
        window.press(Qt::Key_Return, window.form()->tokenField());
        window.settle();
        QCOMPARE(window.agent->configureCalls().value(0).value(0), value);
    }

    void oneRunAndNothingToPressWhileSaving()
    {
        Window window;
        window.agent->holdConfigure();
        window.openForm();
        window.form()->tokenField()->insert(u" T "_s);
        auto *save = window.button(u"Save and Enroll"_s);
        save->click();
        save->click(); // in the same pass, before the view is redrawn
        QCoreApplication::processEvents();
        QCOMPARE(window.view->content()->findChild<QLabel *>()->text(), u"Saving…"_s);
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        window.press(Qt::Key_Return);
        window.agent->release();
        window.settle();
        QCOMPARE(window.quits, 0);
        QCOMPARE(window.agent->configureCalls(),
                 (QList<QStringList>{
                     {u"T"_s, QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl)),
                      u""_s}}));
        QCOMPARE(window.button(u"Done"_s), window.view->defaultButton());
    }

    void reconfigureAndTryAgain()
    {
        Window window(true);
        window.agent->setFailure([] {
            throw ConfigureError(ConfigureError::OsascriptFailed{1, u"(-128)"_s});
        });
        window.open();
        window.view->state().setBaseURL(u"https://edited"_s);
        window.view->state().setToken(u"old"_s);
        window.view->state().setUpnOverride(u"old@corp"_s);
        window.press(Qt::Key_Return); // Reconfigure
        auto *form = window.form();
        QCOMPARE(form->tokenField()->text(), QString());
        QCOMPARE(form->upnOverrideField()->text(), QString());
        QCOMPARE(form->baseUrlField()->text(), u"https://edited"_s);
        QVERIFY(!window.button(u"Save and Enroll"_s)->isEnabled());

        form->tokenField()->insert(u" T "_s);
        form->baseUrlField()->clear();
        form->upnOverrideField()->insert(u" u "_s);
        window.press(Qt::Key_Return, form->tokenField());
        window.settle();
        QCOMPARE(window.message()->toPlainText(), u"Authorization canceled."_s);
        QCOMPARE(window.agent->configureCalls().first().at(1),
                 QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl)));
        window.press(Qt::Key_Return); // Try Again
        form = window.form();
        QCOMPARE(form->tokenField()->text(), u" T "_s);
        QCOMPARE(form->baseUrlField()->text(), QString());
        QCOMPARE(form->upnOverrideField()->text(), u" u "_s);
        QVERIFY(window.button(u"Save and Enroll"_s)->isEnabled());
    }

    void failureMessageIsShownVerbatim_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("markup and breaks") << u"<b>50%</b> \n & done"_s;
        QTest::newRow("lookup specials") << u"%1 %n \\n \\\\ &amp; &&"_s;
    }
    void failureMessageIsShownVerbatim()
    {
        QFETCH(QString, message);
        Window window;
        window.open();
        window.show(ConfigState::Failure{u"an earlier one"_s});
        window.show(ConfigState::Failure{message}); // a new message while one is shown
        QCOMPARE(window.message()->toPlainText(), message);
        QCOMPARE(window.message()->document()->blockCount(), message.count(u'\n') + 1);
        QCOMPARE(window.message()->accessibleName(), u"Error details"_s);
        QCOMPARE(window.message()->palette().color(QPalette::Text).alphaF() < 1.0, true);
        QCOMPARE_NE(qobject_cast<StatusPanel *>(window.view->content())
                        ->headline()
                        ->palette()
                        .color(QPalette::WindowText),
                    window.view->palette().color(QPalette::WindowText));
    }

    // A long message stays within the column and is read to its end with
    // the keyboard alone; Return still acts on the panel.
    void longMessageIsReadWithTheKeyboard()
    {
        Window window;
        window.open();
        window.show(ConfigState::Failure{QString(400, u'x') + u'\n' + u"line\n"_s.repeated(200)});
        QCOMPARE(window.view->width(), 520);
        auto *message = window.message();
        QCOMPARE_LE(message->width(), 472);
        QCOMPARE_LE(message->height(),
                    MessageView::maximumLines * message->fontMetrics().lineSpacing() + 4);
        window.view->focusWidget()->setFocus();
        QTest::keyClick(window.view->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(window.view->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window.view->focusWidget(), message);
        window.press(Qt::Key_PageDown, message);
        window.press(Qt::Key_Down, message);
        QCOMPARE_GT(message->verticalScrollBar()->value(), 0);
        window.press(Qt::Key_Return, message);
        QVERIFY(window.form());
    }

    void nothingIsClippedAtLargeFonts()
    {
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(16);
        QApplication::setFont(large);
        const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
        Window window(true);
        window.open();
        const ConfigState::Phase phases[] = {
            ConfigState::Checking{}, ConfigState::AlreadyConfigured{},
            ConfigState::Form{},     ConfigState::Submitting{},
            ConfigState::Success{},  ConfigState::Failure{u"x"_s}};
        for (const auto &phase : phases) {
            window.show(phase);
            for (auto *label : window.view->findChildren<QLabel *>()) {
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                QVERIFY2(label->height() >= needed &&
                             label->width() >= label->minimumSizeHint().width(),
                         qPrintable(label->text()));
            }
            for (auto *button : window.view->findChildren<QPushButton *>()) {
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            }
            // A placeholder the field cuts is readable in full elsewhere.
            for (auto *field : window.view->findChildren<QLineEdit *>()) {
                const QString placeholder = field->placeholderText();
                const bool whole =
                    field->fontMetrics().horizontalAdvance(placeholder) <
                    field->width() - 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                QVERIFY2(whole || (field->toolTip().contains(placeholder) &&
                                   field->accessibleDescription().contains(placeholder)),
                         qPrintable(placeholder));
            }
        }
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
