#include "configstate.h"
#include "contentview.h"
#include "enrollmentform.h"
#include "fakeagent.h"
#include "messageview.h"
#include "progressindicator.h"
#include "statuspanel.h"

#include "agentcontract.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A window with a fake agent and a quit action that only counts.
struct Window
{
    explicit Window(bool configured = false)
        : agent(std::make_shared<FakeAgent>())
    {
        agent->setConfigured(configured);
        view = std::make_unique<ContentView>(agent, [this] { ++quits; });
    }

    // Shows the window and waits for the probe's answer.
    void open()
    {
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Checking>(view->state().phase()));
        QCoreApplication::processEvents();
    }

    // Opens and walks to the form.
    void openForm()
    {
        open();
        if (auto *reconfigure = button(u"Reconfigure"_s)) {
            reconfigure->click();
            QCoreApplication::processEvents();
        }
        QVERIFY(form());
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
    QStringList buttonTitles() const
    {
        QStringList titles;
        for (auto *b : view->findChildren<QPushButton *>()) {
            titles.append(b->text());
        }
        return titles;
    }
    void pressReturn(QWidget *target = nullptr, Qt::Key key = Qt::Key_Return)
    {
        QWidget *receiver = target ? target : view.get();
        QTest::keyClick(receiver, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::processEvents();
    }
    // Waits until the configure run has ended.
    void settle()
    {
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Submitting>(view->state().phase()));
        QCoreApplication::processEvents();
    }
    QString failureText() const
    {
        auto *message = view->findChild<MessageView *>();
        return message ? message->toPlainText() : QString();
    }

    std::shared_ptr<FakeAgent> agent;
    std::unique_ptr<ContentView> view;
    int quits = 0;
};

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checksBeforeAnythingElse()
    {
        Window window;
        window.agent->holdProbe();
        window.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.view.get()));
        QVERIFY(qobject_cast<ProgressIndicator *>(window.view->content()));
        auto *label = window.view->content()->findChild<QLabel *>();
        QCOMPARE(label->text(), u"Checking current configuration…"_s);
        QVERIFY(window.view->findChildren<QLineEdit *>().isEmpty());
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        window.pressReturn();
        window.agent->release();
        QTRY_VERIFY(window.form());
        QCOMPARE(window.agent->probes(), 1);
    }

    void panelsReadAsSpecified_data()
    {
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("already enrolled")
            << 1 << u"This Mac is already enrolled."_s
            << u"The agent has an active enrollment token. You can re-enroll with a new token if "
               "needed."_s
            << QStringList{u"Quit"_s, u"Reconfigure"_s};
        QTest::newRow("success")
            << 4 << u"Configuration saved."_s
            << u"The agent will enroll within ~30 seconds. You can close this window."_s
            << QStringList{u"Done"_s};
        QTest::newRow("failure") << 5 << u"Configuration failed"_s << u"why"_s
                                 << QStringList{u"Quit"_s, u"Try Again"_s};
    }
    void panelsReadAsSpecified()
    {
        QFETCH(int, phase);
        QFETCH(QString, headline);
        QFETCH(QString, detail);
        QFETCH(QStringList, buttons);
        Window window;
        window.open();
        const ConfigState::Phase phases[] = {
            ConfigState::Checking{}, ConfigState::AlreadyConfigured{},
            ConfigState::Form{},     ConfigState::Submitting{},
            ConfigState::Success{},  ConfigState::Failure{u"why"_s}};
        window.view->state().setPhase(phases[phase]);
        QCoreApplication::processEvents();

        auto *panel = qobject_cast<StatusPanel *>(window.view->content());
        QVERIFY(panel);
        QCOMPARE(panel->headline()->text(), headline);
        QVERIFY(panel->headline()->font().bold());
        auto *label = qobject_cast<QLabel *>(panel->detail());
        QCOMPARE(label ? label->text() : window.failureText(), detail);
        QCOMPARE(window.buttonTitles(), buttons);
        QCOMPARE(panel->layout()->spacing(), 12);
        QVERIFY(window.view->findChildren<QLineEdit *>().isEmpty());
    }

    void layoutFollowsTheDesign()
    {
        Window window;
        window.open();
        QCOMPARE(window.view->width(), 520);
        const QMargins margins = window.view->layout()->contentsMargins();
        QCOMPARE(margins, QMargins(24, 24, 24, 24));
        QCOMPARE(window.view->layout()->spacing(), 16);
        auto *heading = window.view->findChild<QLabel *>();
        QCOMPARE(heading->text(), u"Ovata Device Agent — Configuration"_s);
        QVERIFY(heading->font().bold());
        QCOMPARE_GT(heading->font().pointSizeF(), window.view->font().pointSizeF());

        auto *form = window.form();
        QCOMPARE(form->layout()->spacing(), 14);
        QCOMPARE(form->layout()->itemAt(0)->layout()->spacing(), 4);
        QCOMPARE(form->tokenField()->echoMode(), QLineEdit::Password);
        QCOMPARE(form->tokenField()->placeholderText(), u"paste tenant enrollment token"_s);
        QCOMPARE(form->baseUrlField()->placeholderText(),
                 QString(AgentContract::defaultCloudServiceUrl));
        QCOMPARE(form->baseUrlField()->text(), QString(AgentContract::defaultCloudServiceUrl));
        QCOMPARE(form->upnOverrideField()->placeholderText(),
                 u"optional — leave blank to detect logged-in user"_s);
        QCOMPARE(form->tokenField()->accessibleName(), u"Enrollment token"_s);
        QCOMPARE(form->baseUrlField()->accessibleName(), u"Cloud service URL"_s);
        QCOMPARE(form->upnOverrideField()->accessibleName(), u"User UPN override"_s);

        // The form is taller than an indicator; the window follows.
        const int formHeight = window.view->height();
        window.view->state().setPhase(ConfigState::Submitting{});
        QCoreApplication::processEvents();
        QCOMPARE_LT(window.view->height(), formHeight);
        QCOMPARE(window.view->width(), 520);
    }

    void tabOrderFollowsTheLayout()
    {
        Window window;
        window.openForm();
        auto *form = window.form();
        QList<QWidget *> order;
        QWidget *w = form->tokenField();
        for (int i = 0; i < 5; ++i) {
            order.append(w);
            do {
                w = w->nextInFocusChain();
            } while (!(w->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(order, (QList<QWidget *>{form->tokenField(), form->baseUrlField(),
                                          form->upnOverrideField(), window.button(u"Cancel"_s),
                                          window.button(u"Save and Enroll"_s)}));
    }

    void tokenEnablesSavePerKeystroke()
    {
        Window window;
        window.openForm();
        auto *field = window.form()->tokenField();
        auto *save = window.button(u"Save and Enroll"_s);
        field->setFocus();
        QVERIFY(!save->isEnabled());
        QTest::keyClick(field, Qt::Key_Space);
        QVERIFY(!save->isEnabled());
        QTest::keyClick(field, 'a');
        QVERIFY(save->isEnabled());
        QCOMPARE(window.view->state().token(), u" a"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QVERIFY(!save->isEnabled());
        QCOMPARE(window.view->state().token(), u" "_s);
    }

    void blankTokenCannotBeSubmitted_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("empty") << QString();
        QTest::newRow("spaces") << u"   "_s;
        QTest::newRow("tabs and breaks") << u"\t\n\r\u2028\u3000"_s;
    }
    void blankTokenCannotBeSubmitted()
    {
        QFETCH(QString, token);
        Window window;
        window.openForm();
        auto *field = window.form()->tokenField();
        field->insert(token);
        QVERIFY(!window.button(u"Save and Enroll"_s)->isEnabled());
        window.pressReturn(field);
        window.pressReturn(field, Qt::Key_Enter);
        QVERIFY(window.form());
        QCoreApplication::processEvents();
        QVERIFY(window.agent->configureCalls().isEmpty());
        window.button(u"Cancel"_s)->click();
        QCOMPARE(window.quits, 1);
    }

    void returnInAnyFieldSubmits_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::newRow("token") << 0 << int(Qt::Key_Return);
        QTest::newRow("url") << 1 << int(Qt::Key_Return);
        QTest::newRow("upn") << 2 << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << 2 << int(Qt::Key_Enter);
        QTest::newRow("on cancel") << 3 << int(Qt::Key_Return);
    }
    void returnInAnyFieldSubmits()
    {
        QFETCH(int, field);
        QFETCH(int, key);
        Window window;
        window.openForm();
        auto *form = window.form();
        form->tokenField()->insert(u"  tok—en  "_s);
        form->baseUrlField()->selectAll();
        form->baseUrlField()->insert(u" https://eu.example "_s);
        form->upnOverrideField()->insert(u" me@corp "_s);
        QWidget *targets[] = {form->tokenField(), form->baseUrlField(), form->upnOverrideField(),
                              window.button(u"Cancel"_s)};
        targets[field]->setFocus();
        window.pressReturn(targets[field], Qt::Key(key));
        window.settle();
        QCOMPARE(window.quits, 0);
        QCOMPARE(window.agent->configureCalls(),
                 (QList<QStringList>{{u"tok—en"_s, u"https://eu.example"_s, u"me@corp"_s}}));
        QCOMPARE(window.button(u"Done"_s), window.view->defaultButton());
    }

    void escapeIsNotBound()
    {
        Window window;
        window.openForm();
        window.form()->tokenField()->insert(u"T"_s);
        QTest::keyClick(window.view.get(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(window.form());
        QCOMPARE(window.quits, 0);
    }

    void savingShowsNothingToPress()
    {
        Window window;
        window.agent->holdConfigure();
        window.openForm();
        window.form()->tokenField()->insert(u"T"_s);
        window.button(u"Save and Enroll"_s)->click();
        QCoreApplication::processEvents();
        QVERIFY(qobject_cast<ProgressIndicator *>(window.view->content()));
        QCOMPARE(window.view->content()->findChild<QLabel *>()->text(), u"Saving…"_s);
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        QVERIFY(window.view->findChildren<QLineEdit *>().isEmpty());
        window.pressReturn();
        window.pressReturn(nullptr, Qt::Key_Enter);
        window.agent->release();
        window.settle();
        QCOMPARE(window.agent->configureCalls().size(), 1);
        QCOMPARE(window.quits, 0);
    }

    void reconfigureStartsAfresh()
    {
        Window window(true);
        window.open();
        window.view->state().setBaseURL(u"https://edited"_s);
        window.view->state().setToken(u"old"_s);
        window.view->state().setUpnOverride(u"old@corp"_s);
        window.pressReturn(); // Reconfigure is the default
        auto *form = window.form();
        QVERIFY(form);
        QCOMPARE(form->tokenField()->text(), QString());
        QCOMPARE(form->upnOverrideField()->text(), QString());
        QCOMPARE(form->baseUrlField()->text(), u"https://edited"_s);
        QVERIFY(!window.button(u"Save and Enroll"_s)->isEnabled());
    }

    void tryAgainKeepsWhatWasTyped()
    {
        Window window;
        window.agent->setFailure([] { throw ConfigureError::osascriptFailed(1, u"(-128)"_s); });
        window.openForm();
        auto *form = window.form();
        form->tokenField()->insert(u" T "_s);
        form->baseUrlField()->clear();
        form->upnOverrideField()->insert(u" u "_s);
        // clear() is not an edit; write the field as a user would.
        window.view->state().setBaseURL(QString());
        window.pressReturn(form->tokenField());
        window.settle();
        QCOMPARE(window.failureText(), u"Authorization canceled."_s);
        QCOMPARE(window.agent->configureCalls().first().at(1),
                 QString(AgentContract::defaultCloudServiceUrl));

        window.pressReturn(); // Try Again
        form = window.form();
        QVERIFY(form);
        QCOMPARE(form->tokenField()->text(), u" T "_s);
        QCOMPARE(form->baseUrlField()->text(), QString());
        QCOMPARE(form->upnOverrideField()->text(), u" u "_s);
        QVERIFY(window.button(u"Save and Enroll"_s)->isEnabled());
    }

    void quitButtonsEndWithoutTheAgent_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::addColumn<int>("phase");
        QTest::addColumn<QString>("title");
        QTest::newRow("quit when enrolled") << true << 1 << u"Quit"_s;
        QTest::newRow("cancel with values") << false << 2 << u"Cancel"_s;
        QTest::newRow("done") << false << 4 << u"Done"_s;
        QTest::newRow("quit after failure") << false << 5 << u"Quit"_s;
    }
    void quitButtonsEndWithoutTheAgent()
    {
        QFETCH(bool, configured);
        QFETCH(int, phase);
        QFETCH(QString, title);
        Window window(configured);
        window.open();
        window.view->state().setToken(u"T"_s);
        if (phase == 4) {
            window.view->state().setPhase(ConfigState::Success{});
        } else if (phase == 5) {
            window.view->state().setPhase(ConfigState::Failure{u"x"_s});
        }
        QCoreApplication::processEvents();
        window.button(title)->click();
        QCOMPARE(window.quits, 1);
        QCoreApplication::processEvents();
        QVERIFY(window.agent->configureCalls().isEmpty());
        if (phase == 4) {
            window.view->state().setPhase(ConfigState::Success{});
            QCoreApplication::processEvents();
            window.pressReturn(); // Done is the default
            QCOMPARE(window.quits, 2);
        }
    }

    void failureMessageIsShownVerbatim_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("markup and breaks") << u"<b>50%</b> \n & done"_s;
        QTest::newRow("lookup specials") << u"%1 %n \\n \\\\ &amp; &&"_s;
        QTest::newRow("several lines") << u"Configuration command failed:\na\n\nb"_s;
    }
    void failureMessageIsShownVerbatim()
    {
        QFETCH(QString, message);
        Window window;
        window.open();
        window.view->state().setPhase(ConfigState::Failure{message});
        QCoreApplication::processEvents();
        auto *view = window.view->findChild<MessageView *>();
        QVERIFY(view);
        QCOMPARE(view->toPlainText(), message);
        QCOMPARE(view->document()->blockCount(), message.count(u'\n') + 1);
        QCOMPARE(view->textInteractionFlags() & Qt::TextSelectableByMouse,
                 Qt::TextSelectableByMouse);
        QVERIFY(view->isReadOnly());
    }

    void longMessagesWrapWithinTheColumn()
    {
        Window window;
        window.open();
        window.view->state().setPhase(
            ConfigState::Failure{QString(400, u'x') + u'\n' + u"word "_s.repeated(200)});
        QCoreApplication::processEvents();
        QCOMPARE(window.view->width(), 520);
        auto *view = window.view->findChild<MessageView *>();
        QCOMPARE_LE(view->width(), 472);
        QCOMPARE_LE(view->height(),
                    MessageView::maximumLines * view->fontMetrics().lineSpacing() + 4);
        QVERIFY(window.button(u"Try Again"_s)->isVisible());
    }

    void returnOnTheMessageStillActs()
    {
        Window window;
        window.open();
        window.view->state().setPhase(ConfigState::Failure{u"selectable"_s});
        QCoreApplication::processEvents();
        auto *view = window.view->findChild<MessageView *>();
        view->setFocus();
        window.pressReturn(view);
        QVERIFY(window.form());
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
