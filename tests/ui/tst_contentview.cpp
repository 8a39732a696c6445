#include "agentinterface.h"
#include "agentsandbox.h"
#include "configstate.h"
#include "contentview.h"
#include "enrollmentform.h"
#include "fakeagent.h"
#include "messageview.h"
#include "progressindicator.h"
#include "secretfieldaccessibility.h"
#include "statuspanel.h"

#include "contractstrings.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
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

// Text events as they leave the application for the accessibility bus.
struct TextEvent
{
    QString field; // its accessible name
    QString removed;
    QString inserted;
};
QList<TextEvent> textEvents;

void recordTextEvent(QAccessibleEvent *event)
{
    const auto *field = qobject_cast<QLineEdit *>(event->object());
    const QString name = field ? field->accessibleName() : QString();
    switch (event->type()) {
    case QAccessible::TextInserted:
        textEvents.append(
            {name, {}, static_cast<QAccessibleTextInsertEvent *>(event)->textInserted()});
        break;
    case QAccessible::TextRemoved:
        textEvents.append(
            {name, static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved(), {}});
        break;
    case QAccessible::TextUpdated: {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        textEvents.append({name, update->textRemoved(), update->textInserted()});
        break;
    }
    case QAccessible::ValueChanged:
        textEvents.append({name, {}, u"(value)"_s});
        break;
    default:
        break;
    }
}

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // In place before the first window, as the platform's bridge is.
        QAccessible::installUpdateHandler(&recordTextEvent);
    }

    // Each kind of text event Qt sends for a field: the token's leave as one
    // U+25CF per character, its value not at all; the other fields' as they
    // are. (Qt sends them only with a platform bridge: the AT-SPI test walks
    // the real road.)
    void tokenNeverReachesAccessibility()
    {
        Window window;
        window.openForm();
        auto *token = window.form()->tokenField();
        auto *url = window.form()->baseUrlField();
        // The handler in place now: ours, in front of the recorder.
        const QAccessible::UpdateHandler handler = QAccessible::installUpdateHandler(nullptr);
        QAccessible::installUpdateHandler(handler);
        const QString secret = u"k9\U0001F600"_s.repeated(1 << 18);
        textEvents.clear();
        for (QLineEdit *field : {token, url}) {
            QAccessibleTextInsertEvent insert(field, 0, u"Zq7"_s);
            handler(&insert);
            QAccessibleTextRemoveEvent remove(field, 2, u"7"_s);
            handler(&remove);
            QAccessibleTextUpdateEvent update(field, 0, u"Zq"_s, secret);
            handler(&update);
            QAccessibleValueChangeEvent value(field, u"Zq7"_s);
            handler(&value);
        }
        const QString bullet(QChar(0x25CF));
        QCOMPARE(textEvents.size(), 7);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(textEvents[i].field, u"Enrollment token"_s);
        }
        QCOMPARE(textEvents[0].inserted, bullet.repeated(3));
        QCOMPARE(textEvents[1].removed, bullet);
        QCOMPARE(textEvents[2].removed, bullet.repeated(2));
        QCOMPARE(textEvents[2].inserted, bullet.repeated(3 << 18)); // characters, not units
        QCOMPARE(textEvents[3].inserted, u"Zq7"_s);
        QCOMPARE(textEvents[5].inserted, secret);
        QCOMPARE(textEvents[6].inserted, u"(value)"_s);

        // Asked directly, the field tells nothing either.
        token->setText(secret);
        auto *iface = QAccessible::queryAccessibleInterface(token);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QVERIFY(iface->state().passwordEdit);
        QCOMPARE(iface->textInterface()->text(0, 3), QString());
        QVERIFY(!iface->text(QAccessible::Value).contains(u'k'));
    }

    void checksBeforeAnythingElse()
    {
        Window window;
        window.agent->holdProbe();
        window.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.view.get()));
        QCOMPARE(window.view->content()->findChild<QLabel *>()->text(),
                 u"Checking current configuration…"_s);
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        window.press(Qt::Key_Return);
        window.agent->release();
        QTRY_VERIFY(window.form());
        QCOMPARE(window.agent->probes(), 1);
        QCOMPARE(window.view->windowIcon().isNull(), false);
        QCOMPARE(QAccessible::queryAccessibleInterface(window.view.get())->role(),
                 QAccessible::Window);
    }

    void panelsReadAndAct_data()
    {
        QTest::addColumn<ConfigState::Phase>("phase");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("buttons"); // the last is the default
        QTest::addColumn<int>("quitsOnDefault");
        QTest::newRow("already enrolled")
            << ConfigState::Phase(ConfigState::AlreadyConfigured{})
            << u"This computer is already enrolled."_s
            << u"The agent has an active enrollment token. You can re-enroll with a new token if "
               "needed."_s
            << QStringList{u"Quit"_s, u"Reconfigure"_s} << 0;
        QTest::newRow("success")
            << ConfigState::Phase(ConfigState::Success{}) << u"Configuration saved."_s
            << u"The agent will enroll within ~30 seconds. You can close this window."_s
            << QStringList{u"Done"_s} << 1;
        QTest::newRow("failure") << ConfigState::Phase(ConfigState::Failure{u"why"_s})
                                 << u"Configuration failed"_s << u"why"_s
                                 << QStringList{u"Quit"_s, u"Try Again"_s} << 0;
    }
    void panelsReadAndAct()
    {
        QFETCH(ConfigState::Phase, phase);
        QFETCH(QString, headline);
        QFETCH(QString, detail);
        QFETCH(QStringList, buttons);
        QFETCH(int, quitsOnDefault);
        Window window;
        window.open();
        window.view->state().setToken(u"T"_s);
        window.show(phase);
        auto *panel = qobject_cast<StatusPanel *>(window.view->content());
        QVERIFY(panel);
        QCOMPARE(panel->headline()->text(), headline);
        QVERIFY(panel->headline()->font().bold());
        auto *label = qobject_cast<QLabel *>(panel->detail());
        QCOMPARE(label ? label->text() : window.message()->toPlainText(), detail);
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
    // the enrollment has succeeded; a failure stays shown; a second close
    // closes at once.
    void closingWhileSaving_data()
    {
        QTest::addColumn<int>("closes");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("visibleAfter");
        QTest::newRow("succeeds") << 1 << false << false;
        QTest::newRow("fails") << 1 << true << true;
        QTest::newRow("closed again") << 2 << false << false;
    }
    void closingWhileSaving()
    {
        QFETCH(int, closes);
        QFETCH(bool, fails);
        QFETCH(bool, visibleAfter);
        Window window;
        window.agent->holdConfigure();
        if (fails) {
            window.agent->setFailure([] { throw ConfigureError::osascriptFailed(1, u"no"_s); });
        }
        window.openForm();
        window.form()->tokenField()->insert(u"T"_s);
        window.press(Qt::Key_Return, window.form()->tokenField());
        QVERIFY(!window.view->close());
        auto *indicator = qobject_cast<ProgressIndicator *>(window.view->content());
        QVERIFY(indicator && indicator->note()->isVisible());
        QVERIFY(indicator->note()->text().startsWith(u"The enrollment is still running."_s));
        if (closes == 2) {
            QVERIFY(window.view->close());
        }
        window.agent->release();
        window.settle();
        QCOMPARE(window.view->isVisible(), visibleAfter);
        QCOMPARE(window.agent->configureCalls().size(), 1);
        if (fails) {
            QCOMPARE(window.message()->toPlainText(), u"Configuration command failed:\nno"_s);
            QVERIFY(window.view->close()); // nothing is running now
        }
    }

    // What a screen reader is told: while the agent is asked or the
    // configuration saved the focused indicator is busy and has no value to
    // change; a panel is named by its headline and described by its text,
    // and focus lies inside it.
    void screenReadersHearTheOutcome()
    {
        Window window(true);
        window.agent->holdProbe();
        window.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.view.get()));
        window.drain();
        const auto accessible = [](QObject *object) {
            return QAccessible::queryAccessibleInterface(object);
        };
        auto *bar = window.view->content()->findChild<QProgressBar *>();
        QVERIFY(accessible(bar)->state().busy);
        QCOMPARE(accessible(bar)->role(), QAccessible::ProgressBar);
        QVERIFY(!accessible(bar)->valueInterface());
        QCOMPARE(accessible(bar)->text(QAccessible::Name), u"Checking current configuration…"_s);
        QCOMPARE(window.view->focusWidget(), bar);
        for (auto *frame : window.view->findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
            QCOMPARE(accessible(frame)->role() == QAccessible::Separator,
                     frame->frameShape() == QFrame::HLine);
        }
        window.agent->release();
        QTRY_VERIFY(!qobject_cast<ProgressIndicator *>(window.view->content()));
        window.drain();

        const std::pair<ConfigState::Phase, QAccessible::Role> phases[] = {
            {ConfigState::AlreadyConfigured{}, QAccessible::Dialog},
            {ConfigState::Success{}, QAccessible::Dialog},
            {ConfigState::Failure{u"first\nsecond line"_s}, QAccessible::AlertMessage}};
        for (const auto &[phase, role] : phases) {
            window.show(phase);
            auto *panel = qobject_cast<StatusPanel *>(window.view->content());
            QAccessibleInterface *focused = accessible(window.view->focusWidget());
            QCOMPARE(focused->parent()->parent()->role(), role); // through the button row
            QCOMPARE(focused->parent()->parent()->text(QAccessible::Name),
                     panel->headline()->text());
            const QString detail = panel->accessibleDescription();
            QCOMPARE(focused->parent()->parent()->text(QAccessible::Description), detail);
            QVERIFY(!detail.isEmpty());
        }
        QCOMPARE(accessible(window.message())->text(QAccessible::Description),
                 u"first\nsecond line"_s);
        window.show(ConfigState::Form{});
        auto *url = window.form()->baseUrlField();
        QVERIFY(!accessible(url)->text(QAccessible::Description).isEmpty());
        QCOMPARE_NE(accessible(url)->text(QAccessible::Description), url->text());
    }

    void formFollowsTheDesign()
    {
        Window window;
        window.openForm();
        auto *form = window.form();
        QCOMPARE(form->tokenField()->echoMode(), QLineEdit::Password);
        QCOMPARE(form->tokenField()->placeholderText(), u"paste tenant enrollment token"_s);
        QCOMPARE(form->baseUrlField()->placeholderText(),
                 QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl)));
        QCOMPARE(form->baseUrlField()->text(),
                 QString(AgentContract::latin1(AgentContract::defaultCloudServiceUrl)));
        QCOMPARE(form->upnOverrideField()->placeholderText(),
                 u"optional — leave blank to detect logged-in user"_s);
        QCOMPARE(window.view->focusWidget(), form->tokenField());
        window.button(u"Cancel"_s)->click(); // nothing asked, nothing sent
        QCOMPARE(window.quits, 1);
    }

    // Whatever changes a field's text, the state and "Save and Enroll" follow,
    // and what is sent is what is shown.
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
        window.agent->setFailure([] { throw ConfigureError::osascriptFailed(1, u"(-128)"_s); });
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

    // Closed while saving: the run goes on, its outcome is applied here, the
    // state is released here, and then nothing runs. Closed while checking:
    // the agent is stopped at once.
    void closingTheWindow()
    {
        AgentSandbox sandbox;
        sandbox.installAgent();
        sandbox.setControl("configure sleep 300\nhas-config sleep 600000\n");
        AgentPlatform platform = sandbox.platform();
        platform.probeTimeout = std::chrono::hours(1);

        auto view = std::make_unique<ContentView>(std::make_shared<SystemAgent>(platform), [] {});
        view->show();
        QTRY_COMPARE(sandbox.calls().size(), 1);
        view.reset(); // closed while checking
        BackgroundJobs::waitForAll();
        QVERIFY(!processExists(sandbox.calls().first().pid));

        view = std::make_unique<ContentView>(std::make_shared<SystemAgent>(platform), [] {});
        view->state().setPhase(ConfigState::Form{});
        view->state().setToken(u"T"_s);
        view->state().submit();
        const std::weak_ptr<ConfigState> state = view->state().weak_from_this();
        bool appliedHere = false;
        connect(&view->state(), &ConfigState::objectWillChange, this,
                [&] { appliedHere = QThread::currentThread() == thread(); });
        QThread *releasedOn = nullptr;
        connect(
            &view->state(), &QObject::destroyed, this,
            [&] { releasedOn = QThread::currentThread(); }, Qt::DirectConnection);
        view.reset(); // closed while saving
        BackgroundJobs::waitForAll();
        QVERIFY(state.expired());
        QVERIFY(appliedHere);
        QCOMPARE(releasedOn, thread());
        QVERIFY(QFile::exists(sandbox.agentPath() + u".state/config"_s)); // the run ended saved
        for (const auto &call : sandbox.calls()) {
            QVERIFY(!processExists(call.pid));
        }
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
