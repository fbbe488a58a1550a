// Runs the test class named first on the command line, with the rest of
// the arguments given to Qt Test.

#include "testmain.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <map>
#include <string>

static std::map<std::string, TestFactory> &testClasses()
{
    static std::map<std::string, TestFactory> classes;
    return classes;
}

bool registerTestClass(const char *name, TestFactory factory)
{
    return testClasses().emplace(name, std::move(factory)).second;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const auto found = argc > 1 ? testClasses().find(argv[1]) : testClasses().end();
    if (found == testClasses().end()) {
        std::fprintf(stderr, "usage: %s CLASS [Qt Test options]\n", argv[0]);
        return 2;
    }
    const std::unique_ptr<QObject> tests = found->second();
    argv[1] = argv[0]; // Qt Test sees the program's name and the options
    return QTest::qExec(tests.get(), argc - 1, argv + 1);
}
