// The yardstick for start-up: about the least a Qt Widgets window can be.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Enrollment token"), &window));
    column->addWidget(new QLineEdit(&window));
    column->addWidget(new QPushButton(QStringLiteral("Save"), &window));
    window.setWindowTitle(QStringLiteral("Reference"));
    window.show();
    return QApplication::exec();
}
