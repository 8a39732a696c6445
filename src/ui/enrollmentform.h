// The enrollment form: token (masked), service URL and UPN override, bound
// two-way to the state, with "Cancel" and "Save and Enroll".
#pragma once

#include <QLineEdit>
#include <QWidget>

#include <functional>

class ConfigState;
class QPushButton;

class EnrollmentForm : public QWidget
{
    Q_OBJECT

public:
    // The state must outlive the form.
    EnrollmentForm(ConfigState &state, std::function<void()> quit, QWidget *parent = nullptr);

    // Shows the state's values and re-evaluates "Save and Enroll". Leaves a
    // field alone when it already shows its value, so focus and cursor stay.
    void sync();

    QPushButton *defaultButton() const { return m_save; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLineEdit *tokenField() const { return m_token; }
    QLineEdit *baseUrlField() const { return m_baseUrl; }
    QLineEdit *upnOverrideField() const { return m_upnOverride; }

private:
    using Write = void (ConfigState::*)(const QString &);
    void edited(Write write, const QString &text);
    QLineEdit *addField(const QString &label, const QString &placeholder,
                        QLineEdit::EchoMode echo = QLineEdit::Normal);

    ConfigState &m_state;
    QLineEdit *m_token;
    QLineEdit *m_baseUrl;
    QLineEdit *m_upnOverride;
    QPushButton *m_cancel;
    QPushButton *m_save;
    bool m_showing = false;
};
