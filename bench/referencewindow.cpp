// The yardstick for start-up: about the least a Qt Widgets window can be.
//   bench_reference [<label> <button>]   texts other than the English ones
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList texts =
        argc == 3 ? QApplication::arguments().mid(1)
                  : QStringList{QStringLiteral("Enrollment token"), QStringLiteral("Save")};
    QWidget window;
    auto *column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(texts[0], &window));
    column->addWidget(new QLineEdit(&window));
    column->addWidget(new QPushButton(texts[1], &window));
    window.setWindowTitle(QStringLiteral("Reference"));
    window.show();
    return QApplication::exec();
}
