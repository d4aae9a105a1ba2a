#include "shutdown.h"

#include "errors/errorscope.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

void Shutdown(QWidget* closing)
{
    // From here on a failing step is skipped: the program is on its way out.
    ErrorScope::run(modules::Allgemein, "Shutdown", [&](ErrorScope& scope) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
            if (*it != closing)
                scope.skipOnFailure([&] { (*it)->close(); });
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            // A window that refused to close must not keep the program alive.
            if (window != closing && window->isVisible())
                std::_Exit(0);
        }
        QCoreApplication::quit();
    });
}
