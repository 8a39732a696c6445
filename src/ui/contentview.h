// The window's one view: the heading, a rule, and the element of the current
// phase below them. It owns the window's state, follows its notifications
// and runs the start-up probe, when first shown or, where the desktop has it
// so, as it is built.
#pragma once

#include "state/configstate.h"
#include "ui/desktopconventions.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AgentInterface;
class ConfigState;
class EnrollmentForm;
class ProgressIndicator;
class QPushButton;
class StrayKeys;
class QVBoxLayout;

class ContentView : public QWidget
{
    Q_OBJECT

public:
    using QuitAction = std::function<void()>;

    // The normal terminate request, queued so that the click that asked for
    // it finishes first.
    static void quitApplication();

    explicit ContentView(std::shared_ptr<const AgentInterface> agent,
                         QuitAction quit = &ContentView::quitApplication,
                         DesktopConventions conventions = DesktopConventions::system(),
                         QWidget *parent = nullptr);
    // With a state made (and its probe perhaps started) before the window.
    ContentView(std::shared_ptr<ConfigState> state, QuitAction quit, DesktopConventions conventions,
                QWidget *parent = nullptr);
    ~ContentView() override;

    ConfigState &state() const { return *m_state; }
    // Shows the window. Where the probe starts as the window is built, waits
    // for its answer, at most `patienceMs`, so that an answer that comes
    // first makes the form the first thing shown.
    void showWhenProbed(int patienceMs);
    // The element of the current phase, and the button Return presses (none
    // in the checking and saving phases).
    QWidget *content() const { return m_content; }
    QPushButton *defaultButton() const { return m_defaultButton; }
    // The button Return presses now, drawn as the default.
    QPushButton *returnTarget() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // While a configuration is being saved the window stays, says so, and
    // closes once it has succeeded (a failure stays shown); a second request
    // closes it at once.
    void closeEvent(QCloseEvent *event) override;

private:
    void scheduleRefresh();
    void refresh();
    void replaceContent();
    void fitSize();
    void showReturnTarget();

    std::shared_ptr<ConfigState> m_state;
    QuitAction m_quit;
    DesktopConventions m_conventions;
    QVBoxLayout *m_column;
    QWidget *m_content = nullptr;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_escapeButton = nullptr;
    EnrollmentForm *m_form = nullptr;
    std::optional<ConfigState::Phase> m_shownPhase;
    int m_widest = 0;
    QElapsedTimer m_contentShown;
    int m_pressesBeforeShown = 0;
    StrayKeys *m_strayKeys = nullptr;
    bool m_refreshPending = false;
    bool m_shown = false;
    bool m_showPending = false;
    bool m_closeRequested = false;
};
