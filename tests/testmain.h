#pragma once

// All the test classes are linked into one program, kelmo-tests; each file
// registers its class with KELMO_TEST. CTest runs one class per process.

#include <QObject>

#include <functional>
#include <memory>

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Adds a test class under its name; true, to initialise a static.
bool registerTestClass(const char *name, TestFactory factory);

#define KELMO_TEST(Class)                                                                                      \
    namespace {                                                                                                \
    const bool registered##Class = registerTestClass(#Class, [] { return std::make_unique<Class>(); });       \
    }
