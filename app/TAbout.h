#pragma once
// The version-information dialog: the product name in large letters, the product version read from
// the running executable, the maker's line, and a link to the home page. Built anew for each showing.

#include "Form.h"

#include <functional>
#include <string>

class TAbout : public ui::Form {
public:
    // Runs a command line; the dialog does not wait for it.
    using CommandRunner = std::function<void(const std::wstring& commandLine)>;

    explicit TAbout(ui::Form& owner);
    // For tests: the link's command goes to `runCommand` instead of being started.
    TAbout(ui::Form& owner, CommandRunner runCommand);

    const std::wstring& HomePage() const { return homePage_; }

private:
    // Opens the home page in the web browser; the dialog stays open.
    void bHomePageClick(ui::Component& sender);

    CommandRunner runCommand_;
    std::wstring homePage_;
};
