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
    for (const QString& folder :
         {QCoreApplication::applicationDirPath(), QStringLiteral(KESTROVA_MODULE_DIR)}) {
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
    if (card::CardService* service = udisksService()) {
        // One object is both; the watch owns it, the ejector borrows it.
        struct Borrowed final : card::CardEjector {
            card::CardEjector& service;
            explicit Borrowed(card::CardEjector& s)
                : service(s) {}
            std::optional<QString> eject(const card::Volume& card) override {
                return service.eject(card);
            }
        };
        auto ejector = std::make_unique<Borrowed>(*service);
        return {std::unique_ptr<card::CardWatch>(service), std::move(ejector), true};
    }
    return {std::make_unique<card::PolledCardWatch>(), std::make_unique<card::NoEjector>(), false};
}

} // namespace kestrova::cli
