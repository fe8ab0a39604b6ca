#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Test classes register themselves so one executable per subsystem runs them all.
namespace kestrova::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory>& registeredTests();

struct Registration {
    explicit Registration(TestFactory factory) { registeredTests().push_back(std::move(factory)); }
};

} // namespace kestrova::test

#define KESTROVA_TEST(Class)                                                                       \
    static const kestrova::test::Registration registration_##Class{                                \
        [] { return std::unique_ptr<QObject>(new Class); }};
