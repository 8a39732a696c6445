#include "accessibleroles.h"

#include "contentview.h"
#include "progressindicator.h"
#include "secretfieldaccessibility.h"
#include "statuspanel.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QProgressBar>

#include <functional>

namespace {

// A widget whose busy state comes from elsewhere.
class BusyAccessible final : public QAccessibleWidget
{
public:
    BusyAccessible(QWidget *widget, QAccessible::Role role, std::function<bool()> busy)
        : QAccessibleWidget(widget, role)
        , m_busy(std::move(busy))
    {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = m_busy();
        return state;
    }

private:
    std::function<bool()> m_busy;
};

// Owned by the accessibility framework's cache.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ContentView")) {
        auto *view = static_cast<ContentView *>(object);
        return new BusyAccessible(view, QAccessible::Window, [view] { return view->isBusy(); });
    }
    if (className == QLatin1String("StatusPanel")) {
        auto *panel = static_cast<StatusPanel *>(object);
        return new QAccessibleWidget(panel, panel->isAlert() ? QAccessible::AlertMessage
                                                             : QAccessible::Dialog);
    }
    if (className == QLatin1String("QFrame") &&
        static_cast<QFrame *>(object)->frameShape() == QFrame::HLine) {
        return new QAccessibleWidget(static_cast<QFrame *>(object), QAccessible::Separator);
    }
    if (className == QLatin1String("QProgressBar") &&
        qobject_cast<ProgressIndicator *>(object->parent())) {
        return new BusyAccessible(static_cast<QWidget *>(object), QAccessible::ProgressBar,
                                  [] { return true; });
    }
    return nullptr;
}

} // namespace

namespace AccessibleRoles {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        SecretFieldAccessibility::install();
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace AccessibleRoles
