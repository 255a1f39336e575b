// Grading a class: the files to check against one task, and the verdicts as
// a table in plain text, CSV or JSON.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "taskcheck.h"

namespace vorn {

struct GradeRow {
    std::string file;
    TaskVerdict verdict;
};

enum class GradeFormat { Text, Csv, Json };

// The files the arguments name: a folder gives its "*.vfl" files sorted by
// name (not its subfolders, and not the task file itself), anything else is
// taken as it is, so that a missing or unreadable file still gets its row.
std::vector<std::filesystem::path> GradedFiles(const std::vector<std::string>& arguments,
                                               const std::filesystem::path& taskFile);

// One row per file: file, verdict, rows_right, rows_total, detail. CSV and
// plain text begin with a header line; JSON is an array of objects.
std::string FormatGrades(const std::vector<GradeRow>& rows, GradeFormat format);

// A JSON string with its quotes: quote, backslash and control characters
// escaped, bytes that are not UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view text);

// How many files got each verdict, on one line.
std::string GradeSummary(const std::vector<GradeRow>& rows);

}  // namespace vorn
