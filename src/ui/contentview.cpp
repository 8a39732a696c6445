#include "ui/contentview.h"

#include "state/configstate.h"
#include "ui/accessibleroles.h"
#include "ui/accesskeys.h"
#include "ui/enrollmentform.h"
#include "ui/markingstyle.h"
#include "ui/progressindicator.h"
#include "ui/statuspanel.h"
#include "ui/straykeys.h"
#include "ui/textstyles.h"
#include "ui/wrappinglabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int windowWidth = 520;
constexpr int padding = 24;
constexpr int spacing = 16;

// The phase decides the content; a failure's message is part of it.
bool showsSame(const ConfigState::Phase &shown, const ConfigState::Phase &now)
{
    if (shown.index() != now.index()) {
        return false;
    }
    const auto *before = std::get_if<ConfigState::Failure>(&shown);
    const auto *after = std::get_if<ConfigState::Failure>(&now);
    return !before || before->message == after->message;
}

} // namespace

void ContentView::quitApplication()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

ContentView::ContentView(std::shared_ptr<const AgentInterface> agent, QuitAction quit,
                         DesktopConventions conventions, QWidget *parent)
    : ContentView(ConfigState::create(std::move(agent)), std::move(quit), conventions, parent)
{}

ContentView::ContentView(std::shared_ptr<ConfigState> state, QuitAction quit,
                         DesktopConventions conventions, QWidget *parent)
    : QWidget(parent)
    , m_state(std::move(state))
    , m_quit(std::move(quit))
    , m_conventions(conventions)
    , m_column(new QVBoxLayout(this))
{
    if (m_conventions.probesBeforeShown && !m_state->probeStarted()) {
        // First, so the agent answers while the window is being built; the
        // answer arrives through the event loop.
        m_state->probe();
    }
    AccessibleRoles::install();
    MarkingStyle::install();
    m_column->setContentsMargins(padding, padding, padding, padding);
    m_column->setSpacing(spacing);

    // The heading is the window's title too.
    // Wrapped: large fonts must not cut it.
    auto *heading = new WrappingLabel(tr("Ovata Device Agent — Configuration"), this);
    setWindowTitle(heading->text());
    TextStyles::applyTitle2(heading);
    m_column->addWidget(heading);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    m_column->addWidget(rule);

    // Of a fixed size: nothing to maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    connect(m_state.get(), &ConfigState::objectWillChange, this, &ContentView::scheduleRefresh);
    m_strayKeys = new StrayKeys(*this, m_conventions.accessKeys);
    connect(qApp, &QApplication::focusChanged, this, &ContentView::showReturnTarget);
    // With the probe under way, the checking indicator is built only if the
    // window is shown before the answer.
    if (!m_state->probeStarted()) {
        refresh();
    }
}

// A configure run still under way keeps the state alive and applies its
// outcome to it; the view simply stops listening.
ContentView::~ContentView()
{
    // Closing the widget beneath moves the focus once more, when this is no
    // longer a ContentView.
    disconnect(qApp, &QApplication::focusChanged, this, &ContentView::showReturnTarget);
}

void ContentView::showWhenProbed(int patienceMs)
{
    if (!m_conventions.probesBeforeShown ||
        !std::holds_alternative<ConfigState::Checking>(m_state->phase())) {
        show();
        return;
    }
    m_showPending = true;
    QTimer::singleShot(patienceMs, this, [this] {
        if (std::exchange(m_showPending, false)) {
            show();
        }
    });
}

void ContentView::showEvent(QShowEvent *event)
{
    if (!m_content) {
        refresh();
    }
    QWidget::showEvent(event);
    if (m_shown) {
        return;
    }
    m_shown = true;
    // Queued, so the window reaches the screen first: starting a process
    // stalls this one while it forks, and the icon is decoded for every size
    // the window system is sent.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_state->probeStarted()) {
                m_state->probe();
            }
            QIcon icon;
            for (const int size : {32, 64, 256}) {
                icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size), QSize(size, size));
            }
            setWindowIcon(icon);
        },
        Qt::QueuedConnection);
}

