// The busy indicator shown while the agent is asked or a configuration is
// saved: an indeterminate bar across the column with its label centred.
#pragma once

#include <QWidget>

class ProgressIndicator : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressIndicator(const QString &label, QWidget *parent = nullptr);
};
