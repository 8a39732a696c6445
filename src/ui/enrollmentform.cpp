#include "enrollmentform.h"

#include "agentcontract.h"
#include "configstate.h"
#include "textstyles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void showValue(QLineEdit *field, const QString &value)
{
    if (field->text() != value) {
        field->setText(value);
    }
}

} // namespace

EnrollmentForm::EnrollmentForm(ConfigState &state, std::function<void()> quit, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    m_token = addField(tr("Enrollment token"), tr("paste tenant enrollment token"));
    m_token->setEchoMode(QLineEdit::Password);
    m_baseUrl = addField(tr("Cloud service URL"), QString(AgentContract::defaultCloudServiceUrl));
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

    // User edits only: programmatic updates must not echo back as writes.
    connect(m_token, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_state.setToken(text);
        sync();
    });
    connect(m_baseUrl, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_state.setBaseURL(text);
        sync();
    });
    connect(m_upnOverride, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_state.setUpnOverride(text);
        sync();
    });
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
    field->setPlaceholderText(placeholder);
    field->setAccessibleName(label);
    caption->setBuddy(field);
    group->addWidget(field);

    static_cast<QVBoxLayout *>(layout())->addLayout(group);
    return field;
}

void EnrollmentForm::sync()
{
    showValue(m_token, m_state.token());
    showValue(m_baseUrl, m_state.baseURL());
    showValue(m_upnOverride, m_state.upnOverride());
    m_save->setEnabled(!m_state.token().trimmed().isEmpty());
}
