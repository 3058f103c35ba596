// soukoli: the desktop program. Creates the application object and runs the event loop.
#include <QApplication>

#include "app/SoukoliApp.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("soukoli"));
    QApplication::setApplicationVersion(QStringLiteral(SOUKOLI_VERSION));
    soukoli::SoukoliApp app(soukoli::defaultHelpFile());
    app.form.resize(1000, 640);
    app.show();
    return QApplication::exec();
}
