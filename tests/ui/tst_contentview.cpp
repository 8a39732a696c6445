#include "configstate.h"
#include "configureerror.h"
#include "contentview.h"
#include "contractstrings.h"
#include "enrollmentform.h"
#include "fakeagent.h"
#include "messageview.h"
#include "progressindicator.h"
#include "statuspanel.h"
#include "translations.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ConfigState::Phase)

namespace {

const QString defaultUrl = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
const ConfigState::Phase panels[] = {ConfigState::AlreadyConfigured{}, ConfigState::Form{},
                                     ConfigState::Success{}, ConfigState::Failure{u"x"_s}};

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
    void open()
    {
        view->show();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Checking>(view->state().phase()));
        drain();
    }
    void openForm()
    {
        open();
        show(ConfigState::Form{});
    }
    void show(const ConfigState::Phase &phase)
    {
        view->state().setPhase(phase);
        drain();
    }
    EnrollmentForm *form() const { return qobject_cast<EnrollmentForm *>(view->content()); }
    QLineEdit *token() const { return form()->tokenField(); }
    QPushButton *button(const QString &title) const
    {
        for (auto *b : view->findChildren<QPushButton *>()) {
            if (b->text().remove(u'&') == title) {
                return b;
            }
        }
        return nullptr;
    }
    void press(Qt::Key key, QWidget *target, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, key, key == Qt::Key_Enter ? Qt::KeypadModifier : modifiers);
        drain();
    }
    void settle()
    {
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Submitting>(view->state().phase()));
        drain();
    }
    int runs() const { return static_cast<int>(agent->configureCalls().size()); }
    MessageView *message() const { return view->findChild<MessageView *>(); }

    std::shared_ptr<FakeAgent> agent;
    std::unique_ptr<ContentView> view;
    int quits = 0;
};

QStringList templateTexts()
{
    QFile file(QStringLiteral(OVATA_TEMPLATE_TS));
    file.open(QIODevice::ReadOnly);
    QStringList texts;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"source"_s) {
            texts.append(context + u'|' + xml.readElementText());
        }
    }
    return texts;
}

// Answers nothing, notes every lookup of ours.
struct RecordingTranslator final : QTranslator
{
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (context[0] != 'Q') {
            lookups.insert(QString::fromUtf8(context) + u'|' + QString::fromUtf8(source));
        }
        return {};
    }
    bool isEmpty() const override { return false; }
    mutable QSet<QString> lookups;
};

// Every failure the application words itself, made as a run would make it.
void makeEveryOwnErrorText()
{
    using namespace HostOutcome;
    using Value = ConfigureError::ValueUnsendable;
    QList<ConfigureError::Reason> reasons{CommandFailed{{true, 9}, {}}, PromptDismissed{},
                                          NotAuthorized{}, ConfigureError::FolderUnnamed{}};
    for (int why = 0; why <= int(PromptUnavailable::Why::HelperRefused); ++why) {
        reasons.append(PromptUnavailable{PromptUnavailable::Why(why), {}});
    }
    for (const auto field :
         {Value::Field::Token, Value::Field::BaseURL, Value::Field::UpnOverride}) {
        reasons.append(Value{field, Value::Why::HoldsNul});
        reasons.append(Value{field, Value::Why::TooLong});
    }
    for (const auto &reason : reasons) {
        ConfigureError error(reason);
    }
    // The system scripting host's texts read as macOS has them, untranslated.
    ConfigureError::osascriptFailed(1, {});
    ConfigureError::binaryMissing(u"/x"_s);
}

