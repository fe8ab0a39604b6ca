#include "cli/card_services.h"

#include <QCoreApplication>
#include <QLibrary>

namespace kestrova::cli {

namespace {

// How long the bus, then udisks2, may take to answer before the mount table is watched instead.
constexpr int serviceWaitMs = 2000;

// Beside the program in the build tree, in the program's own library folder once installed.
card::CardService* udisksService() {
#ifdef KESTROVA_MODULE_DIR
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {programFolder, programFolder + QStringLiteral("/" KESTROVA_MODULE_DIR)}) {
        QLibrary module(folder + QStringLiteral("/kestrova-udisks"));
        // The service lives as long as the process: the module stays loaded.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        const auto entry =
            reinterpret_cast<card::CardServiceEntry>(module.resolve("kestrovaCardService"));
        if (entry)
            return entry(serviceWaitMs);
    }
#endif
    return nullptr;
}

} // namespace

CardServices cardServices() {
    if (card::CardService* service = udisksService())
        return {std::unique_ptr<card::CardService>(service), true};
    return {std::make_unique<card::PolledCards>(), false};
}

} // namespace kestrova::cli
