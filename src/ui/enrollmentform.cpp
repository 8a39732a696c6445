#include "ui/enrollmentform.h"

#include "agent/contractstrings.h"
#include "state/configstate.h"
#include "ui/buttonrow.h"
#include "ui/textstyles.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <climits>

EnrollmentForm::EnrollmentForm(ConfigState &state, std::function<void()> quit, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    m_token =
        addField(tr("Enrollment token"), tr("paste tenant enrollment token"), QLineEdit::Password);
    const QString defaultUrl = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
    m_baseUrl = addField(tr("Cloud service URL"), defaultUrl);
    // Not described by its placeholder, which is its own value.
    m_baseUrl->setAccessibleDescription(tr("Left blank, %1 is used.").arg(defaultUrl));
    m_baseUrl->setToolTip(m_baseUrl->accessibleDescription());
    m_upnOverride =
        addField(tr("User UPN override"), tr("optional — leave blank to detect logged-in user"));

    auto *buttons = new ButtonRow(this);
    m_cancel = buttons->addButton(tr("Cancel"));
    m_save = buttons->addButton(tr("Save and Enroll"));
    m_save->setDefault(true);
    layout->addWidget(buttons);

    // Every change of a field's text (typing, pasting, undo, an assistive
    // technology) is a write; showing the state's value is not.
    connect(m_token, &QLineEdit::textChanged, this,
            [this](const QString &text) { edited(&ConfigState::setToken, text); });
    connect(m_baseUrl, &QLineEdit::textChanged, this,
            [this](const QString &text) { edited(&ConfigState::setBaseURL, text); });
    connect(m_upnOverride, &QLineEdit::textChanged, this,
            [this](const QString &text) { edited(&ConfigState::setUpnOverride, text); });
    connect(m_cancel, &QPushButton::clicked, this, [quit = std::move(quit)] { quit(); });
    connect(m_save, &QPushButton::clicked, this, [this] { m_state.submit(); });

    sync();
}

QLineEdit *EnrollmentForm::addField(const QString &label, const QString &placeholder,
                                    QLineEdit::EchoMode echo)
{
    auto *group = new QVBoxLayout;
    group->setSpacing(4);
    auto *caption = new QLabel(label, this);
    caption->setTextFormat(Qt::PlainText);
    TextStyles::applyCallout(caption);
    group->addWidget(caption);

    auto *field = new QLineEdit(this);
    // Before anything is told about it: assistive technology keeps the
    // interface it first got for the field.
    field->setEchoMode(echo);
    // Latin content, and a URL must not be reordered: left to right in a
    // right-to-left language too. The placeholder, translated prose, is
    // drawn in its own direction.
    field->setLayoutDirection(Qt::LeftToRight);
    // Never shortened: a value too long for the agent is refused at submit.
    field->setMaxLength(INT_MAX);
    field->setPlaceholderText(placeholder);
    // Readable in full where a large font cuts the placeholder.
    field->setToolTip(placeholder);
    field->setAccessibleDescription(placeholder);
    field->setAccessibleName(label);
    caption->setBuddy(field);
    group->addWidget(field);

    static_cast<QVBoxLayout *>(layout())->addLayout(group);
    return field;
}

void EnrollmentForm::edited(Write write, const QString &text)
{
    if (!m_showing) {
        (m_state.*write)(text);
        sync();
    }
}

void EnrollmentForm::sync()
{
    m_showing = true;
    for (const auto &[field, value] :
         {std::pair{m_token, m_state.token()}, std::pair{m_baseUrl, m_state.baseURL()},
          std::pair{m_upnOverride, m_state.upnOverride()}}) {
        if (field->text() != value) {
            field->setText(value);
        }
    }
    m_showing = false;
    m_save->setEnabled(!m_state.token().trimmed().isEmpty());
}
