#include "app/StartUp.h"
#include "portal/ChromeDriverProcess.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Profiles of browsers that an earlier run could not end (signed in, with cookies).
    ChromeDriverProcess::removeLeftovers();
    return runApplication(app);
}
