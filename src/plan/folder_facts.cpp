#include "plan/folder_facts.h"

#include "plan/card_facts.h"

namespace kestrova::plan {

void FolderFacts::fill(PlanInputs& inputs, const QString& folder, int model) const {
    const bool sameFolder = folder == folder_ && model == model_;
    if (!sameFolder || !age_.isValid() || age_.hasExpired(freshForMs)) {
        const bool countPictures =
            !sameFolder || !picturesAge_.isValid() || picturesAge_.hasExpired(picturesFreshForMs);
        const int pictures = card_.dcimFiles;
        folder_ = folder;
        model_ = model;
        card_ = readCardFacts(folder, countPictures);
        if (countPictures)
            picturesAge_.start();
        else
            card_.dcimFiles = pictures;
        files_ = readCardFiles(folder, model);
        age_.start();
    }
    inputs.card = card_;
    inputs.files = files_;
}

} // namespace kestrova::plan
