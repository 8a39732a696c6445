#include "enrollmentform.h"

#include "configstate.h"
#include "contractstrings.h"
#include "textstyles.h"

#include <QHBoxLayout>
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

    m_token = addField(tr("Enrollment token"), tr("paste tenant enrollment token"));
    m_token->setEchoMode(QLineEdit::Password);
    const QString defaultUrl = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
    m_baseUrl = addField(tr("Cloud service URL"), defaultUrl);
    // Not described by its placeholder, which is its own value.
    m_baseUrl->setAccessibleDescription(tr("Left blank, %1 is used.").arg(defaultUrl));
    m_baseUrl->setToolTip(m_baseUrl->accessibleDescription());
    m_upnOverride =
        addField(tr("User UPN override"), tr("optional — leave blank to detect logged-in user"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *cancel = new QPushButton(tr("Cancel"), this);
    buttons->addWidget(cancel);
    m_save = new QPushButton(tr("Save and Enroll"), this);
    m_save->setDefault(true);
    buttons->addWidget(m_save);
    layout->addLayout(buttons);

    // Every change of a field's text (typing, pasting, undo, an assistive
    // technology) is a write; showing the state's value is not.
    const auto bind = [this](QLineEdit *field, std::function<void(const QString &)> write) {
        connect(field, &QLineEdit::textChanged, this,
                [this, write = std::move(write)](const QString &text) {
                    if (!m_showing) {
                        write(text);
                        sync();
                    }
                });
    };
    bind(m_token, [this](const QString &text) { m_state.setToken(text); });
    bind(m_baseUrl, [this](const QString &text) { m_state.setBaseURL(text); });
    bind(m_upnOverride, [this](const QString &text) { m_state.setUpnOverride(text); });
    connect(cancel, &QPushButton::clicked, this, [quit = std::move(quit)] { quit(); });
    connect(m_save, &QPushButton::clicked, this, [this] { m_state.submit(); });

    sync();
}

QLineEdit *EnrollmentForm::addField(const QString &label, const QString &placeholder)
{
    auto *group = new QVBoxLayout;
    group->setSpacing(4);
    auto *caption = new QLabel(label, this);
    caption->setTextFormat(Qt::PlainText);
    TextStyles::applyCallout(caption);
    group->addWidget(caption);

    auto *field = new QLineEdit(this);
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