void ContentView::closeEvent(QCloseEvent *event)
{
    if (!std::holds_alternative<ConfigState::Submitting>(m_state->phase()) || m_closeRequested) {
        QWidget::closeEvent(event);
        return;
    }
    // Closing now would hide a root enrollment under way and its outcome.
    event->ignore();
    m_closeRequested = true;
    if (auto *indicator = qobject_cast<ProgressIndicator *>(m_content)) {
        indicator->setNote(
            m_conventions.secondCloseEndsRootRun
                ? tr("The enrollment is still running. This window closes once it has "
                     "succeeded; close it again to stop the enrollment.")
                : tr("The enrollment is still running. This window closes once it has "
                     "succeeded; closing it again quits, but a command already running as "
                     "administrator may go on."));
        fitSize();
    }
}

void ContentView::keyPressEvent(QKeyEvent *event)
{
    const bool defaultKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escapeKey = m_conventions.escapeDismisses && event->key() == Qt::Key_Escape;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!(defaultKey || escapeKey) || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // Act on the state as it is now, not as it was at the last redraw.
    if (m_refreshPending) {
        refresh();
    }
    // A key this soon, with nothing typed in between, was meant for what
    // was shown before, as a double press: one press, one action.
    if (m_contentShown.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
        m_strayKeys->otherPresses() == m_pressesBeforeShown) {
        return;
    }
    QPushButton *target = defaultKey ? returnTarget() : m_escapeButton;
    if (target && target->isEnabled()) {
        target->click();
    }
}

QPushButton *ContentView::returnTarget() const
{
    // Where the desktop has it so, Return presses the focused button.
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    if (m_conventions.returnPressesFocusedButton && focused && m_content &&
        m_content->isAncestorOf(focused)) {
        return focused;
    }
    return m_defaultButton;
}

void ContentView::showReturnTarget()
{
    m_strayKeys->putFirst();
    if (!m_content || !m_conventions.returnPressesFocusedButton) {
        return;
    }
    QPushButton *target = returnTarget();
    for (auto *button : m_content->findChildren<QPushButton *>()) {
        button->setDefault(button == target);
    }
    // Focus is shown however it came, not only after Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void ContentView::scheduleRefresh()
{
    // Notified before the store: redraw once, after it, with the new values.
    if (m_refreshPending) {
        return;
    }
    m_refreshPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_refreshPending) {
                refresh();
            }
        },
        Qt::QueuedConnection);
}

void ContentView::refresh()
{
    m_refreshPending = false;
    if (!m_shownPhase || !showsSame(*m_shownPhase, m_state->phase())) {
        replaceContent();
    } else if (m_form) {
        m_form->sync();
    }
    if (m_showPending && !std::holds_alternative<ConfigState::Checking>(m_state->phase())) {
        m_showPending = false;
        show();
    }
}

