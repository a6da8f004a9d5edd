#pragma once
// What the project asks of the windows: questions, messages, status texts.
// Every hook may be left empty; an unanswered question counts as No.
#include <functional>
#include <string>

namespace torven::data {

struct ProjectCallbacks {
    // Closes dialogs, table editors and result windows (File New).
    std::function<void()> closeChildWindows;
    // Open dialogs reload their unit-bearing fields after a change of system.
    std::function<void()> refreshUnitFields;
    // An information box with OK.
    std::function<void(const std::string&)> inform;
    // A Yes / No question; true for Yes.
    std::function<bool(const std::string&)> ask;
    // The status bar text.
    std::function<void(const std::string&)> showStatus;
    // The Stage menu and the stage buttons follow NumStages and CurrentStage.
    std::function<void()> updateStageControls;

    void CloseChildWindows() const {
        if (closeChildWindows) closeChildWindows();
    }
    void RefreshUnitFields() const {
        if (refreshUnitFields) refreshUnitFields();
    }
    void Inform(const std::string& message) const {
        if (inform) inform(message);
    }
    bool Ask(const std::string& question) const { return ask && ask(question); }
    void ShowStatus(const std::string& text) const {
        if (showStatus) showStatus(text);
    }
    void UpdateStageControls() const {
        if (updateStageControls) updateStageControls();
    }
};

}  // namespace torven::data
