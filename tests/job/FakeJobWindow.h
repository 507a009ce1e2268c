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

// Records what the job shows, focuses and how the window looks meanwhile.
struct FakeJobWindow final : velmora::job::JobWindow
{
    explicit FakeJobWindow(WindowInputs inputs)
        : in(std::move(inputs))
    {
    }

    WindowInputs in;
    std::string status = "earlier status";
    // What the user saw happen, in order: "status <text>", "busy", "idle",
    // "warning", "information"; tests add their own (steps, pauses).
    std::vector<std::string> events;
    std::vector<std::string> warnings;
    std::vector<std::string> informations;
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
    void setStatusText(const std::string& text) override
    {
        status = text;
        events.push_back("status " + text);
    }
    void setFocusTo(velmora::job::InputControl control) override { focused.push_back(control); }
    void showWarning(const std::string& text) override
    {
        events.push_back("warning");
        warnings.push_back(text);
    }
    void showInformation(const std::string& text) override
    {
        events.push_back("information");
        informations.push_back(text);
    }
    void setBusy(bool isBusy) override
    {
        busy = isBusy;
        events.push_back(isBusy ? "busy" : "idle");
    }
};
