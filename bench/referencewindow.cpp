// The yardsticks for start-up. Bare: about the least a Qt Widgets window can
// be. With --form: a plain window showing just the form's texts, in the
// language and styles the application shows them in, so that what a
// language's fonts cost is told apart from what the window itself costs.
//   bench_reference [--form]
#include "agent/contractstrings.h"
#include "ui/textstyles.h"
#include "ui/translations.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

void addBare(QWidget &window)
{
    auto *column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Enrollment token"), &window));
    column->addWidget(new QLineEdit(&window));
    column->addWidget(new QPushButton(QStringLiteral("Save"), &window));
}

void addForm(QWidget &window)
{
    const auto form = [](const char *text) {
        return QCoreApplication::translate("EnrollmentForm", text);
    };
    const QStringList texts{
        QCoreApplication::translate("ContentView", "Ovata Device Agent — Configuration"),
        form("Enrollment token"),
        form("Cloud service URL"),
        form("User UPN override"),
        form("paste tenant enrollment token"),
        form("optional — leave blank to detect logged-in user"),
        form("Cancel"),
        form("Save and Enroll"),
    };
    auto *column = new QVBoxLayout(&window);
    auto *heading = new QLabel(texts[0], &window);
    heading->setWordWrap(true);
    TextStyles::applyTitle2(heading);
    column->addWidget(heading);
    const QString url = AgentContract::latin1(AgentContract::defaultCloudServiceUrl);
    const QStringList hints{texts[4], QString(), texts[5]};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(texts[1 + i], &window);
        TextStyles::applyCallout(label);
        column->addWidget(label);
        auto *field = new QLineEdit(i == 1 ? url : QString(), &window);
        field->setLayoutDirection(Qt::LeftToRight);
        field->setPlaceholderText(hints[i]);
        field->setEchoMode(i == 0 ? QLineEdit::Password : QLineEdit::Normal);
        column->addWidget(field);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new QPushButton(texts[6], &window));
    auto *save = new QPushButton(texts[7], &window);
    save->setDefault(true);
    buttons->addWidget(save);
    column->addLayout(buttons);
    window.resize(520, window.sizeHint().height());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    if (QApplication::arguments().contains(QStringLiteral("--form"))) {
        Translations::install(app, QLocale());
        addForm(window);
    } else {
        addBare(window);
    }
    window.setWindowTitle(QStringLiteral("Reference"));
    window.show();
    return QApplication::exec();
}
