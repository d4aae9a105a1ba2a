// The yardstick of the start-up benchmark: the least a Qt Widgets program with
// a main window shows, an empty maximised window with a menu bar.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.showMaximized();
    return application.exec();
}
