// Runs the test class named first on the command line, with the rest of
// the arguments given to Qt Test; with no name, lists the classes.

#include "testmain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, TestFactory> &testClasses()
{
    static std::map<std::string, TestFactory> classes;
    return classes;
}

} // namespace

bool registerTestClass(const char *name, TestFactory factory)
{
    testClasses().emplace(name, std::move(factory));
    return true;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const auto found = argc > 1 ? testClasses().find(argv[1]) : testClasses().end();
    if (found == testClasses().end()) {
        std::fprintf(stderr, "usage: %s CLASS [Qt Test options]\nclasses:\n", argv[0]);
        for (const auto &entry : testClasses())
            std::fprintf(stderr, "  %s\n", entry.first.c_str());
        return 2;
    }
    const std::unique_ptr<QObject> tests = found->second();
    // Qt Test sees the program's name and the options, not the class name.
    argv[1] = argv[0];
    return QTest::qExec(tests.get(), argc - 1, argv + 1);
}
