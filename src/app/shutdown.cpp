#include "shutdown.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

void Shutdown(QWidget* closing)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != closing)
            (*it)->close();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A window that refused to close must not keep the program alive.
        if (window != closing && window->isVisible())
            std::_Exit(0);
    }
    QCoreApplication::quit();
}
