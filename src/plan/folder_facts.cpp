#include "plan/folder_facts.h"

#include "plan/card_facts.h"

namespace kestrova::plan {

void FolderFacts::fill(PlanInputs& inputs, const QString& folder, int model) const {
    if (folder != folder_ || model != model_ || !age_.isValid() || age_.hasExpired(freshForMs)) {
        folder_ = folder;
        model_ = model;
        card_ = readCardFacts(folder);
        files_ = readCardFiles(folder, model);
        age_.start();
    }
    inputs.card = card_;
    inputs.files = files_;
}

} // namespace kestrova::plan
