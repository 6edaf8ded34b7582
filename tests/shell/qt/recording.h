#pragma once
// Message boxes and fatal reports that the tests record instead of showing.
#include <string>
#include <vector>

#include "shell/file_services.h"
#include "shell/prompts.h"

namespace vantrel::test {

struct RecordingFatal : FatalReporter {
    std::vector<std::pair<std::string, std::string>> reports;  // title, text
    void fatal(std::string_view title, std::string_view text) override { reports.emplace_back(title, text); }
};

struct RecordingPrompts : Prompts {
    std::vector<std::string> infos, errors, questions;
    bool answer = true;
    void info(std::string_view t) override { infos.emplace_back(t); }
    void error(std::string_view t) override { errors.emplace_back(t); }
    bool confirm(std::string_view t) override {
        questions.emplace_back(t);
        return answer;
    }
};

}  // namespace vantrel::test
