#include "grading.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "translate.h"
#include "truthtable.h"
#include "utf8text.h"

namespace vorn {

namespace {

constexpr VerdictKind kKinds[] = {VerdictKind::Ok, VerdictKind::Wrong, VerdictKind::Missing, VerdictKind::Limits,
                                  VerdictKind::Invalid};

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

// The length of the UTF-8 sequence a byte starts; 0 for a byte no sequence starts with.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

std::string Counted(const TaskVerdict& verdict) {
    return std::to_string(verdict.rowsRight) + "/" + std::to_string(verdict.rowsTotal);
}

}  // namespace

std::vector<std::filesystem::path> GradedFiles(const std::vector<std::string>& arguments,
                                               const std::filesystem::path& taskFile) {
    std::vector<std::filesystem::path> files;
    for (const std::string& argument : arguments) {
        std::error_code ec;
        if (!std::filesystem::is_directory(argument, ec)) {
            files.emplace_back(argument);
            continue;
        }
        std::vector<std::filesystem::path> inFolder;
        for (const auto& entry : std::filesystem::directory_iterator(argument, ec)) {
            std::error_code typeError;
            if (entry.path().extension() != ".vfl" || entry.is_directory(typeError)) continue;
            if (!SameFile(entry.path(), taskFile)) inFolder.push_back(entry.path());
        }
        // A folder that cannot be listed is a row of its own.
        if (ec) inFolder.assign(1, argument);
        std::sort(inFolder.begin(), inFolder.end(),
                  [](const auto& a, const auto& b) { return a.filename().native() < b.filename().native(); });
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            switch (byte) {
                case '"': json += "\\\""; break;
                case '\\': json += "\\\\"; break;
                case '\n': json += "\\n"; break;
                case '\r': json += "\\r"; break;
                case '\t': json += "\\t"; break;
                default:
                    if (byte < 0x20) {
                        char escaped[8];
                        std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                        json += escaped;
                    } else {
                        json += static_cast<char>(byte);
                    }
            }
            ++i;
            continue;
        }
        const std::size_t length = SequenceLength(byte);
        if (length > 0 && i + length <= text.size() && DecodeUtf8(text.substr(i, length))) {
            json.append(text.substr(i, length));
            i += length;
        } else {
            json += "\\ufffd";
            ++i;
        }
    }
    return json + "\"";
}

std::string FormatGrades(const std::vector<GradeRow>& rows, GradeFormat format) {
    std::string text;
    switch (format) {
        case GradeFormat::Csv:
            text = "file,verdict,rows_right,rows_total,detail\n";
            for (const GradeRow& row : rows)
                text += CsvField(row.file) + "," + std::string(VerdictWord(row.verdict.kind)) + "," +
                        std::to_string(row.verdict.rowsRight) + "," + std::to_string(row.verdict.rowsTotal) + "," +
                        CsvField(row.verdict.Detail()) + "\n";
            return text;
        case GradeFormat::Json:
            text = "[";
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const TaskVerdict& v = rows[i].verdict;
                text += std::string(i > 0 ? "," : "") + "\n  {\"file\": " + JsonString(rows[i].file) +
                        ", \"verdict\": \"" + std::string(VerdictWord(v.kind)) +
                        "\", \"rows_right\": " + std::to_string(v.rowsRight) +
                        ", \"rows_total\": " + std::to_string(v.rowsTotal) + ", \"detail\": " + JsonString(v.Detail()) +
                        "}";
            }
            return text + (rows.empty() ? "]\n" : "\n]\n");
        case GradeFormat::Text: {
            std::size_t width = 4;
            for (const GradeRow& row : rows) width = std::max(width, Utf8Length(row.file).value_or(row.file.size()));
            auto pad = [](std::string text, std::size_t to) {
                const std::size_t length = Utf8Length(text).value_or(text.size());
                return length < to ? text + std::string(to - length, ' ') : text;
            };
            text = pad("file", width) + "  verdict  rows    detail\n";
            for (const GradeRow& row : rows)
                text += pad(row.file, width) + "  " + pad(std::string(VerdictWord(row.verdict.kind)), 7) + "  " +
                        pad(Counted(row.verdict), 6) + "  " + row.verdict.Detail() + "\n";
            return text;
        }
    }
    return text;
}

std::string GradeSummary(const std::vector<GradeRow>& rows) {
    // The counts keep the verdict words of the table, which scripts read.
    std::string text = Fill(Tr("Grading", "Проверено файлов: %1."), {std::to_string(rows.size())});
    for (VerdictKind kind : kKinds) {
        const auto count = std::count_if(rows.begin(), rows.end(), [&](const GradeRow& r) { return r.verdict.kind == kind; });
        text += std::string(kind == VerdictKind::Ok ? " " : ", ") + std::string(VerdictWord(kind)) + ": " +
                std::to_string(count);
    }
    return text + ".";
}

}  // namespace vorn
