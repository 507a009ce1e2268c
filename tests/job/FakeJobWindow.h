#pragma once

#include "job/JobWindow.h"

#include <string>
#include <vector>

// A window made of plain values; records what the job shows and focuses.
struct FakeJobWindow final : velmora::job::JobWindow
{
    std::string maxLen = "2048";
    std::string startDate = "2026/12/06";
    std::string endDate = "2027/12/06";
    std::string url = "https://www.example.test";
    std::string savePath;
    bool clientAndServer = false;
    bool autoRequest = false;
    std::string serverRequest;
    std::string status = "earlier status";

    std::vector<std::string> warnings;
    std::vector<velmora::job::InputControl> focused;

    std::string maxLenText() const override { return maxLen; }
    std::string startDateText() const override { return startDate; }
    std::string endDateText() const override { return endDate; }
    std::string urlText() const override { return url; }
    void setUrlText(const std::string& text) override { url = text; }
    std::string savePathText() const override { return savePath; }
    void setSavePathText(const std::string& text) override { savePath = text; }
    bool clientAndServerSelected() const override { return clientAndServer; }
    bool autoRequestChecked() const override { return autoRequest; }
    std::string serverRequestText() const override { return serverRequest; }
    void setStatusText(const std::string& text) override { status = text; }
    void setFocusTo(velmora::job::InputControl control) override { focused.push_back(control); }
    void showWarning(const std::string& text) override { warnings.push_back(text); }
};
