#pragma once

#include "job/JobWindow.h"

#include <string>
#include <vector>

// The window's inputs as plain values; a valid client-only job by default.
struct WindowInputs
{
    std::string maxLen = "2048";
    std::string startDate = "2026/12/06";
    std::string endDate = "2027/12/06";
    std::string url = "https://www.example.test";
    std::string savePath;
    bool clientAndServer = false;
    bool autoRequest = false;
    std::string serverRequest;
    bool clientOnly = !clientAndServer;
};

// Records what the job shows and focuses, and whether the window is busy.
struct FakeJobWindow final : velmora::job::JobWindow
{
    explicit FakeJobWindow(WindowInputs inputs)
        : in(std::move(inputs))
    {
    }

    WindowInputs in;
    std::string status;
    std::vector<std::string> warnings;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
    bool answerYes = false; // the box's default
    std::vector<velmora::job::InputControl> focused;
    bool busy = false;

    // The inputs' texts in the order of InputControl.
    static constexpr std::string WindowInputs::*texts[] {&WindowInputs::maxLen,   &WindowInputs::startDate,
                                                         &WindowInputs::endDate,  &WindowInputs::url,
                                                         &WindowInputs::savePath, &WindowInputs::serverRequest};
    std::string text(velmora::job::InputControl input) const override { return in.*texts[int(input)]; }
    void setText(velmora::job::InputControl input, const std::string& text) override { in.*texts[int(input)] = text; }
    bool clientAndServerSelected() const override { return in.clientAndServer; }
    bool clientOnlySelected() const override { return in.clientOnly; }
    bool autoRequestChecked() const override { return in.autoRequest; }
    void setStatusText(const std::string& text) override { status = text; }
    void setFocusTo(velmora::job::InputControl control) override { focused.push_back(control); }
    // A message shown while the window is still busy is marked: the window is given back first.
    void showWarning(const std::string& text) override { warnings.push_back(text + (busy ? " [busy]" : "")); }
    void showInformation(const std::string& text) override { informations.push_back(text + (busy ? " [busy]" : "")); }
    bool askYesNo(const std::string& text) override { return questions.push_back(text), answerYes; }
    void setBusy(bool isBusy) override { busy = isBusy; }
};