void ContentView::replaceContent()
{
    // Nothing of the previous phase survives, so nothing of it is reachable.
    // (Forgotten before it goes: its focus moves away as it is deleted.)
    QWidget *previous = std::exchange(m_content, nullptr);
    m_defaultButton = nullptr;
    m_escapeButton = nullptr;
    m_form = nullptr;
    delete previous;

    const ConfigState::Phase phase = m_state->phase();
    if (m_closeRequested && std::holds_alternative<ConfigState::Success>(phase)) {
        // As promised when the window was closed during the run.
        m_shownPhase = phase;
        close();
        return;
    }
    m_closeRequested = false;
    m_shownPhase = phase;
    const auto panel = [this](const QString &headline, const QString &detail,
                              StatusPanel::Detail kind = StatusPanel::Detail::WindowText) {
        auto *p = new StatusPanel(headline, detail, kind, this);
        m_content = p;
        return p;
    };

    if (std::holds_alternative<ConfigState::Checking>(phase)) {
        m_content = new ProgressIndicator(tr("Checking current configuration…"), this);
    } else if (std::holds_alternative<ConfigState::Submitting>(phase)) {
        m_content = new ProgressIndicator(tr("Saving…"), this);
    } else if (std::holds_alternative<ConfigState::AlreadyConfigured>(phase)) {
        auto *p = panel(m_conventions.computerIsAMac ? tr("This Mac is already enrolled.")
                                                     : tr("This computer is already enrolled."),
                        tr("The agent has an active enrollment token. You can re-enroll with a "
                           "new token if needed."));
        m_escapeButton = p->addButton(tr("Quit"));
        connect(m_escapeButton, &QPushButton::clicked, this, [this] { m_quit(); });
        connect(p->addButton(tr("Reconfigure")), &QPushButton::clicked, this,
                [this] { m_state->reconfigure(); });
        m_defaultButton = p->defaultButton();
    } else if (std::holds_alternative<ConfigState::Success>(phase)) {
        auto *p = panel(tr("Configuration saved."),
                        tr("The agent will enroll within ~30 seconds. You can close this window."));
        m_escapeButton = p->addButton(tr("Done"));
        connect(m_escapeButton, &QPushButton::clicked, this, [this] { m_quit(); });
        m_defaultButton = p->defaultButton();
    } else if (const auto *failure = std::get_if<ConfigState::Failure>(&phase)) {
        // The message is run-time text: shown as it stands, never translated.
        auto *p = panel(tr("Configuration failed"), failure->message,
                        StatusPanel::Detail::RunTimeMessage);
        TextStyles::applyRed(p->headline());
        m_escapeButton = p->addButton(tr("Quit"));
        connect(m_escapeButton, &QPushButton::clicked, this, [this] { m_quit(); });
        connect(p->addButton(tr("Try Again")), &QPushButton::clicked, this,
                [this] { m_state->setPhase(ConfigState::Form{}); });
        m_defaultButton = p->defaultButton();
    } else {
        m_form = new EnrollmentForm(
            *m_state, [this] { m_quit(); }, this);
        m_content = m_form;
        m_defaultButton = m_form->defaultButton();
        m_escapeButton = m_form->cancelButton();
    }

    if (m_conventions.accessKeys) {
        AccessKeys::assign(m_content);
    }
    m_column->addWidget(m_content);
    m_content->show();
    m_contentShown.start();
    m_pressesBeforeShown = m_strayKeys->otherPresses();
    fitSize();
    // Focus moves once the new content stands, so a screen reader hears it
    // after everything the content said while it was built: the form is
    // ready for the token to be pasted; an indicator says what is under
    // way; a panel is announced with its headline and text, and Space or
    // Return acts on its default button.
    auto *indicator = qobject_cast<ProgressIndicator *>(m_content);
    QWidget *focus = m_form            ? m_form->tokenField()
                     : m_defaultButton ? static_cast<QWidget *>(m_defaultButton)
                                       : indicator->bar();
    QMetaObject::invokeMethod(
        focus, [focus] { focus->setFocus(); }, Qt::QueuedConnection);
}

void ContentView::fitSize()
{
    m_column->activate();
    int width = windowWidth;
    if (m_conventions.widensForLargeFonts) {
        // Wider where a large font needs it, never wider than the screen,
        // and never narrower again while open: the buttons stay in place.
        const QScreen *screen = this->screen();
        const int widest = screen ? screen->availableGeometry().width() : windowWidth;
        width = qBound(qMax(windowWidth, m_widest), m_column->totalMinimumSize().width(),
                       qMax(widest, windowWidth));
        m_widest = width;
    }
    const int height = m_column->hasHeightForWidth() ? m_column->totalHeightForWidth(width)
                                                     : m_column->totalSizeHint().height();
    setFixedSize(width, height);
}