void useGerman(bool german)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    if (german) {
        Translations::install(*qApp, QLocale(QLocale::German, QLocale::Germany));
    }
}

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Judged in the style Qt picks without a desktop theme; a Return
        // right after a panel appears is tested on its own.
        QApplication::setStyle(u"Fusion"_s);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }

    void panelsReadAndAct_data()
    {
        QTest::addColumn<ConfigState::Phase>("phase");
        QTest::addColumn<QStringList>("buttons"); // the last is the default
        QTest::addColumn<int>("quitsOnDefault");
        QTest::newRow("enrolled") << panels[0] << QStringList{u"Quit"_s, u"Reconfigure"_s} << 0;
        QTest::newRow("success") << panels[2] << QStringList{u"Done"_s} << 1;
        QTest::newRow("failure") << panels[3] << QStringList{u"Quit"_s, u"Try Again"_s} << 0;
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
        QStringList titles;
        for (auto *b : window.view->findChildren<QPushButton *>()) {
            titles.append(b->text().remove(u'&'));
        }
        QCOMPARE(titles, buttons);
        QVERIFY(window.view->findChildren<QLineEdit *>().isEmpty());
        // Focus on the default button: announced, and Space acts on it.
        QCOMPARE(window.view->focusWidget(), window.view->defaultButton());
        window.press(Qt::Key_Space, window.view->defaultButton());
        QCOMPARE(window.quits, quitsOnDefault);
        if (buttons.size() > 1) {
            window.show(phase);
            window.button(u"Quit"_s)->click();
            QCOMPARE(window.quits, 1);
        }
        QCoreApplication::processEvents();
        QCOMPARE(window.runs(), 0);
    }

    // Return presses the focused button, drawn as the default, on a
    // freedesktop desktop; on macOS always the default button.
    void returnPressesWhatIsDrawnAsDefault_data()
    {
        QTest::addColumn<bool>("macOS");
        QTest::addColumn<bool>("failurePanel"); // else the form, token filled
        QTest::addColumn<int>("quits");
        QTest::addColumn<int>("runs");
        QTest::newRow("Cancel focused") << false << false << 1 << 0;
        QTest::newRow("Cancel focused, macOS") << true << false << 0 << 1;
        QTest::newRow("Quit focused") << false << true << 1 << 0;
        QTest::newRow("Quit focused, macOS") << true << true << 0 << 0; // Try Again
    }
    void returnPressesWhatIsDrawnAsDefault()
    {
        QFETCH(bool, macOS);
        QFETCH(bool, failurePanel);
        QFETCH(int, quits);
        QFETCH(int, runs);
        Window window(true,
                      macOS ? DesktopConventions::macOS() : DesktopConventions::freedesktop());
        window.open();
        QCOMPARE(qobject_cast<StatusPanel *>(window.view->content())->headline()->text(),
                 macOS ? u"This Mac is already enrolled."_s
                       : u"This computer is already enrolled."_s);
        window.view->state().setToken(u"T"_s);
        window.show(failurePanel ? panels[3] : panels[1]);
        QPushButton *other = window.button(failurePanel ? u"Quit"_s : u"Cancel"_s);
        other->setFocus();
        QCOMPARE(other->isDefault(), !macOS);
        QCOMPARE(window.view->defaultButton()->isDefault(), macOS);
        window.press(Qt::Key_Return, other);
        window.settle();
        QCOMPARE(window.quits, quits);
        QCOMPARE(window.runs(), runs);
        QVERIFY(window.form() || !(macOS && failurePanel));
    }

    // Return acts on the panel as it is now, once per press, with no
    // modifier held, and not in the double-click interval after it appeared.
    void oneReturnOneAction_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("doubleClickMs");
        QTest::addColumn<int>("runs");
        QTest::newRow("plain") << Qt::KeyboardModifiers() << false << 0 << 1;
        QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier) << false << 0 << 0;
        QTest::newRow("Control") << Qt::KeyboardModifiers(Qt::ControlModifier) << false << 0 << 0;
        QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier) << false << 0 << 0;
        QTest::newRow("Meta") << Qt::KeyboardModifiers(Qt::MetaModifier) << false << 0 << 0;
        QTest::newRow("repeat, unmarked") << Qt::KeyboardModifiers() << true << 0 << 0;
        QTest::newRow("just after it appeared") << Qt::KeyboardModifiers() << false << 60000 << 0;
    }
    void oneReturnOneAction()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, repeat);
        QFETCH(int, doubleClickMs);
        QFETCH(int, runs);
        Window window;
        window.openForm();
        window.token()->insert(u"T"_s);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClickMs);
        const auto restore =
            qScopeGuard([] { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); });
        // X11 sends a repeat as a release and a press of the same time.
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, modifiers);
        release.setTimestamp(500);
        press.setTimestamp(repeat ? 500 : 501);
        QApplication::sendEvent(window.token(), &release);
        QApplication::sendEvent(window.token(), &press);
        QKeyEvent marked(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, {}, true);
        QApplication::sendEvent(window.token(), &marked);
        window.settle();
        QCOMPARE(window.runs(), runs);
        // A Return while another panel is on its way acts on that one.
        window.show(ConfigState::Failure{u"x"_s});
        window.view->state().setPhase(ConfigState::Success{});
        window.press(Qt::Key_Return, window.view.get());
        QCOMPARE(window.quits, doubleClickMs ? 0 : 1);
    }

    // Closed while saving: the window stays and says so, then closes once
    // the run has succeeded; a failure stays shown, and the next run keeps
    // the window at one close again.
    void closingWhileSaving_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::addColumn<bool>("macOS");
        QTest::newRow("succeeds") << false << false;
        QTest::newRow("fails") << true << false;
        QTest::newRow("succeeds, macOS") << false << true;
    }
    void closingWhileSaving()
    {
        QFETCH(bool, fails);
        QFETCH(bool, macOS);
        Window window(false,
                      macOS ? DesktopConventions::macOS() : DesktopConventions::freedesktop());
        window.agent->holdConfigure();
        if (fails) {
            window.agent->setFailure([] { throw ConfigureError::osascriptFailed(1, u"no"_s); });
        }
        window.openForm();
        window.token()->insert(u"T"_s);
        for (int run = 1; run <= (fails ? 2 : 1); ++run) {
            window.press(run == 1 ? Qt::Key_Return : Qt::Key_Enter, window.token());
            QVERIFY(!window.view->close());
            auto *indicator = qobject_cast<ProgressIndicator *>(window.view->content());
            QVERIFY(indicator && indicator->note()->isVisible());
            QVERIFY(indicator->note()->text().endsWith(
                macOS ? u"a command already running as administrator may go on."_s
                      : u"close it again to stop the enrollment."_s));
            window.agent->release();
            window.settle();
            QCOMPARE(window.view->isVisible(), fails);
            if (fails) {
                QCOMPARE(window.message()->toPlainText(), u"Configuration command failed:\nno"_s);
                window.press(Qt::Key_Return, window.view->focusWidget()); // Try Again
            }
        }
        QCOMPARE(window.runs(), fails ? 2 : 1);
        QVERIFY(window.view->close()); // nothing is running now
    }

    // Whatever changes a field's text (typing, undo, an assistive
    // technology), the state and "Save and Enroll" follow, and what is sent
    // is what is shown; Alt with a letter types nothing, and the save
    // button's access key saves.
    void fieldAndStateAgree()
    {
        Window window;
        window.openForm();
        auto *field = window.token();
        auto *save = window.button(u"Save and Enroll"_s);
        QTest::keyClicks(field, u" a"_s);
        QTest::keyClick(field, 'e', Qt::AltModifier);
        QTest::keyClicks(field, u"b"_s);
        QVERIFY(save->isEnabled());
        QCOMPARE(window.view->state().token(), u" ab"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(window.view->state().token(), u" a"_s);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(window.view->state().token(), QString());
        field->insert(u"\t\u2028\u3000"_s); // blank all the same
        QVERIFY(!save->isEnabled());
        window.press(Qt::Key_Return, field);
        window.press(Qt::Key_Escape, field); // not bound
        QVERIFY(window.form());
        QCOMPARE(window.runs() + window.quits, 0);
        field->clear();
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
        QTest::keyClick(window.view.get(), 's', Qt::AltModifier);
        QTRY_COMPARE(window.runs(), 1);
        QCOMPARE(window.agent->configureCalls().first(),
                 (QStringList{u"spoken"_s, defaultUrl, u"shown"_s}));
    }

    // Read by assistive technology, the token is one bullet per character,
    // the caret counted so; a filled field is not described by its placeholder.
    void tokenFieldTellsBullets()
    {
        Window window;
        window.openForm();
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(window.token());
        QCOMPARE(field->text(QAccessible::Description), u"paste tenant enrollment token"_s);
        window.token()->insert(u"a\U0001F600b"_s);
        QVERIFY(field->state().passwordEdit);
        QAccessibleTextInterface *text = field->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), u"●●●"_s);
        QCOMPARE(field->text(QAccessible::Value), u"●●●"_s);
        QCOMPARE(text->cursorPosition(), 3);
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), u"●"_s);
        text->setCursorPosition(2);
        QCOMPARE(window.token()->cursorPosition(), 3);
        QCOMPARE(field->text(QAccessible::Description), QString());
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
        window.token()->insert(value);
        window.press(Qt::Key_Return, window.token());
        window.settle();
        QCOMPARE(window.agent->configureCalls().value(0).value(0), value);
    }

    void oneRunAndNothingToPressWhileSaving()
    {
        Window window;
        window.agent->holdConfigure();
        window.openForm();
        window.token()->insert(u" T "_s);
        auto *save = window.button(u"Save and Enroll"_s);
        save->click();
        save->click(); // in the same pass, before the view is redrawn
        QCoreApplication::processEvents();
        QCOMPARE(window.view->content()->findChild<QLabel *>()->text(), u"Saving…"_s);
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        window.press(Qt::Key_Return, window.view.get());
        window.agent->release();
        window.settle();
        QCOMPARE(window.quits, 0);
        QCOMPARE(window.agent->configureCalls(), (QList<QStringList>{{u"T"_s, defaultUrl, u""_s}}));
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
        window.press(Qt::Key_Return, window.view->focusWidget()); // Reconfigure
        auto *form = window.form();
        QCOMPARE(form->tokenField()->text() + form->upnOverrideField()->text(), QString());
        QCOMPARE(form->baseUrlField()->text(), u"https://edited"_s);
        QVERIFY(!window.button(u"Save and Enroll"_s)->isEnabled());
        form->tokenField()->insert(u" T "_s);
        form->baseUrlField()->clear();
        form->upnOverrideField()->insert(u" u "_s);
        window.press(Qt::Key_Return, form->upnOverrideField());
        window.settle();
        QCOMPARE(window.message()->toPlainText(), u"Authorization canceled."_s);
        QCOMPARE(window.agent->configureCalls().first().at(1), defaultUrl);
        window.press(Qt::Key_Return, window.view->focusWidget()); // Try Again
        form = window.form();
        QCOMPARE(form->tokenField()->text(), u" T "_s);
        QCOMPARE(form->baseUrlField()->text(), QString());
        QCOMPARE(form->upnOverrideField()->text(), u" u "_s);
        QVERIFY(window.button(u"Save and Enroll"_s)->isEnabled());
    }

    // Shown as it stands, however long: a long one scrolls, and is read to
    // its end with the keyboard alone; Return still acts on the panel.
    void failureMessageIsShownVerbatim()
    {
        Window window;
        window.open();
        for (const QString &message : {u"<b>50%</b> \n & done %1 %n \\n &amp; &&"_s,
                                       QString(400, u'x') + u"\nline"_s.repeated(200)}) {
            window.show(ConfigState::Failure{message});
            QCOMPARE(window.message()->toPlainText(), message);
            QCOMPARE(window.message()->document()->blockCount(), message.count(u'\n') + 1);
        }
        auto *message = window.message();
        QCOMPARE(message->accessibleName(), u"Error details"_s);
        QCOMPARE_LT(message->palette().color(QPalette::Text).alphaF(), 1.0);
        QCOMPARE_NE(qobject_cast<StatusPanel *>(window.view->content())
                        ->headline()
                        ->palette()
                        .color(QPalette::WindowText),
                    window.view->palette().color(QPalette::WindowText));
        QCOMPARE_LE(message->width(), 472);
        QCOMPARE_LE(message->height(),
                    MessageView::maximumLines * message->fontMetrics().lineSpacing() + 4);
        QTest::keyClick(window.view->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(window.view->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(window.view->focusWidget(), message);
        window.press(Qt::Key_PageDown, message);
        QCOMPARE_GT(message->verticalScrollBar()->value(), 0);
        window.press(Qt::Key_Return, message);
        QVERIFY(window.form());
    }

    // In English and German: every text whole at 24 pt, in a window no
    // narrower than 520 and no wider than the screen; every focused control
    // drawn otherwise than unfocused; access keys unique in each panel,
    // with the names told to a screen reader plain.
    void everyPhaseReadsWhole_data()
    {
        QTest::addColumn<bool>("german");
        QTest::newRow("English") << false;
        QTest::newRow("German") << true;
    }
    void everyPhaseReadsWhole()
    {
        QFETCH(bool, german);
        useGerman(german);
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(24);
        QApplication::setFont(large);
        const auto restore = qScopeGuard([&before] {
            QApplication::setFont(before);
            useGerman(false);
        });
        Window window(true);
        window.open();
        for (const auto &phase : panels) {
            window.show(phase);
            QCOMPARE_GE(window.view->width(), 520);
            QCOMPARE_LE(window.view->width(), window.view->screen()->availableGeometry().width());
            for (auto *label : window.view->findChildren<QLabel *>()) {
                QVERIFY2(label->height() >= label->heightForWidth(label->width()) &&
                             label->width() >= label->minimumSizeHint().width(),
                         qPrintable(label->text()));
            }
            QSet<QKeySequence> keys;
            for (auto *widget : window.view->content()->findChildren<QWidget *>()) {
                auto *button = qobject_cast<QPushButton *>(widget);
                auto *label = qobject_cast<QLabel *>(widget);
                if (button || (label && label->buddy())) {
                    const QString text = button ? button->text() : label->text();
                    QVERIFY2(!button || button->width() >= button->sizeHint().width(),
                             qPrintable(text));
                    keys.insert(QKeySequence::mnemonic(text));
                    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                             QString(text).remove(u'&'));
                }
                if (widget->isVisible() && widget->isEnabled() &&
                    (widget->focusPolicy() & Qt::TabFocus)) {
                    widget->setFocus();
                    const QImage focused = widget->grab().toImage();
                    widget->clearFocus();
                    QVERIFY2(focused != widget->grab().toImage(),
                             widget->metaObject()->className());
                }
            }
            QVERIFY(!keys.contains(QKeySequence()));
            QCOMPARE(keys.size(), window.view->content()->findChildren<QPushButton *>().size() +
                                      window.view->findChildren<QLineEdit *>().size());
        }
    }

    // Every window text is looked up, every one is in the template and
    // translated, and the run-time message never is.
    void everyWindowTextIsTranslated()
    {
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        for (const auto conventions :
             {DesktopConventions::freedesktop(), DesktopConventions::macOS()}) {
            Window window(false, conventions);
            window.agent->holdConfigure();
            window.open();
            for (const auto &phase : panels) {
                window.show(phase);
            }
            window.show(ConfigState::Failure{u"Failure %1 <b>message</b>"_s});
            window.show(ConfigState::Submitting{});
            window.view->close(); // asked to close while saving: it says why it stays
            window.show(ConfigState::Checking{});
        }
        makeEveryOwnErrorText();
        QCoreApplication::removeTranslator(&recorder);
        const QStringList texts = templateTexts();
        QCOMPARE(recorder.lookups, QSet<QString>(texts.begin(), texts.end()));
        useGerman(true);
        for (const QString &text : texts) {
            const QString source = text.section(u'|', 1);
            const QString german = QCoreApplication::translate(
                text.section(u'|', 0, 0).toUtf8().constData(), source.toUtf8().constData());
            QVERIFY2(german != source, qPrintable(source + u" is not translated"_s));
            for (const QChar mark : {u'—', u'…', u'&'}) {
                QCOMPARE(german.count(mark), source.count(mark));
            }
        }
        useGerman(false);
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
