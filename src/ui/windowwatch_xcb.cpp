#include "ui/windowwatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

// Whether the X server still knows the window. Minimizing unmaps a window
// as destroying it does; only asking tells them apart.
bool stillExists(const QWindow &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        return true; // another platform plugin, such as Wayland's
    }
    xcb_connection_t *connection = x11->connection();
    const auto cookie = xcb_get_window_attributes(connection, xcb_window_t(window.winId()));
    xcb_generic_error_t *error = nullptr;
    free(xcb_get_window_attributes_reply(connection, cookie, &error));
    const bool gone = error && error->error_code == XCB_WINDOW;
    free(error);
    return !gone;
}

class Watch final : public QObject
{
public:
    explicit Watch(QWidget &widget)
        : QObject(widget.windowHandle())
        , m_widget(widget)
    {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_widget.isVisible()) {
            const auto *window = static_cast<QWindow *>(object);
            if (!window->isExposed() && !stillExists(*window)) {
                QCoreApplication::quit();
            }
        }
        return false;
    }

private:
    QWidget &m_widget;
};

} // namespace

namespace WindowWatch {

void quitWhenDestroyed(QWidget &window)
{
    if (QWindow *handle = window.windowHandle()) {
        handle->installEventFilter(new Watch(window));
    }
}

} // namespace WindowWatch
