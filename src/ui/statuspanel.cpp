#include "ui/statuspanel.h"

#include "ui/buttonrow.h"
#include "ui/messageview.h"
#include "ui/textstyles.h"
#include "ui/wrappinglabel.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *makeDetail(const QString &text, StatusPanel::Detail kind, QWidget *parent)
{
    if (kind == StatusPanel::Detail::RunTimeMessage) {
        return new MessageView(text, parent);
    }
    auto *label = new WrappingLabel(text, parent);
    TextStyles::applySecondary(label);
    return label;
}

} // namespace

StatusPanel::StatusPanel(const QString &headline, const QString &detail, Detail kind,
                         QWidget *parent)
    : QWidget(parent)
    , m_headline(new WrappingLabel(headline, this))
    , m_alert(kind == Detail::RunTimeMessage)
{
    setAccessibleName(headline);
    setAccessibleDescription(detail);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);

    TextStyles::applyHeadline(m_headline);
    layout->addWidget(m_headline);

    layout->addWidget(makeDetail(detail, kind, this));
    // After the detail, so Tab reaches a message before the buttons.
    m_buttonRow = new ButtonRow(this);
    layout->addWidget(m_buttonRow);
}

QPushButton *StatusPanel::addButton(const QString &title)
{
    if (m_defaultButton) {
        m_defaultButton->setDefault(false);
    }
    m_defaultButton = m_buttonRow->addButton(title);
    m_defaultButton->setDefault(true);
    return m_defaultButton;
}
