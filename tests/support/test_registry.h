#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes register themselves by name: one executable per subsystem holds them all, and
// ctest runs each class on its own (see tests/CMakeLists.txt), so a failing class is named.
namespace kestrova::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

struct RegisteredTest {
    const char* name;
    TestFactory make;
};

std::vector<RegisteredTest>& registeredTests();

struct Registration {
    Registration(const char* name, TestFactory factory) {
        registeredTests().push_back({name, std::move(factory)});
    }
};

} // namespace kestrova::test

#define KESTROVA_TEST(Class)                                                                       \
    static const kestrova::test::Registration registration_##Class{                                \
        #Class, [] { return std::unique_ptr<QObject>(new Class); }};
