// The panel layout shared by the already-enrolled, success and failure
// panels: a headline, a wrapping detail line and a row of buttons at the
// trailing edge, the last of which is the default.
#pragma once

#include <QWidget>

class ButtonRow;
class QLabel;
class QPushButton;

class StatusPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Detail {
        WindowText,     // one of ours, translated
        RunTimeMessage, // shown verbatim, selectable, wrapping anywhere
    };

    StatusPanel(const QString &headline, const QString &detail, Detail kind,
                QWidget *parent = nullptr);

    // Buttons are added left to right; the last one added is the default.
    QPushButton *addButton(const QString &title);
    QPushButton *defaultButton() const { return m_defaultButton; }

    QLabel *headline() const { return m_headline; }

    // A run-time message tells of a failure: the panel is announced as an
    // alert. Either way it is named by its headline and described by its
    // detail.
    bool isAlert() const { return m_alert; }

private:
    QLabel *m_headline;
    ButtonRow *m_buttonRow = nullptr;
    QPushButton *m_defaultButton = nullptr;
    bool m_alert = false;
};
