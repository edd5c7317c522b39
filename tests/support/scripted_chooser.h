#pragma once

#include "platform/tcolordialog.h"

#include <deque>
#include <optional>
#include <vector>

// Stands in for the colour chooser: answers from a script (nothing = cancel) and records the
// colour each run opened on.
struct ScriptedChooser {
    std::deque<std::optional<TColor>> answers;
    std::vector<TColor> openedOn;

    void install(TColorDialog* dialog) {
        dialog->setChooser([this](TColor initial) {
            openedOn.push_back(initial);
            std::optional<TColor> answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        });
    }
};
