#include "support/test_registry.h"

#include <QCoreApplication>
#ifdef KESTROVA_GUI_TESTS
#include "qt/theme.h"

#include <QApplication>
#endif
#include <QTest>

namespace kestrova::test {

std::vector<TestFactory>& registeredTests() {
    static std::vector<TestFactory> tests;
    return tests;
}

} // namespace kestrova::test

int main(int argc, char** argv) {
#ifdef KESTROVA_GUI_TESTS
    QApplication app(argc, argv);
    kestrova::qt::applyTheme(app);
#else
    QCoreApplication app(argc, argv);
#endif
    int failures = 0;
    for (const auto& makeTest : kestrova::test::registeredTests()) {
        auto test = makeTest();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
