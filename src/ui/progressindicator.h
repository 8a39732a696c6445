// The busy indicator shown while the agent is asked or a configuration is
// saved: an indeterminate bar across the column with its label centred, and
// a note below when there is more to say, spoken as it appears. It takes
// focus, so a screen reader says what is under way.
#pragma once

#include <QWidget>

class QLabel;

class ProgressIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressIndicator(const QString &label, QWidget *parent = nullptr);

    void setNote(const QString &note);
    QLabel *note() const { return m_note; }
    // What takes the focus: the bar, named by the label. (A focus proxy
    // would report focus twice to assistive technology.)
    QWidget *bar() const { return m_bar; }

private:
    QWidget *m_bar = nullptr;
    QLabel *m_note = nullptr;
};
