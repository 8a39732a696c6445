#include "ui/accessibleroles.h"

#include "ui/contentview.h"
#include "ui/plainfieldaccessibility.h"
#include "ui/progressindicator.h"
#include "ui/secretfieldaccessibility.h"
#include "ui/statuspanel.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

// The busy indicator's bar: busy, with no value to read or change. It is
// made anew for each busy phase, so assistive technology that caches states
// meets it fresh; Qt's AT-SPI bridge (6.4) does not pass on a change of busy,
// so a window that stopped being busy would stay busy in such caches.
class BusyBarAccessible final : public QAccessibleWidget
{
public:
    explicit BusyBarAccessible(QWidget *bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {}
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.busy = true;
        return state;
    }
};

// Owned by the accessibility framework's cache.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ContentView")) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    }
    if (className == QLatin1String("StatusPanel")) {
        auto *panel = static_cast<StatusPanel *>(object);
        // A dialog is what a screen reader would call the others, and they
        // are not one: a named grouping is read by its name and text alone.
        return new QAccessibleWidget(panel, panel->isAlert() ? QAccessible::AlertMessage
                                                             : QAccessible::Grouping);
    }
    if (className == QLatin1String("QFrame") &&
        static_cast<QFrame *>(object)->frameShape() == QFrame::HLine) {
        return new QAccessibleWidget(static_cast<QFrame *>(object), QAccessible::Separator);
    }
    const auto *indicator = qobject_cast<ProgressIndicator *>(object->parent());
    if (className == QLatin1String("QProgressBar") && indicator) {
        return new BusyBarAccessible(static_cast<QWidget *>(object));
    }
    if (className == QLatin1String("QLabel") && indicator && indicator->note() == object) {
        return new QAccessibleWidget(static_cast<QLabel *>(object), QAccessible::Notification);
    }
    if (className == QLatin1String("QLineEdit")) {
        auto *field = static_cast<QLineEdit *>(object);
        return field->echoMode() == QLineEdit::Normal
                   ? PlainFieldAccessibility::interfaceFor(field)
                   : SecretFieldAccessibility::interfaceFor(field);
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
