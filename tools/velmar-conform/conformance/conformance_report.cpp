#include "conformance_report.h"

#include "diff_pictures.h"
#include "file_bytes.h"
#include "quote_argument.h"
#include "report_text.h"

ConformanceReport::ConformanceReport(ReportOptions options, ReportWrite write)
    : m_options(std::move(options)), m_write(std::move(write)) {}

bool ConformanceReport::Write(const std::string& text) {
    if (m_options.jsonOnly || m_write(text)) return true;
    m_fault = "cannot write the report";
    return false;
}

bool ConformanceReport::Add(const CaseResult& result) {
    ++(result.Passed() ? m_passed : m_failed);
    m_json.Add(result);
    if (!m_options.diffDirectory.empty() &&
        !WriteDiffPictures(m_options.diffDirectory, result, m_fault))
        return false;
    return Write(CaseReportText(result));
}

bool ConformanceReport::Finish() {
    if (!Write(SummaryText(m_passed, m_failed))) return false;
    const bool json = m_options.jsonOnly || !m_options.jsonFile.empty();
    const std::string text = json ? m_json.Text(m_options.program, m_passed, m_failed) : "";
    if (m_options.jsonOnly && !m_write(text)) {
        m_fault = "cannot write the report";
        return false;
    }
    if (!m_options.jsonFile.empty() && !WriteFileText(m_options.jsonFile, text)) {
        m_fault = "cannot write " + QuotePath(m_options.jsonFile);
        return false;
    }
    return true;
}
