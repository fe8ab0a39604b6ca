#include "support/test_registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#ifdef KESTROVA_GUI_TESTS
#include "qt/theme.h"

#include <QApplication>
#endif
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kestrova::test {

std::vector<RegisteredTest>& registeredTests() {
    static std::vector<RegisteredTest> tests;
    return tests;
}

} // namespace kestrova::test

namespace {

// --expect-classes A,B,...: whether the classes ctest knows (from scanning the sources) are
// the classes this executable holds, so no class goes unrun.
int expectClasses(std::string_view list) {
    std::set<std::string> expected;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            expected.emplace(list.substr(start, comma - start));
        start = comma + 1;
    }
    std::set<std::string> registered;
    for (const auto& test : kestrova::test::registeredTests())
        registered.emplace(test.name);
    for (const auto& name : registered) {
        if (!expected.contains(name))
            std::fprintf(stderr, "test class %s is not registered with ctest: run cmake again\n",
                         name.c_str());
    }
    for (const auto& name : expected) {
        if (!registered.contains(name))
            std::fprintf(stderr, "ctest expects a test class %s this executable lacks\n",
                         name.c_str());
    }
    return registered == expected ? 0 : 1;
}

} // namespace

// Runs every registered class, or with `--class NAME` only that one; the arguments after
// those go to QTest (test functions, -v2, ...).
int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--expect-classes") == 0)
        return expectClasses(argv[2]);

    const char* only = nullptr;
    std::vector<char*> arguments{argv, argv + argc + 1}; // with the closing null
    if (argc >= 3 && std::strcmp(argv[1], "--class") == 0) {
        only = argv[2];
        arguments.erase(arguments.begin() + 1, arguments.begin() + 3);
    }
    int count = static_cast<int>(arguments.size()) - 1;
    // No test, nor any program a test starts, reaches the machine's own system bus: a test
    // that needs a bus brings its own.
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/kestrova-tests-have-no-bus");
    // Nor the machine's home or runtime folder: preferences, history, locks and Qt's own files
    // land in a home of the run's own.
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "no temporary home for the tests: %s\n",
                     qPrintable(home.errorString()));
        return 1;
    }
    for (const char* folder : {"config", "data", "cache", "runtime"})
        QDir(home.path()).mkdir(QString::fromLatin1(folder));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));

#ifdef KESTROVA_GUI_TESTS
    // Windows open on the most common laptop screen, 1366x768, less a desktop panel of 40
    // pixels: what a window must fit.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" KESTROVA_TEST_SUPPORT "/laptop_screen.json");
    QApplication app(count, arguments.data());
    kestrova::qt::applyTheme(app);
#else
    QCoreApplication app(count, arguments.data());
#endif
    int failures = 0;
    bool found = false;
    for (const auto& test : kestrova::test::registeredTests()) {
        if (only && std::strcmp(test.name, only) != 0)
            continue;
        found = true;
        auto object = test.make();
        failures += QTest::qExec(object.get(), count, arguments.data());
    }
    if (only && !found) {
        std::fprintf(stderr, "no test class %s here\n", only);
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
