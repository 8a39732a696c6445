#include "agent/contractstrings.h"
#include "fakeagent.h"
#include "state/backgroundjobs.h"
#include "state/configstate.h"
#include "ui/contentview.h"
#include "ui/enrollmentform.h"
#include "ui/messageview.h"
#include "ui/progressindicator.h"
#include "ui/statuspanel.h"
#include "ui/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QTextBlock>
#include <QTranslator>
#include <QXmlStreamReader>

#include <system_error>

using namespace Qt::StringLiterals;
using Phase = ConfigState::Phase;
using Mods = Qt::KeyboardModifiers;
Q_DECLARE_METATYPE(ConfigState::Phase)

namespace {

const QString defaultUrl = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
const Phase enrolled = ConfigState::AlreadyConfigured{}, form = ConfigState::Form{},
            success = ConfigState::Success{}, failure = ConfigState::Failure{u"x"_s};

// A text as shown without its access key: "&" or "(&S)".
QString withoutKey(const QString &shown)
{
    static const QRegularExpression key(u"\\(&[A-Z]\\)$|&"_s);
    return QString(shown).remove(key);
}

// An open window with a fake agent and a quit action that only counts.
struct Window
{
    explicit Window(bool configured = false, bool macOS = false)
        : agent(std::make_shared<FakeAgent>())
    {
        agent->setConfigured(configured);
        view = std::make_unique<ContentView>(
            agent, [this] { ++quits; },
            macOS ? DesktopConventions::macOS() : DesktopConventions::freedesktop());
        view->show();
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTRY_VERIFY(!std::holds_alternative<ConfigState::Checking>(view->state().phase()));
        drain();
    }
    // The redraw and the move of focus after it are queued.
    static void drain()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void show(const Phase &phase)
    {
        view->state().setPhase(phase);
        drain();
    }
    EnrollmentForm *form() const { return qobject_cast<EnrollmentForm *>(view->content()); }
    QLineEdit *token() const { return form()->tokenField(); }
    QStringList titles() const
    {
        QStringList shown;
        for (auto *b : view->findChildren<QPushButton *>()) {
            shown.append(withoutKey(b->text()));
        }
        return shown;
    }
    QPushButton *button(const QString &title) const
    {
        return view->findChildren<QPushButton *>().value(titles().indexOf(title));
    }
    void press(Qt::Key key, QWidget *target = nullptr, Mods modifiers = {})
    {
        QTest::keyClick(target ? target : view->focusWidget(), key, modifiers);
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

// The languages beside English, and the pseudo-language of the tests.
const QStringList languages = QStringLiteral(OVATA_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
const QString pseudo = u"en_XA"_s;

// English where the code is empty.
void useLanguage(const QString &code)
{
    qDeleteAll(qApp->findChildren<QTranslator *>());
    if (code == pseudo) {
        QVERIFY(Translations::installFile(*qApp, QStringLiteral(OVATA_PSEUDO_QM)));
    } else if (!code.isEmpty()) {
        Translations::install(*qApp, QLocale(code));
    }
}

// A language's file: each text by context and source, translated, or empty
// where unfinished. English is the template, as if translated into itself.
QMap<QString, QString> readTranslations(const QString &language)
{
    QFile file(language == pseudo
                   ? QStringLiteral(OVATA_PSEUDO_QM).replace(u".qm"_s, u".ts"_s)
                   : QStringLiteral(OVATA_TRANSLATIONS_DIR "/ovataagentconfigurator%1.ts")
                         .arg(language.isEmpty() ? language : u'_' + language));
    file.open(QIODevice::ReadOnly);
    QMap<QString, QString> texts;
    QString context, source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"name"_s) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"source"_s) {
            source = xml.readElementText();
        } else if (xml.isStartElement() && xml.name() == u"translation"_s) {
            const bool finished = !xml.attributes().hasAttribute(u"type"_s);
            const QString translation = xml.readElementText();
            texts.insert(context + u'|' + source, language.isEmpty() ? source
                                                  : finished         ? translation
                                                                     : QString());
        }
    }
    return texts;
}

// What a translation keeps of the English: %1, line breaks, "&".
QStringList marksOf(const QString &text)
{
    QStringList marks;
    for (const auto &match : QRegularExpression(u"%\\d|\n|&"_s).globalMatch(text)) {
        marks.append(match.captured());
    }
    marks.sort();
    return marks;
}

const QString title = u"Ovata Device Agent — Configuration"_s;

// The first width, from half the one it has, at which a wrapped right-to-left
// label draws past its left edge, where its lines end: seen in a margin added
// there, as what a widget draws outside itself is lost. 0 for none.
int cutAtLineEnd(QLabel *label)
{
    const QRect kept = label->geometry();
    const auto restore = qScopeGuard([&] {
        label->setContentsMargins({});
        label->setGeometry(kept);
    });
    const int added = 16; // beyond a glyph's overhang, within a space
    label->setContentsMargins(added, 0, 0, 0);
    for (int width = kept.width() / 2; width <= kept.width(); width += 2) {
        label->resize(added + width, label->heightForWidth(added + width));
        const QImage image = label->grab().toImage().copy(0, 0, added / 2, label->height());
        QImage blank(image.size(), image.format());
        blank.fill(image.pixel(0, 0));
        if (image != blank) {
            return width;
        }
    }
    return 0;
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

} // namespace

class TestContentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Judged in the style Qt picks without a desktop theme; a Return just
        // after a panel appears is tested on its own.
        QApplication::setStyle(u"Fusion"_s);
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    }

    // Each panel's buttons, the last the default, and its focus on that
    // button: announced, and Return acts on it. Return presses the focused
    // button, drawn as the default, on a freedesktop desktop; on macOS always
    // the default button. Escape cancels the form and quits from every
    // panel, whatever has focus, except on macOS. Either acts once per press,
    // with no modifier held, on the panel as it is now, but not within the
    // double-click interval after that panel appeared.
    void returnPressesWhatIsDrawnAsDefault_data()
    {
        QTest::addColumn<bool>("macOS");
        QTest::addColumn<Phase>("phase"); // with the token filled
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("focused"); // empty: the default button
        QTest::addColumn<int>("quits");
        QTest::addColumn<int>("runs");
        QTest::addColumn<Qt::Key>("key");
        const QStringList asked{u"Cancel"_s, u"Save and Enroll"_s};
        const QStringList failed{u"Quit"_s, u"Try Again"_s};
        const QStringList again{u"Quit"_s, u"Reconfigure"_s};
        const QString none;
        const auto enter = Qt::Key_Return, escape = Qt::Key_Escape;
        QTest::newRow("enrolled") << false << enrolled << again << none << 0 << 0 << enter;
        QTest::newRow("success") << false << success << QStringList{u"Done"_s} << none << 1 << 0
                                 << enter;
        QTest::newRow("failure") << false << failure << failed << none << 0 << 0 << enter;
        QTest::newRow("Cancel focused") << false << form << asked << u"Cancel"_s << 1 << 0 << enter;
        QTest::newRow("Cancel focused, macOS")
            << true << form << asked << u"Cancel"_s << 0 << 1 << enter;
        QTest::newRow("Quit focused") << false << failure << failed << u"Quit"_s << 1 << 0 << enter;
        QTest::newRow("Quit focused, macOS")
            << true << failure << failed << u"Quit"_s << 0 << 0 << enter;
        QTest::newRow("Escape, enrolled") << false << enrolled << again << none << 1 << 0 << escape;
        QTest::newRow("Escape, success")
            << false << success << QStringList{u"Done"_s} << none << 1 << 0 << escape;
        QTest::newRow("Escape, failure") << false << failure << failed << none << 1 << 0 << escape;
        QTest::newRow("Escape, macOS") << true << form << asked << none << 0 << 0 << escape;
    }
    void returnPressesWhatIsDrawnAsDefault()
    {
        QFETCH(bool, macOS);
        QFETCH(Phase, phase);
        QFETCH(QStringList, buttons);
        QFETCH(QString, focused);
        QFETCH(int, quits);
        QFETCH(int, runs);
        QFETCH(Qt::Key, key);
        Window window(true, macOS);
        QCOMPARE(qobject_cast<StatusPanel *>(window.view->content())->headline()->text(),
                 macOS ? u"This Mac is already enrolled."_s
                       : u"This computer is already enrolled."_s);
        window.view->state().setToken(u"T"_s);
        window.show(phase);
        QCOMPARE(window.titles(), buttons);
        QCOMPARE(window.view->findChildren<QLineEdit *>().isEmpty(), !window.form());
        QCOMPARE(window.view->focusWidget() == window.view->defaultButton(), !window.form());
        if (!focused.isEmpty()) {
            window.button(focused)->setFocus();
            QCOMPARE(window.button(focused)->isDefault(), !macOS);
            QCOMPARE(window.view->defaultButton()->isDefault(), macOS);
        }
        window.press(key);
        window.settle();
        QCOMPARE(window.quits, quits);
        QCOMPARE(window.runs(), runs);
        QVERIFY(window.form() || quits + runs > 0); // Reconfigure, Try Again
    }
    void oneReturnOneAction_data()
    {
        QTest::addColumn<Mods>("modifiers");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("doubleClickMs");
        QTest::addColumn<bool>("typed"); // a key since the form appeared
        QTest::newRow("plain") << Mods() << false << 0 << false;
        QTest::newRow("Shift") << Mods(Qt::ShiftModifier) << false << 0 << false;
        QTest::newRow("Control") << Mods(Qt::ControlModifier) << false << 0 << false;
        QTest::newRow("Alt") << Mods(Qt::AltModifier) << false << 0 << false;
        QTest::newRow("Meta") << Mods(Qt::MetaModifier) << false << 0 << false;
        QTest::newRow("repeat, unmarked") << Mods() << true << 0 << false;
        QTest::newRow("just after it appeared") << Mods() << false << 60000 << false;
        QTest::newRow("typed since it appeared") << Mods() << false << 60000 << true;
    }
    void oneReturnOneAction()
    {
        QFETCH(Mods, modifiers);
        QFETCH(bool, repeat);
        QFETCH(int, doubleClickMs);
        QFETCH(bool, typed);
        // Escape is held to the same rule: it cancels the form, then is Done.
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            Window window;
            QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClickMs);
            const auto restore =
                qScopeGuard([] { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); });
            // Typed: as the window system hands a key over.
            typed ? QTest::keyClick(window.view->windowHandle(), Qt::Key_T)
                  : window.token()->insert(u"T"_s);
            // X11 sends a repeat as a release and a press of the same time.
            QKeyEvent release(QEvent::KeyRelease, key, {});
            QKeyEvent press(QEvent::KeyPress, key, modifiers);
            QKeyEvent marked(QEvent::KeyPress, key, {}, {}, true);
            release.setTimestamp(500);
            press.setTimestamp(repeat ? 500 : 501);
            for (QKeyEvent *event : {&release, &press, &marked}) {
                QApplication::sendEvent(window.token(), event);
            }
            window.settle();
            const bool acts = modifiers == Mods() && !repeat && (!doubleClickMs || typed);
            QCOMPARE(window.runs() + window.quits, int(acts));
            QCOMPARE(window.runs(), int(acts && key == Qt::Key_Return));
            window.show(failure);
            window.view->state().setPhase(success); // not redrawn yet
            window.press(key, window.view.get());
            QCOMPARE(window.quits, int(acts && key == Qt::Key_Escape) + int(!doubleClickMs));
        }
    }

    // Whatever changes a field's text (typing, undo, an assistive
    // technology), the state and "Save and Enroll" follow, and what is sent
    // is what is shown, never cut; Alt with a letter types nothing, Shift held
    // or not, and the save button's access key saves. Read by assistive
    // technology, the token is one bullet per character, counted so, the caret
    // too; a filled field is not described by its placeholder.
    void fieldAndStateAgree()
    {
        Window window;
        auto *field = window.token();
        QAccessibleInterface *told = QAccessible::queryAccessibleInterface(field);
        QCOMPARE(told->text(QAccessible::Description), u"paste tenant enrollment token"_s);
        auto *save = window.button(u"Save and Enroll"_s);
        QTest::keyClicks(field, u" a"_s);
        QTest::keyClick(field, 'e', Qt::AltModifier);
        QTest::keyClick(window.view->windowHandle(), Qt::Key_E,
                        Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClicks(field, u"bc"_s);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(window.view->state().token(), u" ab"_s);
        QVERIFY(save->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(window.view->state().token(), QString());
        field->insert(u"\t\u2028\u3000"_s); // blank all the same
        QVERIFY(!save->isEnabled());
        window.press(Qt::Key_Return);
        QCOMPARE(window.runs(), 0);
        const QString spoken = u'a' + u"\U0001F600"_s.repeated(40000) + u'b';
        told->setText(QAccessible::Value, spoken);
        QVERIFY(told->state().passwordEdit);
        QAccessibleTextInterface *text = told->textInterface();
        QCOMPARE(text->characterCount(), 40002);
        QCOMPARE(told->text(QAccessible::Value), QString(40002, u'●'));
        QCOMPARE(text->cursorPosition(), 40002);
        text->setCursorPosition(2);
        QCOMPARE(field->cursorPosition(), 3);
        QCOMPARE(told->text(QAccessible::Description), QString());
        // Showing the state's value is no second write.
        QSignalSpy notifications(&window.view->state(), &ConfigState::objectWillChange);
        window.view->state().setUpnOverride(u"shown"_s);
        QCoreApplication::processEvents();
        QCOMPARE(window.form()->upnOverrideField()->text(), u"shown"_s);
        QCOMPARE(notifications.size(), 1);
        QTest::keyClick(window.view.get(), 's', Qt::AltModifier);
        QTRY_COMPARE(window.agent->configureCalls(),
                     (QList<QStringList>{{spoken, defaultUrl, u"shown"_s}}));
    }

    // Whatever a screen reader asks of a field's text, at any offset and
    // boundary, is answered within the test's time limit and within the text
    // (Qt 6.4's own search loops for ever at some words' edges); the line is
    // the whole text at every offset, also as Orca 43 assembles it from
    // attribute runs; a key acts afterwards.
    void everyTextCallAnswers_data()
    {
        QTest::addColumn<int>("field"); // token, URL, UPN
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("token, empty") << 0 << QString() << QString();
        QTest::newRow("token, a letter") << 0 << u"a"_s << u"●"_s;
        QTest::newRow("token, a sign first") << 0 << u"#Zq7X w3K."_s << QString(10, u'●');
        QTest::newRow("token, an emoji") << 0 << u"\U0001F600a"_s << u"●●"_s;
        QTest::newRow("URL, empty") << 1 << QString() << QString();
        QTest::newRow("URL, a slash first") << 1 << u"/x y"_s << u"/x y"_s;
        QTest::newRow("URL") << 1 << defaultUrl << defaultUrl;
        QTest::newRow("UPN, a sign first") << 2 << u"#jane doe"_s << u"#jane doe"_s;
        QTest::newRow("UPN, a word last")
            << 2 << u"jane.doe@example.com"_s << u"jane.doe@example.com"_s;
        QTest::newRow("UPN, an emoji") << 2 << u"\U0001F600"_s << u"\U0001F600"_s;
    }
    void everyTextCallAnswers()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, line);
        Window window;
        QLineEdit *edit = QList<QLineEdit *>{window.token(), window.form()->baseUrlField(),
                                             window.form()->upnOverrideField()}[field];
        edit->setText(text);
        edit->setFocus();
        QAccessibleTextInterface *told =
            QAccessible::queryAccessibleInterface(edit)->textInterface();
        const int n = told->characterCount();
        QCOMPARE(n, line.size());
        const auto sides = {&QAccessibleTextInterface::textAtOffset,
                            &QAccessibleTextInterface::textBeforeOffset,
                            &QAccessibleTextInterface::textAfterOffset};
        int start = 0, end = 0;
        for (int offset = 0; offset <= n + 1; ++offset) {
            for (int boundary = QAccessible::CharBoundary; boundary <= QAccessible::NoBoundary;
                 ++boundary) {
                for (int side = 0; side < 3; ++side) {
                    const int asked = offset * 100 + boundary * 10 + side;
                    const QString piece = (told->*sides.begin()[side])(
                        offset, QAccessible::TextBoundaryType(boundary), &start, &end);
                    QVERIFY2(
                        (start == -1 && end == -1 && piece.isEmpty()) ||
                            (0 <= start && start <= end && end <= n &&
                             piece == told->text(start, end)),
                        qPrintable(u"%1: '%2' %3-%4"_s.arg(asked).arg(piece).arg(start).arg(end)));
                }
            }
            if (offset <= n) { // a run of bullets is one word too
                QCOMPARE(told->textAtOffset(offset, QAccessible::LineBoundary, &start, &end), line);
                QVERIFY(field > 0 || told->textAtOffset(offset, QAccessible::WordBoundary, &start,
                                                        &end) == line);
            }
            told->characterRect(offset);
            told->setSelection(0, 0, offset);
            told->selection(0, &start, &end);
            QCOMPARE(told->cursorPosition(), end);
            QCOMPARE(end, std::min(offset, n));
        }
        QCOMPARE(told->selectionCount(), n > 0 ? 1 : 0);
        told->offsetAtPoint(edit->mapToGlobal(edit->rect().center()));
        // Orca 43 speaks runs of the same attributes as one.
        QList<std::pair<int, int>> runs;
        for (int offset = 0; offset < n; offset = std::max(end, offset + 1)) {
            told->attributes(offset, &start, &end);
            runs.append({std::max(start, offset), end});
        }
        QCOMPARE(runs.isEmpty() ? QString() : told->text(runs.first().first, runs.last().second),
                 line);
        told->setCursorPosition(n);
        QTest::keyClick(edit, Qt::Key_Z);
        QCOMPARE(edit->text(), text + u'z');
    }

    // One run however often "Save and Enroll" is clicked, nothing to press
    // while saving; "Reconfigure" empties the token and the override, "Try
    // Again" keeps every value as typed; one close while saving keeps the
    // window in every run.
    void runsAndReturns()
    {
        Window window(true);
        const auto held = std::make_shared<QSemaphore>(); // lives as long as the run
        window.agent->setFailure([held] {
            held->acquire();
            throw ConfigureError(ConfigureError::OsascriptFailed{1, u"(-128)"_s});
        });
        window.view->state().setBaseURL(u"https://edited"_s);
        window.view->state().setToken(u"old"_s);
        window.view->state().setUpnOverride(u"old@corp"_s);
        window.press(Qt::Key_Return); // Reconfigure
        auto *shown = window.form();
        QCOMPARE(shown->tokenField()->text() + shown->upnOverrideField()->text(), QString());
        QCOMPARE(shown->baseUrlField()->text(), u"https://edited"_s);
        QVERIFY(!window.button(u"Save and Enroll"_s)->isEnabled());
        shown->tokenField()->insert(u" T "_s);
        shown->baseUrlField()->clear();
        shown->upnOverrideField()->insert(u" u "_s);
        window.button(u"Save and Enroll"_s)->click();
        window.button(u"Save and Enroll"_s)->click(); // before the view is redrawn
        QCoreApplication::processEvents();
        QCOMPARE(window.view->content()->findChild<QLabel *>()->text(), u"Saving…"_s);
        QVERIFY(window.view->findChildren<QPushButton *>().isEmpty());
        window.press(Qt::Key_Return, window.view.get());
        window.press(Qt::Key_Escape, window.view.get());
        QVERIFY(!window.view->close()); // kept while saving, and a failure stays
        held->release();
        window.settle();
        QCOMPARE(window.message()->toPlainText(), u"Authorization canceled."_s);
        QCOMPARE(window.quits, 0);
        QCOMPARE(window.agent->configureCalls(),
                 (QList<QStringList>{{u"T"_s, defaultUrl, u"u"_s}}));
        window.press(Qt::Key_Return); // Try Again
        shown = window.form();
        QCOMPARE(shown->tokenField()->text() + shown->baseUrlField()->text() +
                     shown->upnOverrideField()->text(),
                 u" T  u "_s);
        window.press(Qt::Key_Return);
        QVERIFY(!window.view->close()); // the next run is kept at one close again
        held->release();
        window.settle();
        window.show(success);
        QVERIFY(window.view->isVisible()); // the close asked for ended with its run
    }

    // Shown as it stands, however long: a long one scrolls, and is read to
    // its end with the keyboard alone; Return still acts on the panel.
    void failureMessageIsShownVerbatim()
    {
        Window window;
        for (const QString &message : {u"<b>50%</b> \n & done %1 %n \\n &amp; &&"_s,
                                       QString(400, u'x') + u"\nline"_s.repeated(200)}) {
            window.show(ConfigState::Failure{message});
            QCOMPARE(window.message()->toPlainText(), message);
            QCOMPARE(window.message()->document()->blockCount(), message.count(u'\n') + 1);
        }
        auto *message = window.message();
        const auto color = [](QWidget *w) { return w->palette().color(QPalette::WindowText); };
        QVERIFY(message->palette().color(QPalette::Text).alphaF() < 1);
        QVERIFY(color(window.view->content()->findChild<QLabel *>()) != color(window.view.get()));
        QCOMPARE_LE(message->width(), 472);
        QCOMPARE_LE(message->height(),
                    MessageView::maximumLines * message->fontMetrics().lineSpacing() + 4);
        window.press(Qt::Key_Tab, nullptr, Qt::ShiftModifier);
        window.press(Qt::Key_Tab, nullptr, Qt::ShiftModifier);
        QCOMPARE(window.view->focusWidget(), message);
        window.press(Qt::Key_PageDown);
        QCOMPARE_GT(message->verticalScrollBar()->value(), 0);
        window.press(Qt::Key_Return);
        QVERIFY(window.form());
    }

    // In English, each language and the pseudo-language: its file holds
    // every text, translated, and no other, each %1, line break and "&" of
    // the English kept, the title and the save button in the language, and
    // the direction Qt lays the window out in; the locales of its language
    // read it. Every text whole at 24 pt, in a window no narrower than 520,
    // nor than it was, and no wider than the screen, mirrored where the language is written
    // right to left, its fields and a run-time message left to right; every
    // focused control drawn otherwise than unfocused; access keys unique in
    // each panel, Latin letters that focus, "(S)" after a text without one,
    // the names told to a screen reader plain; Qt's own texts in the
    // language; in the pseudo-language no English left.
    void everyPhaseReadsWhole_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("readers");
        // Chinese is read by script; pt_PT is not given pt_BR unasked.
        const QHash<QString, QStringList> others{{u"fr"_s, {u"fr_CA"_s, u"fr_BE"_s}},
                                                 {u"es"_s, {u"es_MX"_s}},
                                                 {u"zh_CN"_s, {u"zh_SG"_s}},
                                                 {u"zh_TW"_s, {u"zh_HK"_s, u"zh_MO"_s}},
                                                 {QString(), {u"pt_PT"_s, u"C"_s}}};
        for (const QString &code : QStringList{QString()} + languages + QStringList{pseudo}) {
            QTest::newRow(code.isEmpty() ? "en" : qPrintable(code))
                << code << (code == pseudo ? QStringList() : others.value(code) << code);
        }
    }
    void everyPhaseReadsWhole()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, readers);
        const Qt::LayoutDirection direction = QLocale(language).textDirection();
        const auto texts = readTranslations(language);
        QCOMPARE(texts.keys(), readTranslations({}).keys());
        for (const auto [key, translation] : texts.asKeyValueRange()) {
            QVERIFY2(!translation.isEmpty(), qPrintable(key));
            QCOMPARE(marksOf(translation), marksOf(key.section(u'|', 1)));
        }
        for (const QString &key :
             {u"ContentView|"_s + title, u"EnrollmentForm|Save and Enroll"_s}) {
            QCOMPARE(texts[key] == key.section(u'|', 1), language.isEmpty());
        }
        for (const QString &reader : readers) {
            useLanguage(reader);
            QCOMPARE(QCoreApplication::translate("ContentView", title.toUtf8().constData()),
                     texts[u"ContentView|"_s + title]);
        }
        useLanguage(language);
        const QFont before = QApplication::font();
        QApplication::setFont(QFont(before.family(), 24));
        const auto restore = qScopeGuard([&before] {
            QApplication::setFont(before);
            useLanguage({});
        });
        const Phase worded = ConfigState::Failure{
            ConfigureError(HostOutcome::CommandFailed{{}, u"bad token"_s}).errorDescription()};
        const QRegularExpression english(u"[A-Za-z]{2}"_s);
        Window window(true);
        int widest = 520;
        for (const Phase &phase : {enrolled, form, success, worded}) {
            window.show(phase);
            QCOMPARE_GE(window.view->width(), widest);
            widest = window.view->width();
            QCOMPARE_LE(window.view->width(), window.view->screen()->availableGeometry().width());
            QSet<QKeySequence> keys;
            for (auto *widget : window.view->findChildren<QWidget *>()) {
                auto *button = qobject_cast<QPushButton *>(widget);
                auto *label = qobject_cast<QLabel *>(widget);
                const QString text = button ? button->text() : label ? label->text() : QString();
                const QString plain = withoutKey(text);
                QVERIFY2(!label || (label->height() >= label->heightForWidth(label->width()) &&
                                    label->width() >= label->minimumSizeHint().width()),
                         qPrintable(text));
                QVERIFY2(!button || button->width() >= button->sizeHint().width(),
                         qPrintable(text));
                if (label && label->wordWrap() && label->isVisible() &&
                    direction == Qt::RightToLeft) {
                    QCOMPARE(cutAtLineEnd(label), 0);
                }
                QVERIFY2(language != pseudo || !plain.contains(english), qPrintable(text));
                QVERIFY2(!label || text.isEmpty() ||
                             text.isRightToLeft() == (direction == Qt::RightToLeft),
                         qPrintable(text));
                QCOMPARE(widget->layoutDirection(),
                         qobject_cast<QLineEdit *>(widget) ? Qt::LeftToRight : direction);
                if (button || (label && label->buddy())) {
                    keys.insert(QKeySequence::mnemonic(text));
                    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name),
                             plain);
                }
                if (widget->isVisible() && widget->isEnabled() &&
                    (widget->focusPolicy() & Qt::TabFocus)) {
                    widget->setFocus();
                    const QImage focused = widget->grab().toImage();
                    widget->clearFocus();
                    QVERIFY2(focused != widget->grab().toImage(), qPrintable(text));
                }
            }
            QVERIFY(!keys.contains(QKeySequence()));
            QCOMPARE(keys.size(), window.view->findChildren<QPushButton *>().size() +
                                      window.view->findChildren<QLineEdit *>().size());
            // The default button, added last, is at the leading edge.
            const auto buttons = window.view->content()->findChildren<QPushButton *>();
            QCOMPARE(buttons.constLast()->x() < buttons.constFirst()->x(),
                     buttons.size() > 1 && direction == Qt::RightToLeft);
            if (auto *message = window.message()) {
                QCOMPARE(message->verticalScrollBar()->maximum(), 0);
                QCOMPARE(message->document()->firstBlock().textDirection(), direction);
                QCOMPARE(message->document()->lastBlock().textDirection(), Qt::LeftToRight);
            }
        }
        window.show(form);
        const QString save = QCoreApplication::translate("EnrollmentForm", "Save and Enroll");
        QVERIFY(save.contains(QRegularExpression(u"[A-Za-z]"_s)) ||
                window.view->defaultButton()->text() == save + u"(&S)"_s);
        for (auto *label : window.form()->findChildren<QLabel *>()) {
            QTest::keySequence(window.view.get(), QKeySequence::mnemonic(label->text()));
            QCOMPARE(window.view->focusWidget(), label->buddy());
        }
        const std::unique_ptr<QMenu> menu(window.token()->createStandardContextMenu());
        QCOMPARE(menu->actions().constFirst()->text().startsWith(u"&Undo"_s),
                 language.isEmpty() || language == pseudo);
    }

    // Every window text and every failure text the application words itself
    // is looked up and is in the template; the run-time message never is.
    void everyTextIsTranslated()
    {
        RecordingTranslator recorder;
        QCoreApplication::installTranslator(&recorder);
        for (const bool macOS : {false, true}) {
            Window window(false, macOS);
            for (const Phase &phase : {enrolled, success, failure}) {
                window.show(phase);
            }
            window.show(ConfigState::Submitting{});
            // Asked to close while saving, it says why it stays, and what a
            // second close does there.
            QVERIFY(!window.view->close());
            QVERIFY(window.view->findChild<ProgressIndicator *>()->note()->text().endsWith(
                macOS ? u"running as administrator may go on."_s
                      : u"close it again to stop the enrollment."_s));
            window.show(ConfigState::Checking{});
        }
        using namespace HostOutcome;
        using Value = ConfigureError::ValueUnsendable;
        QList<ConfigureError::Reason> reasons{CommandFailed{{true, 9}, {}}, PromptDismissed{},
                                              NotAuthorized{}, ConfigureError::FolderUnnamed{}};
        for (int why = 0; why <= int(PromptUnavailable::Why::HelperBusy); ++why) {
            reasons.append(PromptUnavailable{PromptUnavailable::Why(why), {}});
        }
        for (const auto field :
             {Value::Field::Token, Value::Field::BaseURL, Value::Field::UpnOverride}) {
            reasons << Value{field, Value::Why::HoldsNul} << Value{field, Value::Why::TooLong};
        }
        for (const auto &reason : reasons) {
            ConfigureError{reason};
        }
        // The system scripting host's texts read as macOS has them, untranslated.
        ConfigureError(ConfigureError::OsascriptFailed{1, {}});
        ConfigureError::binaryMissing(u"/x"_s);
        // The state's own: a blank token, a failure without words, no thread.
        const auto agent = std::make_shared<FakeAgent>();
        agent->setFailure([] { throw 0; });
        const auto noThread = [](auto) {
            throw std::system_error(EAGAIN, std::generic_category());
        };
        for (const auto &state :
             {ConfigState::create(agent), ConfigState::create(agent, noThread)}) {
            state->submit();
            state->setToken(u"T"_s);
            state->submit();
        }
        BackgroundJobs::waitForAll();
        QCoreApplication::removeTranslator(&recorder);

        const QStringList keys = readTranslations({}).keys();
        QSet<QString> texts(keys.cbegin(), keys.cend());
        texts.remove(u"QGuiApplication|QT_LAYOUT_DIRECTION"_s); // asked by Qt
        QCOMPARE(recorder.lookups, texts);
    }
};

QTEST_MAIN(TestContentView)
#include "tst_contentview.moc"
