#include <QApplication>
#include <string>
#include <vector>

#include "app/Application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The shell has split the command line already; QApplication took its own options out.
    const std::vector<std::string> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    qlx::Application application;
    return application.Run(arguments);
}
