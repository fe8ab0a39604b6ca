#pragma once

#include "dialog/form_model.h"

namespace kestrova::app {

// "About Setup": the icon, a notice, the maker's address and OK.
class AboutBox final : public dialog::FormModel {
public:
    explicit AboutBox(dialog::Host& host);
    void buttonPressed(int id) override;
};

} // namespace kestrova::app
