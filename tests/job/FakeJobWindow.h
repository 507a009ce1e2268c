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

    std::string maxLenText() const override { return in.maxLen; }
    std::string startDateText() const override { return in.startDate; }
    std::string endDateText() const override { return in.endDate; }
    std::string urlText() const override { return in.url; }
    void setUrlText(const std::string& text) override { in.url = text; }
    std::string savePathText() const override { return in.savePath; }
    void setSavePathText(const std::string& text) override { in.savePath = text; }
    bool clientAndServerSelected() const override { return in.clientAndServer; }
    bool clientOnlySelected() const override { return in.clientOnly; }
    bool autoRequestChecked() const override { return in.autoRequest; }
    std::string serverRequestText() const override { return in.serverRequest; }
    void setStatusText(const std::string& text) override { status = text; }
    void setFocusTo(velmora::job::InputControl control) override { focused.push_back(control); }
    void showWarning(const std::string& text) override { warnings.push_back(text); }
    void showInformation(const std::string& text) override { informations.push_back(text); }
    bool askYesNo(const std::string& text) override { return questions.push_back(text), answerYes; }
    void setBusy(bool isBusy) override { busy = isBusy; }
};
