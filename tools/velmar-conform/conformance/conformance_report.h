#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "case_check.h"
#include "report_json.h"

struct ReportOptions {
    std::string program;        // "velmar-conform 1.7 (x64)", in the JSON report
    std::string jsonFile;       // the JSON report goes there when set
    bool jsonOnly = false;      // the JSON report instead of the text (velmar-rop --json)
    std::string diffDirectory;  // an existing folder for the pictures of each failing case
};

// Where the report's text goes as it is made: false when it could not be written.
using ReportWrite = std::function<bool(std::string_view)>;

// The one report of velmar-conform and velmar-rop --compare: a case's lines as soon as it has
// been checked, the summary and the JSON report at the end.
class ConformanceReport {
public:
    ConformanceReport(ReportOptions options, ReportWrite write);

    // False, with Fault() set, when the report or a picture could not be written.
    bool Add(const CaseResult& result);
    bool Finish();

    std::size_t Failed() const { return m_failed; }
    const std::string& Fault() const { return m_fault; }

private:
    bool Write(const std::string& text);

    ReportOptions m_options;
    ReportWrite m_write;
    JsonReport m_json;
    std::size_t m_passed = 0;
    std::size_t m_failed = 0;
    std::string m_fault;
};
